#include "cli/Entries.h"

namespace ferrolab::cli {

const std::vector<Entry>& AllEntries() {
    // In menu order, one entry a line (the catalogue look-up last).
    // clang-format off
    static const std::vector<Entry> entries = {
        BuiltUpSectionEntry(),
        ColdFormedSectionEntry(),
        BoltCapacityEntry(),
        BoltGroupEntry(),
        DesignValuesEntry(),
        FilletWeldMnvEntry(),
        FilletWeldTorqueEntry(),
        AxialMemberEntry(),
        BeamStabilityEntry(),
        RolledIBeamPhiEntry(),
        RolledChannelBeamEntry(),
        ColdFormedBeamEntry(),
        ColdFormedAxialEntry(),
        ColumnLengthFactorEntry(),
        SeismicEntry(),
        BeamColumnPinnedEntry(),
        SeatedPinnedEntry(),
        ColumnBaseEntry(),
        SectionEntry(),
    };
    // clang-format on
    return entries;
}

} // namespace ferrolab::cli
