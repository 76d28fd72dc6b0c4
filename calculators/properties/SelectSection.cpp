#include "calculators/properties/SelectSection.h"

namespace ferrolab {

const std::vector<const char*>& SelectionFamilyEntries() {
    static const std::vector<const char*> entries = {
        "焊接工字型(上下翼缘等宽)",
        kSeriesCaptionHW.data(),
        kSeriesCaptionHM.data(),
        kSeriesCaptionHN.data(),
        kSeriesCaptionHP.data(),
        "等边双角钢",
        "不等边双角钢短肢相靠",
        "不等边双角钢长肢相靠",
        "圆钢管",
        "工字型",
        "方钢管",
        "槽钢",
    };
    return entries;
}

std::optional<NameList> SelectionSeriesNames(std::string_view family) {
    if (family == kSeriesCaptionHW) {
        return HWSelectionNames();
    }
    if (family == kSeriesCaptionHM) {
        return HMNames();
    }
    if (family == kSeriesCaptionHN) {
        return HNNames();
    }
    if (family == kSeriesCaptionHP) {
        return HPNames();
    }
    return std::nullopt;
}

} // namespace ferrolab
