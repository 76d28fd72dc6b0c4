#pragma once
// "冷弯薄壁槽钢、Z形钢截面参数(按近似计算公式)": section properties of six cold-formed channel
// and Z families from their centreline dimensions.

#include <QDialog>

class QLabel;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class ReportBox;
class CBitmapPreview;

class CColdFormedSectionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CColdFormedSectionDlg(QWidget* parent = nullptr);

    // The stored inputs (what "计算" works from).
    int family() const { return family_; }
    double a() const { return a_; }
    double h() const { return h_; }
    double b() const { return b_; }
    double t() const { return t_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnFamilyChanged();
    void OnThicknessTyped();

    int family_ = 0;
    double a_ = 0, h_ = 0, b_ = 0, t_ = 0;

    ChoiceList* familyList_ = nullptr;
    QLabel* aLabel_ = nullptr;
    QLabel* aUnit_ = nullptr;
    ValueCombo* aBox_ = nullptr;
    ValueCombo* hBox_ = nullptr;
    ValueCombo* bBox_ = nullptr;
    ValueCombo* tBox_ = nullptr;
    CBitmapPreview* preview_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
