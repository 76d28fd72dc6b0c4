#pragma once
// "薄壁型钢轴心受力构件": a cold-formed plain channel or square tube under axial compression:
// slenderness, φ of GB50018-2002 appendix A and the stress N/(φ·A).

#include <QDialog>

#include "calculators/members/ColdFormedAxial.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class RadioGroup;
class ReportBox;
class CBitmapPreview;

class CColdFormedAxialDlg : public QDialog {
    Q_OBJECT
public:
    explicit CColdFormedAxialDlg(QWidget* parent = nullptr);

    // The stored state (what "计算" works from).
    const CFAxialSection& section() const { return section_; }
    double N() const { return n_; }
    double lx() const { return lx_; }
    double ly() const { return ly_; }
    double l() const { return l_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnKindChosen();
    void OnNameChosen();
    void OnEndConditionChosen();
    void OnBattensToggled();

    CFAxialSection section_;
    double n_ = 0, lx_ = 0, ly_ = 0, l_ = 0;
    int kind_ = 0, name_ = 0, grade_ = 0, endCondition_ = 0, battenChoice_ = 1;

    ChoiceList* kindList_ = nullptr;
    ChoiceList* nameList_ = nullptr;
    ReportBox* properties_ = nullptr;
    CBitmapPreview* preview_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ValueCombo* nBox_ = nullptr;
    QGroupBox* restraintGroup_ = nullptr;
    QLabel* endLabel_ = nullptr;
    ChoiceList* endList_ = nullptr;
    RadioGroup* battens_ = nullptr;
    QLineEdit* alphaBox_ = nullptr;
    QLineEdit* betaBox_ = nullptr;
    ValueCombo* lxBox_ = nullptr;
    ValueCombo* lyBox_ = nullptr;
    QLabel* lLabel_ = nullptr;
    ValueCombo* lBox_ = nullptr;
    QPushButton* compute_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
