#include "tests/sections/geometry/HotRolledGeometry.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace profilux {

namespace {

// Eight-point Gauss-Legendre rule on [-1, 1]: exact for the polynomial integrands of straight
// edges, and within 1e-10 of the exact integrals on arcs of up to a quarter turn and a bit.
constexpr std::array<double, 8> kGaussNodes = {
    -0.9602898564975363, -0.7966664774136267, -0.5255324099163290, -0.1834346424956498,
    0.1834346424956498,  0.5255324099163290,  0.7966664774136267,  0.9602898564975363};
constexpr std::array<double, 8> kGaussWeights = {
    0.1012285362903763, 0.2223810344533745, 0.3137066458778873, 0.3626837833783620,
    0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763};

// Running boundary integrals (Green's theorem) of A, the first and the second moments about the
// origin of the outline's coordinates.
struct BoundaryMoments {
    double area = 0;
    double sx = 0;  // integral of x dA
    double sy = 0;  // integral of y dA
    double ixx = 0; // integral of y^2 dA
    double iyy = 0; // integral of x^2 dA
    double ixy = 0; // integral of x*y dA

    void Add(double x, double y, double dx, double dy, double w) {
        area += w * x * dy;
        sx += w * 0.5 * x * x * dy;
        sy -= w * 0.5 * y * y * dx;
        ixx -= w * y * y * y / 3.0 * dx;
        iyy += w * x * x * x / 3.0 * dy;
        ixy += w * 0.5 * x * x * y * dy;
    }

    void AddLine(double x0, double y0, double x1, double y1) {
        const double hx = 0.5 * (x1 - x0);
        const double hy = 0.5 * (y1 - y0);
        for (std::size_t k = 0; k < kGaussNodes.size(); ++k) {
            const double s = 0.5 * (kGaussNodes[k] + 1.0);
            Add(x0 + (x1 - x0) * s, y0 + (y1 - y0) * s, hx, hy, kGaussWeights[k]);
        }
    }

    void AddArc(double cx, double cy, double radius, double startAngle, double sweep) {
        const double half = 0.5 * sweep;
        for (std::size_t k = 0; k < kGaussNodes.size(); ++k) {
            const double a = startAngle + half * (kGaussNodes[k] + 1.0);
            const double c = std::cos(a);
            const double s = std::sin(a);
            Add(cx + radius * c, cy + radius * s, -radius * s * half, radius * c * half,
                kGaussWeights[k]);
        }
    }
};

// A corner after rounding: where the arc leaves the incoming edge and joins the outgoing one.
struct RoundedCorner {
    double inX, inY;   // tangent point on the incoming edge (the corner itself when sharp)
    double outX, outY; // tangent point on the outgoing edge
    double cx = 0, cy = 0, radius = 0, startAngle = 0, sweep = 0;
};

RoundedCorner RoundCorner(const OutlineCorner& prev, const OutlineCorner& at,
                          const OutlineCorner& next) {
    RoundedCorner rc{at.x, at.y, at.x, at.y};
    if (at.radius <= 0) {
        return rc;
    }
    double ux = at.x - prev.x;
    double uy = at.y - prev.y;
    const double lu = std::hypot(ux, uy);
    ux /= lu;
    uy /= lu;
    double vx = next.x - at.x;
    double vy = next.y - at.y;
    const double lv = std::hypot(vx, vy);
    vx /= lv;
    vy /= lv;
    // Turning angle: positive where the outline turns left (a convex corner of a
    // counter-clockwise outline), negative at a re-entrant corner.
    const double turn = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    const double tangentLength = at.radius * std::tan(0.5 * std::fabs(turn));
    rc.inX = at.x - ux * tangentLength;
    rc.inY = at.y - uy * tangentLength;
    rc.outX = at.x + vx * tangentLength;
    rc.outY = at.y + vy * tangentLength;
    const double side = turn > 0 ? 1.0 : -1.0; // the centre lies on the turning side
    rc.cx = rc.inX - uy * side * at.radius;
    rc.cy = rc.inY + ux * side * at.radius;
    rc.radius = at.radius;
    rc.startAngle = std::atan2(rc.inY - rc.cy, rc.inX - rc.cx);
    rc.sweep = turn;
    return rc;
}

double PowerOfTen(int exponent) {
    double p = 1.0;
    for (int i = 0; i < exponent; ++i) {
        p *= 10.0;
    }
    return p;
}

// Decimal places that `rounding` keeps for a value of this magnitude (negative: tens, hundreds).
int KeptDecimals(double value, Rounding rounding) {
    if (!rounding.significant || value == 0) {
        return rounding.digits;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return rounding.digits - 1 - exponent;
}

constexpr double kSqrt2 = std::numbers::sqrt2;

} // namespace

PlaneRegion OutlineRegion(std::span<const OutlineCorner> corners) {
    const std::size_t n = corners.size();
    std::vector<RoundedCorner> rounded;
    rounded.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        rounded.push_back(RoundCorner(corners[(i + n - 1) % n], corners[i], corners[(i + 1) % n]));
    }
    BoundaryMoments m;
    for (std::size_t i = 0; i < n; ++i) {
        const RoundedCorner& c = rounded[i];
        if (c.radius > 0) {
            m.AddArc(c.cx, c.cy, c.radius, c.startAngle, c.sweep);
        }
        const RoundedCorner& next = rounded[(i + 1) % n];
        m.AddLine(c.outX, c.outY, next.inX, next.inY);
    }
    PlaneRegion region{};
    region.area = m.area;
    region.xc = m.sx / m.area;
    region.yc = m.sy / m.area;
    region.ixx = m.ixx - m.area * region.yc * region.yc;
    region.iyy = m.iyy - m.area * region.xc * region.xc;
    region.ixy = m.ixy - m.area * region.xc * region.yc;
    return region;
}

