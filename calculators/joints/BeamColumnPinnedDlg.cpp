#include "calculators/joints/BeamColumnPinnedDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "calculators/EditionRow.h"
#include "calculators/joints/JointDialog.h"
#include "engine/Bolts.h"
#include "engine/Materials2017.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

const std::vector<const char*> kAngleKinds = {"等边角钢"};
constexpr const char* kTwoColumnPlateWidth = "130";

std::vector<const char*> Presets(const char* field) {
    return PresetsOf(BeamColumnPinnedDescription(), field);
}

std::vector<const char*> Choices(const char* field) {
    return ChoicesOf(BeamColumnPinnedDescription(), field);
}

} // namespace

CBeamColumnPinnedDlg::CBeamColumnPinnedDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("beamColumnPinnedDlg"));
    setWindowTitle(QString::fromUtf8(kPinnedJointCaption));
    BuildControls();
    OnInitDialog();
}

QString CBeamColumnPinnedDlg::PictureFor(int betaAngle, int style, int cols) {
    if (betaAngle == 0) {
        if (style == 0) {
            return cols == 1 ? QStringLiteral(":/pictures/pinned_plate_1col.svg")
                             : QStringLiteral(":/pictures/pinned_plate_2col.svg");
        }
        return cols == 1 ? QStringLiteral(":/pictures/pinned_angle_1col.svg")
                         : QStringLiteral(":/pictures/pinned_angle_2col.svg");
    }
    if (style == 0 && cols == 1) {
        return QStringLiteral(":/pictures/pinned_plate_web.svg");
    }
    return {};
}

