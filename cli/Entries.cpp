#include "cli/Entries.h"

namespace ferrolab::cli {

const std::vector<Entry>& AllEntries() {
    static const std::vector<Entry> entries = {
        BuiltUpSectionEntry(),
        SectionEntry(),
        DesignValuesEntry(),
        SeatedPinnedEntry(),
        ColumnBaseEntry(),
    };
    return entries;
}

} // namespace ferrolab::cli
