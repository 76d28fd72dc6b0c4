#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calculators/members/BeamStability.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

using test::Call;
using test::CliRun;

BeamStabilityInput Welded(double b1, double t1, double hw, double tw, double b2, double t2) {
    BeamStabilityInput in;
    in.series = kWeldedISeries;
    in.b1 = b1;
    in.t1 = t1;
    in.hw = hw;
    in.tw = tw;
    in.b2 = b2;
    in.t2 = t2;
    in.gammaX = 1.05;
    in.gammaY = 1.2;
    return in;
}

// HN800x300 from the catalogue (h 800, b 300, tf 26, A 267.4 cm2, iy 6.62 cm, Wx 7290 cm3,
// Wy 782 cm3), l1 = 6 m, Q345, case 3: ξ = 6000·26/(300·800) = 0.65, βb = 0.73 + 0.18·0.65 =
// 0.847, λy = 6000/66.2 = 90.63, φb = 1.071 > 0.6 so φ'b = 1.07 - 0.282/1.071 = 0.807;
// σ = 1500e6/(1.05·7290e3) + 20e6/(1.2·782e3) = 195.96 + 21.31.
const char* const kRolledReport =
    "   -------根据GB50017-2003附录 表B-1------\r\n"
    " ξ=l1*t1/(b1*h)=6000.00*26.00/(300.00*800.00) =0.65\r\n"
    "   ξ<2.0,  跨中无侧向支承，集中荷载作用在上翼缘\r\n"
    "βb=   0.73+0.18*ξ = 0.73+0.18*0.65= 0.847\r\n"
    "iy=66.20mm\t长细比 λy=90.63\r\n"
    "截面面积 A=26740.00mm2 \t 截面总高 h=800.00mm\r\n"
    "Wx=7290000.00mm3 \t 受压翼缘厚度 t1=26.00mm\r\n"
    "截面不对称影响系数 ηb=0.00\r\n"
    " 按附B.1式，φb=βb*4320*A*h*[(1+(λy*t1/(4.4*h))^2)^0.5 + ηb]*235/(fy*Wx*λy^2) =1.071,\r\n"
    " φb>0.6,按附录 B.2 式 得φb`=0.807\r\n"
    " -------根据GB50017-2003之4.1.1，该构件抗弯强度为 Mx/(γx*Wnx) +My/(γy*Wny)=217.28N/mm2\r\n"
    " -------根据GB50017-2003之4.2.3，该构件整体稳定性验算 Mx/(φb*Wx) +My/(γy*Wy)=276.35N/mm2";

// Welded 240x18 flanges, web 1200x12, l1 = 8 m, case 6 (βb 1.40), Q235: A = 23040, h = 1236,
// Ix = 12·1200³/12 + 2·240·18·609² = 4.9327e9, Wx = Ix/618 = 7981626.41,
// Iy = 2·18·240³/12 + 1200·12³/12 = 41644800, iy = sqrt(Iy/A) = 42.51, λy = 188.17,
// φb = 0.718 -> φ'b = 0.677.
const char* const kWeldedReport =
    " 跨度中点有一侧向支承点，均布荷载作用在下翼缘\r\n"
    "βb== 1.400\r\n"
    "iy=42.51mm\t长细比 λy=188.17\r\n"
    "截面面积 A=23040.00mm2 \t 截面总高 h=1236.00mm\r\n"
    "Wx=7981626.41mm3 \t 受压翼缘厚度 t1=18.00mm\r\n"
    "截面不对称影响系数 ηb=0.00\r\n"
    " 按附B.1式，φb=βb*4320*A*h*[(1+(λy*t1/(4.4*h))^2)^0.5 + ηb]*235/(fy*Wx*λy^2) =0.718,\r\n"
    " φb>0.6,按附录 B.2 式 得φb`=0.677\r\n"
    " -------根据GB50017-2003之4.1.1，该构件抗弯强度为 Mx/(γx*Wnx) +My/(γy*Wny)=119.47N/mm2\r\n"
    " -------根据GB50017-2003之4.2.3，该构件整体稳定性验算 Mx/(φb*Wx) +My/(γy*Wy)=172.02N/mm2";

