#include "calculators/joints/ColumnBaseDlg.h"

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
#include <QSignalBlocker>

#include <cmath>

#include "calculators/EditionRow.h"
#include "calculators/joints/JointDialog.h"
#include "engine/Format.h"
#include "engine/TextToNumber.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

std::vector<const char*> Presets(const char* field) {
    return PresetsOf(ColumnBaseDescription(), field);
}

std::vector<const char*> Choices(const char* field) {
    return ChoicesOf(ColumnBaseDescription(), field);
}

// The section opened on: the pinned base's channel 槽18b.
constexpr int kOpeningChannel = 10;

const char* const kPinnedPicture = ":/pictures/column_base_pinned.svg";
const char* const kFixedPicture = ":/pictures/column_base_fixed.svg";
const char* const kFullCompressionPicture = ":/pictures/column_base_fixed_full.svg";
const char* const kPartialCompressionPicture = ":/pictures/column_base_fixed_partial.svg";

QLabel* Label(const char* text, QWidget* parent, int width = 0) {
    QLabel* label = MakeLabel(text, parent);
    if (width > 0) {
        label->setMinimumWidth(width);
    }
    return label;
}

// One labelled input with its unit, as a widget so that it shows and hides as a whole.
QWidget* Row(const char* name, const char* label, QWidget* field, const char* unit,
             QWidget* parent) {
    auto* row = new QWidget(parent);
    row->setObjectName(QString::fromUtf8(name));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label(label, row, 96));
    field->setParent(row);
    layout->addWidget(field, 1);
    layout->addWidget(Label(unit, row, 30));
    return row;
}

} // namespace

CColumnBaseDlg::CColumnBaseDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("columnBaseDlg"));
    setWindowTitle(QString::fromUtf8(kColumnBaseCaption));
    BuildControls();
    OnInitDialog();
}

