#pragma once
// "轧制普通工字钢简支梁的φb": the dialog of the tabulated φb of rolled I-beams (calculation in
// RolledIBeamPhi.h).

#include <QDialog>

class QLineEdit;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class RadioGroup;
class CBitmapPreview;

class CRolledIBeamPhiDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRolledIBeamPhiDlg(QWidget* parent = nullptr);

    double l1() const { return l1_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();

    int edition_ = 0, beam_ = 0, grade_ = 0, loadCase_ = 0;
    double l1_ = 0;

    EditionList* editionList_ = nullptr;
    ChoiceList* beamList_ = nullptr;
    ValueCombo* l1Box_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    RadioGroup* caseGroup_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    QLineEdit* result_ = nullptr;
};

} // namespace ferrolab
