#include "engine/Check.h"

#include <cmath>
#include <limits>

#include "engine/Format.h"

namespace ferrolab {

double Utilisation(const Check& check) {
    if (!(check.capacity > 0)) {
        return std::numeric_limits<double>::infinity();
    }
    return check.demand / check.capacity;
}

bool Satisfied(const Check& check) {
    return check.capacity > 0 && check.demand <= check.capacity;
}

std::string VerdictLine(const Check& check) {
    const double ratio = Utilisation(check);
    const std::string ratioText =
        std::isfinite(ratio) && ratio < 999.995 ? FormatNumber("%.2f", ratio) : ">999.99";
    return check.name + " = " + ratioText + "  " + (Satisfied(check) ? "满足" : "不满足");
}

} // namespace ferrolab
