#pragma once
// "双轴对称工字形等截面悬臂梁整体稳定验算": the dialog of the overall stability check of a doubly
// symmetric I cantilever (calculation in CantileverBeam.h).

#include <QDialog>

#include "ui/WeldedIPlates.h"

class QGroupBox;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class RadioGroup;
class ReportBox;
class CBitmapPreview;
class EditionList;

class CCantileverBeamDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCantileverBeamDlg(QWidget* parent = nullptr);

    // The stored inputs (what "计算" works from).
    // The doubly symmetric I gives its one flange in the plate rows of the first flange.
    double b() const { return plates_->Values().b1; }
    double t() const { return plates_->Values().t1; }
    double hw() const { return plates_->Values().hw; }
    double tw() const { return plates_->Values().tw; }
    double l1() const { return l1_; }
    double mx() const { return mx_; }
    int loadCase() const { return caseIndex_ + 1; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnSeriesChanged();
    // The load-case frame names the table of the chosen edition (B.4 or C.0.4).
    void OnEditionChanged();

    int edition_ = 0;
    int series_ = 0, section_ = 0, grade_ = 0;
    int caseIndex_ = 0; // radio index: load case 1 is index 0
    double l1_ = 0, mx_ = 0;

    EditionList* editionList_ = nullptr;
    ChoiceList* seriesList_ = nullptr;
    ChoiceList* sectionList_ = nullptr;
    QGroupBox* weldedGroup_ = nullptr;
    WeldedIPlates* plates_ = nullptr;
    ValueCombo* l1Box_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ValueCombo* mxBox_ = nullptr;
    RadioGroup* caseGroup_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
