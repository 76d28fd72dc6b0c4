#include "calculators/Calculators.h"
#include "calculators/properties/ColdFormedSection.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {

const Description& ColdFormedSectionDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "coldformed-section";
        entry.caption = kColdFormedSectionCaption;
        entry.fields = {
            {"family",
             kCFFamilyNames[0],
             {kCFFamilyNames.begin(), kCFFamilyNames.end()},
             "section family"},
            {"a", "0.00", {}, "lip length, mm (families with lips only; the others take 0)"},
            {"h", "60.00", {}, "web depth, mm (centreline)"},
            {"b", "30.00", {}, "flange width, mm (centreline)"},
            {"t", "2.5", {}, "thickness, mm"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunColdFormedSection(const FieldValues& v) {
    std::ostringstream usage;
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
