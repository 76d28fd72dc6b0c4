#pragma once
// Overall (lateral-torsional) stability coefficient φb of beams, GB50017-2003 appendix B: the
// tabulated φb of rolled I-beams (table B.2), φb of formula B.1-1, βb of doubly symmetric I
// cantilevers (table B.4), the approximate φb of uniformly bent members (B.5), the inelastic
// correction that every φb above 0.6 takes (formula B.1-2), and the section values these formulas
// take from a catalogue H or a welded doubly symmetric I.

#include <string_view>

namespace ferrolab {

// φ'b = 1.07 - 0.282/φb, not more than 1.0: the coefficient that replaces an elastic φb above
// 0.6, where the beam buckles after its flanges have begun to yield. Callers apply it only when
// φb > 0.6.
double InelasticPhiB(double phiB);

// Load cases of table B.2 (the order of the rolled I-beam dialog's radio buttons).
inline constexpr int kIBeamPointLoadTopFlange = 0;
inline constexpr int kIBeamPointLoadBottomFlange = 1;
inline constexpr int kIBeamUniformLoadTopFlange = 2;
inline constexpr int kIBeamUniformLoadBottomFlange = 3;
inline constexpr int kIBeamMidSpanBracing = 4;

// Table B.2 covers free lengths 2 m <= l1 < 10 m and l1 = 10 m; the upper bound is taken as the
// single-precision value of 10.00001, so that 10 typed in any form is inside.
bool IsTabulatedFreeLength(double l1);

// φb of a Q235 rolled I-beam from table B.2: the load case (0 to 4, above), the beam number
// (height in cm, "I45a" is 45) and the free length l1 (m), interpolated linearly between the two
// neighbouring whole metres. The table holds its values in single precision (0.60 is a little
// above 0.6). Returns 0 when l1 is outside the table, when the case is not 0 to 4 and when the
// beam number lies in none of the case's three ranges of beam numbers.
double GetRolledIBeamPhiB(int loadCase, int beamNumber, double l1);

// Formula B.1-1: φb = βb·(4320/λy²)·(A·h/Wx)·[sqrt(1 + (λy·t1/(4.4·h))²) + ηb]·235/fy, with A in
// mm2, h and t1 (compression flange) in mm, Wx in mm3 at the compressed fibre and fy the grade's
// number. 4320·235 is taken as 1015200.
double ElasticPhiB(double betaB, double lambdaY, double a, double h, double wx, double t1,
                   double etaB, int fy);

// Table B.4: βb of a doubly symmetric I cantilever of constant section, by load case
// (kCantilever... below) and ξ = l1·t1/(b1·h), l1 the overhang. The table covers
// 0.60 <= ξ <= 3.10 in three ranges, [0.60, 1.24], (1.24, 1.96], (1.96, 3.10].
inline constexpr int kCantileverPointLoadTopFlange = 1;
inline constexpr int kCantileverPointLoadBottomFlange = 2;
inline constexpr int kCantileverUniformLoadTopFlange = 3;
inline constexpr double kCantileverXiMin = 0.60;
inline constexpr double kCantileverXiMax = 3.10;

struct CantileverBeta {
    int range = 0; // 1 to 3 for the ξ ranges above; 0: ξ outside the table or no such case
    double a = 0;  // βb = a + b·ξ
    double b = 0;
    double betaB = 0;
};

// ξ within 1e-9 of a range bound counts as on it, so that a ξ of 0.6 formed from rounded inputs
// is not refused.
CantileverBeta CantileverBetaB(int loadCase, double xi);

// The section values the formulas of appendix B take from a doubly symmetric I: depth h, flange
// b1 x t1, web tw (mm), A (mm2), iy (mm), Wx (mm3).
struct DoublySymmetricI {
    double h = 0, b1 = 0, t1 = 0, tw = 0;
    double a = 0, iy = 0, wx = 0;
};

// A rolled H of the catalogue, its values converted to mm (A = 100·A cm2, iy = 10·iy cm,
// Wx = 1000·Wx cm3); false when the name is not in the catalogue.
bool LoadDoublySymmetricI(std::string_view name, DoublySymmetricI& section);
// A welded I of two flanges b x t and a web hw x tw (hw the clear height), by CalcISectionProps.
// The dimensions must be positive.
DoublySymmetricI WeldedDoublySymmetricI(double b, double t, double hw, double tw);

} // namespace ferrolab
