#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calculators/members/ApproxPhiB.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

using test::Call;

ApproxPhiBInput Typed(int section, double lambdaY, int fy) {
    ApproxPhiBInput in;
    in.section = section;
    in.lambdaY = lambdaY;
    in.fy = fy;
    in.stemRatio = 12; // within 18·sqrt(235/fy) for every grade
    return in;
}

// The published check: λy = 7000/99.6 = 70.3, Q235, doubly symmetric:
// φb = 1.07 − 70.3²/44000 = 1.07 − 0.1123 = 0.958.
const char* const kPublishedReport =
    "   -------根据GB50017-2003附录B.5，均匀弯曲的受弯构件------\r\n"
    "截面类型: 双轴对称工字形(含H型钢)\r\n"
    "长细比 λy=70.30\r\n"
    " λy≤120*sqrt(235/fy)=120.00\r\n"
    " 按式B.5-1，φb=1.07-λy^2/44000*fy/235=1.07-70.30^2/44000*235/235=0.958\r\n"
    " 注：按式B.5-1至B.5-5算得的φb值大于0.6时，不需按式B.1-2换算成φb`值。";

// Welded singly symmetric I: compression flange 300 x 14, web 574 x 8, tension flange 200 x 12
// (h 600), l1 = 6 m, Q235. A = 4200 + 4592 + 2400 = 11192; yb = (2400·6 + 4592·299 +
// 4200·593)/11192 = 346.50 from the bottom face, so the compressed fibre is 253.50 away;
// Ix = 669995632.6 (plates about the axis), Wx = 2642962.17; I1 = 14·300³/12 = 31.5e6,
// I2 = 12·200³/12 = 8e6,
// αb = 31.5/39.5 = 0.797; Iy = 39524490.7, iy = 59.43, λy = 100.97;
// φb = 1.07 − 2642962.17/((2·0.7975 + 0.1)·11192·600)·100.97²/14000 = 1.07 − 0.2322·0.7282 =
// 0.901.
const char* const kSinglySymmetricReport =
    "   -------根据GB50017-2003附录B.5，均匀弯曲的受弯构件------\r\n"
    "截面类型: 单轴对称工字形\r\n"
    "焊接工字形截面 受压翼缘 B1*t1=300.00*14.00mm, 腹板 hw*tw=574.00*8.00mm, 受拉翼缘 "
    "B2*t2=200.00*12.00mm\r\n"
    "截面面积 A=11192.00mm2 \t 截面总高 h=600.00mm \t 受压纤维 Wx=2642962.17mm3\r\n"
    "αb=I1/(I1+I2)=0.797\r\n"
    "长细比 λy=l1/iy=6000.00/59.43=100.97\r\n"
    " λy≤120*sqrt(235/fy)=120.00\r\n"
    " 按式B.5-2，φb=1.07-Wx/((2*αb+0.1)*A*h)*λy^2/14000*fy/235=1.07-2642962.17/((2*0.797+0.1)*"
    "11192.00*600.00)*100.97^2/14000*235/235=0.901\r\n"
    " 注：按式B.5-1至B.5-5算得的φb值大于0.6时，不需按式B.1-2换算成φb`值。";

TEST(ApproxPhiB, PublishedDoublySymmetricCheck) {
    const ApproxPhiBResult r = ComputeApproxPhiB(Typed(0, 70.3, 235));
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kPublishedReport);
    EXPECT_NEAR(r.phiB, 0.9577, 5e-5);
    EXPECT_TRUE(r.notices.empty());
}

TEST(ApproxPhiB, SinglySymmetricWeldedI) {
    ApproxPhiBInput in;
    in.section = 1;
    in.lambdaTyped = false;
    in.series = kWeldedPlatesSeries;
    const ApproxPhiBResult r = ComputeApproxPhiB(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kSinglySymmetricReport);
    EXPECT_NEAR(r.phiB, 0.9009, 5e-5);
}

