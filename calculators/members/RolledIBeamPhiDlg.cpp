#include "calculators/members/RolledIBeamPhiDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calculators/materials/DesignValues.h"
#include "calculators/members/RolledIBeamPhi.h"
#include "sections/SectionLists.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

CRolledIBeamPhiDlg::CRolledIBeamPhiDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("rolledIBeamPhiDlg"));
    setWindowTitle(QString::fromUtf8(kRolledIBeamPhiCaption));
    BuildControls();
    OnInitDialog();
}

void CRolledIBeamPhiDlg::BuildControls() {
    const Description& description = RolledIBeamPhiDescription();
    editionList_ = MakeEditionList(description.Field("edition"), &edition_, this);
    beamList_ = new ChoiceList(QStringLiteral("beam"), Items(description.Field("name").allowed),
                               &beam_, this);
    l1Box_ =
        new ValueCombo(QStringLiteral("l1"), Items(description.Field("l1").presets), &l1_, this);
    gradeList_ = new ChoiceList(QStringLiteral("grade"), Items(description.Field("grade").allowed),
                                &grade_, this);
    caseGroup_ = new RadioGroup(QStringLiteral("荷载情况"), QStringLiteral("loadCase"),
                                IBeamLoadCaseCaptions(), &loadCase_, this);
    picture_ = new CBitmapPreview(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setMinimumSize(220, 170);
    result_ = new QLineEdit(this);
    result_->setObjectName(QStringLiteral("result"));
    result_->setReadOnly(true);

    QPushButton* compute = MakeComputeButton(this);
    compute->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);

    auto* inputs = new QGridLayout;
    AddGridRow(inputs, 0, "工字钢:", beamList_);
    AddGridRow(inputs, 1, "自由长度(m):", l1Box_);
    AddGridRow(inputs, 2, "钢号:", gradeList_);
    auto* upper = new QHBoxLayout;
    upper->addLayout(inputs);
    upper->addWidget(picture_, 1);
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(new QLabel(QStringLiteral("轧制普通工字钢简支梁的φb:"), this));
    resultRow->addWidget(result_, 1);
    QHBoxLayout* buttons = MakeButtonRow(compute, cancel);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addWidget(caseGroup_);
    layout->addLayout(resultRow);
    layout->addLayout(buttons);

    connect(compute, &QPushButton::clicked, this, &CRolledIBeamPhiDlg::OnCompute);
}

void CRolledIBeamPhiDlg::OnInitDialog() {
    beamList_->Select(0);
    l1Box_->SelectFirst();
    gradeList_->Select(0);
    loadCase_ = 0;
    caseGroup_->CheckFromMember();
    result_->clear();
    picture_->SetPicture(QStringLiteral(":/pictures/rolled_ibeam.svg"));
}

void CRolledIBeamPhiDlg::OnCompute() {
    RolledIBeamPhiInput in;
    in.loadCase = loadCase_;
    in.beam = beamList_->SelectedText();
    in.l1 = l1_;
    in.fy = GradeOfEntry(gradeList_->SelectedText());
    in.edition = editionList_->Year();
    const RolledIBeamPhiResult result = ComputeRolledIBeamPhi(in);
    ShowNotices(this, result.notices);
    if (result.shown) {
        result_->setText(QString::fromStdString(*result.shown));
    }
}

QDialog* MakeRolledIBeamPhiDialog(QWidget* parent) {
    return new CRolledIBeamPhiDlg(parent);
}

} // namespace ferrolab
