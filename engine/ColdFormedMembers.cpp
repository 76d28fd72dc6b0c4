#include "engine/ColdFormedMembers.h"

#include <array>

namespace ferrolab {
namespace {

// GB50018-2002 table A.2.1: per load case, (ξ1, ξ2) without support, with one support at
// mid-span, with two or more equally spaced supports.
struct XiPair {
    double xi1, xi2;
};
constexpr std::array<std::array<XiPair, 3>, 7> kXi = {{
    {{{1.13, 0.46}, {1.35, 0.14}, {1.37, 0.06}}},
    {{{1.35, 0.55}, {1.83, 0.0}, {1.68, 0.08}}},
    {{{1.00, 0.0}, {1.00, 0.0}, {1.00, 0.0}}},
    {{{1.32, 0.0}, {1.31, 0.0}, {1.31, 0.0}}},
    {{{1.83, 0.0}, {1.77, 0.0}, {1.75, 0.0}}},
    {{{2.39, 0.0}, {2.13, 0.0}, {2.03, 0.0}}},
    {{{2.24, 0.0}, {1.89, 0.0}, {1.77, 0.0}}},
}};
constexpr std::array<double, 3> kMuB = {1.0, 0.5, 0.33};

// GB50018-2002 table 5.2.4: (α, β) without and with battens; the first condition has no batten
// column.
constexpr std::array<CFRestraint, 3> kWithoutBattens = {{{1.00, 1.00}, {1.00, 0.50}, {0.72, 0.50}}};
constexpr CFRestraint kWithBattens = {0.80, 1.00};

} // namespace

bool GetColdFormedBeamFactors(int bracing, int loadCase, double* muB, double* xi1, double* xi2) {
    if (bracing < 0 || bracing >= static_cast<int>(kMuB.size()) || loadCase < 0 ||
        loadCase >= static_cast<int>(kXi.size())) {
        return false;
    }
    const XiPair& xi = kXi[static_cast<std::size_t>(loadCase)][static_cast<std::size_t>(bracing)];
    *muB = kMuB[static_cast<std::size_t>(bracing)];
    *xi1 = xi.xi1;
    *xi2 = xi.xi2;
    return true;
}

bool GetColdFormedBeamFactors(int bracing, int loadCase, CFBeamFactors* factors) {
    return GetColdFormedBeamFactors(bracing, loadCase, &factors->muB, &factors->xi1, &factors->xi2);
}

bool GetOpenSectionRestraint(int endCondition, bool battens, CFRestraint* restraint) {
    if (endCondition < 0 || endCondition >= static_cast<int>(kWithoutBattens.size())) {
        return false;
    }
    if (battens) {
        if (endCondition == static_cast<int>(CFEndCondition::PinnedFreeWarping)) {
            return false;
        }
        *restraint = kWithBattens;
        return true;
    }
    *restraint = kWithoutBattens[static_cast<std::size_t>(endCondition)];
    return true;
}

} // namespace ferrolab
