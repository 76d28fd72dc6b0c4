#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/Bolts.h"
#include "engine/Format.h"

namespace ferrolab {
namespace {

constexpr double kUntouched = -7;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// --- Bolt materials -------------------------------------------------------------------------

TEST(BoltStrength, TableB1) {
    struct Case {
        int code, boltClass;
        double ftb, fvb;
    };
    const Case cases[] = {{0, 46, 170, 140}, {0, 48, 170, 140}, {0, 56, 210, 190},
                          {0, 88, 400, 320}, {1, 46, 165, 125}, {1, 48, 165, 125}};
    for (const Case& c : cases) {
        double ftb = kUntouched, fvb = kUntouched;
        EXPECT_TRUE(GetBoltStrength(c.code, c.boltClass, ftb, fvb)) << c.code << '/' << c.boltClass;
        EXPECT_EQ(ftb, c.ftb);
        EXPECT_EQ(fvb, c.fvb);
    }
}

TEST(BoltStrength, CombinationsWithoutValueWriteNothing) {
    const int cases[][2] = {{0, 109}, {0, 0},  {0, 47},  {1, 56},       {1, 88},
                            {1, 109}, {2, 46}, {-1, 46}, {INT_MAX, 88}, {0, INT_MIN}};
    for (const auto& c : cases) {
        double ftb = kUntouched, fvb = kUntouched;
        EXPECT_FALSE(GetBoltStrength(c[0], c[1], ftb, fvb)) << c[0] << '/' << c[1];
        EXPECT_EQ(ftb, kUntouched);
        EXPECT_EQ(fvb, kUntouched);
    }
}

TEST(BoltBearingStrength, TableB2) {
    const SteelGrade grades[] = {kQ235, kQ345, kQ390, kQ420};
    const double code0GradeC[] = {305, 385, 400, 425};
    const double code0GradeAB[] = {405, 510, 530, 560};
    const double code1GradeC[] = {290, 370, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GetBoltBearingStrength(0, grades[i], 46), code0GradeC[i]);
        EXPECT_EQ(GetBoltBearingStrength(0, grades[i], 48), code0GradeC[i]);
        EXPECT_EQ(GetBoltBearingStrength(0, grades[i], 56), code0GradeAB[i]);
        EXPECT_EQ(GetBoltBearingStrength(0, grades[i], 88), code0GradeAB[i]);
        EXPECT_EQ(GetBoltBearingStrength(1, grades[i], 46), code1GradeC[i]);
        EXPECT_EQ(GetBoltBearingStrength(1, grades[i], 48), code1GradeC[i]);
        // Not in the table: another code, or a class the code does not list.
        EXPECT_EQ(GetBoltBearingStrength(2, grades[i], 46), 0);
        EXPECT_EQ(GetBoltBearingStrength(-1, grades[i], 46), 0);
        EXPECT_EQ(GetBoltBearingStrength(1, grades[i], 56), 0);
        EXPECT_EQ(GetBoltBearingStrength(0, grades[i], 109), 0);
    }
    EXPECT_EQ(GetBoltBearingStrength(0, 300, 46), 0);
    EXPECT_EQ(GetBoltBearingStrength(0, INT_MIN, 88), 0);
}

// --- Thread area ----------------------------------------------------------------------------

TEST(BoltThreadArea, TwentyMillimetres) {
    double de = 0, ae = 0;
    ASSERT_TRUE(GetBoltThreadArea(20, de, ae));
    // p = 2.5: de = 20 − 0.9381666666666666·2.5; the exact 13·√3/24 would give Ae = 244.7944.
    EXPECT_NEAR(de, 17.654583333333335, 1e-12);
    EXPECT_NEAR(ae, 244.79629034998356, 1e-9);
    EXPECT_EQ(FormatNumber("%.3f", de), "17.655");
    EXPECT_EQ(FormatNumber("%.4f", ae), "244.7963");
}

TEST(BoltThreadArea, PitchesOfTableB3) {
    struct Row {
        int d;
        double p;
    };
    const Row rows[] = {{12, 1.75}, {14, 2.0}, {16, 2.0}, {18, 2.5}, {20, 2.5}, {22, 2.5},
                        {24, 3.0},  {27, 3.0}, {30, 3.5}, {33, 3.5}, {36, 4.0}, {39, 4.0},
                        {42, 4.5},  {45, 4.5}, {48, 5.0}, {52, 5.0}, {56, 5.5}, {60, 5.5},
                        {64, 6.0},  {68, 6.0}, {72, 6.0}, {76, 6.0}, {80, 6.0}, {85, 6.0},
                        {90, 6.0},  {95, 6.0}, {100, 6.0}};
    for (const Row& row : rows) {
        EXPECT_EQ(GetBoltThreadPitch(row.d), row.p) << row.d;
        double de = 0, ae = 0;
        EXPECT_TRUE(GetBoltThreadArea(row.d, de, ae)) << row.d;
        EXPECT_LT(de, row.d);
        EXPECT_GT(ae, 0);
    }
    // M12: de = 12 − 1.641791666..., Ae = 84.27 mm2.
    double de = 0, ae = 0;
    GetBoltThreadArea(12, de, ae);
    EXPECT_EQ(FormatNumber("%.3f", de), "10.358");
    EXPECT_EQ(FormatNumber("%.1f", ae), "84.3");
}

TEST(BoltThreadArea, UntabulatedDiameterGivesZero) {
    for (int d : {0, 10, 13, 21, 101, 110, -20, INT_MAX, INT_MIN}) {
        double de = kUntouched, ae = kUntouched;
        EXPECT_FALSE(GetBoltThreadArea(d, de, ae)) << d;
        EXPECT_EQ(de, 0);
        EXPECT_EQ(ae, 0);
        EXPECT_EQ(GetBoltThreadPitch(d), 0);
    }
}

// Capacities of one ordinary bolt as the bolt calculator forms them: code 0, class 4.6, M20,
// one shear plane, Q235 plates, Σt = 10 mm.
TEST(OrdinaryBolt, WorkedCapacities) {
    double ftb = 0, fvb = 0, de = 0, ae = 0;
    ASSERT_TRUE(GetBoltStrength(0, 46, ftb, fvb));
    ASSERT_TRUE(GetBoltThreadArea(20, de, ae));
    const double fcb = GetBoltBearingStrength(0, kQ235, 46);
    EXPECT_EQ(FormatNumber("%.4f", ae * ftb * 0.001), "41.6154");
    EXPECT_EQ(FormatNumber("%.4f", 1 * 3.1415927 * 20 * 20 * fvb * 0.00025), "43.9823");
    EXPECT_EQ(FormatNumber("%.4f", fcb * 20 * 10 * 0.001), "61.0000");
}

// --- Friction-type bolts --------------------------------------------------------------------

TEST(BoltPretension, TableB4) {
    struct Case {
        int code, d, boltClass, p;
    };
    const Case cases[] = {
        {0, 16, 88, 80},   {0, 20, 88, 125},  {0, 22, 88, 150},  {0, 24, 88, 175},
        {0, 27, 88, 230},  {0, 30, 88, 280},  {0, 16, 109, 100}, {0, 20, 109, 155},
        {0, 22, 109, 190}, {0, 24, 109, 225}, {0, 27, 109, 290}, {0, 30, 109, 355},
        {1, 12, 88, 45},   {1, 14, 88, 60},   {1, 16, 88, 80},   {1, 12, 109, 55},
        {1, 14, 109, 75},  {1, 16, 109, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetBoltPretension(c.code, c.d, c.boltClass), c.p)
            << c.code << " M" << c.d << ' ' << c.boltClass;
    }
}

TEST(BoltPretension, NotGivenIsOne) {
    const int cases[][3] = {{0, 12, 88},  {0, 14, 109}, {1, 20, 88},       {1, 30, 109},
                            {0, 20, 46},  {0, 20, 56},  {1, 16, 0},        {2, 20, 88},
                            {-1, 16, 88}, {0, -16, 88}, {0, INT_MAX, 109}, {0, 18, 88}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetBoltPretension(c[0], c[1], c[2]), 1) << c[0] << " M" << c[1] << ' ' << c[2];
    }
}

