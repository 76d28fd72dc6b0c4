#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/AxialStability.h"
#include "engine/Members2017.h"

using namespace ferrolab;

namespace {

TEST(Members2017, EpsilonKIsTheRootOf235OverTheGradesNumber) {
    EXPECT_DOUBLE_EQ(EpsilonK(235), 1.0);
    // The commentary's values: Q345 0.825, Q390 0.776, Q420 0.748, Q460 0.715.
    EXPECT_NEAR(EpsilonK(345), 0.825, 0.0005);
    EXPECT_NEAR(EpsilonK(390), 0.776, 0.0005);
    EXPECT_NEAR(EpsilonK(420), 0.748, 0.0005);
    EXPECT_NEAR(EpsilonK(460), 0.715, 0.0005);
    EXPECT_EQ(EpsilonK(0), 0);
}

struct ClassCase {
    int type;
    double b, h, t;
    int flameCut;
    int fy;
    const char* x; // printed class about x, then the curve
    char curveX;
    const char* y;
    char curveY;
    bool thick;
};

TEST(Members2017, SectionClassesOfTable721) {
    const ClassCase cases[] = {
        // Rolled H, b/h > 0.8: a* and b*, one curve lower for Q235.
        {kSectionTypeRolledI, 100, 100, 8, 0, 235, "a*", 'b', "b*", 'c', false},
        {kSectionTypeRolledI, 100, 100, 8, 0, 345, "a*", 'a', "b*", 'b', false},
        {kSectionTypeRolledI, 100, 100, 8, 0, 460, "a*", 'a', "b*", 'b', false},
        // b/h exactly 0.8 is not above it: a and b for every grade.
        {kSectionTypeRolledI, 80, 100, 8, 0, 235, "a", 'a', "b", 'b', false},
        {kSectionTypeRolledI, 80, 100, 8, 0, 345, "a", 'a', "b", 'b', false},
        // Welded I: flame-cut b/b, rolled or sheared edges b/c, whatever the grade.
        {kSectionTypeWeldedI, 250, 274, 12, 1, 235, "b", 'b', "b", 'b', false},
        {kSectionTypeWeldedI, 250, 274, 12, 0, 345, "b", 'b', "c", 'c', false},
        // Table 7.2.1-2 from 40 mm on: rolled b/c below 80 mm, c/d from 80 mm (b/h not asked).
        {kSectionTypeRolledI, 400, 400, 39.99, 0, 235, "a*", 'b', "b*", 'c', false},
        {kSectionTypeRolledI, 400, 400, 40, 0, 235, "b", 'b', "c", 'c', true},
        {kSectionTypeRolledI, 400, 400, 79.9, 0, 345, "b", 'b', "c", 'c', true},
        {kSectionTypeRolledI, 400, 400, 80, 0, 345, "c", 'c', "d", 'd', true},
        {kSectionTypeWeldedI, 400, 500, 40, 1, 345, "b", 'b', "b", 'b', true},
        {kSectionTypeWeldedI, 400, 500, 40, 0, 345, "c", 'c', "d", 'd', true},
    };
    for (const ClassCase& c : cases) {
        const AxialClass2017 x =
            GetSectionClass2017(c.type, c.b, c.h, c.t, 'x', 0, c.flameCut, c.fy);
        const AxialClass2017 y =
            GetSectionClass2017(c.type, c.b, c.h, c.t, 'y', 0, c.flameCut, c.fy);
        const std::string where =
            std::to_string(c.type) + " t=" + std::to_string(c.t) + " fy=" + std::to_string(c.fy);
        EXPECT_EQ(x.printed, c.x) << where;
        EXPECT_EQ(x.curve, c.curveX) << where;
        EXPECT_EQ(y.printed, c.y) << where;
        EXPECT_EQ(y.curve, c.curveY) << where;
        EXPECT_EQ(x.thick, c.thick) << where;
    }
    // Not covered: the plain type from 40 mm, another axis, another type, a thickness that is no
    // number.
    EXPECT_EQ(GetSectionClass2017(kSectionTypePlain, 1, 1, 40, 'x', 1, 0, 235).curve, 'n');
    EXPECT_EQ(GetSectionClass2017(kSectionTypePlain, 1, 1, 20, 'x', 1, 0, 235).curve, 'b');
    EXPECT_EQ(GetSectionClass2017(kSectionTypeRolledI, 1, 1, 20, 'z', 0, 0, 235).curve, 'n');
    EXPECT_EQ(GetSectionClass2017(31, 1, 1, 20, 'x', 0, 0, 235).curve, 'n');
    EXPECT_EQ(GetSectionClass2017(kSectionTypeRolledI, 1, 1, std::nan(""), 'x', 0, 0, 235).curve,
              'n');
}

TEST(Members2017, BeamWidthThicknessClassesOfTable351) {
    struct Case {
        double ratio;
        int fy;
        int flange, web;
    };
    // Q235 (εk = 1): flange 9/11/13/15/20, web 65/72/93/124/250; a ratio at a limit is in it.
    const Case cases[] = {
        {9, 235, 1, 1},
        {9.01, 235, 2, 1},
        {11, 235, 2, 1},
        {13, 235, 3, 1},
        {13.01, 235, 4, 1},
        {15, 235, 4, 1},
        {15.01, 235, 5, 1},
        {20, 235, 5, 1},
        {20.01, 235, 6, 1},
        {65, 235, 6, 1},
        {65.01, 235, 6, 2},
        {72, 235, 6, 2},
        {93, 235, 6, 3},
        {93.01, 235, 6, 4},
        {124, 235, 6, 4},
        {124.01, 235, 6, 5},
        {250, 235, 6, 5},
        {250.01, 235, 6, 6},
        // Q345, εk = 0.8253: 13εk = 10.7292, 15εk = 12.3799, 93εk = 76.755,
        // 124εk = 102.340; the S5
        // limits carry no εk.
        {10.72, 345, 3, 1},
        {10.73, 345, 4, 1},
        {12.37, 345, 4, 1},
        {12.38, 345, 5, 1},
        {76.75, 345, 6, 3},
        {76.76, 345, 6, 4},
        {102.34, 345, 6, 4},
        {102.35, 345, 6, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BeamFlangeClass2017(c.ratio, EpsilonK(c.fy)), c.flange) << c.ratio << " " << c.fy;
        EXPECT_EQ(BeamWebClass2017(c.ratio, EpsilonK(c.fy)), c.web) << c.ratio << " " << c.fy;
    }
    EXPECT_EQ(BeamFlangeClass2017(std::numeric_limits<double>::infinity(), 1), 6);
    EXPECT_EQ(BeamWebClass2017(std::nan(""), 1), 6);
    EXPECT_DOUBLE_EQ(BeamFlangeLimit2017(3, 1), 13);
    EXPECT_DOUBLE_EQ(BeamFlangeLimit2017(5, 0.5), 20);
    EXPECT_DOUBLE_EQ(BeamWebLimit2017(4, 0.5), 62);
    EXPECT_DOUBLE_EQ(BeamWebLimit2017(5, 0.5), 250);
    EXPECT_EQ(BeamWebLimit2017(6, 1), 0);
}

TEST(Members2017, PlasticFactorsFollowTheClass) {
    for (int s = 1; s <= 3; ++s) {
        EXPECT_DOUBLE_EQ(AllowedGammaX2017(s), 1.05) << s;
        EXPECT_DOUBLE_EQ(AllowedGammaY2017(s), 1.2) << s;
    }
    for (int s = 4; s <= 5; ++s) {
        EXPECT_DOUBLE_EQ(AllowedGammaX2017(s), 1.0) << s;
        EXPECT_DOUBLE_EQ(AllowedGammaY2017(s), 1.0) << s;
    }
    EXPECT_EQ(SectionClassName(4), "S4");
}

} // namespace
