#include "calculators/members/ColdFormedBeamDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/members/CatalogueSectionView.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(ColdFormedBeamDescription().Field(field).presets);
}

// The entries of a fixed list, as the description allows them.
std::vector<const char*> Choices(const char* field) {
    return Items(ColdFormedBeamDescription().Field(field).allowed);
}

} // namespace

CColdFormedBeamDlg::CColdFormedBeamDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("coldFormedBeamDlg"));
    setWindowTitle(QString::fromUtf8(kColdFormedBeamCaption));
    BuildControls();
    OnInitDialog();
}

void CColdFormedBeamDlg::BuildControls() {
    auto* outer = new QGroupBox(
        QStringLiteral("受弯简支梁绕对称轴弯曲时的整体稳定系数（根据附录表A.2）"), this);
    outer->setObjectName(QStringLiteral("outerGroup"));

    // The section: kind, name, properties and picture.
    auto* sectionGroup = new QGroupBox(QStringLiteral("选择截面"), outer);
    sectionGroup->setObjectName(QStringLiteral("sectionGroup"));
    kindList_ = new ChoiceList(QStringLiteral("kind"), Choices("kind"), &kind_, sectionGroup);
    nameList_ = new ChoiceList(QStringLiteral("name"), {}, &name_, sectionGroup);
    nameList_->setMaxVisibleItems(20);
    properties_ = new ReportBox(sectionGroup, QStringLiteral("properties"));
    properties_->setMinimumSize(230, 260);
    preview_ = new CBitmapPreview(sectionGroup);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(220, 220);
    auto* sectionLayout = new QGridLayout(sectionGroup);
    sectionLayout->addWidget(kindList_, 0, 0);
    sectionLayout->addWidget(nameList_, 1, 0);
    sectionLayout->addWidget(new QLabel(QStringLiteral("截面参数:"), sectionGroup), 2, 0);
    sectionLayout->addWidget(properties_, 3, 0);
    sectionLayout->addWidget(preview_, 0, 1, 4, 1);
    sectionLayout->setColumnStretch(1, 1);

    // Load case and bracing of table A.2.1.
    auto* tableGroup =
        new QGroupBox(QStringLiteral("两端及跨间侧向均为简支的受弯构件的ξ1，ξ2和μb值"), outer);
    tableGroup->setObjectName(QStringLiteral("factorGroup"));
    const std::vector<const char*> caseTexts = Choices("case");
    loadCases_ = new RadioGroup(QStringLiteral("弯矩作用平面内的荷载及支承情况"),
                                QStringLiteral("loadCase"), caseTexts, &loadCase_, tableGroup);
    // Each radio button beside the drawing of its load case, in two columns.
    auto* caseBox = qobject_cast<QBoxLayout*>(loadCases_->layout());
    auto* caseGrid = new QGridLayout;
    for (int i = 0; i < static_cast<int>(caseTexts.size()); ++i) {
        QRadioButton* button = loadCases_->button(i);
        caseBox->removeWidget(button);
        auto* picture = new CBitmapPreview(loadCases_);
        picture->setObjectName(QStringLiteral("loadCasePicture_%1").arg(i));
        picture->setFixedSize(150, 60);
        picture->SetPicture(QStringLiteral(":/pictures/coldformed_load_case_%1.svg").arg(i + 1));
        caseGrid->addWidget(button, i % 4, 2 * (i / 4));
        caseGrid->addWidget(picture, i % 4, 2 * (i / 4) + 1);
    }
    caseBox->addLayout(caseGrid);
    bracingList_ =
        new ChoiceList(QStringLiteral("bracing"), Choices("bracing"), &bracing_, tableGroup);
    auto* tableLayout = new QVBoxLayout(tableGroup);
    tableLayout->addWidget(loadCases_);
    tableLayout->addWidget(bracingList_);

    // Grade, span and load position.
    gradeList_ = new ChoiceList(QStringLiteral("grade"), Choices("grade"), &grade_, outer);
    lBox_ = new ValueCombo(QStringLiteral("l"), Presets("l"), &l_, outer);
    eaBox_ = new ValueCombo(QStringLiteral("ea"), Presets("ea"), &ea_, outer);
    auto* inputs = new QGridLayout;
    AddGridRow(inputs, 0, "钢号:", gradeList_);
    AddGridRow(inputs, 1, "梁的跨度   l:", lBox_, "mm");
    AddGridRow(inputs, 2, "横向荷载作用点到弯心的距离ea:", eaBox_, "mm");

    compute_ = MakeComputeButton(this);
    compute_->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    QHBoxLayout* buttons = MakeButtonRow(compute_, cancel);

    auto* right = new QVBoxLayout;
    right->addWidget(tableGroup);
    right->addLayout(inputs);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* outerLayout = new QHBoxLayout(outer);
    outerLayout->addWidget(sectionGroup, 1);
    outerLayout->addLayout(right);

    report_ = new ReportBox(this);
    report_->setMinimumHeight(180);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(outer);
    layout->addWidget(report_);

    connect(kindList_, &ChoiceList::chosen, this, &CColdFormedBeamDlg::OnKindChosen);
    connect(nameList_, &ChoiceList::chosen, this, &CColdFormedBeamDlg::OnNameChosen);
    connect(compute_, &QPushButton::clicked, this, &CColdFormedBeamDlg::OnCompute);
}

void CColdFormedBeamDlg::OnInitDialog() {
    kindList_->Select(0);
    // The opening list lacks one plain channel; choosing the kind offers all eleven.
    nameList_->SetItems(Items(CFChannelOpeningNames()));
    preview_->SetPicture(QString::fromUtf8(ColdFormedBeamPicture(kCFBeamKindNames[0])));
    loadCases_->CheckFromMember();
    bracingList_->Select(0);
    gradeList_->Select(0);
    lBox_->SelectFirst();
    eaBox_->SelectFirst();
    compute_->setEnabled(false);
}

void CColdFormedBeamDlg::OnKindChosen() {
    compute_->setEnabled(false);
    properties_->SetReport("");
    report_->SetReport("");
    const std::string kind = kindList_->SelectedText();
    nameList_->SetItems(Items(ColdFormedBeamNames(kind)));
    preview_->SetPicture(QString::fromUtf8(ColdFormedBeamPicture(kind)));
}

void CColdFormedBeamDlg::OnNameChosen() {
    ShowSectionLoad(this, LoadColdFormedBeamSection(nameList_->SelectedText()), properties_,
                    section_, compute_);
}

void CColdFormedBeamDlg::OnCompute() {
    ColdFormedBeamInput in;
    in.section = section_;
    in.bracing = bracing_;
    in.loadCase = loadCase_;
    in.grade = grade_;
    in.l = l_;
    in.ea = ea_;
    const ColdFormedBeamResult result = ComputeColdFormedBeam(in);
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeColdFormedBeamDialog(QWidget* parent) {
    return new CColdFormedBeamDlg(parent);
}

} // namespace ferrolab
