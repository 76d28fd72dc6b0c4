#pragma once
// One factory per calculator's runner entry; cli/Entries.cpp lists them in menu order.

#include "cli/Registry.h"

namespace ferrolab::cli {

Entry BuiltUpSectionEntry();
Entry SectionEntry();
Entry DesignValuesEntry();
Entry AxialMemberEntry();
Entry BeamStabilityEntry();
Entry RolledIBeamPhiEntry();
Entry RolledChannelBeamEntry();
Entry ColdFormedSectionEntry();
Entry ColdFormedBeamEntry();
Entry ColdFormedAxialEntry();
Entry BeamColumnPinnedEntry();
Entry FilletWeldMnvEntry();
Entry FilletWeldTorqueEntry();
Entry BoltCapacityEntry();
Entry BoltGroupEntry();
Entry SeatedPinnedEntry();
Entry ColumnBaseEntry();
Entry ColumnLengthFactorEntry();
Entry SeismicEntry();

} // namespace ferrolab::cli
