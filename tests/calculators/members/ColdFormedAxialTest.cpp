#include <gtest/gtest.h>

#include "calculators/members/ColdFormedAxial.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

const std::string kChannelText =
    "薄壁槽钢的参数:\r\n 截面积     ：2.74cm2\r\n 截面总高度 ：60.00mm\r\n 截面宽度   ：30.00mm"
    "\r\n 板厚度     ：2.50mm\r\n 每延米质量 ：2.15kg/m\r\n y轴与腹板外边缘间距：0.883cm"
    "\r\n 惯性矩   Ix：14.38cm4\r\n 惯性矩   Iy：2.40cm4\r\n 惯性矩  Iy1：4.53cm4"
    "\r\n 回转半径 ix：2.31cm\r\n 回转半径 iy：0.94cm\r\n 抵抗矩   Wx：4.89cm3"
    "\r\n 抵抗矩Wymax：2.71cm3\r\n 抵抗矩Wymin：1.13cm3\r\n 弯心与形心间距：1.88cm"
    "\r\n 扭转惯性矩It  ：0.0571cm4\r\n 扇性惯性矩Iω ：12.21cm6\r\n          Wω1 ：4.72cm4"
    "\r\n          Wω2 ：2.51cm4";

const std::string kTubeText =
    "薄壁方钢管的参数:\r\n 截面积     ：1.31cm2\r\n 截面边长h ：25.00mm"
    "\r\n 厚度     ：1.50mm\r\n 每延米质量 ：1.03kg/m\r\n 惯性矩   Ix：1.16cm4"
    "\r\n 回转半径 ix：0.94cm\r\n 抵抗矩   Wx：0.92cm3";

// The opening member: 薄槽60x30x2.5, first end condition (α = β = 1), lx = ly = l = 500 mm,
// N = 10 kN, Q235. In mm: e0 = 18.8, ix = 23.1, iy = 9.4, A = 274, Iω = 12.21e6, It = 571.
// λx = 21.645; i0² = 353.44 + 533.61 + 88.36 = 975.41; s² = λx²(Iω/500² + 0.039 It)/A = 83.78;
// P = 6.3213; λω = λx sqrt(P + sqrt(P² - (975.41 - 353.44)/83.78)) = 62.79; λy = 53.19.
// φ between 0.810 (62) and 0.806 (63): 0.8069; σ = 10000/(0.8069*274) = 45.233.
const std::string kChannelReport =
    " ------单轴对称开口截面-------\r\n  λy = ly/iy =53.19 \r\n  λω=62.79   "
    "(参见GB50018-2002之5.2.4-1 ~5.2.4-3式)\r\n  最大长细比：62.79"
    "\r\n  根据GB50018-2002附录A，得轴心受压构件稳定系数φ:0.8069"
    "\r\n  根据GB50018-2002之5.2.2，N*1000/(φ*A) =10.00*1000/(0.8069*274.0000)=45.233N/mm2";

ColdFormedAxialInput Channel(const char* name) {
    ColdFormedAxialInput in;
    in.section = LoadColdFormedAxialSection(name).values;
    return in;
}

// A made-up tube of ix = 1 cm, A = 10 cm2, so that λ = lx/10 exactly.
ColdFormedAxialInput UnitTube(double lx, int grade = 0) {
    ColdFormedAxialInput in;
    in.section = {CFAxialKind::Tube, 1, 1, 0, 0, 0, 10};
    in.lx = lx;
    in.ly = 10;
    in.grade = grade;
    return in;
}

TEST(ColdFormedAxialSection, PropertyTextsAndKeptValues) {
    const CFAxialSectionLoad channel = LoadColdFormedAxialSection("薄槽60x30x2.5");
    EXPECT_EQ(channel.text, kChannelText);
    EXPECT_FLOAT_EQ(channel.values.e0, 1.88f);
    EXPECT_FLOAT_EQ(channel.values.Iw, 12.21f);
    const CFAxialSectionLoad tube = LoadColdFormedAxialSection("方钢管25x1.5");
    EXPECT_EQ(tube.text, kTubeText);
    EXPECT_EQ(tube.values.kind, CFAxialKind::Tube);
    EXPECT_FLOAT_EQ(tube.values.iy, 0.94f); // a square tube's iy is its ix
    const CFAxialSectionLoad missing = LoadColdFormedAxialSection("方钢管25x1.6");
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.notices,
              std::vector<Notice>{InputError("截面库中没有这个截面：方钢管25x1.6")});
    EXPECT_FALSE(LoadColdFormedAxialSection("卷槽80x40x15x2.0").recognised);
}

