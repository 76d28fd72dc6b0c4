#include "calculators/members/ColdFormedBeam.h"

#include <cmath>

#include "engine/Format.h"
#include "engine/SectionRecord.h"

namespace ferrolab {
namespace {

// 4320 · 235 of formula A.2.1-1.
constexpr double k4320Times235 = 1015200;

// The channel lines from the second moments on, shared by both channel kinds.
template <class Channel> std::string ChannelTail(const Channel& s) {
    return "\r\n 惯性矩   Ix：" + Fmt2(s.Ix) + "cm4" + "\r\n 惯性矩   Iy：" + Fmt2(s.Iy) + "cm4" +
           "\r\n 惯性矩  Iy1：" + Fmt2(s.Iy1) + "cm4" + "\r\n 回转半径 ix：" + Fmt2(s.ix) + "cm" +
           "\r\n 回转半径 iy：" + Fmt2(s.iy) + "cm" + "\r\n 抵抗矩   Wx：" + Fmt2(s.Wx) + "cm3" +
           "\r\n 抵抗矩Wymax：" + Fmt2(s.Wymax) + "cm3" + "\r\n 抵抗矩Wymin：" + Fmt2(s.Wymin) +
           "cm3" + "\r\n 弯心与形心间距：" + Fmt2(s.e0) + "cm" + "\r\n 扭转惯性矩It  ：" +
           Fmt4(s.It) + "cm4" + "\r\n 扇性惯性矩Iω ：" + Fmt2(s.Iw) + "cm6" +
           "\r\n         Wω1  ：" + Fmt2(s.Ww1) + "cm4" + "\r\n           Wω2：" + Fmt2(s.Ww2) +
           "cm4";
}

void LoadPlainChannel(std::string_view name, CFBeamSectionLoad& load) {
    CFChannelSection s;
    load.found = LoadSectionRecord(name, s);
    load.text = "薄壁槽钢的参数:" + std::string("\r\n 截面积     ：") + Fmt2(s.A) + "cm2" +
                "\r\n 截面总高度 h：" + Fmt2(s.h) + "mm" + "\r\n 截面宽度 b  ：" + Fmt2(s.b) +
                "mm" + "\r\n 板厚度 t    ：" + Fmt2(s.t) + "mm" + "\r\n 每延米质量 ：" +
                Fmt2(s.mass) + "kg/m" + "\r\n y轴与腹板外边缘间距：x0" + Fmt3(s.x0) + "cm" +
                ChannelTail(s);
    load.values = {s.A, s.h, s.Wx, s.Iw, s.Iy, s.It, s.iy};
}

void LoadLippedChannel(std::string_view name, CFBeamSectionLoad& load) {
    CFLippedChannelSection s;
    load.found = LoadSectionRecord(name, s);
    load.text = "卷边槽钢的参数:" + std::string("\r\n 截面积     ：") + Fmt2(s.A) + "cm2" +
                "\r\n 截面总高度 h ：" + Fmt2(s.h) + "mm" + "\r\n 截面宽度 b  ：" + Fmt2(s.b) +
                "mm" + "\r\n a：" + Fmt2(s.a) + "mm" + "\r\n 板厚度 t     ：" + Fmt2(s.t) + "mm" +
                "\r\n 每延米质量 ：" + Fmt2(s.mass) + "kg/m" + "\r\n y轴与腹板外边缘间距 x0：" +
                Fmt3(s.x0) + "cm" + ChannelTail(s);
    load.values = {s.A, s.h, s.Wx, s.Iw, s.Iy, s.It, s.iy};
}

void LoadLippedZ(std::string_view name, CFBeamSectionLoad& load) {
    CFLippedZSection s;
    load.found = LoadSectionRecord(name, s);
    load.text =
        "卷边Z形钢的参数:" + std::string("\r\n 截面积：") + Fmt2(s.A) + "cm2" + "\r\n   h  ：" +
        Fmt2(s.h) + "mm" + "\r\n   b  ：" + Fmt2(s.b) + "mm" + "\r\n   a  ：" + Fmt2(s.a) + "mm" +
        "\r\n   t  ：" + Fmt2(s.t) + "mm" + "\r\n 每延米质量 ：" + Fmt2(s.mass) + "kg/m" +
        "\r\n   θ ：" + Fmt3(s.theta) + "\r\n" + "\r\n 关于x1--x1轴参数 \r\n     Ix1：" +
        Fmt2(s.Ix1) + "cm4" + "\r\n     ix1：" + Fmt2(s.ix1) + "cm" + "\r\n     Wx1：" +
        Fmt2(s.Wx1) + "cm3 \r\n" + "\r\n 关于y1--y1轴参数 \r\n     Iy1：" + Fmt2(s.Iy1) + "cm4" +
        "\r\n     iy1：" + Fmt2(s.iy1) + "cm" + "\r\n     Wy1：" + Fmt2(s.Wy1) + "cm3 \r\n" +
        "\r\n 关于x--x轴参数 \r\n     Ix：" + Fmt2(s.Ix) + "cm4" + "\r\n     ix：" + Fmt2(s.ix) +
        "cm" + "\r\n     Wx1：" + Fmt4(s.WxPoint1) + "cm3" + "\r\n     Wx2：" + Fmt2(s.WxPoint2) +
        "cm3 \r\n" + "\r\n 关于y--y轴参数 \r\n     Iy：" + Fmt2(s.Iy) + "cm4" + "\r\n     iy：" +
        Fmt2(s.iy) + "cm" + "\r\n     Wy1：" + Fmt4(s.WyPoint1) + "cm3" + "\r\n     Wy2：" +
        Fmt2(s.WyPoint2) + "cm3 \r\n" + "\r\n   Ix1y1：" + Fmt2(s.Ix1y1) + "cm4" + "\r\n   It：" +
        Fmt4(s.It) + "cm4" + "\r\n   Iw：" + Fmt2(s.Iw) + "cm6" + "\r\n   k：" + Fmt4(s.k) +
        "cm-1" + "\r\n   Ww1：" + Fmt2(s.Ww1) + "cm4" + "\r\n   Ww2：" + Fmt2(s.Ww2) + "cm4";
    load.values = {s.A, s.h, s.WxPoint1, s.Iw, s.Iy, s.It, s.iy};
}

void LoadLightH(std::string_view name, CFBeamSectionLoad& load) {
    LightHSection s;
    load.found = LoadSectionRecord(name, s);
    load.text = "大通高频焊接轻型H型钢参数表:" + std::string("\r\n A  ：") + Fmt2(s.A) + "cm2" +
                "\r\n H  ：" + Fmt2(s.H) + "mm" + "\r\n B  ：" + Fmt2(s.B) + "mm" + "\r\n Tw ：" +
                Fmt2(s.tw) + "mm" + "\r\n Tf ：" + Fmt2(s.tf) + "mm" + "\r\n 每延米质量 ：" +
                Fmt3(s.mass) + "kg/m" + "\r\n Ix ：" + Fmt2(s.Ix) + "cm4" + "\r\n Iy ：" +
                Fmt2(s.Iy) + "cm4" + "\r\n ix ：" + Fmt2(s.ix) + "cm" + "\r\n iy ：" + Fmt2(s.iy) +
                "cm" + "\r\n Wx ：" + Fmt2(s.Wx) + "cm3" + "\r\n Wy ：" + Fmt2(s.Wy) + "cm3" +
                "\r\n Iw ：" + Fmt2(s.Iw) + "cm6" + "\r\n It ：" + Fmt2(s.It) + "cm4";
    load.values = {s.A, s.H, s.Wx, s.Iw, s.Iy, s.It, s.iy};
}

} // namespace

// A kind entry is recognised by its first three characters.
NameList ColdFormedBeamNames(std::string_view kind) {
    if (kind.starts_with("薄壁槽")) {
        return CFChannelNames();
    }
    if (kind.starts_with("卷边槽")) {
        return CFLippedChannelNames();
    }
    if (kind.starts_with("卷边Z")) {
        return CFLippedZNames();
    }
    if (kind.starts_with("大通薄")) {
        return LightHNames();
    }
    return {};
}

const char* ColdFormedBeamPicture(std::string_view kind) {
    if (kind.starts_with("薄壁槽")) {
        return ":/pictures/coldformed_beam_channel.svg";
    }
    if (kind.starts_with("卷边槽")) {
        return ":/pictures/coldformed_beam_lipped_channel.svg";
    }
    if (kind.starts_with("卷边Z")) {
        return ":/pictures/coldformed_beam_lipped_z.svg";
    }
    if (kind.starts_with("大通薄")) {
        return ":/pictures/coldformed_beam_light_h.svg";
    }
    return "";
}

CFBeamSectionLoad LoadColdFormedBeamSection(std::string_view name) {
    CFBeamSectionLoad load;
    load.recognised = true;
    if (name.starts_with("薄槽")) {
        LoadPlainChannel(name, load);
    } else if (name.starts_with("卷槽")) {
        LoadLippedChannel(name, load);
    } else if (name.starts_with("卷Z1")) {
        LoadLippedZ(name, load);
    } else if (name.starts_with("大通")) {
        LoadLightH(name, load);
    } else {
        load.recognised = false;
        return load;
    }
    load.RefuseIfMissing(name);
    return load;
}

std::optional<double> ReducedBeamPhi(double phiBx) {
    if (phiBx > 0.7) {
        return 1.091 - 0.274 / phiBx;
    }
    return std::nullopt;
}

std::string ColdFormedBeamReport(const CFBeamFactors& f, double xi, double eta, double phiBx) {
    std::string text =
        "根据GB50018-2002之表A.2.1，得：\r\n μb:" + Fmt2(f.muB) + "\r\n ξ1:" + Fmt2(f.xi1) +
        "\r\n ξ2:" + Fmt2(f.xi2) +
        "\r\n 根据式A.2.1-3, ξ = 4 *Iω/(h^2 *Iy) +0.156 *It *L0^2 /(Iy *h^2) =" + Fmt2(xi) +
        "\r\n 根据式A.2.1-2,η=2 *ξ2 *ea/h　=" + Fmt2(eta) +
        "\r\n 根据式A.2.1-3,得对于单轴或双轴对称截面（包括反对称截面的简支梁）"
        "当绕对称轴弯曲时，" +
        "其整体稳定系数 φbx =4320 *A *h *ξ1 *(sqrt(η^2 +ξ) +η)*235/(fy * λy^2* Wx)=" + Fmt3(phiBx);
    if (const auto reduced = ReducedBeamPhi(phiBx)) {
        text += "\r\n φbx >0.7 ,按照A.2.1-4，φ'bx =1.091 - 0.274/φbx =" + Fmt3(*reduced);
    }
    return text;
}

ColdFormedBeamResult ComputeColdFormedBeam(const ColdFormedBeamInput& in) {
    ColdFormedBeamResult r;
    const CFBeamSection& s = in.section;
    if (!(s.A > 0 && s.h > 0 && s.Wx > 0 && s.Iw > 0 && s.Iy > 0 && s.It > 0 && s.iy > 0)) {
        r.notices.push_back(
            InputError("截面参数不全：A、h、Wx、Iy、iy、扇性惯性矩Iω和扭转惯性矩It都必须大于0"));
        return r;
    }
    if (!(in.l > 0)) {
        r.notices.push_back(InputError("梁的跨度l必须是大于0的数"));
        return r;
    }
    if (!std::isfinite(in.ea)) {
        r.notices.push_back(InputError("荷载作用点到弯心的距离ea不是一个数"));
        return r;
    }
    if (!GetColdFormedBeamFactors(in.bracing, in.loadCase, &r.factors)) {
        r.notices.push_back(InputError("没有这种荷载或支承情况"));
        return r;
    }

    // Formula A.2.1 works in cm.
    const double h = s.h * 0.1;
    const double ea = in.ea * 0.1;
    const double l0 = r.factors.muB * in.l * 0.1;
    const double lambdaY = l0 / s.iy;
    r.xi = 4 * s.Iw / (h * h * s.Iy) + 0.156 * s.It * (l0 / h) * (l0 / h) / s.Iy;
    // Where the table gives no ξ2 the load position does not matter: η is 0, never −0.
    r.eta = r.factors.xi2 == 0 ? 0.0 : 2 * r.factors.xi2 * ea / h;
    const double fy = in.grade == 1 ? 345 : 235;
    r.phiBx = k4320Times235 * s.A * h * r.factors.xi1 * (std::sqrt(r.eta * r.eta + r.xi) + r.eta) /
              (fy * lambdaY * lambdaY * s.Wx);
    if (!std::isfinite(r.xi) || !std::isfinite(r.eta) || !std::isfinite(r.phiBx)) {
        // A span or ea so large (or a span so small) that the powers leave the range of a double.
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    r.phiBxReduced = ReducedBeamPhi(r.phiBx);
    r.report = ColdFormedBeamReport(r.factors, r.xi, r.eta, r.phiBx);
    return r;
}

} // namespace ferrolab
