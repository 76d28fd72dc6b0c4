#include "calculators/properties/ColdFormedSectionDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/properties/ColdFormedSection.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(ColdFormedSectionDescription().Field(field).presets);
}

} // namespace

CColdFormedSectionDlg::CColdFormedSectionDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("coldFormedSectionDlg"));
    setWindowTitle(QString::fromUtf8(kColdFormedSectionCaption));
    BuildControls();
    OnInitDialog();
}

void CColdFormedSectionDlg::BuildControls() {
    auto* data = new QGroupBox(QStringLiteral("原始数据（需按中心线输入）"), this);
    data->setObjectName(QStringLiteral("dataGroup"));
    familyList_ = new ChoiceList(QStringLiteral("family"),
                                 Items(ColdFormedSectionDescription().Field("family").allowed),
                                 &family_, data);
    aBox_ = new ValueCombo(QStringLiteral("a"), Presets("a"), &a_, data);
    hBox_ = new ValueCombo(QStringLiteral("h"), Presets("h"), &h_, data);
    bBox_ = new ValueCombo(QStringLiteral("b"), Presets("b"), &b_, data);
    tBox_ = new ValueCombo(QStringLiteral("t"), Presets("t"), &t_, data);
    aLabel_ = MakeLabel("a:", data, "aLabel");
    aUnit_ = MakeLabel("mm", data, "aUnit");

    auto* grid = new QGridLayout(data);
    grid->addWidget(familyList_, 0, 0, 1, 3);
    grid->addWidget(aLabel_, 1, 0);
    grid->addWidget(aBox_, 1, 1);
    grid->addWidget(aUnit_, 1, 2);
    int row = 2;
    for (auto [text, box] : {std::pair{"h:", hBox_}, {"b:", bBox_}, {"t:", tBox_}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(text), data), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("mm"), data), row, 2);
        ++row;
    }
    grid->setRowStretch(row, 1);

    auto* previewGroup = new QGroupBox(QStringLiteral("截面预览"), this);
    preview_ = new CBitmapPreview(previewGroup);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(230, 230);
    (new QVBoxLayout(previewGroup))->addWidget(preview_);

    QPushButton* compute = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    report_ = new ReportBox(this);
    report_->setMinimumSize(420, 130);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(compute);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addWidget(data);
    upper->addWidget(previewGroup, 1);
    upper->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addWidget(report_);

    connect(familyList_, &ChoiceList::chosen, this, &CColdFormedSectionDlg::OnFamilyChanged);
    connect(tBox_, &ValueCombo::typed, this, &CColdFormedSectionDlg::OnThicknessTyped);
    connect(compute, &QPushButton::clicked, this, &CColdFormedSectionDlg::OnCompute);
}

void CColdFormedSectionDlg::OnInitDialog() {
    familyList_->Select(0);
    for (ValueCombo* box : {aBox_, hBox_, bBox_, tBox_}) {
        box->SelectFirst();
    }
    OnFamilyChanged();
}

void CColdFormedSectionDlg::OnFamilyChanged() {
    const auto family = static_cast<CFFamily>(family_);
    const bool lips = HasLips(family);
    if (!lips) {
        aBox_->SelectFirst();
    }
    // Enabling keeps whatever lip the box holds.
    for (QWidget* w : std::initializer_list<QWidget*>{aLabel_, aBox_, aUnit_}) {
        w->setEnabled(lips);
    }
    preview_->SetPicture(QString::fromUtf8(FamilyPicture(family)));
}

void CColdFormedSectionDlg::OnThicknessTyped() {
    if (const auto notice = ThicknessNotice(t_)) {
        ShowNotice(this, *notice);
    }
}

void CColdFormedSectionDlg::OnCompute() {
    ColdFormedSectionInput in;
    in.family = static_cast<CFFamily>(family_);
    in.a = a_;
    in.h = h_;
    in.b = b_;
    in.t = t_;
    const ColdFormedSectionResult result = ComputeColdFormedSection(in);
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeColdFormedSectionDialog(QWidget* parent) {
    return new CColdFormedSectionDlg(parent);
}

} // namespace ferrolab
