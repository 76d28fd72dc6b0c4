#pragma once
// "螺栓连接": two jobs in one dialog.
//  1. The design capacities of one bolt: tension, shear and bearing of an ordinary bolt, or the
//     pretension, tension and slip capacities of a friction-type high-strength bolt, for a code,
//     bolt class, diameter, number of shear planes, plate grade, plate thickness sum and (friction
//     type) faying surface. Shown in a box that every pick rebuilds.
//  2. The force in the most heavily loaded bolt of a rectangular bolt group, under torque, shear
//     and axial force (load case 0) or under a bending moment whose shear goes into a milled seat
//     (load case 1).

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Materials.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kBoltConnectionCaption = "螺栓连接";

inline constexpr int kOrdinaryBolt = 0; // "普通螺栓"
inline constexpr int kFrictionBolt = 1; // "摩擦型高强螺栓"

// The lists of the capacity job, in the order the dialog shows them.
// "GB50017-2003" (or "GB50017-2017", as the edition list names the GB50017 of the dialog),
// "GB50018-2002". The runner's field keeps the first texts whatever the edition.
std::vector<std::string> BoltCodeEntries(int edition = kSteel2003);
std::vector<std::string> BoltKindEntries(); // "普通螺栓", "摩擦型高强螺栓"
std::vector<std::string> BoltClassEntries(int code, int kind); // "4.6级4.8级C级", ...
// The class code of a list position: 46, 56, 88 (ordinary) or 88, 109 (friction type); 0 for a
// position the list does not have.
int BoltClassCode(int kind, int index);
// Ordinary: "12" ... "100" whatever the code; friction type: "M16" ... "M30" (code 0) or "M12",
// "M14", "M16" (code 1).
std::vector<std::string> BoltDiameterEntries(int code, int kind);
// The diameter a list entry names, in mm: "20" -> 20, "M20" -> 20; 0 for anything else.
int DiameterOfEntry(const std::string& entry);
std::vector<std::string> ShearPlaneEntries();         // "1", "2"
std::vector<std::string> PlateGradeEntries(int code); // "Q235" ... ("Q235", "Q345" for code 1)
std::vector<std::string> ThicknessSumEntries();       // "6" ... "22"
// The faying surfaces of the code (GB50017-2017: the three of table 11.4.2-1).
std::vector<std::string> SurfaceEntries(int code, int edition = kSteel2003);
// The hole types of GB50017-2017 11.4.2 for friction-type bolts: 标准孔, 大圆孔, 槽孔(...).
std::vector<std::string> HoleEntries();
// The slip factor the table gives for the code, edition, plate grade and surface; nothing where
// GB50017-2017 does not permit the surface (the wire brush on Q420).
std::optional<double> TableSlipFactor(int code, int edition, SteelGrade grade, int surface);

struct BoltCapacityInput {
    int code = 0;
    int kind = kOrdinaryBolt;
    int boltClass = 46;
    int d = 12; // mm
    int n = 1;  // shear planes
    SteelGrade grade = kQ235;
    int thicknessSum = 6; // Σt (mm), ordinary bolts
    double mu = 0.45;     // slip factor, friction-type bolts
    // GB50017-2017 (code 0 only): the tables of 4.4.6 and 11.4.2; for friction-type bolts the
    // surface (which table 11.4.2-1 may not permit for the grade) and the hole type of k.
    int edition = kSteel2003;
    int surface = 0;
    int hole = 0;
};

struct BoltCapacityResult {
    double de = 0, ae = 0;            // thread (mm, mm2)
    double ftb = 0, fvb = 0, fcb = 0; // strengths (N/mm2)
    int p = 0;                        // pretension (kN)
    double k = 1;                     // hole-type factor (GB50017-2017)
    double ntb = 0, nvb = 0, ncb = 0; // capacities (kN)
    std::optional<std::string> text;  // the capacity box; absent when refused
    std::vector<Notice> notices;
};

BoltCapacityResult ComputeBoltCapacity(const BoltCapacityInput& input);

// The slip factor is only a sound number between these bounds.
inline constexpr const char* kSlipFactorAdvice = "摩擦系数不是很合理吧";
// The advice shown when the μ box loses focus with a value outside 0 to 1; empty otherwise.
std::optional<Notice> SlipFactorAdvice(double mu);

// The bolt-group job.
inline constexpr int kLoadTorque = 0;   // "扭矩M + 剪力V + 轴力N"
inline constexpr int kLoadBending = 1;  // "弯矩M + 剪力V "
inline constexpr int kLoadBendingN = 2; // "弯矩M + 轴拉力N": not offered as a computation
inline constexpr const char* kLoadCaseNotBuilt = "抱歉，还没来得及做";

std::vector<std::string> LoadCaseEntries();
std::vector<std::string> RowEntries();                // "2" ... "10"
std::vector<std::string> ColumnEntries(int loadCase); // "1" ... "6" (case 0), "2" (case 1)
std::vector<std::string> PitchEntries();              // "40" ... "160"
// "扭矩  M (kN*m):" for load case 0, "弯矩  M (kN*m):" for the others.
std::string MomentLabel(int loadCase);

struct BoltGroupInput {
    int loadCase = kLoadTorque;
    int kind = kOrdinaryBolt; // load case 1: friction-type groups turn about their centroid
    double v = 140;           // kN
    double n = 0;             // kN
    double m = 35;            // kN*m
    int rows = 2;
    int cols = 1;
    double rowPitch = 40; // mm
    double colPitch = 40; // mm
};

struct BoltGroupResult {
    double nMax = 0;                   // kN
    std::optional<std::string> report; // empty for load case 2; absent when refused
    std::vector<Notice> notices;
};

BoltGroupResult ComputeBoltGroup(const BoltGroupInput& input);

} // namespace ferrolab
