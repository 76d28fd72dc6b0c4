#include "calculators/seismic/SpectrumPlot.h"

#include <algorithm>
#include <cmath>

#include "engine/Format.h"

namespace ferrolab {
namespace {

// A 1-2-5 step that divides 0..top into at most about five intervals.
double NiceStep(double top) {
    const double raw = top / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw * (1 - 1e-9)) {
            return factor * magnitude;
        }
    }
    return 10 * magnitude;
}

} // namespace

SpectrumPlot PlotSpectrum(const SeismicCoefficientResult& result, double width, double height,
                          const PlotMargins& margins) {
    SpectrumPlot plot;
    plot.left = margins.left;
    plot.top = margins.top;
    plot.right = std::max(plot.left + 1, width - margins.right);
    plot.bottom = std::max(plot.top + 1, height - margins.bottom);

    const std::vector<double>& alpha = result.alpha;
    const int count = static_cast<int>(alpha.size());
    if (count > 0 && result.dt > 0) {
        plot.tEnd = std::max(result.nEnd, count) * result.dt;
    }
    double highest = 0;
    for (const double a : alpha) {
        if (std::isfinite(a)) {
            highest = std::max(highest, a);
        }
    }
    double step = 0.02;
    if (highest > 0) {
        step = NiceStep(highest);
        plot.alphaTop = std::ceil(highest / step - 1e-9) * step;
    }

    const double plotWidth = plot.right - plot.left;
    const double plotHeight = plot.bottom - plot.top;
    auto xOf = [&](double t) { return plot.left + t / plot.tEnd * plotWidth; };
    auto yOf = [&](double a) { return plot.bottom - a / plot.alphaTop * plotHeight; };

    // Whole seconds along T.
    for (int t = 0; t <= static_cast<int>(std::floor(plot.tEnd + 1e-9)); ++t) {
        plot.periodTicks.push_back({xOf(t), FormatNumber("%.0f", static_cast<double>(t))});
    }
    // α ticks with as many decimals as the step needs.
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    const std::string format = "%." + std::to_string(decimals) + "f";
    const int steps = static_cast<int>(std::lround(plot.alphaTop / step));
    for (int k = 0; k <= steps; ++k) {
        plot.alphaTicks.push_back({yOf(k * step), FormatNumber(format, k * step)});
    }

    // The four branches, each running on to the first point of the next one.
    const int starts[] = {0, result.nRise, result.nPlateau, result.nCurve, std::max(count, 0)};
    plot.branches.resize(4);
    for (int b = 0; b < 4; ++b) {
        const int from = std::clamp(starts[b], 0, count);
        const int to = std::clamp(std::max(starts[b + 1], from), 0, count);
        if (from >= to) {
            continue;
        }
        const int last = std::min(to, count - 1);
        for (int i = from; i <= last; ++i) {
            plot.branches[b].push_back({xOf(i * result.dt), yOf(alpha[i])});
        }
    }

    if (count > 0 && result.tg > 0) {
        plot.marked = true;
        plot.tgX = xOf(result.tg);
        plot.fiveTgX = xOf(5 * result.tg);
        plot.tgLabel = "Tg=" + FormatNumber("%.2f", result.tg);
        plot.fiveTgLabel = "5Tg=" + FormatNumber("%.2f", 5 * result.tg);
        plot.coefficients = "η1=" + FormatNumber("%.5f", result.eta1) +
                            "  η2=" + FormatNumber("%.5f", result.eta2) +
                            "  γ=" + FormatNumber("%.5f", result.gamma);
    }
    return plot;
}

} // namespace ferrolab
