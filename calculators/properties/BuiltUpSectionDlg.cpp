#include "calculators/properties/BuiltUpSectionDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/TextToNumber.h"
#include "ui/CalculatorDialog.h"
#include "ui/PreviewStatic.h"

namespace ferrolab {
namespace {

// The overall height H is no field of the description: it follows hw, t1 and t2.
const std::vector<const char*> kHPresets = {"500.00", "600.00", "700.00", "800.00"};

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(BuiltUpSectionDescription().Field(field).presets);
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
    auto* grid = new QGridLayout(data);
    b1Box_ = new ValueCombo(QStringLiteral("b1"), Presets("B1"), &b1_, data);
    t1Box_ = new ValueCombo(QStringLiteral("t1"), Presets("t1"), &t1_, data);
    hwBox_ = new ValueCombo(QStringLiteral("hw"), Presets("hw"), &hw_, data);
    hBox_ = new ValueCombo(QStringLiteral("h"), kHPresets, &h_, data);
    twBox_ = new ValueCombo(QStringLiteral("tw"), Presets("tw"), &tw_, data);
    b2Box_ = new ValueCombo(QStringLiteral("b2"), Presets("B2"), &b2_, data);
    t2Box_ = new ValueCombo(QStringLiteral("t2"), Presets("t2"), &t2_, data);
    hwMode_ = new QRadioButton(QStringLiteral("腹板净高度 Hw:"), data);
    hwMode_->setObjectName(QStringLiteral("heightModeHw"));
    hMode_ = new QRadioButton(QStringLiteral("截面总高度 H"), data);
    hMode_->setObjectName(QStringLiteral("heightModeH"));
    auto* heightModes = new QButtonGroup(this);
    heightModes->addButton(hwMode_, 0);
    heightModes->addButton(hMode_, 1);

    int row = 0;
    auto addRow = [&](QWidget* label, QWidget* box) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    };
    auto label = [data](const char* text) { return new QLabel(QString::fromUtf8(text), data); };
    addRow(label("上翼缘宽度 B1:"), b1Box_);
    addRow(label("上翼缘厚度 t1:"), t1Box_);
    addRow(hwMode_, hwBox_);
    addRow(hMode_, hBox_);
    addRow(label("腹板厚度  Tw:"), twBox_);
    addRow(label("下翼缘宽度 B2:"), b2Box_);
    addRow(label("下翼缘厚度 t2:"), t2Box_);

    methodGroup_ =
        new RadioGroup(QStringLiteral("计算方法"), QStringLiteral("method"),
                       {"精确计算法 1", "精确计算法 2", "常用简化计算法"}, &method_, this);
    formatGroup_ = new RadioGroup(QStringLiteral("计算结果表达方式"), QStringLiteral("format"),
                                  {"科学计数法", "小数点后两位"}, &format_, this);

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
    auto copyB1 = [this] {
        b2Box_->SetValueText(b1Box_->currentText());
        UpdatePreview();
    };
    connect(b1Box_, &ValueCombo::typed, this, copyB1);
    connect(b1Box_, &ValueCombo::chosen, this, [this] {
        // The edit field still shows the previous text at this moment: copy the chosen item.
        b2Box_->SetValueText(b1Box_->itemText(b1Box_->currentIndex()));
        UpdatePreview();
    });
    connect(t1Box_, &ValueCombo::typed, this, [this] {
        // Typing t1 makes the flanges equal; choosing t1 from the list does not.
        t2Box_->SetValueText(t1Box_->currentText());
        ApplyHeightRule();
    });
    connect(t1Box_, &ValueCombo::chosen, this, &CBuiltUpSectionDlg::ApplyHeightRule);
    auto hwChanged = [this] {
        hBox_->SetValue(hw_ + t2_ + t1_);
        UpdatePreview();
    };
    connect(hwBox_, &ValueCombo::typed, this, hwChanged);
    connect(hwBox_, &ValueCombo::chosen, this, hwChanged);
    auto hChanged = [this] {
        hwBox_->SetValue(h_ - t1_ - t2_);
        UpdatePreview();
    };
    connect(hBox_, &ValueCombo::typed, this, hChanged);
    connect(hBox_, &ValueCombo::chosen, this, hChanged);
    connect(twBox_, &ValueCombo::typed, this, &CBuiltUpSectionDlg::UpdatePreview);
    connect(twBox_, &ValueCombo::chosen, this, &CBuiltUpSectionDlg::UpdatePreview);
    connect(b2Box_, &ValueCombo::typed, this, &CBuiltUpSectionDlg::UpdatePreview);
    connect(b2Box_, &ValueCombo::chosen, this, &CBuiltUpSectionDlg::UpdatePreview);
    connect(t2Box_, &ValueCombo::typed, this, &CBuiltUpSectionDlg::ApplyHeightRule);
    connect(t2Box_, &ValueCombo::chosen, this, &CBuiltUpSectionDlg::ApplyHeightRule);
    connect(densityBox_, &ValueCombo::typed, this, [this] { densityTyped_ = true; });
    connect(densityBox_, &ValueCombo::chosen, this, [this] { densityTyped_ = false; });
    connect(hwMode_, &QRadioButton::clicked, this, [this] { OnHeightMode(true); });
    connect(hMode_, &QRadioButton::clicked, this, [this] { OnHeightMode(false); });
    connect(compute, &QPushButton::clicked, this, &CBuiltUpSectionDlg::OnCompute);
}

void CBuiltUpSectionDlg::OnInitDialog() {
    methodGroup_->CheckFromMember();
    formatGroup_->CheckFromMember();
    for (ValueCombo* box : {b1Box_, t1Box_, hwBox_, twBox_, b2Box_, t2Box_}) {
        box->SelectFirst();
    }
    hBox_->SelectFirst();
    hBox_->SetValue(hw_ + t2_ + t1_);
    unitList_->Select(0);
    densityBox_->SelectFirst();
    densityTyped_ = false;
    hwMode_->setChecked(true);
    OnHeightMode(true);
    UpdatePreview();
}

void CBuiltUpSectionDlg::ApplyHeightRule() {
    if (hwMode_->isChecked()) {
        hBox_->SetValue(t1_ + t2_ + hw_);
    } else {
        hwBox_->SetValue(h_ - t1_ - t2_);
    }
    UpdatePreview();
}

void CBuiltUpSectionDlg::OnHeightMode(bool hwEntered) {
    heightMode_ = hwEntered ? 0 : 1;
    hwBox_->setEnabled(hwEntered);
    hBox_->setEnabled(!hwEntered);
}

void CBuiltUpSectionDlg::UpdatePreview() {
    preview_->SetSection(PreviewSection{b1_, t1_, b2_, t2_, tw_, hw_});
}

void CBuiltUpSectionDlg::OnCompute() {
    BuiltUpSectionInput in;
    in.b1 = b1_;
    in.t1 = t1_;
    in.hw = hw_;
    in.tw = tw_;
    in.b2 = b2_;
    in.t2 = t2_;
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
