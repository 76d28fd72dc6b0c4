#pragma once
// The calculator table as the runner and the shell read it: every calculator's description and
// run, with the menu command that opens its dialog (0 for a runner entry without a dialog).
// The rows are in calculators/Calculators.def.

#include <string_view>
#include <vector>

#include "calculators/Commands.h"
#include "calculators/Description.h"

namespace ferrolab {

#define FERROLAB_CALCULATOR(Unit, command, Dialog)                                                 \
    const Description& Unit##Description();                                                        \
    Outcome Run##Unit(const FieldValues& values);
#define FERROLAB_LOOKUP(Unit) FERROLAB_CALCULATOR(Unit, 0, None)
#include "calculators/Calculators.def"

struct Calculator {
    const Description& (*description)();
    Outcome (*run)(const FieldValues& values);
    int command; // 0: no menu item
};

// Every row, in menu order.
const std::vector<Calculator>& AllCalculators();
// The row of a runner id, or nullptr.
const Calculator* FindCalculator(std::string_view id);

} // namespace ferrolab
