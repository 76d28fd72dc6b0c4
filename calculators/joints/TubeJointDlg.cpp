#include "calculators/joints/TubeJointDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/EditionRow.h"
#include "calculators/joints/DescribedGrid.h"
#include "calculators/joints/JointDialog.h"
#include "engine/TextToNumber.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

CTubeJointDlg::CTubeJointDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tubeJointDlg"));
    setWindowTitle(QString::fromUtf8(kTubeJointCaption));
    BuildControls();
    OnInitDialog();
}

QString CTubeJointDlg::PictureFor(int kind) {
    switch (static_cast<TubeJointKind>(kind)) {
    case TubeJointKind::X:
        return QStringLiteral(":/pictures/tube_joint_x.svg");
    case TubeJointKind::T:
        return QStringLiteral(":/pictures/tube_joint_t.svg");
    case TubeJointKind::K:
        return QStringLiteral(":/pictures/tube_joint_k.svg");
    }
    return {};
}

void CTubeJointDlg::BuildControls() {
    const Description& description = TubeJointDescription();

    auto* chord = new QGroupBox(QStringLiteral("节点与主管"), this);
    DescribedGrid chordGrid(description, chord);
    kindList_ = chordGrid.List("joint", &kind_);
    gradeList_ = chordGrid.List("grade", &grade_);
    boxes_.push_back(chordGrid.Box("D", &in_.chordD));
    boxes_.push_back(chordGrid.Box("t", &in_.chordT));
    boxes_.push_back(chordGrid.Box("sigma", &in_.sigma));

    auto* branch = new QGroupBox(QStringLiteral("支管（K形节点为受压支管）"), this);
    DescribedGrid branchGrid(description, branch);
    boxes_.push_back(branchGrid.Box("d1", &in_.d1));
    boxes_.push_back(branchGrid.Box("t1", &in_.t1));
    boxes_.push_back(branchGrid.Box("theta1", &in_.theta1));
    forceList_ = branchGrid.List("force", &force_);
    boxes_.push_back(branchGrid.Box("N1", &in_.n1));

    tensionBranch_ = new QGroupBox(QStringLiteral("受拉支管（K形节点）"), this);
    DescribedGrid tensionGrid(description, tensionBranch_);
    boxes_.push_back(tensionGrid.Box("d2", &in_.d2));
    boxes_.push_back(tensionGrid.Box("t2", &in_.t2));
    boxes_.push_back(tensionGrid.Box("theta2", &in_.theta2));
    boxes_.push_back(tensionGrid.Box("N2", &in_.n2));
    boxes_.push_back(tensionGrid.Box("a", &in_.gap));

    auto* weld = new QGroupBox(QStringLiteral("支管与主管的角焊缝"), this);
    DescribedGrid weldGrid(description, weld);
    boxes_.push_back(weldGrid.Box("hf", &in_.hf));

    QPushButton* compute = MakeComputeButton(this);
    compute->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    picture_ = MakePicture(this, 320, 240);
    report_ = MakeReportBox(this, 420, 260);

    auto* left = new QVBoxLayout;
    left->addWidget(chord);
    left->addWidget(weld);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(branch);
    middle->addWidget(tensionBranch_);
    middle->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addLayout(middle);
    upper->addWidget(picture_, 1);
    // Nothing else in the dialog depends on the edition: the grades are those of both.
    editionList_ = MakeEditionList(description.Field("edition"), &editionIndex_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addLayout(MakeButtonRow(compute, cancel));
    layout->addWidget(report_, 1);

    connect(kindList_, &ChoiceList::chosen, this, &CTubeJointDlg::OnJointKind);
    connect(compute, &QPushButton::clicked, this, &CTubeJointDlg::OnCompute);
}

void CTubeJointDlg::OnInitDialog() {
    for (ValueCombo* box : boxes_) {
        box->SelectFirst();
    }
    kindList_->Select(0);
    gradeList_->Select(0);
    forceList_->Select(0);
    OnJointKind();
}

void CTubeJointDlg::OnJointKind() {
    const bool k = static_cast<TubeJointKind>(kind_) == TubeJointKind::K;
    // The K joint's first branch is the one in compression; the second group is its tension
    // branch and the gap between the two.
    forceList_->setEnabled(!k);
    tensionBranch_->setEnabled(k);
    picture_->SetPicture(PictureFor(kind_));
}

TubeJointInput CTubeJointDlg::Input() const {
    TubeJointInput in = in_;
    in.kind = static_cast<TubeJointKind>(kind_);
    in.grade = static_cast<SteelGrade>(TextToDouble(gradeList_->SelectedText().substr(1)));
    in.tension = force_ == 1;
    in.edition = editionList_->Year();
    return in;
}

void CTubeJointDlg::OnCompute() {
    const TubeJointResult result = ComputeTubeJoint(Input());
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeTubeJointDialog(QWidget* parent) {
    return new CTubeJointDlg(parent);
}

} // namespace ferrolab
