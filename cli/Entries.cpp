#include "cli/Entries.h"

namespace ferrolab::cli {

const std::vector<Entry>& AllEntries() {
    // clang-format off
    static const std::vector<Entry> entries = {
        BuiltUpSectionEntry(),
        SectionEntry(),
        DesignValuesEntry(),
        ColumnLengthFactorEntry(),
        SeismicEntry(),
    };
    // clang-format on
    return entries;
}

} // namespace ferrolab::cli