double RoundTabulated(double value, Rounding rounding) {
    const int decimals = KeptDecimals(value, rounding);
    if (decimals >= 0) {
        const double p = PowerOfTen(decimals);
        return std::round(value * p) / p;
    }
    const double p = PowerOfTen(-decimals);
    return std::round(value / p) * p;
}

double HalfUnit(double tabulated, Rounding rounding) {
    const int decimals = KeptDecimals(tabulated, rounding);
    return decimals >= 0 ? 0.5 / PowerOfTen(decimals) : 0.5 * PowerOfTen(-decimals);
}

RolledHProps ComputeRolledH(const RolledHDims& d) {
    const double x = d.b / 2;
    const double y = d.h / 2;
    const double w = d.tw / 2;
    const double f = y - d.tf; // inner face of the flanges
    const OutlineCorner outline[] = {
        {-x, -y, 0}, {x, -y, 0}, {x, -f, 0}, {w, -f, d.r}, {w, f, d.r},   {x, f, 0},
        {x, y, 0},   {-x, y, 0}, {-x, f, 0}, {-w, f, d.r}, {-w, -f, d.r}, {-x, -f, 0},
    };
    const PlaneRegion s = OutlineRegion(outline);
    RolledHProps p{};
    p.area = s.area / 1e2;
    p.ix = s.ixx / 1e4;
    p.iy = s.iyy / 1e4;
    p.rx = std::sqrt(p.ix / p.area);
    p.ry = std::sqrt(p.iy / p.area);
    p.wx = p.ix / (d.h / 20);
    p.wy = p.iy / (d.b / 20);
    return p;
}

