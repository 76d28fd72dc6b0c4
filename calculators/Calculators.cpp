#include "calculators/Calculators.h"

#include <algorithm>

namespace ferrolab {

const std::vector<Calculator>& AllCalculators() {
    static const std::vector<Calculator> rows = {
#define FERROLAB_CALCULATOR(Unit, command, Dialog) {&Unit##Description, &Run##Unit, command},
#define FERROLAB_LOOKUP(Unit) {&Unit##Description, &Run##Unit, 0},
#include "calculators/Calculators.def"
    };
    return rows;
}

const Calculator* FindCalculator(std::string_view id) {
    const auto& rows = AllCalculators();
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const Calculator& row) { return row.description().id == id; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace ferrolab
