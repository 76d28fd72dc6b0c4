#include "calculators/members/RolledChannelBeamDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "calculators/materials/DesignValues.h"
#include "calculators/members/RolledIBeamPhi.h"
#include "sections/SectionLists.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

CRolledChannelBeamDlg::CRolledChannelBeamDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("rolledChannelBeamDlg"));
    setWindowTitle(QString::fromUtf8(kRolledChannelBeamCaption));
    BuildControls();
    OnInitDialog();
}

void CRolledChannelBeamDlg::BuildControls() {
    const Description& description = RolledChannelBeamDescription();
    editionList_ = MakeEditionList(description.Field("edition"), &edition_, this);
    channelList_ = new ChoiceList(QStringLiteral("channel"),
                                  Items(description.Field("name").allowed), &channel_, this);
    l1Box_ =
        new ValueCombo(QStringLiteral("l1"), Items(description.Field("l1").presets), &l1_, this);
    gradeList_ = new ChoiceList(QStringLiteral("grade"), Items(description.Field("grade").allowed),
                                &grade_, this);
    sectionText_ = new ReportBox(this, QStringLiteral("sectionText"));
    sectionText_->setMinimumSize(260, 130);
    picture_ = new CBitmapPreview(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setMinimumSize(200, 170);
    compute_ = MakeComputeButton(this);
    compute_->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    report_ = new ReportBox(this);
    report_->setMinimumSize(560, 110);

    auto* inputs = new QGridLayout;
    AddGridRow(inputs, 0, "规范版本:", editionList_);
    AddGridRow(inputs, 1, "槽钢:", channelList_);
    AddGridRow(inputs, 2, "自由长度(m):", l1Box_);
    AddGridRow(inputs, 3, "钢号:", gradeList_);
    QHBoxLayout* buttons = MakeButtonRow(compute_, cancel);
    auto* right = new QVBoxLayout;
    right->addLayout(inputs);
    right->addWidget(picture_, 1);
    right->addLayout(buttons);
    auto* upper = new QHBoxLayout;
    upper->addWidget(sectionText_, 1);
    upper->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addWidget(report_);

    connect(channelList_, &ChoiceList::chosen, this, &CRolledChannelBeamDlg::OnChannelChanged);
    connect(gradeList_, &ChoiceList::chosen, this, &CRolledChannelBeamDlg::OnGradeChanged);
    // The section's t depends on the edition: a channel already chosen is loaded again.
    connect(editionList_, &ChoiceList::chosen, this, [this] {
        if (compute_->isEnabled()) {
            OnChannelChanged();
        }
    });
    connect(compute_, &QPushButton::clicked, this, &CRolledChannelBeamDlg::OnCompute);
}

void CRolledChannelBeamDlg::OnInitDialog() {
    // The first channel shows selected, but nothing is loaded until the user chooses one.
    channelList_->Select(0);
    l1Box_->SelectFirst();
    gradeList_->Select(0);
    fy_ = 235;
    compute_->setEnabled(false);
    picture_->SetPicture(QStringLiteral(":/pictures/rolled_channel.svg"));
}

void CRolledChannelBeamDlg::OnChannelChanged() {
    compute_->setEnabled(true);
    const ChannelSelection selection =
        SelectRolledChannel(channelList_->SelectedText(), editionList_->Year());
    ShowNotices(this, selection.notices);
    if (selection.section) {
        section_ = *selection.section;
        sectionText_->SetReport(selection.text);
    }
}

void CRolledChannelBeamDlg::OnGradeChanged() {
    fy_ = GradeOfEntry(gradeList_->SelectedText());
}

void CRolledChannelBeamDlg::OnCompute() {
    RolledChannelBeamInput in;
    in.section = section_;
    in.l1 = l1_;
    in.fy = static_cast<int>(fy_);
    in.edition = editionList_->Year();
    const RolledChannelBeamResult result = ComputeRolledChannelBeam(in);
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeRolledChannelBeamDialog(QWidget* parent) {
    return new CRolledChannelBeamDlg(parent);
}

} // namespace ferrolab
