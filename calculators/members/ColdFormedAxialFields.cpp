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
        entry.fields = {
            {"kind", kCFAxialKindNames[0], TextsOf(kCFAxialKindNames), "section kind"},
            {"name", CFChannelNames()[0], {}, "a section name of the kind's list"},
            {"grade", kCFAxialGradeNames[0], TextsOf(kCFAxialGradeNames), "steel grade"},
            {"N", "10.00", {}, "axial compression, kN"},
            {"end", kCFEndConditionNames[0], TextsOf(kCFEndConditionNames),
             "end condition (plain channel)"},
            {"battens", "0", {"0", "1"}, "1: 有缀板 (not with the first end condition), 0: 无缀板"},
            {"lx", "500.00", {}, "effective length about x, mm"},
            {"ly", "500.00", {}, "effective length about y, mm"},
            {"l", "500.00", {}, "geometric length, or the largest batten spacing with battens, mm"},
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
