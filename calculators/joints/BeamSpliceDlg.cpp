#include "calculators/joints/BeamSpliceDlg.h"

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/EditionRow.h"
#include "calculators/joints/DescribedGrid.h"
#include "calculators/joints/JointDialog.h"
#include "engine/TextToNumber.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"

namespace ferrolab {

CBeamSpliceDlg::CBeamSpliceDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("beamSpliceDlg"));
    setWindowTitle(QString::fromUtf8(kBeamSpliceCaption));
    BuildControls();
    OnInitDialog();
}

void CBeamSpliceDlg::BuildControls() {
    const Description& description = BeamSpliceDescription();
    // Each group lists its fields in order; a field with allowed values is a list.
    auto group = [&](const char* title, std::initializer_list<const char*> fields) {
        auto* box = new QGroupBox(QString::fromUtf8(title), this);
        DescribedGrid grid(description, box);
        for (const char* field : fields) {
            if (description.Field(field).allowed.empty()) {
                boxes_[field] = grid.Box(field, &values_[field]);
            } else {
                lists_[field] = grid.List(field, &chosen_[field]);
            }
        }
        return box;
    };
    QGroupBox* beam = group("梁截面", {"beam", "section", "B", "tf", "hw", "tw", "grade"});
    QGroupBox* forces = group("内力", {"method", "M", "V"});
    QGroupBox* bolts = group("摩擦型高强螺栓", {"bolt-grade", "d", "clearance", "surface"});
    lists_["surface"]->SetItems(Items(SpliceSurfaceNames(kSteel2003)));
    editionList_ = MakeEditionList(description.Field("edition"), &editionIndex_, this);
    QHBoxLayout* editionRow = MakeEditionRow(editionList_, this);
    QGroupBox* flange = group("翼缘拼接（每侧）", {"flange-plates", "bo", "to", "bi", "ti", "lines",
                                                   "rows", "g", "p", "ea"});
    QGroupBox* web =
        group("腹板拼接（每侧）", {"hp", "tp", "web-rows", "web-cols", "pv", "ph", "ew"});

    QPushButton* compute = MakeComputeButton(this);
    compute->setDefault(true);
    QPushButton* cancel = MakeCancelButton(this);
    picture_ = MakePicture(this, 320, 260);
    report_ = MakeReportBox(this, 460, 240);

    auto* first = new QVBoxLayout;
    first->addWidget(beam);
    first->addWidget(forces);
    first->addStretch(1);
    auto* second = new QVBoxLayout;
    second->addWidget(bolts);
    second->addWidget(web);
    second->addStretch(1);
    auto* third = new QVBoxLayout;
    third->addWidget(flange);
    third->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(first);
    upper->addLayout(second);
    upper->addLayout(third);
    auto* lower = new QHBoxLayout;
    lower->addWidget(picture_);
    lower->addWidget(report_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editionRow);
    layout->addLayout(upper);
    layout->addLayout(MakeButtonRow(compute, cancel));
    layout->addLayout(lower, 1);

    for (const char* field : {"beam", "method", "flange-plates"}) {
        connect(lists_[field], &ChoiceList::chosen, this, &CBeamSpliceDlg::UpdateEnabling);
    }
    connect(editionList_, &ChoiceList::chosen, this, &CBeamSpliceDlg::OnEditionChosen);
    connect(compute, &QPushButton::clicked, this, &CBeamSpliceDlg::OnCompute);
}

void CBeamSpliceDlg::OnInitDialog() {
    const Description& description = BeamSpliceDescription();
    for (auto& [field, box] : boxes_) {
        box->SelectFirst();
    }
    for (auto& [field, list] : lists_) {
        const FieldSpec& described = description.Field(field);
        list->Select(IndexOf(described.allowed, described.defaultValue));
    }
    UpdateEnabling();
    // A dialog opening on the 2017 edition takes its surfaces.
    OnEditionChosen();
    picture_->SetPicture(QStringLiteral(":/pictures/beam_splice.svg"));
}

void CBeamSpliceDlg::UpdateEnabling() {
    const bool welded = chosen_["beam"] == kSpliceWeldedI;
    lists_["section"]->setEnabled(!welded);
    for (const char* field : {"B", "tf", "hw", "tw"}) {
        boxes_[field]->setEnabled(welded);
    }
    // Equal strength sizes the splice from the beam's net sections: M and V do not enter.
    const bool byForces = chosen_["method"] == kSpliceByForces;
    boxes_["M"]->setEnabled(byForces);
    boxes_["V"]->setEnabled(byForces);
    const bool inner = chosen_["flange-plates"] == 1;
    boxes_["bi"]->setEnabled(inner);
    boxes_["ti"]->setEnabled(inner);
}

void CBeamSpliceDlg::OnEditionChosen() {
    const int year = editionList_->Year();
    if (year == filledEdition_) {
        return;
    }
    RefillSurfaces(lists_.at("surface"), year, SpliceSurfaceNames(year),
                   SpliceSurfaceNames(kSteel2017));
    filledEdition_ = year;
}

BeamSpliceInput CBeamSpliceDlg::Input() const {
    auto number = [this](const char* field) { return values_.at(field); };
    auto text = [this](const char* field) { return lists_.at(field)->SelectedText(); };
    auto count = [&](const char* field) { return static_cast<int>(TextToDouble(text(field))); };
    BeamSpliceInput in;
    in.beamKind = chosen_.at("beam");
    in.section = text("section");
    in.b = number("B");
    in.tf = number("tf");
    in.hw = number("hw");
    in.tw = number("tw");
    in.grade = static_cast<SteelGrade>(TextToDouble(text("grade").substr(1)));
    in.method = chosen_.at("method");
    in.m = number("M");
    in.v = number("V");
    in.boltClass = text("bolt-grade") == "10.9" ? 109 : 88;
    in.d = static_cast<int>(TextToDouble(text("d").substr(1)));
    in.clearance = number("clearance");
    in.surface = chosen_.at("surface");
    in.edition = editionList_->Year();
    in.innerPlates = chosen_.at("flange-plates") == 1;
    in.bo = number("bo");
    in.to = number("to");
    in.bi = number("bi");
    in.ti = number("ti");
    in.lines = count("lines");
    in.rows = count("rows");
    in.gauge = number("g");
    in.pitch = number("p");
    in.endDistance = number("ea");
    in.hp = number("hp");
    in.tp = number("tp");
    in.webRows = count("web-rows");
    in.webCols = count("web-cols");
    in.pv = number("pv");
    in.ph = number("ph");
    in.ew = number("ew");
    return in;
}

void CBeamSpliceDlg::OnCompute() {
    const BeamSpliceResult result = ComputeBeamSplice(Input());
    ShowOutcome(this, report_, result.report, result.notices, result.checks);
}

QDialog* MakeBeamSpliceDialog(QWidget* parent) {
    return new CBeamSpliceDlg(parent);
}

} // namespace ferrolab
