#include "calculators/members/CantileverBeam.h"

#include <cmath>

#include "calculators/members/BeamStability.h"
#include "engine/BeamStability.h"
#include "engine/Format.h"
#include "engine/Materials.h"
#include "engine/Materials2017.h"
#include "engine/SectionRecord.h"

namespace ferrolab {
namespace {

// Table B.4's load cases: the radio caption, and the formula piece of each ξ range as the βb
// line shows it.
struct LoadCase {
    const char* caption;
    const char* formula[3];
};

const LoadCase kLoadCases[3] = {
    {"自由端一个集中荷载作用在上翼缘", {"0.21+0.67*ξ", "0.72+0.26*ξ", "1.17+0.03*ξ"}},
    {"自由端一个集中荷载作用在下翼缘", {"2.94-0.65*ξ", "2.64-0.40*ξ", "2.15-0.15*ξ"}},
    {"均布荷载作用在上翼缘", {"0.62+0.82*ξ", "1.25+0.31*ξ", "1.66+0.10*ξ"}},
};

const char* const kRangeTexts[3] = {"0.60≤ξ≤1.24", "1.24<ξ≤1.96", "1.96<ξ≤3.10"};

std::optional<Notice> CheckInputs(const CantileverBeamInput& in) {
    if (!IsRolledHSeries(in.series) && !(in.b > 0 && in.t > 0 && in.hw > 0 && in.tw > 0)) {
        return InputError("焊接工字钢的截面尺寸B、t、hw、tw必须是大于0的数");
    }
    if (!(in.l1 > 0)) {
        return InputError("悬伸长度l1必须是大于0的数");
    }
    if (in.loadCase < 1 || in.loadCase > 3) {
        return InputError("请选择荷载情况");
    }
    if (in.fy <= 0) {
        return InputError("请选择钢号");
    }
    if (!(in.mx > 0)) {
        return InputError("弯矩Mx必须是大于0的数(输入支座截面弯矩的绝对值)");
    }
    return std::nullopt;
}

} // namespace

const std::vector<const char*>& CantileverLoadCaseCaptions() {
    static const std::vector<const char*> captions = {kLoadCases[0].caption, kLoadCases[1].caption,
                                                      kLoadCases[2].caption};
    return captions;
}

CantileverBeamResult ComputeCantileverBeam(const CantileverBeamInput& in) {
    CantileverBeamResult r;
    const bool rolled = IsRolledHSeries(in.series);
    if (const auto refusal = CheckInputs(in)) {
        r.notices.push_back(*refusal);
        return r;
    }
    DoublySymmetricI s;
    if (rolled) {
        if (!LoadDoublySymmetricI(in.name, s)) {
            r.notices.push_back(SectionNotFound(in.name));
            return r;
        }
    } else {
        s = WeldedDoublySymmetricI(in.b, in.t, in.hw, in.tw);
    }
    r.h = s.h;
    r.b1 = s.b1;
    r.t1 = s.t1;
    r.a = s.a;
    r.iy = s.iy;
    r.wx = s.wx;

    const double span = in.l1 * 1000; // mm
    r.xi = span * s.t1 / (s.b1 * s.h);
    if (!std::isfinite(r.xi)) {
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    const CantileverBeta beta = CantileverBetaB(in.loadCase, r.xi);
    if (beta.range == 0) {
        r.notices.push_back(InputError("ξ=l1*t1/(b1*h)=" + Fmt3(r.xi) + "，超出表" +
                                       (in.edition == kSteel2017 ? "C.0.4" : "B.4") +
                                       "的适用范围0.60≤ξ≤3.10，规范没有给出βb"));
        return r;
    }
    r.betaB = beta.betaB;
    r.lambdaY = span / s.iy;
    r.phiB = ElasticPhiB(r.betaB, r.lambdaY, s.a, s.h, s.wx, s.t1, 0, in.fy);
    r.inelastic = r.phiB > 0.6;
    r.phi = r.inelastic ? InelasticPhiB(r.phiB) : r.phiB;
    r.sigma = in.mx * 1e6 / (r.phi * s.wx);
    if (!AllFinite(
            {span, r.h, r.a, r.iy, r.wx, r.xi, r.betaB, r.lambdaY, r.phiB, r.phi, r.sigma}) ||
        !(r.phi > 0)) {
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    // The stress is worked at a flange's outer fibre: f of the flange thickness.
    const bool edition2017 = in.edition == kSteel2017;
    if (edition2017) {
        const std::optional<Steel2017> steel = GetSteelStrength2017(GradeName(in.fy), s.t1);
        if (!steel) {
            r.notices.push_back(InputError("翼缘厚度t=" + Fmt2(s.t1) +
                                           "mm超出GB50017-2017表4.4.1的范围(不大于100mm)"));
            return r;
        }
        r.f = steel->f;
    } else {
        double fv = 0, fce = 0;
        if (!GetSteelStrength(in.fy, s.t1, r.f, fv, fce)) {
            r.notices.push_back(InputError("翼缘厚度t=" + Fmt2(s.t1) +
                                           "mm超出钢材强度设计值表的范围(不大于100mm)"));
            return r;
        }
    }

    std::string text = edition2017 ? "   -------根据GB50017-2017附录C.0.4 表C.0.4------\r\n"
                                   : "   -------根据GB50017-2003附录B.4 表B.4------\r\n";
    if (edition2017) {
        text += "钢号Q" + std::to_string(in.fy) + "，εk^2=235/fy=235/" + std::to_string(in.fy) +
                "，按表4.4.1(翼缘厚" + Fmt2(s.t1) + "mm) f=" + Fmt2(r.f) + "N/mm2\r\n";
    }
    text += rolled ? "截面 " + in.name
                   : "焊接工字钢 翼缘 B*t=" + Fmt2(in.b) + "*" + Fmt2(in.t) +
                         "mm, 腹板 hw*tw=" + Fmt2(in.hw) + "*" + Fmt2(in.tw) + "mm";
    text += "\r\n截面面积 A=" + Fmt2(s.a) + "mm2 \t 截面总高 h=" + Fmt2(s.h) + "mm" +
            "\r\n受压翼缘宽度 b1=" + Fmt2(s.b1) + "mm \t 受压翼缘厚度 t1=" + Fmt2(s.t1) + "mm" +
            "\r\nWx=" + Fmt2(s.wx) + "mm3 \t iy=" + Fmt2(s.iy) + "mm\r\n";
    text += " ξ=l1*t1/(b1*h)=" + Fmt2(span) + "*" + Fmt2(s.t1) + "/(" + Fmt2(s.b1) + "*" +
            Fmt2(s.h) + ") =" + Fmt3(r.xi) + "\r\n";
    const LoadCase& lc = kLoadCases[in.loadCase - 1];
    text += std::string("   ") + kRangeTexts[beta.range - 1] + ",  " + lc.caption + "\r\n";
    std::string formula = lc.formula[beta.range - 1];
    std::string substituted = formula;
    substituted.replace(substituted.find("ξ"), std::string("ξ").size(), Fmt3(r.xi));
    text += "βb=" + formula + " = " + substituted + "= " + Fmt3(r.betaB) + "\r\n";
    text += "长细比 λy=l1/iy=" + Fmt2(span) + "/" + Fmt2(s.iy) + "=" + Fmt2(r.lambdaY) + "\r\n";
    if (edition2017) {
        text += " 按式C.0.1-1(ηb=0)，φb=βb*4320*A*h*(1+(λy*t1/(4.4*h))^2)^0.5*εk^2/(Wx*λy^2) =" +
                Fmt3(r.phiB);
        if (r.inelastic) {
            text += ",\r\n φb>0.6,按式C.0.1-7 得φb`=1.07-0.282/φb=" + Fmt3(r.phi) +
                    (r.phi >= 1.0 ? " (不大于1.0)" : "");
        }
        text += "\r\n -------根据GB50017-2017之6.2.2，该悬臂梁整体稳定性验算 Mx/(φb*Wx)=" +
                Fmt2(r.sigma) + "N/mm2, f=" + Fmt2(r.f) + "N/mm2";
        text += "\r\n 注：表C.0.4是按支承端为固定的情况确定的，当用于由邻跨延伸出来的伸臂梁时，"
                "应在构造上采取措施加强支承处的抗扭能力。";
        r.checks.push_back({"整体稳定 Mx/(φb*Wx)/f", r.sigma, r.f});
        r.report = std::move(text);
        return r;
    }
    text += " 按附B.1-1式(ηb=0)，φb=βb*4320*A*h*(1+(λy*t1/(4.4*h))^2)^0.5*235/(fy*Wx*λy^2) =" +
            Fmt3(r.phiB);
    if (r.inelastic) {
        text += ",\r\n φb>0.6,按附录 B.1-2 式 得φb`=1.07-0.282/φb=" + Fmt3(r.phi) +
                (r.phi >= 1.0 ? " (不大于1.0)" : "");
    }
    text +=
        "\r\n -------根据GB50017-2003之4.2.2，该悬臂梁整体稳定性验算 Mx/(φb*Wx)=" + Fmt2(r.sigma) +
        "N/mm2, f=" + Fmt2(r.f) + "N/mm2";
    text += "\r\n 注：表B.4是按支承端为固定的情况确定的，当用于由邻跨延伸出来的伸臂梁时，"
            "应在构造上采取措施加强支承处的抗扭能力。";
    r.checks.push_back({"整体稳定 Mx/(φb*Wx)/f", r.sigma, r.f});
    r.report = std::move(text);
    return r;
}

} // namespace ferrolab
