#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/Edition.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/members/BeamStability.h"
#include "calculators/members/MemberFields.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

const Description& BeamStabilityDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "beam-stability";
        entry.caption = kBeamStabilityCaption;
        std::vector<std::string> cases;
        for (int c = 1; c <= 10; ++c) {
            cases.push_back(std::to_string(c));
        }
        const std::vector<std::string> span = {"2.00", "3.00", "4.00", "5.00", "6.00",
                                               "7.00", "8.00", "9.00", "10.00"};
        const std::vector<std::string> gamma = {"1.05", "1.2"};
        // The flange thicknesses share one list.
        const std::vector<std::string> thickness = {"16.00", "17.00", "18.00", "19.00"};
        entry.fields = {
            SteelEditionField(),
            ChoiceField("series", BeamSeriesEntries(), BeamSeriesEntries().front(),
                        "section series", "构件参数"),
            // The names offered follow the series (none for the welded I).
            HSectionNameField("构件参数"),
            // The label of load cases 1 to 4; cases 5 to 10 relabel the box.
            PresetNumberField("l1", span, "span, or lateral support spacing for cases 5 to 10 (m)",
                              "梁跨度(m)", "m"),
            GradeField({"Q235", "Q345", "Q390", "Q420"}),
            {.name = "Mx",
             .help = "kN*m (blank at opening)",
             .label = "Mx(kN*m)",
             .unit = "kN*m",
             .presets = {"50.00", "100.00", "150.00", "200.00", "250.00"},
             .control = "mx"},
            {.name = "My",
             .help = "kN*m (blank at opening)",
             .label = "My(kN*m)",
             .unit = "kN*m",
             .presets = {"0.00"},
             .control = "my"},
            {.name = "Vy",
             .help = "kN, reported nowhere (blank at opening)",
             .label = "Vy(kN)",
             .unit = "kN",
             .presets = {"50.00", "60.00", "70.00", "80.00", "90.00", "100.00", "150.00", "200.00"},
             .control = "vy"},
            {.name = "gamma-x",
             .help = "γx, e.g. 1.05 (blank at opening)",
             .label = "γx",
             .presets = gamma,
             .control = "gammaX"},
            {.name = "gamma-y",
             .help = "γy, e.g. 1.2 (blank at opening)",
             .label = "γy",
             .presets = gamma,
             .control = "gammaY"},
            // The welded plates, in mm as their group's title says.
            {.name = "B1",
             .defaultValue = "200.00",
             .help = "welded I: top flange width (mm)",
             .label = "上翼缘宽度 B1",
             .unit = "mm",
             .presets = {"200.00", "210.00", "220.00", "230.00", "240.00"},
             .control = "b1"},
            PresetNumberField("t1", thickness, "welded I: top flange thickness (mm)",
                              "上翼缘厚度 t1", "mm"),
            {.name = "H",
             .defaultValue = "1100.00",
             .help = "welded I: clear web height (mm)",
             .label = "腹板净高度 H",
             .unit = "mm",
             .presets = {"1100.00", "1200.00", "1300.00", "1400.00"},
             .control = "hw"},
            {.name = "Tw",
             .defaultValue = "10.00",
             .help = "welded I: web thickness (mm)",
             .label = "腹板厚度  Tw",
             .unit = "mm",
             .presets = {"10.00", "11.00", "12.00", "13.00"},
             .control = "tw"},
            {.name = "B2",
             .defaultValue = "350.00",
             .help = "welded I: bottom flange width (mm)",
             .label = "下翼缘宽度 B2",
             .unit = "mm",
             .presets = {"350.00", "360.00", "370.00", "380.00"},
             .control = "b2"},
            PresetNumberField("t2", thickness, "welded I: bottom flange thickness (mm)",
                              "下翼缘厚度 t2", "mm"),
            ChoiceField("compressed-flange", {"上", "下"}, "上", "flange in compression",
                        "受压翼缘", "compressedFlange"),
            // Ten radio buttons that show the cases' captions; the runner takes the number.
            {.name = "case",
             .defaultValue = "1",
             .allowed = cases,
             .help = "load case of table B-1, 1 to 10",
             .label = "侧向支承及荷载情况",
             .control = "loadCase",
             .entries = TextsOf(BeamLoadCaseCaptions())},
            {.name = "r",
             .defaultValue = "0.1",
             .help = "end-moment ratio M2/M1 (case 10)",
             .label = "两端弯矩比值",
             .presets = TextsOf(EndMomentRatioPresets()),
             .control = "r"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunBeamStability(const FieldValues& v) {
    std::ostringstream usage;
    BeamStabilityInput in;
    in.series = v.at("series");
    in.name = v.at("name");
    if (IsRolledHSeries(in.series)) {
        // The dialog offers only the names of the chosen series.
        const NameList names = BeamSeriesNames(in.series);
        if (std::find(names.begin(), names.end(), in.name) == names.end()) {
            usage << "ferrolab-calc: '" << in.name << "' is not a section of " << in.series << '\n';
            return UsageError(usage.str());
        }
    }
    in.l1 = TextToDouble(v.at("l1"));
    in.fy = GradeOfEntry(v.at("grade"));
    in.mx = TextToDouble(v.at("Mx"));
    in.my = TextToDouble(v.at("My"));
    in.vy = TextToDouble(v.at("Vy"));
    in.gammaX = TextToDouble(v.at("gamma-x"));
    in.gammaY = TextToDouble(v.at("gamma-y"));
    in.b1 = TextToDouble(v.at("B1"));
    in.t1 = TextToDouble(v.at("t1"));
    in.hw = TextToDouble(v.at("H"));
    in.tw = TextToDouble(v.at("Tw"));
    in.b2 = TextToDouble(v.at("B2"));
    in.t2 = TextToDouble(v.at("t2"));
    in.compressedFlange = v.at("compressed-flange") == "下" ? 1 : 0;
    in.loadCase = static_cast<int>(TextToDouble(v.at("case")));
    in.r = TextToDouble(v.at("r"));
    in.edition = SteelEditionOf(v);
    const BeamStabilityResult result = ComputeBeamStability(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
