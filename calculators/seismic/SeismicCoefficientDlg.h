#pragma once
// "地震影响系数": the design response spectrum α(T) from 0 to 6 s, listed "%.7f" a line, drawn
// as a curve beside the list, and written to "ResponseSpectrum.txt" in the current directory.

#include <QDialog>
#include <QString>

#include "calculators/seismic/SeismicCoefficient.h"

namespace ferrolab {

class ChoiceList;
class ValueCombo;
class ReportBox;
class CSpectrumCurve;

class CSeismicCoefficientDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSeismicCoefficientDlg(QWidget* parent = nullptr);

    // Where "计算" writes the table: kSpectrumFileName in the current directory unless changed.
    void SetTablePath(const QString& path) { tablePath_ = path; }
    // The absolute path of the table file as the message names it.
    QString TablePath() const;

    double alphaMax() const { return alphaMax_; }
    double zeta() const { return zeta_; }
    double dt() const { return dt_; }
    int site() const { return site_; }
    int group() const { return group_; }
    const SeismicCoefficientResult& result() const { return result_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();

    double alphaMax_ = 0, zeta_ = 0, dt_ = 0;
    int dtIndex_ = 0;
    int site_ = 0, group_ = 0;
    QString tablePath_ = QString::fromLatin1(kSpectrumFileName);
    SeismicCoefficientResult result_;

    ValueCombo* alphaMaxBox_ = nullptr;
    ValueCombo* zetaBox_ = nullptr;
    ChoiceList* siteList_ = nullptr;
    ChoiceList* groupList_ = nullptr;
    ChoiceList* dtList_ = nullptr;
    ReportBox* report_ = nullptr;
    CSpectrumCurve* curve_ = nullptr;
};

} // namespace ferrolab
