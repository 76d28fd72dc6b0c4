#include "calculators/Calculators.h"
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
        entry.fields = {
            {"K1", "0.00", {}, "柱上端横梁与柱的线刚度比 (0: hinged; above 10 taken as 10)"},
            {"K2", "0.00", {}, "柱下端横梁与柱的线刚度比 (0: hinged; above 10 taken as 10)"},
            {"frame", kinds[0], {kinds.begin(), kinds.end()}, "框架类型"},
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
    const ColumnLengthFactorResult result = ComputeColumnLengthFactor(in);
    return Outcome{result.report, result.notices};
}

} // namespace ferrolab
