#include "calculators/joints/JointDialog.h"

#include <algorithm>
#include <string>

#include <QBoxLayout>
#include <QLabel>

#include "calculators/Calculators.h"
#include "calculators/joints/BeamColumnPinned.h"
#include "ui/BitmapPreview.h"

namespace ferrolab {

EditionList* MakeEditionList(const Description& description, int* member, QWidget* parent) {
    const FieldSpec& edition = description.Field("edition");
    return new EditionList(QString::fromLatin1(kSteelEditionSetting), Items(edition.entries),
                           edition.allowed, member, parent);
}

QHBoxLayout* MakeEditionRow(EditionList* list, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel("规范版本:", parent));
    row->addWidget(list);
    row->addStretch(1);
    return row;
}

CBitmapPreview* MakePicture(QWidget* parent, int width, int height) {
    auto* picture = new CBitmapPreview(parent);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setMinimumSize(width, height);
    return picture;
}

ReportBox* MakeReportBox(QWidget* parent, int width, int height) {
    auto* report = new ReportBox(parent);
    report->setMinimumSize(width, height);
    return report;
}

std::vector<const char*> PresetsOf(const Description& description, const char* field) {
    return Items(description.Field(field).presets);
}

std::vector<const char*> ChoicesOf(const Description& description, const char* field) {
    return Items(description.Field(field).allowed);
}

void RefillElectrodes(ChoiceList* list, std::span<const char* const> electrodes, bool enabled) {
    const std::string kept = list->SelectedText();
    list->SetItems(Items(electrodes));
    list->Select(std::max(IndexOf(electrodes, kept), 0));
    list->setEnabled(enabled);
}

void RefillSurfaces(ChoiceList* list, int year, std::span<const char* const> surfaces,
                    std::span<const char* const> surfaces2017) {
    const std::string kept = list->SelectedText();
    int index = 0;
    if (year == kSteel2017) {
        index = std::max(PinnedSurface2017Of(kept), 0);
    } else if (kept == surfaces2017[2]) {
        index = 3;
    }
    list->SetItems(Items(surfaces));
    list->Select(index);
}

} // namespace ferrolab
