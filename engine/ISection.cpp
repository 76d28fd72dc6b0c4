#include "engine/ISection.h"

namespace ferrolab {

void CalcISectionProps(double b1, double t1, double hw, double tw, double b2, double t2, double* Ix,
                       double* Iy, double* yb, double* S) {
    const double a1 = b1 * t1;
    const double a2 = b2 * t2;
    const double aw = hw * tw;
    const double a = a1 + a2 + aw;

    const double y = (a2 * t2 / 2 + aw * (t2 + hw / 2) + a1 * (t2 + hw + t1 / 2)) / a;

    // Distances from the centroidal axis to the centroid of each plate.
    const double d1 = (t1 + hw + t2) - y - t1 / 2;
    const double dw = t2 + hw / 2 - y;
    const double d2 = y - t2 / 2;

    *Ix = b1 * t1 * t1 * t1 / 12 + a1 * d1 * d1 + tw * hw * hw * hw / 12 + aw * dw * dw +
          b2 * t2 * t2 * t2 / 12 + a2 * d2 * d2;
    *Iy = (t1 * b1 * b1 * b1 + t2 * b2 * b2 * b2 + hw * tw * tw * tw) / 12;
    *yb = y;
    *S = a2 * (y - t2 / 2) + tw * (y - t2) * (y - t2) / 2;
}

} // namespace ferrolab