TEST(ApproxPhiB, FormulasByHand) {
    // 1.07 − λ²/44000·fy/235 (capped at 1.0), 1 − 0.0017λ·sqrt(fy/235), 1 − 0.0022λ·sqrt(fy/235),
    // 1 − 0.0005λ·sqrt(fy/235).
    struct Case {
        double lambdaY;
        int fy;
        double phi[4]; // B.5-1, B.5-3, B.5-4, B.5-5
    };
    const Case cases[] = {
        {40, 235, {1.0, 0.9320, 0.9120, 0.9800}},     {80, 235, {0.9245, 0.8640, 0.8240, 0.9600}},
        {100, 235, {0.8427, 0.8300, 0.7800, 0.9500}}, {40, 345, {1.0, 0.9176, 0.8934, 0.9758}},
        {80, 345, {0.8565, 0.8352, 0.7868, 0.9515}},  {120, 235, {0.7427, 0.7960, 0.7360, 0.9400}},
    };
    const int sections[] = {0, 2, 3, 4};
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i) {
            const ApproxPhiBResult r = ComputeApproxPhiB(Typed(sections[i], c.lambdaY, c.fy));
            ASSERT_TRUE(r.report) << c.lambdaY << " " << c.fy << " " << i;
            EXPECT_NEAR(r.phiB, c.phi[i], 5e-5) << c.lambdaY << " " << c.fy << " " << i;
        }
    }
    // The cap shows in the report.
    EXPECT_NE(ComputeApproxPhiB(Typed(0, 40, 235))
                  .report->find("=1.07-40.00^2/44000*235/235=1.034>1.0，取φb=1.000\r\n"),
              std::string::npos);
}

TEST(ApproxPhiB, LambdaFromACatalogueOrWeldedSection) {
    // HN400x200, iy 4.54 cm, l1 = 3 m: λy = 3000/45.4 = 66.08; as a split T with the flange in
    // compression φb = 1 − 0.0022·66.08 = 0.855; as a doubly symmetric H with 6 m, Q345:
    // λy = 132.16 > 99.04, refused.
    ApproxPhiBInput in;
    in.section = 3;
    in.lambdaTyped = false;
    in.series = "马钢窄翼缘HN系列";
    in.name = "HN400x200";
    in.l1 = 3;
    ApproxPhiBResult r = ComputeApproxPhiB(in);
    ASSERT_TRUE(r.report);
    EXPECT_NE(r.report->find("截面 由HN400x200剖分的T型钢: iy=45.40mm\r\n长细比 λy=l1/iy=3000.00/"
                             "45.40=66.08\r\n"),
              std::string::npos);
    EXPECT_NE(r.report->find("=1-0.0022*66.08*sqrt(235/235)=0.855\r\n"), std::string::npos);
    // Two-plate T, flange 300 x 14, stem 200 x 12, flange in tension, l1 = 3 m: A = 6600,
    // Iy = 14·300³/12 + 200·12³/12 = 31528800, iy = 69.12, λy = 43.40, stem 200/12 = 16.67 <= 18,
    // φb = 1 − 0.0005·43.40 = 0.978.
    in.section = 4;
    in.series = kWeldedPlatesSeries;
    in.hw = 200;
    in.tw = 12;
    r = ComputeApproxPhiB(in);
    ASSERT_TRUE(r.report);
    EXPECT_NE(
        r.report->find("两板组合T形截面 翼缘 B1*t1=300.00*14.00mm, 腹板 hw*tw=200.00*12.00mm: "
                       "A=6600.00mm2, iy=69.12mm\r\n腹板宽厚比 b/t=hw/tw=16.67\r\n"),
        std::string::npos);
    EXPECT_NE(
        r.report->find(" 腹板宽厚比 b/t=16.67≤18*sqrt(235/fy)=18.00\r\n 按式B.5-5，φb=1-0.0005*"
                       "λy*sqrt(fy/235)=1-0.0005*43.40*sqrt(235/235)=0.978\r\n"),
        std::string::npos);
    // A welded doubly symmetric I, 250 x 12 flanges, web 500 x 8, l1 = 5 m: Iy = 2·12·250³/12 +
    // 500·8³/12 = 31271333.3, A = 10000, iy = 55.92, λy = 89.41, φb = 1.07 − 89.41²/44000 =
    // 0.888.
    in.section = 0;
    in.b1 = in.b2 = 250;
    in.t1 = in.t2 = 12;
    in.hw = 500;
    in.tw = 8;
    in.l1 = 5;
    r = ComputeApproxPhiB(in);
    ASSERT_TRUE(r.report);
    EXPECT_NEAR(r.lambdaY, 89.41, 0.005);
    EXPECT_NEAR(r.phiB, 1.07 - 89.4148 * 89.4148 / 44000, 1e-4);
}

