#include "calculators/Calculators.h"
#include "calculators/joints/JointFields.h"
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
        // The two weld legs share one list.
        const std::vector<std::string> legs = {"6", "7", "8", "9", "10"};
        entry.fields = {
            SteelEditionField(),
            SteelGradeField({"Q235", "Q345", "Q390", "Q420"},
                            "steel grade (2017: the welds' ffw; 2003: shown only)"),
            BetaAngleField("β角 (shown only)"),
            // The beam and column lists offer the sections of the series picked beside them.
            {.name = "beam",
             .defaultValue = "HM194x150",
             .allowed = RolledHSectionNames(),
             .help = "beam section (shown only)",
             .kind = FieldKind::Catalogue,
             .label = "截面参数"},
            {.name = "column",
             .defaultValue = "HW100x100",
             .allowed = RolledHSectionNames(),
             .help = "column section (shown only)",
             .kind = FieldKind::Catalogue,
             .label = "截面参数"},
            PresetNumberField("d1", {"10", "15", "20"},
                              "gap between the beam end and the column face, mm", "d1(mm)", "mm"),
            PresetNumberField("d2", {"35", "40", "45", "50"},
                              "beam end to the line of action of V, mm", "d2(mm)", "mm"),
            {.name = "lf",
             .defaultValue = "80",
             .help = "bracket flange plate length, mm (not used by the check)",
             .label = "长lf (mm)",
             .unit = "mm",
             .presets = {"80", "100", "150", "200", "250"},
             .control = "lf"},
            {.name = "wf",
             .defaultValue = "75",
             .help = "bracket flange plate width, mm",
             .label = "宽wf (mm)",
             .unit = "mm",
             .presets = {"75", "100", "150", "200", "250", "300"},
             .control = "wf"},
            {.name = "tf",
             .defaultValue = "8",
             .help = "bracket flange plate thickness, mm",
             .label = "厚tf (mm)",
             .unit = "mm",
             .presets = {"8", "9", "10", "11", "12"},
             .control = "tf"},
            {.name = "hw",
             .defaultValue = "100",
             .help = "bracket web plate height, mm",
             .label = "高hw (mm)",
             .unit = "mm",
             .presets = {"100", "150", "200", "250"},
             .control = "hw"},
            {.name = "tw",
             .defaultValue = "7",
             .help = "bracket web plate thickness, mm",
             .label = "厚tw (mm)",
             .unit = "mm",
             .presets = {"7", "8", "9", "10", "11", "12", "13"},
             .control = "tw"},
            {.name = "cl",
             .defaultValue = "6",
             .help = "side of the web plate's corner cut-out, mm",
             .label = "切角边长cl(mm)",
             .unit = "mm",
             .presets = {"6", "7", "8", "9", "10"},
             .control = "cl"},
            WeldKindField("weld kind", "weld"),
            {.name = "hfH",
             .defaultValue = legs[0],
             .help = "leg size of the two flange-plate welds, mm",
             .label = "焊脚尺寸hf_H(mm)",
             .unit = "mm",
             .presets = legs,
             .control = "hfH"},
            WeldFactorField("front fillet weld factor β (not used by the check)"),
            ElectrodeField("焊条, edition=2017: E43 (Q235), E50|E55 (Q345, Q390), E55|E60 (Q420); "
                           "left out: the first"),
            {.name = "hfV",
             .defaultValue = legs[0],
             .help = "leg size of the two web-plate welds, mm",
             .label = "焊脚尺寸hf_V(mm)",
             .unit = "mm",
             .presets = legs,
             .control = "hfV"},
            PresetNumberField("V", {"50.00", "100.00", "150.00", "200.00"}, "beam-end shear, kN",
                              "V(kN)", "kN"),
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
    in.edition = SteelEditionOf(v);
    in.grade = v.at("grade");
    in.electrode = v.at("electrode");
    if (const auto refused =
            ElectrodeUsage(in.electrode, in.edition, in.grade, SeatedElectrodeNames(in.grade))) {
        return UsageError(*refused);
    }
    const SeatedPinnedResult result = ComputeSeatedPinned(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
