#include "calculators/Calculators.h"
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
            {"case",
             "0",
             {"0", "1", "2", "3", "4"},
             "0 集中荷载作用于上翼缘, 1 集中荷载作用于下翼缘, 2 均布荷载作用于上翼缘, "
             "3 均布荷载作用于下翼缘, 4 跨中有侧向支承点"},
            {"name",
             beams.front(),
             {beams.begin(), beams.end()},
             "rolled I-beam (\"I10 \", \"I20A\")"},
            {"l1", "2", {}, "free length (m), 2 to 10"},
            {"grade", grades.front(), {grades.begin(), grades.end()}, "steel grade"},
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
    const RolledIBeamPhiResult result = ComputeRolledIBeamPhi(in);
    return Outcome{result.shown, result.notices};
}

} // namespace ferrolab
