#include "calculators/properties/ColdFormedSection.h"

#include <algorithm>
#include <cmath>

#include "engine/Format.h"

namespace ferrolab {
namespace {

constexpr double kDegToRad = 0.0174532925;
// atan gives the doubled angle in radians; this turns it into the angle itself in degrees.
constexpr double kHalfAngleToDegrees = 28.647889789276146;

void ComputeChannel(const ColdFormedSectionInput& in, ColdFormedSectionResult& r) {
    const double a = in.a, b = in.b, h = in.h, t = in.t;
    const double L = h + 2 * b + 2 * a;
    r.A = L * t;
    r.x0 = b * (b + 2 * a) / L;
    const double x0 = r.x0;
    r.Ix = h * h * t * (b / 2 + h / 12) + a * a * a * t / 6;
    r.Iy = t * (2 * b * std::pow(b / 2 - x0, 2) + b * b * b / 6 + 2 * a * std::pow(b - x0, 2) +
                h * x0 * x0);
    r.It = r.A * t * t / 3;
    r.Uy = t * (std::pow(b - x0, 4) / 2 - std::pow(x0, 4) / 2 - h * std::pow(x0, 3) +
                h * h * std::pow(b - x0, 2) / 4 - h * h * x0 * x0 / 4 - h * h * h * x0 / 12);
    // Distance d from the web centreline to the shear centre (outside the web).
    auto shearCentre = [&] { return b * t * (h * h * (b / 4 + a / 2) - 2 * a * a * a / 3) / r.Ix; };
    // Common part of the lipped channels' warping constant: flanges and web.
    auto flangesAndWeb = [&](double d) {
        return h * h * (std::pow(b - d, 3) + d * d * d) / 6 + h * h * h * d * d / 12;
    };
    switch (in.family) {
    case CFFamily::OuterLipChannel: {
        r.Ix += a * t * (h + a) * (h + a) / 2;
        const double d = r.d = shearCentre();
        r.Iw = t * (a *
                        (6 * a * h * (d * d - b * b) + 4 * a * a * (b + d) * (b + d) +
                         3 * h * h * (d - b) * (d - b)) /
                        6 +
                    flangesAndWeb(d));
        r.Uy +=
            2 * t * (b - x0) * (a * (h * h / 4 + a * h / 2 + a * a / 3) + a * (b - x0) * (b - x0));
        break;
    }
    case CFFamily::InnerLipChannel: {
        r.Ix += a * t * (h - a) * (h - a) / 2;
        const double d = r.d = shearCentre();
        r.Iw = t * (a *
                        (3 * h * h * (d - b) * (d - b) - 6 * a * h * (d * d - b * b) +
                         4 * a * a * (b + d) * (b + d)) /
                        6 +
                    flangesAndWeb(d));
        r.Uy += 2 * t * (b - x0) *
                (a * a * a / 3 - a * a * h / 2 + a * h * h / 4 + a * (b - x0) * (b - x0));
        break;
    }
    default:
        r.d = shearCentre();
        r.Iw = b * b * b * h * h * t * (2 * h + 3 * b) / (12 * (h + 6 * b));
        break;
    }
    r.e0 = x0 + r.d;
}

void ComputeZ(const ColdFormedSectionInput& in, ColdFormedSectionResult& r) {
    const double a = in.a, b = in.b, h = in.h, t = in.t;
    const double alpha = (in.family == CFFamily::SlopedLipZ ? 45.0 : 90.0) * kDegToRad;
    const double s = std::sin(alpha), c = std::cos(alpha);
    const double L = h + 2 * b + 2 * a;
    r.A = L * t;
    r.Ix1 =
        h * h * t * ((b + a) / 2 + h / 12) - a * a * h * t * s + 2.0 / 3.0 * a * a * a * t * s * s;
    r.Iy1 = 2.0 / 3.0 * b * b * b * t + 2 * a * b * b * t + 2 * a * a * b * t * c +
            2.0 / 3.0 * a * a * a * t * c * c;
    r.Ix1y1 = a * a * b * t * s - b * h * t * (a + b / 2) - a * a * h * t * c / 2 +
              2.0 / 3.0 * a * a * a * t * s * c;
    r.theta = PrincipalAngle(r.Ix1, r.Iy1, r.Ix1y1);
    const double th = r.theta * kDegToRad;
    const double ct = std::cos(th), st = std::sin(th);
    r.Ix = r.Ix1 * ct * ct + r.Iy1 * st * st - 2 * r.Ix1y1 * st * ct;
    r.Iy = r.Iy1 * ct * ct + r.Ix1 * st * st + 2 * r.Ix1y1 * st * ct;
    r.It = r.A * t * t / 3;
    const double k = 2 * b * s + h * c;
    const double e = ((2 * a + b) * h * b + a * a * k) / (L * h);
    r.Iw = t / 12 *
           (2 * a * a * a * k * k +
            h * (h * e * e * (3 * h + 2 * e) +
                 (b - e) * (6 * a * a * k + h * (b - e) * (6 * a + 2 * (b - e)))));
}

} // namespace

bool HasLips(CFFamily family) {
    return family != CFFamily::Channel && family != CFFamily::ZSection;
}

const char* FamilyPicture(CFFamily family) {
    switch (family) {
    case CFFamily::Channel:
        return ":/pictures/coldformed_channel.svg";
    case CFFamily::OuterLipChannel:
        return ":/pictures/coldformed_channel_outer_lips.svg";
    case CFFamily::InnerLipChannel:
        return ":/pictures/coldformed_channel_inner_lips.svg";
    case CFFamily::ZSection:
        return ":/pictures/coldformed_z.svg";
    case CFFamily::LippedZ:
        return ":/pictures/coldformed_lipped_z.svg";
    case CFFamily::SlopedLipZ:
        return ":/pictures/coldformed_sloped_lip_z.svg";
    }
    return "";
}

std::optional<Notice> ThicknessNotice(double t) {
    if (t > 6.0001) {
        return Notice{"GB50018-2002建议壁厚不宜大于6mm", "注意", NoticeIcon::Warning};
    }
    return std::nullopt;
}

double PrincipalAngle(double ix1, double iy1, double ix1y1) {
    if (ix1y1 == 0) {
        return 0;
    }
    // Iy1 = Ix1 with a product term: the principal axes lie at 45 degrees (atan of ±infinity).
    return std::atan(2 * ix1y1 / (iy1 - ix1)) * kHalfAngleToDegrees;
}

ColdFormedSectionResult ComputeColdFormedSection(const ColdFormedSectionInput& in) {
    ColdFormedSectionResult r;
    if (!(in.h > 0) || !(in.b > 0) || !(in.t > 0)) {
        r.notices.push_back(InputError("截面尺寸h、b、t必须是大于0的数"));
        return r;
    }
    // The plain families have no lips, whatever the lip box held before.
    ColdFormedSectionInput geometry = in;
    if (!HasLips(in.family)) {
        geometry.a = 0;
    }
    if (!(geometry.a >= 0)) {
        r.notices.push_back(InputError("卷边宽度a不能是负数"));
        return r;
    }

    std::string text;
    if (in.family == CFFamily::ZSection || in.family == CFFamily::LippedZ ||
        in.family == CFFamily::SlopedLipZ) {
        ComputeZ(geometry, r);
        if (!AllFinite({r.A, r.Ix1, r.Iy1, r.Ix1y1, r.theta, r.Ix, r.Iy, r.It, r.Iw})) {
            r.notices.push_back(InputError("输入的数值过大"));
            return r;
        }
        text =
            "   根据GB50018 2002的附表B.2.7~9的近似公式计算。与表B.1.1-3~5的值有出入，请慎用\r\n";
        text += " 截面积:" + Fmt3(r.A * 0.01) + "cm2 \t Ix1:" + Fmt3(r.Ix1 * 1e-4) +
                "cm4 \r\n Iy1:" + Fmt3(r.Iy1 * 1e-4) + "cm4 \t\t Ix1y1:" + Fmt3(r.Ix1y1 * 1e-4) +
                "cm4 \r\n θ:" + Fmt3(r.theta) + " \t\t Ix:" + Fmt3(r.Ix * 1e-4) +
                "cm4 \r\n Iy:" + Fmt3(r.Iy * 1e-4) + "cm4 \t\t It:" + Fmt3(r.It * 1e-4) +
                "cm4 \r\n Iw:" + Fmt3(r.Iw * 1e-6) + "cm6";
    } else {
        ComputeChannel(geometry, r);
        if (!AllFinite({r.A, r.x0, r.Ix, r.Iy, r.It, r.Iw, r.d, r.e0, r.Uy})) {
            r.notices.push_back(InputError("输入的数值过大"));
            return r;
        }
        switch (in.family) {
        case CFFamily::OuterLipChannel:
            text = "   根据GB50018 2002的附表B.2.5的近似公式计算，请慎用。\r\n";
            break;
        case CFFamily::InnerLipChannel:
            text = "   根据GB50018 2002的附表B.2.6的近似公式计算。"
                   "与表B.1.1-4的值有出入，尤其是扇性惯性矩Iw能差距接近50%,请慎用\r\n";
            break;
        default:
            text = "   根据GB50018 2002的附表B.2.4的近似公式计算，与表B.1.1-3的值有出入，请慎用。"
                   "\r\n";
            break;
        }
        text += " 截面积:" + Fmt3(r.A * 0.01) + "cm2 \t z0:" + Fmt3(r.x0 * 0.1) +
                "cm \r\n Ix:" + Fmt3(r.Ix * 1e-4) + "cm4 \t\t Iy:" + Fmt3(r.Iy * 1e-4) +
                "cm4 \r\n It:" + Fmt3(r.It * 1e-4) + "cm4 \t\t Iw:" + Fmt3(r.Iw * 1e-6) +
                "cm6 \r\n d:" + Fmt3(r.d * 0.1) + "cm \t\t e0:" + Fmt3(r.e0 * 0.1) +
                "cm \r\n Uy:" + Fmt3(r.Uy * 1e-5) + "cm5";
    }
    r.report = std::move(text);
    return r;
}

} // namespace ferrolab
