#include "calculators/materials/DesignValuesDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

#include "calculators/materials/DesignValues.h"
#include "ui/CalculatorDialog.h"
#include "ui/EditionList.h"

namespace ferrolab {
CDesignValuesDlg::CDesignValuesDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("designValuesDlg"));
    setWindowTitle(QString::fromUtf8(kDesignValuesCaption));
    BuildControls();
    OnInitDialog();
}

void CDesignValuesDlg::BuildControls() {
    // Edition, code, grade, thickness and (GB50017-2017) electrode.
    editionRow_ = new QWidget(this);
    editionRow_->setObjectName(QStringLiteral("editionRow"));
    editionList_ =
        MakeEditionList(DesignValuesDescription().Field("edition"), &edition_, editionRow_);
    auto* editionLayout = new QHBoxLayout(editionRow_);
    editionLayout->setContentsMargins(0, 0, 0, 0);
    editionLayout->addWidget(MakeLabel(kEditionLabel, editionRow_, "editionLabel"));
    editionLayout->addWidget(editionList_, 1);
    codeList_ = new ChoiceList(QStringLiteral("code"), std::vector<const char*>{}, &code_, this);
    codeList_->SetItems(DesignCodeEntries());
    gradeList_ = new ChoiceList(QStringLiteral("grade"), {}, &gradeIndex_, this);
    thicknessLabel_ = MakeLabel(kThicknessLabel, this, "thicknessLabel");
    thicknessList_ = new ChoiceList(QStringLiteral("thickness"), {}, &band_, this);
    thicknessUnit_ = MakeLabel(kThicknessUnit, this, "thicknessUnit");
    // The list sits in a row of its own with its unit: the buddy names it on the sheet.
    thicknessLabel_->setBuddy(thicknessList_);
    electrodeLabel_ = MakeLabel(kElectrodeLabel, this, "electrodeLabel");
    electrodeList_ = new ChoiceList(QStringLiteral("electrode"), {}, &electrode_, this);
    electrodeLabel_->setBuddy(electrodeList_);
    auto* choices = new QGridLayout;
    choices->addWidget(editionRow_, 0, 0, 1, 2);
    choices->addWidget(MakeLabel(kCodeLabel, this, "codeLabel"), 1, 0);
    choices->addWidget(codeList_, 1, 1, 1, 3);
    choices->addWidget(MakeLabel(kGradeLabel, this, "gradeLabel"), 2, 0);
    choices->addWidget(gradeList_, 2, 1);
    choices->addWidget(thicknessLabel_, 2, 2);
    auto* thicknessRow = new QHBoxLayout;
    thicknessRow->addWidget(thicknessList_);
    thicknessRow->addWidget(thicknessUnit_);
    choices->addLayout(thicknessRow, 2, 3);
    choices->addWidget(electrodeLabel_, 3, 2);
    choices->addWidget(electrodeList_, 3, 3);

    // The two strength texts.
    auto* steelGroup = new QGroupBox(QString::fromUtf8(kSteelGroup), this);
    steelGroup->setObjectName(QStringLiteral("steelGroup"));
    steelBox_ = new ReportBox(steelGroup, QStringLiteral("steelBox"));
    steelBox_->setMinimumSize(320, 110);
    (new QVBoxLayout(steelGroup))->addWidget(steelBox_);
    auto* weldGroup = new QGroupBox(QString::fromUtf8(kWeldGroup), this);
    weldGroup->setObjectName(QStringLiteral("weldGroup"));
    weldBox_ = new ReportBox(weldGroup, QStringLiteral("weldBox"));
    weldBox_->setMinimumSize(320, 130);
    (new QVBoxLayout(weldGroup))->addWidget(weldBox_);

    // Bolts and anchors (GB50017-2017).
    auto* boltGroup = new QGroupBox(QString::fromUtf8(kBoltGroup), this);
    boltGroup->setObjectName(QStringLiteral("boltGroup"));
    boltBox_ = new ReportBox(boltGroup, QStringLiteral("boltBox"));
    boltBox_->setMinimumSize(640, 130);
    (new QVBoxLayout(boltGroup))->addWidget(boltBox_);
    boltGroup_ = boltGroup;

    // Spot welds.
    auto* spotGroup = new QGroupBox(QString::fromUtf8(kSpotWeldGroup), this);
    spotGroup->setObjectName(QStringLiteral("spotWeldGroup"));
    spotWeldPlateLabel_ = MakeLabel(kSpotWeldPlateLabel, spotGroup, "spotWeldPlateLabel");
    spotWeldPlateList_ =
        new ChoiceList(QStringLiteral("spotWeldPlate"), {}, &spotWeldPlate_, spotGroup);
    spotWeldPlateList_->SetItems(DesignValuesDescription().Field("spot-weld-plate").allowed);
    nvsLabel_ = MakeLabel(kNvsLabel, spotGroup, "nvsLabel");
    nvsBox_ = MakeResultBox("nvs", spotGroup, 120);
    auto* spotGrid = new QGridLayout(spotGroup);
    spotGrid->addWidget(spotWeldPlateLabel_, 0, 0);
    spotGrid->addWidget(spotWeldPlateList_, 0, 1);
    spotGrid->addWidget(nvsLabel_, 1, 0);
    spotGrid->addWidget(nvsBox_, 1, 1);

    // Width-thickness limits.
    auto* plateGroup = new QGroupBox(QString::fromUtf8(kPlateLimitGroup), this);
    plateGroup->setObjectName(QStringLiteral("plateLimitGroup"));
    plateCategoryLabel_ = MakeLabel(kPlateCategoryLabel, plateGroup, "plateCategoryLabel");
    plateCategoryList_ =
        new ChoiceList(QStringLiteral("plateCategory"),
                       Items(DesignValuesDescription().Field("plate-category").allowed),
                       &plateCategory_, plateGroup);
    limitLabel_ = MakeLabel(kLimitLabel, plateGroup, "limitLabel");
    limitBox_ = MakeResultBox("limit", plateGroup, 120);
    auto* plateGrid = new QGridLayout(plateGroup);
    plateGrid->addWidget(plateCategoryLabel_, 0, 0);
    plateGrid->addWidget(plateCategoryList_, 0, 1);
    plateGrid->addWidget(limitLabel_, 0, 2);
    plateGrid->addWidget(limitBox_, 0, 3);

    QPushButton* cancel = MakeCancelButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);

    auto* strengths = new QHBoxLayout;
    strengths->addWidget(steelGroup);
    strengths->addWidget(weldGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(strengths);
    layout->addWidget(boltGroup);
    layout->addWidget(spotGroup);
    layout->addWidget(plateGroup);
    layout->addLayout(buttons);

    connect(editionList_, &ChoiceList::chosen, this, &CDesignValuesDlg::OnEditionChanged);
    connect(codeList_, &ChoiceList::chosen, this, &CDesignValuesDlg::OnCodeChanged);
    connect(electrodeList_, &ChoiceList::chosen, this, &CDesignValuesDlg::OnElectrodeChanged);
    connect(gradeList_, &ChoiceList::chosen, this, &CDesignValuesDlg::OnGradeChanged);
    connect(thicknessList_, &ChoiceList::chosen, this, &CDesignValuesDlg::OnThicknessChanged);
    connect(spotWeldPlateList_, &ChoiceList::chosen, this,
            &CDesignValuesDlg::OnSpotWeldPlateChanged);
    connect(plateCategoryList_, &ChoiceList::chosen, this,
            &CDesignValuesDlg::OnPlateCategoryChanged);
}

