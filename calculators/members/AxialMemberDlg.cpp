#include "calculators/members/AxialMemberDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/materials/DesignValues.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/WeldedIPlates.h"

namespace ferrolab {
namespace {

// The lists of inputs the runner has no field for; the others come from the description.
const std::vector<const char*> kAllowablePresets = {"250.00"};
const std::vector<const char*> kDepthPresets = {"250.00", "500.00", "600.00", "700.00", "800.00"};

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(AxialMemberDescription().Field(field).presets);
}

// The entries of a fixed list, as the description allows them.
std::vector<const char*> Choices(const char* field) {
    return Items(AxialMemberDescription().Field(field).allowed);
}

QString PictureOf(AxialSectionKind kind) {
    switch (kind) {
    case AxialSectionKind::RolledI:
        return QStringLiteral(":/pictures/axial_rolled_ibeam.svg");
    case AxialSectionKind::WeldedI:
        return QStringLiteral(":/pictures/axial_welded_i.svg");
    case AxialSectionKind::FourAngles:
        return QStringLiteral(":/pictures/axial_four_angles.svg");
    default:
        return QStringLiteral(":/pictures/axial_h_section.svg");
    }
}

} // namespace

CAxialMemberDlg::CAxialMemberDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("axialMemberDlg"));
    setWindowTitle(QStringLiteral("轴心受力构件验算"));
    BuildControls();
    OnInitDialog();
}