TEST(ColdFormedAxial, OpeningChannelAgainstTheHandWorkedReport) {
    const ColdFormedAxialResult r = ComputeColdFormedAxial(Channel("薄槽60x30x2.5"));
    EXPECT_EQ(r.report.value(), kChannelReport);
    EXPECT_EQ(r.restraint->alpha, 1.0);
    EXPECT_EQ(r.restraint->beta, 1.0);
    EXPECT_GE(r.lambdaW, r.lambdaX);
}

TEST(ColdFormedAxial, EndConditionsAndBattens) {
    struct Case {
        int end;
        bool battens;
        double alpha, beta;
        const char* lines; // λω and the maximum, worked as above with α and β
    };
    // Restrained warping with β = 0.5 makes λω = 37.29 < λy, so λy = 53.19 governs:
    // φ = 0.843 - 0.191*0.004 = 0.8422, σ = 43.333.
    const Case cases[] = {
        {1, true, 0.80, 1.00,
         "λω=62.51   (参见GB50018-2002之5.2.4-1 ~5.2.4-3式)\r\n  最大长细比：62.51"},
        {2, false, 0.72, 0.50,
         "λω=37.29   (参见GB50018-2002之5.2.4-1 ~5.2.4-3式)\r\n  最大长细比：53.19"},
    };
    for (const Case& c : cases) {
        ColdFormedAxialInput in = Channel("薄槽60x30x2.5");
        in.endCondition = c.end;
        in.battens = c.battens;
        const ColdFormedAxialResult r = ComputeColdFormedAxial(in);
        EXPECT_EQ(r.restraint->alpha, c.alpha);
        EXPECT_EQ(r.restraint->beta, c.beta);
        EXPECT_NE(r.report->find(c.lines), std::string::npos) << c.end;
    }
    ColdFormedAxialInput in = Channel("薄槽60x30x2.5");
    in.endCondition = 2;
    in.N = -50; // no sign test: a tension force prints a negative stress
    EXPECT_NE(
        ComputeColdFormedAxial(in).report->find("=-50.00*1000/(0.8422*274.0000)=-216.664N/mm2"),
        std::string::npos);
    in.endCondition = 0;
    in.battens = true;
    EXPECT_FALSE(ComputeColdFormedAxial(in).report.has_value());
}

TEST(ColdFormedAxial, TorsionalSlendernessGovernsInQ345) {
    // 薄槽160x60x3.5, third end condition (α = 0.72, β = 0.5), lx = l = 3000, ly = 1000,
    // N = 100 kN, Q345: λω = 85.48 > λy = 1000/18.2 = 54.95; φ = 0.591 - 0.48*0.008 = 0.5872;
    // σ = 100000/(0.5872*929) = 183.318.
    ColdFormedAxialInput in = Channel("薄槽160x60x3.5");
    in.endCondition = 2;
    in.grade = 1;
    in.N = 100;
    in.lx = 3000;
    in.ly = 1000;
    in.l = 3000;
    EXPECT_EQ(ComputeColdFormedAxial(in).report.value(),
              " ------单轴对称开口截面-------\r\n  λy = ly/iy =54.95 \r\n  λω=85.48   "
              "(参见GB50018-2002之5.2.4-1 ~5.2.4-3式)\r\n  最大长细比：85.48"
              "\r\n  根据GB50018-2002附录A，得轴心受压构件稳定系数φ:0.5872"
              "\r\n  根据GB50018-2002之5.2.2，N*1000/(φ*A) =100.00*1000/(0.5872*929.0000)="
              "183.318N/mm2");
}

TEST(ColdFormedAxial, SquareTube) {
    // 方钢管100x3.0 (A = 11.25, ix = 3.92), lx = 4000, ly = 6000, N = 150: λx = 102.04,
    // λy = 153.06; φ = 0.298 - 0.06*0.004 = 0.2978; σ = 150000/(0.2978*1125) = 447.795.
    ColdFormedAxialInput in;
    in.section = LoadColdFormedAxialSection("方钢管100x3.0").values;
    in.N = 150;
    in.lx = 4000;
    in.ly = 6000;
    in.l = 0; // a tube does not use the geometric length
    EXPECT_EQ(ComputeColdFormedAxial(in).report.value(),
              " λx = lx/ix =:102.04 \r\n λy:153.06\r\n  最大长细比：153.06"
              "\r\n  根据GB50018-2002附录A，得轴心受压构件稳定系数φ:0.2978"
              "\r\n  根据GB50018-2002之5.2.2，N*1000/(φ*A) =150.00*1000/(0.2978*1125.0000)="
              "447.795N/mm2");
    in.ly = 4000;
    const ColdFormedAxialResult equal = ComputeColdFormedAxial(in);
    EXPECT_EQ(equal.lambdaX, equal.lambdaY);
}

