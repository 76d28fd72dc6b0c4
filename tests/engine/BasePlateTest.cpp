#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/BasePlate.h"
#include "engine/Format.h"

namespace ferrolab {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ConcreteFc, EveryTabulatedGradeAndNothingElse) {
    const std::pair<int, double> table[] = {{10, 5.0},  {15, 7.5},  {20, 10.0}, {25, 12.5},
                                            {30, 15.0}, {35, 17.5}, {40, 19.5}, {45, 21.5},
                                            {50, 23.5}, {55, 25.0}, {60, 26.5}};
    for (const auto& [grade, fc] : table) {
        EXPECT_EQ(GetConcreteFc(grade), fc) << "C" << grade;
    }
    for (int grade : {0, 5, 12, 65, -15, 150}) {
        EXPECT_EQ(GetConcreteFc(grade), 0) << "C" << grade;
    }
}

// Every knot gives its tabulated value in single precision.
TEST(FourSidePlateAlpha, KnotsInSinglePrecision) {
    const std::pair<double, float> knots[] = {
        {1.0, 0.0479f}, {1.2, 0.0626f}, {1.5, 0.0812f}, {2.0, 0.1017f},
        {2.5, 0.1132f}, {3.0, 0.1189f}, {4.0, 0.125f},
    };
    for (const auto& [r, alpha] : knots) {
        EXPECT_EQ(GetFourSidePlateAlpha(static_cast<float>(r)), static_cast<double>(alpha)) << r;
    }
    // 2.0, 2.5 and 3.0 are exact in both precisions: a ratio typed as them hits the knot.
    EXPECT_EQ(GetFourSidePlateAlpha(2.5), static_cast<double>(0.1132f));
    EXPECT_NE(GetFourSidePlateAlpha(1.0), 0.0479); // held as 0.0478999987...
    EXPECT_EQ(FormatNumber("%.10f", GetFourSidePlateAlpha(1.0)), "0.0478999987");
}

TEST(FourSidePlateAlpha, LinearBetweenKnotsAndFlatOutside) {
    // Midway between 2.0 and 2.5: (0.1017 + 0.1132) / 2 = 0.10745.
    EXPECT_NEAR(GetFourSidePlateAlpha(2.25), 0.10745, 1e-7);
    // 槽18b between shoe plates 290 apart: r = 290/180, α = 0.0862 + 0.1111·0.0046 = 0.08671.
    EXPECT_EQ(FormatNumber("%.5f", GetFourSidePlateAlpha(290.0 / 180.0)), "0.08671");
    // 3.0 to 4.0 spans a whole unit: 3.5 gives (0.1189 + 0.125) / 2.
    EXPECT_NEAR(GetFourSidePlateAlpha(3.5), 0.12195, 1e-7);
    EXPECT_EQ(GetFourSidePlateAlpha(4.5), 0.125);
    EXPECT_EQ(GetFourSidePlateAlpha(1e300), 0.125);
    EXPECT_EQ(GetFourSidePlateAlpha(0.5), static_cast<double>(0.0479f));
    EXPECT_EQ(GetFourSidePlateAlpha(kNaN), static_cast<double>(0.0479f));
}

TEST(ThreeSidePlateBeta, KnotsInSinglePrecision) {
    const std::pair<double, float> knots[] = {
        {0.35, 0.0355f}, {0.5, 0.0602f}, {0.75, 0.0924f}, {1.0, 0.1117f},
        {1.1, 0.1167f},  {1.3, 0.1235f}, {1.4, 0.125f},
    };
    for (const auto& [r, beta] : knots) {
        // The tabulated ratios are single precision too: ask at the knot itself.
        EXPECT_EQ(GetThreeSidePlateBeta(static_cast<float>(r)), static_cast<double>(beta)) << r;
    }
}

TEST(ThreeSidePlateBeta, CantileverBelow0299AndFlatAbove14) {
    EXPECT_EQ(GetThreeSidePlateBeta(0.2989), 0.5);
    EXPECT_EQ(GetThreeSidePlateBeta(0.0), 0.5);
    EXPECT_EQ(GetThreeSidePlateBeta(-1.0), 0.5);
    EXPECT_EQ(GetThreeSidePlateBeta(kNaN), 0.5);
    EXPECT_EQ(GetThreeSidePlateBeta(0.299), static_cast<double>(0.0273f));
    EXPECT_EQ(GetThreeSidePlateBeta(0.2995), static_cast<double>(0.0273f));
    EXPECT_EQ(GetThreeSidePlateBeta(0.3), static_cast<double>(0.0273f));
    EXPECT_EQ(GetThreeSidePlateBeta(1.4), 0.125);
    EXPECT_EQ(GetThreeSidePlateBeta(2.0), 0.125);
    // b1 = 105 over a1 = 180: 0.0677 + (0.5833 − 0.55)/0.05·0.0070 = 0.07237.
    EXPECT_EQ(FormatNumber("%.5f", GetThreeSidePlateBeta(105.0 / 180.0)), "0.07237");
    EXPECT_NEAR(GetThreeSidePlateBeta(1.35), (0.1235 + 0.125) / 2, 1e-7);
}

} // namespace
} // namespace ferrolab
