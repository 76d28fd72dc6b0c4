#include "calculators/properties/BuiltUpSection.h"

#include <algorithm>
#include <cmath>

#include "engine/Format.h"
#include "engine/ISection.h"

namespace ferrolab {

double MassFactorOfUnit(const std::string& unit) {
    if (unit == "cm") {
        return 1e-4;
    }
    if (unit == "m") {
        return 1.0;
    }
    return 1e-6;
}

BuiltUpSectionResult ComputeBuiltUpSection(const BuiltUpSectionInput& in) {
    BuiltUpSectionResult r;
    const double smallest = std::min({in.b1, in.t1, in.hw, in.tw, in.b2, in.t2});
    if (smallest < 0) {
        r.notices.push_back(InputError("请输入一个大于0的正数"));
        return r;
    }
    if (smallest < 1e-8) {
        r.notices.push_back(InputError("输入的数据不全或者不是正实数"));
        return r;
    }

    const double a1 = in.t1 * in.b1;
    const double a2 = in.t2 * in.b2;
    const double aw = in.hw * in.tw;
    r.a = a1 + a2 + aw;
    r.h = in.t1 + in.hw + in.t2;
    r.mass = in.density * r.a * MassFactorOfUnit(in.unit);
    r.yb = (a2 * in.t2 / 2 + aw * (in.t2 + in.hw / 2) + a1 * (in.t2 + in.hw + in.t1 / 2)) / r.a;
    r.yt = r.h - r.yb;
    r.iy =
        (in.t1 * std::pow(in.b1, 3) + in.t2 * std::pow(in.b2, 3) + in.hw * std::pow(in.tw, 3)) / 12;

    switch (in.method) {
    case IxMethod::Exact1: {
        double iy = 0, yb = 0, s = 0;
        CalcISectionProps(in.b1, in.t1, in.hw, in.tw, in.b2, in.t2, &r.ix, &iy, &yb, &s);
        break;
    }
    case IxMethod::Exact2:
        r.ix = (in.b2 * std::pow(r.yb, 3) - (in.b2 - in.tw) * std::pow(r.yb - in.t2, 3)) / 3 +
               (in.b1 * std::pow(r.yt, 3) - (in.b1 - in.tw) * std::pow(r.yt - in.t1, 3)) / 3;
        break;
    case IxMethod::Simplified:
        r.ix = in.b2 * in.t2 * std::pow(r.yb - in.t2 / 2, 2) + in.tw * std::pow(in.hw, 3) / 12 +
               in.hw * in.tw * std::pow(in.t2 + in.hw / 2 - r.yb, 2) +
               in.b1 * in.t1 * std::pow(r.yt - in.t1 / 2, 2);
        break;
    }

    r.wx1 = r.ix / r.yt;
    r.wx2 = r.ix / r.yb;
    r.wy1 = 2 * r.iy / in.b1;
    r.wy2 = 2 * r.iy / in.b2;
    r.rx = std::sqrt(r.ix / r.a);
    r.ry = std::sqrt(r.iy / r.a);

    // Warping and torsion constants of the thin-walled section. The dimensions are read as mm and
    // the results converted to cm6 and cm4, whatever unit the other results are in.
    const double f1 = std::pow(in.b1, 3) * in.t1;
    const double f2 = std::pow(in.b2, 3) * in.t2;
    r.iw = (f1 * f2) * in.hw * in.hw / (12 * (f1 + f2)) * 1e-6;
    r.it = (in.b1 * std::pow(in.t1, 3) + in.b2 * std::pow(in.t2, 3) + in.hw * std::pow(in.tw, 3)) /
           3 * 1e-4;
    r.thinWeb = in.tw < 0.1 * std::min(in.b1, in.b2);

    const double printed[] = {r.a,   r.mass, r.ix,  r.iy, r.rx, r.ry, r.wx1,
                              r.wx2, r.wy1,  r.wy2, r.yt, r.yb, r.iw, r.it};
    if (!std::all_of(std::begin(printed), std::end(printed),
                     [](double v) { return std::isfinite(v); })) {
        // Dimensions so large that the powers overflow a double: nothing sensible to print.
        r.notices.push_back(InputError("输入的数值过大"));
        return r;
    }

    const char* fmt = in.format == ResultFormat::Scientific ? "%.4e" : "%.2f";
    auto num = [fmt](double v) { return FormatNumber(fmt, v); };
    const std::string& u = in.unit;

    std::string text;
    text += " 横截面积=\t" + num(r.a) + u + "2" + "        ";
    text += "\r\n 每延米质量为:\t" + num(r.mass) + "kg/m  ";
    text += "\r\n Ix=\t" + num(r.ix) + u + "4" + ";   Iy=\t" + num(r.iy) + u + "4";
    text += "\r\n ix=\t" + num(r.rx) + u + ";    iy=\t" + num(r.ry) + u;
    text += "\r\n wx1=\t" + num(r.wx1) + u + "3" + ";   wy1=\t" + num(r.wy1) + u + "3";
    text += "\r\n wx2=\t" + num(r.wx2) + u + "3" + ";   wy2=\t" + num(r.wy2) + u + "3";
    text += "\r\n 形心距上翼缘外侧的距离=\t" + num(r.yt) + u;
    text += "\r\n 形心距下翼缘外侧的距离=\t" + num(r.yb) + u;
    if (r.thinWeb) {
        text += "\r\n Iw = (b1^3*t1*b2^3*t2)*h^2/(12*(b1^3*t1 +b2^3*t2)) = " + num(r.iw) + "cm6";
        text += "\r\n It = (Σhi*ti^3)/3 =" + num(r.it) + "cm4";
    }
    r.report = std::move(text);
    return r;
}

} // namespace ferrolab
