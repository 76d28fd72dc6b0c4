#include "cli/Entries.h"

namespace ferrolab::cli {

const std::vector<Entry>& AllEntries() {
    static const std::vector<Entry> entries = {
        BuiltUpSectionEntry(),
        SectionEntry(),
        DesignValuesEntry(),
        ColumnLengthFactorEntry(),
        SeismicEntry(),
    };
    return entries;
}

} // namespace ferrolab::cli
