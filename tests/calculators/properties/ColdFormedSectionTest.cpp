#include <gtest/gtest.h>

#include "calculators/properties/ColdFormedSection.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

const std::string kChannelNote =
    "   根据GB50018 2002的附表B.2.4的近似公式计算，与表B.1.1-3的值有出入，请慎用。\r\n";
const std::string kOuterLipNote = "   根据GB50018 2002的附表B.2.5的近似公式计算，请慎用。\r\n";
const std::string kInnerLipNote =
    "   根据GB50018 2002的附表B.2.6的近似公式计算。与表B.1.1-4的值有出入，"
    "尤其是扇性惯性矩Iw能差距接近50%,请慎用\r\n";
const std::string kZNote =
    "   根据GB50018 2002的附表B.2.7~9的近似公式计算。与表B.1.1-3~5的值有出入，请慎用\r\n";

struct FamilyCase {
    CFFamily family;
    double a, h, b, t;
    std::string report;
};

// Worked from the B.2.4-B.2.9 formulas (mm), printed in cm units with "%.3f".
// Opening channel 60x30x2.5: L = 120, A = 300, x0 = 30*30/120 = 7.5, Ix = 3600*2.5*(15 + 5) =
// 180000, Iy = 2.5*(60*7.5^2 + 4500 + 60*56.25) = 28125, It = 300*6.25/3 = 625,
// d = 30*2.5*3600*7.5/180000 = 11.25, Iw = 27000*3600*2.5*210/(12*240) = 17718750,
// and Uy = 928125 (mm5).
const FamilyCase kFamilies[] = {
    {CFFamily::Channel, 0, 60, 30, 2.5,
     kChannelNote + " 截面积:3.000cm2 \t z0:0.750cm \r\n Ix:18.000cm4 \t\t Iy:2.812cm4 \r\n"
                    " It:0.062cm4 \t\t Iw:17.719cm6 \r\n d:1.125cm \t\t e0:1.875cm \r\n"
                    " Uy:9.281cm5"},
    {CFFamily::Channel, 0, 120, 50, 3,
     kChannelNote + " 截面积:6.600cm2 \t z0:1.136cm \r\n Ix:151.200cm4 \t\t Iy:16.477cm4 \r\n"
                    " It:0.198cm4 \t\t Iw:417.857cm6 \r\n d:1.786cm \t\t e0:2.922cm \r\n"
                    " Uy:126.074cm5"},
    {CFFamily::OuterLipChannel, 20, 100, 40, 2,
     kOuterLipNote + " 截面积:4.400cm2 \t z0:1.455cm \r\n Ix:85.733cm4 \t\t Iy:12.024cm4 \r\n"
                     " It:0.059cm4 \t\t Iw:139.513cm6 \r\n d:1.816cm \t\t e0:3.271cm \r\n"
                     " Uy:82.354cm5"},
    {CFFamily::OuterLipChannel, 15, 80, 40, 2,
     kOuterLipNote + " 截面积:3.800cm2 \t z0:1.474cm \r\n Ix:47.783cm4 \t\t Iy:9.881cm4 \r\n"
                     " It:0.051cm4 \t\t Iw:78.404cm6 \r\n d:1.837cm \t\t e0:3.311cm \r\n"
                     " Uy:43.538cm5"},
    {CFFamily::InnerLipChannel, 20, 100, 40, 2,
     kInnerLipNote + " 截面积:4.400cm2 \t z0:1.455cm \r\n Ix:69.733cm4 \t\t Iy:12.024cm4 \r\n"
                     " It:0.059cm4 \t\t Iw:330.605cm6 \r\n d:2.233cm \t\t e0:3.688cm \r\n"
                     " Uy:41.626cm5"},
    // A plain Z takes no lip, whatever the lip box held: Ix1y1 = -b h t b/2 = -160000,
    // Iw = t b^3 h^2 (b + 2h) / (12 (2b + h)) = 142222222.
    {CFFamily::ZSection, 20, 100, 40, 2,
     kZNote + " 截面积:3.600cm2 \t Ix1:56.667cm4 \r\n Iy1:8.533cm4 \t\t Ix1y1:-16.000cm4 \r\n"
              " θ:16.808 \t\t Ix:61.500cm4 \r\n Iy:3.700cm4 \t\t It:0.048cm4 \r\n"
              " Iw:142.222cm6"},
    {CFFamily::LippedZ, 20, 100, 40, 2,
     kZNote + " 截面积:4.400cm2 \t Ix1:69.733cm4 \r\n Iy1:21.333cm4 \t\t Ix1y1:-28.800cm4 \r\n"
              " θ:24.980 \t\t Ix:83.151cm4 \r\n Iy:7.916cm4 \t\t It:0.059cm4 \r\n"
              " Iw:396.800cm6"},
    {CFFamily::SlopedLipZ, 20, 100, 40, 2,
     kZNote + " 截面积:4.400cm2 \t Ix1:71.543cm4 \r\n Iy1:26.392cm4 \t\t Ix1y1:-32.032cm4 \r\n"
              " θ:27.412 \t\t Ix:88.156cm4 \r\n Iy:9.779cm4 \t\t It:0.059cm4 \r\n"
              " Iw:467.509cm6"},
    // Lips with a^2 = h (a + b/2) cancel the flanges' product of inertia: the axes parallel to
    // web and flanges are principal, θ = 0, Ix = Ix1 and Iy = Iy1.
    {CFFamily::LippedZ, 60, 40, 60, 1,
     kZNote + " 截面积:2.800cm2 \t Ix1:10.133cm4 \r\n Iy1:57.600cm4 \t\t Ix1y1:0.000cm4 \r\n"
              " θ:0.000 \t\t Ix:10.133cm4 \r\n Iy:57.600cm4 \t\t It:0.009cm4 \r\n"
              " Iw:600.686cm6"},
};

