#include "tests/sections/geometry/ColdFormedGeometry.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace profilux {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSteelMassPerArea = 0.785; // kg/m per cm2 of area (7850 kg/m3)
constexpr int kArcPieces = 512;             // chords per corner arc in the thin-walled integrals

struct Point {
    double x;
    double y;
};

// Mid-line of a bent section: straight runs between the given vertices, each inner vertex
// replaced by a circular arc of the mid-line radius.
struct Element {
    bool isArc;
    Point from; // straight run
    Point to;
    Point centre; // arc
    double angle0;
    double angle1;
};

std::vector<Element> FilletPath(const std::vector<Point>& vertices, double radius) {
    std::vector<Element> elements;
    Point current = vertices.front();
    for (std::size_t i = 1; i + 1 < vertices.size(); ++i) {
        const Point p0 = vertices[i - 1];
        const Point p1 = vertices[i];
        const Point p2 = vertices[i + 1];
        const double l1 = std::hypot(p1.x - p0.x, p1.y - p0.y);
        const double l2 = std::hypot(p2.x - p1.x, p2.y - p1.y);
        const Point d1{(p1.x - p0.x) / l1, (p1.y - p0.y) / l1};
        const Point d2{(p2.x - p1.x) / l2, (p2.y - p1.y) / l2};
        const double cross = d1.x * d2.y - d1.y * d2.x;
        const double turn = std::acos(std::fmax(-1.0, std::fmin(1.0, d1.x * d2.x + d1.y * d2.y)));
        const double tangent = radius * std::tan(turn / 2.0);
        const Point start{p1.x - d1.x * tangent, p1.y - d1.y * tangent};
        const Point end{p1.x + d2.x * tangent, p1.y + d2.y * tangent};
        elements.push_back({false, current, start, {}, 0.0, 0.0});
        const double side = cross > 0.0 ? 1.0 : -1.0;
        const Point centre{start.x - d1.y * side * radius, start.y + d1.x * side * radius};
        const double a0 = std::atan2(start.y - centre.y, start.x - centre.x);
        elements.push_back({true, {}, {}, centre, a0, a0 + side * turn});
        current = end;
    }
    elements.push_back({false, current, vertices.back(), {}, 0.0, 0.0});
    return elements;
}

// Area properties of the real section (plates of thickness t on the mid-line), in mm.
struct AreaProperties {
    double area = 0.0;
    double cx = 0.0;
    double cy = 0.0;
    double ixx = 0.0; // about the centroidal axis parallel to x
    double iyy = 0.0;
    double ixy = 0.0;
};

AreaProperties ExactAreaProperties(const std::vector<Element>& elements, double radius, double t) {
    // First accumulate about the origin, then move to the centroid.
    double area = 0.0;
    double sx = 0.0;
    double sy = 0.0;
    double xx = 0.0;
    double yy = 0.0;
    double xy = 0.0;
    for (const Element& e : elements) {
        if (!e.isArc) {
            const double len = std::hypot(e.to.x - e.from.x, e.to.y - e.from.y);
            if (len <= 0.0) {
                continue;
            }
            const double c = (e.to.x - e.from.x) / len;
            const double s = (e.to.y - e.from.y) / len;
            const double a = len * t;
            const double mx = (e.from.x + e.to.x) / 2.0;
            const double my = (e.from.y + e.to.y) / 2.0;
            const double along = t * len * len * len / 12.0;
            const double across = len * t * t * t / 12.0;
            area += a;
            sx += a * mx;
            sy += a * my;
            // ixx is ∫y², iyy is ∫x².
            xx += along * s * s + across * c * c + a * my * my;
            yy += along * c * c + across * s * s + a * mx * mx;
            xy += (along - across) * c * s + a * mx * my;
        } else {
            // Annular sector between radius - t/2 and radius + t/2.
            const double r1 = radius - t / 2.0;
            const double r2 = radius + t / 2.0;
            const double a0 = std::fmin(e.angle0, e.angle1);
            const double a1 = std::fmax(e.angle0, e.angle1);
            const double span = a1 - a0;
            const double k2 = (r2 * r2 - r1 * r1) / 2.0;
            const double k3 = (r2 * r2 * r2 - r1 * r1 * r1) / 3.0;
            const double k4 = (r2 * r2 * r2 * r2 - r1 * r1 * r1 * r1) / 4.0;
            const double a = k2 * span;
            const double lx = k3 * (std::sin(a1) - std::sin(a0));
            const double ly = k3 * (std::cos(a0) - std::cos(a1));
            const double s2 = (std::sin(2.0 * a1) - std::sin(2.0 * a0)) / 4.0;
            const double lxx = k4 * (span / 2.0 + s2); // ∫x² about the arc centre
            const double lyy = k4 * (span / 2.0 - s2);
            const double lxy =
                k4 * (std::sin(a1) * std::sin(a1) - std::sin(a0) * std::sin(a0)) / 2.0;
            const Point c = e.centre;
            area += a;
            sx += c.x * a + lx;
            sy += c.y * a + ly;
            // ixx is ∫y², iyy is ∫x².
            xx += c.y * c.y * a + 2.0 * c.y * ly + lyy;
            yy += c.x * c.x * a + 2.0 * c.x * lx + lxx;
            xy += c.x * c.y * a + c.x * ly + c.y * lx + lxy;
        }
    }
    AreaProperties p;
    p.area = area;
    p.cx = sx / area;
    p.cy = sy / area;
    p.ixx = xx - area * p.cy * p.cy;
    p.iyy = yy - area * p.cx * p.cx;
    p.ixy = xy - area * p.cx * p.cy;
    return p;
}

