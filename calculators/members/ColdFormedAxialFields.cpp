#include "calculators/Calculators.h"
#include "calculators/members/ColdFormedAxial.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {
const Description& ColdFormedAxialDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "coldformed-axial";
        entry.caption = kColdFormedAxialCaption;
        const std::vector<std::string> force = {"10.00",  "20.00",  "50.00",  "100.00",
                                                "150.00", "300.00", "500.00", "1000.00"};
        const std::vector<std::string> length = {"500.00", "1000.00", "1500.00", "2000.00",
                                                 "3000.00"};
        entry.fields = {
            ChoiceField("kind", TextsOf(kCFAxialKindNames), kCFAxialKindNames[0], "section kind",
                        "选择截面"),
            // The names offered follow the kind.
            {.name = "name",
             .defaultValue = CFChannelNames()[0],
             .help = "a section name of the kind's list",
             .kind = FieldKind::Catalogue,
             .label = "选择截面",
             .control = "name"},
            GradeField(TextsOf(kCFAxialGradeNames)),
            PresetNumberField("N", force, "axial compression, kN", "轴力", "kN"),
            ChoiceField("end", TextsOf(kCFEndConditionNames), kCFEndConditionNames[0],
                        "end condition (plain channel)", "两端支承情况", "endCondition"),
            // Two radio buttons without a title, "有缀板" and "无缀板"; the runner takes 1 and 0.
            {.name = "battens",
             .defaultValue = "0",
             .allowed = {"0", "1"},
             .help = "1: 有缀板 (not with the first end condition), 0: 无缀板",
             .control = "battens",
             .entries = {"无缀板", "有缀板"}},
            PresetNumberField("lx", length, "effective length about x, mm", "计箷长度lx", "mm"),
            PresetNumberField("ly", length, "effective length about y, mm", "计算长度ly", "mm"),
            // The opening label; "有缀板" relabels the box as the largest batten spacing.
            PresetNumberField("l", length,
                              "geometric length, or the largest batten spacing with battens, mm",
                              "构件的几何长度        l", "mm"),
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunColdFormedAxial(const FieldValues& v) {
    std::ostringstream usage;
    const std::string& kind = v.at("kind");
    const std::string& name = v.at("name");
    const NameList names = ColdFormedAxialNames(kind);
    if (const auto notOffered = SectionNotOffered(names, name, kind)) {
        return UsageError(*notOffered);
    }
    ColdFormedAxialInput in;
    in.endCondition = IndexOf(kCFEndConditionNames, v.at("end"));
    in.battens = v.at("battens") == "1";
    if (in.battens && in.endCondition == static_cast<int>(CFEndCondition::PinnedFreeWarping)) {
        usage << "ferrolab-calc: battens=1 needs an end condition with restrained warping\n";
        return UsageError(usage.str());
    }
    const CFAxialSectionLoad load = LoadColdFormedAxialSection(name);
    if (!load.found) {
        return Outcome{std::nullopt, load.notices};
    }
    in.section = load.values;
    in.grade = IndexOf(kCFAxialGradeNames, v.at("grade"));
    in.N = TextToDouble(v.at("N"));
    in.lx = TextToDouble(v.at("lx"));
    in.ly = TextToDouble(v.at("ly"));
    in.l = TextToDouble(v.at("l"));
    const ColdFormedAxialResult result = ComputeColdFormedAxial(in);
    if (!result.report || result.outOfRange) {
        // Outside the tables there is no φ and no stress: the dialog's text is the refusal.
        std::vector<Notice> notices = result.notices;
        if (result.outOfRange) {
            notices.push_back(Notice{*result.report, "", NoticeIcon::None});
        }
        return Outcome{std::nullopt, notices};
    }
    return Outcome{load.text + "\r\n\r\n" + *result.report, result.notices};
}

} // namespace ferrolab
