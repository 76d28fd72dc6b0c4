#include "calculators/Calculators.h"
#include "calculators/connections/FilletWeldTorque.h"
#include "engine/TextToNumber.h"
#include "engine/Welds2017.h"
#include <sstream>

namespace ferrolab {

const Description& FilletWeldTorqueDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "fillet-weld-torque";
        entry.caption = kFilletWeldTorqueCaption;
        const std::vector<std::string> b = {"150.00", "160.00", "170.00", "180.00"};
        const std::vector<std::string> h = {"320.00", "360.00", "380.00", "400.00", "420.00"};
        const std::vector<std::string> e = {"280.00", "320.00", "360.00", "400.00"};
        const std::vector<std::string> hf = {"6.00", "7.00", "8.00", "9.00", "10.00"};
        const std::vector<std::string> fy = {"340.00", "400.00", "460.00", "500.00"};
        const std::vector<std::string> beta = {"1.0", "1.1", "1.22"};
        // The sizes stand in the group "基本尺寸(mm)", the forces have "kN" on their right.
        entry.fields = {
            SteelEditionField(),
            PresetNumberField("b", b, "lap length of the plate, mm", "b", "mm"),
            PresetNumberField("h", h, "plate height, mm", "h", "mm"),
            PresetNumberField("e", e, "distance of Fy beyond the plate end, mm", "e", "mm"),
            PresetNumberField("hf", hf, "weld leg size, mm", "hf", "mm"),
            {.name = "Fx",
             .defaultValue = "0.00",
             .help = "horizontal force, kN",
             .label = "Fx",
             .unit = "kN",
             .presets = {"0.00"},
             .control = "Fx"},
            PresetNumberField("Fy", fy, "vertical force, kN", "Fy", "kN"),
            {.name = "beta",
             .defaultValue = beta[0],
             .help = "βf, 1.0 to 1.22",
             .label = "β",
             .presets = beta,
             .control = "beta"},
            // GB50017-2017 compares τA with ffw of the grade and electrode.
            GradeField(FilletWeldGradeEntries(), "edition 2017: steel grade of the welded plates"),
            WeldingMethodField(),
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunFilletWeldTorque(const FieldValues& v) {
    std::ostringstream usage;
    FilletWeldTorqueInput in;
    in.b = TextToDouble(v.at("b"));
    in.h = TextToDouble(v.at("h"));
    in.e = TextToDouble(v.at("e"));
    in.hf = TextToDouble(v.at("hf"));
    in.fx = TextToDouble(v.at("Fx"));
    in.fy = TextToDouble(v.at("Fy"));
    in.beta = TextToDouble(v.at("beta"));
    in.edition = SteelEditionOf(v);
    if (auto error = GradeNotOffered(in.edition, v.at("grade"))) {
        return UsageError(*error);
    }
    if (in.edition == kSteel2017) {
        in.grade = v.at("grade");
        in.electrode = ElectrodeOfEntry(v.at("electrode"));
        if (auto error = ElectrodeNotOffered(in.grade, in.electrode)) {
            return UsageError(*error);
        }
    }
    const FilletWeldTorqueResult result = ComputeFilletWeldTorque(in);
    std::optional<std::string> text;
    if (result.report && result.xText && result.tText) {
        // The two read-only boxes the compute fills, then the report.
        text = "x: " + *result.xText + "\r\nT: " + *result.tText + "\r\n" + *result.report;
    }
    return Outcome{text, result.notices, result.checks};
}

} // namespace ferrolab
