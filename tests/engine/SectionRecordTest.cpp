// Section records filled from the catalogue (value order per kind, the two reordered kinds, failed
// look-ups), table interpolation and the stresses of a pair of fillet welds.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/SectionRecord.h"

namespace ferrolab {
namespace {

// The catalogue delivers single-precision values; the record holds them as doubles.
double F(double v) {
    return static_cast<double>(static_cast<float>(v));
}

void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected,
                  const std::string& name) {
    ASSERT_EQ(actual.size(), expected.size()) << name;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i], F(expected[i])) << name << " value " << i;
    }
}

TEST(SectionRecord, StartsWithAnEmptyName) {
    RolledHSection h;
    EXPECT_TRUE(h.name.empty());
    EXPECT_EQ(h.A, 0.0);
}

TEST(SectionRecord, RolledHIsReordered) {
    RolledHSection s;
    ASSERT_TRUE(LoadSectionRecord("HW100x100", s));
    EXPECT_EQ(s.name, "HW100x100");
    // Catalogue: 100, 100, 6, 8, 10, 21.9, 17.2, 383, 134, 4.18, 2.47, 76.5, 26.7.
    ExpectValues({s.h, s.b, s.tw, s.tf, s.A, s.mass, s.ix, s.iy, s.Wx, s.Wy, s.r, s.Ix, s.Iy},
                 {100, 100, 6, 8, 21.9, 17.2, 4.18, 2.47, 76.5, 26.7, 10, 383, 134}, s.name);
    ASSERT_TRUE(LoadSectionRecord("HW200x200", s));
    EXPECT_EQ(s.tf, 12.0);
    EXPECT_EQ(s.r, 16.0);
    EXPECT_EQ(s.A, F(64.28));
}

TEST(SectionRecord, RolledIBeamKeepsTheCatalogueOrder) {
    RolledISection s;
    ASSERT_TRUE(LoadSectionRecord("I10", s));
    ExpectValues({s.h, s.b, s.tw, s.t, s.A, s.mass, s.Ix, s.Wx, s.ix, s.Iy, s.Wy, s.iy},
                 {100, 68, 4.5, 7.6, 14.33, 11.25, 245, 49.0, 4.14, 32.8, 9.6, 1.51}, s.name);
}

TEST(SectionRecord, RolledChannelKeepsTheCatalogueOrder) {
    RolledChannelSection s;
    ASSERT_TRUE(LoadSectionRecord("槽5", s));
    ExpectValues({s.h, s.b, s.tw, s.t, s.A, s.mass, s.Ix, s.Wx, s.ix, s.Iy, s.Wy, s.iy},
                 {50, 37, 4.5, 7, 6.92, 5.438, 26.0, 10.4, 19.4, 8.3, 3.53192, 11.0}, s.name);
}

TEST(SectionRecord, EqualAngleKeepsTheCatalogueOrder) {
    EqualAngleSection s;
    ASSERT_TRUE(LoadSectionRecord("L100X10", s));
    ExpectValues({s.b, s.t, s.r, s.A, s.mass, s.Ix, s.ix, s.WxMin, s.WxMax, s.Ix0, s.ix0, s.Wx0,
                  s.Iy0, s.iy0, s.Wy0, s.Wy0b, s.Ix1, s.z0},
                 {100, 10, 12, 19.261, 15.12, 179.51, 3.05, 25.06, 63.29, 284.68, 3.84, 40.26,
                  74.35, 1.96, 18.54, 20.49, 334.48, 2.84},
                 s.name);
}

TEST(SectionRecord, PlainColdFormedChannelKeepsTheCatalogueOrder) {
    CFChannelSection s;
    ASSERT_TRUE(LoadSectionRecord("薄槽60x30x2.5", s));
    ExpectValues({s.h,  s.b,     s.t,     s.A,   s.mass, s.x0, s.Ix, s.ix, s.Wx,  s.Iy,
                  s.iy, s.Wymax, s.Wymin, s.Iy1, s.e0,   s.It, s.Iw, s.k,  s.Ww1, s.Ww2},
                 {60,   30,   2.5,  2.74, 2.15, 0.883,  14.38, 2.31,   4.89, 2.4,
                  0.94, 2.71, 1.13, 4.53, 1.88, 0.0571, 12.21, 0.0425, 4.72, 2.51},
                 s.name);
}

TEST(SectionRecord, LippedColdFormedChannelKeepsTheCatalogueOrder) {
    CFLippedChannelSection s;
    ASSERT_TRUE(LoadSectionRecord("卷槽80x40x15x2.0", s));
    ExpectValues({s.h,  s.b,     s.a,     s.t,   s.A,  s.mass, s.x0, s.Ix, s.ix,  s.Wx, s.Iy,
                  s.iy, s.Wymax, s.Wymin, s.Iy1, s.e0, s.It,   s.Iw, s.k,  s.Ww1, s.Ww2},
                 {80,  40,   15,   2.0,  3.47, 2.72,   1.452, 34.16,  3.14,  8.54, 7.79,
                  1.5, 5.36, 3.06, 15.1, 3.36, 0.0462, 112.9, 0.0126, 16.03, 15.74},
                 s.name);
}

