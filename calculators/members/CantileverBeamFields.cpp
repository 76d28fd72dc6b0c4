#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/Edition.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/members/BeamStability.h"
#include "calculators/members/CantileverBeam.h"
#include "calculators/members/MemberFields.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

const Description& CantileverBeamDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "cantilever-phib";
        entry.caption = kCantileverBeamCaption;
        const std::vector<std::string> l1 = {"1.00", "1.50", "2.00", "2.50",
                                             "3.00", "4.00", "5.00", "6.00"};
        const std::vector<std::string> b = {"200.00", "250.00", "300.00", "400.00"};
        const std::vector<std::string> t = {"16.00", "20.00", "25.00", "12.00"};
        const std::vector<std::string> hw = {"368.00", "560.00", "760.00", "960.00"};
        const std::vector<std::string> tw = {"8.00", "10.00", "12.00", "14.00"};
        const std::vector<std::string> mx = {"10.00",  "20.00",  "50.00",
                                             "100.00", "200.00", "300.00"};
        entry.fields = {
            SteelEditionField(),
            ChoiceField("series", BeamSeriesEntries(), BeamSeriesEntries().front(),
                        "section series: a rolled H series or the welded I", "截面"),
            HSectionNameField("截面"),
            {.name = "B",
             .defaultValue = b[0],
             .help = "welded I: flange width, both flanges (mm)",
             .label = "翼缘宽度 B",
             .unit = "mm",
             .presets = b,
             .control = "b"},
            PresetNumberField("t", t, "welded I: flange thickness, both flanges (mm)", "翼缘厚度 t",
                              "mm"),
            PresetNumberField("hw", hw, "welded I: clear web height between the flanges (mm)",
                              "腹板净高度 hw", "mm"),
            PresetNumberField("tw", tw, "welded I: web thickness (mm)", "腹板厚度 tw", "mm"),
            PresetNumberField("l1", l1, "overhang length of the cantilever (m)", "悬伸长度 l1",
                              "m"),
            {.name = "case",
             .defaultValue = "1",
             .allowed = {"1", "2", "3"},
             .help = "load case of table B.4: 1 free-end point load on the top flange, 2 on the "
                     "bottom flange, 3 uniform load on the top flange",
             .label = "荷载情况(表B.4)",
             .control = "loadCase",
             .entries = TextsOf(CantileverLoadCaseCaptions())},
            GradeField({"Q235", "Q345", "Q390", "Q420"}),
            {.name = "Mx",
             .defaultValue = mx[0],
             .help = "moment at the support, a magnitude (kN*m)",
             .label = "Mx",
             .unit = "kN*m",
             .presets = mx,
             .control = "mx"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunCantileverBeam(const FieldValues& v) {
    CantileverBeamInput in;
    in.edition = SteelEditionOf(v);
    in.series = v.at("series");
    in.name = v.at("name");
    if (IsRolledHSeries(in.series)) {
        // The dialog offers only the names of the chosen series.
        const NameList names = BeamSeriesNames(in.series);
        if (std::find(names.begin(), names.end(), in.name) == names.end()) {
            std::ostringstream usage;
            usage << "ferrolab-calc: '" << in.name << "' is not a section of " << in.series << '\n';
            return UsageError(usage.str());
        }
    }
    in.b = TextToDouble(v.at("B"));
    in.t = TextToDouble(v.at("t"));
    in.hw = TextToDouble(v.at("hw"));
    in.tw = TextToDouble(v.at("tw"));
    in.l1 = TextToDouble(v.at("l1"));
    in.loadCase = static_cast<int>(TextToDouble(v.at("case")));
    in.fy = GradeOfEntry(v.at("grade"));
    in.mx = TextToDouble(v.at("Mx"));
    const CantileverBeamResult result = ComputeCantileverBeam(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
