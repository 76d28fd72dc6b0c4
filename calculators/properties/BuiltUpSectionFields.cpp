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
        entry.fields = {
            {"B1", "200.00", {}, "top flange width"},
            {"t1", "16.00", {}, "top flange thickness"},
            {"hw", "1100.00", {}, "clear web height"},
            {"tw", "10.00", {}, "web thickness"},
            {"B2", "350.00", {}, "bottom flange width"},
            {"t2", "16.00", {}, "bottom flange thickness"},
            {"method", "0", {"0", "1", "2"}, "0 精确计算法 1, 1 精确计算法 2, 2 常用简化计算法"},
            {"format", "0", {"0", "1"}, "0 科学计数法, 1 小数点后两位"},
            {"unit", "mm", {"mm", "cm", "m"}, "length unit of every dimension"},
            {"density", "7850", {}, "kg/m3"},
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
