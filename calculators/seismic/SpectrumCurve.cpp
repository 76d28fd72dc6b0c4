#include "calculators/seismic/SpectrumCurve.h"

#include <QPainter>
#include <QPainterPath>

namespace ferrolab {
namespace {

// Rise, plateau, curved descent, straight descent.
const QColor kBranchColours[4] = {QColor(0, 110, 200), QColor(0, 140, 60), QColor(200, 40, 40),
                                  QColor(140, 60, 170)};

} // namespace

CSpectrumCurve::CSpectrumCurve(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSpectrumCurve::SetResult(const SeismicCoefficientResult& result) {
    result_.alpha = result.alpha;
    result_.dt = result.dt;
    result_.eta1 = result.eta1;
    result_.eta2 = result.eta2;
    result_.gamma = result.gamma;
    result_.tg = result.tg;
    result_.nRise = result.nRise;
    result_.nPlateau = result.nPlateau;
    result_.nCurve = result.nCurve;
    result_.nEnd = result.nEnd;
    update();
}

SpectrumPlot CSpectrumCurve::Plot() const {
    return PlotSpectrum(result_, width(), height());
}

void CSpectrumCurve::paintEvent(QPaintEvent*) {
    const SpectrumPlot plot = Plot();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetricsF metrics(font());

    // Grid and ticks.
    painter.setPen(QPen(QColor(225, 225, 225), 1));
    for (const PlotTick& tick : plot.periodTicks) {
        painter.drawLine(QPointF(tick.position, plot.top), QPointF(tick.position, plot.bottom));
    }
    for (const PlotTick& tick : plot.alphaTicks) {
        painter.drawLine(QPointF(plot.left, tick.position), QPointF(plot.right, tick.position));
    }
    painter.setPen(QPen(Qt::black, 1));
    for (const PlotTick& tick : plot.periodTicks) {
        painter.drawLine(QPointF(tick.position, plot.bottom),
                         QPointF(tick.position, plot.bottom + 4));
        const QString label = QString::fromStdString(tick.label);
        painter.drawText(QPointF(tick.position - metrics.horizontalAdvance(label) / 2,
                                 plot.bottom + 5 + metrics.ascent()),
                         label);
    }
    for (const PlotTick& tick : plot.alphaTicks) {
        painter.drawLine(QPointF(plot.left - 4, tick.position), QPointF(plot.left, tick.position));
        const QString label = QString::fromStdString(tick.label);
        painter.drawText(QPointF(plot.left - 7 - metrics.horizontalAdvance(label),
                                 tick.position + metrics.ascent() / 2 - 1),
                         label);
    }

    // Axes with arrow heads and titles.
    painter.drawLine(QPointF(plot.left, plot.bottom), QPointF(plot.right + 10, plot.bottom));
    painter.drawLine(QPointF(plot.left, plot.bottom), QPointF(plot.left, plot.top - 12));
    painter.drawLine(QPointF(plot.right + 10, plot.bottom),
                     QPointF(plot.right + 4, plot.bottom - 3));
    painter.drawLine(QPointF(plot.right + 10, plot.bottom),
                     QPointF(plot.right + 4, plot.bottom + 3));
    painter.drawLine(QPointF(plot.left, plot.top - 12), QPointF(plot.left - 3, plot.top - 6));
    painter.drawLine(QPointF(plot.left, plot.top - 12), QPointF(plot.left + 3, plot.top - 6));
    const QString periodTitle = QString::fromStdString(plot.periodTitle);
    painter.drawText(QPointF(plot.right - metrics.horizontalAdvance(periodTitle),
                             plot.bottom + 5 + metrics.ascent() + metrics.height()),
                     periodTitle);
    painter.drawText(QPointF(plot.left, plot.bottom + 5 + metrics.ascent() + metrics.height()),
                     QString::fromStdString(plot.coefficients));
    painter.drawText(QPointF(plot.left + 6, plot.top - 12 + metrics.ascent() / 2),
                     QString::fromStdString(plot.alphaTitle));

    // Tg and 5Tg.
    if (plot.marked) {
        painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
        for (const auto& [x, text] :
             {std::pair{plot.tgX, plot.tgLabel}, std::pair{plot.fiveTgX, plot.fiveTgLabel}}) {
            painter.drawLine(QPointF(x, plot.top), QPointF(x, plot.bottom));
            painter.drawText(QPointF(x + 3, plot.top + metrics.ascent()),
                             QString::fromStdString(text));
        }
    }

    // The curve, branch by branch.
    for (std::size_t b = 0; b < plot.branches.size() && b < 4; ++b) {
        const auto& points = plot.branches[b];
        if (points.empty()) {
            continue;
        }
        QPainterPath path(QPointF(points.front().x, points.front().y));
        for (std::size_t i = 1; i < points.size(); ++i) {
            path.lineTo(points[i].x, points[i].y);
        }
        painter.setPen(QPen(kBranchColours[b], 2));
        painter.drawPath(path);
    }
}

} // namespace ferrolab
