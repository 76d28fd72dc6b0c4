#include "calculators/connections/BoltConnectionDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/EditionRow.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calculators/connections/BoltConnection.h"
#include "calculators/materials/DesignValues.h"
#include "engine/Bolts.h"
#include "engine/Format.h"
#include "engine/TextToNumber.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/EditionList.h"
#include "ui/MessageBox.h"

namespace ferrolab {
namespace {

// The presets of a bolt-group value box, as the description lists them.
std::vector<const char*> Presets(const char* field) {
    return Items(BoltGroupDescription().Field(field).presets);
}

// The fixed list of a choice, as the description allows it.
const std::vector<std::string>& Allowed(const Description& description, const char* field) {
    return description.Field(field).allowed;
}

int NumberOf(const ChoiceList* list) {
    return static_cast<int>(TextToDouble(list->SelectedText()));
}

} // namespace

CBoltConnectionDlg::CBoltConnectionDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("boltConnectionDlg"));
    setWindowTitle(QString::fromUtf8(kBoltConnectionCaption));
    BuildControls();
    OnInitDialog();
}

void CBoltConnectionDlg::BuildControls() {
    // 螺栓选择: the capacity of one bolt.
    auto* bolt = new QGroupBox(QStringLiteral("螺栓选择"), this);
    bolt->setObjectName(QStringLiteral("boltGroup"));
    editionList_ = MakeEditionList(BoltCapacityDescription().Field("edition"), &edition_, bolt);
    codeList_ = new ChoiceList(QStringLiteral("code"), {}, &code_, bolt);
    kindList_ = new ChoiceList(QStringLiteral("kind"), {}, &kind_, bolt);
    classList_ = new ChoiceList(QStringLiteral("boltClass"), {}, &class_, bolt);
    diameterList_ = new ChoiceList(QStringLiteral("diameter"), {}, &diameter_, bolt);
    planesList_ = new ChoiceList(QStringLiteral("shearPlanes"), {}, &planes_, bolt);
    auto* boltGrid = new QGridLayout;
    int row = 0;
    for (auto [text, list] : {std::pair<const char*, ChoiceList*>{"规范版本:", editionList_},
                              {"选用规范:", codeList_},
                              {"螺栓类型:", kindList_},
                              {"螺栓等级:", classList_},
                              {"直径 d (mm):", diameterList_},
                              {"受剪面个数n:", planesList_}}) {
        boltGrid->addWidget(new QLabel(QString::fromUtf8(text), bolt), row, 0);
        boltGrid->addWidget(list, row++, 1);
    }

    auto* plate = new QGroupBox(QStringLiteral("连接板"), bolt);
    plate->setObjectName(QStringLiteral("plateGroup"));
    plateGradeList_ = new ChoiceList(QStringLiteral("plateGrade"), {}, &plateGrade_, plate);
    thicknessList_ = new ChoiceList(QStringLiteral("thicknessSum"), {}, &thickness_, plate);
    auto* plateGrid = new QGridLayout(plate);
    AddGridRow(plateGrid, 0, "钢号:", plateGradeList_);
    AddGridRow(plateGrid, 1, "最小厚度之和:", thicknessList_, "mm");

    slipGroup_ = new QGroupBox(QStringLiteral("摩擦面的抗滑移系数"), bolt);
    slipGroup_->setObjectName(QStringLiteral("slipGroup"));
    surfaceList_ = new ChoiceList(QStringLiteral("surface"), {}, &surface_, slipGroup_);
    muBox_ = new QLineEdit(slipGroup_);
    muBox_->setObjectName(QStringLiteral("mu"));
    muBox_->setMaximumWidth(70);
    muBox_->installEventFilter(this);
    holeRow_ = new QWidget(slipGroup_);
    holeRow_->setObjectName(QStringLiteral("holeRow"));
    holeList_ = new ChoiceList(QStringLiteral("hole"), {}, &hole_, holeRow_);
    auto* holeLayout = new QHBoxLayout(holeRow_);
    holeLayout->setContentsMargins(0, 0, 0, 0);
    holeLayout->addWidget(MakeLabel("孔型:", holeRow_));
    holeLayout->addWidget(holeList_, 1);
    auto* slipRow = new QHBoxLayout(slipGroup_);
    slipRow->addWidget(surfaceList_, 1);
    slipRow->addWidget(muBox_);
    slipRow->addWidget(holeRow_, 1);

    capacity_ = new ReportBox(bolt, QStringLiteral("capacity"));
    capacity_->setMinimumSize(420, 150);
    auto* boltLayout = new QVBoxLayout(bolt);
    auto* boltTop = new QHBoxLayout;
    boltTop->addLayout(boltGrid);
    boltTop->addWidget(plate);
    boltLayout->addLayout(boltTop);
    boltLayout->addWidget(slipGroup_);
    boltLayout->addWidget(capacity_);

    // The bolt group.
    loadCaseList_ = new ChoiceList(QStringLiteral("loadCase"), {}, &loadCase_, this);
    auto* forces = new QGroupBox(QStringLiteral("对螺栓群形心的:"), this);
    forces->setObjectName(QStringLiteral("forceGroup"));
    vBox_ = new ValueCombo(QStringLiteral("V"), Presets("V"), &v_, forces);
    nBox_ = new ValueCombo(QStringLiteral("N"), Presets("N"), &n_, forces);
    mBox_ = new ValueCombo(QStringLiteral("M"), Presets("M"), &m_, forces);
    momentLabel_ = MakeLabel("", forces, "momentLabel");
    auto* forceGrid = new QGridLayout(forces);
    AddGridRow(forceGrid, 0, "竖向剪力V (kN):", vBox_);
    AddGridRow(forceGrid, 1, "水平轴力N (kN):", nBox_);
    forceGrid->addWidget(momentLabel_, 2, 0);
    forceGrid->addWidget(mBox_, 2, 1);

    auto* layoutGroup = new QGroupBox(QStringLiteral("螺栓排列"), this);
    layoutGroup->setObjectName(QStringLiteral("arrangementGroup"));
    rowsList_ = new ChoiceList(QStringLiteral("rows"), {}, &rows_, layoutGroup);
    colsList_ = new ChoiceList(QStringLiteral("cols"), {}, &cols_, layoutGroup);
    rowPitchBox_ =
        new ValueCombo(QStringLiteral("rowPitch"), Presets("row-pitch"), &rowPitch_, layoutGroup);
    colPitchBox_ =
        new ValueCombo(QStringLiteral("colPitch"), Presets("col-pitch"), &colPitch_, layoutGroup);
    auto* arrangement = new QGridLayout(layoutGroup);
    AddGridRow(arrangement, 0, "行数m:", rowsList_);
    arrangement->addWidget(new QLabel(QStringLiteral("列数n:"), layoutGroup), 0, 2);
    arrangement->addWidget(colsList_, 0, 3);
    AddGridRow(arrangement, 1, "行距(mm):", rowPitchBox_);
    arrangement->addWidget(new QLabel(QStringLiteral("列距(mm):"), layoutGroup), 1, 2);
    arrangement->addWidget(colPitchBox_, 1, 3);

    auto* previewGroup = new QGroupBox(QStringLiteral("螺栓排列预览"), this);
    previewGroup->setObjectName(QStringLiteral("previewGroup"));
    picture_ = new CBitmapPreview(previewGroup);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setMinimumSize(240, 240);
    (new QVBoxLayout(previewGroup))->addWidget(picture_);

    QPushButton* compute = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    report_ = new ReportBox(this);
    report_->setMinimumHeight(90);

    auto* caseRow = new QHBoxLayout;
    caseRow->addWidget(new QLabel(QStringLiteral("受力类型:"), this));
    caseRow->addWidget(loadCaseList_, 1);
    auto* groupInputs = new QVBoxLayout;
    groupInputs->addLayout(caseRow);
    groupInputs->addWidget(forces);
    groupInputs->addWidget(layoutGroup);
    QHBoxLayout* buttons = MakeButtonRow(compute, cancel);
    groupInputs->addLayout(buttons);
    groupInputs->addStretch(1);
    auto* groupRow = new QHBoxLayout;
    groupRow->addLayout(groupInputs);
    groupRow->addWidget(previewGroup, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bolt);
    layout->addLayout(groupRow);
    layout->addWidget(report_);
    // The bolt's capacity and the bolt group are two reports of their own inputs.
    capacity_->SetInputScope(bolt);
    report_->SetInputScope(this, {bolt});

    connect(editionList_, &ChoiceList::chosen, this, &CBoltConnectionDlg::OnEditionChanged);
    connect(codeList_, &ChoiceList::chosen, this, &CBoltConnectionDlg::OnCodeChanged);
    connect(kindList_, &ChoiceList::chosen, this, &CBoltConnectionDlg::OnKindChanged);
    for (ChoiceList* list : {classList_, diameterList_, planesList_, thicknessList_, holeList_}) {
        connect(list, &ChoiceList::chosen, this, &CBoltConnectionDlg::RebuildCapacity);
    }
    connect(plateGradeList_, &ChoiceList::chosen, this, &CBoltConnectionDlg::OnPlateGradeChanged);
    connect(surfaceList_, &ChoiceList::chosen, this, &CBoltConnectionDlg::OnSurfaceChanged);
    connect(loadCaseList_, &ChoiceList::chosen, this, &CBoltConnectionDlg::OnLoadCaseChanged);
    connect(compute, &QPushButton::clicked, this, &CBoltConnectionDlg::OnCompute);
}

