#include "calculators/members/BeamStability.h"

#include <algorithm>
#include <cmath>

#include "engine/BeamStability.h"
#include "engine/Format.h"
#include "engine/ISection.h"
#include "engine/Materials.h"
#include "engine/Materials2017.h"
#include "engine/Members2017.h"
#include "engine/SectionRecord.h"

namespace ferrolab {
namespace {

// Table B-1's load cases: the radio caption and the case's line in the report. Cases 1 to 4
// have one line below ξ = 2.0 and one from 2.0 on, and the formula piece that the βb line shows
// below 2.0.
struct LoadCase {
    const char* caption;
    const char* lineBelow2;
    const char* lineFrom2;
    const char* formula;
};

const LoadCase kLoadCases[10] = {
    {"跨中无侧向支承，均布荷载作用在上翼缘", "   ξ<2.0,  跨中无侧向支承，均布荷载作用在上翼缘\r\n",
     "   ξ>2.0,  跨中无侧向支承，均布荷载作用在上翼缘\r\n", "0.69+0.13*ξ = 0.69+0.13*"},
    {"跨中无侧向支承，均布荷载作用在下翼缘", "   ξ<2.0,  跨中无侧向支承，均布荷载作用在下翼缘\r\n",
     "   ξ>2.0,  跨中无侧向支承，均布荷载作用在下翼缘\r\n", "1.73-0.20*ξ = 1.73-0.20*"},
    {"跨中无侧向支承，集中荷载作用在上翼缘", "   ξ<2.0,  跨中无侧向支承，集中荷载作用在上翼缘\r\n",
     "   ξ>2.0,  跨中无侧向支承，集中荷载作用在上翼缘\r\n", "   0.73+0.18*ξ = 0.73+0.18*"},
    {"跨中无侧向支承，集中荷载作用在下翼缘", "   ξ<2.0,  跨中无侧向支承，集中荷载作用在下翼缘\r\n",
     "   ξ>2.0,  跨中无侧向支承，集中荷载作用在下翼缘\r\n", "   2.23-0.28*ξ = 2.23-0.28*"},
    {"跨度中点有一侧向支承点，均布荷载作用在上翼缘",
     " 跨度中点有一侧向支承点，均布荷载作用在上翼缘\r\n", nullptr, nullptr},
    {"跨度中点有一侧向支承点，均布荷载作用在下翼缘",
     " 跨度中点有一侧向支承点，均布荷载作用在下翼缘\r\n", nullptr, nullptr},
    {"跨度中点有一侧向支承点，集中荷载作用在截面高度上任意位置",
     " 跨度中点有一侧向支承点，集中荷载作用在截面高度上任意位置\r\n", nullptr, nullptr},
    {"跨中有不少于两个等距离侧向支承点，任意荷载作用在上翼缘",
     " 跨中有不少于两个等距离侧向支承点，任意荷载作用在上翼缘\r\n", nullptr, nullptr},
    {"跨中有不少于两个等距离侧向支承点，任意荷载作用在下翼缘",
     " 跨中有不少于两个等距离侧向支承点，任意荷载作用在下翼缘\r\n", nullptr, nullptr},
    {"梁端有弯矩，但跨中无荷载作用", " 梁端有弯矩，但跨中无荷载作用\r\n", nullptr, nullptr},
};

// Cases 1 to 4: the beam has no lateral support within the span, and βb depends on ξ.
bool DependsOnXi(int loadCase) {
    return loadCase >= 1 && loadCase <= 4;
}

// The section values the formulas need, from the catalogue or from the welded plates.
struct Section {
    double h = 0, b1 = 0, t1 = 0, a = 0, iy = 0, wx = 0, wy = 0, etaB = 0;
    double wxMin = 0;    // the smaller fibre modulus, for the strength stress
    double alphaB = 0.5; // I1/(I1 + I2); 0.5 for a doubly symmetric section
    // The plates of the width-thickness classes: web thickness, clear web depth and the
    // compressed flange's outstand, mm.
    double tw = 0, h0 = 0, outstand = 0;
};

std::optional<Notice> RolledSection(const std::string& name, Section& s) {
    RolledHSection record;
    if (!LoadSectionRecord(name, record)) {
        return InputError("截面库中没有找到截面 " + name);
    }
    // Catalogue units: A cm2, iy cm, W cm3.
    s.h = record.h;
    s.b1 = record.b;
    s.t1 = record.tf;
    s.a = 100 * record.A;
    s.iy = 10 * record.iy;
    s.wx = 1000 * record.Wx;
    s.wy = 1000 * record.Wy;
    s.wxMin = s.wx;
    s.etaB = 0; // doubly symmetric
    // The web's clear depth of a rolled section stops where the root radii begin.
    s.tw = record.tw;
    s.h0 = record.h - 2 * record.tf - 2 * record.r;
    s.outstand = (record.b - record.tw) / 2;
    return std::nullopt;
}

std::optional<Notice> WeldedSection(const BeamStabilityInput& in, Section& s) {
    const double smallest = std::min({in.b1, in.t1, in.hw, in.tw, in.b2, in.t2});
    if (smallest < 0) {
        return InputError("请输入一个大于0的正数");
    }
    if (smallest < 1e-8) {
        return InputError("输入的数据不全或者不是正实数");
    }
    double ix = 0, iy = 0, yb = 0, firstMoment = 0;
    CalcISectionProps(in.b1, in.t1, in.hw, in.tw, in.b2, in.t2, &ix, &iy, &yb, &firstMoment);
    s.h = in.hw + in.t1 + in.t2;
    // ξ and the (λy·t1/4.4h) term of formula B.1 take the compressed flange: "上" is flange 1
    // (B1 x t1), "下" flange 2 (B2 x t2).
    const bool topCompressed = in.compressedFlange != 1;
    s.b1 = topCompressed ? in.b1 : in.b2;
    s.t1 = topCompressed ? in.t1 : in.t2;
    s.a = in.tw * in.hw + in.t1 * in.b1 + in.b2 * in.t2;
    s.iy = std::sqrt(iy / s.a);
    s.wy = 2 * iy / in.b1;
    s.tw = in.tw;
    s.h0 = in.hw;
    s.outstand = (s.b1 - in.tw) / 2;
    if (in.b1 == in.b2 && in.t1 == in.t2) {
        // Doubly symmetric: the neutral axis is at mid-depth, both fibres have Ix/yb and ηb = 0.
        s.wx = ix / yb;
        s.wxMin = s.wx;
        s.etaB = 0;
        return std::nullopt;
    }
    // Appendix B.1 for a singly symmetric I: αb = I1/(I1 + I2) with I1 the compressed and I2 the
    // tension flange about the y axis; ηb = 0.8(2αb − 1) for an enlarged compression flange,
    // 2αb − 1 for an enlarged tension flange. Wx of φb and of the stability stress is that of
    // the compressed flange's outer fibre; the strength stress takes the smaller modulus.
    const double iTop = in.t1 * in.b1 * in.b1 * in.b1 / 12;
    const double iBottom = in.t2 * in.b2 * in.b2 * in.b2 / 12;
    s.alphaB = (topCompressed ? iTop : iBottom) / (iTop + iBottom);
    s.etaB = s.alphaB > 0.5 ? 0.8 * (2 * s.alphaB - 1) : 2 * s.alphaB - 1;
    const double yTop = s.h - yb; // neutral axis to the outer face of flange 1
    s.wx = ix / (topCompressed ? yTop : yb);
    s.wxMin = ix / std::max(yTop, yb);
    return std::nullopt;
}

std::optional<Notice> CheckLoads(const BeamStabilityInput& in) {
    if (in.loadCase < 1 || in.loadCase > 10) {
        return InputError("请选择侧向支承及荷载情况");
    }
    if (!(in.l1 > 0)) {
        return InputError(DependsOnXi(in.loadCase) ? "梁跨度必须是大于0的数"
                                                   : "受压翼缘侧向支承点的距离必须是大于0的数");
    }
    if (!(in.gammaX > 0)) {
        return InputError("截面塑性发展系数γx必须是大于0的数");
    }
    if (!(in.gammaY > 0)) {
        return InputError("截面塑性发展系数γy必须是大于0的数");
    }
    return std::nullopt;
}

BeamClasses2017 ClassesOf(const Section& s, int fy) {
    BeamClasses2017 c;
    c.epsK = EpsilonK(fy);
    c.flangeRatio = s.outstand / s.t1;
    c.webRatio = s.h0 / s.tw;
    c.flange = BeamFlangeClass2017(c.flangeRatio, c.epsK);
    c.web = BeamWebClass2017(c.webRatio, c.epsK);
    c.section = std::max(c.flange, c.web);
    return c;
}

// 6.1.2: the class bounds the plastic adaptation factors; S5 needs the effective section, which
// this check does not form, and a plate beyond the S5 limit is outside table 3.5.1.
std::optional<Notice> CheckClasses2017(const BeamClasses2017& c, const BeamStabilityInput& in) {
    if (c.section > 5) {
        return InputError(
            c.flange > 5
                ? "受压翼缘宽厚比b/t=" + Fmt2(c.flangeRatio) + "超过GB50017-2017表3.5.1的S5级限值20"
                : "腹板高厚比h0/tw=" + Fmt2(c.webRatio) + "超过GB50017-2017表3.5.1的S5级限值250");
    }
    if (c.section == 5) {
        return InputError("截面等级为S5，应按有效截面计算");
    }
    const std::string name = SectionClassName(c.section);
    // A factor typed as the allowed value ("1.05") reads back as exactly that double.
    if (in.gammaX > AllowedGammaX2017(c.section)) {
        return InputError("截面等级为" + name + "，按GB50017-2017第6.1.2条γx不应大于" +
                          Fmt2(AllowedGammaX2017(c.section)));
    }
    if (in.gammaY > AllowedGammaY2017(c.section)) {
        return InputError("截面等级为" + name + "，按GB50017-2017第6.1.2条γy不应大于" +
                          Fmt2(AllowedGammaY2017(c.section)));
    }
    return std::nullopt;
}

std::optional<Notice> FormSection(const BeamStabilityInput& in, Section& s) {
    return IsRolledHSeries(in.series) ? RolledSection(in.name, s) : WeldedSection(in, s);
}

// The 2017 report's opening lines: εk and f, the plates' classes and the factors they allow.
std::string ClassLines2017(const BeamStabilityInput& in, const BeamClasses2017& c, double flange,
                           double f) {
    const std::string name = SectionClassName(c.section);
    return "钢号Q" + std::to_string(in.fy) + "，εk=sqrt(235/fy)=" + FormatNumber("%.3f", c.epsK) +
           "，按表4.4.1(翼缘厚" + Fmt2(flange) + "mm) f=" + Fmt2(f) + "N/mm2\r\n" +
           "截面板件宽厚比等级(表3.5.1): 受压翼缘 b/t=" + Fmt2(c.flangeRatio) + "，" +
           SectionClassName(c.flange) + "级；腹板 h0/tw=" + Fmt2(c.webRatio) + "，" +
           SectionClassName(c.web) + "级；截面等级" + name + "\r\n" + "按6.1.2条，" + name +
           "级截面γx不大于" + Fmt2(AllowedGammaX2017(c.section)) + "、γy不大于" +
           Fmt2(AllowedGammaY2017(c.section)) + "，取γx=" + Fmt2(in.gammaX) +
           "、γy=" + Fmt2(in.gammaY) + "\r\n";
}

} // namespace

std::optional<BeamClasses2017> ClassifyBeam2017(const BeamStabilityInput& in) {
    Section s;
    if (FormSection(in, s)) {
        return std::nullopt;
    }
    return ClassesOf(s, in.fy);
}

std::vector<std::string> BeamSeriesEntries() {
    return {std::string(kSeriesCaptionHW), std::string(kSeriesCaptionHM),
            std::string(kSeriesCaptionHN), kWeldedISeries};
}

bool IsRolledHSeries(const std::string& series) {
    return series.rfind("马钢", 0) == 0;
}

NameList BeamSeriesNames(const std::string& series) {
    if (series == kSeriesCaptionHW) {
        return HWNames();
    }
    if (series == kSeriesCaptionHM) {
        return HMNames();
    }
    if (series == kSeriesCaptionHN) {
        return HNNames();
    }
    return {};
}

const std::vector<const char*>& BeamLoadCaseCaptions() {
    static const std::vector<const char*> captions = [] {
        std::vector<const char*> list;
        for (const LoadCase& c : kLoadCases) {
            list.push_back(c.caption);
        }
        return list;
    }();
    return captions;
}

const char* SpanLabelOfCase(int loadCase) {
    return DependsOnXi(loadCase) ? kSpanLabel : kBracingSpacingLabel;
}

const std::vector<const char*>& EndMomentRatioPresets() {
    static const std::vector<const char*> presets = {"0.1", "-0.1", "0.2", "-0.2",
                                                     "0.3", "-0.3", "0.4", "-0.4"};
    return presets;
}

double BetaB(int loadCase, double xi, double r) {
    const bool below2 = xi < 2.0;
    switch (loadCase) {
    case 1:
        return below2 ? 0.69 + 0.13 * xi : 0.95;
    case 2:
        return below2 ? 1.73 - 0.20 * xi : 1.33;
    case 3:
        return below2 ? 0.73 + 0.18 * xi : 1.09;
    case 4:
        return below2 ? 2.23 - 0.28 * xi : 1.67;
    case 5:
        return 1.15;
    case 6:
        return 1.40;
    case 7:
        return 1.75;
    case 8:
        return 1.20;
    case 9:
        return 1.40;
    case 10: {
        const double beta = 1.75 - 1.05 * r + 0.3 * r * r;
        return beta >= 2.3 ? 2.3 : beta;
    }
    default:
        return 0;
    }
}

double EnlargedFlangeBetaFactor(int loadCase, double xi, double alphaB) {
    if (!(alphaB > 0.8) || !(xi <= 1.0)) {
        return 1;
    }
    if (loadCase == 1) {
        return 0.95;
    }
    if (loadCase == 3) {
        return xi <= 0.5 ? 0.90 : 0.95;
    }
    return 1;
}

BeamStabilityResult ComputeBeamStability(const BeamStabilityInput& in) {
    BeamStabilityResult r;
    Section s;
    std::optional<Notice> refusal = FormSection(in, s);
    if (!refusal) {
        refusal = CheckLoads(in);
    }
    const bool edition2017 = in.edition == kSteel2017;
    // Both stresses are worked at a flange's outer fibre; the thicker flange has the lower f.
    const double flange = IsRolledHSeries(in.series) ? s.t1 : std::max(in.t1, in.t2);
    if (!refusal && edition2017) {
        r.classes = ClassesOf(s, in.fy);
        refusal = CheckClasses2017(*r.classes, in);
        const std::optional<Steel2017> steel = GetSteelStrength2017(GradeName(in.fy), flange);
        if (!refusal && !steel) {
            refusal = InputError("翼缘厚度" + Fmt2(flange) +
                                 "mm超出GB50017-2017表4.4.1的范围（不大于100mm）");
        }
        r.f = steel ? steel->f : 0;
    }
    if (refusal) {
        r.notices.push_back(*refusal);
        return r;
    }
    r.h = s.h;
    r.b1 = s.b1;
    r.t1 = s.t1;
    r.a = s.a;
    r.iy = s.iy;
    r.wx = s.wx;
    r.wy = s.wy;
    r.etaB = s.etaB;
    r.wxMin = s.wxMin;
    r.alphaB = s.alphaB;

    const double span = in.l1 * 1000; // mm
    r.xi = span * s.t1 / (s.b1 * s.h);
    const double tableBetaB = BetaB(in.loadCase, r.xi, in.r);
    r.betaFactor = EnlargedFlangeBetaFactor(in.loadCase, r.xi, s.alphaB);
    r.betaB = tableBetaB * r.betaFactor;
    r.lambdaY = span / s.iy;
    // Formula B.1 with 4320·235 = 1015200 (2017: C.0.1-1, 4320·εk² = 1015200/fy alike).
    const double slender = r.lambdaY * s.t1 / (4.4 * s.h);
    r.phiB = r.betaB * 1015200 * s.a * s.h * (std::sqrt(1 + slender * slender) + s.etaB) /
             (r.lambdaY * r.lambdaY * s.wx * in.fy);
    r.inelastic = r.phiB > 0.6;
    r.phiBPrime = r.inelastic ? InelasticPhiB(r.phiB) : r.phiB;

    // Clause 4.1.1 (strength) and 4.2.3 (overall stability), N/mm2.
    const double bendingY = in.my * 1e6 / (in.gammaY * s.wy);
    r.sigma = in.mx * 1e6 / (in.gammaX * s.wxMin) + bendingY;
    r.sigmaS = in.mx * 1e6 / (r.phiBPrime * s.wx) + bendingY;

    const double printed[] = {r.h,         r.b1,    r.t1,     r.a,    r.iy,      r.wx,
                              r.wy,        r.xi,    r.betaB,  r.etaB, r.lambdaY, r.phiB,
                              r.phiBPrime, r.sigma, r.sigmaS, span};
    if (!std::all_of(std::begin(printed), std::end(printed),
                     [](double v) { return std::isfinite(v); })) {
        r.notices.push_back(InputError("输入的数值过大"));
        return r;
    }

    const LoadCase& lc = kLoadCases[in.loadCase - 1];
    const bool below2 = r.xi < 2.0;
    std::string text;
    if (edition2017) {
        text += ClassLines2017(in, *r.classes, flange, r.f);
    }
    if (DependsOnXi(in.loadCase)) {
        text += std::string(edition2017 ? "   -------根据GB50017-2017附录C 表C.0.1------"
                                        : "   -------根据GB50017-2003附录 表B-1------") +
                "\r\n ξ=l1*t1/(b1*h)=" + Fmt2(span) + "*" + Fmt2(s.t1) + "/(" + Fmt2(s.b1) + "*" +
                Fmt2(s.h) + ") =" + Fmt2(r.xi) + "\r\n";
        text += below2 ? lc.lineBelow2 : lc.lineFrom2;
    } else {
        text += lc.lineBelow2;
    }
    const std::string formula =
        DependsOnXi(in.loadCase) && below2 ? std::string(lc.formula) + Fmt2(r.xi) : std::string();
    text += "βb=" + formula + "= " + FormatNumber("%.3f", tableBetaB) + "\r\n";
    if (r.betaFactor != 1) {
        text += "αb=I1/(I1+I2)=" + FormatNumber("%.3f", s.alphaB) +
                ">0.8，加强受压翼缘，βb=" + FormatNumber("%.2f", r.betaFactor) + "*" +
                FormatNumber("%.3f", tableBetaB) + "= " + FormatNumber("%.3f", r.betaB) + "\r\n";
    }
    text += "iy=" + Fmt2(s.iy) + "mm\t" + "长细比 λy=" + Fmt2(r.lambdaY) +
            "\r\n截面面积 A=" + Fmt2(s.a) + "mm2 \t 截面总高 h=" + Fmt2(s.h) + "mm" +
            "\r\nWx=" + Fmt2(s.wx) + "mm3 \t 受压翼缘厚度 t1=" + Fmt2(s.t1) + "mm" +
            "\r\n截面不对称影响系数 ηb=" + Fmt2(s.etaB);
    if (edition2017) {
        text +=
            "\r\n 按式C.0.1-1，φb=βb*4320*A*h*[(1+(λy*t1/(4.4*h))^2)^0.5 + ηb]*εk^2/(Wx*λy^2) =" +
            FormatNumber("%.3f", r.phiB);
        if (r.inelastic) {
            text += ",\r\n φb>0.6,按式C.0.1-7 得φb`=" + FormatNumber("%.3f", r.phiBPrime);
        }
        text += "\r\n -------根据GB50017-2017之6.1.1，该构件抗弯强度为 Mx/(γx*Wnx) +My/(γy*Wny)=" +
                Fmt2(r.sigma) + "N/mm2";
        text += "\r\n -------根据GB50017-2017之6.2.3，该构件整体稳定性验算 Mx/(φb*Wx) "
                "+My/(γy*Wy)=" +
                Fmt2(r.sigmaS) + "N/mm2";
        r.checks.push_back({"抗弯强度 [Mx/(γx*Wnx)+My/(γy*Wny)]/f", std::abs(r.sigma), r.f});
        r.checks.push_back({"整体稳定 [Mx/(φb*Wx)+My/(γy*Wy)]/f", std::abs(r.sigmaS), r.f});
        r.report = std::move(text);
        return r;
    }
    text += "\r\n 按附B.1式，φb=βb*4320*A*h*[(1+(λy*t1/(4.4*h))^2)^0.5 + ηb]*235/(fy*Wx*λy^2) =" +
            FormatNumber("%.3f", r.phiB);
    if (r.inelastic) {
        text += ",\r\n φb>0.6,按附录 B.2 式 得φb`=" + FormatNumber("%.3f", r.phiBPrime);
    }
    text += "\r\n -------根据GB50017-2003之4.1.1，该构件抗弯强度为 Mx/(γx*Wnx) +My/(γy*Wny)=" +
            Fmt2(r.sigma) + "N/mm2";
    text += "\r\n -------根据GB50017-2003之4.2.3，该构件整体稳定性验算 Mx/(φb*Wx) +My/(γy*Wy)=" +
            Fmt2(r.sigmaS) + "N/mm2";
    double f = 0, fv = 0, fce = 0;
    if (GetSteelStrength(in.fy, flange, f, fv, fce)) {
        r.checks.push_back({"抗弯强度 [Mx/(γx*Wnx)+My/(γy*Wny)]/f", std::abs(r.sigma), f});
        r.checks.push_back({"整体稳定 [Mx/(φb*Wx)+My/(γy*Wy)]/f", std::abs(r.sigmaS), f});
    }
    r.report = std::move(text);
    return r;
}

} // namespace ferrolab
