#include "calculators/members/ColdFormedAxial.h"

#include <cmath>

#include "engine/AxialStability.h"
#include "engine/Format.h"
#include "engine/SectionRecord.h"

namespace ferrolab {
namespace {

void LoadChannel(std::string_view name, CFAxialSectionLoad& load) {
    CFChannelSection s;
    load.found = LoadSectionRecord(name, s);
    load.text = "薄壁槽钢的参数:" + std::string("\r\n 截面积     ：") + Fmt2(s.A) + "cm2" +
                "\r\n 截面总高度 ：" + Fmt2(s.h) + "mm" + "\r\n 截面宽度   ：" + Fmt2(s.b) + "mm" +
                "\r\n 板厚度     ：" + Fmt2(s.t) + "mm" + "\r\n 每延米质量 ：" + Fmt2(s.mass) +
                "kg/m" + "\r\n y轴与腹板外边缘间距：" + Fmt3(s.x0) + "cm" + "\r\n 惯性矩   Ix：" +
                Fmt2(s.Ix) + "cm4" + "\r\n 惯性矩   Iy：" + Fmt2(s.Iy) + "cm4" +
                "\r\n 惯性矩  Iy1：" + Fmt2(s.Iy1) + "cm4" + "\r\n 回转半径 ix：" + Fmt2(s.ix) +
                "cm" + "\r\n 回转半径 iy：" + Fmt2(s.iy) + "cm" + "\r\n 抵抗矩   Wx：" +
                Fmt2(s.Wx) + "cm3" + "\r\n 抵抗矩Wymax：" + Fmt2(s.Wymax) + "cm3" +
                "\r\n 抵抗矩Wymin：" + Fmt2(s.Wymin) + "cm3" + "\r\n 弯心与形心间距：" +
                Fmt2(s.e0) + "cm" + "\r\n 扭转惯性矩It  ：" + Fmt4(s.It) + "cm4" +
                "\r\n 扇性惯性矩Iω ：" + Fmt2(s.Iw) + "cm6" + "\r\n          Wω1 ：" + Fmt2(s.Ww1) +
                "cm4" + "\r\n          Wω2 ：" + Fmt2(s.Ww2) + "cm4";
    load.values = {CFAxialKind::Channel, s.ix, s.iy, s.e0, s.Iw, s.It, s.A};
}

void LoadTube(std::string_view name, CFAxialSectionLoad& load) {
    SquareTubeSection s;
    load.found = LoadSectionRecord(name, s);
    load.text = "薄壁方钢管的参数:" + std::string("\r\n 截面积     ：") + Fmt2(s.A) + "cm2" +
                "\r\n 截面边长h ：" + Fmt2(s.h) + "mm" + "\r\n 厚度     ：" + Fmt2(s.t) + "mm" +
                "\r\n 每延米质量 ：" + Fmt2(s.mass) + "kg/m" + "\r\n 惯性矩   Ix：" + Fmt2(s.Ix) +
                "cm4" + "\r\n 回转半径 ix：" + Fmt2(s.ix) + "cm" + "\r\n 抵抗矩   Wx：" +
                Fmt2(s.Wx) + "cm3";
    // A square tube is as stiff about either axis: iy = ix.
    load.values = {CFAxialKind::Tube, s.ix, s.ix, 0, 0, 0, s.A};
}

std::optional<Notice> CheckInput(const ColdFormedAxialInput& in) {
    const CFAxialSection& s = in.section;
    const bool channel = s.kind == CFAxialKind::Channel;
    if (!(s.A > 0 && s.ix > 0) ||
        (channel && !(s.iy > 0 && s.Iw > 0 && s.It > 0 && std::isfinite(s.e0)))) {
        return InputError(channel ? "截面参数不全：A、回转半径ix和iy、扇性惯性矩Iω和扭转惯性矩It"
                                    "都必须大于0"
                                  : "截面参数不全：A和回转半径ix都必须大于0");
    }
    if (!(in.lx > 0) || !(in.ly > 0)) {
        return InputError("计算长度lx和ly必须是大于0的数");
    }
    if (channel && !(in.l > 0)) {
        return InputError(in.battens ? "相邻缀板中心线最大间距l必须是大于0的数"
                                     : "构件的几何长度l必须是大于0的数");
    }
    if (!std::isfinite(in.N)) {
        return InputError("轴力N不是一个数");
    }
    return std::nullopt;
}

} // namespace

NameList ColdFormedAxialNames(std::string_view kind) {
    if (kind.starts_with("薄壁槽")) {
        return CFChannelNames();
    }
    if (kind.starts_with("方钢管")) {
        return SquareTubeNames();
    }
    return {};
}

const char* ColdFormedAxialPicture(std::string_view kind) {
    if (kind.starts_with("薄壁槽")) {
        return ":/pictures/coldformed_beam_channel.svg";
    }
    if (kind.starts_with("方钢管")) {
        return ":/pictures/coldformed_axial_tube.svg";
    }
    return "";
}

CFAxialSectionLoad LoadColdFormedAxialSection(std::string_view name) {
    CFAxialSectionLoad load;
    load.recognised = true;
    if (name.starts_with("薄槽")) {
        LoadChannel(name, load);
    } else if (name.starts_with("方钢")) {
        LoadTube(name, load);
    } else {
        load.recognised = false;
        return load;
    }
    load.RefuseIfMissing(name);
    return load;
}

ColdFormedAxialResult ComputeColdFormedAxial(const ColdFormedAxialInput& in) {
    ColdFormedAxialResult r;
    CFRestraint restraint;
    if (!GetOpenSectionRestraint(in.endCondition, in.battens, &restraint)) {
        r.notices.push_back(
            InputError("两端铰接、端部截面可自由翘曲的构件没有缀板一栏，请选无缀板"));
        return r;
    }
    if (const auto refusal = CheckInput(in)) {
        r.notices.push_back(*refusal);
        return r;
    }
    r.restraint = restraint;

    // Section values in mm.
    const CFAxialSection& s = in.section;
    const double e0 = 10 * s.e0, ix = 10 * s.ix, iy = 10 * s.iy;
    const double A = 100 * s.A, Iw = 1e6 * s.Iw, It = 1e4 * s.It;

    std::string text;
    if (s.kind == CFAxialKind::Channel) {
        // Flexural-torsional buckling about the axis of symmetry x, GB50018-2002 5.2.4.
        r.lambdaX = in.lx / ix;
        const double i0Squared = e0 * e0 + ix * ix + iy * iy;
        const double lw = restraint.beta * in.l;
        const double sSquared = r.lambdaX * r.lambdaX * (Iw / (lw * lw) + 0.039 * It) / A;
        const double p = (sSquared + i0Squared) / (2 * sSquared);
        r.lambdaW =
            r.lambdaX *
            std::sqrt(p + std::sqrt(p * p - (i0Squared - restraint.alpha * e0 * e0) / sSquared));
        r.lambdaY = in.ly / iy;
        r.lambda = r.lambdaW > r.lambdaY ? r.lambdaW : r.lambdaY;
        text = " ------单轴对称开口截面-------" + std::string("\r\n  λy = ly/iy =") +
               Fmt2(r.lambdaY) + " \r\n  λω=" + Fmt2(r.lambdaW) +
               "   (参见GB50018-2002之5.2.4-1 ~5.2.4-3式)";
    } else {
        r.lambdaX = in.lx / ix;
        r.lambdaY = in.ly / ix;
        r.lambda = r.lambdaX > r.lambdaY ? r.lambdaX : r.lambdaY;
        text = " λx = lx/ix =:" + Fmt2(r.lambdaX) + " \r\n λy:" + Fmt2(r.lambdaY);
    }
    if (std::isnan(r.lambdaX) || std::isnan(r.lambdaY) || std::isnan(r.lambdaW)) {
        // Lengths so short or so long that the slenderness formulas leave the range of a double.
        r.restraint.reset();
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    if (!(r.lambda > 0 && r.lambda < 250)) {
        r.outOfRange = true;
        r.report = kSlendernessOutOfRange;
        return r;
    }

    r.phi = GetColdFormedPhi(r.lambda, in.grade == 1 ? kQ345 : kQ235);
    r.sigma = in.N * 1000 / (r.phi * A);
    if (!std::isfinite(r.sigma)) {
        r.restraint.reset();
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    text += "\r\n  最大长细比：" + Fmt2(r.lambda) +
            "\r\n  根据GB50018-2002附录A，得轴心受压构件稳定系数φ:" + Fmt4(r.phi) +
            "\r\n  根据GB50018-2002之5.2.2，N*1000/(φ*A) =" + Fmt2(in.N) + "*1000/(" + Fmt4(r.phi) +
            "*" + Fmt4(A) + ")=" + Fmt3(r.sigma) + "N/mm2";
    r.report = std::move(text);
    return r;
}

} // namespace ferrolab
