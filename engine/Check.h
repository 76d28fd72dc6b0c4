#pragma once
// A code check that a report states: a demand (a stress, a bolt force, a coefficient) against
// the limit the report compares it with (ffw, Nvb, f, fc, ...). The calculation units return
// their checks beside the report; the dialogs show them as a verdict strip under the report and
// the runner prints them with --verdict. A report that states numbers only has no checks.

#include <string>
#include <vector>

namespace ferrolab {

struct Check {
    std::string name; // what is compared, e.g. "A点焊缝应力 σa/ffw"
    double demand = 0;
    double capacity = 0;

    bool operator==(const Check&) const = default;
};

// demand / capacity; a capacity of zero or less gives an infinite utilisation.
double Utilisation(const Check& check);

// The code's comparisons pass at equality: a stress exactly at its design strength is allowed.
bool Satisfied(const Check& check);

// One verdict line: the name, the utilisation to two decimals and "满足" or "不满足", e.g.
// "A点焊缝应力 σa/ffw = 0.85  满足". An infinite utilisation is written as ">999.99".
std::string VerdictLine(const Check& check);

} // namespace ferrolab