BeamStabilityInput RolledCase() {
    BeamStabilityInput in;
    in.series = "马钢窄翼缘HN系列";
    in.name = "HN800x300";
    in.l1 = 6;
    in.fy = 345;
    in.mx = 1500;
    in.my = 20;
    in.gammaX = 1.05;
    in.gammaY = 1.2;
    in.loadCase = 3;
    return in;
}

BeamStabilityInput WeldedCase() {
    BeamStabilityInput in = Welded(240, 18, 1200, 12, 240, 18);
    in.l1 = 8;
    in.mx = 800;
    in.my = 10;
    in.loadCase = 6;
    return in;
}

TEST(BeamStability, RolledHReport) {
    const BeamStabilityResult r = ComputeBeamStability(RolledCase());
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kRolledReport);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_EQ(r.etaB, 0);
    EXPECT_TRUE(r.inelastic);
}

TEST(BeamStability, WeldedReport) {
    const BeamStabilityResult r = ComputeBeamStability(WeldedCase());
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kWeldedReport);
}

TEST(BeamStability, EndMomentsCaseWithNegativeRatio) {
    // Welded opening plates (B1 200, B2 350, t 16, web 1100x10), l1 = 5 m, Q390, case 10 with
    // r = -0.4: βb = 1.75 + 0.42 + 0.048 = 2.218; φb = 2.441 -> 0.954; the signs of Mx are kept.
    BeamStabilityInput in = Welded(200, 16, 1100, 10, 350, 16);
    in.l1 = 5;
    in.fy = 390;
    in.mx = -200;
    in.loadCase = 10;
    in.r = -0.4;
    const BeamStabilityResult r = ComputeBeamStability(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(
        *r.report,
        " 梁端有弯矩，但跨中无荷载作用\r\n"
        "βb== 2.218\r\n"
        "iy=58.57mm\t长细比 λy=85.37\r\n"
        "截面面积 A=19800.00mm2 \t 截面总高 h=1132.00mm\r\n"
        "Wx=7542241.66mm3 \t 受压翼缘厚度 t1=16.00mm\r\n"
        "截面不对称影响系数 ηb=0.00\r\n"
        " 按附B.1式，φb=βb*4320*A*h*[(1+(λy*t1/(4.4*h))^2)^0.5 + ηb]*235/(fy*Wx*λy^2) "
        "=2.441,\r\n"
        " φb>0.6,按附录 B.2 式 得φb`=0.954\r\n"
        " -------根据GB50017-2003之4.1.1，该构件抗弯强度为 Mx/(γx*Wnx) +My/(γy*Wny)=-25.25N/"
        "mm2\r\n"
        " -------根据GB50017-2003之4.2.3，该构件整体稳定性验算 Mx/(φb*Wx) +My/(γy*Wy)=-27.78N/"
        "mm2");
}

TEST(BeamStability, XiOfExactlyTwoTakesTheConstant) {
    // 28.3 m over the opening welded plates: ξ = 28300·16/(200·1132) = 2.0 exactly, so case 1
    // takes 0.95, the ξ>2.0 line and no formula piece; φb = 0.096 stays uncorrected.
    BeamStabilityInput in = Welded(200, 16, 1100, 10, 350, 16);
    in.l1 = 28.3;
    in.mx = 100;
    const BeamStabilityResult r = ComputeBeamStability(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(r.xi, 2.0);
    EXPECT_EQ(r.report->substr(0, r.report->find("iy=")),
              "   -------根据GB50017-2003附录 表B-1------\r\n"
              " ξ=l1*t1/(b1*h)=28300.00*16.00/(200.00*1132.00) =2.00\r\n"
              "   ξ>2.0,  跨中无侧向支承，均布荷载作用在上翼缘\r\n"
              "βb== 0.950\r\n");
    EXPECT_NE(r.report->find("ηb]*235/(fy*Wx*λy^2) =0.096\r\n -------"), std::string::npos);
    EXPECT_EQ(r.report->find("φb`"), std::string::npos);
    EXPECT_NE(r.report->find("Mx/(φb*Wx) +My/(γy*Wy)=137.46N/mm2"), std::string::npos);
}

struct BetaCase {
    int loadCase;
    double xi, r, expected;
};

class BetaBTable : public ::testing::TestWithParam<BetaCase> {};

TEST_P(BetaBTable, Value) {
    const BetaCase& c = GetParam();
    EXPECT_NEAR(BetaB(c.loadCase, c.xi, c.r), c.expected, 1e-12)
        << "case " << c.loadCase << " ξ=" << c.xi << " r=" << c.r;
}

INSTANTIATE_TEST_SUITE_P(LoadCases, BetaBTable,
                         ::testing::Values(BetaCase{1, 1.0, 0, 0.82},
                                           BetaCase{1, 1.999, 0, 0.94987},
                                           BetaCase{1, 2.0, 0, 0.95}, BetaCase{2, 1.0, 0, 1.53},
                                           BetaCase{2, 2.0, 0, 1.33}, BetaCase{3, 0.5, 0, 0.82},
                                           BetaCase{3, 3.0, 0, 1.09}, BetaCase{4, 1.5, 0, 1.81},
                                           BetaCase{4, 2.0, 0, 1.67}, BetaCase{5, 0.3, 0, 1.15},
                                           BetaCase{6, 5.0, 0, 1.40}, BetaCase{7, 0.3, 0, 1.75},
                                           BetaCase{8, 0.3, 0, 1.20}, BetaCase{9, 0.3, 0, 1.40},
                                           BetaCase{10, 0, 0.1, 1.648},
                                           BetaCase{10, 0, -0.4, 2.218},
                                           BetaCase{10, 0, 0.4, 1.378},
                                           // 1.75 + 0.525 + 0.075 = 2.35 is held at 2.3.
                                           BetaCase{10, 0, -0.5, 2.3}, BetaCase{10, 0, -3, 2.3},
                                           BetaCase{0, 1, 0, 0}, BetaCase{11, 1, 0, 0}));

TEST(BeamStability, SpanLabelFollowsTheCase) {
    EXPECT_STREQ(SpanLabelOfCase(1), "              梁跨度(m):");
    EXPECT_STREQ(SpanLabelOfCase(4), "              梁跨度(m):");
    EXPECT_STREQ(SpanLabelOfCase(5), "受压翼缘侧向支承点的距离(m)");
    EXPECT_STREQ(SpanLabelOfCase(10), "受压翼缘侧向支承点的距离(m)");
}

struct RefusalCase {
    const char* what;
    BeamStabilityInput input;
    const char* message;
};

BeamStabilityInput With(BeamStabilityInput in, double BeamStabilityInput::*field, double value) {
    in.*field = value;
    return in;
}

TEST(BeamStability, RefusedInputsGiveNoReport) {
    const BeamStabilityInput rolled = RolledCase();
    const BeamStabilityInput welded = WeldedCase();
    BeamStabilityInput unknown = rolled;
    unknown.name = "HN800x301";
    BeamStabilityInput bracedBlank = With(welded, &BeamStabilityInput::l1, 0);
    BeamStabilityInput blankSpan = bracedBlank;
    blankSpan.loadCase = 2;
    const RefusalCase cases[] = {
        {"unknown section", unknown, "截面库中没有找到截面 HN800x301"},
        {"blank span", blankSpan, "梁跨度必须是大于0的数"},
        {"blank bracing spacing", bracedBlank, "受压翼缘侧向支承点的距离必须是大于0的数"},
        {"negative span", With(rolled, &BeamStabilityInput::l1, -6), "梁跨度必须是大于0的数"},
        {"blank γx", With(rolled, &BeamStabilityInput::gammaX, 0),
         "截面塑性发展系数γx必须是大于0的数"},
        {"blank γy", With(welded, &BeamStabilityInput::gammaY, 0),
         "截面塑性发展系数γy必须是大于0的数"},
        {"blank web", With(welded, &BeamStabilityInput::tw, 0), "输入的数据不全或者不是正实数"},
        {"blank flange width", With(welded, &BeamStabilityInput::b1, 0),
         "输入的数据不全或者不是正实数"},
        {"negative flange", With(welded, &BeamStabilityInput::t2, -18), "请输入一个大于0的正数"},
        {"moment overflowing", With(rolled, &BeamStabilityInput::mx, 1e305), "输入的数值过大"},
        {"span underflowing", With(rolled, &BeamStabilityInput::l1, 1e-320), "输入的数值过大"},
        {"plates overflowing", With(welded, &BeamStabilityInput::b1, 1e200), "输入的数值过大"},
    };
    for (const RefusalCase& c : cases) {
        const BeamStabilityResult r = ComputeBeamStability(c.input);
        EXPECT_FALSE(r.report) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0], InputError(c.message)) << c.what;
    }
}

