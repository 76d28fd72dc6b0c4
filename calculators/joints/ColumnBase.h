#pragma once
// "柱脚设计": the base plate of a steel column on a concrete foundation.
//
// Pinned base ("轴心受压铰接"): two channels, toes inward, stand between two shoe plates (ts
// thick) on the plate. The plate is B wide across the shoe plates (B = a1 + 2·ts + 2·c, a1 the
// channel depth, c the plate's outstand beyond the shoe plates) and L long along them
// (L = l1 + 2·b1, l1 over the outer faces of the channel webs, b1 the projection beyond them).
// Its net area must carry N at the concrete's fc; the thickness follows from the largest
// moment of the three panels: between the webs and the shoe plates (four edges supported),
// beyond the channel webs (three edges), and the outstand beyond the shoe plates (cantilever),
// with f = 200 N/mm2.
//
// Fixed base ("刚接柱脚"): a rolled H column under N and a moment M along the shoe plates,
// a1 the flange width, L = H + 2·(a0 + b1) with a0 the plate end to the anchor bolts. The
// bearing stress is linear: with the whole plate in compression σmax is compared with fc;
// otherwise the anchor bolts on the lifting side take the tension, and their total effective
// area follows from moments about the resultant of the compressed zone.
//
// To GB50017-2017 the concrete's fc comes from GB50010-2010 table 4.1.4 (C15 to C60 here), the
// anchor bolts' strength from table 4.4.6 (Q390 added), and the pinned base plate's f from table
// 4.4.1 for the plate's grade and the thickness found: the thickness is found with the thinnest
// band's f, and found again with the f of the band the plate thickness tp falls in until the two
// agree (f falls as the plate thickens, so this settles within the grade's bands).
//
// Units: lengths mm, N kN, M kN·m, stresses N/mm2, areas mm2.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kColumnBaseCaption = "柱脚设计";

inline constexpr int kPinnedBase = 0; // "轴心受压铰接"
inline constexpr int kFixedBase = 1;  // "刚接柱脚"

// "轴心受压铰接", "刚接柱脚".
std::vector<std::string> BaseTypeEntries();
// The column forms of a base type: "两内扣槽钢" (pinned); "HW型钢", "HM型钢", "HN型钢" (fixed).
std::vector<std::string> ColumnFormEntries(int baseType);
// The sections of a column form: the 30 rolled channels, or the HW, HM or HN series.
std::vector<std::string> ColumnFormSections(const std::string& form);

// A column section as the base needs it.
struct ColumnSection {
    bool channel = false;
    double a1 = 0;          // across the shoe plates: channel depth h, or H flange width b
    double h = 0;           // depth
    std::string properties; // the text of the properties box
};

// The "腹板外壁相距l1:" list: "290.00" ... "900.00".
std::vector<std::string> WebDistanceEntries();
// The lists of the 2017 edition: "混凝土等级:" C15 ... C60, "锚拴钢号:" Q235, Q345, Q390. The 2003
// lists are C15 ... C35 and Q235, Q345.
std::vector<std::string> ConcreteEntries(int edition);
std::vector<std::string> AnchorGradeEntries(int edition);
// The "锚拴直径:" list: "12.00" ... "100.00", the anchor bolts with a tabulated thread.
std::vector<std::string> AnchorDiameterEntries();

// Looks the section up by its name: "HW", "HM" or "HN" as rolled H, "槽" as a rolled channel.
// Nothing for a name of neither kind or one the catalogue does not hold.
std::optional<ColumnSection> LookUpColumnSection(const std::string& name);

// B = a1 + 2·ts + 2·c.
double PlateWidth(double a1, double ts, double c);
// Pinned base: L = l1 + 2·b1; fixed base: L = H + 2·(a0 + b1).
double PlateLength(int baseType, double l1, double b1, double h, double a0);

// The anchor-bolt diameter of a "锚拴直径:" entry: the integer part of its number ("20.00": 20).
int AnchorDiameterOf(const std::string& entry);
// The "c:" entry an anchor-bolt pick inserts: 3·d, as "%.2i" ("60" for M20).
std::string AnchorOutstandText(int d);
// The hole area an anchor-bolt pick inserts, mm2: 4.8·d² + 10·trunc(0.31415926·d²).
double AnchorHoleArea(int d);
// The text the pinned base writes into "厚度tp:": the integer part of t + 1, at least two digits
// (14.30 and 14.00 both give "15").
std::string PlateThicknessText(double t);

// A box's text as a report prints it: as typed ("4500abc" stays), except that a text spelling
// "inf" or "nan" in any case is printed as the number it reads as ("0.00"), so that no report
// shows those words.
std::string ReportedFieldText(const std::string& text);

enum class StressCase {
    None,               // pinned base, or not computed
    FullCompression,    // fixed base, σmin > 0.00001
    PartialCompression, // fixed base, part of the plate lifts: anchors in tension
};

struct ColumnBaseInput {
    int baseType = kPinnedBase;
    std::string section = "槽18b";
    double n = 60;   // axial force (compression), kN
    double m = 200;  // moment along the shoe plates (fixed base), kN·m
    double l1 = 290; // outer faces of the channel webs (pinned base)
    double b1 = 105;
    double c = 30;
    double a0 = 30; // plate end to the anchor bolts (fixed base)
    double ts = 8;
    // The read-only plate fields and the hole-area box, as their texts show them.
    std::string bText;
    std::string lText;
    std::string holesText = "4500.00";
    std::string concrete = "C15";     // "C15" ... "C35"
    std::string anchorGrade = "Q235"; // "Q235", "Q345"
    std::string anchorD = "12.00";    // the "锚拴直径:" entry
    std::string plateGrade = "Q235";  // "钢材钢号:" (the plate's f, 2017 edition)
    int edition = kSteel2003;
};

struct ColumnBaseResult {
    StressCase stressCase = StressCase::None;
    double fc = 0;
    // Pinned base.
    double areq = 0, anet = 0, q = 0;
    // β is 0 when b1/a1 < 0.3: the panel beyond the webs is then a cantilever of length b1.
    double r1 = 0, alpha = 0, m1 = 0, r2 = 0, beta = 0, m2 = 0, m3 = 0, mmax = 0, t = 0;
    double plateF = 0;                    // the plate's f: 200, or table 4.4.1 for tp (2017)
    std::optional<std::string> thickness; // new text of "厚度tp:", when a thickness was found
    // Fixed base.
    double sigmaN = 0, sigmaM = 0, sigmaMax = 0, sigmaMin = 0;
    double lc = 0, x = 0, ftb = 0, ae = 0, ae1 = 0;
    std::optional<std::string> report; // absent when nothing was computed
    std::vector<Notice> notices;
    // With the report: the pinned base's required area against the net plate area, or the fixed
    // base's σmax against fc when the whole plate bears. The anchor area stands alone.
    std::vector<Check> checks;
};

ColumnBaseResult ComputeColumnBase(const ColumnBaseInput& in);

} // namespace ferrolab
