#pragma once
// "梁拼接": bolted splice of a welded I or rolled H beam with friction-type high-strength bolts.
// Each flange is spliced by an outer cover plate (and, optionally, two inner plates beside the
// web), the web by two plates, one on each face.
//
// Two ways of sizing the splice:
//  - 按内力设计 (design forces): the web carries its share of the moment by stiffness,
//    Mw = M·Iw/Ix, plus V and the eccentric moment V·e (e from the splice line to the centroid
//    of one side's web bolts); each flange carries Nf = (M − Mw)/h1, h1 between the flange
//    centroids;
//  - 按等强度设计 (equal strength): each flange splice carries the flange's net-section capacity
//    An·f, the web splice the web's net-section shear capacity Awn·fv at the eccentricity e;
//    M and V do not enter.
// Checks (GB50017-2003): the flange bolts (Nf shared equally, 7.2.4 long-joint factor) and the
// most heavily loaded web bolt (elastic bolt group) against 0.9·nf·μ·P (7.2.2); the beam flange's
// net section with the friction-bolt reduction (1 − 0.5·n1/n)·N/An and its gross section (5.1.1);
// the cover plates' area against the flange's and their stresses; the web plates' bending and
// shear stresses. Layout (table 8.3.4): pitches at least 3·d0, end distances along the force at
// least 2·d0, edge distances across it at least 1.5·d0.
//
// To GB50017-2017 the formulas stay: f and fv of table 4.4.1 by thickness, μ of table 11.4.2-1
// (three treatments; the wire brush not on Q420), P of table 11.4.2-2, Nvb = 0.9·k·nf·μ·P (11.4.2)
// with k = 1.0 for the standard hole, layout table 11.5.2. The long-joint factor is unchanged;
// its 2017 clause is cited by its subject, not by a number.
//
// Units: mm, kN, kN·m, N/mm2.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Materials.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kBeamSpliceCaption = "梁拼接";

inline constexpr int kSpliceWeldedI = 0; // "焊接工字形"
inline constexpr int kSpliceRolledH = 1; // "轧制H型钢"

inline constexpr int kSpliceByForces = 0;   // "按内力设计"
inline constexpr int kSpliceByStrength = 1; // "按等强度设计"

// The lists the dialog and the runner share, in list order.
std::span<const char* const> SpliceBeamKindNames();
std::span<const char* const> SpliceMethodNames();
std::span<const char* const> SpliceGradeNames();       // "Q235" ... "Q420"
std::span<const char* const> SpliceBoltGradeNames();   // "8.8", "10.9"
std::span<const char* const> SpliceDiameterNames();    // "M16" ... "M30"
std::span<const char* const> SpliceFlangePlateNames(); // outer only, outer and inner
std::span<const char* const> SpliceFlangeLineNames();  // bolt lines across a flange: "2", "4"
std::span<const char* const> SpliceFlangeRowNames();   // rows along the beam: "1" ... "8"
std::span<const char* const> SpliceWebRowNames();      // "2" ... "20"
std::span<const char* const> SpliceWebColumnNames();   // "1", "2", "3"
// The faying surfaces of the edition: GB50017-2003 table 7.2.2-1 or GB50017-2017 table 11.4.2-1.
std::span<const char* const> SpliceSurfaceNames(int edition);
// Every rolled H section of the HW, HM and HN series, in catalogue order.
std::vector<std::string> SpliceRolledHNames();

struct BeamSpliceInput {
    int beamKind = kSpliceWeldedI;
    std::string section = "HN700x300";           // rolled H
    double b = 300, tf = 20, hw = 1000, tw = 10; // welded I, doubly symmetric
    SteelGrade grade = kQ235;
    int method = kSpliceByForces;
    double m = 1000, v = 250; // design moment and shear at the splice
    int boltClass = 109;
    int d = 22;
    double clearance = 2; // d0 = d + clearance
    int surface = 0;      // of SpliceSurfaceNames(edition)
    // Flange splice, each flange, one side of the joint.
    bool innerPlates = true;
    double bo = 300, to = 12; // outer plate
    double bi = 130, ti = 12; // each of the two inner plates
    int lines = 4;            // bolt lines along the beam, across the flange width
    int rows = 2;             // bolts per line on one side
    double gauge = 75;        // between adjacent lines
    double pitch = 80;        // along the beam
    double endDistance = 50;  // splice line (and plate end) to the nearest row
    // Web splice, one side of the joint.
    double hp = 900, tp = 8; // each of the two web plates
    int webRows = 10, webCols = 2;
    double pv = 90, ph = 80; // vertical and horizontal pitch
    double ew = 50;          // splice line to the first column
    int edition = kSteel2003;

    double d0() const { return d + clearance; }
};

struct BeamSpliceResult {
    double ix = 0, iw = 0, h1 = 0; // mm4, mm4, mm
    double mw = 0;                 // web's share of M (kN·m)
    double nf = 0;                 // flange force (kN)
    int pretension = 0;
    double mu = 0;
    double nvbFlange = 0, nvbWeb = 0; // kN, after any long-joint factor
    double flangeBolt = 0;            // kN
    double flangeSigma = 0;           // beam flange, the larger of net and gross (N/mm2)
    double plateArea = 0, plateSigma = 0;
    double webBolt = 0; // kN
    double webSigma = 0, webTau = 0;
    std::optional<std::string> report; // absent when refused
    std::vector<Notice> notices;
    std::vector<Check> checks;
};

BeamSpliceResult ComputeBeamSplice(const BeamSpliceInput& in);

// The long-joint factor of GB50017-2003 7.2.4 for a joint of length l1 along the force:
// 1 up to 15·d0, then 1.1 − l1/(150·d0), not below 0.7.
double LongJointFactor(double l1, double d0);

} // namespace ferrolab
