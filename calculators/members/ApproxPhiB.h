#pragma once
// "稳定系数的近似计算": the approximate overall stability coefficient φb of uniformly bent members
// of GB50017-2003 appendix B.5 (formulas B.5-1 to B.5-5), valid for λy <= 120·sqrt(235/fy).
// λy is typed, or formed from the lateral support spacing l1 and a section: a rolled H of the
// catalogue (for the T types: the T split from it, whose iy is that of the H) or a welded
// section of plates (an I of flanges B1 x t1 above, B2 x t2 below; a T of the flange B1 x t1
// and the stem hw x tw). The singly symmetric I always takes Wx, A, h and αb from the welded
// plates. φb of B.5-1 and B.5-2 is capped at 1.0 and none is converted to φ'b: the formulas
// already allow for inelastic buckling. The report gives the coefficient; it checks no stress.
// To GB50017-2017 the same formulas are appendix C.0.5 (C.0.5-1 to C.0.5-5), written with
// εk = sqrt(235/fy): λy <= 120·εk, fy/235 = 1/εk², and the T's stem b/t <= 18·εk.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kApproxPhiBCaption = "受弯构件整体稳定系数φb的近似计算";
inline constexpr const char* kWeldedPlatesSeries = "焊接截面";

// The section types, radio index 0 to 4, and the formula each takes (B.5-1 ... B.5-5).
enum class ApproxSection {
    DoublySymmetricI = 0, // B.5-1
    SinglySymmetricI,     // B.5-2
    DoubleAngleT,         // B.5-3, flange in compression
    SplitOrPlateT,        // B.5-4, flange in compression
    TFlangeInTension,     // B.5-5
};
const std::vector<const char*>& ApproxSectionCaptions();
// The series list: the three rolled H series, then "焊接截面".
std::vector<std::string> ApproxSeriesEntries();

struct ApproxPhiBInput {
    int section = 0;         // ApproxSection
    bool lambdaTyped = true; // λy typed (else formed from l1 and the section)
    double lambdaY = 70.3;   // typed λy
    double stemRatio = 15;   // typed b/t of the T's stem (B.5-5 with λy typed)
    double l1 = 6;           // lateral support spacing, m
    std::string series = "马钢宽翼缘HW系列";
    std::string name = "HW100x100";
    // Welded plates, mm: flange 1 B1 x t1 (the compression flange of an I, the flange of a T),
    // the stem or web hw x tw (clear height), flange 2 B2 x t2 (the I's tension flange).
    double b1 = 300, t1 = 14, hw = 574, tw = 8, b2 = 200, t2 = 12;
    int fy = 235; // the grade's number
    int edition = kSteel2003;
};

struct ApproxPhiBResult {
    double lambdaY = 0, limit = 0; // λy and 120·sqrt(235/fy)
    double phiB = 0;               // after the 1.0 cap of B.5-1 and B.5-2
    std::optional<std::string> report;
    std::vector<Notice> notices;
};

ApproxPhiBResult ComputeApproxPhiB(const ApproxPhiBInput& input);

} // namespace ferrolab
