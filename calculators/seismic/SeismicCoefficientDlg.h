#pragma once
// "地震影响系数": the design response spectrum α(T) from 0 to 6 s, listed "%.7f" a line, drawn
// as a curve beside the list, and written to "ResponseSpectrum.txt" in the current directory.

#include <QDialog>
#include <QString>

#include "calculators/seismic/SeismicCoefficient.h"

namespace ferrolab {

class ChoiceList;
class EditionList;
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
    int level() const { return level_; }
    int edition() const;
    const SeismicCoefficientResult& result() const { return result_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    // The lists the edition decides: αmax presets, site classes (the site kept, class I of 2001
    // being I1 of 2010), and the earthquake level, which only the 2010 edition offers.
    void OnEditionChosen();
    void FillEditionLists();

    double alphaMax_ = 0, zeta_ = 0, dt_ = 0;
    int dtIndex_ = 0;
    int site_ = 0, group_ = 0, level_ = 0;
    int editionIndex_ = 0;
    int filledEdition_ = 0; // the edition the lists were last filled for
    QString tablePath_ = QString::fromLatin1(kSpectrumFileName);
    SeismicCoefficientResult result_;

    EditionList* editionList_ = nullptr;
    ValueCombo* alphaMaxBox_ = nullptr;
    ValueCombo* zetaBox_ = nullptr;
    ChoiceList* siteList_ = nullptr;
    ChoiceList* groupList_ = nullptr;
    ChoiceList* levelList_ = nullptr;
    ChoiceList* dtList_ = nullptr;
    ReportBox* report_ = nullptr;
    CSpectrumCurve* curve_ = nullptr;
};

} // namespace ferrolab
