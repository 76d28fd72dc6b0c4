#include "calculators/Calculators.h"
#include "calculators/Edition.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/members/RolledIBeamPhi.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"
#include <sstream>

namespace ferrolab {

const Description& RolledIBeamPhiDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "rolled-ibeam-phi";
        entry.caption = kRolledIBeamPhiCaption;
        const NameList beams = IBeamPhiNames();
        const std::vector<const char*>& grades = RolledBeamGradeEntries();
        entry.fields = {
            SteelEditionField(),
            // Five radio buttons that show the cases' captions; the runner takes the index.
            {.name = "case",
             .defaultValue = "0",
             .allowed = {"0", "1", "2", "3", "4"},
             .help = "0 集中荷载作用于上翼缘, 1 集中荷载作用于下翼缘, 2 均布荷载作用于上翼缘, "
                     "3 均布荷载作用于下翼缘, 4 跨中有侧向支承点",
             .label = "荷载情况",
             .control = "loadCase",
             .entries = TextsOf(IBeamLoadCaseCaptions())},
            {.name = "name",
             .defaultValue = beams.front(),
             .allowed = {beams.begin(), beams.end()},
             .help = "rolled I-beam (\"I10 \", \"I20A\")",
             .kind = FieldKind::Catalogue,
             .label = "工字钢",
             .control = "beam"},
            {.name = "l1",
             .defaultValue = "2",
             .help = "free length (m), 2 to 10",
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

Outcome RunRolledIBeamPhi(const FieldValues& v) {
    std::ostringstream usage;
    RolledIBeamPhiInput in;
    in.loadCase = static_cast<int>(TextToDouble(v.at("case")));
    in.beam = v.at("name");
    in.l1 = TextToDouble(v.at("l1"));
    in.fy = GradeOfEntry(v.at("grade"));
    in.edition = SteelEditionOf(v);
    const RolledIBeamPhiResult result = ComputeRolledIBeamPhi(in);
    return Outcome{result.shown, result.notices};
}

} // namespace ferrolab
