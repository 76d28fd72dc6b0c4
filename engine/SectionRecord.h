#pragma once
// Catalogue sections as the calculators use them, and two small helpers shared by several
// calculators.
//
// A calculator constructs the record of the kind it needs on the stack and fills it with
// LoadSectionRecord, which asks the catalogue (Profilux) for the section of that name. The record
// always keeps the requested name. When the name is not in the catalogue the function returns
// false and every value of the record is 0: callers test the result before using the values.
//
// Units as the catalogue delivers them: plate dimensions and depths in mm, A in cm2, mass in
// kg/m, I in cm4, W in cm3, radii of gyration in cm (the rolled channel's ix and iy in mm),
// x0, e0 and z0 in cm, Iω in cm6, Wω in cm4, k in 1/cm, θ in degrees.

#include <string>
#include <string_view>

#include "engine/Notice.h"

namespace ferrolab {

class SectionRecord {
public:
    virtual ~SectionRecord() = default;

    std::string name; // empty until a look-up; the requested name afterwards
};

// Hot-rolled H (HW, HM, HN). The catalogue's order (H, B, t1, t2, r, A, mass, Ix, Iy, ix, iy,
// Wx, Wy) is rearranged into the order below.
class RolledHSection : public SectionRecord {
public:
    double h = 0, b = 0, tw = 0, tf = 0; // mm
    double A = 0, mass = 0;
    double ix = 0, iy = 0; // cm
    double Wx = 0, Wy = 0;
    double r = 0; // root radius, mm
    double Ix = 0, Iy = 0;
};

// Hot-rolled I-beam, in the catalogue's order.
class RolledISection : public SectionRecord {
public:
    double h = 0, b = 0, tw = 0, t = 0;
    double A = 0, mass = 0;
    double Ix = 0, Wx = 0, ix = 0;
    double Iy = 0, Wy = 0, iy = 0;
};

// Hot-rolled channel, in the catalogue's order; ix and iy in mm.
class RolledChannelSection : public SectionRecord {
public:
    double h = 0, b = 0, tw = 0, t = 0;
    double A = 0, mass = 0;
    double Ix = 0, Wx = 0, ix = 0;
    double Iy = 0, Wy = 0, iy = 0;
};

// Equal-leg angle, in the catalogue's order.
class EqualAngleSection : public SectionRecord {
public:
    double b = 0, t = 0, r = 0; // leg, thickness, root radius (mm)
    double A = 0, mass = 0;
    double Ix = 0, ix = 0;
    double WxMin = 0, WxMax = 0; // Ix over the distance to the leg tip; Ix / z0
    double Ix0 = 0, ix0 = 0, Wx0 = 0;
    double Iy0 = 0, iy0 = 0, Wy0 = 0, Wy0b = 0; // Wy0b: the second modulus about y0
    double Ix1 = 0;
    double z0 = 0; // cm
};

// Cold-formed plain channel, in the catalogue's order.
class CFChannelSection : public SectionRecord {
public:
    double h = 0, b = 0, t = 0;
    double A = 0, mass = 0, x0 = 0;
    double Ix = 0, ix = 0, Wx = 0;
    double Iy = 0, iy = 0, Wymax = 0, Wymin = 0;
    double Iy1 = 0, e0 = 0;
    double It = 0, Iw = 0, k = 0, Ww1 = 0, Ww2 = 0;
};

// Cold-formed lipped channel, in the catalogue's order (a: lip).
class CFLippedChannelSection : public SectionRecord {
public:
    double h = 0, b = 0, a = 0, t = 0;
    double A = 0, mass = 0, x0 = 0;
    double Ix = 0, ix = 0, Wx = 0;
    double Iy = 0, iy = 0, Wymax = 0, Wymin = 0;
    double Iy1 = 0, e0 = 0;
    double It = 0, Iw = 0, k = 0, Ww1 = 0, Ww2 = 0;
};

// Cold-formed lipped Z, in the catalogue's order. x1, y1: axes parallel to the flanges and to
// the web; x, y: principal axes at θ.
class CFLippedZSection : public SectionRecord {
public:
    double h = 0, b = 0, a = 0, t = 0;
    double A = 0, mass = 0, theta = 0;
    double Ix1 = 0, ix1 = 0, Wx1 = 0;                  // about x1
    double Iy1 = 0, iy1 = 0, Wy1 = 0;                  // about y1
    double Ix = 0, ix = 0, WxPoint1 = 0, WxPoint2 = 0; // about x
    double Iy = 0, iy = 0, WyPoint1 = 0, WyPoint2 = 0; // about y
    double Ix1y1 = 0;
    double It = 0, Iw = 0, k = 0, Ww1 = 0, Ww2 = 0;
};

// Cold-formed square tube: side h, t, A, mass, Ix, ix, Wx.
class SquareTubeSection : public SectionRecord {
public:
    double h = 0, t = 0;
    double A = 0, mass = 0;
    double Ix = 0, ix = 0, Wx = 0;
};

// Light welded H. The catalogue's order (H, B, tw, tf, A, mass, Ix, Wx, ix, Iy, Wy, iy, Iω, It)
// is rearranged into the order below.
class LightHSection : public SectionRecord {
public:
    double H = 0, B = 0, tw = 0, tf = 0;
    double A = 0, mass = 0;
    double ix = 0, iy = 0;
    double Wx = 0, Wy = 0;
    double Ix = 0, Iy = 0;
    double Iw = 0, It = 0;
};

bool LoadSectionRecord(std::string_view name, RolledHSection& record);
bool LoadSectionRecord(std::string_view name, RolledISection& record);
bool LoadSectionRecord(std::string_view name, RolledChannelSection& record);
bool LoadSectionRecord(std::string_view name, EqualAngleSection& record);
bool LoadSectionRecord(std::string_view name, CFChannelSection& record);
bool LoadSectionRecord(std::string_view name, CFLippedChannelSection& record);
bool LoadSectionRecord(std::string_view name, CFLippedZSection& record);
bool LoadSectionRecord(std::string_view name, SquareTubeSection& record);
bool LoadSectionRecord(std::string_view name, LightHSection& record);

// The box shown when a name offered in a list is missing from the catalogue.
Notice SectionNotFound(std::string_view name);

// Linear interpolation between the table entries y0 at x0 and y1 at x1 for a point x, with
// r = (x - x0) / (x1 - x): returns (y0 + r·y1) / (1 + r).
double InterpolateRatio(double y0, double y1, double r);

// Two fillet welds of throat he (mm) and effective length lw (mm) each, in the plane of the welds,
// under N (kN), V (kN) and M (kN·m), with the strength factor βf of the weld ends:
//   σN = N·1000 / (2·he·lw), σM = M·6e6 / (2·he·lw²), τV = V·1000 / (2·he·lw),
//   σfs = sqrt(((σN + σM) / βf)² + τV²), all N/mm2.
void FilletWeldPairStress(double N, double V, double M, double he, double lw, double betaF,
                          double* sigmaN, double* sigmaM, double* tauV, double* sigmaFs);

} // namespace ferrolab