void CBeamColumnPinnedDlg::BuildControls() {
    // 截面参数: style, grade, β angle, beam and column.
    auto* sections = new QGroupBox(QStringLiteral("截面参数"), this);
    styleList_ = new ChoiceList(QStringLiteral("style"), Choices("style"), &style_, this);
    gradeList_ =
        new ChoiceList(QStringLiteral("grade"), Items(PinnedGradeNames(0)), &gradeIndex_, this);
    betaAngleList_ =
        new ChoiceList(QStringLiteral("betaAngle"), Choices("beta-angle"), &betaAngle_, this);
    beamSeriesList_ =
        new ChoiceList(QStringLiteral("beamSeries"), Choices("beam-series"), &beamSeries_, this);
    beamList_ = new ChoiceList(QStringLiteral("beam"), {}, &beam_, this);
    columnSeriesList_ = new ChoiceList(QStringLiteral("columnSeries"), Choices("column-series"),
                                       &columnSeries_, this);
    columnList_ = new ChoiceList(QStringLiteral("column"), {}, &column_, this);
    auto* sectionGrid = new QGridLayout(sections);
    AddGridRow(sectionGrid, 0, "连接样式:", styleList_);
    sectionGrid->addWidget(MakeLabel("钢材等级:", sections), 0, 2);
    sectionGrid->addWidget(gradeList_, 0, 3);
    sectionGrid->addWidget(MakeLabel("β角:", sections), 0, 4);
    sectionGrid->addWidget(betaAngleList_, 0, 5);
    sectionGrid->addWidget(MakeLabel("梁:", sections), 1, 0);
    sectionGrid->addWidget(beamSeriesList_, 1, 1, 1, 3);
    sectionGrid->addWidget(beamList_, 1, 4, 1, 2);
    sectionGrid->addWidget(MakeLabel("柱:", sections), 2, 0);
    sectionGrid->addWidget(columnSeriesList_, 2, 1, 1, 3);
    sectionGrid->addWidget(columnList_, 2, 4, 1, 2);

    // 连接板件: the plate (or the angles) and its position on the beam.
    auto* plates = new QGroupBox(QStringLiteral("连接板件"), this);
    angleKindList_ = new ChoiceList(QStringLiteral("angleKind"), kAngleKinds, &angleKind_, this);
    angleList_ = new ChoiceList(QStringLiteral("angle"), Choices("angle"), &angle_, this);
    bpBox_ = new ValueCombo(QStringLiteral("bp"), Presets("bp"), &bp_, this);
    hpBox_ = new ValueCombo(QStringLiteral("hp"), Presets("hp"), &hp_, this);
    tpBox_ = new ValueCombo(QStringLiteral("tp"), Presets("tp"), &tp_, this);
    d1Box_ = new ValueCombo(QStringLiteral("d1"), Presets("d1"), &d1_, this);
    d2Box_ = new ValueCombo(QStringLiteral("d2"), Presets("d2"), &d2_, this);
    auto* plateGrid = new QGridLayout(plates);
    plateGrid->addWidget(angleKindList_, 0, 0, 1, 2);
    plateGrid->addWidget(angleList_, 0, 2, 1, 2);
    AddGridRow(plateGrid, 1, "宽bp (mm):", bpBox_);
    plateGrid->addWidget(MakeLabel("高hp (mm):", plates), 1, 2);
    plateGrid->addWidget(hpBox_, 1, 3);
    AddGridRow(plateGrid, 2, "厚tp (mm):", tpBox_);
    AddGridRow(plateGrid, 3, "d1(mm):", d1Box_);
    plateGrid->addWidget(MakeLabel("d2(mm):", plates), 3, 2);
    plateGrid->addWidget(d2Box_, 3, 3);

    // 梁端力.
    auto* forces = new QGroupBox(QStringLiteral("梁端力:"), this);
    vBox_ = new ValueCombo(QStringLiteral("V"), Presets("V"), &v_, this);
    nBox_ = new ValueCombo(QStringLiteral("N"), Presets("N"), &n_, this);
    auto* forceGrid = new QGridLayout(forces);
    AddGridRow(forceGrid, 0, "V(kN):", vBox_);
    forceGrid->addWidget(MakeLabel("N(kN):", forces), 0, 2);
    forceGrid->addWidget(nBox_, 0, 3);

    // 摩擦型高强螺栓.
    auto* bolts = new QGroupBox(QStringLiteral("摩擦型高强螺栓"), this);
    codeList_ = new ChoiceList(QStringLiteral("code"), Items(PinnedCodeNames()), &code_, this);
    surfaceList_ =
        new ChoiceList(QStringLiteral("surface"), Items(FayingSurfaceNames(0)), &surface_, this);
    boltGradeList_ =
        new ChoiceList(QStringLiteral("boltGrade"), Choices("bolt-grade"), &boltGradeIndex_, this);
    diameterList_ = new ChoiceList(QStringLiteral("diameter"), Items(PinnedDiameterNames(0)),
                                   &diameterIndex_, this);
    clearanceBox_ =
        new ValueCombo(QStringLiteral("clearance"), Presets("clearance"), &clearance_, this);
    rowsList_ = new ChoiceList(QStringLiteral("rows"), Choices("rows"), &rowsIndex_, this);
    colsList_ = new ChoiceList(QStringLiteral("cols"), Choices("cols"), &colsIndex_, this);
    sRowBox_ = new ValueCombo(QStringLiteral("sRow"), Presets("sRow"), &sRow_, this);
    sColBox_ = new ValueCombo(QStringLiteral("sCol"), Presets("sCol"), &sCol_, this);
    auto* boltGrid = new QGridLayout(bolts);
    AddGridRow(boltGrid, 0, "规范:", codeList_);
    boltGrid->addWidget(surfaceList_, 0, 2, 1, 4);
    AddGridRow(boltGrid, 1, "等级:", boltGradeList_);
    boltGrid->addWidget(MakeLabel("直径:", bolts), 1, 2);
    boltGrid->addWidget(diameterList_, 1, 3);
    boltGrid->addWidget(MakeLabel("螺栓孔径与螺栓直径的差(mm):", bolts), 2, 0, 1, 3);
    boltGrid->addWidget(clearanceBox_, 2, 3);
    AddGridRow(boltGrid, 3, "行数:", rowsList_);
    boltGrid->addWidget(MakeLabel("行距:", bolts), 3, 2);
    boltGrid->addWidget(sRowBox_, 3, 3);
    boltGrid->addWidget(MakeLabel("mm", bolts), 3, 4);
    AddGridRow(boltGrid, 4, "列数:", colsList_);
    boltGrid->addWidget(MakeLabel("列距:", bolts), 4, 2);
    boltGrid->addWidget(sColBox_, 4, 3);
    boltGrid->addWidget(MakeLabel("mm", bolts), 4, 4);

    // 焊缝 (single plate only).
    auto* welds = new QGroupBox(QStringLiteral("焊缝"), this);
    weldKindList_ = new ChoiceList(QStringLiteral("weldKind"), Choices("weld"), &weldKind_, this);
    hfList_ = new ChoiceList(QStringLiteral("hf"), Choices("hf"), &hfIndex_, this);
    betaFBox_ = new ValueCombo(QStringLiteral("betaF"), Presets("betaF"), &betaF_, this);
    auto* weldGrid = new QGridLayout(welds);
    AddGridRow(weldGrid, 0, "焊接方式:", weldKindList_);
    AddGridRow(weldGrid, 1, "焊脚尺寸(mm):", hfList_);
    AddGridRow(weldGrid, 2, "强度增大系数β:", betaFBox_);
    electrodeList_ = new ChoiceList(QStringLiteral("electrode"),
                                    Items(PinnedElectrodeNames("Q235")), &electrodeIndex_, this);
    AddGridRow(weldGrid, 3, "焊条:", electrodeList_);

    editionList_ =
        MakeEditionList(BeamColumnPinnedDescription().Field("edition"), &editionIndex_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);

    QPushButton* compute = MakeComputeButton(this);
    compute->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    picture_ = MakePicture(this, 340, 340);
    report_ = MakeReportBox(this, 380, 300);

    auto* left = new QVBoxLayout;
    left->addWidget(sections);
    left->addWidget(plates);
    left->addWidget(forces);
    auto* right = new QVBoxLayout;
    right->addWidget(bolts);
    right->addWidget(welds);
    QHBoxLayout* buttons = MakeButtonRow(compute, cancel);
    right->addLayout(buttons);
    right->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addLayout(right);
    auto* lower = new QHBoxLayout;
    lower->addWidget(picture_);
    lower->addWidget(report_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addLayout(lower, 1);

    // Choices.
    connect(styleList_, &ChoiceList::chosen, this, &CBeamColumnPinnedDlg::OnStyle);
    connect(gradeList_, &ChoiceList::chosen, this, [this] {
        steelGrade_ = PinnedGradeOf(gradeList_->SelectedText());
        FillElectrodes();
    });
    connect(editionList_, &ChoiceList::chosen, this, &CBeamColumnPinnedDlg::OnEditionChosen);
    connect(beamSeriesList_, &ChoiceList::chosen, this,
            [this] { OnSeries(beamSeriesList_, beamList_, true); });
    connect(beamList_, &ChoiceList::chosen, this, &CBeamColumnPinnedDlg::OnBeam);
    connect(columnSeriesList_, &ChoiceList::chosen, this,
            [this] { OnSeries(columnSeriesList_, columnList_, false); });
    connect(angleList_, &ChoiceList::chosen, this, &CBeamColumnPinnedDlg::OnAngle);
    connect(codeList_, &ChoiceList::chosen, this, &CBeamColumnPinnedDlg::OnCode);
    connect(boltGradeList_, &ChoiceList::chosen, this,
            [this] { boltClass_ = PinnedBoltClassOf(boltGradeList_->SelectedText()); });
    connect(diameterList_, &ChoiceList::chosen, this, &CBeamColumnPinnedDlg::OnDiameter);
    connect(rowsList_, &ChoiceList::chosen, this, [this] { rows_ = rowsIndex_ + 2; });
    connect(colsList_, &ChoiceList::chosen, this, [this] {
        cols_ = colsIndex_ + 1;
        UpdateLayout();
    });
    connect(hfList_, &ChoiceList::chosen, this,
            [this] { hf_ = TextToDouble(hfList_->SelectedText()); });
    connect(compute, &QPushButton::clicked, this, &CBeamColumnPinnedDlg::OnCompute);

    // The checks run when a box loses the focus.
    for (ValueCombo* box :
         {d2Box_, bpBox_, hpBox_, tpBox_, betaFBox_, clearanceBox_, sRowBox_, sColBox_}) {
        box->installEventFilter(this);
    }
}

void CBeamColumnPinnedDlg::OnInitDialog() {
    styleList_->Select(0);
    gradeList_->Select(0);
    betaAngleList_->Select(0);
    beamSeriesList_->Select(kPinnedDefaultBeamSeries);
    beamList_->SetItems(Items(PinnedSeriesSections(kPinnedDefaultBeamSeries)));
    beamList_->Select(IndexOf(PinnedSeriesSections(kPinnedDefaultBeamSeries), "HM244x175"));
    columnSeriesList_->Select(kPinnedDefaultColumnSeries);
    columnList_->SetItems(Items(PinnedSeriesSections(kPinnedDefaultColumnSeries)));
    columnList_->Select(IndexOf(PinnedSeriesSections(kPinnedDefaultColumnSeries), "HW294x302"));
    angleKindList_->Select(0);
    angleList_->Select(IndexOf(PinnedJointAngleNames(), "L75X5"));
    for (ValueCombo* box : {d1Box_, d2Box_, vBox_, nBox_, bpBox_, hpBox_, tpBox_, clearanceBox_,
                            sRowBox_, sColBox_, betaFBox_}) {
        box->SelectFirst();
    }
    codeList_->Select(0);
    surfaceList_->Select(0);
    boltGradeList_->Select(0);
    diameterList_->Select(0);
    rowsList_->Select(0);
    colsList_->Select(0);
    weldKindList_->Select(0);
    hfList_->Select(0);

    webDepth_ = 0;
    PinnedWebDepth(beamList_->SelectedText(), webDepth_);
    steelGrade_ = kQ235;
    boltClass_ = 88;
    d_ = 16;
    code_ = 0;
    rows_ = 2;
    cols_ = 1;
    hf_ = TextToDouble(hfList_->SelectedText());

    // The single plate: the angle lists wait for the double angle, the column pitch for a second
    // column.
    angleKindList_->setEnabled(false);
    angleList_->setEnabled(false);
    sColBox_->setEnabled(false);
    ShowPicture();
    // A dialog opening on the 2017 edition takes its lists.
    OnEditionChosen();
}

int CBeamColumnPinnedDlg::edition() const {
    return editionList_->Year();
}

void CBeamColumnPinnedDlg::OnEditionChosen() {
    const int year = edition();
    if (year != filledEdition_) {
        const int code = code_;
        codeList_->SetItems(Items(year == kSteel2017 ? PinnedCodeNames2017() : PinnedCodeNames()));
        codeList_->Select(code);
        if (code_ == kCodeGB50017) {
            // The bolts of GB50017 take the faying surfaces of the steel code's edition.
            RefillSurfaces(surfaceList_, year,
                           year == kSteel2017 ? FayingSurfaces2017()
                                              : FayingSurfaceNames(kCodeGB50017),
                           FayingSurfaces2017());
        }
        filledEdition_ = year;
    }
    FillElectrodes();
}

void CBeamColumnPinnedDlg::FillElectrodes() {
    // The electrode belongs to the single plate's welds.
    RefillElectrodes(electrodeList_, PinnedElectrodeNames(gradeList_->SelectedText()),
                     edition() == kSteel2017 && style_ == 0);
}

PinnedJointInput CBeamColumnPinnedDlg::Input() const {
    PinnedJointInput in;
    in.style = static_cast<PinnedStyle>(style_);
    in.steelGrade = steelGrade_;
    in.webDepth = webDepth_;
    in.bp = bp_;
    in.hp = hp_;
    in.tp = tp_;
    in.d1 = d1_;
    in.d2 = d2_;
    in.v = v_;
    in.n = n_;
    in.hf = hf_;
    in.betaF = betaF_;
    in.code = code_;
    in.surface = surface_;
    in.boltClass = boltClass_;
    in.d = d_;
    in.clearance = clearance_;
    in.rows = rows_;
    in.cols = cols_;
    in.sRow = sRow_;
    in.sCol = sCol_;
    in.edition = edition();
    if (in.edition == kSteel2017) {
        in.electrode = electrodeList_->SelectedText();
    }
    return in;
}

void CBeamColumnPinnedDlg::OnStyle() {
    const bool plate = style_ == 0;
    for (QWidget* weldInput :
         std::initializer_list<QWidget*>{weldKindList_, hfList_, betaFBox_, bpBox_, tpBox_}) {
        weldInput->setEnabled(plate);
    }
    angleKindList_->setEnabled(!plate);
    angleList_->setEnabled(!plate);
    electrodeList_->setEnabled(plate && edition() == kSteel2017);
    if (!plate) {
        report_->SetReport("");
        double b = 0, t = 0;
        if (PinnedAngleLegs(angleList_->SelectedText(), b, t)) {
            bpBox_->SetValue(b);
            tpBox_->SetValue(t);
        }
    }
    UpdateLayout();
}

void CBeamColumnPinnedDlg::UpdateLayout() {
    if (cols_ == 1) {
        sColBox_->SetValueText(QStringLiteral("0"));
        sColBox_->setEnabled(false);
    } else {
        {
            const QSignalBlocker blocker(sColBox_);
            sColBox_->setCurrentIndex(1);
        }
        sColBox_->SetValueText(sColBox_->itemText(1));
        sColBox_->setEnabled(true);
        const QString width = QString::fromUtf8(kTwoColumnPlateWidth);
        int index = bpBox_->findText(width);
        const QSignalBlocker blocker(bpBox_);
        if (index < 0) {
            bpBox_->insertItem(2, width);
            index = 2;
        }
        bpBox_->setCurrentIndex(index);
        bpBox_->SetValueText(width);
    }
    ShowPicture();
}

void CBeamColumnPinnedDlg::ShowPicture() {
    const QString picture = PictureFor(betaAngle_, style_, cols_);
    if (picture.isEmpty()) {
        picture_->SetImage(QImage()); // no drawing for this combination: the control stays blank
    } else {
        picture_->SetPicture(picture);
    }
}

void CBeamColumnPinnedDlg::OnCode() {
    gradeList_->SetItems(Items(PinnedGradeNames(code_)));
    diameterList_->SetItems(Items(PinnedDiameterNames(code_)));
    surfaceList_->SetItems(Items(PinnedSurfaceNames(code_, edition())));
    steelGrade_ = kQ235;
    FillElectrodes();
    surface_ = 0;
    d_ = PinnedDiameterOf(diameterList_->SelectedText());
}

void CBeamColumnPinnedDlg::OnSeries(ChoiceList* series, ChoiceList* sections, bool beam) {
    sections->SetItems(Items(PinnedSeriesSections(series->currentIndex())));
    if (beam) {
        // A series without sections keeps the web depth of the last H beam.
        PinnedWebDepth(sections->SelectedText(), webDepth_);
    }
}

void CBeamColumnPinnedDlg::OnBeam() {
    PinnedWebDepth(beamList_->SelectedText(), webDepth_);
}

void CBeamColumnPinnedDlg::OnAngle() {
    double b = 0, t = 0;
    if (!PinnedAngleLegs(angleList_->SelectedText(), b, t)) {
        return;
    }
    if (const auto notice = CheckPinnedAnglePick(b, Input())) {
        ShowNotice(this, *notice);
        return;
    }
    bpBox_->SetValue(b);
    tpBox_->SetValue(t);
}

void CBeamColumnPinnedDlg::OnDiameter() {
    d_ = PinnedDiameterOf(diameterList_->SelectedText());
    if (const auto check = CheckPinnedField(PinnedField::Diameter, Input())) {
        ShowNotice(this, check->notice);
    }
}

bool CBeamColumnPinnedDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this dialog; not the box's own drop-down list nor
        // another window (a message box) taking the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            OnLeave(watched);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CBeamColumnPinnedDlg::OnLeave(QObject* box) {
    const std::pair<ValueCombo*, PinnedField> fields[] = {
        {d2Box_, PinnedField::D2},          {bpBox_, PinnedField::PlateWidth},
        {hpBox_, PinnedField::PlateHeight}, {tpBox_, PinnedField::PlateThick},
        {betaFBox_, PinnedField::BetaF},    {clearanceBox_, PinnedField::Clearance},
        {sRowBox_, PinnedField::RowPitch},  {sColBox_, PinnedField::ColumnPitch},
    };
    for (const auto& [combo, field] : fields) {
        if (combo == box) {
            CheckField(field, combo);
            return;
        }
    }
}

void CBeamColumnPinnedDlg::CheckField(PinnedField field, ValueCombo* box) {
    const auto check = CheckPinnedField(field, Input());
    if (!check) {
        return;
    }
    ShowNotice(this, check->notice);
    if (check->resetToFirstPreset) {
        // Back to the first preset, its text shown even when the list still had it selected.
        box->SelectFirst();
        box->SetValueText(box->itemText(0));
    }
}

void CBeamColumnPinnedDlg::OnCompute() {
    const PinnedJointResult result = ComputePinnedJoint(Input());
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
    ValueCombo* focus = nullptr;
    switch (result.focus) {
    case PinnedFocus::RowPitch:
        focus = sRowBox_;
        break;
    case PinnedFocus::PlateHeight:
        focus = hpBox_;
        break;
    case PinnedFocus::ColumnPitch:
        focus = sColBox_;
        break;
    case PinnedFocus::None:
        break;
    }
    if (focus) {
        focus->setFocus(Qt::OtherFocusReason);
    }
}

QDialog* MakeBeamColumnPinnedDialog(QWidget* parent) {
    return new CBeamColumnPinnedDlg(parent);
}

} // namespace ferrolab
