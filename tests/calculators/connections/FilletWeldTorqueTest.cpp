#include <gtest/gtest.h>

#include <cmath>

#include "calculators/connections/FilletWeldTorque.h"

using namespace ferrolab;

namespace {

TEST(FilletWeldTorque, ReportOfTheOpeningPresets) {
    // b 150, h 320, e 280, hf 6, Fx 0, Fy 340, β 1.0. By hand: L = 145, P = 328.4,
    // Af = 6·(1.4·145 + 0.7·328.4) = 2597.28, x = (4.2·145² − 0.245·36·328.4)/Af = 32.88,
    // T = (280 + 150 − 32.88)·340 = 135021 kN*mm, Ifx = 4.2·(324.2²·72.5 + 320³/12) = 4.35e7,
    // Ify = 5.73e6, Ifp = 4.92e7, τ_T_Ax = 160·T·1000/Ifp = 439.02, τ_T_Ay = 112.12·T·1000/Ifp
    // = 307.64, τ_F_Ay = 340000/Af = 130.91, τA = sqrt(439.02² + 438.55²) = 620.53.
    const FilletWeldTorqueResult r = ComputeFilletWeldTorque({});
    ASSERT_TRUE(r.report);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_EQ(*r.xText, "32.88");
    EXPECT_EQ(*r.tText, "135.02");
    EXPECT_EQ(*r.report,
              "焊缝总有效面积 Af =0.7*hf*(2*(b-5) +h) =2597.28mm2 \r\n"
              "Ifx =0.7*hf*((h^3)/12 + 2*(b-5)*(0.5*h)^2) =4.35e+007mm4 \r\n"
              "Ify =0.7*hf*(2*(x^3)/3. + 2*((b-5-x)^3)/3. + h*x^2 )=5.73e+006mm4 \r\n"
              "Ifp =Ifx + Ify =4.92e+007mm4 \r\n"
              "扭矩在A点产生的x方向的剪应力 τ_T_Ax = T*1.0e6*yA/Ifp =439.02N/mm2 \r\n"
              "扭矩在A点产生的y方向的剪应力 τ_T_Ay = T*1.0e6*xA/Ifp =307.64N/mm2 \r\n"
              "竖直力在A点产生的y方向的剪应力 τ_F_Ay = 130.91N/mm2 \r\n"
              "水平力在A点产生的x方向的剪应力 τ_F_Ax = 0.00N/mm2 \r\n"
              "A点折算应力 τA = sqrt((τ_T_Ax +τ_F_Ax)^2 + ((τ_T_Ay +τ_F_Ay)/β)^2) =620.53N/mm2 "
              "\r\n");
    // β = 1: the plain vector sum of the two components.
    EXPECT_DOUBLE_EQ(r.tauA, std::hypot(r.tauTAx + r.tauFAx, r.tauTAy + r.tauFAy));
}

TEST(FilletWeldTorque, HorizontalForceAndFrontWeldFactor) {
    // b 180, h 400, e 320, hf 10, Fx 50, Fy 460, β 1.22. By hand: Af 5348.00, x 38.19,
    // T 212.43 kN*m, τ_T_Ax 272.28, τ_T_Ay 186.26, τ_F_Ay 86.01, τ_F_Ax 9.35,
    // τA = sqrt(281.63² + (272.27/1.22)²) = 359.33.
    FilletWeldTorqueInput in;
    in.b = 180;
    in.h = 400;
    in.e = 320;
    in.hf = 10;
    in.fx = 50;
    in.fy = 460;
    in.beta = 1.22;
    const FilletWeldTorqueResult r = ComputeFilletWeldTorque(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.xText, "38.19");
    EXPECT_EQ(*r.tText, "212.43");
    EXPECT_NE(r.report->find("=5348.00mm2 \r\n"), std::string::npos);
    EXPECT_NE(r.report->find("τ_F_Ax = 9.35N/mm2 \r\n"), std::string::npos);
    EXPECT_NE(r.report->find(") =359.33N/mm2 \r\n"), std::string::npos);
}

TEST(FilletWeldTorque, BetaBetweenOneAndOnePointTwoTwo) {
    const std::pair<double, bool> cases[] = {{1.0, true},   {1.1, true},   {1.22, true},
                                             {0.99, false}, {1.23, false}, {0, false}};
    for (const auto& [beta, accepted] : cases) {
        FilletWeldTorqueInput in;
        in.beta = beta;
        const FilletWeldTorqueResult r = ComputeFilletWeldTorque(in);
        EXPECT_EQ(r.report.has_value(), accepted) << beta;
        EXPECT_EQ(r.xText.has_value(), accepted) << beta;
        if (!accepted) {
            ASSERT_EQ(r.notices.size(), 1u);
            EXPECT_EQ(r.notices[0], InputError("老哥，不要乱填数,β在1~1.22之间"));
        }
    }
}

TEST(FilletWeldTorque, SizesThatLeaveNoWeldGroupAreRefused) {
    const struct {
        double FilletWeldTorqueInput::*field;
        double value;
        const char* message;
    } cases[] = {
        {&FilletWeldTorqueInput::b, 0, "b 应为大于0的数"},
        {&FilletWeldTorqueInput::hf, 0, "hf 应为大于0的数"},
        {&FilletWeldTorqueInput::b, 5, "b 应大于5mm（水平焊缝的计算长度为 b-5）"},
        {&FilletWeldTorqueInput::fx, -50, "e、Fx 和 Fy 按图示方向输入，不能为负数"},
        {&FilletWeldTorqueInput::h, 1e200, "输入的数值过大"},
        {&FilletWeldTorqueInput::fy, 1e306, "输入的数值过大"},
    };
    for (const auto& c : cases) {
        FilletWeldTorqueInput in;
        in.*c.field = c.value;
        const FilletWeldTorqueResult r = ComputeFilletWeldTorque(in);
        EXPECT_FALSE(r.report) << c.message;
        EXPECT_FALSE(r.xText) << c.message;
        ASSERT_EQ(r.notices.size(), 1u) << c.message;
        EXPECT_EQ(r.notices[0], InputError(c.message));
    }
}

} // namespace

