#include "calculators/members/ColumnLengthFactor.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/Format.h"

namespace ferrolab {
namespace {

constexpr double kPi = std::numbers::pi;

// Table D-1, in x = π/μ.
double NoSwayEquation(double x, double k1, double k2) {
    const double sum = k1 + k2;
    const double product = k1 * k2;
    return (x * x + 2 * sum - 4 * product) * x * std::sin(x) -
           2 * (sum * x * x + 4 * product) * std::cos(x) + 8 * product;
}

// Table D-2 divided by x (which removes the trivial root x = 0), in x = π/μ.
double SwayEquation(double x, double k1, double k2) {
    const double sinOverX = x == 0 ? 1 : std::sin(x) / x;
    return (36 * k1 * k2 - x * x) * sinOverX + 6 * (k1 + k2) * std::cos(x);
}

// The smallest root of f in [lo, hi]: a scan finds the first change of sign, bisection closes in
// on it to the last bits of a double. NaN when f keeps its sign.
template <class F> double SmallestRoot(F f, double lo, double hi) {
    constexpr int kScanSteps = 2000;
    double a = lo;
    double fa = f(a);
    if (fa == 0) {
        return a;
    }
    for (int i = 1; i <= kScanSteps; ++i) {
        const double b = lo + (hi - lo) * i / kScanSteps;
        const double fb = f(b);
        if (fb == 0) {
            return b;
        }
        if ((fa > 0) != (fb > 0)) {
            double left = a;
            double right = b;
            for (int k = 0; k < 2200 && right - left > 1e-15 * right; ++k) {
                const double mid = left + (right - left) / 2;
                if ((f(mid) > 0) == (fa > 0)) {
                    left = mid;
                } else {
                    right = mid;
                }
            }
            return left + (right - left) / 2;
        }
        a = b;
        fa = fb;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::string RatioLine(const char* name, double typed) {
    std::string line = std::string(name) + " = " + FormatNumber("%.3f", typed);
    if (typed == 0) {
        line += "（铰接）";
    } else if (typed > kLargestStiffnessRatio) {
        line += "（大于10，按10计算）";
    }
    return line + "\r\n";
}

} // namespace

const std::vector<const char*>& FrameKindEntries() {
    static const std::vector<const char*> entries = {"无侧移", "有侧移"};
    return entries;
}

double EffectiveLengthFactor(double k1, double k2, FrameKind kind) {
    if (kind == FrameKind::NoSway) {
        const double x =
            SmallestRoot([=](double t) { return NoSwayEquation(t, k1, k2); }, kPi, 2 * kPi);
        return kPi / x;
    }
    if (k1 + k2 == 0) {
        return std::numeric_limits<double>::infinity();
    }
    const double x = SmallestRoot([=](double t) { return SwayEquation(t, k1, k2); }, 0, kPi);
    return kPi / x;
}

ColumnLengthFactorResult ComputeColumnLengthFactor(const ColumnLengthFactorInput& input) {
    ColumnLengthFactorResult r;
    if (!(input.k1 >= 0) || !std::isfinite(input.k1)) {
        r.notices.push_back(
            InputError("柱上端的线刚度比 K1 不能为负数（K1 = 0 表示柱上端与横梁铰接）"));
    }
    if (!(input.k2 >= 0) || !std::isfinite(input.k2)) {
        r.notices.push_back(InputError("柱下端的线刚度比 K2 不能为负数（K2 = 0 表示柱下端铰接）"));
    }
    if (!r.notices.empty()) {
        return r;
    }
    r.k1 = std::min(input.k1, kLargestStiffnessRatio);
    r.k2 = std::min(input.k2, kLargestStiffnessRatio);
    r.mu = EffectiveLengthFactor(r.k1, r.k2, input.kind);

    const bool sway = input.kind == FrameKind::Sway;
    std::string report;
    if (input.edition == kSteel2017) {
        report = "框架柱的计算长度系数 μ（GB50017-2017 附录E）\r\n";
        report += sway ? "框架类型: 有侧移（表E.0.2）\r\n" : "框架类型: 无侧移（表E.0.1）\r\n";
    } else {
        report = "框架柱的计算长度系数 μ（GB50017-2003 附录D）\r\n";
        report += sway ? "框架类型: 有侧移（表D-2）\r\n" : "框架类型: 无侧移（表D-1）\r\n";
    }
    report += "K1、K2: 相交于柱上端、柱下端的横梁线刚度之和与柱线刚度之和的比值\r\n";
    // How the ratios are formed: far ends of the beams, beams hinged to the column, the base.
    report += sway ? "注: 横梁远端铰接时横梁线刚度乘以0.5，远端嵌固时乘以2/3；"
                     "横梁与柱铰接时取横梁线刚度为零；"
                     "柱与基础铰接时取K2=0（平板支座可取0.1），刚接时取K2=10\r\n"
                   : "注: 横梁远端铰接时横梁线刚度乘以1.5，远端嵌固时乘以2；"
                     "横梁与柱铰接时取横梁线刚度为零；"
                     "柱与基础铰接时取K2=0（平板支座可取0.1），刚接时取K2=10\r\n";
    report += RatioLine("K1", input.k1);
    report += RatioLine("K2", input.k2);
    report += sway ? "稳定方程: [36K1K2-(π/μ)^2]sin(π/μ)+6(K1+K2)(π/μ)cos(π/μ)=0\r\n"
                   : "稳定方程: [(π/μ)^2+2(K1+K2)-4K1K2](π/μ)sin(π/μ)"
                     "-2[(K1+K2)(π/μ)^2+4K1K2]cos(π/μ)+8K1K2=0\r\n";
    if (std::isinf(r.mu)) {
        report += "计算长度系数 μ = ∞（柱两端铰接且框架有侧移，为几何可变，不能承受轴心压力）\r\n";
    } else {
        // A sway column held by a nearly hinged end has a huge factor: shown in powers of ten.
        report += "计算长度系数 μ = " + FormatNumber(r.mu < 1e6 ? "%.3f" : "%.4e", r.mu) + "\r\n";
    }
    r.report = std::move(report);
    return r;
}

} // namespace ferrolab