TEST(ColdFormedSection, EveryFamilyAgainstTheHandWorkedReport) {
    for (const FamilyCase& c : kFamilies) {
        const ColdFormedSectionResult r = ComputeColdFormedSection({c.family, c.a, c.h, c.b, c.t});
        ASSERT_TRUE(r.report.has_value()) << static_cast<int>(c.family);
        EXPECT_EQ(*r.report, c.report) << static_cast<int>(c.family) << " h=" << c.h;
        EXPECT_TRUE(r.notices.empty());
    }
}

TEST(ColdFormedSection, PrincipalAngleWithoutProductOfInertiaIsZero) {
    EXPECT_EQ(PrincipalAngle(10, 57.6, 0), 0);
    EXPECT_EQ(PrincipalAngle(20, 20, 0), 0); // no 0/0
    EXPECT_NEAR(PrincipalAngle(20, 20, -5), -45, 1e-6);
    EXPECT_NEAR(PrincipalAngle(56.667, 8.533, -16), 16.808, 5e-4);
}

TEST(ColdFormedSection, MissingOrNegativeDimensionsAreRefused) {
    const Notice dims = InputError("截面尺寸h、b、t必须是大于0的数");
    const Notice lip = InputError("卷边宽度a不能是负数");
    struct Bad {
        CFFamily family;
        double a, h, b, t;
        Notice notice;
    };
    const Bad bad[] = {
        {CFFamily::Channel, 0, 0, 30, 2.5, dims},
        {CFFamily::Channel, 0, 60, 0, 2.5, dims},
        {CFFamily::ZSection, 0, 60, 30, 0, dims},
        {CFFamily::LippedZ, 20, -60, 30, 2.5, dims},
        {CFFamily::SlopedLipZ, 20, 60, -1, 2, dims},
        {CFFamily::InnerLipChannel, -5, 60, 30, 2, lip},
        {CFFamily::OuterLipChannel, -1, 60, 30, 2, lip},
    };
    for (const Bad& c : bad) {
        const ColdFormedSectionResult r = ComputeColdFormedSection({c.family, c.a, c.h, c.b, c.t});
        EXPECT_FALSE(r.report.has_value());
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_EQ(r.notices[0], c.notice);
    }
    // A lipped family with a zero lip is the plain shape; a plain family ignores the lip box.
    EXPECT_TRUE(ComputeColdFormedSection({CFFamily::LippedZ, 0, 60, 30, 2}).report.has_value());
    EXPECT_EQ(ComputeColdFormedSection({CFFamily::Channel, -5, 60, 30, 2.5}).report,
              ComputeColdFormedSection({}).report);
    const auto huge = ComputeColdFormedSection({CFFamily::LippedZ, 1e300, 1e300, 1e300, 1e300});
    EXPECT_FALSE(huge.report.has_value());
    EXPECT_EQ(huge.notices.at(0), InputError("输入的数值过大"));
}

TEST(ColdFormedSection, ThickWallWarningAbove6mm) {
    EXPECT_FALSE(ThicknessNotice(6.0001).has_value());
    EXPECT_EQ(ThicknessNotice(6.0002),
              (Notice{"GB50018-2002建议壁厚不宜大于6mm", "注意", NoticeIcon::Warning}));
}

TEST(ColdFormedSectionEntry, SameTextAsTheUnitAndRefusals) {
    const auto run =
        test::Call({"coldformed-section", "family=斜卷边Z形钢", "a=20", "h=100", "b=40", "t=2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(kFamilies[7].report) + "\n");
    EXPECT_EQ(test::Call({"coldformed-section"}).out, cli::ToUnixLines(kFamilies[0].report) + "\n");

    const auto thick = test::Call({"coldformed-section", "t=8"});
    EXPECT_EQ(thick.status, 0);
    EXPECT_EQ(thick.err, "注意: GB50018-2002建议壁厚不宜大于6mm\n");

    for (const char* value : {"", "0", "-3", "nan", "inf", "abc", "1e308", "1e-320"}) {
        for (const char* field : {"a", "h", "b", "t"}) {
            for (const char* family : {"外卷边薄壁槽钢", "斜卷边Z形钢"}) {
                const auto r = test::Call({"coldformed-section", std::string("family=") + family,
                                           std::string(field) + "=" + value});
                EXPECT_TRUE(r.status == 0 || r.status == 2) << field << "=" << value;
                EXPECT_EQ(r.out.find("nan"), std::string::npos) << field << "=" << value;
                EXPECT_EQ(r.out.find("inf"), std::string::npos) << field << "=" << value;
                EXPECT_EQ(r.status == 2, r.out.empty()) << field << "=" << value;
            }
        }
    }
    EXPECT_EQ(test::Call({"coldformed-section", "h=0"}).err,
              "输入错误: 截面尺寸h、b、t必须是大于0的数\n");
}

} // namespace
