#include "calculators/connections/FilletWeldMNV.h"

#include <cmath>
#include <variant>

#include "calculators/materials/DesignValues.h"
#include "engine/Format.h"
#include "engine/ISection.h"

namespace ferrolab {
namespace {

// The flange welds stop 5 mm short of each flange tip (start and end craters), so their
// effective length is the flange width less 10 mm.
constexpr double kFlangeWeldLoss = 10;
// Fillet weld strength is independent of thickness; any plate of the thinnest band will do.
constexpr double kWeldLookupThickness = 11;

std::string E2(double v) {
    return FormatNumber("%.2e", v);
}

} // namespace

FilletWeldMnvResult ComputeFilletWeldMnv(const FilletWeldMnvInput& in) {
    FilletWeldMnvResult r;

    const struct {
        double value;
        const char* name;
    } sizes[] = {{in.b1, "上翼缘宽度 b1"}, {in.t1, "上翼缘厚度 t1"}, {in.h0, "腹板净高度 h0"},
                 {in.tw, "腹板厚度 tw"},   {in.b2, "下翼缘宽度 b2"}, {in.t2, "下翼缘厚度 t2"},
                 {in.hf, "焊脚尺寸 hf"}};
    for (const auto& size : sizes) {
        if (!(size.value > 0) || !std::isfinite(size.value)) {
            return Refused(r, std::string(size.name) + " 应为大于0的数");
        }
    }
    if (in.b1 <= kFlangeWeldLoss) {
        return Refused(r, "上翼缘宽度 b1 应大于10mm（翼缘焊缝的计算长度为 b1-10）");
    }
    if (in.b2 <= kFlangeWeldLoss) {
        return Refused(r, "下翼缘宽度 b2 应大于10mm（翼缘焊缝的计算长度为 b2-10）");
    }
    r.a = 1.4 * in.hf;
    if (in.h0 <= r.a) {
        return Refused(r, "腹板净高度 h0 应大于 1.4hf（两条腹板焊缝的有效厚度之和）");
    }
    if (in.f < 0 || in.e < 0) {
        // The stresses are worked at A and B for the force as drawn; a reversed force or
        // eccentricity loads the opposite fibres, which this check does not look at.
        return Refused(r, "F 和 e 按图示方向输入，不能为负数");
    }
    const bool edition2017 = in.edition == kSteel2017;
    if (edition2017) {
        const auto strength = FindFilletWeldStrength2017(in.grade, in.electrode);
        if (const auto* message = std::get_if<std::string>(&strength)) {
            return Refused(r, *message);
        }
        r.ffw = std::get<FilletWeldStrength2017>(strength).ffw;
        r.electrode = std::get<FilletWeldStrength2017>(strength).electrode;
    } else {
        const SteelGrade grade = GradeOfEntry(in.grade);
        double fcw = 0, ftw = 0, fvw = 0;
        if (!GetWeldStrength(grade, kWeldLookupThickness, 1, fcw, ftw, fvw, r.ffw)) {
            return Refused(r, "钢号应为 Q235、Q345、Q390 或 Q420");
        }
    }

    r.m = in.e * in.f * 1000;
    const double force = in.f * 1000;
    const double b1 = in.b1 - kFlangeWeldLoss;
    const double b2 = in.b2 - kFlangeWeldLoss;
    double iy = 0, s = 0, yb = 0;
    // The weld group is the ring between the section and the section grown by the weld throats.
    CalcISectionProps(b1, in.t1, in.h0, in.tw, b2, in.t2, &r.i0, &iy, &r.hc, &s);
    CalcISectionProps(b1, in.t1 + r.a, in.h0 - r.a, in.tw + r.a, b2, in.t2 + r.a, &r.i1, &iy, &yb,
                      &s);
    r.iF = r.i1 - r.i0;
    if (!std::isfinite(r.iF) || !std::isfinite(r.m)) {
        return Refused(r, "输入的数值过大");
    }
    if (!(r.iF > 0)) {
        return Refused(r, "焊缝截面的惯性矩 If 不大于0，请检查截面尺寸");
    }
    r.sigmaA = r.m * (in.h0 + in.t1 + in.t2 - r.hc) / r.iF;
    r.sigmaB = r.m * (in.h0 + in.t2 - r.hc) / r.iF;
    r.tauF = force / (r.a * in.h0);
    r.combinedB = std::sqrt(r.sigmaB * r.sigmaB + r.tauF * r.tauF);
    for (const double v : {r.sigmaA, r.sigmaB, r.tauF, r.combinedB, r.hc}) {
        if (!std::isfinite(v)) {
            return Refused(r, "输入的数值过大");
        }
    }

    std::string t;
    if (edition2017) {
        t += FilletWeldStrengthLine2017(in.grade, {r.ffw, r.electrode});
    } else {
        t += "钢材为:" + in.grade + ",查表，得角焊缝的抗拉、抗压、抗剪强度设计值为:" + Fmt2(r.ffw) +
             "(N/mm2),\r\n";
    }
    t += " 角焊缝围成的图形对于其形心的惯性矩 If =" + E2(r.iF) + "mm4,\r\n";
    t += "              \r\n";
    t += "A点: σa= M*(h0+t1+t2-hc)/If = " + E2(r.m) + "*(" + Fmt2(in.h0) + "+" + Fmt2(in.t1) + "+" +
         Fmt2(in.t2) + "-" + Fmt2(r.hc) + "/" + E2(r.iF) + ") = " + Fmt2(r.sigmaA) + "N/mm2 \r\n";
    t += "              \r\n";
    t += "B点: σb= M*(h0+t2-hc)/If = " + E2(r.m) + "*(" + Fmt2(in.h0) + "+" + Fmt2(in.t2) + "-" +
         Fmt2(r.hc) + "/" + E2(r.iF) + ") = " + Fmt2(r.sigmaB) + "N/mm2 \r\n";
    t += "      τF = F*1000/Afw =" + E2(force) + "/(" + Fmt2(r.a) + "*" + Fmt2(in.h0) +
         ") =" + Fmt2(r.tauF) + "N/mm2 \r\n";
    t += "所以，B点处的折算应力为 sqrt(σb^2 + τF^2) =sqrt(" + Fmt2(r.sigmaB) + "^2 + " +
         Fmt2(r.tauF) + "^2) = " + Fmt2(r.combinedB) + "N/mm2 \r\n";
    t += "             \r\n";
    // Both checks are strict: a stress equal to the strength passes.
    if (r.sigmaA > r.ffw) {
        t += "A点处焊缝应力大于角焊缝的抗拉抗压强度设计值，请加大焊脚尺寸后重新计算\r\n";
    }
    if (r.combinedB > r.ffw) {
        t += "B点处焊缝折算应力大于角焊缝的抗拉抗压强度设计值，请加大焊脚尺寸后重新计算\r\n";
    }
    r.report = std::move(t);
    r.checks = {{"A点焊缝应力 σa/ffw", r.sigmaA, r.ffw},
                {"B点折算应力 √(σb²+τF²)/ffw", r.combinedB, r.ffw}};
    return r;
}

} // namespace ferrolab
