#pragma once
// π, in the values the formulas are written with. The worked numbers of the bolt tables and the
// axial stability coefficient depend on them, so each formula takes the one it is written with:
// - kPi7, the seven-decimal 3.1415927: thread areas Ae = π·de²/4 and bolt shear capacities;
// - kPiSingle, the single-precision value of 3.1415927 (3.14159274101257...): the normalised
//   slenderness λn = (λ/π)·sqrt(fy/E) of the axial stability coefficient;
// - std::numbers::pi for every formula written with no value of its own.

#include <numbers>

namespace ferrolab {

inline constexpr double kPi7 = 3.1415927;
inline constexpr double kPiSingle = static_cast<double>(3.1415927f);

} // namespace ferrolab
