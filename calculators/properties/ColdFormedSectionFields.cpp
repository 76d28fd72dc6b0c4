#include "calculators/Calculators.h"
#include "calculators/properties/ColdFormedSection.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

const Description& ColdFormedSectionDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "coldformed-section";
        entry.caption = kColdFormedSectionCaption;
        const std::vector<std::string> a = {"0.00", "15.00", "20.00"};
        const std::vector<std::string> h = {"60.00", "80.00", "100.00", "120.00", "140.00"};
        const std::vector<std::string> b = {"30.00", "40.00", "50.00", "60.00"};
        const std::vector<std::string> t = {"2.5", "3.0", "3.5"};
        entry.fields = {
            ChoiceField("family", {kCFFamilyNames.begin(), kCFFamilyNames.end()}, kCFFamilyNames[0],
                        "section family", "原始数据（需按中心线输入）"),
            PresetNumberField("a", a, "lip length, mm (families with lips only; the others take 0)",
                              "a", "mm"),
            PresetNumberField("h", h, "web depth, mm (centreline)", "h", "mm"),
            PresetNumberField("b", b, "flange width, mm (centreline)", "b", "mm"),
            PresetNumberField("t", t, "thickness, mm", "t", "mm"),
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunColdFormedSection(const FieldValues& v) {
    ColdFormedSectionInput in;
    for (std::size_t i = 0; i < kCFFamilyNames.size(); ++i) {
        if (v.at("family") == kCFFamilyNames[i]) {
            in.family = static_cast<CFFamily>(i);
        }
    }
    in.a = TextToDouble(v.at("a"));
    in.h = TextToDouble(v.at("h"));
    in.b = TextToDouble(v.at("b"));
    in.t = TextToDouble(v.at("t"));
    ColdFormedSectionResult result = ComputeColdFormedSection(in);
    // The dialog warns about a thick wall as soon as it is typed.
    if (const auto warning = ThicknessNotice(in.t)) {
        result.notices.insert(result.notices.begin(), *warning);
    }
    return Outcome{result.report, result.notices};
}

} // namespace ferrolab
