#include "calculators/properties/BuiltUpSectionDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/TextToNumber.h"
#include "ui/CalculatorDialog.h"
#include "ui/PreviewStatic.h"
#include "ui/WeldedIPlates.h"

namespace ferrolab {
namespace {

// The overall height H is no field of the description: it follows hw, t1 and t2.
const std::vector<const char*> kHPresets = {"500.00", "600.00", "700.00", "800.00"};

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(BuiltUpSectionDescription().Field(field).presets);
}

// The radio buttons of a choice, as the description shows its values.
std::vector<const char*> Entries(const char* field) {
    return Items(BuiltUpSectionDescription().Field(field).entries);
}

} // namespace

CBuiltUpSectionDlg::CBuiltUpSectionDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("builtUpSectionDlg"));
    setWindowTitle(QStringLiteral("工字形、T形、矩形、十字形截面参数计算"));
    BuildControls();
    OnInitDialog();
}

void CBuiltUpSectionDlg::BuildControls() {
    // 原始数据: the seven geometry inputs.
    auto* data = new QGroupBox(QStringLiteral("原始数据"), this);
    plates_ = new WeldedIPlates(new QGridLayout(data),
                                {{Plate::B1, "上翼缘宽度 B1:", Presets("B1")},
                                 {Plate::T1, "上翼缘厚度 t1:", Presets("t1")},
                                 {Plate::Hw, "腹板净高度 Hw:", Presets("hw")},
                                 {Plate::H, "截面总高度 H", kHPresets},
                                 {Plate::Tw, "腹板厚度  Tw:", Presets("tw")},
                                 {Plate::B2, "下翼缘宽度 B2:", Presets("B2")},
                                 {Plate::T2, "下翼缘厚度 t2:", Presets("t2")}},
                                WeldedIPlates::Heights::Radios);
    hwBox_ = plates_->Box(Plate::Hw);
    hBox_ = plates_->Box(Plate::H);

    methodGroup_ = new RadioGroup(QStringLiteral("计算方法"), QStringLiteral("method"),
                                  Entries("method"), &method_, this);
    formatGroup_ = new RadioGroup(QStringLiteral("计算结果表达方式"), QStringLiteral("format"),
                                  Entries("format"), &format_, this);

    auto* previewGroup = new QGroupBox(QStringLiteral("截面预览"), this);
    preview_ = new CPreviewStatic(previewGroup);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setMinimumSize(260, 260);
    auto* previewLayout = new QVBoxLayout(previewGroup);
    previewLayout->addWidget(preview_);

    auto* other = new QGroupBox(QStringLiteral("其他"), this);
    unitList_ =
        new ChoiceList(QStringLiteral("unit"),
                       Items(BuiltUpSectionDescription().Field("unit").allowed), &unit_, other);
    densityBox_ = new ValueCombo(QStringLiteral("density"), Presets("density"), &density_, other);
    auto* otherGrid = new QGridLayout(other);
    AddGridRow(otherGrid, 0, "长度:", unitList_);
    AddGridRow(otherGrid, 1, "密度:", densityBox_, "kg/m3");

    QPushButton* compute = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    report_ = new ReportBox(this);
    report_->setMinimumHeight(170);

    auto* middle = new QVBoxLayout;
    middle->addWidget(methodGroup_);
    middle->addWidget(formatGroup_);
    middle->addWidget(other);
    middle->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compute);
    buttons->addWidget(cancel);
    middle->addLayout(buttons);

    auto* upper = new QHBoxLayout;
    upper->addWidget(data);
    upper->addLayout(middle);
    upper->addWidget(previewGroup, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addWidget(report_);

    // Dependent inputs.
    plates_->MirrorEdits(Plate::B1, Plate::B2, [this] { UpdatePreview(); });
    ValueCombo* t1Box = plates_->Box(Plate::T1);
    connect(t1Box, &ValueCombo::typed, this, [this] {
        // Typing t1 makes the flanges equal; choosing t1 from the list does not.
        plates_->Mirror(Plate::T1, Plate::T2, false);
        ApplyHeightRule();
    });
    connect(t1Box, &ValueCombo::chosen, this, &CBuiltUpSectionDlg::ApplyHeightRule);
    auto hwChanged = [this, &p = plates_->Values()] {
        hBox_->SetValue(p.hw + p.t2 + p.t1);
        UpdatePreview();
    };
    connect(hwBox_, &ValueCombo::typed, this, hwChanged);
    connect(hwBox_, &ValueCombo::chosen, this, hwChanged);
    auto hChanged = [this, &p = plates_->Values()] {
        hwBox_->SetValue(p.h - p.t1 - p.t2);
        UpdatePreview();
    };
    connect(hBox_, &ValueCombo::typed, this, hChanged);
    connect(hBox_, &ValueCombo::chosen, this, hChanged);
    for (Plate plate : {Plate::Tw, Plate::B2}) {
        connect(plates_->Box(plate), &ValueCombo::typed, this, &CBuiltUpSectionDlg::UpdatePreview);
        connect(plates_->Box(plate), &ValueCombo::chosen, this, &CBuiltUpSectionDlg::UpdatePreview);
    }
    ValueCombo* t2Box = plates_->Box(Plate::T2);
    connect(t2Box, &ValueCombo::typed, this, &CBuiltUpSectionDlg::ApplyHeightRule);
    connect(t2Box, &ValueCombo::chosen, this, &CBuiltUpSectionDlg::ApplyHeightRule);
    connect(densityBox_, &ValueCombo::typed, this, [this] { densityTyped_ = true; });
    connect(densityBox_, &ValueCombo::chosen, this, [this] { densityTyped_ = false; });
    connect(plates_->HwMode(), &QRadioButton::clicked, this, [this] { OnHeightMode(true); });
    connect(plates_->HMode(), &QRadioButton::clicked, this, [this] { OnHeightMode(false); });
    connect(compute, &QPushButton::clicked, this, &CBuiltUpSectionDlg::OnCompute);
}

