#include "calculators/members/ApproxPhiBDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/Edition.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/members/ApproxPhiB.h"
#include "calculators/members/BeamStability.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/EditionList.h"
#include "ui/WeldedIPlates.h"

namespace ferrolab {
namespace {

const FieldSpec& Field(const char* name) {
    return ApproxPhiBDescription().Field(name);
}

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* name) {
    return Items(Field(name).presets);
}

// A plate row as the description gives the field: its label and presets.
PlateRow PlateRowOf(Plate plate, const char* name) {
    return {plate, Field(name).label + ":", Presets(name)};
}

} // namespace

CApproxPhiBDlg::CApproxPhiBDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("approxPhiBDlg"));
    setWindowTitle(QString::fromUtf8(kApproxPhiBCaption));
    BuildControls();
    OnInitDialog();
}

void CApproxPhiBDlg::BuildControls() {
    // 规范版本 at the top.
    editionList_ = MakeEditionList(Field("edition"), &edition_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);

    typeGroup_ = new RadioGroup(QStringLiteral("截面类型"), QStringLiteral("sectionType"),
                                ApproxSectionCaptions(), &type_, this);
    lambdaGroup_ = new RadioGroup(QStringLiteral("长细比λy"), QStringLiteral("lambdaFrom"),
                                  Items(Field("lambda-from").entries), &lambdaFrom_, this);

    auto* values = new QGroupBox(QStringLiteral("参数"), this);
    lambdaBox_ = new ValueCombo(QStringLiteral("lambda"), Presets("lambda"), &lambda_, values);
    stemBox_ = new ValueCombo(QStringLiteral("stemRatio"), Presets("stem-ratio"), &stem_, values);
    l1Box_ = new ValueCombo(QStringLiteral("l1"), Presets("l1"), &l1_, values);
    gradeList_ =
        new ChoiceList(QStringLiteral("grade"), Items(Field("grade").allowed), &grade_, values);
    auto* valueGrid = new QGridLayout(values);
    AddGridRow(valueGrid, 0, (Field("lambda").label + ":").c_str(), lambdaBox_);
    AddGridRow(valueGrid, 1, (Field("stem-ratio").label + ":").c_str(), stemBox_);
    AddGridRow(valueGrid, 2, (Field("l1").label + ":").c_str(), l1Box_, "m");
    AddGridRow(valueGrid, 3, (Field("grade").label + ":").c_str(), gradeList_);

    auto* sectionGroup = new QGroupBox(QStringLiteral("截面"), this);
    seriesList_ = new ChoiceList(QStringLiteral("series"), Items(Field("series").allowed), &series_,
                                 sectionGroup);
    sectionList_ = new ChoiceList(QStringLiteral("section"), {}, &section_, sectionGroup);
    weldedGroup_ = new QGroupBox(QStringLiteral("焊接截面参数(mm)"), sectionGroup);
    weldedGroup_->setObjectName(QStringLiteral("weldedGroup"));
    plates_ = new WeldedIPlates(new QGridLayout(weldedGroup_),
                                {PlateRowOf(Plate::B1, "B1"), PlateRowOf(Plate::T1, "t1"),
                                 PlateRowOf(Plate::Hw, "hw"), PlateRowOf(Plate::Tw, "tw"),
                                 PlateRowOf(Plate::B2, "B2"), PlateRowOf(Plate::T2, "t2")});
    auto* sectionLayout = new QVBoxLayout(sectionGroup);
    sectionLayout->addWidget(seriesList_);
    sectionLayout->addWidget(sectionList_);
    sectionLayout->addWidget(weldedGroup_);

    picture_ = new CBitmapPreview(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setMinimumSize(260, 200);

    QPushButton* compute = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    report_ = new ReportBox(this);
    report_->setMinimumSize(680, 180);

    auto* left = new QVBoxLayout;
    left->addWidget(typeGroup_);
    left->addWidget(lambdaGroup_);
    left->addWidget(values);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(picture_, 1);
    right->addLayout(MakeButtonRow(compute, cancel));
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addWidget(sectionGroup);
    upper->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addWidget(MakeLabel("计算结果:", this));
    layout->addWidget(report_, 1);

    connect(typeGroup_, &RadioGroup::chosen, this, &CApproxPhiBDlg::UpdateEnabling);
    connect(lambdaGroup_, &RadioGroup::chosen, this, &CApproxPhiBDlg::UpdateEnabling);
    connect(seriesList_, &ChoiceList::chosen, this, &CApproxPhiBDlg::OnSeriesChanged);
    connect(compute, &QPushButton::clicked, this, &CApproxPhiBDlg::OnCompute);
}

void CApproxPhiBDlg::OnInitDialog() {
    for (ValueCombo* box : {lambdaBox_, stemBox_, l1Box_}) {
        box->SelectFirst();
    }
    plates_->SelectFirst();
    gradeList_->Select(0);
    seriesList_->Select(0);
    sectionList_->SetItems(Items(BeamSeriesNames(seriesList_->SelectedText())));
    type_ = 0;
    typeGroup_->CheckFromMember();
    lambdaFrom_ = 0;
    lambdaGroup_->CheckFromMember();
    picture_->SetPicture(QStringLiteral(":/pictures/approx_phib.svg"));
    UpdateEnabling();
}

void CApproxPhiBDlg::OnSeriesChanged() {
    const std::string series = seriesList_->SelectedText();
    if (IsRolledHSeries(series)) {
        sectionList_->SetItems(Items(BeamSeriesNames(series)));
    }
    UpdateEnabling();
}

void CApproxPhiBDlg::UpdateEnabling() {
    const bool typed = lambdaFrom_ == 0;
    const auto type = static_cast<ApproxSection>(type_);
    const bool rolled = IsRolledHSeries(seriesList_->SelectedText());
    lambdaBox_->setEnabled(typed);
    stemBox_->setEnabled(typed && type == ApproxSection::TFlangeInTension);
    l1Box_->setEnabled(!typed);
    // The section forms λy, and always gives the singly symmetric I its Wx, A, h and αb.
    const bool sectionUsed = !typed || type == ApproxSection::SinglySymmetricI;
    seriesList_->setEnabled(sectionUsed);
    sectionList_->setEnabled(sectionUsed && rolled);
    weldedGroup_->setEnabled(sectionUsed && !rolled);
}

void CApproxPhiBDlg::OnCompute() {
    ApproxPhiBInput in;
    in.edition = editionList_->Year();
    in.section = type_;
    in.lambdaTyped = lambdaFrom_ == 0;
    in.lambdaY = lambda_;
    in.stemRatio = stem_;
    in.l1 = l1_;
    in.series = seriesList_->SelectedText();
    in.name = sectionList_->SelectedText();
    CopyPlates(plates_->Values(), in);
    in.fy = GradeOfEntry(gradeList_->SelectedText());
    const ApproxPhiBResult result = ComputeApproxPhiB(in);
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeApproxPhiBDialog(QWidget* parent) {
    return new CApproxPhiBDlg(parent);
}

} // namespace ferrolab
