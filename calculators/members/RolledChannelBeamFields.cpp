#include "calculators/Calculators.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/members/RolledChannelBeam.h"
#include "calculators/members/RolledIBeamPhi.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"
#include <sstream>

namespace ferrolab {

const Description& RolledChannelBeamDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "rolled-channel-phi";
        entry.caption = kRolledChannelBeamCaption;
        const NameList channels = ChannelNames();
        const std::vector<const char*>& grades = RolledBeamGradeEntries();
        entry.fields = {
            {"name", channels.front(), {channels.begin(), channels.end()}, "rolled channel"},
            {"l1", "2", {}, "free length (m)"},
            {"grade", grades.front(), {grades.begin(), grades.end()}, "steel grade"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunRolledChannelBeam(const FieldValues& v) {
    std::ostringstream usage;
    // The channel's section box first, then the report.
    const ChannelSelection selection = SelectRolledChannel(v.at("name"));
    if (!selection.section) {
        return Outcome{std::nullopt, selection.notices};
    }
    RolledChannelBeamInput in;
    in.section = *selection.section;
    in.l1 = TextToDouble(v.at("l1"));
    in.fy = GradeOfEntry(v.at("grade"));
    const RolledChannelBeamResult result = ComputeRolledChannelBeam(in);
    std::optional<std::string> text;
    if (result.report) {
        text = selection.text + "\r\n" + *result.report;
    }
    return Outcome{text, result.notices};
}

} // namespace ferrolab
