#pragma once
// Material design values of GB50017-2017 (and the concrete of GB50010-2010 that a column base
// bears on). The 2003 tables stay in Materials.h; a calculator reads these when the 2017 edition
// is chosen.
//
// Grades are named as the tables name them: "Q235", "Q345", "Q390", "Q420", "Q460", "Q345GJ".
// A thickness band holds t_min < t <= t_max (mm), the thickness of the plate at the point
// checked (for axial members the thickest plate of the section). Units: N/mm2, kN for P.

#include <optional>
#include <span>
#include <string_view>

namespace ferrolab {

// Table 4.4.1 (Q235 ... Q460) and table 4.4.2 (Q345GJ): f (tension, compression, bending), fv
// (shear), fce (end bearing), fy (yield), fu (tensile strength).
struct Steel2017 {
    double f = 0;
    double fv = 0;
    double fce = 0;
    double fy = 0;
    double fu = 0;
};
// Nothing for an unknown grade, a thickness that is not a number, a plate above 100 mm, and
// Q345GJ up to 16 mm (table 4.4.2 prints no band there).
std::optional<Steel2017> GetSteelStrength2017(std::string_view grade, double t);

// The grades of table 4.4.1 and 4.4.2, in table order.
std::span<const char* const> SteelGrades2017();
// The thickness bands of a grade as labels ("<=16", ">16-40", ...), in table order; empty for an
// unknown grade.
std::span<const char* const> ThicknessBandLabels2017(std::string_view grade);

// Table 4.4.5: the electrodes matched to a grade's steel ("E43" for Q235; "E50", "E55" for Q345,
// Q390 and Q345GJ; "E55", "E60" for Q420 and Q460), the first the usual one.
std::span<const char* const> Electrodes2017(std::string_view grade);
// Table 4.4.5 for butt and fillet welds of the grade's steel with the electrode: fcw, ftw (quality
// 1 or 2: ftw12; quality 3: ftw3), fvw, ffw (fillet welds, by electrode only), fuw and fuf (weld
// tensile strengths, new in 2017). Nothing for a grade, electrode or thickness the table does not
// hold.
struct Weld2017 {
    double fcw = 0;
    double ftw12 = 0;
    double ftw3 = 0;
    double fvw = 0;
    double ffw = 0;
    double fuw = 0;
    double fuf = 0;
};
std::optional<Weld2017> GetWeldStrength2017(std::string_view grade, std::string_view electrode,
                                            double t);

// Table 4.4.6. Ordinary bolts by class ("4.6/4.8" grade C, "5.6" and "8.8" grades A/B) and
// high-strength bearing-type bolts ("8.8", "10.9"): ftb, fvb. Nothing for another class.
struct BoltStrength2017 {
    double ftb = 0;
    double fvb = 0;
};
std::optional<BoltStrength2017> GetOrdinaryBoltStrength2017(std::string_view boltClass);
std::optional<BoltStrength2017> GetBearingTypeBoltStrength2017(std::string_view boltClass);
// Bearing strength fcb of the connected plate's steel: grade C ordinary bolts, grades A/B, and
// high-strength bearing-type bolts. 0 for an unknown grade.
double GetBearingStrength2017(std::string_view grade, char boltKind /* 'C', 'A', 'H' */);
// Anchor bolts: fta of Q235 140, Q345 180, Q390 185; 0 for another grade.
double GetAnchorBoltStrength2017(std::string_view grade);

// Table 11.4.2-1: the slip coefficient μ of the faying surfaces, by treatment (0: 喷硬质石英砂或
// 铸钢棱角砂, 1: 抛丸(喷砂), 2: 钢丝刷清除浮锈或未经处理的干净轧制面) and grade. Nothing where the
// table forbids the treatment (the wire brush on Q420 and Q460) or does not hold the grade.
std::span<const char* const> FayingSurfaces2017();
std::optional<double> GetSlipFactor2017(int surface, std::string_view grade);

// Table 11.4.2-2: the pretension P (kN) of one high-strength bolt, class 8.8 or 10.9, M16 to M30;
// 0 for another size or class (the same values as the 2003 table).
int GetBoltPretension2017(std::string_view boltClass, int d);

// Hole-type factor k of 11.4.2: 标准孔 1.0, 大圆孔 0.85, 槽孔(内力与槽孔长向垂直) 0.7,
// 槽孔(内力与槽孔长向平行) 0.6, in that order; nothing past the list.
std::span<const char* const> HoleTypes2017();
std::optional<double> GetHoleTypeFactor2017(int holeType);

// GB50010-2010 table 4.1.4-1: the design compressive strength fc of concrete, C15 to C80.
// Nothing for another grade.
std::optional<double> GetConcreteStrength2010(std::string_view grade);

} // namespace ferrolab
