#pragma once
// "承受扭矩和剪力共同作用的角焊缝": a three-sided fillet weld group of a lapped plate under torque
// and shear.

#include <QDialog>

class QLineEdit;

namespace ferrolab {

class ValueCombo;
class ReportBox;
class CBitmapPreview;

class CFilletWeldTorqueDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFilletWeldTorqueDlg(QWidget* parent = nullptr);

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();

    double b_ = 0, h_ = 0, e_ = 0, hf_ = 0, fx_ = 0, fy_ = 0, beta_ = 0;

    ValueCombo* bBox_ = nullptr;
    ValueCombo* hBox_ = nullptr;
    QLineEdit* xBox_ = nullptr;
    ValueCombo* eBox_ = nullptr;
    ValueCombo* hfBox_ = nullptr;
    ValueCombo* fxBox_ = nullptr;
    ValueCombo* fyBox_ = nullptr;
    QLineEdit* tBox_ = nullptr;
    ValueCombo* betaBox_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
