#include "calculators/joints/SeatedPinnedDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/EditionRow.h"
#include "calculators/joints/JointDialog.h"
#include "sections/SectionLists.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {
namespace {

// The series beside the beam and column lists (the runner takes the sections only).
const std::vector<const char*> kSeries = {"马钢宽翼缘HW系列", "马钢中翼缘HM系列",
                                          "马钢窄翼缘HN系列", "热轧普通工字钢", "焊接工字形"};

std::vector<const char*> Presets(const char* field) {
    return PresetsOf(SeatedPinnedDescription(), field);
}

std::vector<const char*> Choices(const char* field) {
    return ChoicesOf(SeatedPinnedDescription(), field);
}

// The sections of a series of the list above; the rolled I-beam and welded series offer none.
std::vector<const char*> SeriesSections(int series) {
    NameList names;
    switch (series) {
    case 0:
        names = HWNames();
        break;
    case 1:
        names = HMNames();
        break;
    case 2:
        names = HNNames();
        break;
    default:
        break;
    }
    return {names.begin(), names.end()};
}

} // namespace

CSeatedPinnedDlg::CSeatedPinnedDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("seatedPinnedDlg"));
    setWindowTitle(QString::fromUtf8(kSeatedPinnedCaption));
    BuildControls();
    OnInitDialog();
}

