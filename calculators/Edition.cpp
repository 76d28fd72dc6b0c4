#include "calculators/Edition.h"

namespace ferrolab {

FieldSpec SteelEditionField() {
    return FieldSpec{.name = "edition",
                     .defaultValue = "2003",
                     .allowed = {"2003", "2017"},
                     .help = "规范版本: 2003 (GB50017-2003) or 2017 (GB50017-2017)",
                     .kind = FieldKind::Choice,
                     .label = "规范版本",
                     .control = "edition",
                     .entries = {"GB50017-2003", "GB50017-2017"}};
}

FieldSpec SeismicEditionField() {
    return FieldSpec{.name = "edition",
                     .defaultValue = "2001",
                     .allowed = {"2001", "2010"},
                     .help = "规范版本: 2001 (GB50011-2001) or 2010 (GB50011-2010)",
                     .kind = FieldKind::Choice,
                     .label = "规范版本",
                     .control = "edition",
                     .entries = {"GB50011-2001", "GB50011-2010"}};
}

int SteelEditionOf(const FieldValues& values) {
    const auto it = values.find("edition");
    return it != values.end() && it->second == "2017" ? kSteel2017 : kSteel2003;
}

int SeismicEditionOf(const FieldValues& values) {
    const auto it = values.find("edition");
    return it != values.end() && it->second == "2010" ? kSeismic2010 : kSeismic2001;
}

} // namespace ferrolab
