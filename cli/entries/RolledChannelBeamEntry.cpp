#include "calculators/materials/DesignValues.h"
#include "calculators/members/RolledChannelBeam.h"
#include "calculators/members/RolledIBeamPhi.h"
#include "cli/Entries.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"

namespace ferrolab::cli {

Entry RolledChannelBeamEntry() {
    Entry entry;
    entry.id = "rolled-channel-phi";
    entry.caption = kRolledChannelBeamCaption;
    const NameList channels = ChannelNames();
    const std::vector<const char*>& grades = RolledBeamGradeEntries();
    entry.fields = {
        {"name", channels.front(), {channels.begin(), channels.end()}, "rolled channel"},
        {"l1", "2", {}, "free length (m)"},
        {"grade", grades.front(), {grades.begin(), grades.end()}, "steel grade"},
    };
    entry.run = [](const FieldValues& v, std::ostream& out, std::ostream& err) {
        // The channel's section box first, then the report.
        const ChannelSelection selection = SelectRolledChannel(v.at("name"));
        if (!selection.section) {
            return EmitOutcome(std::nullopt, selection.notices, out, err);
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
        return EmitOutcome(text, result.notices, out, err);
    };
    return entry;
}

} // namespace ferrolab::cli