TEST(BeamStability, RolledSeriesIgnoreThePlates) {
    // The welded plates play no part for a catalogue section, even when they are blank.
    BeamStabilityInput in = RolledCase();
    in.b1 = 0;
    in.tw = -1;
    const BeamStabilityResult r = ComputeBeamStability(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kRolledReport);
}

// --- Runner ----------------------------------------------------------------------------------

TEST(BeamStabilityEntry, PrintsTheReport) {
    const CliRun rolled =
        Call({"beam-stability", "series=马钢窄翼缘HN系列", "name=HN800x300", "l1=6", "grade=Q345",
              "Mx=1500", "My=20", "gamma-x=1.05", "gamma-y=1.2", "case=3"});
    EXPECT_EQ(rolled.status, 0);
    EXPECT_EQ(rolled.out, cli::ToUnixLines(kRolledReport) + "\n");
    EXPECT_TRUE(rolled.err.empty());

    const CliRun welded = Call({"beam-stability", "series=焊接工字钢", "B1=240", "B2=240", "t1=18",
                                "t2=18", "H=1200", "Tw=12", "l1=8", "Mx=800", "My=10",
                                "gamma-x=1.05", "gamma-y=1.2", "case=6", "compressed-flange=下"});
    EXPECT_EQ(welded.status, 0);
    EXPECT_EQ(welded.out, cli::ToUnixLines(kWeldedReport) + "\n");
}

