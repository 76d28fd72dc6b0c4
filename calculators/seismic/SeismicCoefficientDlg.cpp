#include "calculators/seismic/SeismicCoefficientDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "calculators/seismic/SpectrumCurve.h"
#include "engine/TextToNumber.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

CSeismicCoefficientDlg::CSeismicCoefficientDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("seismicCoefficientDlg"));
    setWindowTitle(QString::fromUtf8(kSeismicCaption));
    BuildControls();
    OnInitDialog();
}

void CSeismicCoefficientDlg::BuildControls() {
    // αmax and ζ take a preset or a typed value; the compute refuses values beyond their limits.
    const Description& description = SeismicDescription();
    auto presets = [&](const char* field) { return Items(description.Field(field).presets); };
    auto choices = [&](const char* field) { return Items(description.Field(field).allowed); };
    alphaMaxBox_ =
        new ValueCombo(QStringLiteral("alphaMax"), presets("alpha-max"), &alphaMax_, this);
    zetaBox_ = new ValueCombo(QStringLiteral("zeta"), presets("zeta"), &zeta_, this);
    siteList_ = new ChoiceList(QStringLiteral("site"), choices("site"), &site_, this);
    groupList_ = new ChoiceList(QStringLiteral("group"), choices("group"), &group_, this);
    dtList_ = new ChoiceList(QStringLiteral("dt"), choices("dt"), &dtIndex_, this);

    auto* inputs = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* text, QWidget* list) {
        inputs->addWidget(new QLabel(QString::fromUtf8(text), this), row, 0);
        inputs->addWidget(list, row, 1);
        ++row;
    };
    addRow("地震影响系数最大值αmax:", alphaMaxBox_);
    addRow("阻尼比:", zetaBox_);
    addRow("场地类别:", siteList_);
    addRow("设计地震分组:", groupList_);
    addRow("取值步长(s):", dtList_);

    QPushButton* compute = MakeComputeButton(this);
    compute->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compute);
    buttons->addWidget(cancel);

    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addStretch(1);
    left->addLayout(buttons);

    report_ = new ReportBox(this);
    report_->setMinimumWidth(130);
    report_->setMaximumWidth(170);
    curve_ = new CSpectrumCurve(this);
    curve_->setObjectName(QStringLiteral("curve"));
    curve_->setMinimumSize(420, 300);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(report_);
    layout->addWidget(curve_, 1);

    // The period step list stores the number of the chosen entry, the others their index.
    connect(dtList_, &ChoiceList::chosen, this,
            [this] { dt_ = TextToDouble(dtList_->SelectedText()); });
    connect(compute, &QPushButton::clicked, this, &CSeismicCoefficientDlg::OnCompute);
}

void CSeismicCoefficientDlg::OnInitDialog() {
    alphaMaxBox_->SelectFirst();
    zetaBox_->SelectFirst();
    for (ChoiceList* list : {siteList_, groupList_, dtList_}) {
        list->Select(0);
    }
    dt_ = TextToDouble(dtList_->SelectedText());
}

QString CSeismicCoefficientDlg::TablePath() const {
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(tablePath_));
}

void CSeismicCoefficientDlg::OnCompute() {
    SeismicCoefficientInput in;
    in.alphaMax = alphaMax_;
    in.zeta = zeta_;
    in.site = site_;
    in.group = group_;
    in.dt = dt_;
    SeismicCoefficientResult result = ComputeSeismicCoefficient(in);
    if (!result.report) {
        ShowOutcome(this, report_, result.report, result.notices);
        return;
    }
    result_ = std::move(result);
    ShowOutcome(this, report_, result_.report, {});
    curve_->SetResult(result_);
    const std::optional<Notice> failure = SaveSpectrumTable(
        TablePath().toStdString(), FormatSpectrumTable(result_.alpha, result_.dt));
    if (failure) {
        ShowNotice(this, *failure);
    }
}

QDialog* MakeSeismicCoefficientDialog(QWidget* parent) {
    return new CSeismicCoefficientDlg(parent);
}

} // namespace ferrolab
