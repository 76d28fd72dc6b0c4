#include "calculators/connections/FilletWeldTorque.h"

#include <cmath>
#include <variant>

#include "engine/Format.h"

namespace ferrolab {
namespace {

// The horizontal welds stop short of the plate edge by the crater allowance.
constexpr double kCraterLoss = 5;

std::string E2(double v) {
    return FormatNumber("%.2e", v);
}

} // namespace

FilletWeldTorqueResult ComputeFilletWeldTorque(const FilletWeldTorqueInput& in) {
    FilletWeldTorqueResult r;
    // βf = 1.22 for front fillet welds, 1.0 under dynamic loads (GB50017-2003 7.1.3,
    // GB50017-2017 11.2.2 alike).
    if (in.beta > 1.22 || in.beta < 1.0 || !std::isfinite(in.beta)) {
        return Refused(r, "老哥，不要乱填数,β在1~1.22之间");
    }
    const struct {
        double value;
        const char* name;
    } sizes[] = {{in.b, "b"}, {in.h, "h"}, {in.hf, "hf"}};
    for (const auto& size : sizes) {
        if (!(size.value > 0) || !std::isfinite(size.value)) {
            return Refused(r, std::string(size.name) + " 应为大于0的数");
        }
    }
    if (in.b <= kCraterLoss) {
        return Refused(r, "b 应大于5mm（水平焊缝的计算长度为 b-5）");
    }
    const bool edition2017 = in.edition == kSteel2017;
    if (edition2017) {
        const auto strength = FindFilletWeldStrength2017(in.grade, in.electrode);
        if (const auto* message = std::get_if<std::string>(&strength)) {
            return Refused(r, *message);
        }
        r.ffw = std::get<FilletWeldStrength2017>(strength).ffw;
        r.electrode = std::get<FilletWeldStrength2017>(strength).electrode;
    }
    if (in.e < 0 || in.fx < 0 || in.fy < 0) {
        // The stresses are worked at corner A for the forces as drawn; reversed forces load
        // another corner more, which this check does not look at.
        return Refused(r, "e、Fx 和 Fy 按图示方向输入，不能为负数");
    }

    const double l = in.b - kCraterLoss;
    const double p = in.h + 1.4 * in.hf;
    const double throat = 0.7 * in.hf;
    r.af = in.hf * (1.4 * l + 0.7 * p);
    r.x = (throat * l * l - 0.245 * in.hf * in.hf * p) / r.af;
    r.t = (in.e + in.b - r.x) * in.fy;
    r.ifx = throat * (std::pow(in.h + throat, 2) * l / 2 + std::pow(in.h, 3) / 12);
    r.ify = throat * (2.0 / 3.0 * std::pow(l - r.x, 3) + p * std::pow(r.x + 0.35 * in.hf, 2) +
                      2.0 / 3.0 * std::pow(r.x, 3));
    r.ifp = r.ifx + r.ify;
    const double yA = in.h / 2;
    const double xA = l - r.x;
    r.tauTAx = yA * r.t * 1000 / r.ifp;
    r.tauTAy = xA * r.t * 1000 / r.ifp;
    r.tauFAy = in.fy * 1000 / r.af;
    r.tauFAx = in.fx * 1000 / r.af;
    const double sx = r.tauTAx + r.tauFAx;
    const double sy = (r.tauTAy + r.tauFAy) / in.beta;
    r.tauA = std::sqrt(sx * sx + sy * sy);
    for (const double v :
         {r.af, r.x, r.t, r.ifx, r.ify, r.ifp, r.tauTAx, r.tauTAy, r.tauFAy, r.tauFAx, r.tauA}) {
        if (!std::isfinite(v)) {
            return Refused(r, "输入的数值过大");
        }
    }

    r.xText = Fmt2(r.x);
    r.tText = Fmt2(r.t * 0.001);
    std::string t;
    t += "焊缝总有效面积 Af =0.7*hf*(2*(b-5) +h) =" + Fmt2(r.af) + "mm2 \r\n";
    t += "Ifx =0.7*hf*((h^3)/12 + 2*(b-5)*(0.5*h)^2) =" + E2(r.ifx) + "mm4 \r\n";
    t += "Ify =0.7*hf*(2*(x^3)/3. + 2*((b-5-x)^3)/3. + h*x^2 )=" + E2(r.ify) + "mm4 \r\n";
    t += "Ifp =Ifx + Ify =" + E2(r.ifp) + "mm4 \r\n";
    t += "扭矩在A点产生的x方向的剪应力 τ_T_Ax = T*1.0e6*yA/Ifp =" + Fmt2(r.tauTAx) + "N/mm2 \r\n";
    t += "扭矩在A点产生的y方向的剪应力 τ_T_Ay = T*1.0e6*xA/Ifp =" + Fmt2(r.tauTAy) + "N/mm2 \r\n";
    t += "竖直力在A点产生的y方向的剪应力 τ_F_Ay = " + Fmt2(r.tauFAy) + "N/mm2 \r\n";
    t += "水平力在A点产生的x方向的剪应力 τ_F_Ax = " + Fmt2(r.tauFAx) + "N/mm2 \r\n";
    t += "A点折算应力 τA = sqrt((τ_T_Ax +τ_F_Ax)^2 + ((τ_T_Ay +τ_F_Ay)/β)^2) =" + Fmt2(r.tauA) +
         "N/mm2 \r\n";
    if (edition2017) {
        // Corner A of a horizontal weld: the y components stand across the weld (σf, divided by
        // βf), the x components along it (τf), as formula 11.2.2-3 combines them.
        t += FilletWeldStrengthLine2017(in.grade, {r.ffw, r.electrode});
        t += "按GB50017-2017式(11.2.2-3)，A点 τA =" + Fmt2(r.tauA) +
             (r.tauA > r.ffw ? "N/mm2 > ffw =" : "N/mm2 <= ffw =") + Fmt2(r.ffw) + "N/mm2\r\n";
        if (r.tauA > r.ffw) {
            t += "A点处焊缝折算应力大于角焊缝的强度设计值，请加大焊脚尺寸后重新计算\r\n";
        }
        r.checks = {{"A点折算应力 τA/ffw", r.tauA, r.ffw}};
    }
    r.report = std::move(t);
    return r;
}

} // namespace ferrolab
