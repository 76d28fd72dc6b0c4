#pragma once
// "双轴对称工字形等截面悬臂梁整体稳定验算": the dialog of the overall stability check of a doubly
// symmetric I cantilever (calculation in CantileverBeam.h).

#include <QDialog>

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
    double b() const { return b_; }
    double t() const { return t_; }
    double hw() const { return hw_; }
    double tw() const { return tw_; }
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
    double b_ = 0, t_ = 0, hw_ = 0, tw_ = 0, l1_ = 0, mx_ = 0;

    EditionList* editionList_ = nullptr;
    ChoiceList* seriesList_ = nullptr;
    ChoiceList* sectionList_ = nullptr;
    QGroupBox* weldedGroup_ = nullptr;
    ValueCombo* bBox_ = nullptr;
    ValueCombo* tBox_ = nullptr;
    ValueCombo* hwBox_ = nullptr;
    ValueCombo* twBox_ = nullptr;
    ValueCombo* l1Box_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ValueCombo* mxBox_ = nullptr;
    RadioGroup* caseGroup_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
