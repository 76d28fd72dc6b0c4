#pragma once
// "钢管节点": X, T (Y) and gap K joints of circular hollow sections, the joint's capacity for the
// branch forces and the branch-to-chord welds.

#include <QDialog>

#include "calculators/joints/TubeJoint.h"

class QGroupBox;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CTubeJointDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTubeJointDlg(QWidget* parent = nullptr);

    // What "计算" works from.
    TubeJointInput Input() const;

    void OnCompute();

    // The drawing of a joint kind (list order).
    static QString PictureFor(int kind);

private:
    void BuildControls();
    void OnInitDialog();
    void OnJointKind();

    TubeJointInput in_;
    int editionIndex_ = 0;
    int kind_ = 0, grade_ = 0, force_ = 0;

    EditionList* editionList_ = nullptr;
    ChoiceList* kindList_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ChoiceList* forceList_ = nullptr;
    QGroupBox* tensionBranch_ = nullptr;
    std::vector<ValueCombo*> boxes_;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
