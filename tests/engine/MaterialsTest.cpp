#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/Format.h"
#include "engine/Materials.h"

namespace ferrolab {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUntouched = -7; // what the caller held before a look-up that writes nothing

// --- Thickness bands ------------------------------------------------------------------------

struct BandCase {
    SteelGrade grade;
    double t;
    int band;
};

class ThicknessBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(ThicknessBand, FirstBandWhoseBoundIsNotExceeded) {
    const BandCase& c = GetParam();
    EXPECT_EQ(GetThicknessBand(c.grade, c.t), c.band) << c.grade << " t=" << c.t;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, ThicknessBand,
    ::testing::Values(
        // Q235: 16 / 40 / 60 / 100, the bound itself stays in the lower band.
        BandCase{kQ235, -1, 1}, BandCase{kQ235, 0, 1}, BandCase{kQ235, 16, 1},
        BandCase{kQ235, 16.00000005, 1}, BandCase{kQ235, 16.0000001, 2}, BandCase{kQ235, 16.5, 2},
        BandCase{kQ235, 35, 2}, BandCase{kQ235, 40, 2}, BandCase{kQ235, 40.0000005, 2},
        BandCase{kQ235, 40.000001, 3}, BandCase{kQ235, 60, 3}, BandCase{kQ235, 60.000001, 4},
        BandCase{kQ235, 100, 4}, BandCase{kQ235, 100.0000005, 4}, BandCase{kQ235, 100.000001, 0},
        BandCase{kQ235, 150, 0},
        // Q345 and up: 16 / 35 / 50 / 100.
        BandCase{kQ345, 16, 1}, BandCase{kQ345, 16.0000001, 2}, BandCase{kQ345, 35, 2},
        BandCase{kQ345, 35.0000005, 2}, BandCase{kQ345, 35.000001, 3}, BandCase{kQ345, 40, 3},
        BandCase{kQ345, 50, 3}, BandCase{kQ345, 50.000001, 4}, BandCase{kQ345, 60, 4},
        BandCase{kQ345, 100, 4}, BandCase{kQ345, 100.000001, 0}, BandCase{kQ390, 35, 2},
        BandCase{kQ390, 35.000001, 3}, BandCase{kQ390, 50.000001, 4},
        BandCase{kQ420, 16.0000001, 2}, BandCase{kQ420, 50, 3}, BandCase{kQ420, 100, 4},
        // Not covered.
        BandCase{300, 10, 0}, BandCase{0, 10, 0}, BandCase{kQ235, kNaN, 0},
        BandCase{kQ345, std::numeric_limits<double>::infinity(), 0}));

TEST(ThicknessBandLabels, PerGradeFamily) {
    const std::vector<std::string> q235(ThicknessBandLabels(kQ235).begin(),
                                        ThicknessBandLabels(kQ235).end());
    EXPECT_EQ(q235, (std::vector<std::string>{"<=16", ">16-40", ">40-60", ">60-100"}));
    for (SteelGrade grade : {kQ345, kQ390, kQ420}) {
        const auto labels = ThicknessBandLabels(grade);
        const std::vector<std::string> texts(labels.begin(), labels.end());
        EXPECT_EQ(texts, (std::vector<std::string>{"<=16", ">16-35", ">35-50", ">50-100"}));
    }
    EXPECT_TRUE(ThicknessBandLabels(300).empty());
}

// --- GB50017-2003 steel and weld strengths --------------------------------------------------

struct StrengthCase {
    SteelGrade grade;
    double t;
    double f, fv, fce, ftwGrade3, ffw;
};

// Every cell of the tables, one thickness inside each band.
const StrengthCase kStrengthCases[] = {
    {kQ235, 10, 215, 125, 325, 185, 160},
    {kQ235, 18, 205, 120, 325, 175, 160},
    {kQ235, 42, 200, 115, 325, 170, 160},
    {kQ235, 70, 190, 110, 325, 160, 160},
    {kQ345, 10, 310, 180, 400, 265, 200},
    {kQ345, 18, 295, 170, 400, 250, 200},
    {kQ345, 42, 265, 155, 400, 225, 200},
    {kQ345, 70, 250, 145, 400, 210, 200},
    {kQ390, 10, 350, 205, 415, 300, 220},
    {kQ390, 18, 335, 190, 415, 285, 220},
    {kQ390, 42, 315, 180, 415, 270, 220},
    {kQ390, 70, 295, 170, 415, 250, 220},
    {kQ420, 10, 380, 220, 440, 320, 220},
    {kQ420, 18, 360, 210, 440, 305, 220},
    {kQ420, 42, 340, 195, 440, 290, 220},
    {kQ420, 70, 325, 185, 440, 275, 220},
    // Band edges: 16 and 40 (Q235) or 35 (others) stay in the lower band.
    {kQ235, 16, 215, 125, 325, 185, 160},
    {kQ235, 40, 205, 120, 325, 175, 160},
    {kQ235, 100, 190, 110, 325, 160, 160},
    {kQ345, 35, 295, 170, 400, 250, 200},
    {kQ345, 40, 265, 155, 400, 225, 200},
    {kQ420, 100, 325, 185, 440, 275, 220},
};

class SteelStrength : public ::testing::TestWithParam<StrengthCase> {};

TEST_P(SteelStrength, Table) {
    const StrengthCase& c = GetParam();
    double f = kUntouched, fv = kUntouched, fce = kUntouched;
    EXPECT_TRUE(GetSteelStrength(c.grade, c.t, f, fv, fce));
    EXPECT_EQ(f, c.f);
    EXPECT_EQ(fv, c.fv);
    EXPECT_EQ(fce, c.fce);
}

TEST_P(SteelStrength, WeldsFollowTheSteel) {
    const StrengthCase& c = GetParam();
    for (int quality : {1, 2, 3, 0, 4, -1}) {
        double fcw = kUntouched, ftw = kUntouched, fvw = kUntouched, ffw = kUntouched;
        EXPECT_TRUE(GetWeldStrength(c.grade, c.t, quality, fcw, ftw, fvw, ffw));
        EXPECT_EQ(fcw, c.f);
        EXPECT_EQ(ftw, quality == 1 || quality == 2 ? c.f : c.ftwGrade3) << "quality " << quality;
        EXPECT_EQ(fvw, c.fv);
        EXPECT_EQ(ffw, c.ffw);
    }
}

INSTANTIATE_TEST_SUITE_P(AllGradesAndBands, SteelStrength, ::testing::ValuesIn(kStrengthCases));

TEST(WeldStrength, GradeThreeButtWeldOfThickQ235) {
    double fcw = 0, ftw = 0, fvw = 0, ffw = 0;
    GetWeldStrength(kQ235, 70, 3, fcw, ftw, fvw, ffw);
    EXPECT_EQ(ftw, 160);
    GetWeldStrength(kQ235, 70, 1, fcw, ftw, fvw, ffw);
    EXPECT_EQ(ftw, 190);
    GetWeldStrength(kQ235, 70, 2, fcw, ftw, fvw, ffw);
    EXPECT_EQ(ftw, 190);
}

TEST(SteelStrength, UnknownGradeOrNoThicknessWritesNothing) {
    for (SteelGrade grade : {0, 300, 460, -235}) {
        double f = kUntouched, fv = kUntouched, fce = kUntouched;
        EXPECT_FALSE(GetSteelStrength(grade, 10, f, fv, fce));
        EXPECT_EQ(f, kUntouched);
        EXPECT_EQ(fv, kUntouched);
        EXPECT_EQ(fce, kUntouched);
        double fcw = kUntouched, ftw = kUntouched, fvw = kUntouched, ffw = kUntouched;
        EXPECT_FALSE(GetWeldStrength(grade, 10, 1, fcw, ftw, fvw, ffw));
        EXPECT_EQ(fcw, kUntouched);
        EXPECT_EQ(ftw, kUntouched);
        EXPECT_EQ(fvw, kUntouched);
        EXPECT_EQ(ffw, kUntouched);
    }
    double f = kUntouched, fv = kUntouched, fce = kUntouched;
    EXPECT_FALSE(GetSteelStrength(kQ235, kNaN, f, fv, fce));
    EXPECT_EQ(fce, kUntouched);
}

// Above 100 mm the tables give no thickness-dependent value: those outputs become 0 (never a
// value left over from the caller), the thickness-independent ones are still written.
TEST(SteelStrength, AboveHundredMillimetres) {
    for (double t : {100.000001, 101.0, 150.0, 1e300}) {
        double f = kUntouched, fv = kUntouched, fce = kUntouched;
        EXPECT_FALSE(GetSteelStrength(kQ345, t, f, fv, fce)) << t;
        EXPECT_EQ(f, 0);
        EXPECT_EQ(fv, 0);
        EXPECT_EQ(fce, 400);
        double fcw = kUntouched, ftw = kUntouched, fvw = kUntouched, ffw = kUntouched;
        EXPECT_FALSE(GetWeldStrength(kQ235, t, 1, fcw, ftw, fvw, ffw)) << t;
        EXPECT_EQ(fcw, 0);
        EXPECT_EQ(ftw, 0);
        EXPECT_EQ(fvw, 0);
        EXPECT_EQ(ffw, 160);
    }
}

// --- Yield strength -------------------------------------------------------------------------

struct YieldCase {
    SteelGrade grade;
    double t;
    int fy;
};

class YieldStrength : public ::testing::TestWithParam<YieldCase> {};

TEST_P(YieldStrength, InclusiveBounds) {
    const YieldCase& c = GetParam();
    EXPECT_EQ(GetYieldStrength(c.grade, c.t), c.fy) << c.grade << " t=" << c.t;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, YieldStrength,
    ::testing::Values(
        YieldCase{kQ235, 0, 235}, YieldCase{kQ235, 16, 235}, YieldCase{kQ235, 16.5, 225},
        YieldCase{kQ235, 40, 225}, YieldCase{kQ235, 40.5, 215}, YieldCase{kQ235, 60, 215},
        YieldCase{kQ235, 61, 205}, YieldCase{kQ235, 100, 205}, YieldCase{kQ235, 101, 195},
        YieldCase{kQ235, 150, 195}, YieldCase{kQ235, 150.0001, 185}, YieldCase{kQ235, 151, 185},
        YieldCase{kQ235, 400, 185}, YieldCase{kQ345, 16, 345}, YieldCase{kQ345, 17, 325},
        YieldCase{kQ345, 35, 325}, YieldCase{kQ345, 36, 295}, YieldCase{kQ345, 50, 295},
        YieldCase{kQ345, 51, 275}, YieldCase{kQ345, 100, 275}, YieldCase{kQ390, 10, 390},
        YieldCase{kQ390, 20, 370}, YieldCase{kQ390, 40, 350}, YieldCase{kQ390, 70, 330},
        YieldCase{kQ420, 16, 420}, YieldCase{kQ420, 35, 400}, YieldCase{kQ420, 50, 380},
        YieldCase{kQ420, 100, 360},
        // Past the table of the higher grades: the 50-100 value stands.
        YieldCase{kQ345, 100.5, 275}, YieldCase{kQ345, 151, 275}, YieldCase{kQ390, 120, 330},
        YieldCase{kQ420, 1e300, 360},
        // Unknown grade, no thickness.
        YieldCase{0, 10, 0}, YieldCase{300, 10, 0}, YieldCase{kQ235, kNaN, 0},
        YieldCase{kQ345, kNaN, 0}));

// --- Anchor bolts, cold-formed steel --------------------------------------------------------

TEST(AnchorBoltStrength, ByGrade) {
    EXPECT_EQ(GetAnchorBoltStrength(kQ235), 140);
    EXPECT_EQ(GetAnchorBoltStrength(kQ345), 180);
    for (SteelGrade grade : {kQ390, kQ420, 0, -1, INT_MAX}) {
        EXPECT_EQ(GetAnchorBoltStrength(grade), 0.1) << grade;
    }
}

TEST(ColdFormedStrength, Tables) {
    double f = 0, fv = 0, fce = 0;
    EXPECT_TRUE(GetCFSteelStrength(kQ235, f, fv, fce));
    EXPECT_EQ(f, 205);
    EXPECT_EQ(fv, 120);
    EXPECT_EQ(fce, 310);
    EXPECT_TRUE(GetCFSteelStrength(kQ345, f, fv, fce));
    EXPECT_EQ(f, 300);
    EXPECT_EQ(fv, 175);
    EXPECT_EQ(fce, 400);

    double fcw = 0, ftw = 0, fvw = 0, ffw = 0;
    EXPECT_TRUE(GetCFWeldStrength(kQ235, fcw, ftw, fvw, ffw));
    EXPECT_EQ(fcw, 205);
    EXPECT_EQ(ftw, 175);
    EXPECT_EQ(fvw, 120);
    EXPECT_EQ(ffw, 140);
    EXPECT_TRUE(GetCFWeldStrength(kQ345, fcw, ftw, fvw, ffw));
    EXPECT_EQ(fcw, 300);
    EXPECT_EQ(ftw, 255);
    EXPECT_EQ(fvw, 175);
    EXPECT_EQ(ffw, 195);
}

TEST(ColdFormedStrength, OtherGradesWriteNothing) {
    for (SteelGrade grade : {kQ390, kQ420, 0}) {
        double f = kUntouched, fv = kUntouched, fce = kUntouched;
        EXPECT_FALSE(GetCFSteelStrength(grade, f, fv, fce));
        EXPECT_EQ(f, kUntouched);
        EXPECT_EQ(fv, kUntouched);
        EXPECT_EQ(fce, kUntouched);
        double fcw = kUntouched, ftw = kUntouched, fvw = kUntouched, ffw = kUntouched;
        EXPECT_FALSE(GetCFWeldStrength(grade, fcw, ftw, fvw, ffw));
        EXPECT_EQ(fcw, kUntouched);
        EXPECT_EQ(ffw, kUntouched);
    }
}

// --- Spot welds, width-thickness limits -----------------------------------------------------

TEST(SpotWeld, ShearCapacityRowsAsShown) {
    struct Row {
        const char* plate;
        double t;
        const char* shown;
    };
    const Row rows[] = {{"0.4", 0.4, "0.60"}, {"0.6", 0.6, "1.10"},  {"0.8", 0.8, "1.70"},
                        {"1.0", 1.0, "2.30"}, {"1.5", 1.5, "4.00"},  {"2.0", 2.0, "5.90"},
                        {"2.5", 2.5, "8.00"}, {"3.0", 3.0, "10.20"}, {"3.5", 3.5, "12.60"}};
    const auto table = SpotWeldTable();
    ASSERT_EQ(table.size(), std::size(rows));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_STREQ(table[i].plate, rows[i].plate);
        EXPECT_EQ(table[i].thickness, rows[i].t);
        EXPECT_EQ(FormatNumber("%.2f", static_cast<double>(GetSpotWeldShearCapacity(rows[i].t))),
                  rows[i].shown);
    }
    // Held in single precision.
    EXPECT_EQ(GetSpotWeldShearCapacity(1.0), 2.3f);
    EXPECT_EQ(GetSpotWeldShearCapacity(3.0), 10.2f);
}

