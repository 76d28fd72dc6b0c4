#pragma once
// Section properties of the hot-rolled shapes from their rolled dimensions: the computation behind
// the H, I-beam and equal-angle tables, the area rule of the channel table and the rolled channel
// shape its moments follow, and the rounding the tables print. Internal to the catalogue (never
// exported from Profilux); the table tests link it to recompute every tabulated row from its
// dimensions.
//
// Inputs are in mm. Results are in the units the tables print: areas cm2, mass kg/m, second
// moments cm4, radii of gyration cm, section moduli cm3, distances cm.

#include <span>

#include "sections/tables/SectionTable.h"

namespace profilux {

// ---- Plane regions bounded by straight edges and tangent arcs ----

// One corner of a closed outline traced counter-clockwise. A radius above zero rounds the corner
// with an arc tangent to both edges: at a convex corner (flange tip, angle toe) that removes
// material, at a re-entrant corner (root fillet) it adds material. The radius must fit on both
// edges.
struct OutlineCorner {
    double x;
    double y;
    double radius;
};

// Area, centroid and second moments about the centroidal axes parallel to x and y (same length
// unit as the outline, to the powers 2, 1 and 4). ixy is the product of inertia.
struct PlaneRegion {
    double area;
    double xc;
    double yc;
    double ixx;
    double iyy;
    double ixy;
};

PlaneRegion OutlineRegion(std::span<const OutlineCorner> corners);

// ---- Tabulated precision ----

struct Rounding {
    int digits;
    bool significant; // true: significant figures; false: decimal places
};
constexpr Rounding Decimals(int n) {
    return {n, false};
}
constexpr Rounding Significant(int n) {
    return {n, true};
}

// The value as the table prints it (half away from zero).
double RoundTabulated(double value, Rounding rounding);
// Half a unit in the last printed place of a tabulated value: how far the exact value may lie
// from what the table prints.
double HalfUnit(double tabulated, Rounding rounding);

// Mass of a steel bar per metre from its area in cm2 (density 7850 kg/m3).
constexpr double MassPerMetre(double areaCm2) {
    return 0.785 * areaCm2;
}

// ---- Rolled H (GB/T 11263): two flanges, a web and four root fillets of radius r ----

struct RolledHDims {
    double h;  // depth
    double b;  // flange width
    double tw; // web thickness t1
    double tf; // flange thickness t2
    double r;  // root radius
};

struct RolledHProps {
    double area; // = 2*b*tf + (h - 2*tf)*tw + (4 - pi)*r^2
    double ix;   // about the axis parallel to the flanges
    double iy;
    double rx;
    double ry;
    double wx; // ix / (h/2)
    double wy; // iy / (b/2)
};

RolledHProps ComputeRolledH(const RolledHDims& dims);

// ---- Rolled I-beam (GB 706): flanges with inner faces sloped 1:6, thickness t measured at
// (b - tw)/4 from the flange tip, root radius r, tip radius r1 ----

struct IBeamDims {
    double h;
    double b;
    double tw;
    double t;
    double r;
    double r1;
};

struct IBeamProps {
    double area;
    double ix;
    double wx; // ix / (h/2)
    double rx;
    double iy;
    double wy; // iy / (b/2)
    double ry;
};

IBeamProps ComputeIBeam(const IBeamDims& dims);

// ---- Rolled channel (GB 707): the area as the standard tabulates it, h*tw + 2*t*(b - tw)
// + 0.349*(r^2 - r1^2), an approximation of the 1:10 sloped-flange shape (cm2) ----

double ChannelTabulatedArea(double h, double b, double tw, double t, double r, double r1);

// ---- Rolled channel (GB 707) as rolled: flange inner faces sloped 1:10 with t the thickness
// halfway along the outstand, (b - tw)/2 from the toe, root radius r, toe radius r1, the back of
// the web and the outer flange faces square ----

struct ChannelDims {
    double h;
    double b;
    double tw;
    double t;
    double r;
    double r1;
};

struct ChannelProps {
    double area;
    double ix;
    double wx; // ix / (h/2)
    double rx;
    double iy; // about the centroidal axis parallel to the web
    double wy; // iy / (b - z0): to the flange toes
    double ry;
    double z0; // centroid to the back of the web
};

ChannelProps ComputeChannel(const ChannelDims& dims);

// ---- Equal-leg angle (GB 9787): legs b x d, root radius r, toe radius r1 = d/3 ----

struct EqualAngleDims {
    double b;
    double d;
    double r;
};

struct EqualAngleProps {
    double area;
    double ix; // about an axis through the centroid parallel to a leg
    double rx;
    double wxTip;  // ix / (b - z0): the smaller modulus, to the leg tip
    double wxHeel; // ix / z0: the larger modulus, to the heel side
    double ix0;    // major principal axis
    double rx0;
    double wx0; // ix0 / (b / sqrt 2): to the outer corners of the leg tips
    double iy0; // minor principal axis
    double ry0;
    double wy0Heel; // iy0 / (sqrt 2 * z0): to the heel corner
    double wy0Toe;  // iy0 over the distance to the farthest point of the rounded toes
    double ix1;     // about the outer face of a leg
    double z0;      // centroid to the outer face of a leg
};

EqualAngleProps ComputeEqualAngle(const EqualAngleDims& dims);

} // namespace profilux