TEST(ApproxPhiB, RefusalsNameTheirLimit) {
    struct Case {
        const char* what;
        ApproxPhiBInput in;
        const char* message;
    };
    ApproxPhiBInput rolledSingly = Typed(1, 80, 235);
    ApproxPhiBInput angles = Typed(2, 80, 235);
    angles.lambdaTyped = false;
    ApproxPhiBInput unequal = Typed(0, 80, 235);
    unequal.lambdaTyped = false;
    unequal.series = kWeldedPlatesSeries;
    ApproxPhiBInput noSpan = unequal;
    noSpan.l1 = 0;
    ApproxPhiBInput zeroPlate = Typed(1, 80, 235);
    zeroPlate.series = kWeldedPlatesSeries;
    zeroPlate.t2 = 0;
    ApproxPhiBInput wideStem = Typed(4, 80, 345);
    wideStem.stemRatio = 15; // 18·sqrt(235/345) = 14.86
    ApproxPhiBInput noStem = Typed(4, 80, 235);
    noStem.stemRatio = 0;
    ApproxPhiBInput splitStem = Typed(4, 80, 235);
    splitStem.lambdaTyped = false;
    splitStem.series = "马钢窄翼缘HN系列";
    splitStem.name = "HN400x200";
    splitStem.l1 = 3;
    ApproxPhiBInput noGrade = Typed(0, 80, 0);
    const Case cases[] = {
        {"λy above the Q345 limit", Typed(0, 100, 345),
         "λy=100.00大于120*sqrt(235/fy)=99.04，不能按附录B.5近似计算φb"},
        {"λy just above 120", Typed(2, 120.01, 235),
         "λy=120.01大于120*sqrt(235/fy)=120.00，不能按附录B.5近似计算φb"},
        {"λy blank", Typed(0, 0, 235), "长细比λy必须是大于0的数"},
        {"λy negative", Typed(3, -5, 235), "长细比λy必须是大于0的数"},
        {"singly symmetric from the catalogue", rolledSingly,
         "单轴对称工字形截面由焊接截面的尺寸计算，请选择焊接截面"},
        {"double angle from a section", angles,
         "双角钢T形截面的iy与两角钢的间距有关，请直接输入λy"},
        {"unequal flanges as doubly symmetric", unequal,
         "双轴对称工字形截面的上、下翼缘应相同(B1=B2, t1=t2)"},
        {"no support spacing", noSpan, "受压翼缘侧向支承点的距离l1必须是大于0的数"},
        {"zero plate", zeroPlate, "焊接截面的尺寸B1、t1、hw、tw、B2、t2必须是大于0的数"},
        {"stem too slender", wideStem,
         "T形截面腹板宽厚比b/t=15.00大于18*sqrt(235/fy)=14.86，不能按式B.5-5计算φb"},
        {"stem blank", noStem, "T形截面腹板宽厚比b/t必须是大于0的数"},
        {"split T stem (200 − 13)/8", splitStem,
         "T形截面腹板宽厚比b/t=23.38大于18*sqrt(235/fy)=18.00，不能按式B.5-5计算φb"},
        {"no grade", noGrade, "请选择钢号"},
        {"no section type", Typed(5, 80, 235), "请选择截面类型"},
    };
    for (const Case& c : cases) {
        const ApproxPhiBResult r = ComputeApproxPhiB(c.in);
        EXPECT_FALSE(r.report) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0], InputError(c.message)) << c.what;
    }
}

