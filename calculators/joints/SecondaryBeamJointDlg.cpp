#include "calculators/joints/SecondaryBeamJointDlg.h"

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

CSecondaryBeamJointDlg::CSecondaryBeamJointDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("secondaryBeamJointDlg"));
    setWindowTitle(QString::fromUtf8(kSecondaryBeamJointCaption));
    BuildControls();
    OnInitDialog();
}

void CSecondaryBeamJointDlg::BuildControls() {
    const Description& description = SecondaryBeamJointDescription();

    editionList_ = MakeEditionList(description.Field("edition"), &editionIndex_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);

    auto* bolts = new QGroupBox(QStringLiteral("螺栓（单列，单面受剪）"), this);
    DescribedGrid boltGrid(description, bolts);
    gradeList_ = boltGrid.List("grade", &grade_);
    boltKindList_ = boltGrid.List("bolt-kind", &boltKind_);
    boltGradeList_ = boltGrid.List("bolt-grade", &boltGrade_,
                                   TextsOf(SecondaryBoltGradeNames(kSecondaryFrictionBolt)));
    diameterList_ = boltGrid.List("d", &diameter_);
    surfaceList_ = boltGrid.List("surface", &surface_, TextsOf(SecondarySurfaceNames(kSteel2003)));
    boxes_.push_back(boltGrid.Box("clearance", &in_.clearance));
    countList_ = boltGrid.List("n", &count_);
    boxes_.push_back(boltGrid.Box("p", &in_.p));

    auto* joint = new QGroupBox(QStringLiteral("连接与荷载"), this);
    DescribedGrid jointGrid(description, joint);
    boxes_.push_back(jointGrid.Box("e", &in_.e));
    boxes_.push_back(jointGrid.Box("V", &in_.v));
    twBox_ = jointGrid.Box("tw", &in_.tw);
    tsBox_ = jointGrid.Box("ts", &in_.ts);
    boxes_.push_back(twBox_);
    boxes_.push_back(tsBox_);

    auto* welds = new QGroupBox(QStringLiteral("加劲肋与主梁腹板的角焊缝"), this);
    DescribedGrid weldGrid(description, welds);
    boxes_.push_back(weldGrid.Box("hf", &in_.hf));
    boxes_.push_back(weldGrid.Box("l", &in_.l));
    boxes_.push_back(weldGrid.Box("betaF", &in_.betaF));

    QPushButton* compute = MakeComputeButton(this);
    compute->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    picture_ = MakePicture(this, 320, 280);
    report_ = MakeReportBox(this, 420, 260);

    auto* right = new QVBoxLayout;
    right->addWidget(joint);
    right->addWidget(welds);
    right->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addWidget(bolts);
    upper->addLayout(right);
    upper->addWidget(picture_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addLayout(MakeButtonRow(compute, cancel));
    layout->addWidget(report_, 1);

    connect(editionList_, &ChoiceList::chosen, this, &CSecondaryBeamJointDlg::OnEditionChosen);
    connect(boltKindList_, &ChoiceList::chosen, this, &CSecondaryBeamJointDlg::OnBoltKind);
    connect(compute, &QPushButton::clicked, this, &CSecondaryBeamJointDlg::OnCompute);
}

void CSecondaryBeamJointDlg::OnInitDialog() {
    const Description& description = SecondaryBeamJointDescription();
    for (ValueCombo* box : boxes_) {
        box->SelectFirst();
    }
    auto open = [&](ChoiceList* list, const char* field, std::span<const char* const> names) {
        list->Select(IndexOf(names, description.Field(field).defaultValue));
    };
    open(gradeList_, "grade", SecondaryGradeNames());
    open(boltKindList_, "bolt-kind", SecondaryBoltKindNames());
    open(boltGradeList_, "bolt-grade", SecondaryBoltGradeNames(kSecondaryFrictionBolt));
    open(diameterList_, "d", SecondaryDiameterNames());
    open(surfaceList_, "surface", SecondarySurfaceNames(kSteel2003));
    open(countList_, "n", SecondaryBoltCountNames());
    OnBoltKind();
    // A dialog opening on the 2017 edition takes its surfaces.
    OnEditionChosen();
    picture_->SetPicture(QStringLiteral(":/pictures/secondary_beam_joint.svg"));
}

void CSecondaryBeamJointDlg::OnBoltKind() {
    const bool friction = boltKind_ == kSecondaryFrictionBolt;
    const std::string grade = boltGradeList_->SelectedText();
    // A kind change offers that kind's grades; the opening keeps the grade it was given.
    if (IndexOf(SecondaryBoltGradeNames(boltKind_), grade) < 0) {
        boltGradeList_->SetItems(TextsOf(SecondaryBoltGradeNames(boltKind_)));
    }
    // The faying surface counts for friction-type bolts only, the plate thicknesses for the
    // bearing of ordinary bolts only.
    surfaceList_->setEnabled(friction);
    twBox_->setEnabled(!friction);
    tsBox_->setEnabled(!friction);
}

void CSecondaryBeamJointDlg::OnEditionChosen() {
    const int year = editionList_->Year();
    if (year == filledEdition_) {
        return;
    }
    RefillSurfaces(surfaceList_, year, SecondarySurfaceNames(year),
                   SecondarySurfaceNames(kSteel2017));
    filledEdition_ = year;
}

SecondaryBeamJointInput CSecondaryBeamJointDlg::Input() const {
    SecondaryBeamJointInput in = in_;
    in.grade = SecondaryGradeOf(gradeList_->SelectedText());
    in.kind = boltKind_;
    in.boltClass = SecondaryBoltClassOf(boltGradeList_->SelectedText());
    in.d = SecondaryDiameterOf(diameterList_->SelectedText());
    in.surface = surface_;
    in.n = static_cast<int>(TextToDouble(countList_->SelectedText()));
    in.edition = editionList_->Year();
    return in;
}

void CSecondaryBeamJointDlg::OnCompute() {
    const SecondaryBeamJointResult result = ComputeSecondaryBeamJoint(Input());
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeSecondaryBeamJointDialog(QWidget* parent) {
    return new CSecondaryBeamJointDlg(parent);
}

} // namespace ferrolab
