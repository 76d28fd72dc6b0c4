#pragma once
// The α-T curve as a drawing: where each tabulated point, axis tick and mark lands in a widget of
// a given size (pixels, y pointing down). The curve widget only paints what this returns, so the
// scaling is checked without pixels.

#include <string>
#include <vector>

#include "calculators/seismic/SeismicCoefficient.h"

namespace ferrolab {

struct PlotPoint {
    double x = 0, y = 0;
};

struct PlotTick {
    double position = 0; // x of a period tick, y of an α tick
    std::string label;
};

struct PlotMargins {
    double left = 56, top = 26, right = 18, bottom = 40;
};

struct SpectrumPlot {
    // The plot area: T = 0 at left, tEnd at right; α = 0 at bottom, alphaTop at top.
    double left = 0, top = 0, right = 0, bottom = 0;
    double tEnd = 6;
    double alphaTop = 0.1;
    // The rise, the plateau, the curved and the straight descent, in this order; each polyline
    // also takes the first point of the next branch, so the curve runs unbroken. A branch
    // without points (no table yet) is empty.
    std::vector<std::vector<PlotPoint>> branches;
    std::vector<PlotTick> periodTicks; // every second, "0" ... "6"
    std::vector<PlotTick> alphaTicks;  // 0 up to alphaTop at a 1-2-5 step
    bool marked = false;               // Tg and 5Tg are known (after a compute)
    double tgX = 0, fiveTgX = 0;
    std::string tgLabel, fiveTgLabel; // "Tg=0.25", "5Tg=1.25"
    // The damping coefficients of the table, "η1=0.02375  η2=1.31915  γ=0.95000" (after a
    // compute).
    std::string coefficients;
    std::string periodTitle = "T(s)";
    std::string alphaTitle = "α";
};

// The drawing of a computed table (an empty result gives the bare axes for 0..6 s).
SpectrumPlot PlotSpectrum(const SeismicCoefficientResult& result, double width, double height,
                          const PlotMargins& margins = {});

} // namespace ferrolab