TEST(FrictionBolt, WorkedCapacities) {
    // Code 0, class 10.9, M20, two friction planes, μ = 0.45.
    const int p = GetBoltPretension(0, 20, 109);
    EXPECT_EQ(p, 155);
    EXPECT_EQ(FormatNumber("%.2f", 0.8 * p), "124.00");
    EXPECT_EQ(FormatNumber("%.2f", GetFrictionCapacity(2, p, 0.45)), "125.55");
    EXPECT_NEAR(GetFrictionCapacity(1, 100, 0.5), 45.0, 1e-12);
}

TEST(SlipFactor, TableB5) {
    const SteelGrade grades[] = {kQ235, kQ345, kQ390, kQ420};
    const double code0[4][4] = {{0.45, 0.35, 0.45, 0.30},
                                {0.50, 0.40, 0.50, 0.35},
                                {0.50, 0.40, 0.50, 0.35},
                                {0.50, 0.40, 0.50, 0.40}};
    for (int g = 0; g < 4; ++g) {
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(GetSlipFactor(0, grades[g], s), code0[g][s]) << grades[g] << ' ' << s;
        }
    }
    EXPECT_EQ(GetSlipFactor(1, kQ235, 0), 0.40);
    EXPECT_EQ(GetSlipFactor(1, kQ235, 1), 0.30);
    EXPECT_EQ(GetSlipFactor(1, kQ235, 2), 0.25);
    EXPECT_EQ(GetSlipFactor(1, kQ345, 0), 0.45);
    EXPECT_EQ(GetSlipFactor(1, kQ345, 1), 0.35);
    EXPECT_EQ(GetSlipFactor(1, kQ345, 2), 0.01);
}