void CSeatedPinnedDlg::BuildControls() {
    // Each value box is named after its field.
    auto box = [this](const char* name, double* member, QWidget* parent) {
        auto* combo = new ValueCombo(QString::fromUtf8(name), Presets(name), member, parent);
        boxes_.push_back(combo);
        return combo;
    };

    // 截面参数: grade, β angle, beam and column, and where V acts.
    auto* sections = new QGroupBox(QStringLiteral("截面参数"), this);
    gradeList_ = new ChoiceList(QStringLiteral("grade"), Choices("grade"), &grade_, sections);
    betaAngleList_ =
        new ChoiceList(QStringLiteral("betaAngle"), Choices("beta-angle"), &betaAngle_, sections);
    beamSeriesList_ = new ChoiceList(QStringLiteral("beamSeries"), kSeries, &beamSeries_, sections);
    beamList_ = new ChoiceList(QStringLiteral("beam"), {}, &beam_, sections);
    columnSeriesList_ =
        new ChoiceList(QStringLiteral("columnSeries"), kSeries, &columnSeries_, sections);
    columnList_ = new ChoiceList(QStringLiteral("column"), {}, &column_, sections);
    auto* sectionGrid = new QGridLayout(sections);
    AddGridRow(sectionGrid, 0, "钢材等级:", gradeList_);
    sectionGrid->addWidget(MakeLabel("β角:", sections), 0, 2);
    sectionGrid->addWidget(betaAngleList_, 0, 3);
    AddGridRow(sectionGrid, 1, "梁:", beamSeriesList_);
    sectionGrid->addWidget(beamList_, 1, 2, 1, 2);
    AddGridRow(sectionGrid, 2, "柱:", columnSeriesList_);
    sectionGrid->addWidget(columnList_, 2, 2, 1, 2);
    AddGridRow(sectionGrid, 3, "d1(mm):", box("d1", &in_.d1, sections));
    sectionGrid->addWidget(MakeLabel("d2(mm):", sections), 3, 2);
    sectionGrid->addWidget(box("d2", &in_.d2, sections), 3, 3);

    auto* flange = new QGroupBox(QStringLiteral("支托翼缘"), this);
    auto* flangeGrid = new QGridLayout(flange);
    AddGridRow(flangeGrid, 0, "长lf (mm):", box("lf", &in_.lf, flange));
    AddGridRow(flangeGrid, 1, "宽wf (mm):", box("wf", &in_.wf, flange));
    AddGridRow(flangeGrid, 2, "厚tf (mm):", box("tf", &in_.tf, flange));

    auto* web = new QGroupBox(QStringLiteral("支托腹板"), this);
    auto* webGrid = new QGridLayout(web);
    AddGridRow(webGrid, 0, "高hw (mm):", box("hw", &in_.hw, web));
    AddGridRow(webGrid, 1, "厚tw (mm):", box("tw", &in_.tw, web));
    AddGridRow(webGrid, 2, "切角边长cl(mm):", box("cl", &in_.cl, web));

    auto* flangeWeld = new QGroupBox(QStringLiteral("支托翼缘与柱翼缘间焊缝"), this);
    weldList_ = new ChoiceList(QStringLiteral("weld"), Choices("weld"), &weld_, flangeWeld);
    auto* flangeWeldGrid = new QGridLayout(flangeWeld);
    AddGridRow(flangeWeldGrid, 0, "焊接方式:", weldList_);
    AddGridRow(flangeWeldGrid, 1, "焊脚尺寸hf_H(mm):", box("hfH", &in_.hfH, flangeWeld));
    AddGridRow(flangeWeldGrid, 2, "强度增大系数β:", box("betaF", &in_.betaF, flangeWeld));
    electrodeList_ = new ChoiceList(QStringLiteral("electrode"),
                                    Items(SeatedElectrodeNames("Q235")), &electrode_, flangeWeld);
    AddGridRow(flangeWeldGrid, 3, "焊条:", electrodeList_);

    editionList_ =
        MakeEditionList(SeatedPinnedDescription().Field("edition"), &editionIndex_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);

    auto* webWeld = new QGroupBox(QStringLiteral("支托腹板与柱翼缘间角焊缝"), this);
    auto* webWeldGrid = new QGridLayout(webWeld);
    AddGridRow(webWeldGrid, 0, "焊脚尺寸hf_V(mm):", box("hfV", &in_.hfV, webWeld));

    auto* force = new QGroupBox(QStringLiteral("梁端力:"), this);
    auto* forceGrid = new QGridLayout(force);
    AddGridRow(forceGrid, 0, "V(kN):", box("V", &in_.v, force));

    QPushButton* compute = MakeComputeButton(this);
    QPushButton* cancel = MakeCancelButton(this);
    picture_ = MakePicture(this, 250, 250);
    report_ = new ReportBox(this);
    report_->setMinimumWidth(300);

    auto* left = new QVBoxLayout;
    left->addWidget(flange);
    left->addWidget(web);
    auto* right = new QVBoxLayout;
    right->addWidget(flangeWeld);
    right->addWidget(webWeld);
    right->addWidget(force);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addLayout(right);
    QHBoxLayout* buttons = MakeButtonRow(compute, cancel);
    auto* lower = new QHBoxLayout;
    lower->addWidget(picture_, 1);
    lower->addWidget(report_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addWidget(sections);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->addLayout(lower, 1);

    connect(beamSeriesList_, &ChoiceList::chosen, this,
            [this] { OnSeriesChanged(beamSeriesList_, beamList_); });
    connect(columnSeriesList_, &ChoiceList::chosen, this,
            [this] { OnSeriesChanged(columnSeriesList_, columnList_); });
    connect(gradeList_, &ChoiceList::chosen, this, &CSeatedPinnedDlg::FillElectrodes);
    connect(editionList_, &ChoiceList::chosen, this, &CSeatedPinnedDlg::FillElectrodes);
    connect(compute, &QPushButton::clicked, this, &CSeatedPinnedDlg::OnCompute);
}

void CSeatedPinnedDlg::OnInitDialog() {
    for (ValueCombo* combo : boxes_) {
        combo->SelectFirst();
    }
    gradeList_->Select(0);
    betaAngleList_->Select(0);
    weldList_->Select(0);
    // The lists open on the wide-flange series, the beam list on the medium-flange sections
    // with HM194x150 chosen, the column list on HW100x100.
    beamSeriesList_->Select(0);
    beamList_->SetItems(SeriesSections(1));
    columnSeriesList_->Select(0);
    columnList_->SetItems(SeriesSections(0));
    picture_->SetPicture(QStringLiteral(":/pictures/seated_bracket.svg"));
    FillElectrodes();
}

int CSeatedPinnedDlg::edition() const {
    return editionList_->Year();
}

SeatedPinnedInput CSeatedPinnedDlg::Input() const {
    SeatedPinnedInput in = in_;
    in.edition = edition();
    in.grade = gradeList_->SelectedText();
    if (in.edition == kSteel2017) {
        in.electrode = electrodeList_->SelectedText();
    }
    return in;
}

void CSeatedPinnedDlg::FillElectrodes() {
    RefillElectrodes(electrodeList_, SeatedElectrodeNames(gradeList_->SelectedText()),
                     edition() == kSteel2017);
}

void CSeatedPinnedDlg::OnSeriesChanged(ChoiceList* series, ChoiceList* sections) {
    sections->SetItems(SeriesSections(series->currentIndex()));
}

void CSeatedPinnedDlg::OnCompute() {
    const SeatedPinnedResult result = ComputeSeatedPinned(Input());
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeSeatedPinnedDialog(QWidget* parent) {
    return new CSeatedPinnedDlg(parent);
}

} // namespace ferrolab
