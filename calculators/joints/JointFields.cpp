#include "calculators/joints/JointFields.h"

#include <algorithm>

#include "calculators/joints/BeamColumnPinned.h"
#include "engine/Bolts.h"

namespace ferrolab {

std::vector<std::string> WithNewNames(std::vector<std::string> names,
                                      std::span<const char* const> more) {
    for (const char* name : more) {
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.emplace_back(name);
        }
    }
    return names;
}

FieldSpec SteelGradeField(std::vector<std::string> allowed, const char* help) {
    return ChoiceField("grade", std::move(allowed), "Q235", help, "钢材等级");
}

FieldSpec BetaAngleField(const char* help) {
    return ChoiceField("beta-angle", TextsOf(PinnedBetaAngleNames()), "0", help, "β角",
                       "betaAngle");
}

FieldSpec WeldKindField(const char* help, const char* control) {
    return ChoiceField("weld", TextsOf(PinnedWeldKindNames()), "双面角焊缝", help, "焊接方式",
                       control);
}

FieldSpec WeldFactorField(const char* help) {
    return PresetNumberField("betaF", {"1.0", "1.2"}, help, "强度增大系数β", "");
}

FieldSpec ElectrodeField(const char* help) {
    FieldSpec field{.name = "electrode",
                    .help = help,
                    .kind = FieldKind::Choice,
                    .label = "焊条",
                    .control = "electrode"};
    return field;
}

std::optional<std::string> ElectrodeUsage(const std::string& electrode, int edition,
                                          const std::string& grade,
                                          std::span<const char* const> offered) {
    if (electrode.empty()) {
        return std::nullopt;
    }
    if (edition != kSteel2017) {
        return "ferrolab-calc: electrode needs edition=2017\n";
    }
    if (IndexOf(offered, electrode) < 0) {
        return "ferrolab-calc: " + grade + " takes electrode " + Joined(TextsOf(offered)) + "\n";
    }
    return std::nullopt;
}

FieldSpec FayingSurfaceField(std::span<const char* const> surfaces2003,
                             std::span<const char* const> surfaces2017, const char* help) {
    return ChoiceField("surface", WithNewNames(TextsOf(surfaces2003), surfaces2017),
                       FayingSurfaceNames(kCodeGB50017)[0], help, "接触面处理");
}

int FayingSurfaceIndex(std::span<const char* const> surfaces, int edition,
                       const std::string& surface) {
    const int index = IndexOf(surfaces, surface);
    if (index < 0 && edition == kSteel2017) {
        return PinnedSurface2017Of(surface);
    }
    return index;
}

std::string FayingSurfaceUsage(std::span<const char* const> surfaces,
                               const std::string& editionValue) {
    return "ferrolab-calc: surface must be one of " + Joined(TextsOf(surfaces)) +
           " with edition=" + editionValue + "\n";
}

} // namespace ferrolab
