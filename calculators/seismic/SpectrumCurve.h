#pragma once
// The α-T curve of the last computed spectrum, drawn beside the α list: axes with T in s and α,
// the four branches in their own colours, Tg and 5Tg marked. Repainted whenever the owner hands
// it a new table.

#include <QWidget>

#include "calculators/seismic/SeismicCoefficient.h"
#include "calculators/seismic/SpectrumPlot.h"

namespace ferrolab {

class CSpectrumCurve : public QWidget {
    Q_OBJECT
public:
    explicit CSpectrumCurve(QWidget* parent = nullptr);

    void SetResult(const SeismicCoefficientResult& result);
    // The drawing at the widget's present size.
    SpectrumPlot Plot() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SeismicCoefficientResult result_;
};

} // namespace ferrolab