void CDesignValuesDlg::OnInitDialog() {
    codeList_->Select(ListIndexOf(kDesignCodeColdFormed));
    gradeList_->SetItems(GradeEntries(kDesignCodeColdFormed));
    ShowThickness(false);
    ShowEdition(false);
    Show2017Controls(false);
    spotWeldPlateList_->Select(0);
    nvsBox_->setText(QString::fromStdString(SpotWeldText(0)));
    plateCategoryList_->Select(0);
    limitBox_->setText(QString::fromStdString(PlateLimitText(kQ235, 0)));
    // The strength boxes stay empty until the first pick.
}

int CDesignValuesDlg::SelectedGrade() const {
    return GradeOfEntry(gradeList_->SelectedText());
}

void CDesignValuesDlg::ShowThickness(bool shown) {
    thicknessLabel_->setVisible(shown);
    thicknessList_->setVisible(shown);
    thicknessUnit_->setVisible(shown);
}

void CDesignValuesDlg::ShowColdFormedControls(bool shown) {
    // The group frames stay; their lists, boxes and labels come and go.
    for (QWidget* w : std::initializer_list<QWidget*>{spotWeldPlateLabel_, spotWeldPlateList_,
                                                      nvsLabel_, nvsBox_, plateCategoryLabel_,
                                                      plateCategoryList_, limitLabel_, limitBox_}) {
        w->setVisible(shown);
    }
}