void CColumnBaseDlg::BuildControls() {
    editionList_ = MakeEditionList(ColumnBaseDescription().Field("edition"), &editionIndex_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);

    // 柱截面参数
    auto* column = new QGroupBox(QStringLiteral("柱截面参数"), this);
    baseTypeList_ =
        new ChoiceList(QStringLiteral("baseType"), Choices("base-type"), &baseType_, column);
    formList_ = new ChoiceList(QStringLiteral("form"), {}, &form_, column);
    sectionList_ = new ChoiceList(QStringLiteral("section"), {}, &section_, column);
    properties_ = new ReportBox(column, QStringLiteral("properties"));
    properties_->setMinimumHeight(190);
    l1List_ = new ChoiceList(QStringLiteral("l1"), Choices("l1"), &l1Index_, column);
    l1Row_ = Row("l1Row", "腹板外壁相距l1:", l1List_, "mm", column);
    a1Box_ = MakeResultBox("a1", column);
    hBox_ = MakeResultBox("H", column);
    hRow_ = Row("hRow", "H:", hBox_, "mm", column);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->addWidget(Row("baseTypeRow", "柱脚类型:", baseTypeList_, "", column));
    columnLayout->addWidget(Row("formRow", "柱子形式:", formList_, "", column));
    columnLayout->addWidget(Row("sectionRow", "型号:", sectionList_, "", column));
    columnLayout->addWidget(properties_);
    columnLayout->addWidget(l1Row_);
    columnLayout->addWidget(Row("a1Row", "a1:", a1Box_, "mm", column));
    columnLayout->addWidget(hRow_);

    // 柱子内力: the axial force with its direction, the moment of the fixed base.
    auto* forces = new QGroupBox(QStringLiteral("柱子内力"), this);
    auto* axial = new QGroupBox(QStringLiteral("轴力"), forces);
    nBox_ = new ValueCombo(QStringLiteral("N"), Presets("N"), &n_, axial);
    pressButton_ = new QRadioButton(QStringLiteral("下压"), axial);
    pressButton_->setObjectName(QStringLiteral("press"));
    upliftButton_ = new QRadioButton(QStringLiteral("上拔"), axial);
    upliftButton_->setObjectName(QStringLiteral("uplift"));
    auto* direction = new QButtonGroup(this); // one of the two, the other cleared
    direction->addButton(pressButton_, 0);
    direction->addButton(upliftButton_, 1);
    auto* axialLayout = new QHBoxLayout(axial);
    axialLayout->addWidget(nBox_, 1);
    axialLayout->addWidget(Label("kN", axial));
    axialLayout->addWidget(pressButton_);
    axialLayout->addWidget(upliftButton_);
    mBox_ = new ValueCombo(QStringLiteral("M"), Presets("M"), &m_, forces);
    momentRow_ = Row("momentRow", "与靴梁平行的弯矩:", mBox_, "kN*m", forces);
    auto* forcesLayout = new QVBoxLayout(forces);
    forcesLayout->addWidget(axial);
    forcesLayout->addWidget(momentRow_);

    // 底板参数
    auto* plate = new QGroupBox(QStringLiteral("底板参数"), this);
    tpBox_ = new ValueCombo(QStringLiteral("tp"), Presets("tp"), &tp_, plate);
    cBox_ = new ValueCombo(QStringLiteral("c"), Presets("c"), &c_, plate);
    b1Box_ = new ValueCombo(QStringLiteral("b1"), Presets("b1"), &b1_, plate);
    a0Box_ = new ValueCombo(QStringLiteral("a0"), Presets("a0"), &a0_, plate);
    lBox_ = MakeResultBox("L", plate);
    bBox_ = MakeResultBox("B", plate);
    auto* plateLayout = new QVBoxLayout(plate);
    plateLayout->addWidget(Row("tpRow", "厚度tp:", tpBox_, "mm", plate));
    plateLayout->addWidget(Row("cRow", "c:", cBox_, "mm", plate));
    plateLayout->addWidget(Row("b1Row", "b1:", b1Box_, "mm", plate));
    plateLayout->addWidget(Row("a0Row", "a0:", a0Box_, "mm", plate));
    plateLayout->addWidget(Row("lRow", "L:", lBox_, "mm", plate));
    plateLayout->addWidget(Row("bRow", "B:", bBox_, "mm", plate));

    // 靴梁参数
    auto* shoe = new QGroupBox(QStringLiteral("靴梁参数"), this);
    shoeHeightBox_ =
        new ValueCombo(QStringLiteral("shoeHeight"), Presets("shoe-height"), &shoeHeight_, shoe);
    tsBox_ = new ValueCombo(QStringLiteral("ts"), Presets("ts"), &ts_, shoe);
    auto* shoeLayout = new QVBoxLayout(shoe);
    shoeLayout->addWidget(Row("shoeHeightRow", "靴梁高度:", shoeHeightBox_, "mm", shoe));
    shoeLayout->addWidget(Row("tsRow", "靴梁厚度ts:", tsBox_, "mm", shoe));

    // 材料等级
    auto* materials = new QGroupBox(QStringLiteral("材料等级"), this);
    plateGradeList_ = new ChoiceList(QStringLiteral("plateGrade"), Choices("plate-grade"),
                                     &plateGrade_, materials);
    concreteList_ = new ChoiceList(QStringLiteral("concrete"), Items(ConcreteEntries(kSteel2003)),
                                   &concrete_, materials);
    auto* materialsLayout = new QVBoxLayout(materials);
    materialsLayout->addWidget(Row("plateGradeRow", "钢材钢号:", plateGradeList_, "", materials));
    materialsLayout->addWidget(Row("concreteRow", "混凝土等级:", concreteList_, "", materials));

    // 锚栓参数
    auto* anchors = new QGroupBox(QStringLiteral("锚栓参数"), this);
    anchorGradeList_ =
        new ChoiceList(QStringLiteral("anchorGrade"), Items(AnchorGradeEntries(kSteel2003)),
                       &anchorGrade_, anchors);
    anchorDList_ =
        new ChoiceList(QStringLiteral("anchorD"), Choices("anchor-d"), &anchorD_, anchors);
    holesBox_ = new ValueCombo(QStringLiteral("holes"), Presets("holes"), &holes_, anchors);
    holesRow_ = Row("holesRow", "锚栓孔总面积:", holesBox_, "mm2", anchors);
    auto* anchorsLayout = new QVBoxLayout(anchors);
    anchorsLayout->addWidget(Row("anchorGradeRow", "锚拴钢号:", anchorGradeList_, "", anchors));
    anchorsLayout->addWidget(Row("anchorDRow", "锚拴直径:", anchorDList_, "mm", anchors));
    anchorsLayout->addWidget(holesRow_);

    computeButton_ = MakeComputeButton(this);
    picture_ = MakePicture(this, 320, 260);
    report_ = MakeReportBox(this, 320, 240);

    auto* left = new QVBoxLayout;
    left->addWidget(column);
    left->addWidget(forces);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(plate);
    middle->addWidget(shoe);
    middle->addWidget(materials);
    middle->addWidget(anchors);
    middle->addStretch(1);
    middle->addWidget(computeButton_);
    auto* right = new QVBoxLayout;
    right->addWidget(picture_, 1);
    right->addWidget(report_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(columns, 1);

    connect(editionList_, &ChoiceList::chosen, this, &CColumnBaseDlg::OnEditionChosen);
    connect(baseTypeList_, &ChoiceList::chosen, this, &CColumnBaseDlg::OnBaseTypePicked);
    connect(formList_, &ChoiceList::chosen, this, &CColumnBaseDlg::OnFormPicked);
    connect(sectionList_, &ChoiceList::chosen, this, &CColumnBaseDlg::OnSectionPicked);
    connect(anchorDList_, &ChoiceList::chosen, this, &CColumnBaseDlg::OnAnchorPicked);
    connect(l1List_, &ChoiceList::chosen, this, [this] {
        l1_ = TextToDouble(l1List_->SelectedText());
        UpdateL();
    });
    for (ValueCombo* box : {tsBox_, cBox_}) {
        connect(box, &ValueCombo::typed, this, &CColumnBaseDlg::UpdateB);
        connect(box, &ValueCombo::chosen, this, &CColumnBaseDlg::UpdateB);
    }
    for (ValueCombo* box : {b1Box_, a0Box_}) {
        connect(box, &ValueCombo::typed, this, &CColumnBaseDlg::UpdateL);
        connect(box, &ValueCombo::chosen, this, &CColumnBaseDlg::UpdateL);
    }
    connect(computeButton_, &QPushButton::clicked, this, &CColumnBaseDlg::OnCompute);
}

void CColumnBaseDlg::OnInitDialog() {
    for (ValueCombo* box :
         {nBox_, mBox_, tpBox_, cBox_, b1Box_, a0Box_, shoeHeightBox_, tsBox_, holesBox_}) {
        box->SelectFirst();
    }
    for (ChoiceList* list : {plateGradeList_, concreteList_, anchorGradeList_, anchorDList_}) {
        list->Select(0);
    }
    l1List_->Select(0);
    l1_ = TextToDouble(l1List_->SelectedText());
    pressButton_->setChecked(true);
    upliftButton_->setEnabled(false); // bases under uplift are not designed here
    // The pinned base, with 槽18b chosen but not yet looked up: "计算" waits for a pick.
    baseTypeList_->Select(kPinnedBase);
    formList_->SetItems(ColumnFormEntries(kPinnedBase));
    sectionList_->SetItems(ColumnFormSections(formList_->SelectedText()));
    sectionList_->Select(kOpeningChannel);
    hRow_->hide();
    a0Box_->setEnabled(false);
    momentRow_->hide();
    computeButton_->setEnabled(false);
    picture_->SetPicture(QString::fromUtf8(kPinnedPicture));
    // A dialog opening on the 2017 edition takes its lists.
    OnEditionChosen();
}

int CColumnBaseDlg::edition() const {
    return editionList_->Year();
}

void CColumnBaseDlg::OnEditionChosen() {
    const int year = edition();
    auto refill = [](ChoiceList* list, const std::vector<std::string>& entries) {
        const std::string kept = list->SelectedText();
        list->SetItems(entries);
        const int index = IndexOf(entries, kept);
        list->Select(index < 0 ? 0 : index);
    };
    refill(concreteList_, ConcreteEntries(year));
    refill(anchorGradeList_, AnchorGradeEntries(year));
}

void CColumnBaseDlg::OnBaseTypePicked() {
    computeButton_->setEnabled(false);
    report_->SetReport("");
    properties_->SetReport("");
    const bool pinned = baseType_ == kPinnedBase;
    picture_->SetPicture(QString::fromUtf8(pinned ? kPinnedPicture : kFixedPicture));
    hRow_->setVisible(!pinned);
    a0Box_->setEnabled(!pinned);
    l1Row_->setVisible(pinned);
    momentRow_->setVisible(!pinned);
    holesRow_->setVisible(pinned);
    formList_->SetItems(ColumnFormEntries(baseType_));
    sectionList_->SetItems(ColumnFormSections(formList_->SelectedText()));
    // No section of the new type is looked up yet: its fields are empty, as at opening.
    a1_ = 0;
    h_ = 0;
    for (QLineEdit* field : {a1Box_, hBox_, bBox_, lBox_}) {
        field->clear();
    }
}

void CColumnBaseDlg::OnFormPicked() {
    sectionList_->SetItems(ColumnFormSections(formList_->SelectedText()));
    OnSectionPicked();
}

void CColumnBaseDlg::OnSectionPicked() {
    computeButton_->setEnabled(true);
    const std::optional<ColumnSection> section = LookUpColumnSection(sectionList_->SelectedText());
    if (!section) {
        return;
    }
    properties_->SetReport(section->properties);
    a1_ = section->a1;
    a1Box_->setText(QString::fromStdString(Fmt2(a1_)));
    if (!section->channel) {
        h_ = section->h;
        hBox_->setText(QString::fromStdString(Fmt2(h_)));
    }
    UpdateB();
    UpdateL();
}

void CColumnBaseDlg::OnAnchorPicked() {
    const int d = AnchorDiameterOf(anchorDList_->SelectedText());
    {
        const QSignalBlocker blocker(cBox_);
        cBox_->insertItem(0, QString::fromStdString(AnchorOutstandText(d)));
        cBox_->setCurrentIndex(0);
    }
    cBox_->SetValueText(cBox_->itemText(0));
    {
        const QSignalBlocker blocker(holesBox_);
        holesBox_->insertItem(0, QString::fromStdString(Fmt2(AnchorHoleArea(d))));
        holesBox_->setCurrentIndex(0);
    }
    holesBox_->SetValueText(holesBox_->itemText(0));
    UpdateB();
}

namespace {

// A plate dimension as its read-only field shows it; one too large for a number stays blank,
// which "计算" refuses like any plate without size.
QString PlateFieldText(double value) {
    return std::isfinite(value) ? QString::fromStdString(Fmt2(value)) : QString();
}

} // namespace

void CColumnBaseDlg::UpdateB() {
    bBox_->setText(PlateFieldText(PlateWidth(a1_, ts_, c_)));
}

void CColumnBaseDlg::UpdateL() {
    lBox_->setText(PlateFieldText(PlateLength(baseType_, l1_, b1_, h_, a0_)));
}

void CColumnBaseDlg::OnCompute() {
    ColumnBaseInput in;
    in.baseType = baseType_;
    in.section = sectionList_->SelectedText();
    in.n = n_;
    in.m = m_;
    in.l1 = l1_;
    in.b1 = b1_;
    in.c = c_;
    in.a0 = a0_;
    in.ts = ts_;
    in.bText = bBox_->text().toStdString();
    in.lText = lBox_->text().toStdString();
    in.holesText = holesBox_->currentText().toStdString();
    in.concrete = concreteList_->SelectedText();
    in.anchorGrade = anchorGradeList_->SelectedText();
    in.anchorD = anchorDList_->SelectedText();
    in.plateGrade = plateGradeList_->SelectedText();
    in.edition = edition();
    const ColumnBaseResult result = ComputeColumnBase(in);
    if (result.stressCase == StressCase::FullCompression) {
        picture_->SetPicture(QString::fromUtf8(kFullCompressionPicture));
    } else if (result.stressCase == StressCase::PartialCompression) {
        picture_->SetPicture(QString::fromUtf8(kPartialCompressionPicture));
    }
    if (result.thickness) {
        tpBox_->SetValueText(*result.thickness);
    }
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeColumnBaseDialog(QWidget* parent) {
    return new CColumnBaseDlg(parent);
}

} // namespace ferrolab
