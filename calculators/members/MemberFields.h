#pragma once
// Field descriptions the member calculators share.

#include "calculators/Description.h"

namespace ferrolab {

// The name of a rolled H section, picked from the list of the chosen H series (control
// "section"), under the dialog's `label`.
FieldSpec HSectionNameField(const char* label);

} // namespace ferrolab
