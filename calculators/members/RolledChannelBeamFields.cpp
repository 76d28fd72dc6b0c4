#include "calculators/Calculators.h"
#include "calculators/Edition.h"
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
            SteelEditionField(),
            {.name = "name",
             .defaultValue = channels.front(),
             .allowed = {channels.begin(), channels.end()},
             .help = "rolled channel",
             .kind = FieldKind::Catalogue,
             .label = "槽钢",
             .control = "channel"},
            {.name = "l1",
             .defaultValue = "2",
             .help = "free length (m)",
             .label = "自由长度(m)",
             .unit = "m",
             .presets = TextsOf(FreeLengthPresets()),
             .control = "l1"},
            GradeField({grades.begin(), grades.end()}),
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunRolledChannelBeam(const FieldValues& v) {
    std::ostringstream usage;
    // The channel's section box first, then the report.
    const int edition = SteelEditionOf(v);
    const ChannelSelection selection = SelectRolledChannel(v.at("name"), edition);
    if (!selection.section) {
        return Outcome{std::nullopt, selection.notices};
    }
    RolledChannelBeamInput in;
    in.section = *selection.section;
    in.l1 = TextToDouble(v.at("l1"));
    in.fy = GradeOfEntry(v.at("grade"));
    in.edition = edition;
    const RolledChannelBeamResult result = ComputeRolledChannelBeam(in);
    std::optional<std::string> text;
    if (result.report) {
        text = selection.text + "\r\n" + *result.report;
    }
    return Outcome{text, result.notices};
}

} // namespace ferrolab
