#include "engine/BasePlate.h"

#include <array>
#include <cstddef>
#include <span>

namespace ferrolab {
namespace {

struct ConcreteRow {
    int grade;
    double fc;
};

constexpr std::array<ConcreteRow, 11> kConcrete = {{
    {10, 5.0},
    {15, 7.5},
    {20, 10.0},
    {25, 12.5},
    {30, 15.0},
    {35, 17.5},
    {40, 19.5},
    {45, 21.5},
    {50, 23.5},
    {55, 25.0},
    {60, 26.5},
}};

// Four-edge supported panel: side ratio and α.
constexpr std::array<float, 14> kAlphaRatio = {1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f,
                                               1.7f, 1.8f, 1.9f, 2.0f, 2.5f, 3.0f, 4.0f};
constexpr std::array<float, 14> kAlpha = {0.0479f, 0.0553f, 0.0626f, 0.0693f, 0.0753f,
                                          0.0812f, 0.0862f, 0.0908f, 0.0948f, 0.0985f,
                                          0.1017f, 0.1132f, 0.1189f, 0.125f};

// Three-edge supported panel: ratio of the supported side to the free edge and β.
constexpr std::array<float, 19> kBetaRatio = {0.30f, 0.35f, 0.40f, 0.45f, 0.50f, 0.55f, 0.60f,
                                              0.65f, 0.70f, 0.75f, 0.80f, 0.85f, 0.90f, 0.95f,
                                              1.00f, 1.1f,  1.2f,  1.3f,  1.4f};
constexpr std::array<float, 19> kBeta = {
    0.0273f, 0.0355f, 0.0439f, 0.0522f, 0.0602f, 0.0677f, 0.0747f, 0.0812f, 0.0871f, 0.0924f,
    0.0972f, 0.1015f, 0.1053f, 0.1087f, 0.1117f, 0.1167f, 0.1205f, 0.1235f, 0.125f};

// Linear interpolation in a table whose first knot is at or below r and whose last knot lies
// above r: y0 + (r − x0)/(x1 − x0)·(y1 − y0) on the segment holding r.
double Interpolate(std::span<const float> x, std::span<const float> y, double r) {
    std::size_t i = 0;
    while (i + 2 < x.size() && r >= x[i + 1]) {
        ++i;
    }
    const double x0 = x[i];
    const double x1 = x[i + 1];
    const double y0 = y[i];
    const double y1 = y[i + 1];
    return y0 + (r - x0) / (x1 - x0) * (y1 - y0);
}

} // namespace

double GetConcreteFc(int grade) {
    for (const ConcreteRow& row : kConcrete) {
        if (row.grade == grade) {
            return row.fc;
        }
    }
    return 0;
}

double GetFourSidePlateAlpha(double r) {
    if (!(r > kAlphaRatio.front())) {
        return kAlpha.front();
    }
    if (r >= kAlphaRatio.back()) {
        return kAlpha.back();
    }
    return Interpolate(kAlphaRatio, kAlpha, r);
}

double GetThreeSidePlateBeta(double r) {
    if (!(r >= 0.299)) {
        return 0.5; // short panel: a cantilever rather than a plate
    }
    if (r <= kBetaRatio.front()) {
        return kBeta.front();
    }
    if (r >= kBetaRatio.back()) {
        return kBeta.back();
    }
    return Interpolate(kBetaRatio, kBeta, r);
}

} // namespace ferrolab