TEST(BeamStabilityEntry, FieldsAndRefusals) {
    const CliRun fields = Call({"beam-stability", "--fields"});
    EXPECT_EQ(fields.status, 0);
    for (const char* field :
         {"  series=马钢宽翼缘HW系列  "
          "(马钢宽翼缘HW系列|马钢中翼缘HM系列|马钢窄翼缘HN系列|焊接工字钢)",
          "  name=HW100x100", "  l1=2.00", "  grade=Q235", "  Mx=", "  gamma-x=", "  B1=200.00",
          "  B2=350.00", "  compressed-flange=上  (上|下)", "  case=1  (1|2|3|4|5|6|7|8|9|10)",
          "  r=0.1"}) {
        EXPECT_NE(fields.out.find(field), std::string::npos) << field;
    }
    // The opening state has blank plastic adaptation factors: refused, exit 2.
    const CliRun defaults = Call({"beam-stability"});
    EXPECT_EQ(defaults.status, cli::kExitRefused);
    EXPECT_EQ(defaults.out, "");
    EXPECT_EQ(defaults.err, "输入错误: 截面塑性发展系数γx必须是大于0的数\n");
    // A name of another series is not in the dialog's list.
    EXPECT_EQ(Call({"beam-stability", "name=HN800x300"}).status, cli::kExitUsage);
    EXPECT_EQ(Call({"beam-stability", "case=11"}).status, cli::kExitUsage);
}

TEST(BeamStabilityEntry, NoValueMakesItPrintInfOrNan) {
    const char* const values[] = {"", "nan", "inf", "-1", "0", "1e308", "-1e308", "abc", "1e-320"};
    const char* const fields[] = {"l1", "Mx", "My", "gamma-x", "gamma-y", "B1",
                                  "t1", "H",  "Tw", "B2",      "t2",      "r"};
    for (const char* field : fields) {
        for (const char* value : values) {
            const CliRun run =
                Call({"beam-stability", "series=焊接工字钢", "Mx=100", "gamma-x=1.05",
                      "gamma-y=1.2", "case=10", std::string(field) + "=" + value});
            EXPECT_TRUE(run.status == 0 || run.status == cli::kExitRefused) << field << value;
            for (const char* bad : {"inf", "nan"}) {
                EXPECT_EQ(run.out.find(bad), std::string::npos) << field << "=" << value;
            }
        }
    }
}

} // namespace