void CBoltConnectionDlg::OnInitDialog() {
    const int year = editionList_->Year();
    codeList_->SetItems(BoltCodeEntries(year));
    kindList_->SetItems(Allowed(BoltCapacityDescription(), "kind"));
    classList_->SetItems(BoltClassEntries(kCodeGB50017, kOrdinaryBolt));
    // Diameter, shear planes, plate grade, thickness, rows, columns and pitches open on their
    // first entries, so that neither the capacity nor the group ever works with a missing value.
    diameterList_->SetItems(BoltDiameterEntries(kCodeGB50017, kOrdinaryBolt));
    planesList_->SetItems(Allowed(BoltCapacityDescription(), "n"));
    plateGradeList_->SetItems(PlateGradeEntries(kCodeGB50017));
    thicknessList_->SetItems(Allowed(BoltCapacityDescription(), "thickness-sum"));
    surfaceList_->SetItems(SurfaceEntries(kCodeGB50017, year));
    holeList_->SetItems(Allowed(BoltCapacityDescription(), "hole"));
    SetMuFromTable();
    ShowSlipFactor(false);
    thicknessList_->setEnabled(true);

    loadCaseList_->SetItems(Allowed(BoltGroupDescription(), "load-case"));
    for (ValueCombo* box : {vBox_, nBox_, mBox_, rowPitchBox_, colPitchBox_}) {
        box->SelectFirst();
    }
    momentLabel_->setText(QString::fromStdString(MomentLabel(kLoadTorque)));
    rowsList_->SetItems(Allowed(BoltGroupDescription(), "rows"));
    colsList_->SetItems(ColumnEntries(kLoadTorque));
    UpdatePicture();
}

