#pragma once
// The section selection dialog's lists: the section families it offers and the rule that
// choosing a hot-rolled H series refills the section list with that series.

#include <optional>
#include <string_view>
#include <vector>

#include "sections/SectionLists.h"

namespace ferrolab {

inline constexpr const char* kSelectSectionCaption = "选择截面";

// "焊接工字型(上下翼缘等宽)", the four H series, "等边双角钢" ... "槽钢" (12 entries).
const std::vector<const char*>& SelectionFamilyEntries();

// The names that fill the section list once this family is chosen: the series' names in
// catalogue order (the wide-flange series without "HW428x407"). Empty for every other family,
// which leaves the list as it is.
std::optional<NameList> SelectionSeriesNames(std::string_view family);

} // namespace ferrolab