// Thin-walled properties of the open mid-line: shear centre and normalised sectorial coordinate.
struct ThinWalled {
    std::vector<Point> points;
    std::vector<double> omega;            // normalised sectorial coordinate at each point, mm2
    std::vector<std::size_t> cornerIndex; // the point at the middle of each corner arc
    double length = 0.0;
    double shearX = 0.0; // shear centre, mm, same frame as the vertices
    double shearY = 0.0;
    double warping = 0.0; // Iω, mm6
};

ThinWalled AnalyseThinWalled(const std::vector<Element>& elements, double t) {
    ThinWalled w;
    w.points.push_back(elements.front().from);
    for (const Element& e : elements) {
        if (!e.isArc) {
            w.points.push_back(e.to);
            continue;
        }
        const double radius =
            std::hypot(w.points.back().x - e.centre.x, w.points.back().y - e.centre.y);
        for (int k = 1; k <= kArcPieces; ++k) {
            const double a = e.angle0 + (e.angle1 - e.angle0) * k / kArcPieces;
            w.points.push_back(
                {e.centre.x + radius * std::cos(a), e.centre.y + radius * std::sin(a)});
            if (k == kArcPieces / 2) {
                w.cornerIndex.push_back(w.points.size() - 1);
            }
        }
    }
    const std::size_t n = w.points.size();
    std::vector<double> len(n - 1);
    double sx = 0.0;
    double sy = 0.0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Point p = w.points[i];
        const Point q = w.points[i + 1];
        len[i] = std::hypot(q.x - p.x, q.y - p.y);
        w.length += len[i];
        sx += len[i] * (p.x + q.x) / 2.0;
        sy += len[i] * (p.y + q.y) / 2.0;
    }
    const double cx = sx / w.length;
    const double cy = sy / w.length;
    std::vector<Point> rel(n);
    for (std::size_t i = 0; i < n; ++i) {
        rel[i] = {w.points[i].x - cx, w.points[i].y - cy};
    }
    // Integral over the wall of the product of two quantities varying linearly along each piece.
    auto integrate = [&](auto f, auto g) {
        double sum = 0.0;
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const double f0 = f(i);
            const double f1 = f(i + 1);
            const double g0 = g(i);
            const double g1 = g(i + 1);
            sum += t * len[i] * (2.0 * f0 * g0 + f0 * g1 + f1 * g0 + 2.0 * f1 * g1) / 6.0;
        }
        return sum;
    };
    auto x = [&](std::size_t i) { return rel[i].x; };
    auto y = [&](std::size_t i) { return rel[i].y; };
    std::vector<double> omega(n, 0.0); // sectorial coordinate about the centroid
    for (std::size_t i = 0; i + 1 < n; ++i) {
        omega[i + 1] = omega[i] + rel[i].x * rel[i + 1].y - rel[i].y * rel[i + 1].x;
    }
    auto om = [&](std::size_t i) { return omega[i]; };
    const double ixx = integrate(y, y);
    const double iyy = integrate(x, x);
    const double ixy = integrate(x, y);
    const double iwx = integrate(om, y);
    const double iwy = integrate(om, x);
    // Pole at the shear centre (ax, ay from the centroid): ω_P = ω - ax·y + ay·x must be
    // orthogonal to x and to y.
    const double det = ixx * iyy - ixy * ixy;
    const double ax = (iyy * iwx - ixy * iwy) / det;
    const double ay = (ixy * iwx - ixx * iwy) / det;
    w.shearX = cx + ax;
    w.shearY = cy + ay;
    std::vector<double> pole(n);
    for (std::size_t i = 0; i < n; ++i) {
        pole[i] = omega[i] - ax * rel[i].y + ay * rel[i].x;
    }
    auto one = [](std::size_t) { return 1.0; };
    auto op = [&](std::size_t i) { return pole[i]; };
    const double mean = integrate(op, one) / (t * w.length);
    w.omega.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        w.omega[i] = pole[i] - mean;
    }
    auto on = [&](std::size_t i) { return w.omega[i]; };
    w.warping = integrate(on, on);
    return w;
}

