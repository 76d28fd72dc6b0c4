#pragma once
// "焊接工字形等截面简支梁、轧制H型钢简支梁整体稳定验算": the dialog of the overall stability check
// of welded I and rolled H beams (calculation in BeamStability.h).

#include <QDialog>

#include "ui/WeldedIPlates.h"

class QGroupBox;
class QLabel;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class RadioGroup;
class ReportBox;
class CBitmapPreview;
struct BeamStabilityInput;

class CBeamStabilityDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBeamStabilityDlg(QWidget* parent = nullptr);

    // The stored inputs (what "计算" works from).
    double l1() const { return l1_; }
    double b1() const { return plates_->Values().b1; }
    double t1() const { return plates_->Values().t1; }
    double hw() const { return plates_->Values().hw; }
    double tw() const { return plates_->Values().tw; }
    double b2() const { return plates_->Values().b2; }
    double t2() const { return plates_->Values().t2; }
    double r() const { return r_; }
    double mx() const { return mx_; }
    double gammaX() const { return gammaX_; }
    int loadCase() const { return caseIndex_ + 1; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnSeriesChanged();
    void OnLoadCaseChanged();
    // 2017: the γx, γy boxes take what the section's class allows (6.1.2) whenever the section
    // changes; the 2003 edition leaves them as they are.
    void OnSectionChanged();
    // The inputs as they stand, for "计算" and for the section's class.
    BeamStabilityInput Input() const;

    int edition_ = 0;
    int series_ = 0, section_ = 0, grade_ = 0, flange_ = 0;
    int caseIndex_ = 0; // radio index: load case 1 is index 0
    double l1_ = 0, mx_ = 0, my_ = 0, vy_ = 0, gammaX_ = 0, gammaY_ = 0;
    double r_ = 0;

    EditionList* editionList_ = nullptr;
    ChoiceList* seriesList_ = nullptr;
    ChoiceList* sectionList_ = nullptr;
    QLabel* spanLabel_ = nullptr;
    ValueCombo* l1Box_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ValueCombo* mxBox_ = nullptr;
    ValueCombo* myBox_ = nullptr;
    ValueCombo* vyBox_ = nullptr;
    ValueCombo* gammaXBox_ = nullptr;
    ValueCombo* gammaYBox_ = nullptr;
    QGroupBox* weldedGroup_ = nullptr;
    WeldedIPlates* plates_ = nullptr;
    ChoiceList* flangeList_ = nullptr;
    RadioGroup* caseGroup_ = nullptr;
    ValueCombo* rBox_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