TEST(SectionRecord, LippedZKeepsTheCatalogueOrder) {
    CFLippedZSection s;
    ASSERT_TRUE(LoadSectionRecord("卷Z100x40x20x2.0", s));
    ExpectValues({s.h,     s.b,        s.a,        s.t,   s.A,   s.mass,     s.theta,
                  s.Ix1,   s.ix1,      s.Wx1,      s.Iy1, s.iy1, s.Wy1,      s.Ix,
                  s.ix,    s.WxPoint1, s.WxPoint2, s.Iy,  s.iy,  s.WyPoint1, s.WyPoint2,
                  s.Ix1y1, s.It,       s.Iw,       s.k,   s.Ww1, s.Ww2},
                 {100,   40,    20,   2.0,   4.07,   3.19,  24.017, 60.04, 3.84,
                  12.01, 17.02, 2.05, 4.36,  70.7,   4.17,  15.93,  11.94, 6.36,
                  1.25,  3.36,  4.42, 23.93, 0.0542, 325.0, 0.0081, 49.97, 29.16},
                 s.name);
}

TEST(SectionRecord, SquareTubeKeepsTheCatalogueOrder) {
    SquareTubeSection s;
    ASSERT_TRUE(LoadSectionRecord("方钢管25x1.5", s));
    ExpectValues({s.h, s.t, s.A, s.mass, s.Ix, s.ix, s.Wx}, {25, 1.5, 1.31, 1.03, 1.16, 0.94, 0.92},
                 s.name);
}

TEST(SectionRecord, LightHIsReordered) {
    LightHSection s;
    ASSERT_TRUE(LoadSectionRecord("大通H100x50x2.3x3.2", s));
    // Catalogue: 100, 50, 2.3, 3.2, 5.35, 4.2, 90.71, 18.14, 4.12, 6.68, 2.67, 1.12, 146.02, 0.147.
    ExpectValues(
        {s.H, s.B, s.tw, s.tf, s.A, s.mass, s.ix, s.iy, s.Wx, s.Wy, s.Ix, s.Iy, s.Iw, s.It},
        {100, 50, 2.3, 3.2, 5.35, 4.2, 4.12, 1.12, 18.14, 2.67, 90.71, 6.68, 146.02, 0.147},
        s.name);
}

template <typename Record> void ExpectMissing(const std::string& name, double Record::*value) {
    Record s;
    EXPECT_FALSE(LoadSectionRecord(name, s)) << name;
    EXPECT_EQ(s.name, name);
    EXPECT_EQ(s.*value, 0.0) << name;
}

TEST(SectionRecord, AFailedLookUpKeepsTheNameAndReturnsFalse) {
    ExpectMissing("HP300x300", &RolledHSection::A);
    ExpectMissing("I10 ", &RolledISection::h);
    ExpectMissing("槽5a", &RolledChannelSection::h);
    ExpectMissing("L 20x3", &EqualAngleSection::b);
    ExpectMissing("薄槽60x30x2.6", &CFChannelSection::h);
    ExpectMissing("卷槽80x40x15x2", &CFLippedChannelSection::Iw);
    ExpectMissing("卷Z100x40x20x2.0 ", &CFLippedZSection::Ww2);
    ExpectMissing("方钢管", &SquareTubeSection::A);
    ExpectMissing("", &LightHSection::It);
    // A name the record held before is replaced by the one asked for.
    LightHSection s;
    ASSERT_TRUE(LoadSectionRecord("大通H100x50x2.3x3.2", s));
    EXPECT_FALSE(LoadSectionRecord("大通H100x50", s));
    EXPECT_EQ(s.name, "大通H100x50");
}

TEST(SectionRecord, ANameWithAnEmbeddedNulIsNotTruncatedIntoAMatch) {
    CFChannelSection s;
    const std::string name = std::string("薄槽60x30x2.5") + '\0' + "junk";
    // The text up to the NUL is a catalogue name, but the whole text is not.
    EXPECT_FALSE(LoadSectionRecord(name, s));
    EXPECT_EQ(s.name, name);
}

TEST(InterpolateRatio, EndsAndMidpoint) {
    EXPECT_DOUBLE_EQ(InterpolateRatio(1.70, 1.12, 0.0), 1.70);
    EXPECT_DOUBLE_EQ(InterpolateRatio(1.70, 1.12, 1.0), 1.41);
    // x a quarter of the way from x0 to x1: r = 0.25 / 0.75.
    EXPECT_DOUBLE_EQ(InterpolateRatio(0.8, 0.4, 0.25 / 0.75), 0.7);
}

TEST(FilletWeldPairStress, WorkedCase) {
    double sN = 0, sM = 0, tV = 0, sFs = 0;
    // N = 100 kN, V = 200 kN, M = 10 kN·m on two welds he = 7, lw = 300, βf = 1.22.
    FilletWeldPairStress(100, 200, 10, 7, 300, 1.22, &sN, &sM, &tV, &sFs);
    EXPECT_NEAR(sN, 23.8095238, 1e-6);
    EXPECT_NEAR(sM, 47.6190476, 1e-6);
    EXPECT_NEAR(tV, 47.6190476, 1e-6);
    EXPECT_NEAR(sFs, 75.4681595, 1e-6);
}

TEST(FilletWeldPairStress, ShearAloneIgnoresBetaF) {
    for (double betaF : {1.0, 1.22, 2.0}) {
        double sN = 1, sM = 1, tV = 0, sFs = 0;
        FilletWeldPairStress(0, 150, 0, 8, 200, betaF, &sN, &sM, &tV, &sFs);
        EXPECT_EQ(sN, 0.0);
        EXPECT_EQ(sM, 0.0);
        EXPECT_DOUBLE_EQ(tV, 150000.0 / (2 * 8 * 200));
        EXPECT_DOUBLE_EQ(sFs, tV) << betaF;
    }
}

} // namespace
} // namespace ferrolab
