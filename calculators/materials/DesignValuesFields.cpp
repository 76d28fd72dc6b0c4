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
    auto add = [&entries](const std::vector<std::string>& bands) {
        for (const std::string& entry : bands) {
            if (std::find(entries.begin(), entries.end(), entry) == entries.end()) {
                entries.push_back(entry);
            }
        }
    };
    add(ThicknessEntries(kQ345));
    // The bands of GB50017-2017 follow those of GB50017-2003.
    for (const std::string& grade : GradeEntries2017()) {
        add(ThicknessEntries2017(grade));
    }
    return entries;
}

std::vector<std::string> AllGradeEntries() {
    std::vector<std::string> entries = GradeEntries(kDesignCodeGB50017);
    for (const std::string& entry : GradeEntries2017()) {
        if (std::find(entries.begin(), entries.end(), entry) == entries.end()) {
            entries.push_back(entry);
        }
    }
    return entries;
}

// The index of a pick in a list, or a usage message naming the list.
int Pick(const std::vector<std::string>& list, const std::string& value, const char* what,
         const std::string& grade, std::ostream& usage) {
    const int index = IndexOf(list, value);
    if (index < 0) {
        usage << "ferrolab-calc: the " << what << " of " << grade << " in GB50017-2017 are "
              << Joined(list) << '\n';
    }
    return index;
}

// GB50017 mode of GB50017-2017: the grade, its band and its electrode (blank: the first).
Outcome Run2017(const FieldValues& v, DesignValuesInput in) {
    std::ostringstream usage;
    const std::string& grade = v.at("grade");
    in.gradeEntry = grade;
    if (Pick(GradeEntries2017(), grade, "grades", "GB50017", usage) < 0) {
        return UsageError(usage.str());
    }
    in.band = Pick(ThicknessEntries2017(grade), v.at("thickness"), "thickness bands", grade, usage);
    const std::vector<std::string> electrodes = ElectrodeEntries2017(grade);
    in.electrode = v.at("electrode").empty()
                       ? 0
                       : Pick(electrodes, v.at("electrode"), "electrodes", grade, usage);
    if (in.band < 0 || in.electrode < 0) {
        return UsageError(usage.str());
    }
    const std::optional<DesignValuesView> view = ComputeDesignValues(in);
    if (!view) {
        return UsageError("ferrolab-calc: these values are not offered together\n");
    }
    return Outcome{FormatDesignValues(*view), {}};
}

} // namespace

const Description& DesignValuesDescription() {
    static const Description description = [] {
        const auto categories = PlateCategoryNames();
        Description entry;
        entry.id = "design-values";
        entry.caption = kDesignValuesCaption;
        entry.fields = {
            SteelEditionField(),
            // The dialog's list shows each code with its title; the runner takes the first word.
            {.name = "code",
             .defaultValue = kCodeIds[0],
             .allowed = kCodeIds,
             .help = "GB50018-2002 冷弯薄壁型钢结构技术规范, GB50017 普通钢结构规范",
             .label = "规范",
             .control = "code",
             .entries = DesignCodeEntries()},
            // The grades offered follow the code.
            GradeField(AllGradeEntries(), "GB50018-2002 offers Q235 and Q345"),
            // The bands offered follow the grade (and show for GB50017 only).
            {.name = "thickness",
             .defaultValue = "<=16",
             .allowed = AllBandEntries(),
             .help = "GB50017 only: a thickness band of the grade",
             .label = "钢材厚度",
             .unit = "mm",
             .control = "thickness"},
            // The electrodes offered follow the grade (GB50017-2017 only).
            {.name = "electrode",
             .help = "edition 2017, GB50017: blank: the first of the grade; Q235 E43, Q345|Q390|"
                     "Q345GJ E50|E55, Q420|Q460 E55|E60",
             .kind = FieldKind::Choice,
             .label = "焊条型号",
             .control = "electrode"},
            {.name = "spot-weld-plate",
             .defaultValue = "0.4",
             .allowed = SpotWeldPlateEntries(),
             .help = "thinner outer plate of a spot weld, mm",
             .label = "相焊板件中外层较薄板件的厚度(mm)",
             .unit = "mm",
             .control = "spotWeldPlate"},
            ChoiceField("plate-category", {categories.begin(), categories.end()}, categories[0],
                        "compressed plate category", "板件类别", "plateCategory"),
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
    in.code = DesignCodeAt(IndexOf(kCodeIds, v.at("code")));
    in.edition = SteelEditionOf(v);
    if (in.edition == kSteel2017 && in.code == kDesignCodeGB50017) {
        return Run2017(v, in);
    }
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
