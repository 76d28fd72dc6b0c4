#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/materials/DesignValues.h"

namespace ferrolab {
namespace {

// The code by the first word of its list entry.
const std::vector<std::string> kCodeIds = {"GB50018-2002", "GB50017"};

std::vector<std::string> AllBandEntries() {
    std::vector<std::string> entries = ThicknessEntries(kQ235);
    for (const std::string& entry : ThicknessEntries(kQ345)) {
        if (std::find(entries.begin(), entries.end(), entry) == entries.end()) {
            entries.push_back(entry);
        }
    }
    return entries;
}

} // namespace

const Description& DesignValuesDescription() {
    static const Description description = [] {
        const auto categories = PlateCategoryNames();
        Description entry;
        entry.id = "design-values";
        entry.caption = kDesignValuesCaption;
        entry.fields = {
            {"code", kCodeIds[0], kCodeIds,
             "GB50018-2002 冷弯薄壁型钢结构技术规范, GB50017 普通钢结构规范"},
            {"grade", "Q235", GradeEntries(kDesignCodeGB50017),
             "GB50018-2002 offers Q235 and Q345"},
            {"thickness", "<=16", AllBandEntries(), "GB50017 only: a thickness band of the grade"},
            {"spot-weld-plate", "0.4", SpotWeldPlateEntries(),
             "thinner outer plate of a spot weld, mm"},
            {"plate-category",
             categories[0],
             {categories.begin(), categories.end()},
             "compressed plate category"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunDesignValues(const FieldValues& v) {
    std::ostringstream usage;
    // The boxes after picking the code, then the grade and the thickness band where they
    // differ from what the code pick selects (Q235, "<=16"), then the spot-weld plate and
    // the plate category.
    DesignValuesInput in;
    in.code = IndexOf(kCodeIds, v.at("code"));
    in.grade = GradeOfEntry(v.at("grade"));
    const std::vector<std::string> bands = ThicknessEntries(in.grade);
    in.band = IndexOf(bands, v.at("thickness"));
    in.spotWeldPlate = IndexOf(SpotWeldPlateEntries(), v.at("spot-weld-plate"));
    const auto names = PlateCategoryNames();
    in.plateCategory = IndexOf(names, v.at("plate-category"));

    if (IndexOf(GradeEntries(in.code), v.at("grade")) < 0) {
        usage << "ferrolab-calc: " << v.at("code") << " offers the grades "
              << Joined(GradeEntries(in.code)) << '\n';
        return UsageError(usage.str());
    }
    if (in.code == kDesignCodeGB50017 && in.band < 0) {
        usage << "ferrolab-calc: the thickness bands of " << v.at("grade") << " are "
              << Joined(bands) << '\n';
        return UsageError(usage.str());
    }
    if (in.code == kDesignCodeColdFormed && in.band != 0) {
        usage << "ferrolab-calc: the thickness band belongs to GB50017; " << v.at("code")
              << " has no thickness list\n";
        return UsageError(usage.str());
    }
    const std::optional<DesignValuesView> view = ComputeDesignValues(in);
    if (!view) {
        usage << "ferrolab-calc: these values are not offered together\n";
        return UsageError(usage.str());
    }
    return Outcome{FormatDesignValues(*view), {}};
}

} // namespace ferrolab