void CDesignValuesDlg::SetStrengthTexts(const std::string& steel, const std::string& weld) {
    steelBox_->SetReport(steel);
    weldBox_->SetReport(weld);
}

bool CDesignValuesDlg::Edition2017Mode() const {
    return Code() == kDesignCodeGB50017 && editionList_->Year() == kSteel2017;
}

void CDesignValuesDlg::ShowEdition(bool shown) {
    editionRow_->setVisible(shown);
}

void CDesignValuesDlg::Show2017Controls(bool shown) {
    electrodeLabel_->setVisible(shown);
    electrodeList_->setVisible(shown);
    boltGroup_->setVisible(shown);
}

void CDesignValuesDlg::Show2017Texts() {
    const auto texts = Texts2017(gradeList_->SelectedText(), band_, electrode_);
    SetStrengthTexts(texts ? texts->steel : std::string(), texts ? texts->weld : std::string());
    boltBox_->SetReport(texts ? texts->bolts : std::string());
}

void CDesignValuesDlg::OnEditionChanged() {
    if (Code() == kDesignCodeGB50017) {
        OnCodeChanged();
    }
}

void CDesignValuesDlg::OnCodeChanged() {
    // GB50018-2002 has one edition: the edition list belongs to the GB50017 mode.
    ShowEdition(Code() == kDesignCodeGB50017);
    if (Edition2017Mode()) {
        gradeList_->SetItems(GradeEntries2017());
        ShowThickness(true);
        thicknessList_->SetItems(ThicknessEntries2017(gradeList_->SelectedText()));
        electrodeList_->SetItems(ElectrodeEntries2017(gradeList_->SelectedText()));
        Show2017Controls(true);
        Show2017Texts();
        ShowColdFormedControls(false);
        return;
    }
    Show2017Controls(false);
    gradeList_->SetItems(GradeEntries(Code()));
    const StrengthTexts texts = TextsOnCodeChange(Code());
    if (Code() == kDesignCodeGB50017) {
        ShowThickness(true);
        thicknessList_->SetItems(ThicknessEntries(kQ235));
        SetStrengthTexts(texts.steel, texts.weld);
        ShowColdFormedControls(false);
    } else {
        ShowThickness(false);
        SetStrengthTexts(texts.steel, texts.weld);
        ShowColdFormedControls(true);
        limitBox_->setText(QString::fromStdString(PlateLimitText(kQ235, plateCategory_)));
    }
}

void CDesignValuesDlg::OnGradeChanged() {
    if (Edition2017Mode()) {
        thicknessList_->SetItems(ThicknessEntries2017(gradeList_->SelectedText()));
        electrodeList_->SetItems(ElectrodeEntries2017(gradeList_->SelectedText()));
        Show2017Texts();
        return;
    }
    const int grade = SelectedGrade();
    if (Code() == kDesignCodeGB50017) {
        thicknessList_->SetItems(ThicknessEntries(grade));
    } else {
        limitBox_->setText(QString::fromStdString(PlateLimitText(grade, plateCategory_)));
    }
    const StrengthTexts texts = TextsOnGradeChange(Code(), grade);
    SetStrengthTexts(texts.steel, texts.weld);
}

void CDesignValuesDlg::OnElectrodeChanged() {
    Show2017Texts();
}

void CDesignValuesDlg::OnThicknessChanged() {
    if (Edition2017Mode()) {
        Show2017Texts();
        return;
    }
    const StrengthTexts texts = TextsOnThicknessChange(SelectedGrade(), band_);
    SetStrengthTexts(texts.steel, texts.weld);
}

void CDesignValuesDlg::OnSpotWeldPlateChanged() {
    nvsBox_->setText(QString::fromStdString(SpotWeldText(spotWeldPlate_)));
}

void CDesignValuesDlg::OnPlateCategoryChanged() {
    limitBox_->setText(QString::fromStdString(PlateLimitText(SelectedGrade(), plateCategory_)));
}

QDialog* MakeDesignValuesDialog(QWidget* parent) {
    return new CDesignValuesDlg(parent);
}

} // namespace ferrolab