TEST(SpotWeld, UntabulatedPlateGivesZero) {
    for (double t : {0.0, 0.39, 0.5, 4.0, -0.4, kNaN}) {
        EXPECT_EQ(GetSpotWeldShearCapacity(t), 0.0f) << t;
    }
}

TEST(PlateWidthThickness, Limits) {
    const std::vector<std::string> names(PlateCategoryNames().begin(), PlateCategoryNames().end());
    EXPECT_EQ(names, (std::vector<std::string>{"非加劲板件", "部分加劲板件", "加劲板件",
                                               "圆管外径与壁厚之比"}));
    const double q235[] = {45, 60, 250, 100};
    const double q345[] = {35, 50, 200, 68};
    for (int category = 0; category < 4; ++category) {
        EXPECT_EQ(GetPlateWidthThicknessLimit(kQ235, category), q235[category]);
        EXPECT_EQ(GetPlateWidthThicknessLimit(kQ345, category), q345[category]);
    }
    for (int category : {-1, 4, INT_MAX, INT_MIN}) {
        EXPECT_EQ(GetPlateWidthThicknessLimit(kQ235, category), 0) << category;
    }
    EXPECT_EQ(GetPlateWidthThicknessLimit(kQ390, 0), 0);
    EXPECT_EQ(GetPlateWidthThicknessLimit(0, 2), 0);
}

} // namespace
} // namespace ferrolab