IBeamProps ComputeIBeam(const IBeamDims& d) {
    // The inner face falls 1 in 6 towards the tip; t holds halfway along the outstand.
    const double change = (d.b - d.tw) / 4 / 6;
    const double atTip = d.t - change;
    const double atRoot = d.t + change;
    const double x = d.b / 2;
    const double y = d.h / 2;
    const double w = d.tw / 2;
    const OutlineCorner outline[] = {
        {-x, -y, 0},
        {x, -y, 0},
        {x, -y + atTip, d.r1},
        {w, -y + atRoot, d.r},
        {w, y - atRoot, d.r},
        {x, y - atTip, d.r1},
        {x, y, 0},
        {-x, y, 0},
        {-x, y - atTip, d.r1},
        {-w, y - atRoot, d.r},
        {-w, -y + atRoot, d.r},
        {-x, -y + atTip, d.r1},
    };
    const PlaneRegion s = OutlineRegion(outline);
    IBeamProps p{};
    p.area = s.area / 1e2;
    p.ix = s.ixx / 1e4;
    p.iy = s.iyy / 1e4;
    p.wx = p.ix / (d.h / 20);
    p.wy = p.iy / (d.b / 20);
    p.rx = std::sqrt(p.ix / p.area);
    p.ry = std::sqrt(p.iy / p.area);
    return p;
}

double ChannelTabulatedArea(double h, double b, double tw, double t, double r, double r1) {
    return (h * tw + 2 * t * (b - tw) + 0.349 * (r * r - r1 * r1)) / 1e2;
}

ChannelProps ComputeChannel(const ChannelDims& d) {
    // The inner face falls 1 in 10 towards the toe; t holds halfway along the outstand.
    const double change = (d.b - d.tw) / 2 / 10;
    const double atToe = d.t - change;
    const double atRoot = d.t + change;
    const double y = d.h / 2;
    // Back of the web on x = 0, flanges towards +x.
    const OutlineCorner outline[] = {
        {0, -y, 0},
        {d.b, -y, 0},
        {d.b, -y + atToe, d.r1},
        {d.tw, -y + atRoot, d.r},
        {d.tw, y - atRoot, d.r},
        {d.b, y - atToe, d.r1},
        {d.b, y, 0},
        {0, y, 0},
    };
    const PlaneRegion s = OutlineRegion(outline);
    ChannelProps p{};
    p.area = s.area / 1e2;
    p.ix = s.ixx / 1e4;
    p.iy = s.iyy / 1e4;
    p.z0 = s.xc / 10;
    p.wx = p.ix / (d.h / 20);
    p.wy = p.iy / (d.b / 10 - p.z0);
    p.rx = std::sqrt(p.ix / p.area);
    p.ry = std::sqrt(p.iy / p.area);
    return p;
}

EqualAngleProps ComputeEqualAngle(const EqualAngleDims& d) {
    const double r1 = d.d / 3;
    // Heel at the origin, one leg along x and the other along y.
    const OutlineCorner outline[] = {
        {0, 0, 0}, {d.b, 0, 0}, {d.b, d.d, r1}, {d.d, d.d, d.r}, {d.d, d.b, r1}, {0, d.b, 0},
    };
    const PlaneRegion s = OutlineRegion(outline);
    EqualAngleProps p{};
    p.area = s.area / 1e2;
    p.z0 = s.xc / 10;
    p.ix = s.ixx / 1e4;
    const double product = std::fabs(s.ixy) / 1e4;
    p.ix0 = p.ix + product;
    p.iy0 = p.ix - product;
    p.rx = std::sqrt(p.ix / p.area);
    p.rx0 = std::sqrt(p.ix0 / p.area);
    p.ry0 = std::sqrt(p.iy0 / p.area);
    const double b = d.b / 10;
    p.wxTip = p.ix / (b - p.z0);
    p.wxHeel = p.ix / p.z0;
    p.wx0 = p.ix0 / (b / kSqrt2);
    p.wy0Heel = p.iy0 / (kSqrt2 * p.z0);
    // The toe rounding's farthest point from the minor axis lies on the axis of symmetry's
    // direction, r1 beyond the rounding's centre (b - r1, d - r1).
    const double toeReach = ((d.b - r1) + (d.d - r1) + kSqrt2 * r1) / 10;
    p.wy0Toe = p.iy0 / ((toeReach - 2 * p.z0) / kSqrt2);
    p.ix1 = p.ix + p.area * p.z0 * p.z0;
    return p;
}

} // namespace profilux