namespace {

FilletWeldTorqueInput Bracket2017() {
    FilletWeldTorqueInput in;
    in.b = 180;
    in.h = 400;
    in.e = 100;
    in.hf = 10;
    in.fx = 0;
    in.fy = 100;
    in.beta = 1.22;
    in.edition = kSteel2017;
    in.grade = "Q345";
    return in;
}

// GB50017-2017 compares τA with ffw of table 4.4.5 (formula 11.2.2-3). b 180, h 400, e 100,
// hf 10, Fy 100, β 1.22, Q345 with E50. By hand: L = 175, P = 414, Af = 10·(245 + 289.8) = 5348,
// x = (7·175² − 0.245·100·414)/5348 = 204232/5348 = 38.19, T = (100 + 180 − 38.19)·100 = 24181
// kN*mm, Ifx = 7·(407²·87.5 + 400³/12) = 1.388e8, Ify = 7·(2/3·136.81³ + 414·41.69² +
// 2/3·38.19³) = 1.725e7, Ifp = 1.560e8, τ_T_Ax = 200·T·1000/Ifp = 30.99, τ_T_Ay = 136.81·T·1000/Ifp
// = 21.20, τ_F_Ay = 100000/5348 = 18.70, τA = sqrt(30.99² + (39.90/1.22)²) = 45.06 <= 200.
TEST(FilletWeldTorque2017, CombinedStressAgainstTheFilletWeldStrength) {
    const FilletWeldTorqueResult r = ComputeFilletWeldTorque(Bracket2017());
    ASSERT_TRUE(r.report);
    EXPECT_NEAR(r.x, 38.19, 0.005);
    EXPECT_NEAR(r.tauA, 45.06, 0.005);
    EXPECT_EQ(r.ffw, 200);
    const std::string tail =
        "A点折算应力 τA = sqrt((τ_T_Ax +τ_F_Ax)^2 + ((τ_T_Ay +τ_F_Ay)/β)^2) =45.06N/mm2 \r\n"
        "钢材为:Q345,焊条为E50型,查GB50017-2017表4.4.5，得角焊缝的抗拉、抗压、抗剪强度设计值为:"
        "200.00(N/mm2),\r\n"
        "按GB50017-2017式(11.2.2-3)，A点 τA =45.06N/mm2 <= ffw =200.00N/mm2\r\n";
    EXPECT_EQ(r.report->substr(r.report->size() - tail.size()), tail);
    ASSERT_EQ(r.checks.size(), 1u);
    EXPECT_EQ(r.checks[0], (Check{"A点折算应力 τA/ffw", r.tauA, 200}));

    // GB50017-2003 reports the same stresses and no comparison.
    FilletWeldTorqueInput old = Bracket2017();
    old.edition = kSteel2003;
    const FilletWeldTorqueResult r2003 = ComputeFilletWeldTorque(old);
    ASSERT_TRUE(r2003.report);
    EXPECT_EQ(*r.report, *r2003.report + tail.substr(tail.find("钢材为:")));
    EXPECT_TRUE(r2003.checks.empty());
}

TEST(FilletWeldTorque2017, AStressAboveTheStrengthIsToldInTheReport) {
    // The opening presets give τA = 620.53 (worked above); Q420 with E60 has ffw 240.
    FilletWeldTorqueInput in;
    in.edition = kSteel2017;
    in.grade = "Q420";
    in.electrode = "E60";
    const FilletWeldTorqueResult r = ComputeFilletWeldTorque(in);
    ASSERT_TRUE(r.report);
    const std::string tail =
        "按GB50017-2017式(11.2.2-3)，A点 τA =620.53N/mm2 > ffw =240.00N/mm2\r\n"
        "A点处焊缝折算应力大于角焊缝的强度设计值，请加大焊脚尺寸后重新计算\r\n";
    EXPECT_EQ(r.report->substr(r.report->size() - tail.size()), tail);
    EXPECT_FALSE(Satisfied(r.checks.at(0)));

    in.electrode = "E43";
    const FilletWeldTorqueResult refused = ComputeFilletWeldTorque(in);
    EXPECT_FALSE(refused.report);
    ASSERT_EQ(refused.notices.size(), 1u);
    EXPECT_EQ(refused.notices[0], InputError("Q420钢的焊条应为 E55、E60（GB50017-2017表4.4.5）"));
}

} // namespace
