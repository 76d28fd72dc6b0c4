#pragma once
// Exact properties of a three-plate (welded) I section: flange 1 (b1 x t1) on top, a web
// (hw x tw, hw the clear height between the flanges) and flange 2 (b2 x t2) at the bottom, the web
// centred on both flanges. Any one consistent length unit; callers pass mm.
//
// Outputs:
//   Ix  second moment of area about the horizontal centroidal axis (unit^4): each plate about
//       its own centroid plus its parallel-axis term;
//   Iy  second moment of area about the vertical axis of symmetry (unit^4);
//   yb  distance from the outer face of flange 2 to the centroid (unit);
//   S   first moment about the centroidal axis of the part between that axis and the outer face
//       of flange 2 (flange 2 plus the web below the axis), for the shear stress at the axis
//       (unit^3).
// No validation: callers refuse dimensions that are not positive before calling.

namespace ferrolab {

void CalcISectionProps(double b1, double t1, double hw, double tw, double b2, double t2, double* Ix,
                       double* Iy, double* yb, double* S);

} // namespace ferrolab
