#include <gtest/gtest.h>

#include "engine/ColdFormedMembers.h"

using namespace ferrolab;

namespace {

// GB50018-2002 table A.2.1 as printed: per load case, ξ1 and ξ2 for no support, one support at
// mid-span, two or more supports.
const double kTableA21[7][6] = {
    {1.13, 0.46, 1.35, 0.14, 1.37, 0.06}, {1.35, 0.55, 1.83, 0, 1.68, 0.08},
    {1.00, 0, 1.00, 0, 1.00, 0},          {1.32, 0, 1.31, 0, 1.31, 0},
    {1.83, 0, 1.77, 0, 1.75, 0},          {2.39, 0, 2.13, 0, 2.03, 0},
    {2.24, 0, 1.89, 0, 1.77, 0},
};

TEST(ColdFormedBeamFactors, EveryCellOfTableA21) {
    const double muB[3] = {1.0, 0.5, 0.33};
    for (int loadCase = 0; loadCase < 7; ++loadCase) {
        for (int bracing = 0; bracing < 3; ++bracing) {
            CFBeamFactors f;
            ASSERT_TRUE(GetColdFormedBeamFactors(bracing, loadCase, &f));
            EXPECT_EQ(f.muB, muB[bracing]) << loadCase << "/" << bracing;
            EXPECT_EQ(f.xi1, kTableA21[loadCase][2 * bracing]) << loadCase << "/" << bracing;
            EXPECT_EQ(f.xi2, kTableA21[loadCase][2 * bracing + 1]) << loadCase << "/" << bracing;
        }
    }
}

TEST(ColdFormedBeamFactors, OutsideTheTableWritesNothing) {
    const int outside[][2] = {{-1, 0}, {3, 0}, {0, -1}, {0, 7}};
    for (const auto& c : outside) {
        double mu = 9, xi1 = 9, xi2 = 9;
        EXPECT_FALSE(GetColdFormedBeamFactors(c[0], c[1], &mu, &xi1, &xi2));
        EXPECT_EQ(mu, 9);
        EXPECT_EQ(xi1, 9);
        EXPECT_EQ(xi2, 9);
    }
}

TEST(OpenSectionRestraint, Table524) {
    struct Case {
        int end;
        bool battens;
        double alpha, beta;
    };
    const Case cases[] = {
        {0, false, 1.00, 1.00}, {1, false, 1.00, 0.50}, {2, false, 0.72, 0.50},
        {1, true, 0.80, 1.00},  {2, true, 0.80, 1.00},
    };
    for (const Case& c : cases) {
        CFRestraint r;
        ASSERT_TRUE(GetOpenSectionRestraint(c.end, c.battens, &r));
        EXPECT_EQ(r.alpha, c.alpha) << c.end << c.battens;
        EXPECT_EQ(r.beta, c.beta) << c.end << c.battens;
    }
    // Free warping at pinned ends has no batten column; unknown conditions have none at all.
    for (const auto& [end, battens] : {std::pair{0, true}, {3, false}, {-1, true}}) {
        CFRestraint r{7, 7};
        EXPECT_FALSE(GetOpenSectionRestraint(end, battens, &r));
        EXPECT_EQ(r.alpha, 7);
    }
}

} // namespace