TEST(ColdFormedAxial, SlendernessLimitsAndTables) {
    EXPECT_DOUBLE_EQ(ComputeColdFormedAxial(UnitTube(1000)).phi, 0.588f);
    EXPECT_DOUBLE_EQ(ComputeColdFormedAxial(UnitTube(1000, 1)).phi, 0.475f);
    const ColdFormedAxialResult half = ComputeColdFormedAxial(UnitTube(2495));
    EXPECT_NE(half.report->find("稳定系数φ:0.1175\r\n"), std::string::npos);
    EXPECT_DOUBLE_EQ(half.phi, (double(0.118f) + double(0.117f)) / 2);
    for (double lx : {2500.0, 3000.0}) {
        const ColdFormedAxialResult r = ComputeColdFormedAxial(UnitTube(lx));
        EXPECT_TRUE(r.outOfRange);
        EXPECT_EQ(r.report.value(), "老哥，超出规范规定了，请查看规范 GB50018-2002 的附录A");
        EXPECT_TRUE(r.restraint.has_value()); // α and β are shown all the same
    }
    EXPECT_FALSE(ComputeColdFormedAxial(UnitTube(2499.9)).outOfRange);
}

TEST(ColdFormedAxial, ZeroLengthsAndRadiiAreRefused) {
    const Notice lengths = InputError("计算长度lx和ly必须是大于0的数");
    struct Bad {
        double lx, ly, l;
        Notice notice;
    };
    const Bad bad[] = {{0, 500, 500, lengths},
                       {500, -1, 500, lengths},
                       {500, 500, 0, InputError("构件的几何长度l必须是大于0的数")}};
    for (const Bad& c : bad) {
        ColdFormedAxialInput in = Channel("薄槽60x30x2.5");
        in.lx = c.lx;
        in.ly = c.ly;
        in.l = c.l;
        const ColdFormedAxialResult r = ComputeColdFormedAxial(in);
        EXPECT_FALSE(r.report.has_value());
        EXPECT_FALSE(r.restraint.has_value());
        EXPECT_EQ(r.notices, std::vector<Notice>{c.notice});
    }
    ColdFormedAxialInput battens = Channel("薄槽60x30x2.5");
    battens.endCondition = 1;
    battens.battens = true;
    battens.l = 0;
    EXPECT_EQ(ComputeColdFormedAxial(battens).notices,
              std::vector<Notice>{InputError("相邻缀板中心线最大间距l必须是大于0的数")});
    for (double CFAxialSection::*radius : {&CFAxialSection::ix, &CFAxialSection::iy}) {
        ColdFormedAxialInput in = Channel("薄槽60x30x2.5");
        in.section.*radius = 0;
        EXPECT_FALSE(ComputeColdFormedAxial(in).report.has_value());
    }
    EXPECT_FALSE(ComputeColdFormedAxial(UnitTube(0)).report.has_value());
    for (double lx : {1e-300, 1e300}) {
        ColdFormedAxialInput in = Channel("薄槽60x30x2.5");
        in.lx = lx;
        const ColdFormedAxialResult extreme = ComputeColdFormedAxial(in);
        EXPECT_TRUE(!extreme.report || extreme.outOfRange) << lx;
    }
}

TEST(ColdFormedAxialEntry, PropertyTextThenReport) {
    const auto run = test::Call({"coldformed-axial"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(kChannelText + "\r\n\r\n" + kChannelReport) + "\n");
    const auto far = test::Call({"coldformed-axial", "lx=30000"});
    EXPECT_EQ(far.status, 2);
    EXPECT_EQ(far.err, "老哥，超出规范规定了，请查看规范 GB50018-2002 的附录A\n");
    EXPECT_EQ(test::Call({"coldformed-axial", "battens=1"}).status, 64);
    EXPECT_EQ(test::Call({"coldformed-axial", "kind=方钢管"}).status, 64); // a channel's name
    EXPECT_EQ(test::Call({"coldformed-axial", "ly=0"}).err,
              "输入错误: 计算长度lx和ly必须是大于0的数\n");
    for (const char* value : {"", "0", "-5", "nan", "inf", "x", "1e308", "1e-310"}) {
        for (const char* field : {"N", "lx", "ly", "l"}) {
            for (const auto& [kind, name] : {std::pair{"kind=薄壁槽钢", "name=薄槽60x30x2.5"},
                                             {"kind=方钢管", "name=方钢管25x1.5"}}) {
                const auto r =
                    test::Call({"coldformed-axial", kind, name, std::string(field) + "=" + value});
                EXPECT_TRUE(r.status == 0 || r.status == 2) << field << "=" << value;
                EXPECT_EQ(r.out.find("nan"), std::string::npos) << field << "=" << value;
                EXPECT_EQ(r.out.find("inf"), std::string::npos) << field << "=" << value;
            }
        }
    }
}

} // namespace