void CBoltConnectionDlg::SetMuFromTable() {
    // Empty where GB50017-2017 permits no such surface for the grade.
    const auto mu = TableSlipFactor(code_, editionList_->Year(),
                                    GradeOfEntry(plateGradeList_->SelectedText()), surface_);
    muBox_->setText(mu ? QString::fromStdString(FormatNumber("%.2f", *mu)) : QString());
}

void CBoltConnectionDlg::RebuildCapacity() {
    BoltCapacityInput in;
    in.code = code_;
    in.kind = kind_;
    in.boltClass = BoltClassCode(kind_, class_);
    in.d = DiameterOfEntry(diameterList_->SelectedText());
    in.n = NumberOf(planesList_);
    in.grade = GradeOfEntry(plateGradeList_->SelectedText());
    in.thicknessSum = NumberOf(thicknessList_);
    in.mu = TextToDouble(muBox_->text().toStdString());
    in.edition = editionList_->Year();
    in.surface = surface_;
    in.hole = hole_;
    const BoltCapacityResult result = ComputeBoltCapacity(in);
    ShowOutcome(this, capacity_, result.text, result.notices);
}

void CBoltConnectionDlg::ShowSlipFactor(bool shown) {
    slipGroup_->setVisible(shown);
    surfaceList_->setVisible(shown);
    muBox_->setVisible(shown);
    UpdateHoleRow();
}

void CBoltConnectionDlg::UpdateHoleRow() {
    holeRow_->setVisible(kind_ == kFrictionBolt && code_ == kCodeGB50017 &&
                         editionList_->Year() == kSteel2017);
}

