#pragma once
// "承受扭矩和剪力共同作用的角焊缝": a three-sided fillet weld group of a lapped plate under torque
// and shear.

#include <QDialog>

class QLineEdit;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
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
    // The edition picked: GB50017-2017 shows the grade and the welding method, whose ffw the
    // combined stress is compared with; GB50017-2003 reports the stresses only.
    void OnEditionChanged();
    // The grade picked: the electrodes of table 4.4.5 for the grade.
    void OnGradeChanged();

    double b_ = 0, h_ = 0, e_ = 0, hf_ = 0, fx_ = 0, fy_ = 0, beta_ = 0;
    int edition_ = 0, grade_ = 0, method_ = 0;

    EditionList* editionList_ = nullptr;
    ValueCombo* bBox_ = nullptr;
    ValueCombo* hBox_ = nullptr;
    QLineEdit* xBox_ = nullptr;
    ValueCombo* eBox_ = nullptr;
    ValueCombo* hfBox_ = nullptr;
    ValueCombo* fxBox_ = nullptr;
    ValueCombo* fyBox_ = nullptr;
    QLineEdit* tBox_ = nullptr;
    ValueCombo* betaBox_ = nullptr;
    QWidget* strengthRows_ = nullptr; // the grade and the welding method (GB50017-2017)
    ChoiceList* gradeList_ = nullptr;
    ChoiceList* methodList_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
