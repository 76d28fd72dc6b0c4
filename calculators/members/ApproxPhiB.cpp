#include "calculators/members/ApproxPhiB.h"

#include <cmath>

#include "calculators/members/BeamStability.h"
#include "engine/BeamStability.h"
#include "engine/Format.h"
#include "engine/ISection.h"
#include "engine/SectionRecord.h"
#include "sections/SectionLists.h"

namespace ferrolab {
namespace {

const std::vector<const char*> kCaptions = {
    "双轴对称工字形(含H型钢)", "单轴对称工字形", "T形，弯矩使翼缘受压：双角钢组成",
    "T形，弯矩使翼缘受压：剖分T型钢或两板组合", "T形，弯矩使翼缘受拉"};

bool IsT(ApproxSection type) {
    return type == ApproxSection::DoubleAngleT || type == ApproxSection::SplitOrPlateT ||
           type == ApproxSection::TFlangeInTension;
}

// What the formulas take from the section, and the lines that show it.
struct Section {
    double iy = 0;
    double a = 0, h = 0, wx = 0, alphaB = 0; // the singly symmetric I
    double stemRatio = 0;                    // the T's stem b/t
    std::string text;
};

bool PlatesPositive(const ApproxPhiBInput& in, bool withBottomFlange) {
    return in.b1 > 0 && in.t1 > 0 && in.hw > 0 && in.tw > 0 &&
           (!withBottomFlange || (in.b2 > 0 && in.t2 > 0));
}

std::string Plates(const ApproxPhiBInput& in) {
    return "B1*t1=" + Fmt2(in.b1) + "*" + Fmt2(in.t1) + "mm, hw*tw=" + Fmt2(in.hw) + "*" +
           Fmt2(in.tw) + "mm";
}

// The singly symmetric welded I: flange 1 compressed.
Section SinglySymmetric(const ApproxPhiBInput& in) {
    double ix = 0, iy = 0, yb = 0, firstMoment = 0;
    CalcISectionProps(in.b1, in.t1, in.hw, in.tw, in.b2, in.t2, &ix, &iy, &yb, &firstMoment);
    Section s;
    s.a = in.b1 * in.t1 + in.hw * in.tw + in.b2 * in.t2;
    s.h = in.t1 + in.hw + in.t2;
    s.wx = ix / (s.h - yb); // to the outer fibre of the compression flange
    const double i1 = in.t1 * in.b1 * in.b1 * in.b1 / 12;
    const double i2 = in.t2 * in.b2 * in.b2 * in.b2 / 12;
    s.alphaB = i1 / (i1 + i2);
    s.iy = std::sqrt(iy / s.a);
    s.text = "焊接工字形截面 受压翼缘 B1*t1=" + Fmt2(in.b1) + "*" + Fmt2(in.t1) +
             "mm, 腹板 hw*tw=" + Fmt2(in.hw) + "*" + Fmt2(in.tw) +
             "mm, 受拉翼缘 B2*t2=" + Fmt2(in.b2) + "*" + Fmt2(in.t2) +
             "mm\r\n截面面积 A=" + Fmt2(s.a) + "mm2 \t 截面总高 h=" + Fmt2(s.h) +
             "mm \t 受压纤维 Wx=" + Fmt2(s.wx) + "mm3\r\nαb=I1/(I1+I2)=" + Fmt3(s.alphaB) + "\r\n";
    return s;
}

// The section that forms λy (and the stem ratio of a T); a refusal's text otherwise.
std::optional<std::string> SectionForLambda(const ApproxPhiBInput& in, ApproxSection type,
                                            Section& s) {
    if (type == ApproxSection::DoubleAngleT) {
        return "双角钢T形截面的iy与两角钢的间距有关，请直接输入λy";
    }
    if (IsRolledHSeries(in.series)) {
        RolledHSection record;
        if (!LoadSectionRecord(in.name, record)) {
            return SectionNotFound(in.name).text;
        }
        s.iy = 10 * record.iy;
        if (IsT(type)) {
            // Split along the web at mid-depth: A and Iy halve, iy is that of the H. The stem
            // reaches from the flange's inner face to the cut.
            s.stemRatio = (record.h / 2 - record.tf) / record.tw;
            s.text = "截面 由" + in.name + "剖分的T型钢: iy=" + Fmt2(s.iy) + "mm\r\n";
            if (type == ApproxSection::TFlangeInTension) {
                s.text += "腹板宽厚比 b/t=(h/2-tf)/tw=(" + Fmt2(record.h / 2) + "-" +
                          Fmt2(record.tf) + ")/" + Fmt2(record.tw) + "=" + Fmt2(s.stemRatio) +
                          "\r\n";
            }
        } else {
            s.text = "截面 " + in.name + ": iy=" + Fmt2(s.iy) + "mm\r\n";
        }
        return std::nullopt;
    }
    if (type == ApproxSection::SinglySymmetricI) {
        return std::nullopt; // formed with Wx, A, h and αb
    }
    if (type == ApproxSection::DoublySymmetricI) {
        if (!PlatesPositive(in, true)) {
            return "焊接截面的尺寸B1、t1、hw、tw、B2、t2必须是大于0的数";
        }
        if (in.b1 != in.b2 || in.t1 != in.t2) {
            return "双轴对称工字形截面的上、下翼缘应相同(B1=B2, t1=t2)";
        }
        const double a = 2 * in.b1 * in.t1 + in.hw * in.tw;
        const double iy = (2 * in.t1 * in.b1 * in.b1 * in.b1 + in.hw * in.tw * in.tw * in.tw) / 12;
        s.iy = std::sqrt(iy / a);
        s.text = "焊接工字形截面 " + Plates(in) + ", B2*t2=" + Fmt2(in.b2) + "*" + Fmt2(in.t2) +
                 "mm: A=" + Fmt2(a) + "mm2, iy=" + Fmt2(s.iy) + "mm\r\n";
        return std::nullopt;
    }
    // Two plates: the flange B1 x t1 and the stem hw x tw.
    if (!PlatesPositive(in, false)) {
        return "焊接截面的尺寸B1、t1、hw、tw必须是大于0的数";
    }
    const double a = in.b1 * in.t1 + in.hw * in.tw;
    const double iy = (in.t1 * in.b1 * in.b1 * in.b1 + in.hw * in.tw * in.tw * in.tw) / 12;
    s.iy = std::sqrt(iy / a);
    s.stemRatio = in.hw / in.tw;
    s.text = "两板组合T形截面 翼缘 B1*t1=" + Fmt2(in.b1) + "*" + Fmt2(in.t1) +
             "mm, 腹板 hw*tw=" + Fmt2(in.hw) + "*" + Fmt2(in.tw) + "mm: A=" + Fmt2(a) +
             "mm2, iy=" + Fmt2(s.iy) + "mm\r\n";
    if (type == ApproxSection::TFlangeInTension) {
        s.text += "腹板宽厚比 b/t=hw/tw=" + Fmt2(s.stemRatio) + "\r\n";
    }
    return std::nullopt;
}

ApproxPhiBResult Refuse(ApproxPhiBResult r, const std::string& text) {
    r.notices.push_back(InputError(text));
    return r;
}

} // namespace

const std::vector<const char*>& ApproxSectionCaptions() {
    return kCaptions;
}

std::vector<std::string> ApproxSeriesEntries() {
    return {std::string(kSeriesCaptionHW), std::string(kSeriesCaptionHM),
            std::string(kSeriesCaptionHN), kWeldedPlatesSeries};
}

ApproxPhiBResult ComputeApproxPhiB(const ApproxPhiBInput& in) {
    ApproxPhiBResult r;
    if (in.section < 0 || in.section > 4) {
        return Refuse(r, "请选择截面类型");
    }
    if (in.fy <= 0) {
        return Refuse(r, "请选择钢号");
    }
    const auto type = static_cast<ApproxSection>(in.section);
    const bool rolled = IsRolledHSeries(in.series);
    Section s;
    const bool e17 = in.edition == kSteel2017;
    std::string text =
        std::string(e17 ? "   -------根据GB50017-2017附录C.0.5，均匀弯曲的受弯构件------"
                        : "   -------根据GB50017-2003附录B.5，均匀弯曲的受弯构件------") +
        "\r\n截面类型: " + std::string(kCaptions[in.section]) + "\r\n";

    // B.5-2 takes Wx, A, h and αb of the welded plates, whichever way λy is found.
    if (type == ApproxSection::SinglySymmetricI) {
        if (rolled) {
            return Refuse(r, "单轴对称工字形截面由焊接截面的尺寸计算，请选择焊接截面");
        }
        if (!PlatesPositive(in, true)) {
            return Refuse(r, "焊接截面的尺寸B1、t1、hw、tw、B2、t2必须是大于0的数");
        }
        s = SinglySymmetric(in);
    }
    if (in.lambdaTyped) {
        if (!(in.lambdaY > 0)) {
            return Refuse(r, "长细比λy必须是大于0的数");
        }
        r.lambdaY = in.lambdaY;
        if (type == ApproxSection::TFlangeInTension) {
            if (!(in.stemRatio > 0)) {
                return Refuse(r, "T形截面腹板宽厚比b/t必须是大于0的数");
            }
            s.stemRatio = in.stemRatio;
        }
        text += s.text + "长细比 λy=" + Fmt2(r.lambdaY) + "\r\n";
    } else {
        if (!(in.l1 > 0)) {
            return Refuse(r, "受压翼缘侧向支承点的距离l1必须是大于0的数");
        }
        if (const auto refusal = SectionForLambda(in, type, s)) {
            return Refuse(r, *refusal);
        }
        const double span = in.l1 * 1000;
        r.lambdaY = span / s.iy;
        text += s.text + "长细比 λy=l1/iy=" + Fmt2(span) + "/" + Fmt2(s.iy) + "=" +
                Fmt2(r.lambdaY) + "\r\n";
    }
    const double steel = in.fy / 235.0; // fy/235
    r.limit = 120 * std::sqrt(235.0 / in.fy);
    if (!AllFinite({r.lambdaY, s.iy, s.wx, s.stemRatio})) {
        return Refuse(r, OutOfComputableRange().text);
    }
    const std::string grade = std::to_string(in.fy);
    if (e17) {
        if (r.lambdaY > r.limit) {
            return Refuse(r, "λy=" + Fmt2(r.lambdaY) + "大于120*εk=120*sqrt(235/" + grade +
                                 ")=" + Fmt2(r.limit) + "，不能按附录C.0.5近似计算φb");
        }
        text += " λy≤120*εk=120*sqrt(235/" + grade + ")=" + Fmt2(r.limit) + "\r\n";
    }
    if (r.lambdaY > r.limit) {
        return Refuse(r, "λy=" + Fmt2(r.lambdaY) + "大于120*sqrt(235/fy)=" + Fmt2(r.limit) +
                             "，不能按附录B.5近似计算φb");
    }
    if (!e17) {
        text += " λy≤120*sqrt(235/fy)=" + Fmt2(r.limit) + "\r\n";
    }
    const std::string lambda = Fmt2(r.lambdaY);
    double raw = 0;
    switch (type) {
    case ApproxSection::DoublySymmetricI:
        raw = 1.07 - r.lambdaY * r.lambdaY / 44000 * steel;
        text += e17 ? " 按式C.0.5-1，φb=1.07-λy^2/(44000*εk^2)=1.07-" + lambda + "^2/(44000*235/" +
                          grade + ")=" + Fmt3(raw)
                    : " 按式B.5-1，φb=1.07-λy^2/44000*fy/235=1.07-" + lambda + "^2/44000*" + grade +
                          "/235=" + Fmt3(raw);
        break;
    case ApproxSection::SinglySymmetricI:
        raw = 1.07 -
              s.wx / ((2 * s.alphaB + 0.1) * s.a * s.h) * r.lambdaY * r.lambdaY / 14000 * steel;
        text += e17 ? " 按式C.0.5-2，φb=1.07-Wx/((2*αb+0.1)*A*h)*λy^2/(14000*εk^2)=1.07-" +
                          Fmt2(s.wx) + "/((2*" + Fmt3(s.alphaB) + "+0.1)*" + Fmt2(s.a) + "*" +
                          Fmt2(s.h) + ")*" + lambda + "^2/(14000*235/" + grade + ")=" + Fmt3(raw)
                    : " 按式B.5-2，φb=1.07-Wx/((2*αb+0.1)*A*h)*λy^2/14000*fy/235=1.07-" +
                          Fmt2(s.wx) + "/((2*" + Fmt3(s.alphaB) + "+0.1)*" + Fmt2(s.a) + "*" +
                          Fmt2(s.h) + ")*" + lambda + "^2/14000*" + grade + "/235=" + Fmt3(raw);
        break;
    case ApproxSection::DoubleAngleT:
        raw = 1 - 0.0017 * r.lambdaY * std::sqrt(steel);
        text += e17 ? " 按式C.0.5-3，φb=1-0.0017*λy/εk=1-0.0017*" + lambda + "/sqrt(235/" + grade +
                          ")=" + Fmt3(raw)
                    : " 按式B.5-3，φb=1-0.0017*λy*sqrt(fy/235)=1-0.0017*" + lambda + "*sqrt(" +
                          grade + "/235)=" + Fmt3(raw);
        break;
    case ApproxSection::SplitOrPlateT:
        raw = 1 - 0.0022 * r.lambdaY * std::sqrt(steel);
        text += e17 ? " 按式C.0.5-4，φb=1-0.0022*λy/εk=1-0.0022*" + lambda + "/sqrt(235/" + grade +
                          ")=" + Fmt3(raw)
                    : " 按式B.5-4，φb=1-0.0022*λy*sqrt(fy/235)=1-0.0022*" + lambda + "*sqrt(" +
                          grade + "/235)=" + Fmt3(raw);
        break;
    case ApproxSection::TFlangeInTension: {
        const double stemLimit = 18 * std::sqrt(235.0 / in.fy);
        if (e17 && s.stemRatio > stemLimit) {
            return Refuse(r, "T形截面腹板宽厚比b/t=" + Fmt2(s.stemRatio) +
                                 "大于18*εk=" + Fmt2(stemLimit) + "，不能按式C.0.5-5计算φb");
        }
        if (s.stemRatio > stemLimit) {
            return Refuse(r, "T形截面腹板宽厚比b/t=" + Fmt2(s.stemRatio) + "大于18*sqrt(235/fy)=" +
                                 Fmt2(stemLimit) + "，不能按式B.5-5计算φb");
        }
        raw = 1 - 0.0005 * r.lambdaY * std::sqrt(steel);
        text += e17 ? " 腹板宽厚比 b/t=" + Fmt2(s.stemRatio) + "≤18*εk=" + Fmt2(stemLimit) +
                          "\r\n 按式C.0.5-5，φb=1-0.0005*λy/εk=1-0.0005*" + lambda + "/sqrt(235/" +
                          grade + ")=" + Fmt3(raw)
                    : " 腹板宽厚比 b/t=" + Fmt2(s.stemRatio) +
                          "≤18*sqrt(235/fy)=" + Fmt2(stemLimit) +
                          "\r\n 按式B.5-5，φb=1-0.0005*λy*sqrt(fy/235)=1-0.0005*" + lambda +
                          "*sqrt(" + grade + "/235)=" + Fmt3(raw);
        break;
    }
    }
    if (!std::isfinite(raw)) {
        return Refuse(r, OutOfComputableRange().text);
    }
    r.phiB = raw;
    if (raw > 1.0) {
        // B.5-1 and B.5-2 only: the T formulas never exceed 1.0 for λy >= 0.
        r.phiB = 1.0;
        text += ">1.0，取φb=1.000";
    }
    text += e17 ? "\r\n 注：按式C.0.5-1至C.0.5-5算得的φb值大于0.6时，不需按式C.0.1-7换算成φb`值。"
                : "\r\n 注：按式B.5-1至B.5-5算得的φb值大于0.6时，不需按式B.1-2换算成φb`值。";
    r.report = std::move(text);
    return r;
}

} // namespace ferrolab
