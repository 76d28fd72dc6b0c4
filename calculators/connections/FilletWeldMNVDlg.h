#pragma once
// "承受弯矩、轴力和剪力作用的角焊缝连接": fillet welds all round the end of a welded I section
// under a force F at an eccentricity e.

#include <QDialog>

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CFilletWeldMNVDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFilletWeldMNVDlg(QWidget* parent = nullptr);

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    // The edition or the grade picked: the welding methods of the edition, in GB50017-2017 the
    // electrodes table 4.4.5 matches to the grade.
    void OnGradeChanged();
    // The edition picked: the grades of the edition (GB50017-2017 adds Q460 and Q345GJ), the
    // grade kept where the new list holds it, then the welding methods.
    void OnEditionChanged();

    double b1_ = 0, t1_ = 0, h0_ = 0, tw_ = 0, b2_ = 0, t2_ = 0, hf_ = 0, f_ = 0, e_ = 0;
    int edition_ = 0;
    // Welding method and electrode: one entry in GB50017-2003, where it does not enter the
    // computation; the electrodes of the grade in GB50017-2017.
    int method_ = 0;
    int grade_ = 0;

    ValueCombo* b1Box_ = nullptr;
    ValueCombo* t1Box_ = nullptr;
    ValueCombo* h0Box_ = nullptr;
    ValueCombo* twBox_ = nullptr;
    ValueCombo* b2Box_ = nullptr;
    ValueCombo* t2Box_ = nullptr;
    ValueCombo* hfBox_ = nullptr;
    ValueCombo* fBox_ = nullptr;
    ValueCombo* eBox_ = nullptr;
    EditionList* editionList_ = nullptr;
    ChoiceList* methodList_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
