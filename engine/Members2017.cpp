#include "engine/Members2017.h"

#include <cmath>

#include "engine/AxialStability.h"

namespace ferrolab {
namespace {

bool IsRolledI(int type) {
    return type >= 11 && type <= 13;
}

bool IsWeldedI(int type) {
    return type >= 21 && type <= 23;
}

// Table 3.5.1, flexural members of I-section: the S1 to S4 limits in units of εk and the S5
// limit as printed, without εk. The S3 limit of the web, 93εk, is the one value here not read
// with certainty from the printed table (it agrees with the commentary's box-section values and
// lies between the S2 and S4 limits as the others do); it is used as given.
constexpr double kFlangeLimits[4] = {9, 11, 13, 15};
constexpr double kFlangeS5 = 20;
constexpr double kWebLimits[4] = {65, 72, 93, 124};
constexpr double kWebS5 = 250;

int ClassOf(double ratio, const double (&limits)[4], double s5, double epsK) {
    if (!std::isfinite(ratio)) {
        return 6;
    }
    for (int i = 0; i < 4; ++i) {
        if (ratio <= limits[i] * epsK) {
            return i + 1;
        }
    }
    return ratio <= s5 ? 5 : 6;
}

double LimitOf(int sClass, const double (&limits)[4], double s5, double epsK) {
    if (sClass >= 1 && sClass <= 4) {
        return limits[sClass - 1] * epsK;
    }
    return sClass == 5 ? s5 : 0;
}

} // namespace

double EpsilonK(int fy) {
    return fy > 0 ? std::sqrt(235.0 / fy) : 0;
}

AxialClass2017 GetSectionClass2017(int type, double b, double h, double t, char axis, int welded,
                                   int flameCut, int fy) {
    AxialClass2017 c;
    if ((axis != 'x' && axis != 'y') || !std::isfinite(t)) {
        return c;
    }
    const bool aboutX = axis == 'x';
    auto set = [&c](char letter) {
        c.curve = letter;
        c.printed = std::string(1, letter);
    };
    if (t < 40) {
        if (type == kSectionTypePlain) {
            set(welded == 1 ? 'b' : 'a');
        } else if (IsRolledI(type)) {
            if (b / h > 0.8) {
                // a* about x, b* about y: Q235 one curve lower than the stronger grades.
                const bool q235 = fy == 235;
                c.curve = aboutX ? (q235 ? 'b' : 'a') : (q235 ? 'c' : 'b');
                c.printed = aboutX ? "a*" : "b*";
            } else {
                set(aboutX ? 'a' : 'b');
            }
        } else if (IsWeldedI(type)) {
            set(flameCut ? 'b' : (aboutX ? 'b' : 'c'));
        }
        return c;
    }
    // Table 7.2.1-2, unchanged from the 2003 edition.
    c.thick = true;
    if (IsRolledI(type)) {
        set(t < 80 ? (aboutX ? 'b' : 'c') : (aboutX ? 'c' : 'd'));
    } else if (IsWeldedI(type)) {
        set(flameCut ? 'b' : (aboutX ? 'c' : 'd'));
    }
    return c;
}

int BeamFlangeClass2017(double outstandRatio, double epsK) {
    return ClassOf(outstandRatio, kFlangeLimits, kFlangeS5, epsK);
}

int BeamWebClass2017(double webRatio, double epsK) {
    return ClassOf(webRatio, kWebLimits, kWebS5, epsK);
}

double BeamFlangeLimit2017(int sClass, double epsK) {
    return LimitOf(sClass, kFlangeLimits, kFlangeS5, epsK);
}

double BeamWebLimit2017(int sClass, double epsK) {
    return LimitOf(sClass, kWebLimits, kWebS5, epsK);
}

double AllowedGammaX2017(int sClass) {
    return sClass >= 1 && sClass <= 3 ? 1.05 : 1.0;
}

double AllowedGammaY2017(int sClass) {
    return sClass >= 1 && sClass <= 3 ? 1.2 : 1.0;
}

std::string SectionClassName(int sClass) {
    return "S" + std::to_string(sClass);
}

} // namespace ferrolab
