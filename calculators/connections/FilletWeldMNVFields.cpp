#include "calculators/Calculators.h"
#include "calculators/Edition.h"
#include "calculators/connections/FilletWeldMNV.h"
#include "calculators/connections/FilletWeldStrength.h"
#include "engine/TextToNumber.h"
#include "engine/Welds2017.h"
#include <sstream>

namespace ferrolab {

const Description& FilletWeldMnvDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "fillet-weld-mnv";
        entry.caption = kFilletWeldMnvCaption;
        const std::vector<std::string> b1 = {"100.00", "200.00", "210.00", "220.00", "230.00"};
        const std::vector<std::string> t1 = {"16.00", "17.00", "18.00", "19.00"};
        const std::vector<std::string> h0 = {"1100.00", "1200.00", "1300.00", "1400.00"};
        const std::vector<std::string> tw = {"10.00", "11.00",  "12.00",
                                             "13.00", "100.00", "200.00"};
        const std::vector<std::string> b2 = {"50.00",  "100.00", "350.00",
                                             "360.00", "370.00", "380.00"};
        const std::vector<std::string> t2 = {"10.00", "16.00", "17.00", "18.00", "19.00"};
        const std::vector<std::string> hf = {"6.00", "7.00", "8.00", "10.00", "12.00", "20.00"};
        const std::vector<std::string> f = {"100.00", "150.00", "200.00", "250.00"};
        const std::vector<std::string> e = {"200.00", "400.00", "500.00", "600.00"};
        // The weld sizes stand in the group "原始数据(mm)"; F and e carry their units in the label.
        entry.fields = {
            SteelEditionField(),
            PresetNumberField("b1", b1, "top flange width, mm", "上翼缘宽度 b1", "mm"),
            PresetNumberField("t1", t1, "top flange thickness, mm", "上翼缘厚度 t1", "mm"),
            PresetNumberField("h0", h0, "clear web height, mm", "腹板净高度 h0", "mm"),
            PresetNumberField("tw", tw, "web thickness, mm", "腹板厚度  tw", "mm"),
            PresetNumberField("b2", b2, "bottom flange width, mm", "下翼缘宽度 b2", "mm"),
            PresetNumberField("t2", t2, "bottom flange thickness, mm", "下翼缘厚度 t2", "mm"),
            PresetNumberField("hf", hf, "weld leg size, mm", "焊脚尺寸 hf", "mm"),
            PresetNumberField("F", f, "force parallel to the web, kN", "F(kN)", "kN"),
            PresetNumberField("e", e, "eccentricity of F, mm", "e(mm)", "mm"),
            GradeField(FilletWeldGradeEntries()),
            // The welding-method list follows the grade and the edition.
            WeldingMethodField(),
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
    in.edition = SteelEditionOf(v);
    if (auto error = GradeNotOffered(in.edition, in.grade)) {
        return UsageError(*error);
    }
    if (in.edition == kSteel2017) {
        in.electrode = ElectrodeOfEntry(v.at("electrode"));
        if (auto error = ElectrodeNotOffered(in.grade, in.electrode)) {
            return UsageError(*error);
        }
    }
    const FilletWeldMnvResult result = ComputeFilletWeldMnv(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
