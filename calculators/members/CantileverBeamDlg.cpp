#include "calculators/members/CantileverBeamDlg.h"

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
#include "calculators/members/BeamStability.h"
#include "calculators/members/CantileverBeam.h"
#include "engine/TextToNumber.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/EditionList.h"

namespace ferrolab {
namespace {

const FieldSpec& Field(const char* name) {
    return CantileverBeamDescription().Field(name);
}

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* name) {
    return Items(Field(name).presets);
}

// A plate row as the description gives the field: its label and presets.
PlateRow PlateRowOf(Plate plate, const char* name, const char* objectName = nullptr) {
    return {plate, Field(name).label + ":", Presets(name), objectName};
}

} // namespace

CCantileverBeamDlg::CCantileverBeamDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("cantileverBeamDlg"));
    setWindowTitle(QString::fromUtf8(kCantileverBeamCaption));
    BuildControls();
    OnInitDialog();
}

void CCantileverBeamDlg::BuildControls() {
    // 规范版本 at the top.
    editionList_ = MakeEditionList(Field("edition"), &edition_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);

    // 截面: series and section, or the welded plates.
    auto* sectionGroup = new QGroupBox(QStringLiteral("截面"), this);
    seriesList_ = new ChoiceList(QStringLiteral("series"), Items(Field("series").allowed), &series_,
                                 sectionGroup);
    sectionList_ = new ChoiceList(QStringLiteral("section"), {}, &section_, sectionGroup);
    weldedGroup_ = new QGroupBox(QStringLiteral("焊接工字钢截面参数(mm)"), sectionGroup);
    weldedGroup_->setObjectName(QStringLiteral("weldedGroup"));
    // Both flanges are one plate: its width and thickness stand in the first flange's rows, under
    // their own names.
    plates_ = new WeldedIPlates(new QGridLayout(weldedGroup_),
                                {PlateRowOf(Plate::B1, "B", "b"), PlateRowOf(Plate::T1, "t", "t"),
                                 PlateRowOf(Plate::Hw, "hw"), PlateRowOf(Plate::Tw, "tw")});
    auto* sectionLayout = new QVBoxLayout(sectionGroup);
    sectionLayout->addWidget(seriesList_);
    sectionLayout->addWidget(sectionList_);
    sectionLayout->addWidget(weldedGroup_);

    // 构件参数: overhang, grade, moment.
    auto* member = new QGroupBox(QStringLiteral("构件参数"), this);
    l1Box_ = new ValueCombo(QStringLiteral("l1"), Presets("l1"), &l1_, member);
    gradeList_ =
        new ChoiceList(QStringLiteral("grade"), Items(Field("grade").allowed), &grade_, member);
    mxBox_ = new ValueCombo(QStringLiteral("mx"), Presets("Mx"), &mx_, member);
    auto* memberGrid = new QGridLayout(member);
    AddGridRow(memberGrid, 0, (Field("l1").label + ":").c_str(), l1Box_, "m");
    AddGridRow(memberGrid, 1, (Field("grade").label + ":").c_str(), gradeList_);
    AddGridRow(memberGrid, 2, (Field("Mx").label + ":").c_str(), mxBox_, "kN*m");

    caseGroup_ = new RadioGroup(QStringLiteral("荷载情况(表B.4)"), QStringLiteral("loadCase"),
                                CantileverLoadCaseCaptions(), &caseIndex_, this);

    picture_ = new CBitmapPreview(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setMinimumSize(260, 220);

    QPushButton* compute = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    report_ = new ReportBox(this);
    report_->setMinimumSize(680, 200);

    auto* left = new QVBoxLayout;
    left->addWidget(sectionGroup);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(member);
    middle->addWidget(caseGroup_);
    middle->addStretch(1);
    middle->addLayout(MakeButtonRow(compute, cancel));
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addLayout(middle);
    upper->addWidget(picture_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addWidget(MakeLabel("验算结果:", this));
    layout->addWidget(report_, 1);

    connect(editionList_, &ChoiceList::chosen, this, &CCantileverBeamDlg::OnEditionChanged);
    connect(seriesList_, &ChoiceList::chosen, this, &CCantileverBeamDlg::OnSeriesChanged);
    connect(compute, &QPushButton::clicked, this, &CCantileverBeamDlg::OnCompute);
}

void CCantileverBeamDlg::OnInitDialog() {
    seriesList_->Select(0);
    sectionList_->SetItems(Items(BeamSeriesNames(seriesList_->SelectedText())));
    plates_->SelectFirst();
    for (ValueCombo* box : {l1Box_, mxBox_}) {
        box->SelectFirst();
    }
    gradeList_->Select(0);
    caseIndex_ = 0;
    caseGroup_->CheckFromMember();
    weldedGroup_->setEnabled(false);
    sectionList_->setEnabled(true);
    picture_->SetPicture(QStringLiteral(":/pictures/cantilever_beam.svg"));
    OnEditionChanged();
}

void CCantileverBeamDlg::OnEditionChanged() {
    caseGroup_->setTitle(editionList_->Year() == kSteel2017 ? QStringLiteral("荷载情况(表C.0.4)")
                                                            : QStringLiteral("荷载情况(表B.4)"));
}

void CCantileverBeamDlg::OnSeriesChanged() {
    const std::string series = seriesList_->SelectedText();
    const bool rolled = IsRolledHSeries(series);
    weldedGroup_->setEnabled(!rolled);
    sectionList_->setEnabled(rolled);
    if (rolled) {
        sectionList_->SetItems(Items(BeamSeriesNames(series)));
    }
}

void CCantileverBeamDlg::OnCompute() {
    CantileverBeamInput in;
    in.edition = editionList_->Year();
    in.series = seriesList_->SelectedText();
    in.name = sectionList_->SelectedText();
    const PlateValues& p = plates_->Values();
    in.b = p.b1;
    in.t = p.t1;
    in.hw = p.hw;
    in.tw = p.tw;
    in.l1 = l1_;
    in.loadCase = caseIndex_ + 1;
    in.fy = GradeOfEntry(gradeList_->SelectedText());
    in.mx = mx_;
    const CantileverBeamResult result = ComputeCantileverBeam(in);
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeCantileverBeamDialog(QWidget* parent) {
    return new CCantileverBeamDlg(parent);
}

} // namespace ferrolab
