#include "calculators/Calculators.h"
#include "calculators/connections/FilletWeldMNV.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {

const Description& FilletWeldMnvDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "fillet-weld-mnv";
        entry.caption = kFilletWeldMnvCaption;
        entry.fields = {
            {"b1", "100.00", {}, "top flange width, mm"},
            {"t1", "16.00", {}, "top flange thickness, mm"},
            {"h0", "1100.00", {}, "clear web height, mm"},
            {"tw", "10.00", {}, "web thickness, mm"},
            {"b2", "50.00", {}, "bottom flange width, mm"},
            {"t2", "10.00", {}, "bottom flange thickness, mm"},
            {"hf", "6.00", {}, "weld leg size, mm"},
            {"F", "100.00", {}, "force parallel to the web, kN"},
            {"e", "200.00", {}, "eccentricity of F, mm"},
            {"grade", "Q235", FilletWeldGradeEntries(), "steel grade"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunFilletWeldMnv(const FieldValues& v) {
    std::ostringstream usage;
    FilletWeldMnvInput in;
    in.b1 = TextToDouble(v.at("b1"));
    in.t1 = TextToDouble(v.at("t1"));
    in.h0 = TextToDouble(v.at("h0"));
    in.tw = TextToDouble(v.at("tw"));
    in.b2 = TextToDouble(v.at("b2"));
    in.t2 = TextToDouble(v.at("t2"));
    in.hf = TextToDouble(v.at("hf"));
    in.f = TextToDouble(v.at("F"));
    in.e = TextToDouble(v.at("e"));
    in.grade = v.at("grade");
    const FilletWeldMnvResult result = ComputeFilletWeldMnv(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
