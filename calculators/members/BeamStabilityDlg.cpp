#include "calculators/members/BeamStabilityDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/materials/DesignValues.h"
#include "calculators/members/BeamStability.h"
#include "engine/Members2017.h"
#include "engine/TextToNumber.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(BeamStabilityDescription().Field(field).presets);
}

// The entries of a fixed list, as the description allows them.
std::vector<const char*> Choices(const char* field) {
    return Items(BeamStabilityDescription().Field(field).allowed);
}

} // namespace

CBeamStabilityDlg::CBeamStabilityDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("beamStabilityDlg"));
    setWindowTitle(QString::fromUtf8(kBeamStabilityCaption));
    BuildControls();
    OnInitDialog();
}

void CBeamStabilityDlg::BuildControls() {
    // 规范版本 at the top.
    editionList_ = MakeEditionList(BeamStabilityDescription().Field("edition"), &edition_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);

    // 构件参数: series, section, span, grade.
    auto* member = new QGroupBox(QStringLiteral("构件参数"), this);
    seriesList_ = new ChoiceList(QStringLiteral("series"), Choices("series"), &series_, member);
    sectionList_ = new ChoiceList(QStringLiteral("section"), {}, &section_, member);
    spanLabel_ = MakeLabel(kSpanLabel, member);
    spanLabel_->setObjectName(QStringLiteral("spanLabel"));
    l1Box_ = new ValueCombo(QStringLiteral("l1"), Presets("l1"), &l1_, member);
    gradeList_ = new ChoiceList(QStringLiteral("grade"), Choices("grade"), &grade_, member);
    auto* memberGrid = new QGridLayout(member);
    memberGrid->addWidget(seriesList_, 0, 0, 1, 2);
    memberGrid->addWidget(sectionList_, 1, 0, 1, 2);
    // The span label is long for cases 5 to 10: it gets a row of its own.
    memberGrid->addWidget(spanLabel_, 2, 0, 1, 2);
    memberGrid->addWidget(l1Box_, 3, 1);
    AddGridRow(memberGrid, 4, "钢号:", gradeList_);

    // 受力.
    auto* loads = new QGroupBox(QStringLiteral("受力"), this);
    mxBox_ = new ValueCombo(QStringLiteral("mx"), Presets("Mx"), &mx_, loads);
    myBox_ = new ValueCombo(QStringLiteral("my"), Presets("My"), &my_, loads);
    vyBox_ = new ValueCombo(QStringLiteral("vy"), Presets("Vy"), &vy_, loads);
    auto* loadGrid = new QGridLayout(loads);
    AddGridRow(loadGrid, 0, "Mx(kN*m)", mxBox_);
    AddGridRow(loadGrid, 1, "My(kN*m)", myBox_);
    AddGridRow(loadGrid, 2, "Vy(kN)", vyBox_);

    // 截面塑性发展系数.
    auto* gammas = new QGroupBox(QStringLiteral("截面塑性发展系数"), this);
    gammaXBox_ = new ValueCombo(QStringLiteral("gammaX"), Presets("gamma-x"), &gammaX_, gammas);
    gammaYBox_ = new ValueCombo(QStringLiteral("gammaY"), Presets("gamma-y"), &gammaY_, gammas);
    auto* gammaGrid = new QGridLayout(gammas);
    AddGridRow(gammaGrid, 0, "γx:", gammaXBox_);
    AddGridRow(gammaGrid, 1, "γy:", gammaYBox_);

    // 焊接工字钢截面参数(mm), enabled for the welded I only.
    weldedGroup_ = new QGroupBox(QStringLiteral("焊接工字钢截面参数(mm)"), this);
    weldedGroup_->setObjectName(QStringLiteral("weldedGroup"));
    plates_ = new WeldedIPlates(new QGridLayout(weldedGroup_),
                                {{Plate::B1, "上翼缘宽度 B1:", Presets("B1")},
                                 {Plate::T1, "上翼缘厚度 t1:", Presets("t1")},
                                 {Plate::Hw, "腹板净高度 H:", Presets("H")},
                                 {Plate::Tw, "腹板厚度  Tw:", Presets("Tw")},
                                 {Plate::B2, "下翼缘宽度 B2:", Presets("B2")},
                                 {Plate::T2, "下翼缘厚度 t2:", Presets("t2")}});
    flangeList_ = new ChoiceList(QStringLiteral("compressedFlange"), Choices("compressed-flange"),
                                 &flange_, this);
    auto* flangeRow = new QHBoxLayout;
    flangeRow->addWidget(MakeLabel("受压翼缘:", this));
    flangeRow->addWidget(flangeList_, 1);

    // 侧向支承及荷载情况 with the end-moment ratio of case 10.
    caseGroup_ = new RadioGroup(QStringLiteral("侧向支承及荷载情况"), QStringLiteral("loadCase"),
                                BeamLoadCaseCaptions(), &caseIndex_, this);
    rBox_ = new ValueCombo(QStringLiteral("r"), Presets("r"), &r_, caseGroup_);
    auto* ratioRow = new QHBoxLayout;
    ratioRow->addWidget(MakeLabel("两端弯矩比值:", caseGroup_));
    ratioRow->addWidget(rBox_, 1);
    static_cast<QBoxLayout*>(caseGroup_->layout())->addLayout(ratioRow);

    picture_ = new CBitmapPreview(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setMinimumSize(240, 200);

    QPushButton* compute = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    report_ = new ReportBox(this);
    report_->setMinimumSize(720, 210);

    auto* left = new QVBoxLayout;
    left->addWidget(member);
    left->addWidget(loads);
    left->addWidget(gammas);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(weldedGroup_);
    middle->addLayout(flangeRow);
    middle->addWidget(picture_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(caseGroup_);
    QHBoxLayout* buttons = MakeButtonRow(compute, cancel);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addLayout(middle);
    upper->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addWidget(MakeLabel("验算结果:", this));
    layout->addWidget(report_, 1);

    connect(seriesList_, &ChoiceList::chosen, this, &CBeamStabilityDlg::OnSeriesChanged);
    connect(caseGroup_, &RadioGroup::chosen, this, &CBeamStabilityDlg::OnLoadCaseChanged);
    // A new width of either flange is written into the other's box; a new top flange thickness
    // into the bottom one's.
    plates_->MirrorEdits(Plate::B1, Plate::B2);
    plates_->MirrorEdits(Plate::B2, Plate::B1);
    plates_->MirrorEdits(Plate::T1, Plate::T2);
    // After the mirroring above, so that both flanges hold their new values.
    connect(editionList_, &ChoiceList::chosen, this, &CBeamStabilityDlg::OnSectionChanged);
    connect(seriesList_, &ChoiceList::chosen, this, &CBeamStabilityDlg::OnSectionChanged);
    connect(sectionList_, &ChoiceList::chosen, this, &CBeamStabilityDlg::OnSectionChanged);
    connect(gradeList_, &ChoiceList::chosen, this, &CBeamStabilityDlg::OnSectionChanged);
    connect(flangeList_, &ChoiceList::chosen, this, &CBeamStabilityDlg::OnSectionChanged);
    for (ValueCombo* box : plates_->Boxes()) {
        connect(box, &ValueCombo::typed, this, &CBeamStabilityDlg::OnSectionChanged);
        connect(box, &ValueCombo::chosen, this, &CBeamStabilityDlg::OnSectionChanged);
    }
    connect(compute, &QPushButton::clicked, this, &CBeamStabilityDlg::OnCompute);
}

void CBeamStabilityDlg::OnInitDialog() {
    seriesList_->Select(0);
    sectionList_->SetItems(Items(BeamSeriesNames(seriesList_->SelectedText())));
    l1Box_->SelectFirst();
    gradeList_->Select(0);
    // The loads and the plastic adaptation factors open blank until the user picks or types them.
    for (ValueCombo* box : {mxBox_, myBox_, vyBox_, gammaXBox_, gammaYBox_}) {
        box->setCurrentIndex(-1);
        box->SetValueText(QString());
    }
    plates_->SelectFirst();
    flangeList_->Select(0);
    caseIndex_ = 0;
    caseGroup_->CheckFromMember();
    rBox_->SelectFirst();
    rBox_->setEnabled(false);
    spanLabel_->setText(QString::fromUtf8(SpanLabelOfCase(1)));
    weldedGroup_->setEnabled(false);
    sectionList_->setEnabled(true);
    picture_->SetPicture(QStringLiteral(":/pictures/beam_stability.svg"));
    // Opening on 2017 (the edition last chosen): the factors the opening section allows.
    OnSectionChanged();
}

void CBeamStabilityDlg::OnSectionChanged() {
    if (editionList_->Year() != kSteel2017) {
        return;
    }
    const std::optional<BeamClasses2017> classes = ClassifyBeam2017(Input());
    if (!classes) {
        return; // no section yet: the boxes keep what they show
    }
    const bool plastic = AllowedGammaX2017(classes->section) > 1.0;
    gammaXBox_->SetValueText(QString::fromLatin1(plastic ? "1.05" : "1.0"));
    gammaYBox_->SetValueText(QString::fromLatin1(plastic ? "1.2" : "1.0"));
}

void CBeamStabilityDlg::OnSeriesChanged() {
    const std::string series = seriesList_->SelectedText();
    if (IsRolledHSeries(series)) {
        weldedGroup_->setEnabled(false);
        sectionList_->setEnabled(true);
        sectionList_->SetItems(Items(BeamSeriesNames(series)));
        return;
    }
    weldedGroup_->setEnabled(true);
    sectionList_->setEnabled(false);
    // The plates as their boxes show them.
    for (ValueCombo* box : plates_->Boxes()) {
        *box->member() = TextToDouble(box->currentText().toStdString());
    }
}

void CBeamStabilityDlg::OnLoadCaseChanged() {
    const int loadCase = caseIndex_ + 1;
    spanLabel_->setText(QString::fromUtf8(SpanLabelOfCase(loadCase)));
    // The end-moment ratio belongs to case 10 only.
    rBox_->setEnabled(loadCase == 10);
    if (loadCase == 10) {
        r_ = TextToDouble(rBox_->currentText().toStdString());
    }
}

BeamStabilityInput CBeamStabilityDlg::Input() const {
    BeamStabilityInput in;
    in.series = seriesList_->SelectedText();
    in.name = sectionList_->SelectedText();
    in.l1 = l1_;
    in.fy = GradeOfEntry(gradeList_->SelectedText());
    in.mx = mx_;
    in.my = my_;
    in.vy = vy_;
    in.gammaX = gammaX_;
    in.gammaY = gammaY_;
    CopyPlates(plates_->Values(), in);
    in.compressedFlange = flange_;
    in.loadCase = caseIndex_ + 1;
    in.r = r_;
    in.edition = editionList_->Year();
    return in;
}

void CBeamStabilityDlg::OnCompute() {
    const BeamStabilityResult result = ComputeBeamStability(Input());
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeBeamStabilityDialog(QWidget* parent) {
    return new CBeamStabilityDlg(parent);
}

} // namespace ferrolab
