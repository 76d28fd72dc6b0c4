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
            {.name = "b1",
             .defaultValue = b1[0],
             .help = "top flange width, mm",
             .label = "上翼缘宽度 b1",
             .unit = "mm",
             .presets = b1,
             .control = "b1"},
            {.name = "t1",
             .defaultValue = t1[0],
             .help = "top flange thickness, mm",
             .label = "上翼缘厚度 t1",
             .unit = "mm",
             .presets = t1,
             .control = "t1"},
            {.name = "h0",
             .defaultValue = h0[0],
             .help = "clear web height, mm",
             .label = "腹板净高度 h0",
             .unit = "mm",
             .presets = h0,
             .control = "h0"},
            {.name = "tw",
             .defaultValue = tw[0],
             .help = "web thickness, mm",
             .label = "腹板厚度  tw",
             .unit = "mm",
             .presets = tw,
             .control = "tw"},
            {.name = "b2",
             .defaultValue = b2[0],
             .help = "bottom flange width, mm",
             .label = "下翼缘宽度 b2",
             .unit = "mm",
             .presets = b2,
             .control = "b2"},
            {.name = "t2",
             .defaultValue = t2[0],
             .help = "bottom flange thickness, mm",
             .label = "下翼缘厚度 t2",
             .unit = "mm",
             .presets = t2,
             .control = "t2"},
            {.name = "hf",
             .defaultValue = hf[0],
             .help = "weld leg size, mm",
             .label = "焊脚尺寸 hf",
             .unit = "mm",
             .presets = hf,
             .control = "hf"},
            {.name = "F",
             .defaultValue = f[0],
             .help = "force parallel to the web, kN",
             .label = "F(kN)",
             .unit = "kN",
             .presets = f,
             .control = "F"},
            {.name = "e",
             .defaultValue = e[0],
             .help = "eccentricity of F, mm",
             .label = "e(mm)",
             .unit = "mm",
             .presets = e,
             .control = "e"},
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
