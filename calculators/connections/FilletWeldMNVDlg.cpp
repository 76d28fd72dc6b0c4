#include "calculators/connections/FilletWeldMNVDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <algorithm>

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/connections/FilletWeldMNV.h"
#include "calculators/connections/WeldDialogFrame.h"
#include "engine/Welds2017.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/EditionList.h"

namespace ferrolab {
namespace {

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(FilletWeldMnvDescription().Field(field).presets);
}

} // namespace

CFilletWeldMNVDlg::CFilletWeldMNVDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("filletWeldMnvDlg"));
    setWindowTitle(QString::fromUtf8(kFilletWeldMnvCaption));
    BuildControls();
    OnInitDialog();
}

void CFilletWeldMNVDlg::BuildControls() {
    editionList_ = MakeEditionList(FilletWeldMnvDescription().Field("edition"), &edition_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this, true);

    auto* data = new QGroupBox(QStringLiteral("原始数据(mm)"), this);
    data->setObjectName(QStringLiteral("dataGroup"));
    auto* grid = new QGridLayout(data);
    int row = 0;
    auto add = [&](QGridLayout* layout, const char* label, ValueCombo* box) {
        AddGridRow(layout, row++, label, box);
        return box;
    };
    b1Box_ = add(grid, "上翼缘宽度 b1:", new ValueCombo("b1", Presets("b1"), &b1_, data));
    t1Box_ = add(grid, "上翼缘厚度 t1:", new ValueCombo("t1", Presets("t1"), &t1_, data));
    h0Box_ = add(grid, "腹板净高度 h0:", new ValueCombo("h0", Presets("h0"), &h0_, data));
    twBox_ = add(grid, "腹板厚度  tw:", new ValueCombo("tw", Presets("tw"), &tw_, data));
    b2Box_ = add(grid, "下翼缘宽度 b2:", new ValueCombo("b2", Presets("b2"), &b2_, data));
    t2Box_ = add(grid, "下翼缘厚度 t2:", new ValueCombo("t2", Presets("t2"), &t2_, data));
    hfBox_ = add(grid, "焊脚尺寸 hf:", new ValueCombo("hf", Presets("hf"), &hf_, data));

    auto* loads = new QGridLayout;
    row = 0;
    fBox_ = add(loads, "F(kN):", new ValueCombo("F", Presets("F"), &f_, this));
    eBox_ = add(loads, "e(mm):", new ValueCombo("e", Presets("e"), &e_, this));
    methodList_ = new ChoiceList(QStringLiteral("method"), {}, &method_, this);
    gradeList_ = new ChoiceList(QStringLiteral("grade"), {}, &grade_, this);
    AddGridRow(loads, row++, "焊接方法及焊条:", methodList_);
    AddGridRow(loads, row++, "钢号:", gradeList_);

    auto* left = new QVBoxLayout;
    left->addLayout(editionRow);
    left->addWidget(data);
    left->addLayout(loads);
    const WeldDialogFrame frame = LayOutWeldDialog(this, left, 190);
    picture_ = frame.picture;
    report_ = frame.report;
    connect(frame.compute, &QPushButton::clicked, this, &CFilletWeldMNVDlg::OnCompute);
    connect(editionList_, &ChoiceList::chosen, this, &CFilletWeldMNVDlg::OnEditionChanged);
    connect(gradeList_, &ChoiceList::chosen, this, &CFilletWeldMNVDlg::OnGradeChanged);
}

void CFilletWeldMNVDlg::OnInitDialog() {
    // Every list opens on its first preset, so the first "计算" works a real case.
    for (ValueCombo* box : {b1Box_, t1Box_, h0Box_, twBox_, b2Box_, t2Box_, hfBox_, fBox_, eBox_}) {
        box->SelectFirst();
    }
    // The grades and welding methods of the edition the edition list opens on.
    gradeList_->SetItems(FilletWeldGradeEntries(editionList_->Year()));
    OnGradeChanged();
    picture_->SetPicture(QStringLiteral(":/pictures/fillet_weld_mnv.svg"));
}

void CFilletWeldMNVDlg::OnEditionChanged() {
    const std::string grade = gradeList_->SelectedText();
    const std::vector<std::string> grades = FilletWeldGradeEntries(editionList_->Year());
    gradeList_->SetItems(grades);
    gradeList_->Select(std::max(IndexOf(grades, grade), 0));
    OnGradeChanged();
}

void CFilletWeldMNVDlg::OnGradeChanged() {
    methodList_->SetItems(WeldingMethodEntries(editionList_->Year(), gradeList_->SelectedText()));
}

void CFilletWeldMNVDlg::OnCompute() {
    FilletWeldMnvInput in;
    in.b1 = b1_;
    in.t1 = t1_;
    in.h0 = h0_;
    in.tw = tw_;
    in.b2 = b2_;
    in.t2 = t2_;
    in.hf = hf_;
    in.f = f_;
    in.e = e_;
    in.grade = gradeList_->SelectedText();
    in.edition = editionList_->Year();
    if (in.edition == kSteel2017) {
        in.electrode = std::string(ElectrodeOfEntry(methodList_->SelectedText()));
    }
    const FilletWeldMnvResult result = ComputeFilletWeldMnv(in);
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeFilletWeldMNVDialog(QWidget* parent) {
    return new CFilletWeldMNVDlg(parent);
}

} // namespace ferrolab