TEST(ApproxPhiBRunner, PrintsTheReportAndRefuses) {
    const test::CliRun run = Call({"approx-phib"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(kPublishedReport) + "\n");
    EXPECT_EQ(Call({"approx-phib", "type=2", "lambda-from=section", "series=焊接截面"}).out,
              cli::ToUnixLines(kSinglySymmetricReport) + "\n");
    const test::CliRun refused = Call({"approx-phib", "lambda=100", "grade=Q345"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("大于120*sqrt(235/fy)=99.04"), std::string::npos);
    EXPECT_EQ(Call({"approx-phib", "series=马钢窄翼缘HN系列", "name=HW100x100"}).status,
              cli::kExitUsage);
}

// --- GB50017-2017 ------------------------------------------------------------------------------

ApproxPhiBInput In2017(ApproxPhiBInput in) {
    in.edition = kSteel2017;
    return in;
}

// Q345, doubly symmetric, λy = 70.3 typed: 120·εk = 120·sqrt(235/345) = 120·0.82532 = 99.04;
// εk² = 0.681159, φb = 1.07 − 4942.09/(44000·0.681159) = 1.07 − 0.16490 = 0.905.
const char* const kDoublySymmetricQ345Report2017 =
    "   -------根据GB50017-2017附录C.0.5，均匀弯曲的受弯构件------\r\n"
    "截面类型: 双轴对称工字形(含H型钢)\r\n"
    "长细比 λy=70.30\r\n"
    " λy≤120*εk=120*sqrt(235/345)=99.04\r\n"
    " 按式C.0.5-1，φb=1.07-λy^2/(44000*εk^2)=1.07-70.30^2/(44000*235/345)=0.905\r\n"
    " 注：按式C.0.5-1至C.0.5-5算得的φb值大于0.6时，不需按式C.0.1-7换算成φb`值。";

// The welded singly symmetric I of the 2003 case at l1 = 5 m in Q345: iy = 59.43, λy = 84.14
// (<= 99.04); Wx/((2αb + 0.1)·A·h) = 2642962.17/(1.6949·11192·600) = 0.23221,
// λy²/(14000·εk²) = 7079.1/9536.2 = 0.74234, φb = 1.07 − 0.17238 = 0.898.
const char* const kSinglySymmetricQ345Report2017 =
    "   -------根据GB50017-2017附录C.0.5，均匀弯曲的受弯构件------\r\n"
    "截面类型: 单轴对称工字形\r\n"
    "焊接工字形截面 受压翼缘 B1*t1=300.00*14.00mm, 腹板 hw*tw=574.00*8.00mm, 受拉翼缘 "
    "B2*t2=200.00*12.00mm\r\n"
    "截面面积 A=11192.00mm2 \t 截面总高 h=600.00mm \t 受压纤维 Wx=2642962.17mm3\r\n"
    "αb=I1/(I1+I2)=0.797\r\n"
    "长细比 λy=l1/iy=5000.00/59.43=84.14\r\n"
    " λy≤120*εk=120*sqrt(235/345)=99.04\r\n"
    " 按式C.0.5-2，φb=1.07-Wx/((2*αb+0.1)*A*h)*λy^2/(14000*εk^2)=1.07-2642962.17/((2*0.797+0.1)*"
    "11192.00*600.00)*84.14^2/(14000*235/345)=0.898\r\n"
    " 注：按式C.0.5-1至C.0.5-5算得的φb值大于0.6时，不需按式C.0.1-7换算成φb`值。";

ApproxPhiBInput WeldedSinglySymmetric(double l1, int fy) {
    ApproxPhiBInput in;
    in.section = 1;
    in.lambdaTyped = false;
    in.series = "焊接截面";
    in.l1 = l1;
    in.fy = fy;
    return in;
}

TEST(ApproxPhiB2017, HandWorkedReports) {
    EXPECT_EQ(ComputeApproxPhiB(In2017(Typed(0, 70.3, 345))).report.value_or("refused"),
              kDoublySymmetricQ345Report2017);
    EXPECT_EQ(ComputeApproxPhiB(In2017(WeldedSinglySymmetric(5, 345))).report.value_or("refused"),
              kSinglySymmetricQ345Report2017);
    // The T formulas with λy/εk, Q390 (εk = 0.77625), λy = 60: C.0.5-3 1 − 0.0017·77.295 = 0.869,
    // C.0.5-4 1 − 0.0022·77.295 = 0.830; C.0.5-5 in Q235, λy = 80: 1 − 0.0005·80 = 0.960.
    const struct {
        ApproxPhiBInput in;
        const char* line;
        double phiB;
    } cases[] = {
        {Typed(2, 60, 390), " 按式C.0.5-3，φb=1-0.0017*λy/εk=1-0.0017*60.00/sqrt(235/390)=0.869",
         0.86860},
        {Typed(3, 60, 390), " 按式C.0.5-4，φb=1-0.0022*λy/εk=1-0.0022*60.00/sqrt(235/390)=0.830",
         0.82995},
        {Typed(4, 80, 235),
         " 腹板宽厚比 b/t=12.00≤18*εk=18.00\r\n"
         " 按式C.0.5-5，φb=1-0.0005*λy/εk=1-0.0005*80.00/sqrt(235/235)=0.960",
         0.96},
    };
    for (const auto& c : cases) {
        const ApproxPhiBResult r = ComputeApproxPhiB(In2017(c.in));
        ASSERT_TRUE(r.report) << c.line;
        EXPECT_NE(r.report->find(std::string(c.line) + "\r\n 注：按式C.0.5-1至C.0.5-5"),
                  std::string::npos)
            << *r.report;
        EXPECT_EQ(r.report->find("B."), std::string::npos) << *r.report;
        EXPECT_NEAR(r.phiB, c.phiB, 5e-5) << c.line;
    }
}

TEST(ApproxPhiB2017, RefusalsCiteTheEditionsLimits) {
    // 6 m: λy = 100.97 > 99.04 in Q345; the 2003 edition words the same limit its own way.
    const ApproxPhiBResult slender = ComputeApproxPhiB(In2017(WeldedSinglySymmetric(6, 345)));
    ASSERT_EQ(slender.notices.size(), 1u);
    EXPECT_EQ(slender.notices[0], InputError("λy=100.97大于120*εk=120*sqrt(235/345)=99.04，"
                                             "不能按附录C.0.5近似计算φb"));
    const ApproxPhiBResult old = ComputeApproxPhiB(WeldedSinglySymmetric(6, 345));
    ASSERT_EQ(old.notices.size(), 1u);
    EXPECT_EQ(old.notices[0],
              InputError("λy=100.97大于120*sqrt(235/fy)=99.04，不能按附录B.5近似计算φb"));
    // The stem b/t = 15 against 18·εk = 13.97 in Q390.
    ApproxPhiBInput stem = In2017(Typed(4, 60, 390));
    stem.stemRatio = 15;
    const ApproxPhiBResult r = ComputeApproxPhiB(stem);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0],
              InputError("T形截面腹板宽厚比b/t=15.00大于18*εk=13.97，不能按式C.0.5-5计算φb"));
}

TEST(ApproxPhiB2017, Runner) {
    const test::CliRun run = Call({"approx-phib", "edition=2017", "grade=Q345", "lambda=70.30"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(kDoublySymmetricQ345Report2017) + "\n");
    EXPECT_EQ(Call({"approx-phib", "edition=2001"}).status, cli::kExitUsage);
}

} // namespace