TEST(SlipFactor, NotGivenIsOneHundredth) {
    const int cases[][3] = {{1, kQ390, 0},  {1, kQ420, 1},      {0, 300, 0},         {1, kQ235, 3},
                            {0, kQ235, 4},  {0, kQ235, -1},     {0, kQ345, INT_MAX}, {2, kQ235, 0},
                            {-1, kQ235, 0}, {1, kQ345, INT_MIN}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetSlipFactor(c[0], c[1], c[2]), 0.01) << c[0] << ' ' << c[1] << ' ' << c[2];
    }
}

TEST(SlipFactor, SurfaceLists) {
    const auto code0 = FayingSurfaceNames(0);
    EXPECT_EQ(std::vector<std::string>(code0.begin(), code0.end()),
              (std::vector<std::string>{"喷砂(丸)", "喷砂(丸)后涂无机富锌漆", "喷砂(丸)后生赤锈",
                                        "钢丝刷清除浮锈或未经处理的干净轧制表面"}));
    const auto code1 = FayingSurfaceNames(1);
    EXPECT_EQ(std::vector<std::string>(code1.begin(), code1.end()),
              (std::vector<std::string>{"喷砂(丸)", "热轧钢材轧制表面清除浮锈",
                                        "冷轧钢材轧制表面清除浮锈"}));
    EXPECT_TRUE(FayingSurfaceNames(2).empty());
}

// --- Bolt groups ----------------------------------------------------------------------------

struct GroupCase {
    double m, n, v;
    int rows, cols;
    double rowPitch, colPitch;
    double sumA, sumB, nxM, nyM, nyV, nxN;
    const char* text;
};

const GroupCase kGroups[] = {
    // Three rows in one column at 80 mm: only the rows carry lever arms.
    {35, 0, 140, 3, 1, 80, 80, 12800, 0, 218.75, 0, 140.0 / 3, 0,
     "  Σri^2 = Σxi^2 +Σyi^2=\r\n12800.00+0.00=12800.00mm2 \r\n"
     "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =223.67kN"},
    // Four rows at 80 mm, two columns at 100 mm: even counts on both sides of the centroid.
    {50, 100, 200, 4, 2, 80, 100, 64000, 20000, 6000000.0 / 84000, 2500000.0 / 84000, 25, 12.5,
     "  Σri^2 = Σxi^2 +Σyi^2=\r\n64000.00+20000.00=84000.00mm2 \r\n"
     "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =100.21kN"},
    // Five rows at 70 mm, three columns at 90 mm: odd counts.
    {70, 0, 150, 5, 3, 70, 90, 147000, 81000, 9800000.0 / 228000, 6300000.0 / 228000, 10, 0,
     "  Σri^2 = Σxi^2 +Σyi^2=\r\n147000.00+81000.00=228000.00mm2 \r\n"
     "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =57.13kN"},
    // Two rows: the lever arm is half a pitch, (2 − 1)/2 = 0.5.
    {1, 0, 0, 2, 1, 100, 40, 5000, 0, 10, 0, 0, 0,
     "  Σri^2 = Σxi^2 +Σyi^2=\r\n5000.00+0.00=5000.00mm2 \r\n"
     "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =10.00kN"},
};

