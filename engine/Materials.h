#pragma once
// Material design values: structural steel and welds to GB50017-2003 (strengths by grade and
// plate thickness), yield strengths by thickness, cold-formed steel and its welds to
// GB50018-2002 (tables 4.2.1 and 4.2.4), anchor bolts, resistance spot welds (GB50018-2002
// table 4.2.6) and the largest width-thickness ratios of compressed plates of cold-formed members.
//
// Units: thicknesses in mm, strengths in N/mm2, spot-weld capacities in kN.
//
// A steel grade is the number in its name (235 for Q235, ...). The functions never read outside
// their tables: a grade that is not tabulated, a thickness that is not a number, an index past
// the end of a list each give the "not found" answer documented at the function.

#include <span>
#include <string>
#include <string_view>

namespace ferrolab {

// The design codes whose tables the engine holds: code 0 is GB50017, code 1 GB50018-2002 (cold-
// formed steel), wherever a code is passed.
enum DesignCode : int {
    kCodeGB50017 = 0,
    kCodeGB50018 = 1,
};

// 235 (Q235), 345 (Q345), 390 (Q390), 420 (Q420).
using SteelGrade = int;

inline constexpr SteelGrade kQ235 = 235;
inline constexpr SteelGrade kQ345 = 345;
inline constexpr SteelGrade kQ390 = 390;
inline constexpr SteelGrade kQ420 = 420;

// The grade a list entry names: "Q345" gives 345; anything but "Q" and digits gives 0.
SteelGrade GradeOfEntry(std::string_view entry);
// The list entry of a grade, the way the tables name it: 345 gives "Q345".
std::string GradeName(SteelGrade grade);

// Thickness band of GB50017-2003 table 3.4.1-1: 1 to 4, the first band whose upper bound t does
// not exceed. Q235 bands end at 16, 40, 60 and 100 mm, the other grades at 16, 35, 50 and
// 100 mm. A value typed as exactly a bound belongs to the lower band: t counts as above 16 only
// from 16.0000001, and above 35, 40, 50, 60 or 100 only from that bound plus 0.000001.
// Thicknesses below zero fall in band 1. Returns 0 for an unknown grade, a thickness that is not
// a number, and plates above 100 mm, which the table does not cover.
int GetThicknessBand(SteelGrade grade, double t);

// The labels of the four bands of a grade, as the design-values dialog lists them
// ("<=16", ">16-40", ">40-60", ">60-100" for Q235; "<=16", ">16-35", ">35-50", ">50-100" for
// the others). Empty for an unknown grade.
std::span<const char* const> ThicknessBandLabels(SteelGrade grade);

// GB50017-2003 table 3.4.1-1: f (tension, compression, bending), fv (shear) and fce (end bearing,
// milled and tight-fitted; independent of thickness). Returns true when all three were written.
// Unknown grade or t not a number: nothing is written, false.
// Above 100 mm the table gives no f and fv: fce is written, f and fv are set to 0 (a strength of
// 0 can never pass a check, unlike a value left over in the caller's variable) and the result is
// false.
bool GetSteelStrength(SteelGrade grade, double t, double& f, double& fv, double& fce);

// GB50017-2003 table 3.4.1-3 for butt and fillet welds of the grade's steel: fcw (butt weld in
// compression, = f), ftw (butt weld in tension: = f for quality grades 1 and 2, the grade-3 value
// for any other quality), fvw (butt weld in shear, = fv) and ffw (fillet weld, independent of
// thickness). Returns true when all four were written.
// Unknown grade or t not a number: nothing is written, false.
// Above 100 mm: ffw is written, fcw, ftw and fvw are set to 0, false.
bool GetWeldStrength(SteelGrade grade, double t, int quality, double& fcw, double& ftw, double& fvw,
                     double& ffw);

// Yield strength fy of the plate (N/mm2), by grade and thickness, each bound inclusive:
//   Q235  235 (t <= 16), 225 (<= 40), 215 (<= 60), 205 (<= 100), 195 (<= 150), 185 above;
//   Q345  345 (<= 16), 325 (<= 35), 295 (<= 50), 275 (<= 100);
//   Q390  390, 370, 350, 330;  Q420  420, 400, 380, 360 (same bounds as Q345).
// Above 100 mm Q345, Q390 and Q420 keep the value of the 50-100 band: thicker plates are not
// covered, and their yield strength is not higher than that. fy enters the normalised slenderness
// and the width-thickness ratios, where a higher fy is the safe side; never use it as a
// resistance of plates above 100 mm.
// Returns 0 for an unknown grade or a thickness that is not a number.
int GetYieldStrength(SteelGrade grade, double t);

// Tensile design strength ftb of anchor bolts: 140 (Q235), 180 (Q345); 0.1 for any other grade.
double GetAnchorBoltStrength(SteelGrade grade);

// GB50018-2002 table 4.2.1, cold-formed steel (no thickness dependence): f, fv, fce. Q235 and
// Q345 only; another grade writes nothing and returns false.
bool GetCFSteelStrength(SteelGrade grade, double& f, double& fv, double& fce);

// GB50018-2002 table 4.2.4, welds of cold-formed steel: fcw, ftw, fvw (butt welds), ffw (fillet
// welds). Q235 and Q345 only; another grade writes nothing and returns false.
bool GetCFWeldStrength(SteelGrade grade, double& fcw, double& ftw, double& fvw, double& ffw);

// GB50018-2002 table 4.2.6: shear capacity Nvs (kN) of one resistance spot weld by the thickness
// of the thinner outer plate of the welded plies. Held in single precision, shown with "%.2f".
struct SpotWeldRow {
    const char* plate; // the thickness as the dialog lists it, "0.4" ... "3.5"
    double thickness;  // mm
    float nvs;         // kN
};

// The nine rows, thinnest plate first.
std::span<const SpotWeldRow> SpotWeldTable();

// Nvs for a plate thickness of the table (exact match, mm); 0 for any other thickness.
float GetSpotWeldShearCapacity(double thinnerPlate);

// Largest width-thickness ratio of compressed plates of cold-formed members (GB50018-2002),
// and the largest ratio of outer diameter to wall thickness of round tubes. Categories, in list
// order: 0 "非加劲板件" (unstiffened), 1 "部分加劲板件" (partially stiffened), 2 "加劲板件"
// (stiffened), 3 "圆管外径与壁厚之比" (tube D/t).
std::span<const char* const> PlateCategoryNames();

// Q235: 45, 60, 250, 100; Q345: 35, 50, 200, 68. Returns 0 for another grade or a category
// outside 0 to 3.
double GetPlateWidthThicknessLimit(SteelGrade grade, int category);

} // namespace ferrolab
