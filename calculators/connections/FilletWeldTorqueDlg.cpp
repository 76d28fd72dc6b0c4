#include "calculators/connections/FilletWeldTorqueDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <algorithm>

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>
#include <utility>

#include "calculators/connections/FilletWeldTorque.h"
#include "calculators/connections/WeldDialogFrame.h"
#include "engine/Welds2017.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/EditionList.h"

namespace ferrolab {
namespace {

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(FilletWeldTorqueDescription().Field(field).presets);
}

} // namespace

CFilletWeldTorqueDlg::CFilletWeldTorqueDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("filletWeldTorqueDlg"));
    setWindowTitle(QString::fromUtf8(kFilletWeldTorqueCaption));
    BuildControls();
    OnInitDialog();
}

void CFilletWeldTorqueDlg::BuildControls() {
    editionList_ = MakeEditionList(FilletWeldTorqueDescription().Field("edition"), &edition_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this, true);

    auto* sizes = new QGroupBox(QStringLiteral("基本尺寸(mm)"), this);
    sizes->setObjectName(QStringLiteral("sizeGroup"));
    bBox_ = new ValueCombo(QStringLiteral("b"), Presets("b"), &b_, sizes);
    hBox_ = new ValueCombo(QStringLiteral("h"), Presets("h"), &h_, sizes);
    xBox_ = MakeResultBox("x", sizes);
    eBox_ = new ValueCombo(QStringLiteral("e"), Presets("e"), &e_, sizes);
    hfBox_ = new ValueCombo(QStringLiteral("hf"), Presets("hf"), &hf_, sizes);
    auto* sizeGrid = new QGridLayout(sizes);
    int row = 0;
    for (auto [text, box] : {std::pair<const char*, QWidget*>{"b:", bBox_},
                             {"h:", hBox_},
                             {"x:", xBox_},
                             {"e:", eBox_},
                             {"hf:", hfBox_}}) {
        AddGridRow(sizeGrid, row++, text, box);
    }

    auto* forces = new QGroupBox(QStringLiteral("外力"), this);
    forces->setObjectName(QStringLiteral("forceGroup"));
    fxBox_ = new ValueCombo(QStringLiteral("Fx"), Presets("Fx"), &fx_, forces);
    fyBox_ = new ValueCombo(QStringLiteral("Fy"), Presets("Fy"), &fy_, forces);
    tBox_ = MakeResultBox("T", forces);
    auto* forceGrid = new QGridLayout(forces);
    row = 0;
    for (auto [text, box, unit] :
         {std::tuple<const char*, QWidget*, const char*>{"Fx:", fxBox_, "kN"},
          {"Fy:", fyBox_, "kN"},
          {"T:", tBox_, "kN*m"}}) {
        AddGridRow(forceGrid, row++, text, box, unit);
    }

    betaBox_ = new ValueCombo(QStringLiteral("beta"), Presets("beta"), &beta_, this);
    auto* betaRow = new QHBoxLayout;
    betaRow->addWidget(MakeLabel("β:", this));
    betaRow->addWidget(betaBox_, 1);

    strengthRows_ = new QWidget(this);
    strengthRows_->setObjectName(QStringLiteral("strengthRows"));
    gradeList_ = new ChoiceList(QStringLiteral("grade"), {}, &grade_, strengthRows_);
    methodList_ = new ChoiceList(QStringLiteral("method"), {}, &method_, strengthRows_);
    auto* strengthGrid = new QGridLayout(strengthRows_);
    strengthGrid->setContentsMargins(0, 0, 0, 0);
    AddGridRow(strengthGrid, 0, "钢号:", gradeList_);
    AddGridRow(strengthGrid, 1, "焊接方法及焊条:", methodList_);

    auto* left = new QVBoxLayout;
    left->addLayout(editionRow);
    left->addWidget(sizes);
    left->addWidget(forces);
    left->addLayout(betaRow);
    left->addWidget(strengthRows_);
    const WeldDialogFrame frame = LayOutWeldDialog(this, left, 180);
    picture_ = frame.picture;
    report_ = frame.report;
    connect(frame.compute, &QPushButton::clicked, this, &CFilletWeldTorqueDlg::OnCompute);
    connect(editionList_, &ChoiceList::chosen, this, &CFilletWeldTorqueDlg::OnEditionChanged);
    connect(gradeList_, &ChoiceList::chosen, this, &CFilletWeldTorqueDlg::OnGradeChanged);
}

void CFilletWeldTorqueDlg::OnInitDialog() {
    // Every list opens on its first preset, so the first "计算" works a real case.
    for (ValueCombo* box : {bBox_, hBox_, eBox_, hfBox_, fxBox_, fyBox_, betaBox_}) {
        box->SelectFirst();
    }
    gradeList_->SetItems(FilletWeldGradeEntries(editionList_->Year()));
    OnGradeChanged();
    OnEditionChanged();
    picture_->SetPicture(QStringLiteral(":/pictures/fillet_weld_torque.svg"));
}

void CFilletWeldTorqueDlg::OnEditionChanged() {
    // Only GB50017-2017 shows and reads the grade and the welding method; its grades add Q460
    // and Q345GJ, the grade kept where the new list holds it.
    strengthRows_->setVisible(editionList_->Year() == kSteel2017);
    const std::string grade = gradeList_->SelectedText();
    const std::vector<std::string> grades = FilletWeldGradeEntries(editionList_->Year());
    if (static_cast<int>(grades.size()) != gradeList_->count()) {
        gradeList_->SetItems(grades);
        gradeList_->Select(std::max(IndexOf(grades, grade), 0));
        OnGradeChanged();
    }
}

void CFilletWeldTorqueDlg::OnGradeChanged() {
    methodList_->SetItems(WeldingMethodEntries(kSteel2017, gradeList_->SelectedText()));
}

void CFilletWeldTorqueDlg::OnCompute() {
    FilletWeldTorqueInput in;
    in.b = b_;
    in.h = h_;
    in.e = e_;
    in.hf = hf_;
    in.fx = fx_;
    in.fy = fy_;
    in.beta = beta_;
    in.edition = editionList_->Year();
    in.grade = gradeList_->SelectedText();
    in.electrode = std::string(ElectrodeOfEntry(methodList_->SelectedText()));
    const FilletWeldTorqueResult result = ComputeFilletWeldTorque(in);
    if (result.xText && result.tText) {
        xBox_->setText(QString::fromStdString(*result.xText));
        tBox_->setText(QString::fromStdString(*result.tText));
    }
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeFilletWeldTorqueDialog(QWidget* parent) {
    return new CFilletWeldTorqueDlg(parent);
}

} // namespace ferrolab