// mm^n per cm^n; dividing by these exact powers of ten keeps exactly representable results
// (a warping constant of 16068.375 cm6 stays a tie and rounds up, not down).
constexpr double kCm2 = 1e2;
constexpr double kCm4 = 1e4;
constexpr double kCm6 = 1e6;

double TorsionCharacteristic(double it, double iw) {
    return std::sqrt(kShearToElasticModulus * it / iw);
}

// Channel columns from `h` on (positions 0.. of the plain layout without the dimensions).
std::array<double, 17> ChannelProperties(double h, double b, double a, double t) {
    const double radius = 2.5 * t; // inside radius 2t
    const double yTop = h / 2.0 - t / 2.0;
    const double xWeb = t / 2.0;
    std::vector<Point> vertices;
    if (a > 0.0) {
        const double xLip = b - t / 2.0;
        const double lip = a - t / 2.0;
        vertices = {{xLip, yTop - lip}, {xLip, yTop},  {xWeb, yTop},
                    {xWeb, -yTop},      {xLip, -yTop}, {xLip, -yTop + lip}};
    } else {
        vertices = {{b, yTop}, {xWeb, yTop}, {xWeb, -yTop}, {b, -yTop}};
    }
    const auto elements = FilletPath(vertices, radius);
    const AreaProperties p = ExactAreaProperties(elements, radius, t);
    const ThinWalled w = AnalyseThinWalled(elements, t);
    const double area = p.area / kCm2;
    const double x0 = p.cx / 10.0;
    const double ix = p.ixx / kCm4;
    const double iy = p.iyy / kCm4;
    const double e0 = std::fabs(p.cx - w.shearX) / 10.0;
    const double it = w.length * t * t * t / 3.0 / kCm4;
    const double iw = w.warping / kCm6;
    const double omegaWeb = std::fabs(w.omega[w.cornerIndex[a > 0.0 ? 1 : 0]]);
    const double omegaOuter = std::fabs(a > 0.0 ? w.omega[w.cornerIndex[0]] : w.omega.front());
    return {area,
            area * kSteelMassPerArea,
            x0,
            ix,
            std::sqrt(ix / area),
            ix / (h / 20.0),
            iy,
            std::sqrt(iy / area),
            iy / x0,
            iy / (b / 10.0 - x0),
            iy + area * x0 * x0,
            e0,
            it,
            iw,
            TorsionCharacteristic(it, iw),
            w.warping / omegaWeb / kCm4,
            w.warping / omegaOuter / kCm4};
}

} // namespace

double RoundToDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

PlainChannelColumns DerivePlainChannel(double h, double b, double t) {
    const auto props = ChannelProperties(h, b, 0.0, t);
    PlainChannelColumns c{};
    c[0] = h;
    c[1] = b;
    c[2] = t;
    for (std::size_t i = 0; i < props.size(); ++i) {
        c[3 + i] = props[i];
    }
    return c;
}

LippedChannelColumns DeriveLippedChannel(double h, double b, double a, double t) {
    const auto props = ChannelProperties(h, b, a, t);
    LippedChannelColumns c{};
    c[0] = h;
    c[1] = b;
    c[2] = a;
    c[3] = t;
    for (std::size_t i = 0; i < props.size(); ++i) {
        c[4 + i] = props[i];
    }
    return c;
}

