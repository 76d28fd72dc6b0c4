#include "calculators/members/ColdFormedAxialDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/members/CatalogueSectionView.h"
#include "engine/Format.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(ColdFormedAxialDescription().Field(field).presets);
}

// The entries of a fixed list, as the description allows them.
std::vector<const char*> Choices(const char* field) {
    return Items(ColdFormedAxialDescription().Field(field).allowed);
}

// The batten radio buttons: index 0 "有缀板", 1 "无缀板".
const std::vector<const char*> kBattenTexts = {"有缀板", "无缀板"};
constexpr int kWithBattens = 0;
constexpr int kWithoutBattens = 1;

const char* const kLengthLabelOpening = "构件的几何长度        l:";
const char* const kLengthLabelGeometric = "构件的几何长度     l:";
const char* const kLengthLabelBattens = "相邻缀板中心线最大间距 l:";

} // namespace

CColdFormedAxialDlg::CColdFormedAxialDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("coldFormedAxialDlg"));
    setWindowTitle(QString::fromUtf8(kColdFormedAxialCaption));
    BuildControls();
    OnInitDialog();
}

void CColdFormedAxialDlg::BuildControls() {
    // The section.
    auto* sectionGroup = new QGroupBox(QStringLiteral("选择截面"), this);
    sectionGroup->setObjectName(QStringLiteral("sectionGroup"));
    kindList_ = new ChoiceList(QStringLiteral("kind"), Choices("kind"), &kind_, sectionGroup);
    nameList_ = new ChoiceList(QStringLiteral("name"), {}, &name_, sectionGroup);
    nameList_->setMaxVisibleItems(20);
    properties_ = new ReportBox(sectionGroup, QStringLiteral("properties"));
    properties_->setMinimumSize(230, 250);
    preview_ = new CBitmapPreview(sectionGroup);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(170, 170);
    auto* sectionLayout = new QGridLayout(sectionGroup);
    sectionLayout->addWidget(kindList_, 0, 0);
    sectionLayout->addWidget(nameList_, 1, 0);
    sectionLayout->addWidget(preview_, 0, 1, 3, 1);
    sectionLayout->addWidget(new QLabel(QStringLiteral("截面参数:"), sectionGroup), 2, 0);
    sectionLayout->addWidget(properties_, 3, 0, 1, 2);

    // Grade and force.
    gradeList_ = new ChoiceList(QStringLiteral("grade"), Choices("grade"), &grade_, this);
    nBox_ = new ValueCombo(QStringLiteral("N"), Presets("N"), &n_, this);
    auto* loadGrid = new QGridLayout;
    AddGridRow(loadGrid, 0, "钢号:", gradeList_);
    AddGridRow(loadGrid, 1, "轴力:", nBox_, "kN");

    // End restraint of the open section.
    restraintGroup_ = new QGroupBox(QStringLiteral("开口截面轴心受压和压弯构件的约束系数"), this);
    restraintGroup_->setObjectName(QStringLiteral("restraintGroup"));
    endLabel_ = MakeLabel("两端支承情况:", restraintGroup_, "endConditionLabel");
    endList_ = new ChoiceList(QStringLiteral("endCondition"), Choices("end"), &endCondition_,
                              restraintGroup_);
    battens_ = new RadioGroup(QString(), QStringLiteral("battens"), kBattenTexts, &battenChoice_,
                              restraintGroup_, Qt::Horizontal);
    battens_->setFlat(true);
    // Each button as wide as its text, so that a click beside the text does not count.
    qobject_cast<QBoxLayout*>(battens_->layout())->addStretch(1);
    alphaBox_ = MakeResultBox("alpha", restraintGroup_, 80);
    betaBox_ = MakeResultBox("beta", restraintGroup_, 80);
    auto* restraintGrid = new QGridLayout(restraintGroup_);
    restraintGrid->addWidget(endLabel_, 0, 0);
    restraintGrid->addWidget(endList_, 0, 1, 1, 3);
    restraintGrid->addWidget(battens_, 1, 0, 1, 4);
    AddGridRow(restraintGrid, 2, "α:", alphaBox_);
    restraintGrid->addWidget(new QLabel(QStringLiteral("β:"), restraintGroup_), 2, 2);
    restraintGrid->addWidget(betaBox_, 2, 3);

    // Lengths.
    auto* lengthGroup = new QGroupBox(QStringLiteral("构件长度"), this);
    lengthGroup->setObjectName(QStringLiteral("lengthGroup"));
    lxBox_ = new ValueCombo(QStringLiteral("lx"), Presets("lx"), &lx_, lengthGroup);
    lyBox_ = new ValueCombo(QStringLiteral("ly"), Presets("ly"), &ly_, lengthGroup);
    lBox_ = new ValueCombo(QStringLiteral("l"), Presets("l"), &l_, lengthGroup);
    lLabel_ = MakeLabel(kLengthLabelOpening, lengthGroup, "lLabel");
    auto* lengthGrid = new QGridLayout(lengthGroup);
    lengthGrid->addWidget(MakeLabel("计箷长度lx:", lengthGroup, "lxLabel"), 0, 0);
    lengthGrid->addWidget(lxBox_, 0, 1);
    lengthGrid->addWidget(new QLabel(QStringLiteral("mm"), lengthGroup), 0, 2);
    lengthGrid->addWidget(MakeLabel("计算长度ly:", lengthGroup, "lyLabel"), 1, 0);
    lengthGrid->addWidget(lyBox_, 1, 1);
    lengthGrid->addWidget(new QLabel(QStringLiteral("mm"), lengthGroup), 1, 2);
    lengthGrid->addWidget(lLabel_, 2, 0);
    lengthGrid->addWidget(lBox_, 2, 1);
    lengthGrid->addWidget(new QLabel(QStringLiteral("mm"), lengthGroup), 2, 2);

    compute_ = MakeComputeButton(this);
    compute_->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    cancel->setText(QStringLiteral("Cancel"));
    report_ = new ReportBox(this);
    report_->setMinimumSize(360, 120);

    QHBoxLayout* buttons = MakeButtonRow(compute_, cancel);
    auto* right = new QVBoxLayout;
    right->addLayout(loadGrid);
    right->addWidget(restraintGroup_);
    right->addWidget(lengthGroup);
    right->addWidget(report_, 1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(sectionGroup);
    layout->addLayout(right, 1);

    connect(kindList_, &ChoiceList::chosen, this, &CColdFormedAxialDlg::OnKindChosen);
    connect(nameList_, &ChoiceList::chosen, this, &CColdFormedAxialDlg::OnNameChosen);
    connect(endList_, &ChoiceList::chosen, this, &CColdFormedAxialDlg::OnEndConditionChosen);
    connect(battens_->button(kWithBattens), &QRadioButton::toggled, this,
            &CColdFormedAxialDlg::OnBattensToggled);
    connect(compute_, &QPushButton::clicked, this, &CColdFormedAxialDlg::OnCompute);
}

void CColdFormedAxialDlg::OnInitDialog() {
    kindList_->Select(0);
    nameList_->SetItems(Items(ColdFormedAxialNames(kCFAxialKindNames[0])));
    preview_->SetPicture(QString::fromUtf8(ColdFormedAxialPicture(kCFAxialKindNames[0])));
    gradeList_->Select(0);
    nBox_->SelectFirst();
    endList_->Select(0);
    battenChoice_ = kWithoutBattens;
    battens_->CheckFromMember();
    battens_->button(kWithBattens)->setEnabled(false);
    for (ValueCombo* box : {lxBox_, lyBox_, lBox_}) {
        box->SelectFirst();
    }
    lLabel_->setText(QString::fromUtf8(kLengthLabelOpening));
    compute_->setEnabled(false);
}

void CColdFormedAxialDlg::OnKindChosen() {
    compute_->setEnabled(false);
    properties_->SetReport("");
    report_->SetReport("");
    const std::string kind = kindList_->SelectedText();
    nameList_->SetItems(Items(ColdFormedAxialNames(kind)));
    preview_->SetPicture(QString::fromUtf8(ColdFormedAxialPicture(kind)));
    // Only an open section has end restraint factors; "有缀板" keeps the state its end
    // condition gave it.
    const bool channel = kind_ == 0;
    for (QWidget* w : std::initializer_list<QWidget*>{restraintGroup_, endLabel_, endList_,
                                                      battens_->button(kWithoutBattens)}) {
        w->setEnabled(channel);
    }
}

void CColdFormedAxialDlg::OnNameChosen() {
    ShowSectionLoad(this, LoadColdFormedAxialSection(nameList_->SelectedText()), properties_,
                    section_, compute_);
}

void CColdFormedAxialDlg::OnEndConditionChosen() {
    QRadioButton* with = battens_->button(kWithBattens);
    if (endCondition_ == static_cast<int>(CFEndCondition::PinnedFreeWarping)) {
        // Checking "无缀板" clears "有缀板" (one of the two is always selected).
        battens_->button(kWithoutBattens)->setChecked(true);
        with->setEnabled(false);
        battenChoice_ = kWithoutBattens;
    } else {
        with->setEnabled(true);
    }
}

void CColdFormedAxialDlg::OnBattensToggled() {
    lLabel_->setText(QString::fromUtf8(
        battens_->button(kWithBattens)->isChecked() ? kLengthLabelBattens : kLengthLabelGeometric));
}

void CColdFormedAxialDlg::OnCompute() {
    ColdFormedAxialInput in;
    in.section = section_;
    in.grade = grade_;
    in.N = n_;
    in.endCondition = endCondition_;
    in.battens = battens_->button(kWithBattens)->isChecked();
    in.lx = lx_;
    in.ly = ly_;
    in.l = l_;
    const ColdFormedAxialResult result = ComputeColdFormedAxial(in);
    if (result.restraint) {
        alphaBox_->setText(QString::fromStdString(FormatNumber("%.2f", result.restraint->alpha)));
        betaBox_->setText(QString::fromStdString(FormatNumber("%.2f", result.restraint->beta)));
    }
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeColdFormedAxialDialog(QWidget* parent) {
    return new CColdFormedAxialDlg(parent);
}

} // namespace ferrolab
