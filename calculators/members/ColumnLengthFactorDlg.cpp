#include "calculators/members/ColumnLengthFactorDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "calculators/members/ColumnLengthFactor.h"
#include "calculators/properties/SelectSectionDlg.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

// The upper column's list: one plain text item per property, edited in place.
const char* const kUpperColumnItems[] = {"编号",   "翼缘宽", "翼缘厚", "腹板宽",
                                         "腹板厚", "EI",     "长度"};

// The presets of a value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(ColumnLengthFactorDescription().Field(field).presets);
}

// The column in its storey, buckling without and with sway of the frame.
const char* const kFramePictures[] = {":/pictures/column_length_nosway.svg",
                                      ":/pictures/column_length_sway.svg"};

QGroupBox* MemberGroup(const char* title, const char* name, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

} // namespace

CColumnLengthFactorDlg::CColumnLengthFactorDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("columnLengthFactorDlg"));
    setWindowTitle(QString::fromUtf8(kColumnLengthFactorCaption));
    BuildControls();
    OnInitDialog();
}

void CColumnLengthFactorDlg::BuildControls() {
    // The column above: "...." opens the section selection, the list beside it.
    QGroupBox* upper = MemberGroup("上柱截面", "upperColumnGroup", this);
    auto* select = new QPushButton(QStringLiteral("...."), upper);
    select->setObjectName(QStringLiteral("selectSectionButton"));
    select->setAutoDefault(false);
    select->setFixedWidth(48);
    upperList_ = new QListWidget(upper);
    upperList_->setObjectName(QStringLiteral("upperColumnList"));
    upperList_->setViewMode(QListView::IconMode);
    upperList_->setFlow(QListView::LeftToRight);
    upperList_->setWrapping(false);
    upperList_->setMovement(QListView::Static);
    upperList_->setSelectionMode(QAbstractItemView::SingleSelection);
    upperList_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::SelectedClicked);
    upperList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    upperList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    upperList_->setSpacing(6);
    upperList_->setFixedHeight(44);
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->addWidget(select, 0, Qt::AlignVCenter);
    upperLayout->addWidget(upperList_, 1);

    QGroupBox* leftBeam = MemberGroup("左梁截面", "leftBeamGroup", this);
    QGroupBox* rightBeam = MemberGroup("右梁截面", "rightBeamGroup", this);
    QGroupBox* lower = MemberGroup("下柱截面", "lowerColumnGroup", this);
    leftBeam->setMinimumWidth(120);
    rightBeam->setMinimumWidth(120);
    lower->setMinimumHeight(60);

    // The framed rectangle between the beams: μ of the column.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("lengthFactorFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    k1Box_ = new ValueCombo(QStringLiteral("k1"), Presets("K1"), &k1_, frame);
    k2Box_ = new ValueCombo(QStringLiteral("k2"), Presets("K2"), &k2_, frame);
    frameGroup_ = new RadioGroup(QStringLiteral("框架类型"), QStringLiteral("frame"),
                                 Items(ColumnLengthFactorDescription().Field("frame").allowed),
                                 &frame_, frame, Qt::Horizontal);
    // The two buttons at their own width, side by side.
    static_cast<QBoxLayout*>(frameGroup_->layout())->addStretch(1);
    QPushButton* compute = MakeComputeButton(frame);
    report_ = new ReportBox(frame);
    report_->setMinimumHeight(130);
    editionList_ =
        MakeEditionList(ColumnLengthFactorDescription().Field("edition"), &edition_, frame);
    auto* ratios = new QGridLayout;
    AddGridRow(ratios, 0, "规范版本:", editionList_);
    AddGridRow(ratios, 1, "柱上端线刚度比 K1:", k1Box_);
    AddGridRow(ratios, 2, "柱下端线刚度比 K2:", k2Box_);
    ratios->addWidget(compute, 1, 2, 2, 1);
    picture_ = new CBitmapPreview(frame);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setFixedSize(110, 132);
    auto* inputs = new QVBoxLayout;
    inputs->addLayout(ratios);
    inputs->addWidget(frameGroup_);
    auto* upperPart = new QHBoxLayout;
    upperPart->addWidget(picture_);
    upperPart->addLayout(inputs, 1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(upperPart);
    frameLayout->addWidget(report_, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* centre = new QVBoxLayout;
    centre->addWidget(frame, 1);
    centre->addLayout(buttons);
    auto* middle = new QHBoxLayout;
    middle->addWidget(leftBeam);
    middle->addLayout(centre, 1);
    middle->addWidget(rightBeam);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(upper);
    layout->addLayout(middle, 1);
    layout->addWidget(lower);
    resize(720, 560);

    connect(select, &QPushButton::clicked, this, &CColumnLengthFactorDlg::OnSelectSection);
    connect(frameGroup_, &RadioGroup::chosen, this,
            [this](int kind) { picture_->SetPicture(QString::fromLatin1(kFramePictures[kind])); });
    connect(compute, &QPushButton::clicked, this, &CColumnLengthFactorDlg::OnCompute);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CColumnLengthFactorDlg::OnInitDialog() {
    for (const char* text : kUpperColumnItems) {
        auto* item = new QListWidgetItem(QString::fromUtf8(text), upperList_);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setTextAlignment(Qt::AlignCenter);
    }
    k1Box_->SelectFirst();
    k2Box_->SelectFirst();
    frameGroup_->CheckFromMember();
    picture_->SetPicture(QString::fromLatin1(kFramePictures[frame_]));
}

void CColumnLengthFactorDlg::OnSelectSection() {
    // The choice is only shown; nothing of it is read back.
    CSelectSectionDlg dialog(this);
    dialog.exec();
}

void CColumnLengthFactorDlg::OnCompute() {
    ColumnLengthFactorInput in;
    in.k1 = k1_;
    in.k2 = k2_;
    in.kind = static_cast<FrameKind>(frame_);
    in.edition = editionList_->Year();
    const ColumnLengthFactorResult result = ComputeColumnLengthFactor(in);
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeColumnLengthFactorDialog(QWidget* parent) {
    return new CColumnLengthFactorDlg(parent);
}

} // namespace ferrolab