void CBoltConnectionDlg::OnEditionChanged() {
    const int code = code_;
    codeList_->SetItems(BoltCodeEntries(editionList_->Year()));
    codeList_->Select(code);
    OnCodeChanged();
}

void CBoltConnectionDlg::UpdatePicture() {
    QString name;
    switch (loadCase_) {
    case kLoadTorque:
        name = QStringLiteral("bolt_group_torque");
        break;
    case kLoadBending:
        name = kind_ == kFrictionBolt ? QStringLiteral("bolt_group_bending_friction")
                                      : QStringLiteral("bolt_group_bending_ordinary");
        break;
    default:
        name = QStringLiteral("bolt_group_not_available");
        break;
    }
    picture_->SetPicture(QStringLiteral(":/pictures/%1.svg").arg(name));
}

void CBoltConnectionDlg::OnCodeChanged() {
    plateGradeList_->SetItems(PlateGradeEntries(code_));
    // The surfaces follow the code in either bolt kind, so a later switch to friction-type bolts
    // never shows the surfaces of the other code.
    surfaceList_->SetItems(SurfaceEntries(code_, editionList_->Year()));
    UpdateHoleRow();
    if (kind_ == kFrictionBolt) {
        diameterList_->SetItems(BoltDiameterEntries(code_, kFrictionBolt));
        SetMuFromTable();
    } else {
        classList_->SetItems(BoltClassEntries(code_, kOrdinaryBolt));
    }
    RebuildCapacity();
}

void CBoltConnectionDlg::OnKindChanged() {
    if (kind_ == kOrdinaryBolt) {
        thicknessList_->setEnabled(true);
        capacity_->SetReport(std::string());
        ShowSlipFactor(false);
        classList_->SetItems(BoltClassEntries(code_, kOrdinaryBolt));
        plateGradeList_->SetItems(PlateGradeEntries(code_));
        diameterList_->SetItems(BoltDiameterEntries(code_, kOrdinaryBolt));
    } else {
        thicknessList_->setEnabled(false);
        diameterList_->SetItems(BoltDiameterEntries(code_, kFrictionBolt));
        classList_->SetItems(BoltClassEntries(code_, kFrictionBolt));
        ShowSlipFactor(true);
        SetMuFromTable();
    }
    RebuildCapacity();
    UpdatePicture();
}

void CBoltConnectionDlg::OnPlateGradeChanged() {
    if (kind_ == kFrictionBolt) {
        SetMuFromTable();
    }
    RebuildCapacity();
}

void CBoltConnectionDlg::OnSurfaceChanged() {
    SetMuFromTable();
    RebuildCapacity();
}

bool CBoltConnectionDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == muBox_ && event->type() == QEvent::FocusOut) {
        // Only a move to another control leaves the box: an opening drop-down list or another
        // window (the message box itself among them) takes the focus only for a while.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            OnMuFocusLost();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CBoltConnectionDlg::OnMuFocusLost() {
    // Advice only: the typed value stays and is used.
    if (const auto advice = SlipFactorAdvice(TextToDouble(muBox_->text().toStdString()))) {
        ShowNotice(this, *advice);
    }
}

void CBoltConnectionDlg::OnLoadCaseChanged() {
    report_->SetReport(std::string());
    momentLabel_->setText(QString::fromStdString(MomentLabel(loadCase_)));
    nBox_->setEnabled(loadCase_ != kLoadBending);
    if (loadCase_ == kLoadTorque || loadCase_ == kLoadBending) {
        colsList_->SetItems(ColumnEntries(loadCase_));
    }
    UpdatePicture();
    if (loadCase_ == kLoadBendingN) {
        ShowNotice(this, Notice{kLoadCaseNotBuilt, "提示", NoticeIcon::Warning});
    }
}

void CBoltConnectionDlg::OnCompute() {
    BoltGroupInput in;
    in.loadCase = loadCase_;
    in.kind = kind_;
    in.v = v_;
    in.n = n_;
    in.m = m_;
    in.rows = NumberOf(rowsList_);
    in.cols = NumberOf(colsList_);
    in.rowPitch = rowPitch_;
    in.colPitch = colPitch_;
    const BoltGroupResult result = ComputeBoltGroup(in);
    ShowOutcome(this, report_, result.report, result.notices);
}

QDialog* MakeBoltConnectionDialog(QWidget* parent) {
    return new CBoltConnectionDlg(parent);
}

} // namespace ferrolab
