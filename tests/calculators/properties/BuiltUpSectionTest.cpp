#include <gtest/gtest.h>

#include <cmath>

#include "calculators/properties/BuiltUpSection.h"

using namespace ferrolab;

namespace {

// The opening section: B1 = 200, t1 = 16, hw = 1100, tw = 10, B2 = 350, t2 = 16 (mm).
// Worked by hand: A = 3200 + 11000 + 5600 = 19800; yb = 9867600/19800 = 498.3636;
// Iy = (16*200^3 + 16*350^3 + 1100*10^3)/12 = 67925000; Ix = 3758778981.82 (plates about their
// own centroids plus A d^2); Iw = (200^3*16 * 350^3*16) * 1100^2 / (12 (200^3*16 + 350^3*16))
// mm6 = 1.0877e7 cm6; It = (200*16^3 + 350*16^3 + 1100*10^3)/3 mm4 = 111.76 cm4.
const char* const kDefaultReportTwoDecimals =
    " 横截面积=\t19800.00mm2        "
    "\r\n 每延米质量为:\t155.43kg/m  "
    "\r\n Ix=\t3758778981.82mm4;   Iy=\t67925000.00mm4"
    "\r\n ix=\t435.70mm;    iy=\t58.57mm"
    "\r\n wx1=\t5932075.87mm3;   wy1=\t679250.00mm3"
    "\r\n wx2=\t7542241.66mm3;   wy2=\t388142.86mm3"
    "\r\n 形心距上翼缘外侧的距离=\t633.64mm"
    "\r\n 形心距下翼缘外侧的距离=\t498.36mm"
    "\r\n Iw = (b1^3*t1*b2^3*t2)*h^2/(12*(b1^3*t1 +b2^3*t2)) = 10877117.12cm6"
    "\r\n It = (Σhi*ti^3)/3 =111.76cm4";

const char* const kDefaultReportScientific =
    " 横截面积=\t1.9800e+004mm2        "
    "\r\n 每延米质量为:\t1.5543e+002kg/m  "
    "\r\n Ix=\t3.7588e+009mm4;   Iy=\t6.7925e+007mm4"
    "\r\n ix=\t4.3570e+002mm;    iy=\t5.8571e+001mm"
    "\r\n wx1=\t5.9321e+006mm3;   wy1=\t6.7925e+005mm3"
    "\r\n wx2=\t7.5422e+006mm3;   wy2=\t3.8814e+005mm3"
    "\r\n 形心距上翼缘外侧的距离=\t6.3364e+002mm"
    "\r\n 形心距下翼缘外侧的距离=\t4.9836e+002mm"
    "\r\n Iw = (b1^3*t1*b2^3*t2)*h^2/(12*(b1^3*t1 +b2^3*t2)) = 1.0877e+007cm6"
    "\r\n It = (Σhi*ti^3)/3 =1.1176e+002cm4";

TEST(BuiltUpSection, DefaultReportInBothFormats) {
    BuiltUpSectionInput in;
    in.format = ResultFormat::TwoDecimals;
    EXPECT_EQ(ComputeBuiltUpSection(in).report.value(), kDefaultReportTwoDecimals);
    in.format = ResultFormat::Scientific;
    const auto r = ComputeBuiltUpSection(in);
    EXPECT_EQ(r.report.value(), kDefaultReportScientific);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_DOUBLE_EQ(r.h, 1132.0);
}

TEST(BuiltUpSection, MethodsAgreeAndSimplifiedDropsFlangeSelfInertia) {
    const double cases[][6] = {
        {200, 16, 1100, 10, 350, 16},
        {300, 20, 600, 12, 300, 20},
        {150, 10, 400, 8, 400, 30},
        {50, 5, 80, 40, 120, 25}, // stocky, far from thin-walled
    };
    for (const auto& c : cases) {
        BuiltUpSectionInput in;
        in.b1 = c[0];
        in.t1 = c[1];
        in.hw = c[2];
        in.tw = c[3];
        in.b2 = c[4];
        in.t2 = c[5];
        const double exact1 = ComputeBuiltUpSection(in).ix;
        in.method = IxMethod::Exact2;
        const double exact2 = ComputeBuiltUpSection(in).ix;
        in.method = IxMethod::Simplified;
        const double simple = ComputeBuiltUpSection(in).ix;
        EXPECT_NEAR(exact1, exact2, exact1 * 1e-12);
        const double flanges = (c[0] * std::pow(c[1], 3) + c[4] * std::pow(c[5], 3)) / 12;
        EXPECT_NEAR(exact1 - simple, flanges, exact1 * 1e-12);
    }
}

TEST(BuiltUpSection, ThinWebLinesNeedAStrictlyThinWeb) {
    BuiltUpSectionInput in;
    in.tw = 19.99;
    EXPECT_NE(ComputeBuiltUpSection(in).report->find(" Iw = "), std::string::npos);
    in.tw = 20; // exactly 0.1 * min(200, 350): not thin
    const auto r = ComputeBuiltUpSection(in);
    EXPECT_FALSE(r.thinWeb);
    EXPECT_EQ(r.report->find("Iw"), std::string::npos);
    EXPECT_EQ(r.report->find("It ="), std::string::npos);
    EXPECT_EQ(r.report->substr(r.report->size() - 2), "mm"); // ends with the centroid line
}

TEST(BuiltUpSection, UnitsChangeMassFactorButNotWarpingFactors) {
    BuiltUpSectionInput mm;
    BuiltUpSectionInput cm = mm;
    cm.unit = "cm";
    BuiltUpSectionInput m = mm;
    m.unit = "m";
    const auto rm = ComputeBuiltUpSection(mm);
    const auto rc = ComputeBuiltUpSection(cm);
    const auto rmm = ComputeBuiltUpSection(m);
    EXPECT_NEAR(rc.mass, 7850 * 19800 * 1e-4, 1e-9);
    EXPECT_NEAR(rmm.mass, 7850.0 * 19800, 1e-6);
    EXPECT_DOUBLE_EQ(rc.iw, rm.iw);
    EXPECT_DOUBLE_EQ(rc.it, rm.it);
    EXPECT_NE(rc.report->find("1.9800e+004cm2"), std::string::npos);
    EXPECT_NE(rc.report->find("6.7925e+007cm4"), std::string::npos);
    EXPECT_NE(rc.report->find("= 1.0877e+007cm6"), std::string::npos);
}

TEST(BuiltUpSection, RefusesMissingAndNegativeDimensions) {
    BuiltUpSectionInput in;
    in.hw = 0; // a blank box
    auto r = ComputeBuiltUpSection(in);
    EXPECT_FALSE(r.report.has_value());
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0],
              (Notice{"输入的数据不全或者不是正实数", "输入错误", NoticeIcon::Error}));

    in.hw = 1100;
    in.t2 = 5e-9;
    EXPECT_EQ(ComputeBuiltUpSection(in).notices.at(0).text, "输入的数据不全或者不是正实数");

    in.t2 = -16; // a negative wins over a zero elsewhere
    in.b1 = 0;
    r = ComputeBuiltUpSection(in);
    EXPECT_FALSE(r.report.has_value());
    EXPECT_EQ(r.notices.at(0), (Notice{"请输入一个大于0的正数", "输入错误", NoticeIcon::Error}));
}

TEST(BuiltUpSection, OverflowingDimensionsAreRefusedNotPrintedAsInf) {
    BuiltUpSectionInput in;
    in.b1 = 1e200;
    in.b2 = 1e200;
    const auto r = ComputeBuiltUpSection(in);
    EXPECT_FALSE(r.report.has_value());
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].caption, "输入错误");
}

} // namespace
