#include <gtest/gtest.h>

#include "engine/ISection.h"

using ferrolab::CalcISectionProps;

namespace {

struct Props {
    double ix, iy, yb, s;
};

Props Calc(double b1, double t1, double hw, double tw, double b2, double t2) {
    Props p{};
    CalcISectionProps(b1, t1, hw, tw, b2, t2, &p.ix, &p.iy, &p.yb, &p.s);
    return p;
}

TEST(CalcISectionProps, SymmetricSectionAgainstHandFigures) {
    // 200x10 flanges, 400x8 web: A = 7200, centroid at mid-height 210.
    const Props p = Calc(200, 10, 400, 8, 200, 10);
    EXPECT_DOUBLE_EQ(p.yb, 210.0);
    // 2*(200*10^3/12 + 2000*205^2) + 8*400^3/12
    EXPECT_NEAR(p.ix, 2 * (200.0 * 1000 / 12 + 2000.0 * 205 * 205) + 8.0 * 64e6 / 12, 1e-6);
    EXPECT_NEAR(p.iy, (10.0 * 8e6 * 2 + 400.0 * 512) / 12, 1e-6);
    // Flange 2000*205 plus web 8*200^2/2
    EXPECT_NEAR(p.s, 2000.0 * 205 + 8.0 * 200 * 200 / 2, 1e-6);
}

TEST(CalcISectionProps, UnsymmetricSectionAgainstHandFigures) {
    // The built-up calculator's opening section: 200x16 top, 1100x10 web, 350x16 bottom.
    const Props p = Calc(200, 16, 1100, 10, 350, 16);
    EXPECT_NEAR(p.yb, 9867600.0 / 19800.0, 1e-9); // 498.3636...
    EXPECT_NEAR(p.ix, 3758778981.8182, 1e-3);
    EXPECT_DOUBLE_EQ(p.iy, 67925000.0);
    const double yb = 9867600.0 / 19800.0;
    EXPECT_NEAR(p.s, 5600 * (yb - 8) + 10 * (yb - 16) * (yb - 16) / 2, 1e-6);
}

TEST(CalcISectionProps, FlangesSwappedMirrorTheCentroid) {
    const Props a = Calc(200, 16, 1100, 10, 350, 20);
    const Props b = Calc(350, 20, 1100, 10, 200, 16);
    EXPECT_NEAR(a.ix, b.ix, 1e-3);
    EXPECT_NEAR(a.iy, b.iy, 1e-6);
    EXPECT_NEAR(a.yb + b.yb, 16 + 1100 + 20, 1e-9);
}

} // namespace
