#pragma once
// Overall (lateral-torsional) stability coefficient φb of simply supported beams, GB50017-2003
// appendix B: the tabulated φb of rolled I-beams (table B.2) and the inelastic correction that
// every φb above 0.6 takes (formula B.1-2).

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

} // namespace ferrolab
