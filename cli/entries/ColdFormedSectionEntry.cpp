#include "calculators/properties/ColdFormedSection.h"
#include "cli/Entries.h"
#include "engine/TextToNumber.h"

namespace ferrolab::cli {

Entry ColdFormedSectionEntry() {
    Entry entry;
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
    entry.run = [](const FieldValues& v, std::ostream& out, std::ostream& err) {
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
        return EmitOutcome(result.report, result.notices, out, err);
    };
    return entry;
}

} // namespace ferrolab::cli