LippedZColumns DeriveLippedZ(double h, double b, double a, double t) {
    const double radius = 2.5 * t;
    const double yTop = h / 2.0 - t / 2.0;
    const double xLip = b - t; // b is measured from the back of the web to the outer lip face
    const double lip = a - t / 2.0;
    const std::vector<Point> vertices = {{xLip, yTop - lip}, {xLip, yTop},   {0.0, yTop},
                                         {0.0, -yTop},       {-xLip, -yTop}, {-xLip, -yTop + lip}};
    const auto elements = FilletPath(vertices, radius);
    const AreaProperties p = ExactAreaProperties(elements, radius, t);
    const ThinWalled w = AnalyseThinWalled(elements, t);

    const double area = p.area / kCm2;
    const double ix1 = p.ixx / kCm4;
    const double iy1 = p.iyy / kCm4;
    const double ix1y1 = p.ixy / kCm4;
    const double theta = 0.5 * std::atan(2.0 * ix1y1 / (ix1 - iy1));
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double ix = ix1 * c * c + iy1 * s * s + 2.0 * ix1y1 * s * c;
    const double iy = iy1 * c * c + ix1 * s * s - 2.0 * ix1y1 * s * c;
    // Principal coordinates (cm) of the web-flange and flange-lip corners of the mid-line.
    const Point web{0.0, yTop / 10.0};
    const Point outer{xLip / 10.0, yTop / 10.0};
    auto principalY = [&](Point q) { return std::fabs(q.y * c + q.x * s); };
    auto principalX = [&](Point q) { return std::fabs(q.x * c - q.y * s); };
    const double it = w.length * t * t * t / 3.0 / kCm4;
    const double iw = w.warping / kCm6;
    const double omegaOuter = std::fabs(w.omega[w.cornerIndex[0]]);
    const double omegaWeb = std::fabs(w.omega[w.cornerIndex[1]]);
    return {h,
            b,
            a,
            t,
            area,
            area * kSteelMassPerArea,
            theta * 180.0 / kPi,
            ix1,
            std::sqrt(ix1 / area),
            ix1 / (h / 20.0),
            iy1,
            std::sqrt(iy1 / area),
            iy1 / ((b - t / 2.0) / 10.0),
            ix,
            std::sqrt(ix / area),
            ix / principalY(web),
            ix / principalY(outer),
            iy,
            std::sqrt(iy / area),
            iy / principalX(web),
            iy / principalX(outer),
            ix1y1,
            it,
            iw,
            TorsionCharacteristic(it, iw),
            w.warping / omegaWeb / kCm4,
            w.warping / omegaOuter / kCm4};
}

SquareTubeColumns DeriveSquareTube(double b, double t) {
    const double radius = 2.5 * t;
    const double half = b / 2.0 - t / 2.0;
    // Once round the mid-line, from the middle of one side back to it.
    const std::vector<Point> vertices = {{0.0, -half},  {half, -half},  {half, half},
                                         {-half, half}, {-half, -half}, {0.0, -half}};
    const auto elements = FilletPath(vertices, radius);
    const AreaProperties p = ExactAreaProperties(elements, radius, t);
    const double area = p.area / kCm2;
    const double inertia = p.ixx / kCm4;
    return {b,
            t,
            area,
            area * kSteelMassPerArea,
            inertia,
            std::sqrt(inertia / area),
            inertia / (b / 20.0)};
}

LightHColumns DeriveLightH(double h, double b, double tw, double t) {
    const double hw = h - 2.0 * t; // clear web depth between the flanges
    const double area = 2.0 * b * t + hw * tw;
    const double ix = (b * h * h * h - (b - tw) * hw * hw * hw) / 12.0;
    const double flanges = 2.0 * t * b * b * b / 12.0;
    const double iy = flanges + hw * tw * tw * tw / 12.0;
    const double iw = flanges * hw * hw / 4.0;
    const double it = (2.0 * b * t * t * t + hw * tw * tw * tw) / 3.0;
    const double a = area / kCm2;
    return {h,
            b,
            tw,
            t,
            a,
            a * kSteelMassPerArea,
            ix / kCm4,
            ix / kCm4 / (h / 20.0),
            std::sqrt(ix / area) / 10.0,
            iy / kCm4,
            iy / kCm4 / (b / 20.0),
            std::sqrt(iy / area) / 10.0,
            iw / kCm6,
            it / kCm4};
}

const std::array<int, 20> kPlainChannelDecimals = {0, 0, 1, 2, 2, 3, 2, 2, 2, 2,
                                                   2, 2, 2, 2, 2, 4, 2, 4, 2, 2};
const std::array<int, 21> kLippedChannelDecimals = {0, 0, 0, 1, 2, 2, 3, 2, 2, 2, 2,
                                                    2, 2, 2, 2, 2, 4, 1, 4, 2, 2};
const std::array<int, 27> kLippedZDecimals = {0, 0, 0, 1, 2, 2, 3, 2, 2, 2, 2, 2, 2, 2,
                                              2, 2, 2, 2, 2, 2, 2, 2, 4, 1, 4, 2, 2};
const std::array<int, 7> kSquareTubeDecimals = {0, 1, 2, 2, 2, 2, 2};
const std::array<int, 14> kLightHDecimals = {0, 0, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3};

} // namespace profilux
