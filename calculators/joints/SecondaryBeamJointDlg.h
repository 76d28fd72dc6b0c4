#pragma once
// "主次梁连接": the secondary beam's web bolted to a stiffener of the main beam, one column of
// bolts; the bolts and the stiffener's welds under V and the eccentric moment V·e.

#include <QDialog>

#include "calculators/joints/SecondaryBeamJoint.h"

namespace ferrolab {

class EditionList;
class ValueCombo;
class ChoiceList;
class ReportBox;
class CBitmapPreview;

class CSecondaryBeamJointDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSecondaryBeamJointDlg(QWidget* parent = nullptr);

    // What "计算" works from.
    SecondaryBeamJointInput Input() const;

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnBoltKind();
    // The edition's faying surfaces, the pick kept where both editions have it.
    void OnEditionChosen();

    SecondaryBeamJointInput in_;
    int editionIndex_ = 0;
    int filledEdition_ = kSteel2003; // the edition the surface list shows
    int grade_ = 0, boltKind_ = 0, boltGrade_ = 0, diameter_ = 0, surface_ = 0, count_ = 0;

    EditionList* editionList_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ChoiceList* boltKindList_ = nullptr;
    ChoiceList* boltGradeList_ = nullptr;
    ChoiceList* diameterList_ = nullptr;
    ChoiceList* surfaceList_ = nullptr;
    ChoiceList* countList_ = nullptr;
    ValueCombo* twBox_ = nullptr;
    ValueCombo* tsBox_ = nullptr;
    std::vector<ValueCombo*> boxes_;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
