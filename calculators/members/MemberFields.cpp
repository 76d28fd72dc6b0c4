#include "calculators/members/MemberFields.h"

namespace ferrolab {

FieldSpec HSectionNameField(const char* label) {
    return FieldSpec{.name = "name",
                     .defaultValue = "HW100x100",
                     .help = "a section name of the chosen H series (e.g. HN400x200)",
                     .kind = FieldKind::Catalogue,
                     .label = label,
                     .control = "section"};
}

} // namespace ferrolab
