#pragma once
// "双轴对称工字形等截面悬臂梁整体稳定验算": overall (lateral-torsional) stability of a doubly
// symmetric I cantilever of constant section, a rolled H from the catalogue or a welded I of two
// equal flanges, to GB50017-2003 appendix B.4: βb of table B.4 by load case and ξ, φb of formula
// B.1-1 with ηb = 0, φ'b of formula B.1-2 above 0.6, and the stability stress Mx/(φb·Wx) of
// clause 4.2.2 checked against f of the grade. Table B.4 covers 0.60 <= ξ <= 3.10 only: any
// other ξ is refused, since the code gives no βb there and extrapolating either end of the table
// is not safe for every load case.
// To GB50017-2017 the same check is appendix C.0.4: βb of table C.0.4 (the same values), φb of
// formula C.0.1-1 with εk² = 235/fy, φ'b of C.0.1-7, the stress of clause 6.2.2 against f of
// table 4.4.1.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kCantileverBeamCaption = "双轴对称工字形等截面悬臂梁整体稳定验算";

// The load cases of table B.4 (radio captions, case 1 first).
const std::vector<const char*>& CantileverLoadCaseCaptions();

struct CantileverBeamInput {
    std::string series = "马钢宽翼缘HW系列"; // an entry of BeamSeriesEntries()
    std::string name = "HW100x100";          // catalogue name (rolled H series only)
    // The welded I (series "焊接工字钢"), mm: two flanges B x t, the web's clear height hw and its
    // thickness tw.
    double b = 200, t = 16, hw = 368, tw = 8;
    double l1 = 1;    // overhang, m
    int loadCase = 1; // 1 to 3, table B.4
    int fy = 235;     // the grade's number, N/mm2
    double mx = 10;   // moment at the support, kN*m, a magnitude
    int edition = kSteel2003;
};

struct CantileverBeamResult {
    // Section values (mm, mm2, mm3), as the formulas use them.
    double h = 0, b1 = 0, t1 = 0, a = 0, iy = 0, wx = 0;
    double xi = 0, betaB = 0, lambdaY = 0;
    double phiB = 0;        // formula B.1-1
    bool inelastic = false; // φb > 0.6: φ'b of formula B.1-2 replaces φb
    double phi = 0;         // the φb of the stability stress (φ'b when inelastic)
    double sigma = 0;       // Mx/(φb·Wx), N/mm2
    double f = 0;           // f of the grade for the flange thickness (2017: table 4.4.1)
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
    std::vector<Check> checks; // the stability stress against f
};

CantileverBeamResult ComputeCantileverBeam(const CantileverBeamInput& input);

} // namespace ferrolab
