#include "sections/tables/SectionTable.h"

namespace profilux {

// Not entered yet.
std::span<const SectionTableRecord> CFChannelTable() { return {}; }

} // namespace profilux
