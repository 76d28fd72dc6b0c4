#pragma once
// "受弯构件整体稳定系数φb的近似计算": the dialog of the approximate φb of appendix B.5
// (calculation in ApproxPhiB.h).

#include <QDialog>

class QGroupBox;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class RadioGroup;
class ReportBox;
class CBitmapPreview;
class EditionList;
class WeldedIPlates;

class CApproxPhiBDlg : public QDialog {
    Q_OBJECT
public:
    explicit CApproxPhiBDlg(QWidget* parent = nullptr);

    // The stored inputs (what "计算" works from).
    double lambdaY() const { return lambda_; }
    double l1() const { return l1_; }
    int sectionType() const { return type_; }
    bool lambdaTyped() const { return lambdaFrom_ == 0; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnSeriesChanged();
    // Enables what the section type and the way λy is found use.
    void UpdateEnabling();

    int edition_ = 0;
    int type_ = 0, lambdaFrom_ = 0, series_ = 0, section_ = 0, grade_ = 0;
    double lambda_ = 0, stem_ = 0, l1_ = 0;

    EditionList* editionList_ = nullptr;
    RadioGroup* typeGroup_ = nullptr;
    RadioGroup* lambdaGroup_ = nullptr;
    ValueCombo* lambdaBox_ = nullptr;
    ValueCombo* stemBox_ = nullptr;
    ValueCombo* l1Box_ = nullptr;
    ChoiceList* seriesList_ = nullptr;
    ChoiceList* sectionList_ = nullptr;
    QGroupBox* weldedGroup_ = nullptr;
    WeldedIPlates* plates_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
