#pragma once
// Column base plates on a concrete foundation: the design compressive strength of the concrete
// and the bending-moment coefficients of the plate panels.
//
// A base plate is divided by the column and the shoe plates into panels, each loaded by the
// uniform bearing pressure q from below. The largest moment per unit width of a panel is
// M = coefficient · q · a², a the governing side (GB50017-2003 clause 8.4.12):
//   α  panel supported on four edges, by the ratio of the long to the short side;
//   β  panel supported on three edges with the fourth free, by the ratio of the supported side
//      perpendicular to the free edge to the free edge.
// The coefficients are kept in single precision as they were tabulated (0.0479 is held as
// 0.0478999987...), and interpolated linearly between the tabulated ratios.

namespace ferrolab {

// Design compressive strength fc (N/mm2) of concrete of the grade C<grade>, GB50010-2002 table
// 4.1.4 as used for the bearing under base plates: C10 5.0, C15 7.5, C20 10.0, C25 12.5,
// C30 15.0, C35 17.5, C40 19.5, C45 21.5, C50 23.5, C55 25.0, C60 26.5. Returns 0 for a grade
// the table does not hold, so that callers can refuse it.
double GetConcreteFc(int grade);

// α of a panel supported on four edges for the side ratio r = long side / short side (r >= 1):
// the tabulated value at r = 1.0, 1.1, ... 2.0, 2.5, 3.0, 4.0, linear in between, 0.125 from
// r = 4 on. A ratio below 1 (or not a number) gives the square panel's value 0.0479.
double GetFourSidePlateAlpha(double r);

// β of a panel supported on three edges for the ratio r = supported side / free edge: 0.5 below
// r = 0.299 (the panel acts as a cantilever), the r = 0.30 value from 0.299 to 0.30, the
// tabulated values at r = 0.30, 0.35, ... 1.00, 1.1, 1.2, 1.3, 1.4 interpolated linearly, and
// 0.125 from r = 1.4 on. A ratio that is not a number gives 0.5.
double GetThreeSidePlateBeta(double r);

} // namespace ferrolab
