#pragma once
// The slip factor and pretension of the friction-type high-strength bolts of the beam splice and
// the secondary-beam joint, from the tables of the edition chosen.

#include <string>
#include <variant>

#include "engine/Materials.h"

namespace ferrolab {

struct SlipTerms {
    double mu = 0;      // slip factor μ
    int pretension = 0; // pretension P (kN)
};

// μ and P of a bolt of class 88 or 109 and diameter d (mm) on plates of `grade` whose faying
// surface is entry `surface` of the edition's list: GB50017-2003 tables 7.2.2-1 and 7.2.2-2, or
// GB50017-2017 tables 11.4.2-1 and 11.4.2-2. Where the tables give no value (table 11.4.2-1
// forbids the surface on the grade, or a size without P), the message that refuses the input.
std::variant<SlipTerms, std::string> FrictionSlipTerms(bool edition2017, SteelGrade grade,
                                                       int surface, int boltClass, int d);

} // namespace ferrolab
