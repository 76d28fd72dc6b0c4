#include "cli/Entries.h"

namespace ferrolab::cli {

const std::vector<Entry>& AllEntries() {
    // One entry a line, in menu order.
    // One entry a line, so that each calculator adds its own line.
    // clang-format off
    static const std::vector<Entry> entries = {
        BuiltUpSectionEntry(),
        SectionEntry(),
        DesignValuesEntry(),
        AxialMemberEntry(),
        BeamStabilityEntry(),
        RolledIBeamPhiEntry(),
        RolledChannelBeamEntry(),
        ColdFormedSectionEntry(),
        ColdFormedBeamEntry(),
        ColdFormedAxialEntry(),
        BeamColumnPinnedEntry(),
        FilletWeldMnvEntry(),
        FilletWeldTorqueEntry(),
        BoltCapacityEntry(),
        BoltGroupEntry(),
        SeatedPinnedEntry(),
        ColumnBaseEntry(),
        ColumnLengthFactorEntry(),
        SeismicEntry(),
    };
    // clang-format on
    return entries;
}

} // namespace ferrolab::cli
