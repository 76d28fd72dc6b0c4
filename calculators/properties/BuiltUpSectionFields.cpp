#include "calculators/Calculators.h"
#include "calculators/properties/BuiltUpSection.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {

const Description& BuiltUpSectionDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "builtup-section";
        entry.caption = "工字形、T形、矩形、十字形截面参数计算";
        // The dimensions are in the length unit the "unit" field picks; the dialog shows no unit
        // beside them.
        const std::vector<std::string> b1 = {"200.00", "210.00", "220.00", "230.00"};
        const std::vector<std::string> t1 = {"16.00", "17.00", "18.00", "19.00"};
        const std::vector<std::string> hw = {"1100.00", "1200.00", "1300.00", "1400.00"};
        const std::vector<std::string> tw = {"10.00", "11.00", "12.00", "13.00"};
        const std::vector<std::string> b2 = {"350.00", "360.00", "370.00", "380.00"};
        const std::vector<std::string> t2 = {"16.00", "17.00", "18.00", "19.00"};
        entry.fields = {
            {.name = "B1",
             .defaultValue = b1[0],
             .help = "top flange width",
             .label = "上翼缘宽度 B1",
             .presets = b1,
             .control = "b1"},
            {.name = "t1",
             .defaultValue = t1[0],
             .help = "top flange thickness",
             .label = "上翼缘厚度 t1",
             .presets = t1,
             .control = "t1"},
            // The box beside the radio button "腹板净高度 Hw"; the overall height H the dialog
            // offers instead is no field of its own (hw = H - t1 - t2).
            {.name = "hw",
             .defaultValue = hw[0],
             .help = "clear web height",
             .label = "腹板净高度 Hw",
             .presets = hw,
             .control = "hw"},
            {.name = "tw",
             .defaultValue = tw[0],
             .help = "web thickness",
             .label = "腹板厚度  Tw",
             .presets = tw,
             .control = "tw"},
            {.name = "B2",
             .defaultValue = b2[0],
             .help = "bottom flange width",
             .label = "下翼缘宽度 B2",
             .presets = b2,
             .control = "b2"},
            {.name = "t2",
             .defaultValue = t2[0],
             .help = "bottom flange thickness",
             .label = "下翼缘厚度 t2",
             .presets = t2,
             .control = "t2"},
            // The runner takes the method's number, the dialog's radio buttons show its name.
            {.name = "method",
             .defaultValue = "0",
             .allowed = {"0", "1", "2"},
             .help = "0 精确计算法 1, 1 精确计算法 2, 2 常用简化计算法",
             .label = "计算方法",
             .control = "method",
             .entries = {"精确计算法 1", "精确计算法 2", "常用简化计算法"}},
            {.name = "format",
             .defaultValue = "0",
             .allowed = {"0", "1"},
             .help = "0 科学计数法, 1 小数点后两位",
             .label = "计算结果表达方式",
             .control = "format",
             .entries = {"科学计数法", "小数点后两位"}},
            ChoiceField("unit", {"mm", "cm", "m"}, "mm", "length unit of every dimension", "长度"),
            {.name = "density",
             .defaultValue = "7850",
             .help = "kg/m3",
             .label = "密度",
             .unit = "kg/m3",
             .presets = {"7850"},
             .control = "density"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunBuiltUpSection(const FieldValues& v) {
    std::ostringstream usage;
    BuiltUpSectionInput in;
    in.b1 = TextToDouble(v.at("B1"));
    in.t1 = TextToDouble(v.at("t1"));
    in.hw = TextToDouble(v.at("hw"));
    in.tw = TextToDouble(v.at("tw"));
    in.b2 = TextToDouble(v.at("B2"));
    in.t2 = TextToDouble(v.at("t2"));
    in.method = static_cast<IxMethod>(static_cast<int>(TextToDouble(v.at("method"))));
    in.format = static_cast<ResultFormat>(static_cast<int>(TextToDouble(v.at("format"))));
    in.unit = v.at("unit");
    in.density = TextToDouble(v.at("density"));
    const BuiltUpSectionResult result = ComputeBuiltUpSection(in);
    return Outcome{result.report, result.notices};
}

} // namespace ferrolab