class BoltGroup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(BoltGroup, ForcesAndText) {
    const GroupCase& c = GetParam();
    const BoltGroupForces r =
        GetBoltGroupForces(c.m, c.n, c.v, c.rows, c.cols, c.rowPitch, c.colPitch);
    ASSERT_TRUE(r.valid);
    EXPECT_DOUBLE_EQ(r.sumA, c.sumA);
    EXPECT_DOUBLE_EQ(r.sumB, c.sumB);
    EXPECT_NEAR(r.nxM, c.nxM, 1e-9);
    EXPECT_NEAR(r.nyM, c.nyM, 1e-9);
    EXPECT_NEAR(r.nyV, c.nyV, 1e-9);
    EXPECT_NEAR(r.nxN, c.nxN, 1e-9);
    EXPECT_NEAR(r.nMax, std::hypot(c.nxM + c.nxN, c.nyM + c.nyV), 1e-9);
    EXPECT_EQ(r.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Examples, BoltGroup, ::testing::ValuesIn(kGroups));

TEST(BoltGroup, NoLeverArmIsNotAGroup) {
    const struct {
        int rows, cols;
        double rowPitch, colPitch;
    } cases[] = {{1, 1, 80, 80},   {0, 2, 80, 80},       {3, 0, 80, 80},
                 {-2, 2, 80, 80},  {2, 2, 0, 0},         {3, 1, 0, 80},
                 {3, 1, kNaN, 80}, {INT_MIN, 1, 80, 80}, {1, INT_MIN, 80, 80}};
    for (const auto& c : cases) {
        const BoltGroupForces r =
            GetBoltGroupForces(35, 10, 140, c.rows, c.cols, c.rowPitch, c.colPitch);
        EXPECT_FALSE(r.valid) << c.rows << 'x' << c.cols;
        EXPECT_EQ(r.nMax, 0);
        EXPECT_TRUE(r.text.empty());
    }
}

TEST(BoltGroupBending, AboutTheOutermostRow) {
    // Four rows at 100 mm, two columns: ymax = 300, Σy² = 2·(0 + 100² + 200² + 300²).
    const BoltGroupBending r = GetBoltGroupBending(false, 100, 140, 4, 2, 100);
    ASSERT_TRUE(r.valid);
    EXPECT_DOUBLE_EQ(r.sumY, 280000);
    EXPECT_NEAR(r.nMax, 300 * 100 * 1000 / 280000.0, 1e-9);
    EXPECT_EQ(r.text, "  Σyi^2=280000.00mm2\r\n");
}

TEST(BoltGroupBending, AboutTheCentroid) {
    // Four rows at 100 mm, two columns: ymax = 150, Σy² = 2·2·(50² + 150²).
    const BoltGroupBending r = GetBoltGroupBending(true, 100, 140, 4, 2, 100);
    ASSERT_TRUE(r.valid);
    EXPECT_DOUBLE_EQ(r.sumY, 100000);
    EXPECT_NEAR(r.nMax, 150, 1e-9);
    EXPECT_EQ(r.text, "  Σyi^2=100000.00mm2\r\n");
    // Three rows at 80 mm: the middle row lies on the axis.
    const BoltGroupBending odd = GetBoltGroupBending(true, 50, 0, 3, 2, 80);
    EXPECT_DOUBLE_EQ(odd.sumY, 2 * 2 * 80 * 80);
    EXPECT_NEAR(odd.nMax, 80 * 50 * 1000 / 25600.0, 1e-9);
}

TEST(BoltGroupBending, NoLeverArmIsNotAGroup) {
    for (bool pivot : {false, true}) {
        for (const auto& c :
             {std::pair{1, 2}, std::pair{0, 2}, std::pair{4, 0}, std::pair{INT_MIN, 2}}) {
            const BoltGroupBending r = GetBoltGroupBending(pivot, 100, 0, c.first, c.second, 100);
            EXPECT_FALSE(r.valid) << pivot << ' ' << c.first << 'x' << c.second;
            EXPECT_EQ(r.nMax, 0);
            EXPECT_TRUE(r.text.empty());
        }
        EXPECT_FALSE(GetBoltGroupBending(pivot, 100, 0, 4, 2, 0).valid);
    }
}

} // namespace
} // namespace ferrolab
