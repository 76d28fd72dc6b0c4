#include "calculators/Calculators.h"
#include "calculators/members/ColdFormedBeam.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {
const Description& ColdFormedBeamDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "coldformed-beam";
        entry.caption = kColdFormedBeamCaption;
        entry.fields = {
            {"kind", kCFBeamKindNames[0], TextsOf(kCFBeamKindNames), "section kind"},
            {"name", CFChannelNames()[0], {}, "a section name of the kind's list"},
            {"case",
             "1",
             {"1", "2", "3", "4", "5", "6", "7"},
             "load case: 1 uniform q, 2 F at mid-span, 3 M and M, 4 M and M/2, 5 M at one end, "
             "6 M and M/2 reversed, 7 M and M reversed"},
            {"bracing", kCFBeamBracingNames[0], TextsOf(kCFBeamBracingNames), "lateral bracing"},
            {"grade", kCFGradeNames[0], TextsOf(kCFGradeNames), "steel grade"},
            {"l", "1000.00", {}, "span, mm"},
            {"ea", "0.0", {}, "distance of the transverse load from the shear centre, mm"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunColdFormedBeam(const FieldValues& v) {
    std::ostringstream usage;
    const std::string& kind = v.at("kind");
    const std::string& name = v.at("name");
    const NameList names = ColdFormedBeamNames(kind);
    if (const auto notOffered = SectionNotOffered(names, name, kind)) {
        return UsageError(*notOffered);
    }
    // Choosing the name shows its properties; "计算" then reports.
    const CFBeamSectionLoad load = LoadColdFormedBeamSection(name);
    if (!load.found) {
        return Outcome{std::nullopt, load.notices};
    }
    ColdFormedBeamInput in;
    in.section = load.values;
    in.loadCase = static_cast<int>(TextToDouble(v.at("case"))) - 1;
    in.bracing = IndexOf(kCFBeamBracingNames, v.at("bracing"));
    in.grade = IndexOf(kCFGradeNames, v.at("grade"));
    in.l = TextToDouble(v.at("l"));
    in.ea = TextToDouble(v.at("ea"));
    const ColdFormedBeamResult result = ComputeColdFormedBeam(in);
    if (!result.report) {
        return Outcome{std::nullopt, result.notices};
    }
    return Outcome{load.text + "\r\n\r\n" + *result.report, result.notices};
}

} // namespace ferrolab
