#include "calculators/members/AxialMember.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/AxialStability.h"
#include "engine/Format.h"
#include "engine/Materials2017.h"
#include "engine/Members2017.h"
#include "engine/SectionRecord.h"

namespace ferrolab {
namespace {

const std::array<const char*, kAxialSectionKindCount> kKindCaptions = {
    "马钢宽翼缘HW系列", "马钢中翼缘HM系列", "马钢窄翼缘HN系列",
    "热轧普通工字钢",   "焊接工字形",       "四肢格构式-等边角钢",
};

// 1/12 of a mm4 value in cm4.
constexpr double kTwelfthMm4ToCm4 = 8.333333333333334e-6;

constexpr const char* kNetFactorMessage = "请输入一个界于0.0和1.0之间的一个正实数";
constexpr const char* kSectionMessage = "截面参数必须是大于0的数值";
constexpr const char* kLengthMessage = "计算长度必须是大于0的数值";
constexpr const char* kOverflowMessage = "输入的数值过大，无法得到有意义的结果";

std::string CataloguePropertyText(double tw, double t, double A, double Ix, double Iy, double ix,
                                  double iy, double b, double h) {
    return " 腹板厚:" + Fmt2(tw) + "mm  \r\n 翼缘厚:" + Fmt2(t) + "mm \r\n " + "截面积:" + Fmt2(A) +
           "cm2 \r\n Ix:" + Fmt2(Ix) + "cm4 \r\n Iy:" + Fmt2(Iy) + "cm4 \r\n " + "ix:" + Fmt2(ix) +
           "cm \r\n iy:" + Fmt2(iy) + "cm \r\n " + "b/h =" + Fmt2(b / h);
}

bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

// The buckling block of one axis to GB50017-2017: the class of table 7.2.1-1 or 7.2.1-2 (a* and
// b* resolved by the grade), λ, λ/εk, φ of appendix D and N/(φA) of formula 7.2.1.
std::string BucklingBlock2017(char axis, const AxialClass2017& c, double lambda, double epsK,
                              double phi, double sigma, double f) {
    const std::string a(1, axis);
    std::string block = " -----对" + a + "轴，按表" + (c.thick ? "7.2.1-2" : "7.2.1-1") +
                        "截面属于" + c.printed + "类";
    if (c.printed.size() > 1) {
        block += "，取" + std::string(1, c.curve) + "类";
    }
    block += "-----\r\n λ" + a + ":" + Fmt2(lambda) + "\r\n λ" + a + "/εk:" + Fmt2(lambda / epsK) +
             "\r\n φ" + a + ":" + FormatNumber("%.4f", phi) + "（附录D）" + "\r\n N/(φ" + a +
             "*A) =" + FormatNumber("%.4f", sigma) + " N/mm2（式7.2.1，f=" + Fmt2(f) + "N/mm2）";
    return block;
}

// The check to GB50017-2017 of a section already found usable.
void ComputeAxialMember2017(const AxialMemberInput& in, const AxialSection& s,
                            AxialMemberResult& r) {
    // f and fu of table 4.4.1 by the thickest plate.
    const double thickest = std::max(s.t, s.tw);
    const std::string gradeName = GradeName(in.grade);
    const std::optional<Steel2017> steel = GetSteelStrength2017(gradeName, thickest);
    if (!steel) {
        r.notices.push_back(InputError("板件厚度" + Fmt2(thickest) +
                                       "mm超出GB50017-2017表4.4.1的范围（不大于100mm）"));
        return;
    }
    if ((in.N < 0 && in.xOn && !Positive(s.ix)) || (in.N < 0 && in.yOn && !Positive(s.iy))) {
        r.notices.push_back(InputError(kSectionMessage));
        return;
    }
    if ((in.N < 0 && in.xOn && !Positive(in.lx)) || (in.N < 0 && in.yOn && !Positive(in.ly))) {
        r.notices.push_back(InputError(kLengthMessage));
        return;
    }
    r.f = steel->f;
    r.fu = steel->fu;
    r.fy = in.grade; // εk and φ take the number in the grade's name
    r.epsK = EpsilonK(r.fy);
    r.An = s.A * in.netFactor;
    r.sigmaN = in.N * 10 / r.An;
    r.sigmaGross = in.N * 10 / s.A;
    const double fracture = 0.7 * r.fu;
    std::string report = " -----按GB50017-2017计算-----\r\n钢号" + gradeName +
                         "，εk=sqrt(235/fy)=" + FormatNumber("%.3f", r.epsK) +
                         "\r\n最厚板件t=" + Fmt2(thickest) + "mm，按表4.4.1 f=" + Fmt2(r.f) +
                         "N/mm2，fu=" + Fmt2(r.fu) +
                         "N/mm2\r\n毛截面面积:" + FormatNumber("%.4f", s.A) +
                         "cm2\r\n净截面面积:" + FormatNumber("%.4f", r.An) + "cm2\r\n";
    // 7.1.1 for tension; 7.1.2 takes a compression member to the same two formulas (the net
    // section where the member has holes).
    report += in.N >= 0 ? " -----截面强度（7.1.1条）-----\r\n"
                        : " -----截面强度（7.1.2条，按式7.1.1-1、7.1.1-2）-----\r\n";
    report += " 毛截面屈服 N/A =" + Fmt2(r.sigmaGross) + "N/mm2（式7.1.1-1，f=" + Fmt2(r.f) +
              "N/mm2）\r\n 净截面断裂 N/An =" + Fmt2(r.sigmaN) +
              "N/mm2（式7.1.1-2，0.7fu=" + Fmt2(fracture) + "N/mm2）\r\n";
    std::vector<double> shown = {r.An, r.sigmaN, r.sigmaGross};

    if (in.N < 0) {
        r.buckling = true;
        const AxialClass2017 cx =
            GetSectionClass2017(s.sectionType, s.b, s.h, s.t, 'x', s.welded, in.flameCut, r.fy);
        const AxialClass2017 cy =
            GetSectionClass2017(s.sectionType, s.b, s.h, s.t, 'y', s.welded, in.flameCut, r.fy);
        r.cx = cx.curve;
        r.cy = cy.curve;
        r.classX = cx.printed;
        r.classY = cy.printed;
        if (in.xOn) {
            r.lambdaX = in.lx * 100 / s.ix;
            r.phiX = GetAxialPhi(r.lambdaX, r.cx, r.fy);
            r.sigmaX = in.N * 10 / (r.phiX * s.A);
            report += BucklingBlock2017('x', cx, r.lambdaX, r.epsK, r.phiX, r.sigmaX, r.f);
            shown.insert(shown.end(), {r.lambdaX, r.phiX, r.sigmaX});
        }
        if (in.yOn) {
            r.lambdaY = in.ly * 100 / s.iy;
            r.phiY = GetAxialPhi(r.lambdaY, r.cy, r.fy);
            r.sigmaY = in.N * 10 / (r.phiY * s.A);
            report += std::string(in.xOn ? "\r\n" : "") +
                      BucklingBlock2017('y', cy, r.lambdaY, r.epsK, r.phiY, r.sigmaY, r.f);
            shown.insert(shown.end(), {r.lambdaY, r.phiY, r.sigmaY});
        }
    }
    const bool finite =
        std::all_of(shown.begin(), shown.end(), [](double v) { return std::isfinite(v); });
    if (!finite || (r.buckling && ((in.xOn && !(r.phiX > 0)) || (in.yOn && !(r.phiY > 0))))) {
        r.notices.push_back(InputError(kOverflowMessage));
        return;
    }
    r.checks.push_back({"毛截面屈服 N/A/f", std::abs(r.sigmaGross), r.f});
    r.checks.push_back({"净截面断裂 N/An/(0.7fu)", std::abs(r.sigmaN), fracture});
    if (r.buckling && in.xOn) {
        r.checks.push_back({"x轴整体稳定 N/(φx*A)/f", std::abs(r.sigmaX), r.f});
    }
    if (r.buckling && in.yOn) {
        r.checks.push_back({"y轴整体稳定 N/(φy*A)/f", std::abs(r.sigmaY), r.f});
    }
    r.report = std::move(report);
}

} // namespace

const char* AxialSectionKindCaption(AxialSectionKind kind) {
    return kKindCaptions.at(static_cast<std::size_t>(kind));
}

std::optional<AxialSectionKind> AxialSectionKindOf(std::string_view caption) {
    for (std::size_t i = 0; i < kKindCaptions.size(); ++i) {
        if (caption == kKindCaptions[i]) {
            return static_cast<AxialSectionKind>(i);
        }
    }
    return std::nullopt;
}

NameList AxialSectionNames(AxialSectionKind kind) {
    switch (kind) {
    case AxialSectionKind::HW:
        return HWNames();
    case AxialSectionKind::HM:
        return HMNames();
    case AxialSectionKind::HN:
        return HNNames();
    case AxialSectionKind::RolledI:
        return IBeamNames();
    case AxialSectionKind::FourAngles:
        return AxialMemberAngleNames();
    case AxialSectionKind::WeldedI:
        break;
    }
    return {};
}

Notice NotYetAvailableNotice() {
    return Notice{"还没来得及做", "呵呵", NoticeIcon::Error};
}

AxialSectionLoad LoadAxialSection(std::string_view name) {
    AxialSectionLoad load;
    const std::string_view prefix = name.substr(0, 2);
    AxialSection s;
    if (prefix == "HW" || prefix == "HM" || prefix == "HN") {
        RolledHSection record;
        if (!LoadSectionRecord(name, record)) {
            load.notices.push_back(InputError("截面库中找不到截面" + std::string(name)));
            return load;
        }
        s.h = record.h;
        s.b = record.b;
        s.tw = record.tw;
        s.t = record.tf;
        s.A = record.A;
        s.ix = record.ix;
        s.iy = record.iy;
        s.Ix = record.Ix;
        s.Iy = record.Iy;
    } else if (!name.empty() && name.front() == 'I') {
        RolledISection record;
        if (!LoadSectionRecord(name, record)) {
            load.notices.push_back(InputError("截面库中找不到截面" + std::string(name)));
            return load;
        }
        s.h = record.h;
        s.b = record.b;
        s.tw = record.tw;
        s.t = record.t;
        s.A = record.A;
        s.ix = record.ix;
        s.iy = record.iy;
        s.Ix = record.Ix;
        s.Iy = record.Iy;
    } else {
        load.notices.push_back(NotYetAvailableNotice());
        return load;
    }
    s.sectionType = kSectionTypeRolledI;
    s.welded = 0;
    load.propertyText = CataloguePropertyText(s.tw, s.t, s.A, s.Ix, s.Iy, s.ix, s.iy, s.b, s.h);
    load.section = s;
    return load;
}

AxialSection WeldedAxialSection(double b, double t, double tw, double hw) {
    AxialSection s;
    s.b = b;
    s.t = t;
    s.tw = tw;
    s.hw = hw;
    s.h = hw + 2 * t;
    s.A = (hw * tw + 2 * b * t) * 0.01;
    s.Ix = (b * s.h * s.h * s.h - (b - tw) * hw * hw * hw) * kTwelfthMm4ToCm4;
    s.Iy = (2 * t * b * b * b + hw * tw * tw * tw) * kTwelfthMm4ToCm4;
    s.ix = std::sqrt(s.Ix / s.A);
    s.iy = std::sqrt(s.Iy / s.A);
    s.sectionType = kSectionTypeWeldedI;
    s.welded = 1;
    return s;
}

bool IsUsableWeldedSection(const AxialSection& s) {
    return Positive(s.b) && Positive(s.t) && Positive(s.tw) && Positive(s.hw) && Positive(s.A) &&
           Positive(s.Ix) && Positive(s.Iy) && Positive(s.ix) && Positive(s.iy);
}

std::string WeldedPropertyText(const AxialSection& s) {
    if (!IsUsableWeldedSection(s)) {
        return std::string(" ") + kSectionMessage;
    }
    return " 横截面积=\t" + Fmt2(s.A) + "cm" + "2" + "\r\n Ix=\t" + Fmt2(s.Ix) + "cm" + "4" +
           "\r\n Iy=\t" + Fmt2(s.Iy) + "cm" + "4" + "\r\n ix=\t" + Fmt2(s.ix) + "cm" +
           "\r\n iy=\t" + Fmt2(s.iy) + "cm";
}

AxialMemberResult ComputeAxialMember(const AxialMemberInput& in) {
    AxialMemberResult r;
    if (!(in.netFactor > 0 && in.netFactor <= 1)) {
        r.notices.push_back(Notice{kNetFactorMessage, kApplicationCaption, NoticeIcon::None});
        return r;
    }
    if (!in.section) {
        r.notices.push_back(NotYetAvailableNotice());
        return r;
    }
    const AxialSection& s = *in.section;
    if ((s.welded && !IsUsableWeldedSection(s)) || !Positive(s.A)) {
        r.notices.push_back(InputError(kSectionMessage));
        return r;
    }
    if (in.edition == kSteel2017) {
        ComputeAxialMember2017(in, s, r);
        return r;
    }

    r.An = s.A * in.netFactor;
    r.sigmaN = in.N * 10 / r.An;
    std::string report = "净截面面积:" + FormatNumber("%.4f", r.An) + "cm2\r\n" + "净截面强度;" +
                         Fmt2(r.sigmaN) + "N/mm2\r\n";
    std::vector<double> shown = {r.An, r.sigmaN};

    if (in.N < 0) {
        // The buckling check needs a radius of gyration and a length about every ticked axis.
        if ((in.xOn && !Positive(s.ix)) || (in.yOn && !Positive(s.iy))) {
            r.notices.push_back(InputError(kSectionMessage));
            return r;
        }
        if ((in.xOn && !Positive(in.lx)) || (in.yOn && !Positive(in.ly))) {
            r.notices.push_back(InputError(kLengthMessage));
            return r;
        }
        r.buckling = true;
        r.cx = GetSectionClass(s.sectionType, s.b, s.h, s.t, 'x', s.welded, in.flameCut);
        r.cy = GetSectionClass(s.sectionType, s.b, s.h, s.t, 'y', s.welded, in.flameCut);
        // fy of the thicker plate, which has the lower yield strength.
        r.fy = GetYieldStrength(in.grade, std::max(s.t, s.tw));
        if (in.xOn) {
            r.lambdaX = in.lx * 100 / s.ix;
            r.phiX = GetAxialPhi(r.lambdaX, r.cx, r.fy);
            r.sigmaX = in.N * 10 / (r.phiX * s.A);
            report += " \r\n -----对x轴，截面属于" + std::string(1, r.cx) + "类曲线-----" +
                      "\r\n λx:" + Fmt2(r.lambdaX) + "\r\n φx:" + FormatNumber("%.4f", r.phiX) +
                      "\r\n N/(φx*A) =" + FormatNumber("%.4f", r.sigmaX) + " N/mm2";
            shown.insert(shown.end(), {r.lambdaX, r.phiX, r.sigmaX});
        }
        if (in.yOn) {
            r.lambdaY = in.ly * 100 / s.iy;
            r.phiY = GetAxialPhi(r.lambdaY, r.cy, r.fy);
            r.sigmaY = in.N * 10 / (r.phiY * s.A);
            report += "              \r\n\r\n -----对y轴，截面属于" + std::string(1, r.cy) +
                      "类曲线-----" + "\r\n λy:" + Fmt2(r.lambdaY) +
                      "\r\n φy:" + FormatNumber("%.4f", r.phiY) +
                      "\r\n N/(φy*A) =" + FormatNumber("%.4f", r.sigmaY) + " N/mm2";
            shown.insert(shown.end(), {r.lambdaY, r.phiY, r.sigmaY});
        }
    }

    // Values so large that a stress or φ overflows (or φ vanishes) would print as inf or nan.
    const bool finite =
        std::all_of(shown.begin(), shown.end(), [](double v) { return std::isfinite(v); });
    if (!finite || (r.buckling && ((in.xOn && !(r.phiX > 0)) || (in.yOn && !(r.phiY > 0))))) {
        r.notices.push_back(InputError(kOverflowMessage));
        return r;
    }
    double f = 0, fv = 0, fce = 0;
    if (GetSteelStrength(in.grade, std::max(s.t, s.tw), f, fv, fce)) {
        r.checks.push_back({"净截面强度 N/An/f", std::abs(r.sigmaN), f});
        if (r.buckling && in.xOn) {
            r.checks.push_back({"x轴整体稳定 N/(φx*A)/f", std::abs(r.sigmaX), f});
        }
        if (r.buckling && in.yOn) {
            r.checks.push_back({"y轴整体稳定 N/(φy*A)/f", std::abs(r.sigmaY), f});
        }
    }
    r.report = std::move(report);
    return r;
}

} // namespace ferrolab
