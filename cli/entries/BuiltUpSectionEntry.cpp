#include "cli/Entries.h"

namespace ferrolab::cli {
Entry BuiltUpSectionEntry() { return Entry{"builtup-section", "", {}, nullptr}; }
} // namespace ferrolab::cli
