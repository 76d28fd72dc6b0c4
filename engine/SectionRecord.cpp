#include "engine/SectionRecord.h"

#include <array>
#include <cmath>

#include "sections/Profilux.h"

namespace ferrolab {

namespace {

using Lookup = bool (*)(const char*, float*, int);

// The catalogue's values as doubles; all 0 when the name is not found.
struct Values {
    std::array<float, 32> v{};
    double operator[](int i) const { return static_cast<double>(v[static_cast<std::size_t>(i)]); }
};

// Asks the catalogue for `count` values and records the requested name. A name with an embedded
// NUL is not a catalogue name, although the C interface would see only the text before the NUL.
bool Fetch(Lookup lookup, std::string_view name, int count, SectionRecord& record, Values& values) {
    record.name = std::string(name);
    if (name.find('\0') != std::string_view::npos) {
        return false;
    }
    std::array<float, 32> buffer{};
    const bool found = lookup(record.name.c_str(), buffer.data(), count);
    if (found) {
        values.v = buffer;
    }
    return found;
}

} // namespace

bool LoadSectionRecord(std::string_view name, RolledHSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_H, name, 20, r, v);
    r.h = v[0];
    r.b = v[1];
    r.tw = v[2];
    r.tf = v[3];
    r.r = v[4];
    r.A = v[5];
    r.mass = v[6];
    r.Ix = v[7];
    r.Iy = v[8];
    r.ix = v[9];
    r.iy = v[10];
    r.Wx = v[11];
    r.Wy = v[12];
    return found;
}

bool LoadSectionRecord(std::string_view name, RolledISection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_I, name, 20, r, v);
    double* fields[] = {&r.h,  &r.b,  &r.tw, &r.t,  &r.A,  &r.mass,
                        &r.Ix, &r.Wx, &r.ix, &r.Iy, &r.Wy, &r.iy};
    for (int i = 0; i < 12; ++i) {
        *fields[i] = v[i];
    }
    return found;
}

bool LoadSectionRecord(std::string_view name, RolledChannelSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_Chl, name, 20, r, v);
    double* fields[] = {&r.h,  &r.b,  &r.tw, &r.t,  &r.A,  &r.mass,
                        &r.Ix, &r.Wx, &r.ix, &r.Iy, &r.Wy, &r.iy};
    for (int i = 0; i < 12; ++i) {
        *fields[i] = v[i];
    }
    return found;
}

bool LoadSectionRecord(std::string_view name, EqualAngleSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_EqSingAng, name, 20, r, v);
    double* fields[] = {&r.b,   &r.t,     &r.r,     &r.A,    &r.mass, &r.Ix,
                        &r.ix,  &r.WxMin, &r.WxMax, &r.Ix0,  &r.ix0,  &r.Wx0,
                        &r.Iy0, &r.iy0,   &r.Wy0,   &r.Wy0b, &r.Ix1,  &r.z0};
    for (int i = 0; i < 18; ++i) {
        *fields[i] = v[i];
    }
    return found;
}

bool LoadSectionRecord(std::string_view name, CFChannelSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_CFC, name, 20, r, v);
    double* fields[] = {&r.h,  &r.b,  &r.t,  &r.A,  &r.mass,  &r.x0,    &r.Ix,
                        &r.ix, &r.Wx, &r.Iy, &r.iy, &r.Wymax, &r.Wymin, &r.Iy1,
                        &r.e0, &r.It, &r.Iw, &r.k,  &r.Ww1,   &r.Ww2};
    for (int i = 0; i < 20; ++i) {
        *fields[i] = v[i];
    }
    return found;
}

bool LoadSectionRecord(std::string_view name, CFLippedChannelSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_CFRC, name, 21, r, v);
    double* fields[] = {&r.h,   &r.b,  &r.a,  &r.t,  &r.A,  &r.mass,  &r.x0,
                        &r.Ix,  &r.ix, &r.Wx, &r.Iy, &r.iy, &r.Wymax, &r.Wymin,
                        &r.Iy1, &r.e0, &r.It, &r.Iw, &r.k,  &r.Ww1,   &r.Ww2};
    for (int i = 0; i < 21; ++i) {
        *fields[i] = v[i];
    }
    return found;
}

bool LoadSectionRecord(std::string_view name, CFLippedZSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_CFRZ, name, 27, r, v);
    double* fields[] = {&r.h,     &r.b,        &r.a,        &r.t,        &r.A,        &r.mass,
                        &r.theta, &r.Ix1,      &r.ix1,      &r.Wx1,      &r.Iy1,      &r.iy1,
                        &r.Wy1,   &r.Ix,       &r.ix,       &r.WxPoint1, &r.WxPoint2, &r.Iy,
                        &r.iy,    &r.WyPoint1, &r.WyPoint2, &r.Ix1y1,    &r.It,       &r.Iw,
                        &r.k,     &r.Ww1,      &r.Ww2};
    for (int i = 0; i < 27; ++i) {
        *fields[i] = v[i];
    }
    return found;
}

bool LoadSectionRecord(std::string_view name, SquareTubeSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_ThinSqrPipe, name, 20, r, v);
    double* fields[] = {&r.h, &r.t, &r.A, &r.mass, &r.Ix, &r.ix, &r.Wx};
    for (int i = 0; i < 7; ++i) {
        *fields[i] = v[i];
    }
    return found;
}

bool LoadSectionRecord(std::string_view name, LightHSection& r) {
    Values v;
    const bool found = Fetch(GetSectPara_DaTongH, name, 20, r, v);
    r.H = v[0];
    r.B = v[1];
    r.tw = v[2];
    r.tf = v[3];
    r.A = v[4];
    r.mass = v[5];
    r.Ix = v[6];
    r.Wx = v[7];
    r.ix = v[8];
    r.Iy = v[9];
    r.Wy = v[10];
    r.iy = v[11];
    r.Iw = v[12];
    r.It = v[13];
    return found;
}

Notice SectionNotFound(std::string_view name) {
    return InputError("截面库中没有这个截面：" + std::string(name));
}

double InterpolateRatio(double y0, double y1, double r) {
    return (y0 + r * y1) / (1.0 + r);
}

void FilletWeldPairStress(double N, double V, double M, double he, double lw, double betaF,
                          double* sigmaN, double* sigmaM, double* tauV, double* sigmaFs) {
    const double sN = N * 1000.0 / (2.0 * he * lw);
    const double sM = M * 6e6 / (2.0 * he * lw * lw);
    const double tV = V * 1000.0 / (2.0 * he * lw);
    const double bending = (sN + sM) / betaF;
    *sigmaN = sN;
    *sigmaM = sM;
    *tauV = tV;
    *sigmaFs = std::sqrt(bending * bending + tV * tV);
}

} // namespace ferrolab
