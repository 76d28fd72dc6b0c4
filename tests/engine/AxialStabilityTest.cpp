#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "engine/AxialStability.h"

namespace ferrolab {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// --- Section class --------------------------------------------------------------------------

struct ClassCase {
    int type;
    double b, h, t;
    int welded, flameCut;
    char aboutX, aboutY;
};

class SectionClass : public ::testing::TestWithParam<ClassCase> {};

TEST_P(SectionClass, BothAxes) {
    const ClassCase& c = GetParam();
    const std::string where = "type " + std::to_string(c.type) + " b=" + std::to_string(c.b) +
                              " h=" + std::to_string(c.h) + " t=" + std::to_string(c.t);
    EXPECT_EQ(GetSectionClass(c.type, c.b, c.h, c.t, 'x', c.welded, c.flameCut), c.aboutX) << where;
    EXPECT_EQ(GetSectionClass(c.type, c.b, c.h, c.t, 'y', c.welded, c.flameCut), c.aboutY) << where;
}

INSTANTIATE_TEST_SUITE_P(
    Branches, SectionClass,
    ::testing::Values(
        // Type 0: a, or b when welded; below 40 mm only.
        ClassCase{0, 100, 200, 20, 0, 0, 'a', 'a'}, ClassCase{0, 100, 200, 20, 1, 0, 'b', 'b'},
        ClassCase{0, 100, 200, 20, 2, 0, 'a', 'a'}, ClassCase{0, 100, 200, 39.9, 1, 0, 'b', 'b'},
        ClassCase{0, 100, 200, 40, 0, 0, 'n', 'n'}, ClassCase{0, 100, 200, 40, 1, 0, 'n', 'n'},
        ClassCase{0, 100, 200, 90, 0, 0, 'n', 'n'},
        // Rolled I/H below 40 mm: b/h > 0.8 gives b about both axes; exactly 0.8 does not.
        ClassCase{11, 100, 200, 10, 0, 0, 'a', 'b'}, ClassCase{11, 80, 100, 10, 0, 0, 'a', 'b'},
        ClassCase{11, 240, 300, 10, 0, 0, 'a', 'b'}, ClassCase{11, 81, 100, 10, 0, 0, 'b', 'b'},
        ClassCase{11, 300, 300, 39.99, 0, 0, 'b', 'b'}, ClassCase{12, 100, 200, 10, 1, 1, 'a', 'b'},
        ClassCase{13, 200, 200, 10, 0, 0, 'b', 'b'},
        // Rolled from 40 mm: b/c up to 80 mm, c/d from 80 mm; b/h no longer matters.
        ClassCase{11, 100, 200, 40, 0, 0, 'b', 'c'}, ClassCase{11, 300, 300, 40, 0, 0, 'b', 'c'},
        ClassCase{12, 100, 200, 79.9, 0, 0, 'b', 'c'}, ClassCase{11, 100, 200, 80, 0, 0, 'c', 'd'},
        ClassCase{13, 400, 400, 120, 0, 1, 'c', 'd'},
        // Welded I: flame-cut flanges b; otherwise b/c below 40 mm, c/d from 40 mm.
        ClassCase{21, 250, 274, 12, 1, 0, 'b', 'c'}, ClassCase{21, 250, 274, 12, 1, 1, 'b', 'b'},
        ClassCase{22, 250, 274, 12, 1, 7, 'b', 'b'}, ClassCase{23, 500, 274, 39.9, 1, 0, 'b', 'c'},
        ClassCase{21, 250, 274, 40, 1, 0, 'c', 'd'}, ClassCase{21, 250, 274, 40, 1, 1, 'b', 'b'},
        ClassCase{23, 250, 274, 80, 1, 0, 'c', 'd'},
        // Types not covered.
        ClassCase{10, 100, 200, 10, 0, 0, 'n', 'n'}, ClassCase{14, 100, 200, 10, 0, 0, 'n', 'n'},
        ClassCase{20, 100, 200, 10, 0, 0, 'n', 'n'}, ClassCase{24, 100, 200, 50, 0, 0, 'n', 'n'},
        ClassCase{-1, 100, 200, 10, 0, 0, 'n', 'n'},
        ClassCase{INT_MAX, 100, 200, 10, 0, 0, 'n', 'n'},
        ClassCase{11, 100, 200, kNaN, 0, 0, 'n', 'n'}));

TEST(SectionClass, OtherAxisIsNotCovered) {
    EXPECT_EQ(GetSectionClass(11, 100, 200, 10, 'z', 0, 0), 'n');
    EXPECT_EQ(GetSectionClass(0, 100, 200, 10, 'X', 0, 0), 'n');
}

// --- φ of GB50017-2003 appendix C -----------------------------------------------------------

struct PrintedPhi {
    char sectionClass;
    double lambda; // λ·sqrt(fy/235) of the printed tables
    double phi;    // as printed, three decimals
};

// Figures of GB50017-2003 tables C-1 to C-4 (entered from the printed tables).
const PrintedPhi kPrinted[] = {
    {'a', 10, 0.995},  {'a', 20, 0.981},  {'a', 30, 0.963},  {'a', 50, 0.916},  {'a', 80, 0.783},
    {'a', 100, 0.638}, {'a', 120, 0.494}, {'a', 150, 0.339}, {'a', 200, 0.199}, {'a', 250, 0.130},
    {'b', 10, 0.992},  {'b', 20, 0.970},  {'b', 40, 0.899},  {'b', 60, 0.807},  {'b', 80, 0.688},
    {'b', 100, 0.555}, {'b', 120, 0.437}, {'b', 150, 0.308}, {'b', 200, 0.186}, {'b', 250, 0.123},
    {'c', 10, 0.992},  {'c', 20, 0.966},  {'c', 30, 0.902},  {'c', 50, 0.775},  {'c', 80, 0.578},
    {'c', 100, 0.463}, {'c', 120, 0.379}, {'c', 150, 0.280}, {'c', 200, 0.176}, {'c', 250, 0.119},
    {'d', 10, 0.984},  {'d', 20, 0.937},  {'d', 30, 0.848},  {'d', 50, 0.690},  {'d', 100, 0.394},
    {'d', 200, 0.162},
};

class AxialPhiPrinted : public ::testing::TestWithParam<PrintedPhi> {};

TEST_P(AxialPhiPrinted, RoundsToTheTable) {
    const PrintedPhi& c = GetParam();
    EXPECT_NEAR(GetAxialPhi(c.lambda, c.sectionClass, 235), c.phi, 0.0005 + 1e-9)
        << c.sectionClass << " λ=" << c.lambda;
    // A Q345 member of the same λ·sqrt(fy/235) reads the same figure.
    const double lambda345 = c.lambda / std::sqrt(345.0 / 235.0);
    EXPECT_NEAR(GetAxialPhi(lambda345, c.sectionClass, 345), c.phi, 0.0005 + 1e-9)
        << c.sectionClass << " Q345 λ=" << lambda345;
}

INSTANTIATE_TEST_SUITE_P(GB50017AppendixC, AxialPhiPrinted, ::testing::ValuesIn(kPrinted));

TEST(AxialPhi, ZeroSlendernessGivesOne) {
    for (char c : {'a', 'b', 'c', 'd'}) {
        for (int fy : {235, 345, 390, 420, 185}) {
            EXPECT_EQ(GetAxialPhi(0, c, fy), 1.0) << c << ' ' << fy;
        }
    }
}

TEST(AxialPhi, NormalisedSlendernessUsesSinglePrecisionPi) {
    // λ = 100, fy = 235: (100 / 3.1415927410125732) · sqrt(235 / 206000) = 1.0751038972; the
    // double 3.1415927 would give 1.0751039113 and the exact π 1.0751039151.
    EXPECT_NEAR(NormalisedSlenderness(100, 235), 1.075103897232019, 1e-13);
}

// λn = 0.215 still takes the short-column formula 1 − α1·λn²; the next value up the Perry
// formula, which lies slightly below it.
TEST(AxialPhi, ShortColumnLimitIsInclusive) {
    struct Case {
        char c;
        double at, above;
    };
    const Case cases[] = {{'a', 0.98104775, 0.9808083926659211},
                          {'b', 0.96995375, 0.9700404164455478},
                          {'c', 0.96625575, 0.9657075622887625},
                          {'d', 0.93759625, 0.93663290265852}};
    const double justAbove = std::nextafter(0.215, 1.0);
    for (const Case& k : cases) {
        EXPECT_NEAR(GetAxialPhiNormalised(0.215, k.c), k.at, 1e-12) << k.c;
        EXPECT_NEAR(GetAxialPhiNormalised(justAbove, k.c), k.above, 1e-12) << k.c;
    }
}

// λn = 1.05 belongs to the lower coefficient pair of classes c and d (0.906/0.595, 0.868/0.915).
TEST(AxialPhi, CurveSwitchAtOnePointOhFive) {
    const double justAbove = std::nextafter(1.05, 2.0);
    EXPECT_NEAR(GetAxialPhiNormalised(1.05, 'c'), 0.4737134152871419, 1e-12);
    EXPECT_NEAR(GetAxialPhiNormalised(justAbove, 'c'), 0.47301407900651166, 1e-12);
    EXPECT_NEAR(GetAxialPhiNormalised(1.05, 'd'), 0.4019050878952187, 1e-12);
    EXPECT_NEAR(GetAxialPhiNormalised(justAbove, 'd'), 0.4019345694066004, 1e-12);
    // Class a has one pair throughout.
    EXPECT_NEAR(GetAxialPhiNormalised(1.05, 'a'), 0.65561578148663, 1e-12);
}

TEST(AxialPhi, NeverIncreasesWithSlenderness) {
    for (char c : {'a', 'b', 'c', 'd'}) {
        double previous = 1.0;
        for (double lambda = 0; lambda <= 400; lambda += 0.25) {
            const double phi = GetAxialPhi(lambda, c, 235);
            EXPECT_LE(phi, previous + 1e-12) << c << " λ=" << lambda;
            EXPECT_GT(phi, 0) << c << " λ=" << lambda;
            previous = phi;
        }
    }
}

TEST(AxialPhi, FarBeyondAnyMemberStaysSmallAndPositive) {
    for (double lambda : {1e4, 1e6, 1e9, 1e100}) {
        const double phi = GetAxialPhi(lambda, 'b', 235);
        EXPECT_TRUE(std::isfinite(phi)) << lambda;
        EXPECT_GT(phi, 0) << lambda;
        EXPECT_LT(phi, 1e-3) << lambda;
    }
    // λn² no longer fits a double: φ has run down to 0.
    EXPECT_EQ(GetAxialPhi(1e300, 'b', 235), 0);
    // Both forms of the root agree where the switch happens.
    const double lambdaN = 1e4;
    EXPECT_NEAR(GetAxialPhiNormalised(lambdaN, 'c'),
                GetAxialPhiNormalised(std::nextafter(lambdaN, 2e4), 'c'), 1e-15);
}

TEST(AxialPhi, NoCoefficientForUnknownInput) {
    for (char c : {'n', 'e', 'A', 'B', '\0'}) {
        EXPECT_EQ(GetAxialPhi(50, c, 235), 0) << static_cast<int>(c);
    }
    for (double lambda : {-1.0, -1e-9, kNaN, kInf, -kInf}) {
        EXPECT_EQ(GetAxialPhi(lambda, 'b', 235), 0) << lambda;
    }
    EXPECT_EQ(GetAxialPhi(50, 'b', 0), 0);
    EXPECT_EQ(GetAxialPhi(50, 'b', -235), 0);
    EXPECT_EQ(GetAxialPhiNormalised(kNaN, 'a'), 0);
    EXPECT_EQ(GetAxialPhiNormalised(-0.1, 'a'), 0);
}

// --- Cold-formed tables of GB50018-2002 appendix A ------------------------------------------

struct TellingRow {
    int lambda;
    float q235, q345;
};

// The telling rows of tables A.1.1-1 and A.1.1-2, entered from the printed tables.
const TellingRow kTellingRows[] = {
    {0, 1.000f, 1.000f},   {1, 0.997f, 0.997f},   {10, 0.974f, 0.971f},  {20, 0.947f, 0.940f},
    {50, 0.852f, 0.829f},  {80, 0.722f, 0.632f},  {100, 0.588f, 0.475f}, {120, 0.452f, 0.347f},
    {150, 0.308f, 0.229f}, {200, 0.180f, 0.132f}, {250, 0.117f, 0.085f},
};

class ColdFormedTellingRow : public ::testing::TestWithParam<TellingRow> {};

TEST_P(ColdFormedTellingRow, IntegerSlendernessGivesTheEntry) {
    const TellingRow& row = GetParam();
    EXPECT_EQ(GetColdFormedPhi(row.lambda, kQ235), static_cast<double>(row.q235));
    EXPECT_EQ(GetColdFormedPhi(row.lambda, kQ345), static_cast<double>(row.q345));
    EXPECT_EQ(ColdFormedPhiTable(kQ235)[static_cast<std::size_t>(row.lambda)], row.q235);
    EXPECT_EQ(ColdFormedPhiTable(kQ345)[static_cast<std::size_t>(row.lambda)], row.q345);
}

INSTANTIATE_TEST_SUITE_P(TablesA11, ColdFormedTellingRow, ::testing::ValuesIn(kTellingRows));

TEST(ColdFormedPhi, TableShape) {
    for (SteelGrade grade : {kQ235, kQ345}) {
        const auto table = ColdFormedPhiTable(grade);
        ASSERT_EQ(table.size(), 260u);
        EXPECT_GT(table[250], 0.0f);
        for (std::size_t i = 251; i < table.size(); ++i) {
            EXPECT_EQ(table[i], 0.0f) << i;
        }
    }
    EXPECT_TRUE(ColdFormedPhiTable(kQ390).empty());
    EXPECT_TRUE(ColdFormedPhiTable(0).empty());
}

// Both tables fall (or, where the printed Q345 table repeats a figure, stay) from λ = 0 to 250,
// entry by entry and between entries.
TEST(ColdFormedPhi, NeverIncreases) {
    for (SteelGrade grade : {kQ235, kQ345}) {
        const auto table = ColdFormedPhiTable(grade);
        for (std::size_t i = 1; i <= 250; ++i) {
            EXPECT_LE(table[i], table[i - 1]) << grade << " λ=" << i;
        }
        double previous = 1.0;
        for (double lambda = 0; lambda <= 250; lambda += 0.125) {
            const double phi = GetColdFormedPhi(lambda, grade);
            // Between two equal entries the interpolation may round one unit up.
            EXPECT_LE(phi, previous + 1e-15) << grade << " λ=" << lambda;
            previous = phi;
        }
    }
    // The printed Q345 table gives 0.101 at both λ = 228 and 229.
    EXPECT_EQ(GetColdFormedPhi(228, kQ345), static_cast<double>(0.101f));
    EXPECT_EQ(GetColdFormedPhi(228.5, kQ345), static_cast<double>(0.101f));
    EXPECT_EQ(GetColdFormedPhi(229, kQ345), static_cast<double>(0.101f));
}

TEST(ColdFormedPhi, InterpolatesBetweenEntries) {
    // 249.5 lies half-way between 249 (0.118, 0.086) and 250 (0.117, 0.085).
    EXPECT_DOUBLE_EQ(GetColdFormedPhi(249.5, kQ235),
                     (static_cast<double>(0.118f) + static_cast<double>(0.117f)) / 2);
    EXPECT_DOUBLE_EQ(GetColdFormedPhi(249.5, kQ345),
                     (static_cast<double>(0.086f) + static_cast<double>(0.085f)) / 2);
    // A quarter of the way from 100 (0.588) to 101 (0.580).
    EXPECT_NEAR(GetColdFormedPhi(100.25, kQ235), 0.586, 1e-7);
    // Close below an entry the look-up approaches it.
    EXPECT_NEAR(GetColdFormedPhi(std::nextafter(101.0, 0.0), kQ235), 0.580, 1e-7);
}

TEST(ColdFormedPhi, OutsideTheTableGivesZero) {
    for (double lambda :
         {-1e-9, -1.0, 250.0000001, 251.0, 259.0, 260.0, 1e300, -1e300, kNaN, kInf, -kInf}) {
        EXPECT_EQ(GetColdFormedPhi(lambda, kQ235), 0) << lambda;
        EXPECT_EQ(GetColdFormedPhi(lambda, kQ345), 0) << lambda;
    }
    EXPECT_EQ(GetColdFormedPhi(100, kQ390), 0);
    EXPECT_EQ(GetColdFormedPhi(100, 0), 0);
}

} // namespace
} // namespace ferrolab
