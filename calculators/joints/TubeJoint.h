#pragma once
// "钢管节点": unstiffened joints of circular hollow sections with the branches welded directly to
// the chord, GB50017-2003 10.3.3: the X joint, the T (Y) joint and the K joint with a gap, each
// branch in compression or tension. The capacity of the joint for the branch force, the verdict
// N/Nj, and the branch-to-chord fillet weld of 10.3.2 (effective length along the intersection,
// throat 0.7·hf, βf = 1).
//
// The validity limits of the formulas are checked first and each breach is refused naming the
// limit: D/t and di/ti at most 100·(235/fy) (10.1.2), di/ti at most 60 and 0.2 <= β <= 1.0
// (10.3.3), the chord wall not thinner than the branch's, θ from 30° to 90°, for the K joint a gap
// a >= t1 + t2 and the eccentricity −0.55 <= e/D <= 0.25 (10.1.5), and hf <= 2·ti.
//
// To GB50017-2017 the X, T (Y) and gap K formulas and the weld length are those of 13.3.2 and
// 13.3.9, unchanged; f and fy come from table 4.4.1 by the chord's wall, ffw from table 4.4.5 for
// the grade's usual electrode, and the limits are cited as 13.1.2 (D/t and di/ti at most 100·εk²;
// the branch's di/ti <= 60 of 2003 is not repeated there), 13.3.1 (0.2 <= β <= 1.0,
// 0.2 <= ti/t <= 1.0, θ >= 30°) and 13.2.1 (e/D).
//
// Notation as in the code: D, t the chord; d1, t1, θ1 the branch (for the K joint the branch in
// compression), d2, t2, θ2 the K joint's branch in tension. Units: mm, degrees, N/mm2, kN.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Materials.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kTubeJointCaption = "钢管节点";

enum class TubeJointKind {
    X = 0, // "X形节点"
    T = 1, // "T形(Y形)节点"
    K = 2, // "K形间隙节点"
};

// The lists the dialog and the runner share, in list order.
std::span<const char* const> TubeJointKindNames();
std::span<const char* const> TubeGradeNames();      // "Q235" ... "Q420"
std::span<const char* const> TubeForceSenseNames(); // "受压", "受拉"

struct TubeJointInput {
    TubeJointKind kind = TubeJointKind::X;
    SteelGrade grade = kQ235;
    double chordD = 245, chordT = 8;
    double d1 = 133, t1 = 6, theta1 = 60;
    bool tension = false;                 // X and T: the branch is in tension
    double n1 = 100;                      // branch force, kN (K: the compression branch)
    double d2 = 121, t2 = 6, theta2 = 60; // K: the tension branch
    double n2 = 100;                      // K: the tension branch's force, kN
    double gap = 30;                      // K: gap a between the branches on the chord
    double sigma = 80; // the smaller chord compressive stress of the two sides; <= 0: tension
    double hf = 6;     // leg of the branch-to-chord fillet welds
    int edition = kSteel2003;
};

struct TubeJointResult {
    double f = 0, fy = 0, ffw = 0;
    double beta = 0;
    double psiN = 0, psiD = 0, psiA = 0;
    double eccentricity = 0;     // K: e of the branch axes' intersection from the chord axis (mm)
    double capacity1 = 0;        // the joint's capacity for branch 1 (kN)
    double capacity2 = 0;        // K: for branch 2 (kN)
    double lw1 = 0, lw2 = 0;     // weld lengths (mm)
    double weld1 = 0, weld2 = 0; // weld capacities (kN)
    std::optional<std::string> report; // absent when refused
    std::vector<Notice> notices;
    // With the report: each branch force against the joint's capacity, then against its weld.
    std::vector<Check> checks;
};

TubeJointResult ComputeTubeJoint(const TubeJointInput& in);

// The effective length of the fillet weld along the intersection of a branch with the chord,
// 10.3.2: (3.25·di − 0.025·D)·(0.534/sinθ + 0.466) for di/D <= 0.65, otherwise
// (3.81·di − 0.389·D)·(0.534/sinθ + 0.466). θ in degrees.
double TubeWeldLength(double di, double chordD, double thetaDegrees);

} // namespace ferrolab
