#include "calculators/connections/FilletWeldMNVDlg.h"

#include "calculators/CalculatorDialogs.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/connections/FilletWeldMNV.h"
#include "calculators/connections/WeldDialogFrame.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

const std::vector<const char*> kB1Presets = {"100.00", "200.00", "210.00", "220.00", "230.00"};
const std::vector<const char*> kT1Presets = {"16.00", "17.00", "18.00", "19.00"};
const std::vector<const char*> kH0Presets = {"1100.00", "1200.00", "1300.00", "1400.00"};
const std::vector<const char*> kTwPresets = {"10.00", "11.00",  "12.00",
                                             "13.00", "100.00", "200.00"};
const std::vector<const char*> kB2Presets = {"50.00",  "100.00", "350.00",
                                             "360.00", "370.00", "380.00"};
const std::vector<const char*> kT2Presets = {"10.00", "16.00", "17.00", "18.00", "19.00"};
const std::vector<const char*> kHfPresets = {"6.00", "7.00", "8.00", "10.00", "12.00", "20.00"};
const std::vector<const char*> kFPresets = {"100.00", "150.00", "200.00", "250.00"};
const std::vector<const char*> kEPresets = {"200.00", "400.00", "500.00", "600.00"};
const std::vector<const char*> kMethods = {"E43**手工焊"};
const std::vector<const char*> kGrades = {"Q235", "Q345", "Q390", "Q420"};

} // namespace

CFilletWeldMNVDlg::CFilletWeldMNVDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("filletWeldMnvDlg"));
    setWindowTitle(QString::fromUtf8(kFilletWeldMnvCaption));
    BuildControls();
    OnInitDialog();
}

void CFilletWeldMNVDlg::BuildControls() {
    auto* data = new QGroupBox(QStringLiteral("原始数据(mm)"), this);
    data->setObjectName(QStringLiteral("dataGroup"));
    auto* grid = new QGridLayout(data);
    int row = 0;
    auto add = [&](QGridLayout* layout, const char* label, ValueCombo* box) {
        AddGridRow(layout, row++, label, box);
        return box;
    };
    b1Box_ = add(grid, "上翼缘宽度 b1:", new ValueCombo("b1", kB1Presets, &b1_, data));
    t1Box_ = add(grid, "上翼缘厚度 t1:", new ValueCombo("t1", kT1Presets, &t1_, data));
    h0Box_ = add(grid, "腹板净高度 h0:", new ValueCombo("h0", kH0Presets, &h0_, data));
    twBox_ = add(grid, "腹板厚度  tw:", new ValueCombo("tw", kTwPresets, &tw_, data));
    b2Box_ = add(grid, "下翼缘宽度 b2:", new ValueCombo("b2", kB2Presets, &b2_, data));
    t2Box_ = add(grid, "下翼缘厚度 t2:", new ValueCombo("t2", kT2Presets, &t2_, data));
    hfBox_ = add(grid, "焊脚尺寸 hf:", new ValueCombo("hf", kHfPresets, &hf_, data));

    auto* loads = new QGridLayout;
    row = 0;
    fBox_ = add(loads, "F(kN):", new ValueCombo("F", kFPresets, &f_, this));
    eBox_ = add(loads, "e(mm):", new ValueCombo("e", kEPresets, &e_, this));
    methodList_ = new ChoiceList(QStringLiteral("method"), kMethods, &method_, this);
    gradeList_ = new ChoiceList(QStringLiteral("grade"), kGrades, &grade_, this);
    AddGridRow(loads, row++, "焊接方法及焊条:", methodList_);
    AddGridRow(loads, row++, "钢号:", gradeList_);

    auto* left = new QVBoxLayout;
    left->addWidget(data);
    left->addLayout(loads);
    const WeldDialogFrame frame = LayOutWeldDialog(this, left, 190);
    picture_ = frame.picture;
    report_ = frame.report;
    connect(frame.compute, &QPushButton::clicked, this, &CFilletWeldMNVDlg::OnCompute);
}

void CFilletWeldMNVDlg::OnInitDialog() {
    // Every list opens on its first preset, so the first "计算" works a real case.
    for (ValueCombo* box : {b1Box_, t1Box_, h0Box_, twBox_, b2Box_, t2Box_, hfBox_, fBox_, eBox_}) {
        box->SelectFirst();
    }
    methodList_->Select(0);
    gradeList_->Select(0);
    picture_->SetPicture(QStringLiteral(":/pictures/fillet_weld_mnv.svg"));
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
    const FilletWeldMnvResult result = ComputeFilletWeldMnv(in);
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeFilletWeldMNVDialog(QWidget* parent) {
    return new CFilletWeldMNVDlg(parent);
}

} // namespace ferrolab
