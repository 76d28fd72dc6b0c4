#pragma once
// Stability coefficient φ of axially compressed members: the section class of GB50017-2003
// table 5.1.2, φ from the closed formulae of GB50017-2003 appendix C, and the cold-formed tables
// of GB50018-2002 appendix A (A.1.1-1 for Q235, A.1.1-2 for Q345).
//
// Class d: GetSectionClass gives it to thick sections (t >= 40 mm), and GetAxialPhi answers it
// with the class d coefficients of GB50017-2003 appendix C: α1 = 1.35; α2 = 0.868, α3 = 0.915
// for λn <= 1.05 and α2 = 1.375, α3 = 0.432 above. A thick member is therefore checked on the
// lowest curve of the code rather than refused or put on a curve that overrates it.

#include <span>

#include "engine/Materials.h"

namespace ferrolab {

// Section type codes of the classification.
inline constexpr int kSectionTypePlain = 0;    // class a, or b when welded; below 40 mm only
inline constexpr int kSectionTypeRolledI = 11; // rolled I or H section (11 to 13)
inline constexpr int kSectionTypeWeldedI = 21; // welded I section (21 to 23)

// Section class for axial compression: 'a' to 'd', or 'n' when the section is not covered.
//   type  0, 11-13 (rolled I/H) or 21-23 (welded I); any other type gives 'n'.
//   b, h  flange width and section depth, same unit (rolled sections compare b/h with 0.8).
//   t     governing plate thickness, mm; below 40 mm the thin-plate rules apply, from 40 mm the
//         thick-plate rules (rolled sections from 80 mm take c about x, d about y).
//   axis  'x' or 'y', the buckling axis; any other character gives 'n'.
//   welded    1 for a welded section (type 0 only: class b instead of a).
//   flameCut  non-zero when the flange edges of a welded I section are flame-cut (class b).
// A thickness that is not a number gives 'n'.
char GetSectionClass(int type, double b, double h, double t, char axis, int welded, int flameCut);

// Normalised slenderness λn = (λ / π) · sqrt(fy / E), E = 206000 N/mm2, π in single precision.
// Meaningful for fy > 0 only (a negative fy gives NaN); GetAxialPhi refuses fy <= 0.
double NormalisedSlenderness(double lambda, int fy);

// φ of GB50017-2003 appendix C for the normalised slenderness λn and the class ('a' to 'd'):
// 1 − α1·λn² up to λn = 0.215 inclusive, the Perry formula above it. Returns 0 (no coefficient)
// for another class character, a negative λn or one that is not a finite number.
double GetAxialPhiNormalised(double lambdaN, char sectionClass);

// φ for the slenderness λ, the class ('a' to 'd') and the yield strength fy (N/mm2, as
// GetYieldStrength gives it). λ = 0 gives 1 for every class. Returns 0 (no coefficient) for a
// class other than 'a' to 'd', a negative or non-finite λ, or fy <= 0.
double GetAxialPhi(double lambda, char sectionClass, int fy);

// The GB50018-2002 appendix A table of the grade: φ at the integer slenderness 0 to 250, in
// single precision, followed by zeros up to index 259 (260 entries). Empty for a grade other than
// Q235 and Q345.
std::span<const float> ColdFormedPhiTable(SteelGrade grade);

// Cold-formed φ at the slenderness λ, interpolated between the table entries at λ0 = floor(λ)
// and λ0 + 1 (InterpolateRatio with r = (λ − λ0) / (λ0 + 1 − λ)); an integer λ gives the table
// entry. Callers refuse λ <= 0 and λ >= 250 themselves; the function answers 0 <= λ <= 250 and
// returns 0 (no coefficient) for λ outside that range, λ not a number or a grade other than
// Q235 and Q345.
double GetColdFormedPhi(double lambda, SteelGrade grade);

} // namespace ferrolab
