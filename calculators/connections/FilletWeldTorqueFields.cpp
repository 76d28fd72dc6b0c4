#include "calculators/Calculators.h"
#include "calculators/connections/FilletWeldTorque.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {

const Description& FilletWeldTorqueDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "fillet-weld-torque";
        entry.caption = kFilletWeldTorqueCaption;
        entry.fields = {
            {"b", "150.00", {}, "lap length of the plate, mm"},
            {"h", "320.00", {}, "plate height, mm"},
            {"e", "280.00", {}, "distance of Fy beyond the plate end, mm"},
            {"hf", "6.00", {}, "weld leg size, mm"},
            {"Fx", "0.00", {}, "horizontal force, kN"},
            {"Fy", "340.00", {}, "vertical force, kN"},
            {"beta", "1.0", {}, "βf, 1.0 to 1.22"},
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
    const FilletWeldTorqueResult result = ComputeFilletWeldTorque(in);
    std::optional<std::string> text;
    if (result.report && result.xText && result.tText) {
        // The two read-only boxes the compute fills, then the report.
        text = "x: " + *result.xText + "\r\nT: " + *result.tText + "\r\n" + *result.report;
    }
    return Outcome{text, result.notices};
}

} // namespace ferrolab
