#include "calculators/Calculators.h"
#include "calculators/joints/SeatedPinned.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"
#include <sstream>

namespace ferrolab {
namespace {

// Every rolled H section the beam and column lists offer (HW, HM and HN series).
std::vector<std::string> RolledHSectionNames() {
    std::vector<std::string> names;
    for (NameList series : {HWNames(), HMNames(), HNNames()}) {
        names.insert(names.end(), series.begin(), series.end());
    }
    return names;
}

} // namespace

const Description& SeatedPinnedDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "seated-joint";
        entry.caption = kSeatedPinnedCaption;
        entry.fields = {
            {"grade", "Q235", {"Q235", "Q345", "Q390", "Q420"}, "steel grade (shown only)"},
            {"beta-angle", "0", {"0", "90"}, "β角 (shown only)"},
            {"beam", "HM194x150", RolledHSectionNames(), "beam section (shown only)"},
            {"column", "HW100x100", RolledHSectionNames(), "column section (shown only)"},
            {"d1", "10", {}, "gap between the beam end and the column face, mm"},
            {"d2", "35", {}, "beam end to the line of action of V, mm"},
            {"lf", "80", {}, "bracket flange plate length, mm (not used by the check)"},
            {"wf", "75", {}, "bracket flange plate width, mm"},
            {"tf", "8", {}, "bracket flange plate thickness, mm"},
            {"hw", "100", {}, "bracket web plate height, mm"},
            {"tw", "7", {}, "bracket web plate thickness, mm"},
            {"cl", "6", {}, "side of the web plate's corner cut-out, mm"},
            {"weld", "双面角焊缝", {"双面角焊缝"}, "weld kind"},
            {"hfH", "6", {}, "leg size of the two flange-plate welds, mm"},
            {"betaF", "1.0", {}, "front fillet weld factor β (not used by the check)"},
            {"hfV", "6", {}, "leg size of the two web-plate welds, mm"},
            {"V", "50.00", {}, "beam-end shear, kN"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunSeatedPinned(const FieldValues& v) {
    std::ostringstream usage;
    SeatedPinnedInput in;
    in.d1 = TextToDouble(v.at("d1"));
    in.d2 = TextToDouble(v.at("d2"));
    in.lf = TextToDouble(v.at("lf"));
    in.wf = TextToDouble(v.at("wf"));
    in.tf = TextToDouble(v.at("tf"));
    in.hw = TextToDouble(v.at("hw"));
    in.tw = TextToDouble(v.at("tw"));
    in.cl = TextToDouble(v.at("cl"));
    in.hfH = TextToDouble(v.at("hfH"));
    in.betaF = TextToDouble(v.at("betaF"));
    in.hfV = TextToDouble(v.at("hfV"));
    in.v = TextToDouble(v.at("V"));
    const SeatedPinnedResult result = ComputeSeatedPinned(in);
    return Outcome{result.report, result.notices};
}

} // namespace ferrolab
