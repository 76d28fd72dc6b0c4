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
        const std::vector<std::string> span = {"1000.00", "1500.00", "2000.00", "2500.00",
                                               "3000.00", "5000.00", "6000.00", "9000.00"};
        const std::vector<std::string> ea = {"0.0", "10.0", "-10.0", "20.0", "-20.0"};
        entry.fields = {
            ChoiceField("kind", TextsOf(kCFBeamKindNames), kCFBeamKindNames[0], "section kind",
                        "选择截面"),
            // The names offered follow the kind.
            {.name = "name",
             .defaultValue = CFChannelNames()[0],
             .help = "a section name of the kind's list",
             .kind = FieldKind::Catalogue,
             .label = "选择截面",
             .control = "name"},
            // One radio button per case, beside its drawing, showing the case's number.
            {.name = "case",
             .defaultValue = "1",
             .allowed = {"1", "2", "3", "4", "5", "6", "7"},
             .help = "load case: 1 uniform q, 2 F at mid-span, 3 M and M, 4 M and M/2, 5 M at one "
                     "end, 6 M and M/2 reversed, 7 M and M reversed",
             .label = "弯矩作用平面内的荷载及支承情况",
             .control = "loadCase"},
            ChoiceField("bracing", TextsOf(kCFBeamBracingNames), kCFBeamBracingNames[0],
                        "lateral bracing", "两端及跨间侧向均为简支的受弯构件的ξ1，ξ2和μb值"),
            GradeField(TextsOf(kCFGradeNames)),
            PresetNumberField("l", span, "span, mm", "梁的跨度   l", "mm"),
            PresetNumberField("ea", ea, "distance of the transverse load from the shear centre, mm",
                              "横向荷载作用点到弯心的距离ea", "mm"),
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
