#include "calculators/properties/SelectSectionDlg.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/properties/SelectSection.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

const std::vector<const char*> kB1Presets = {"200.00", "210.00", "220.00", "230.00"};
const std::vector<const char*> kT1Presets = {"16.00", "17.00", "18.00", "19.00"};
const std::vector<const char*> kHwPresets = {"1100.00", "1200.00", "1300.00", "1400.00"};
const std::vector<const char*> kHPresets = {"500.00", "600.00", "700.00", "800.00"};
const std::vector<const char*> kTwPresets = {"10.00", "11.00", "12.00", "13.00"};

// A welded-plate box: its presets, nothing chosen when the dialog opens.
QComboBox* PlateBox(const char* name, const std::vector<const char*>& presets, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    MakeTypedOnly(box);
    for (const char* preset : presets) {
        box->addItem(QString::fromUtf8(preset));
    }
    box->setCurrentIndex(-1);
    box->setMinimumWidth(120);
    return box;
}

} // namespace

CSelectSectionDlg::CSelectSectionDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("selectSectionDlg"));
    setWindowTitle(QString::fromUtf8(kSelectSectionCaption));
    BuildControls();
    OnInitDialog();
}

void CSelectSectionDlg::BuildControls() {
    familyBox_ = new QComboBox(this);
    familyBox_->setObjectName(QStringLiteral("family"));
    MakeTypedOnly(familyBox_);
    for (const char* family : SelectionFamilyEntries()) {
        familyBox_->addItem(QString::fromUtf8(family));
    }
    sectionList_ =
        new ChoiceList(QStringLiteral("section"), Items(SelectionOpeningNames()), &section_, this);

    QComboBox* b1 = PlateBox("b1", kB1Presets, this);
    QComboBox* t1 = PlateBox("t1", kT1Presets, this);
    QComboBox* hw = PlateBox("hw", kHwPresets, this);
    QComboBox* h = PlateBox("h", kHPresets, this);
    h->setEnabled(false);
    QComboBox* tw = PlateBox("tw", kTwPresets, this);
    auto* hwMode = new QRadioButton(QStringLiteral("腹板净高度 Hw:"), this);
    hwMode->setObjectName(QStringLiteral("heightModeHw"));
    hwMode->setChecked(true);
    auto* hMode = new QRadioButton(QStringLiteral("截面总高度 H"), this);
    hMode->setObjectName(QStringLiteral("heightModeH"));
    auto* heightModes = new QButtonGroup(this);
    heightModes->addButton(hwMode, 0);
    heightModes->addButton(hMode, 1);

    auto* plates = new QGridLayout;
    int row = 0;
    auto addRow = [&](QWidget* label, QWidget* box) {
        plates->addWidget(label, row, 0);
        plates->addWidget(box, row, 1);
        ++row;
    };
    addRow(new QLabel(QStringLiteral("翼缘宽度 B1:"), this), b1);
    addRow(new QLabel(QStringLiteral("翼缘厚度 t1:"), this), t1);
    addRow(hwMode, hw);
    addRow(hMode, h);
    addRow(new QLabel(QStringLiteral("腹板厚度  Tw:"), this), tw);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* lists = new QVBoxLayout;
    lists->addWidget(familyBox_);
    lists->addWidget(sectionList_);
    lists->addLayout(plates);
    lists->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    // Only the family list answers a pick; typing into it or any other box changes nothing.
    connect(familyBox_, &QComboBox::activated, this, &CSelectSectionDlg::OnFamilyChosen);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CSelectSectionDlg::OnInitDialog() {
    familyBox_->setCurrentIndex(0);
    sectionList_->Select(0);
}

void CSelectSectionDlg::OnFamilyChosen(int index) {
    const std::string family = familyBox_->itemText(index).toStdString();
    if (const std::optional<NameList> names = SelectionSeriesNames(family)) {
        sectionList_->SetItems(Items(*names));
    }
}

} // namespace ferrolab
