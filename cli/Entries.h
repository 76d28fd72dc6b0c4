#pragma once
// One factory per calculator's runner entry; cli/Entries.cpp lists them in menu order.

#include "cli/Registry.h"

namespace ferrolab::cli {

Entry BuiltUpSectionEntry();
Entry SectionEntry();
Entry DesignValuesEntry();
Entry ColumnLengthFactorEntry();
Entry SeismicEntry();

} // namespace ferrolab::cli