void CBuiltUpSectionDlg::OnInitDialog() {
    methodGroup_->CheckFromMember();
    formatGroup_->CheckFromMember();
    plates_->SelectFirst();
    const PlateValues& p = plates_->Values();
    hBox_->SelectFirst();
    hBox_->SetValue(p.hw + p.t2 + p.t1);
    unitList_->Select(0);
    densityBox_->SelectFirst();
    densityTyped_ = false;
    plates_->HwMode()->setChecked(true);
    OnHeightMode(true);
    UpdatePreview();
}

void CBuiltUpSectionDlg::ApplyHeightRule() {
    const PlateValues& p = plates_->Values();
    if (plates_->HwMode()->isChecked()) {
        hBox_->SetValue(p.t1 + p.t2 + p.hw);
    } else {
        hwBox_->SetValue(p.h - p.t1 - p.t2);
    }
    UpdatePreview();
}

void CBuiltUpSectionDlg::OnHeightMode(bool hwEntered) {
    heightMode_ = hwEntered ? 0 : 1;
    hwBox_->setEnabled(hwEntered);
    hBox_->setEnabled(!hwEntered);
}

void CBuiltUpSectionDlg::UpdatePreview() {
    const PlateValues& p = plates_->Values();
    preview_->SetSection(PreviewSection{p.b1, p.t1, p.b2, p.t2, p.tw, p.hw});
}

void CBuiltUpSectionDlg::OnCompute() {
    BuiltUpSectionInput in;
    CopyPlates(plates_->Values(), in);
    in.method = static_cast<IxMethod>(method_);
    in.format = static_cast<ResultFormat>(format_);
    in.unit = unitList_->SelectedText();
    // The density as the box shows it: its typed text, or the list item last chosen.
    in.density = TextToDouble((densityTyped_ ? densityBox_->currentText()
                                             : densityBox_->itemText(densityBox_->currentIndex()))
                                  .toStdString());
    const BuiltUpSectionResult result = ComputeBuiltUpSection(in);
    if (result.report) {
        UpdatePreview();
    }
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeBuiltUpSectionDialog(QWidget* parent) {
    return new CBuiltUpSectionDlg(parent);
}

} // namespace ferrolab
