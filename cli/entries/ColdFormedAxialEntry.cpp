#include "calculators/members/ColdFormedAxial.h"
#include "cli/Entries.h"
#include "cli/EntryFields.h"
#include "engine/TextToNumber.h"

namespace ferrolab::cli {
Entry ColdFormedAxialEntry() {
    Entry entry;
    entry.id = "coldformed-axial";
    entry.caption = kColdFormedAxialCaption;
    entry.fields = {
        {"kind", kCFAxialKindNames[0], Texts(kCFAxialKindNames), "section kind"},
        {"name", CFChannelNames()[0], {}, "a section name of the kind's list"},
        {"grade", kCFAxialGradeNames[0], Texts(kCFAxialGradeNames), "steel grade"},
        {"N", "10.00", {}, "axial compression, kN"},
        {"end", kCFEndConditionNames[0], Texts(kCFEndConditionNames),
         "end condition (plain channel)"},
        {"battens", "0", {"0", "1"}, "1: 有缀板 (not with the first end condition), 0: 无缀板"},
        {"lx", "500.00", {}, "effective length about x, mm"},
        {"ly", "500.00", {}, "effective length about y, mm"},
        {"l", "500.00", {}, "geometric length, or the largest batten spacing with battens, mm"},
    };
    entry.run = [](const FieldValues& v, std::ostream& out, std::ostream& err) {
        const std::string& kind = v.at("kind");
        const std::string& name = v.at("name");
        const NameList names = ColdFormedAxialNames(kind);
        if (!OffersSection(names, name, kind, err)) {
            return kExitUsage;
        }
        ColdFormedAxialInput in;
        in.endCondition = IndexOf(kCFEndConditionNames, v.at("end"));
        in.battens = v.at("battens") == "1";
        if (in.battens && in.endCondition == static_cast<int>(CFEndCondition::PinnedFreeWarping)) {
            err << "ferrolab-calc: battens=1 needs an end condition with restrained warping\n";
            return kExitUsage;
        }
        const CFAxialSectionLoad load = LoadColdFormedAxialSection(name);
        if (!load.found) {
            return EmitOutcome(std::nullopt, load.notices, out, err);
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
            return EmitOutcome(std::nullopt, notices, out, err);
        }
        return EmitOutcome(load.text + "\r\n\r\n" + *result.report, result.notices, out, err);
    };
    return entry;
}

} // namespace ferrolab::cli
