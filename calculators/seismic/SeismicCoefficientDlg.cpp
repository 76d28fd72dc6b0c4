#include "calculators/seismic/SeismicCoefficientDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

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
    editionList_ = MakeEditionList(description.Field("edition"), &editionIndex_, this);
    alphaMaxBox_ =
        new ValueCombo(QStringLiteral("alphaMax"), presets("alpha-max"), &alphaMax_, this);
    zetaBox_ = new ValueCombo(QStringLiteral("zeta"), presets("zeta"), &zeta_, this);
    // The site field takes the classes of both editions; the list shows the edition's own.
    siteList_ = new ChoiceList(QStringLiteral("site"), SiteClassEntries(), &site_, this);
    groupList_ = new ChoiceList(QStringLiteral("group"), choices("group"), &group_, this);
    levelList_ = new ChoiceList(QStringLiteral("level"), choices("level"), &level_, this);
    dtList_ = new ChoiceList(QStringLiteral("dt"), choices("dt"), &dtIndex_, this);

    auto* inputs = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* text, QWidget* list) {
        inputs->addWidget(new QLabel(QString::fromUtf8(text), this), row, 0);
        inputs->addWidget(list, row, 1);
        ++row;
    };
    addRow("规范版本:", editionList_);
    addRow("地震影响系数最大值αmax:", alphaMaxBox_);
    addRow("阻尼比:", zetaBox_);
    addRow("场地类别:", siteList_);
    addRow("设计地震分组:", groupList_);
    addRow("地震影响:", levelList_);
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
    connect(editionList_, &ChoiceList::chosen, this, &CSeismicCoefficientDlg::OnEditionChosen);
    connect(compute, &QPushButton::clicked, this, &CSeismicCoefficientDlg::OnCompute);
}

void CSeismicCoefficientDlg::OnInitDialog() {
    alphaMaxBox_->SelectFirst();
    zetaBox_->SelectFirst();
    for (ChoiceList* list : {siteList_, groupList_, levelList_, dtList_}) {
        list->Select(0);
    }
    dt_ = TextToDouble(dtList_->SelectedText());
    // The lists above are the 2001 edition's; a dialog opening on 2010 takes its lists.
    filledEdition_ = kSeismic2001;
    FillEditionLists();
}

int CSeismicCoefficientDlg::edition() const {
    return editionList_->Year();
}

void CSeismicCoefficientDlg::OnEditionChosen() {
    FillEditionLists();
}

void CSeismicCoefficientDlg::FillEditionLists() {
    const int year = edition();
    const bool to2010 = year == kSeismic2010;
    if (year != filledEdition_) {
        // αmax: the edition's presets, the value shown and stored kept as it is.
        const QString kept = alphaMaxBox_->currentText();
        {
            const QSignalBlocker blocker(alphaMaxBox_);
            alphaMaxBox_->clear();
            for (const char* entry : to2010 ? AlphaMaxEntries2010() : AlphaMaxEntries()) {
                alphaMaxBox_->addItem(QString::fromUtf8(entry));
            }
            const int index = alphaMaxBox_->findText(kept);
            if (index >= 0) {
                alphaMaxBox_->setCurrentIndex(index);
            }
        }
        alphaMaxBox_->SetValueText(kept);

        // Site classes: 2001's I..IV are 2010's I1..IV one place on (I0 before them), and I0 and
        // I1 of 2010 both go back to class I.
        const int site = site_;
        if (to2010) {
            siteList_->SetItems(SiteClassEntries2010());
            siteList_->Select(site + 1);
        } else {
            siteList_->SetItems(SiteClassEntries());
            siteList_->Select(site > 0 ? site - 1 : 0);
        }
        filledEdition_ = year;
    }
    // 多遇 / 罕遇 belongs to the 2010 edition; under 2001 it stays on 多遇 and cannot be chosen.
    if (!to2010) {
        levelList_->Select(0);
    }
    levelList_->setEnabled(to2010);
}

QString CSeismicCoefficientDlg::TablePath() const {
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(tablePath_));
}

void CSeismicCoefficientDlg::OnCompute() {
    SeismicCoefficientInput in;
    in.edition = edition();
    in.level = level_;
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
