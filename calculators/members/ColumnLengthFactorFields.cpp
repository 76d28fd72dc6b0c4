#include "calculators/Calculators.h"
#include "calculators/Edition.h"
#include "calculators/members/ColumnLengthFactor.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {

const Description& ColumnLengthFactorDescription() {
    static const Description description = [] {
        const std::vector<const char*>& kinds = FrameKindEntries();
        Description entry;
        entry.id = "column-length-factor";
        entry.caption = kColumnLengthFactorCaption;
        // The stiffness ratios of the tables D-1 and D-2.
        const std::vector<std::string> ratios = {"0.00", "0.05", "0.10", "0.20", "0.30",
                                                 "0.40", "0.50", "1.00", "2.00", "3.00",
                                                 "4.00", "5.00", "10.00"};
        entry.fields = {
            SteelEditionField(),
            {.name = "K1",
             .defaultValue = ratios[0],
             .help = "柱上端横梁与柱的线刚度比 (0: hinged; above 10 taken as 10)",
             .label = "柱上端线刚度比 K1",
             .presets = ratios,
             .control = "k1"},
            {.name = "K2",
             .defaultValue = ratios[0],
             .help = "柱下端横梁与柱的线刚度比 (0: hinged; above 10 taken as 10)",
             .label = "柱下端线刚度比 K2",
             .presets = ratios,
             .control = "k2"},
            ChoiceField("frame", {kinds.begin(), kinds.end()}, kinds[0], "框架类型", "框架类型"),
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunColumnLengthFactor(const FieldValues& v) {
    std::ostringstream usage;
    const std::vector<const char*>& kinds = FrameKindEntries();
    ColumnLengthFactorInput in;
    in.k1 = TextToDouble(v.at("K1"));
    in.k2 = TextToDouble(v.at("K2"));
    in.kind = v.at("frame") == kinds[1] ? FrameKind::Sway : FrameKind::NoSway;
    in.edition = SteelEditionOf(v);
    const ColumnLengthFactorResult result = ComputeColumnLengthFactor(in);
    return Outcome{result.report, result.notices};
}

} // namespace ferrolab