void CAxialMemberDlg::BuildControls() {
    auto label = [](const char* text, QWidget* parent) {
        return new QLabel(QString::fromUtf8(text), parent);
    };

    // Code edition and section.
    editionList_ = MakeEditionList(AxialMemberDescription().Field("edition"), &edition_, this);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(label("采用规范：", this));
    codeRow->addWidget(editionList_, 1);

    auto* params = new QGroupBox(QStringLiteral("相关参数"), this);
    kindList_ = new ChoiceList(QStringLiteral("kind"), Choices("kind"), &kind_, params);
    nameList_ = new ChoiceList(QStringLiteral("sectionName"), {}, &name_, params);
    properties_ = new ReportBox(params, QStringLiteral("properties"));
    properties_->setMinimumHeight(140);
    netFactorBox_ =
        new ValueCombo(QStringLiteral("netFactor"), Presets("net-factor"), &netFactor_, params);
    gradeList_ = new ChoiceList(QStringLiteral("grade"), Choices("grade"), &gradeIndex_, params);
    allowableBox_ = new ValueCombo(QStringLiteral("allowableSlenderness"), kAllowablePresets,
                                   &allowable_, params);
    allowableLabel_ = label("容许长细比:", params);
    auto* paramGrid = new QGridLayout(params);
    paramGrid->addWidget(kindList_, 0, 0, 1, 2);
    paramGrid->addWidget(nameList_, 0, 2, 1, 2);
    paramGrid->addWidget(label("截面参数：", params), 1, 0, 1, 4);
    paramGrid->addWidget(properties_, 2, 0, 1, 4);
    paramGrid->addWidget(label("净截面系数:", params), 3, 0);
    paramGrid->addWidget(netFactorBox_, 3, 1);
    paramGrid->addWidget(label("钢号:", params), 3, 2);
    paramGrid->addWidget(gradeList_, 3, 3);
    paramGrid->addWidget(allowableLabel_, 4, 0);
    paramGrid->addWidget(allowableBox_, 4, 1);

    // Force.
    auto* force = new QGroupBox(QStringLiteral("受力类型及内力设计值"), this);
    forceTypeList_ =
        new ChoiceList(QStringLiteral("forceType"), Choices("force-type"), &forceTypeIndex_, force);
    forceBox_ = new ValueCombo(QStringLiteral("axialForce"), Presets("N"), &n_, force);
    auto* forceGrid = new QGridLayout(force);
    forceGrid->addWidget(forceTypeList_, 0, 0);
    forceGrid->addWidget(label("轴力(kN):", force), 0, 1);
    forceGrid->addWidget(forceBox_, 0, 2);

    // Buckling axes.
    auto* stability = new QGroupBox(QStringLiteral("稳定验算"), this);
    xCheck_ = new QCheckBox(QStringLiteral("绕x轴"), stability);
    xCheck_->setObjectName(QStringLiteral("xCheck"));
    yCheck_ = new QCheckBox(QStringLiteral("绕y轴"), stability);
    yCheck_->setObjectName(QStringLiteral("yCheck"));
    lxBox_ = new ValueCombo(QStringLiteral("lx"), Presets("lx"), &lx_, stability);
    lyBox_ = new ValueCombo(QStringLiteral("ly"), Presets("ly"), &ly_, stability);
    lxLabel_ = label("计算长度(m):", stability);
    lxLabel_->setObjectName(QStringLiteral("lxLabel"));
    lyLabel_ = label("计算长度(m):", stability);
    lyLabel_->setObjectName(QStringLiteral("lyLabel"));
    auto* stabilityGrid = new QGridLayout(stability);
    stabilityGrid->addWidget(xCheck_, 0, 0);
    stabilityGrid->addWidget(lxLabel_, 0, 1);
    stabilityGrid->addWidget(lxBox_, 0, 2);
    stabilityGrid->addWidget(yCheck_, 1, 0);
    stabilityGrid->addWidget(lyLabel_, 1, 1);
    stabilityGrid->addWidget(lyBox_, 1, 2);

    report_ = new ReportBox(this);
    report_->setMinimumSize(230, 300);

    // Picture and the welded section.
    picture_ = new CBitmapPreview(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setMinimumSize(220, 190);

    auto* welded = new QGroupBox(QStringLiteral("焊接工字形截面"), this);
    auto* weldedGrid = new QGridLayout(welded);
    // Both flanges list the same plates.
    plates_ = new WeldedIPlates(weldedGrid,
                                {{Plate::B1, "上翼缘宽度 B1:", Presets("B1")},
                                 {Plate::T1, "上翼缘厚度 t1:", Presets("t1")},
                                 {Plate::Hw, "腹板净高度 Hw:", Presets("Hw")},
                                 {Plate::H, "截面总高度 H", kDepthPresets},
                                 {Plate::Tw, "腹板厚度  Tw:", Presets("Tw")},
                                 {Plate::B2, "下翼缘宽度 B2:", Presets("B1")},
                                 {Plate::T2, "下翼缘厚度 t2:", Presets("t1")}},
                                WeldedIPlates::Heights::Radios);
    hwBox_ = plates_->Box(Plate::Hw);
    hBox_ = plates_->Box(Plate::H);
    flangeList_ = new ChoiceList(QStringLiteral("flange"), Choices("flange"), &flange_, welded);
    QLabel* flangeLabel = label("翼缘为:", welded);
    const int flangeRow = weldedGrid->rowCount();
    weldedGrid->addWidget(flangeLabel, flangeRow, 0);
    weldedGrid->addWidget(flangeList_, flangeRow, 1);
    weldedWidgets_ = plates_->Widgets();
    weldedWidgets_.push_back(flangeLabel);
    weldedWidgets_.push_back(flangeList_);

    compute_ = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    QHBoxLayout* buttons = MakeButtonRow(compute_, cancel);

    // Inputs on the left, the section picture and the welded plates in the middle, the result
    // on the right.
    auto* left = new QVBoxLayout;
    left->addLayout(codeRow);
    left->addWidget(params);
    left->addWidget(force);
    left->addWidget(stability);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(picture_, 1);
    middle->addWidget(welded);
    auto* right = new QVBoxLayout;
    right->addWidget(label("验算结果:", this));
    right->addWidget(report_, 1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addLayout(middle, 0);
    layout->addLayout(right, 1);

    // Events.
    connect(kindList_, &ChoiceList::chosen, this, &CAxialMemberDlg::OnKindSelected);
    connect(nameList_, &ChoiceList::chosen, this, &CAxialMemberDlg::OnNameSelected);
    connect(gradeList_, &ChoiceList::chosen, this,
            [this] { grade_ = GradeOfEntry(gradeList_->SelectedText()); });
    connect(forceTypeList_, &ChoiceList::chosen, this,
            [this] { forceType_ = forceTypeList_->SelectedText(); });
    connect(flangeList_, &ChoiceList::chosen, this, [this] { flameCut_ = flange_ == 0 ? 1 : 0; });
    connect(xCheck_, &QCheckBox::clicked, this, &CAxialMemberDlg::OnAxisToggled);
    connect(yCheck_, &QCheckBox::clicked, this, &CAxialMemberDlg::OnAxisToggled);

    // The flanges stay equal: each width and thickness is copied into its twin.
    auto widthChanged = [this] { OnWeldedChanged(); };
    auto thicknessChanged = [this] {
        ApplyThicknessRule();
        OnWeldedChanged();
    };
    plates_->MirrorEdits(Plate::B1, Plate::B2, widthChanged);
    plates_->MirrorEdits(Plate::B2, Plate::B1, widthChanged);
    plates_->MirrorEdits(Plate::T1, Plate::T2, thicknessChanged);
    plates_->MirrorEdits(Plate::T2, Plate::T1, thicknessChanged);
    auto hwChanged = [this, &p = plates_->Values()] {
        hBox_->SetValue(p.hw + 2 * p.t1);
        OnWeldedChanged();
    };
    connect(hwBox_, &ValueCombo::typed, this, hwChanged);
    connect(hwBox_, &ValueCombo::chosen, this, hwChanged);
    auto hChanged = [this, &p = plates_->Values()] {
        hwBox_->SetValue(p.h - 2 * p.t1);
        OnWeldedChanged();
    };
    connect(hBox_, &ValueCombo::typed, this, hChanged);
    connect(hBox_, &ValueCombo::chosen, this, hChanged);
    ValueCombo* twBox = plates_->Box(Plate::Tw);
    connect(twBox, &ValueCombo::typed, this, &CAxialMemberDlg::OnWeldedChanged);
    connect(twBox, &ValueCombo::chosen, this, &CAxialMemberDlg::OnWeldedChanged);
    connect(compute_, &QPushButton::clicked, this, &CAxialMemberDlg::OnCompute);
}

void CAxialMemberDlg::OnInitDialog() {
    // The edition list opens on the edition last chosen (EditionList).
    kindList_->Select(0);
    nameList_->SetItems(std::vector<const char*>(HWNames().begin(), HWNames().end()));
    gradeList_->Select(0);
    grade_ = GradeOfEntry(gradeList_->SelectedText());
    forceTypeList_->Select(0);
    forceType_ = forceTypeList_->SelectedText();
    allowableBox_->SelectFirst();
    allowableBox_->setEnabled(false);
    allowableLabel_->setEnabled(false);
    netFactorBox_->SelectFirst();
    forceBox_->SelectFirst();
    lxBox_->SelectFirst();
    lyBox_->SelectFirst();
    xOn_ = true;
    yOn_ = false;
    xCheck_->setChecked(true);
    yCheck_->setChecked(false);
    OnAxisToggled();
    properties_->SetReport("");
    report_->SetReport("");
    picture_->SetPicture(PictureOf(AxialSectionKind::HW));
    // The welded inputs wait, disabled and blank, until the welded kind loads its defaults.
    for (ValueCombo* box : plates_->Boxes()) {
        box->setCurrentIndex(-1);
        box->SetValueText(QString());
    }
    flangeList_->setCurrentIndex(-1);
    SetWeldedEnabled(false);
    compute_->setEnabled(false);
}

void CAxialMemberDlg::SetWeldedEnabled(bool enabled) {
    for (QWidget* widget : weldedWidgets_) {
        widget->setEnabled(enabled);
    }
}

void CAxialMemberDlg::OnKindSelected() {
    const auto kind = static_cast<AxialSectionKind>(kind_);
    nameList_->SetItems(std::vector<const char*>{});
    picture_->SetPicture(PictureOf(kind));
    if (kind == AxialSectionKind::WeldedI) {
        SetWeldedEnabled(true);
        nameList_->setEnabled(false);
        properties_->SetReport("");
        LoadWeldedDefaults();
        return;
    }
    const NameList names = AxialSectionNames(kind);
    nameList_->SetItems(std::vector<const char*>(names.begin(), names.end()));
    nameList_->setEnabled(true);
    SetWeldedEnabled(false);
    LoadName();
}

void CAxialMemberDlg::OnNameSelected() {
    compute_->setEnabled(true);
    LoadName();
}

void CAxialMemberDlg::LoadName() {
    AxialSectionLoad load = LoadAxialSection(nameList_->SelectedText());
    ShowNotices(this, load.notices);
    if (load.section) {
        section_ = load.section;
        properties_->SetReport(load.propertyText);
    } else {
        // Nothing to check: "计算" refuses until a section is loaded again.
        section_.reset();
        properties_->SetReport("");
        report_->SetReport("");
    }
}

void CAxialMemberDlg::LoadWeldedDefaults() {
    plates_->SelectFirst();
    flangeList_->Select(0);
    flameCut_ = 1;
    const PlateValues& p = plates_->Values();
    hBox_->SetValue(p.hw + 2 * p.t1);
    plates_->HwMode()->setChecked(true);
    section_ = WeldedAxialSection(p.b1, p.t1, p.tw, p.hw);
}

void CAxialMemberDlg::ApplyThicknessRule() {
    const PlateValues& p = plates_->Values();
    if (plates_->HwMode()->isChecked()) {
        hBox_->SetValue(2 * p.t1 + p.hw);
    } else {
        hwBox_->SetValue(p.h - 2 * p.t1);
    }
}

void CAxialMemberDlg::OnWeldedChanged() {
    compute_->setEnabled(true);
    const PlateValues& p = plates_->Values();
    section_ = WeldedAxialSection(p.b1, p.t1, p.tw, p.hw);
    properties_->SetReport(WeldedPropertyText(*section_));
}

void CAxialMemberDlg::OnAxisToggled() {
    xOn_ = xCheck_->isChecked();
    yOn_ = yCheck_->isChecked();
    lxBox_->setEnabled(xOn_);
    lxLabel_->setEnabled(xOn_);
    lyBox_->setEnabled(yOn_);
    lyLabel_->setEnabled(yOn_);
}

void CAxialMemberDlg::OnCompute() {
    AxialMemberInput in;
    in.section = section_;
    in.flameCut = flameCut_;
    in.netFactor = netFactor_;
    in.grade = grade_;
    in.forceType = forceType_;
    in.N = n_;
    in.xOn = xOn_;
    in.lx = lx_;
    in.yOn = yOn_;
    in.ly = ly_;
    in.edition = editionList_->Year();
    const AxialMemberResult result = ComputeAxialMember(in);
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeAxialMemberDialog(QWidget* parent) {
    return new CAxialMemberDlg(parent);
}

} // namespace ferrolab
