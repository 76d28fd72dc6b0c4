// The 2017 material tables at the edges of their bands and their holes.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Materials2017.h"

using namespace ferrolab;

namespace {

TEST(Materials2017, Q345BandsAtTheirEdges) {
    // A thickness on a bound belongs to the thinner band (t_min < t <= t_max).
    const struct {
        double t;
        double f, fv, fy;
    } cases[] = {
        {16, 305, 175, 345}, {16.1, 295, 170, 335}, {40, 295, 170, 335}, {40.5, 290, 165, 325},
        {63, 290, 165, 325}, {63.5, 280, 160, 315}, {80, 280, 160, 315}, {100, 270, 155, 305},
    };
    for (const auto& c : cases) {
        const auto steel = GetSteelStrength2017("Q345", c.t);
        ASSERT_TRUE(steel) << c.t;
        EXPECT_EQ(steel->f, c.f) << c.t;
        EXPECT_EQ(steel->fv, c.fv) << c.t;
        EXPECT_EQ(steel->fy, c.fy) << c.t;
        EXPECT_EQ(steel->fce, 400) << c.t;
        EXPECT_EQ(steel->fu, 470) << c.t;
    }
    EXPECT_FALSE(GetSteelStrength2017("Q345", 100.5));
    EXPECT_FALSE(GetSteelStrength2017("Q345", NAN));
    EXPECT_FALSE(GetSteelStrength2017("Q355", 10));
    EXPECT_EQ(ThicknessBandLabels2017("Q345").size(), 5u);
}

TEST(Materials2017, OtherGradesAndQ345GJ) {
    EXPECT_EQ(GetSteelStrength2017("Q235", 40)->f, 205);
    EXPECT_EQ(GetSteelStrength2017("Q235", 41)->f, 200);
    EXPECT_EQ(GetSteelStrength2017("Q460", 17)->f, 390);
    EXPECT_EQ(GetSteelStrength2017("Q420", 64)->fu, 520);
    // Table 4.4.2 prints no Q345GJ band up to 16 mm.
    EXPECT_FALSE(GetSteelStrength2017("Q345GJ", 16));
    EXPECT_EQ(GetSteelStrength2017("Q345GJ", 50)->f, 325);
    EXPECT_EQ(GetSteelStrength2017("Q345GJ", 51)->f, 300);
}

TEST(Materials2017, WeldsByGradeElectrodeAndThickness) {
    // ffw follows the electrode: Q390 with E50 200, with E55 220.
    EXPECT_EQ(GetWeldStrength2017("Q390", "E50", 10)->ffw, 200);
    EXPECT_EQ(GetWeldStrength2017("Q390", "E55", 10)->ffw, 220);
    EXPECT_EQ(GetWeldStrength2017("Q345", "E55", 16.1)->fcw, 295);
    EXPECT_EQ(GetWeldStrength2017("Q345", "E50", 80)->ftw3, 240);
    EXPECT_EQ(GetWeldStrength2017("Q235", "E43", 16)->fvw, 125);
    EXPECT_FALSE(GetWeldStrength2017("Q235", "E50", 10));
    EXPECT_FALSE(GetWeldStrength2017("Q460", "E60", 101));
    // The Q345GJ weld bands are those of the weld table: 16-35, 35-50, 50-100.
    EXPECT_EQ(GetWeldStrength2017("Q345GJ", "E50", 35)->fcw, 310);
    EXPECT_EQ(GetWeldStrength2017("Q345GJ", "E50", 36)->fcw, 290);
    EXPECT_EQ(Electrodes2017("Q420")[1], std::string_view("E60"));
}

TEST(Materials2017, BoltsSlipPretensionHolesAndConcrete) {
    EXPECT_EQ(GetOrdinaryBoltStrength2017("4.6/4.8")->fvb, 140);
    EXPECT_EQ(GetBearingTypeBoltStrength2017("10.9")->fvb, 310);
    EXPECT_EQ(GetBearingStrength2017("Q460", 'C'), 450);
    EXPECT_EQ(GetBearingStrength2017("Q345GJ", 'H'), 615);
    EXPECT_EQ(GetAnchorBoltStrength2017("Q390"), 185);
    EXPECT_EQ(GetSlipFactor2017(2, "Q235"), 0.30);
    EXPECT_EQ(GetSlipFactor2017(2, "Q390"), 0.35);
    EXPECT_FALSE(GetSlipFactor2017(2, "Q460")); // the wire brush is not permitted
    EXPECT_EQ(GetSlipFactor2017(0, "Q460"), 0.45);
    EXPECT_EQ(GetBoltPretension2017("10.9", 22), 190);
    EXPECT_EQ(GetBoltPretension2017("8.8", 18), 0);
    EXPECT_EQ(GetHoleTypeFactor2017(3), 0.6);
    EXPECT_FALSE(GetHoleTypeFactor2017(4));
    EXPECT_EQ(GetConcreteStrength2010("C30"), 14.3);
    EXPECT_FALSE(GetConcreteStrength2010("C10"));
}

} // namespace
