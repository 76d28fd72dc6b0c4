#pragma once
// A catalogue section looked up by name for a cold-formed member check: the property text the
// dialog shows beside the list and the values the check takes from it.

#include <string>
#include <string_view>
#include <vector>

#include "engine/Notice.h"
#include "engine/SectionRecord.h"

namespace ferrolab {

template <class Values> struct CatalogueSectionLoad {
    bool recognised = false; // the name begins like one of the calculator's section kinds
    bool found = false;      // ... and the catalogue holds it
    std::string text;        // the property text (empty unless found)
    Values values;
    std::vector<Notice> notices; // the box shown when the catalogue lacks the name

    // After the look-up: a name the catalogue lacks leaves no text and no values, only the box
    // that says so.
    void RefuseIfMissing(std::string_view name) {
        if (!found) {
            text.clear();
            values = {};
            notices.push_back(SectionNotFound(name));
        }
    }
};

} // namespace ferrolab
