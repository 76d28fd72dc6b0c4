#include "calculators/joints/JointDialog.h"

#include <algorithm>
#include <string>

#include "calculators/Calculators.h"
#include "calculators/joints/BeamColumnPinned.h"
#include "ui/BitmapPreview.h"

namespace ferrolab {

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
