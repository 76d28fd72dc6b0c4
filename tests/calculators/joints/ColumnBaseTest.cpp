#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "calculators/joints/ColumnBase.h"
#include "cli/Registry.h"
#include "engine/Format.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

// The pinned base of 槽18b with the opening values, worked by hand: a1 = 180,
// B = 180 + 2·8 + 2·30 = 256, L = 290 + 2·105 = 500, Anet = 128000 − 4500 = 123500,
// q = 60000 / 123500 = 0.486; r1 = 290/180 = 1.611, α = 0.0862 + 0.111·0.0046 = 0.08671,
// M1 = α·q·180² = 1364.910; r2 = 105/180 = 0.583, β = 0.0677 + 0.667·0.0070 = 0.07237,
// M2 = β·q·180² = 1139.116; M3 = 0.5·q·30² = 218.623; t = sqrt(6·1364.91/200) = 6.40.
const char* const kOpeningPinnedReport =
    " B=a1+2ts+2c=180.00+2*8.00+2*30.00=256.00mm\r\n"
    " L=500.00mm\r\n"
    " 底板净面积为：256.00*500.00-4500.00=123500.00mm2\r\n"
    " 底板均布反力q=60.00*10^3/123500.00=0.486N/mm2                  \r\n"
    "         --------区格1为四边支承板-------\r\n"
    " l1/a1=290.00/180.00=1.611， \r\n"
    " 查四边简支板的最大弯矩系数表，得α为0.08671，\r\n"
    " M=α*q*a1^2=0.08671*0.486*180.00^2=1364.910 \r\n"
    "       --------区格2为三边支承板-------\r\n"
    " b1/a1=105.00/180.00=0.583，\r\n"
    " 查三边简支一边自由板的最大弯矩系数表，得β为0.07237，\r\n"
    "  M=β*q*a1^2=0.07237*0.486*180.00^2=1139.116\r\n"
    "        --------区格3为悬臂板-------\r\n"
    " M=0.5*q*c^2=0.5*0.486*30.00^2=218.623 \r\n"
    "          -------最大弯矩------\r\n"
    " Mmax=1364.91\r\n"
    "         -------底板最小厚度------\r\n"
    " t=sqr(6*Mmax/f)=sqr(6*1364.91/200) =6.40mm";

// The inputs the dialog passes, with the plate fields as it derives them.
ColumnBaseInput Input(int baseType, const std::string& section) {
    ColumnBaseInput in;
    in.baseType = baseType;
    in.section = section;
    const std::optional<ColumnSection> s = LookUpColumnSection(section);
    EXPECT_TRUE(s) << section;
    in.bText = Fmt2(PlateWidth(s ? s->a1 : 0, in.ts, in.c));
    in.lText = Fmt2(PlateLength(baseType, in.l1, in.b1, s ? s->h : 0, in.a0));
    return in;
}

ColumnBaseInput Refreshed(ColumnBaseInput in) {
    const std::optional<ColumnSection> s = LookUpColumnSection(in.section);
    in.bText = Fmt2(PlateWidth(s->a1, in.ts, in.c));
    in.lText = Fmt2(PlateLength(in.baseType, in.l1, in.b1, s->h, in.a0));
    return in;
}

// HW200x200 (b = h = 200) with ts 10, c 15, a0 50, b1 150: B = 250, L = 600, so that
// σN = N / 150 and σM = M / 15 come out exact.
ColumnBaseInput ExactFixedBase(double n, double m) {
    ColumnBaseInput in;
    in.baseType = kFixedBase;
    in.section = "HW200x200";
    in.ts = 10;
    in.c = 15;
    in.a0 = 50;
    in.b1 = 150;
    in.n = n;
    in.m = m;
    return Refreshed(in);
}

TEST(ColumnBase, Lists) {
    EXPECT_EQ(BaseTypeEntries(), (std::vector<std::string>{"轴心受压铰接", "刚接柱脚"}));
    EXPECT_EQ(ColumnFormEntries(kPinnedBase), (std::vector<std::string>{"两内扣槽钢"}));
    EXPECT_EQ(ColumnFormEntries(kFixedBase),
              (std::vector<std::string>{"HW型钢", "HM型钢", "HN型钢"}));
    const std::vector<std::string> channels = ColumnFormSections("两内扣槽钢");
    ASSERT_EQ(channels.size(), 30u);
    EXPECT_EQ(channels[0], "槽5");
    EXPECT_EQ(channels[10], "槽18b");
    EXPECT_EQ(channels[29], "槽40c");
    EXPECT_EQ(ColumnFormSections("HW型钢").size(), 17u);
    EXPECT_EQ(ColumnFormSections("HM型钢").front(), "HM194x150");
    EXPECT_EQ(ColumnFormSections("HN型钢").back(), "HN800x300");
    EXPECT_TRUE(ColumnFormSections("").empty());
    EXPECT_EQ(AnchorDiameterEntries().size(), 26u);
    EXPECT_EQ(WebDistanceEntries().size(), 8u);
}

TEST(ColumnBase, SectionPropertiesText) {
    const std::optional<ColumnSection> channel = LookUpColumnSection("槽18b");
    ASSERT_TRUE(channel);
    EXPECT_TRUE(channel->channel);
    EXPECT_EQ(channel->a1, 180);
    EXPECT_EQ(channel->properties,
              "槽钢的参数:\r\n 截面积：29.30cm2\r\n 截面总高度：180.00mm\r\n 截面宽度：70.00mm"
              "\r\n 腹板厚度：9.00mm\r\n 翼缘厚度：10.50mm\r\n 理论重量：23.00kg/m"
              "\r\n 惯性矩 Ix：1369.90cm4\r\n 惯性矩 Iy：111.00cm4\r\n 抵抗矩 Wx：152.20cm3"
              "\r\n 抵抗矩 Wy： 21.52cm3\r\n 回转半径 ix：68.40mm\r\n 回转半径 iy：19.50mm");
    const std::optional<ColumnSection> h = LookUpColumnSection("HN400x200");
    ASSERT_TRUE(h);
    EXPECT_FALSE(h->channel);
    EXPECT_EQ(h->a1, 200); // the flange width lies between the shoe plates
    EXPECT_EQ(h->h, 400);
    const std::optional<ColumnSection> hw = LookUpColumnSection("HW200x200");
    ASSERT_TRUE(hw);
    // The catalogue's radii of gyration, 8.61 and 4.99 cm, shown in mm.
    EXPECT_EQ(hw->properties,
              "马钢 H 型钢的参数:\r\n 截面积：64.28cm2\r\n 截面总高度：200.00mm\r\n"
              " 截面宽度：200.00mm\r\n 腹板厚度：8.00mm\r\n 翼缘厚度：12.00mm\r\n"
              " 理论重量：50.50kg/m\r\n 惯性矩 Ix：4770.00cm4\r\n 惯性矩 Iy：1600.00cm4\r\n"
              " 回转半径 ix：86.10mm\r\n 回转半径 iy：49.90mm");
    EXPECT_FALSE(LookUpColumnSection("槽99"));
    EXPECT_FALSE(LookUpColumnSection("I20a"));
    EXPECT_FALSE(LookUpColumnSection(""));
}

TEST(ColumnBase, PlateDimensionsAndAnchorPick) {
    EXPECT_EQ(PlateWidth(180, 8, 30), 256);
    EXPECT_EQ(PlateLength(kPinnedBase, 290, 105, 0, 30), 500);
    EXPECT_EQ(PlateLength(kFixedBase, 290, 105, 400, 30), 670);
    EXPECT_EQ(AnchorDiameterOf("20.00"), 20);
    EXPECT_EQ(AnchorDiameterOf("100.00"), 100);
    EXPECT_EQ(AnchorDiameterOf(""), 0);
    // M20: c = 60, holes = 4.8·400 + 10·trunc(125.66) = 3170; M12: 36, 691.2 + 450.
    EXPECT_EQ(AnchorOutstandText(20), "60");
    EXPECT_EQ(Fmt2(AnchorHoleArea(20)), "3170.00");
    EXPECT_EQ(AnchorOutstandText(12), "36");
    EXPECT_EQ(Fmt2(AnchorHoleArea(12)), "1141.20");
    EXPECT_EQ(Fmt2(AnchorHoleArea(100)), "79410.00"); // 48000 + 10·3141
}

TEST(ColumnBase, ThicknessFieldIsTheNextWholeMillimetre) {
    const std::pair<double, const char*> cases[] = {
        {14.0, "15"},
        {14.3, "15"},
        {6.4, "07"},
        {0, "01"},
        {13.999, "14"},
        {110.23, "111"},
        {1e12, "1000000000001"},
    };
    for (const auto& [t, text] : cases) {
        EXPECT_EQ(PlateThicknessText(t), text) << t;
    }
}

TEST(ColumnBase, PinnedBaseOpeningValues) {
    const ColumnBaseResult r = ComputeColumnBase(Input(kPinnedBase, "槽18b"));
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kOpeningPinnedReport);
    EXPECT_EQ(r.thickness, "07");
    EXPECT_EQ(r.stressCase, StressCase::None);
    EXPECT_EQ(FormatNumber("%.3f", r.r1), "1.611");
    EXPECT_EQ(FormatNumber("%.3f", r.r2), "0.583");
    EXPECT_TRUE(r.notices.empty());
}

// A deep channel between the shoe plates (a1 > l1) and a short projection (b1/a1 < 0.3).
// 槽40a, l1 290, b1 105, c 75, ts 10, N 1420, C25: B = 400 + 20 + 150 = 570, L = 500,
// Anet = 285000 − 4500 = 280500, q = 1420000 / 280500 = 5.062; r1 = 400/290 = 1.379,
// α = 0.0693 + 0.793·0.0060 = 0.07406, M1 = α·q·290² = 31530.228; r2 = 105/400 = 0.263 so the
// panel is a cantilever of 105: M2 = 0.5·q·105² = 27906.417; M3 = 0.5·q·75² = 14237.968;
// t = sqrt(0.03·31530.23) = 30.76.
TEST(ColumnBase, PinnedBaseDeepChannelAndShortProjection) {
    ColumnBaseInput in = Input(kPinnedBase, "槽40a");
    in.c = 75;
    in.ts = 10;
    in.n = 1420;
    in.concrete = "C25";
    const ColumnBaseResult r = ComputeColumnBase(Refreshed(in));
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, " B=a1+2ts+2c=400.00+2*10.00+2*75.00=570.00mm\r\n"
                         " L=500.00mm\r\n"
                         " 底板净面积为：570.00*500.00-4500.00=280500.00mm2\r\n"
                         " 底板均布反力q=1420.00*10^3/280500.00=5.062N/mm2                  \r\n"
                         "         --------区格1为四边支承板-------\r\n"
                         " a1/l1=400.00/290.00=1.379 ，\r\n"
                         " 查四边简支板的最大弯矩系数表，得α为0.07406，\r\n"
                         " M=α*q*l1^2=0.07406*5.062*290.00^2=31530.228 \r\n"
                         "       --------区格2为三边支承板-------\r\n"
                         " b1/a1=105.00/400.00=0.263，\r\n"
                         " b1/a1<0.3，按悬臂长度为b1的悬臂板计算，M=0.5*q*b1^2=0.5*5.062*105.00^2="
                         "27906.417\r\n"
                         "        --------区格3为悬臂板-------\r\n"
                         " M=0.5*q*c^2=0.5*5.062*75.00^2=14237.968 \r\n"
                         "          -------最大弯矩------\r\n"
                         " Mmax=31530.23\r\n"
                         "         -------底板最小厚度------\r\n"
                         " t=sqr(6*Mmax/f)=sqr(6*31530.23/200) =30.76mm");
    EXPECT_EQ(r.thickness, "31");
    EXPECT_EQ(r.beta, 0);
}

// The three-edge panel on either side of b1/a1 = 0.3: 槽18b (a1 = 180) with N = 600 and the
// opening l1 290, c 30, ts 8 (B = 256), holes 4500, C15. Worked by hand:
//   b1 50:   L = 390, Anet = 99840 − 4500 = 95340, q = 6.293; 50/180 = 0.278 < 0.3, a cantilever:
//            M2 = 0.5·q·50² = 7866.583; M1 = 0.08671·q·180² = 17680.553 governs, t = 23.03
//            (the plate formula with β = 0.5 gave 101950.913 and 55.30 mm).
//   b1 53.9: L = 397.8, Anet = 97336.8, q = 6.164; 0.2994 < 0.3: M2 = 0.5·q·53.9² = 8954.095;
//            M1 = 17317.85, t = 22.79.
//   b1 54:   L = 398, Anet = 97388, q = 6.161; 54/180 = 0.3 takes β = 0.0273:
//            M2 = 0.0273·q·180² = 5449.460; M1 = 17308.74, t = 22.79.
//   b1 55:   L = 400, Anet = 97900, q = 6.129; 0.306: β = 0.0273 + 0.111·0.0082 = 0.02821,
//            M2 = 5601.879; M1 = 17218.22, t = 22.73.
TEST(ColumnBase, ThreeEdgePanelBecomesACantileverBelowAThirdOfTheFreeEdge) {
    struct Case {
        double b1;
        const char* panel2;
        const char* mmax;
        const char* t;
        const char* thickness;
    };
    const Case cases[] = {
        {50,
         " b1/a1=50.00/180.00=0.278，\r\n"
         " b1/a1<0.3，按悬臂长度为b1的悬臂板计算，M=0.5*q*b1^2=0.5*6.293*50.00^2=7866.583\r\n",
         "17680.55", "23.03", "24"},
        {53.9,
         " b1/a1=53.90/180.00=0.299，\r\n"
         " b1/a1<0.3，按悬臂长度为b1的悬臂板计算，M=0.5*q*b1^2=0.5*6.164*53.90^2=8954.095\r\n",
         "17317.85", "22.79", "23"},
        {54,
         " b1/a1=54.00/180.00=0.300，\r\n"
         " 查三边简支一边自由板的最大弯矩系数表，得β为0.02730，\r\n"
         "  M=β*q*a1^2=0.02730*6.161*180.00^2=5449.460\r\n",
         "17308.74", "22.79", "23"},
        {55,
         " b1/a1=55.00/180.00=0.306，\r\n"
         " 查三边简支一边自由板的最大弯矩系数表，得β为0.02821，\r\n"
         "  M=β*q*a1^2=0.02821*6.129*180.00^2=5601.879\r\n",
         "17218.22", "22.73", "23"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.b1);
        ColumnBaseInput in = Input(kPinnedBase, "槽18b");
        in.b1 = c.b1;
        in.n = 600;
        const ColumnBaseResult r = ComputeColumnBase(Refreshed(in));
        ASSERT_TRUE(r.report);
        const std::string& text = *r.report;
        const std::size_t from = text.find(" b1/a1=");
        const std::size_t to = text.find("        --------区格3为悬臂板");
        ASSERT_NE(from, std::string::npos);
        EXPECT_EQ(text.substr(from, to - from), c.panel2);
        EXPECT_NE(text.find(std::string("\r\n Mmax=") + c.mmax + "\r\n"), std::string::npos);
        EXPECT_NE(text.find(std::string(") =") + c.t + "mm"), std::string::npos);
        EXPECT_EQ(r.thickness, c.thickness);
    }
}

TEST(ColumnBase, PinnedBaseTooSmallForTheConcrete) {
    ColumnBaseInput in = Input(kPinnedBase, "槽18b");
    in.n = 1600; // Areq = 1600000 / 7.5 = 213333.333 > 123500
    const ColumnBaseResult r = ComputeColumnBase(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "需要的底板面积为213333.333mm2，而目前底板净面积为123500.00mm2，请采取"
                         "加大柱截面尺寸、加大靴梁厚度、提高柱底混凝土标号等措施");
    EXPECT_FALSE(r.thickness);
}

TEST(ColumnBase, PlateTextsComeFromTheFields) {
    ColumnBaseInput in = Input(kPinnedBase, "槽18b");
    in.holesText = "4500abc"; // typed: read as 4500, printed as typed
    const ColumnBaseResult r = ComputeColumnBase(in);
    ASSERT_TRUE(r.report);
    EXPECT_NE(r.report->find("：256.00*500.00-4500abc=123500.00mm2"), std::string::npos);
    // Words a number box reads as 0 are not echoed.
    in.holesText = "NaN";
    const ColumnBaseResult nan = ComputeColumnBase(in);
    ASSERT_TRUE(nan.report);
    EXPECT_NE(nan.report->find("：256.00*500.00-0.00=128000.00mm2"), std::string::npos);
    EXPECT_EQ(ReportedFieldText("12inf"), "12.00");
    EXPECT_EQ(ReportedFieldText(" 4500.0"), " 4500.0");
}

// Fixed base, σN = N/150 and σM = M/15 exactly (see ExactFixedBase), fc = 7.5 (C15).
TEST(ColumnBase, FixedBaseFullCompression) {
    const char* formula = "\r\n   N/(BL) + 6M/(BL^2) = 750.00*10^3/(250.00*600.00) + "
                          "6*10^6*";
    const ColumnBaseResult equal = ComputeColumnBase(ExactFixedBase(750, 37.5));
    EXPECT_EQ(equal.stressCase, StressCase::FullCompression);
    ASSERT_TRUE(equal.report);
    // σmax = 5 + 2.5 = 7.5 = fc: not above it.
    EXPECT_EQ(*equal.report, std::string("-----底板与基础间全部受压-----，最大压应力σmax为: ") +
                                 formula + "37.50/(250.00*600.00^2) =5.00+2.50=7.50N/mm2" +
                                 "<7.50N/mm2,\r\n  小于混凝土抗压强度");
    const ColumnBaseResult above = ComputeColumnBase(ExactFixedBase(750, 45));
    EXPECT_EQ(above.stressCase, StressCase::FullCompression);
    ASSERT_TRUE(above.report);
    EXPECT_EQ(*above.report, std::string("-----底板与基础间全部受压-----，最大压应力σmax为:") +
                                 formula + "45.00/(250.00*600.00^2) =5.00+3.00=8.00N/mm2" +
                                 ">7.50N/mm2,\r\n  大于混凝土抗压强度，请重新选择混凝土标号或底板"
                                 "尺寸进行计算");
    EXPECT_FALSE(above.thickness);
}

// HN400x200, ts 12, c 60, a0 60, b1 110, N 400, M 400, C20, Q345 anchors of 20 mm:
// B = 200 + 24 + 120 = 344, L = 400 + 2·170 = 740; σN = 1.57, σM = 12.74, σmin = −11.17;
// Lc = 14.31·740 / 25.48 = 415.63, x = 680, ftb = 180,
// Ae = (4e8 − 400000·(370 − 138.54)) / (180·(680 − 138.54)) = 3154.23;
// Ae1 = π/4·(20 − 0.93817·2.5)² = 244.80.
TEST(ColumnBase, FixedBasePartialCompression) {
    ColumnBaseInput in;
    in.baseType = kFixedBase;
    in.section = "HN400x200";
    in.ts = 12;
    in.c = 60;
    in.a0 = 60;
    in.b1 = 110;
    in.n = 400;
    in.m = 400;
    in.concrete = "C20";
    in.anchorGrade = "Q345";
    in.anchorD = "20.00";
    const ColumnBaseResult r = ComputeColumnBase(Refreshed(in));
    EXPECT_EQ(r.stressCase, StressCase::PartialCompression);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "-----底板与基础间部分受压，锚栓受拉-----\r\n"
                         " σmin为: N/(BL) - 6M/(BL^2) = 400.00*10^3/(344.00*740.00) - "
                         "6*10^6400.00/(344.00*740.00^2) =1.57-12.74=-11.17N/mm2< 0.0, \r\n"
                         "    锚拴受拉,需要的受拉锚拴的总有效面积为：3154.23mm2,(计算公式参见"
                         "清华大学出版社《钢结构》p333之式-69)\r\n"
                         "    一个直径为20.00mm的锚拴在螺纹处的有效截面积为：244.80mm2");
    EXPECT_NEAR(r.lc, 415.6333, 1e-4);
    EXPECT_EQ(r.x, 680);
    EXPECT_EQ(r.ftb, 180);
}

// σmin exactly 0 (N 150, M 15): partial compression with Lc = L, and N·(L/2 − L/3) holds M
// exactly, so no anchor takes tension.
TEST(ColumnBase, FixedBaseZeroMinimumStressNeedsNoAnchorInTension) {
    const ColumnBaseResult r = ComputeColumnBase(ExactFixedBase(150, 15));
    EXPECT_EQ(r.sigmaMin, 0);
    EXPECT_EQ(r.stressCase, StressCase::PartialCompression);
    EXPECT_EQ(r.lc, 600);
    EXPECT_EQ(r.ae, 0);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "-----底板与基础间部分受压，锚栓受拉-----\r\n"
                         " σmin为: N/(BL) - 6M/(BL^2) = 150.00*10^3/(250.00*600.00) - "
                         "6*10^615.00/(250.00*600.00^2) =1.00-1.00=0.00N/mm2< 0.0, \r\n"
                         "    锚拴受拉,需要的受拉锚拴的总有效面积为：0.00mm2,(计算公式参见"
                         "清华大学出版社《钢结构》p333之式-69)\r\n"
                         "    一个直径为12.00mm的锚拴在螺纹处的有效截面积为：84.27mm2\r\n"
                         "    需要的面积不大于0：轴力足以平衡弯矩，锚拴不受拉，按构造设置锚拴即可");
}

TEST(ColumnBase, RefusalsAndNothingToCompute) {
    struct Case {
        const char* what;
        ColumnBaseInput in;
        const char* text;
        StressCase stressCase;
    };
    auto pinned = [](auto set) {
        ColumnBaseInput in = Input(kPinnedBase, "槽18b");
        set(in);
        return Refreshed(in);
    };
    auto fixed = [](auto set) {
        ColumnBaseInput in = ExactFixedBase(60, 200);
        set(in);
        return Refreshed(in);
    };
    const Case cases[] = {
        {"B <= 0", pinned([](auto& in) { in.c = -98; }),
         "底板尺寸B和L必须大于0，请检查c、ts、b1、a0等参数", StressCase::None},
        {"L <= 0", fixed([](auto& in) { in.b1 = -250; }),
         "底板尺寸B和L必须大于0，请检查c、ts、b1、a0等参数", StressCase::None},
        {"no net area", pinned([](auto& in) { in.holesText = "128000"; }),
         "底板净面积B*L-锚栓孔总面积不大于0，请加大底板尺寸或减小锚栓孔总面积", StressCase::None},
        {"uplift", pinned([](auto& in) { in.n = -60; }), "轴力N为下压力，请输入不小于0的数值",
         StressCase::None},
        {"negative moment", fixed([](auto& in) { in.m = -200; }), "弯矩M请输入其绝对值(不小于0)",
         StressCase::None},
        {"no load", fixed([](auto& in) { in.n = in.m = 0; }), "轴力N和弯矩M均为0，底板不受力",
         StressCase::PartialCompression},
        // a0 = 400, b1 = −300: L = 400 but x = L − a0 = 0, below Lc/3 = 68.
        {"anchors inside the compressed zone", fixed([](auto& in) {
             in.a0 = 400;
             in.b1 = -300;
         }),
         "锚拴到底板受压边缘的距离x=L-a0不大于Lc/3，锚拴拉力无法确定，请减小a0或加大底板长度L",
         StressCase::PartialCompression},
        {"huge force", pinned([](auto& in) { in.n = 1e306; }), "输入的数值过大，计算结果超出范围",
         StressCase::None},
        {"unknown concrete", pinned([](auto& in) { in.concrete = "C99"; }),
         "混凝土等级C99没有抗压强度设计值", StressCase::None},
    };
    for (const Case& c : cases) {
        const ColumnBaseResult r = ComputeColumnBase(c.in);
        EXPECT_FALSE(r.report) << c.what;
        EXPECT_FALSE(r.thickness) << c.what;
        EXPECT_EQ(r.stressCase, c.stressCase) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0], InputError(c.text)) << c.what;
    }

    ColumnBaseInput none = Input(kPinnedBase, "槽18b");
    none.section = "";
    const ColumnBaseResult noSection = ComputeColumnBase(none);
    EXPECT_FALSE(noSection.report);
    ASSERT_EQ(noSection.notices.size(), 1u);
    EXPECT_EQ(noSection.notices[0].text, "呵呵，尚不提供此项功能");
    none.section = "槽99"; // not in the catalogue: nothing happens
    const ColumnBaseResult unknown = ComputeColumnBase(none);
    EXPECT_FALSE(unknown.report);
    EXPECT_TRUE(unknown.notices.empty());
}

} // namespace

// --- ferrolab-calc column-base ---------------------------------------------------------------

namespace {

TEST(ColumnBaseEntry, DefaultsPrintThePinnedBaseAndTheThicknessField) {
    const CliRun run = Call({"column-base"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(run.out, cli::ToUnixLines(kOpeningPinnedReport) + "\n厚度tp:07 mm\n");
    const CliRun fields = Call({"column-base", "--fields"});
    for (const char* field :
         {"base-type=轴心受压铰接", "N=60.00", "M=200.00", "tp=14.00", "b1=105", "a0=30.00",
          "l1=290.00", "shoe-height=400.00", "ts=8.00", "plate-grade=Q235", "concrete=C15",
          "anchor-grade=Q235", "form=", "section=", "c=", "anchor-d=", "holes=", "B=", "L="}) {
        EXPECT_NE(fields.out.find(std::string("  ") + field + "  "), std::string::npos) << field;
    }
}

TEST(ColumnBaseEntry, ShortProjectionIsACantilever) {
    // 槽18b, b1 = 50, N = 600 (see the panel cases above): t = 23.03 mm and "24" for tp.
    const CliRun run = Call({"column-base", "section=槽18b", "b1=50", "N=600"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(" b1/a1=50.00/180.00=0.278，\n"
                           " b1/a1<0.3，按悬臂长度为b1的悬臂板计算，M=0.5*q*b1^2=0.5*6.293*50.00^2="
                           "7866.583\n"),
              std::string::npos);
    EXPECT_NE(run.out.find(" t=sqr(6*Mmax/f)=sqr(6*17680.55/200) =23.03mm\n厚度tp:24 mm\n"),
              std::string::npos)
        << run.out;
}

TEST(ColumnBaseEntry, AnchorPickSetsOutstandAndHolesUnlessTypedAfter) {
    const CliRun picked = Call({"column-base", "anchor-d=20.00"});
    EXPECT_EQ(picked.status, 0);
    EXPECT_EQ(picked.out.rfind(" B=a1+2ts+2c=180.00+2*8.00+2*60.00=316.00mm\n L=500.00mm\n"
                               " 底板净面积为：316.00*500.00-3170.00=154830.00mm2\n",
                               0),
              0u);
    const CliRun typed = Call({"column-base", "anchor-d=20.00", "c=30", "holes=4000"});
    EXPECT_NE(typed.out.find(" 底板净面积为：256.00*500.00-4000=124000.00mm2\n"),
              std::string::npos);
}

TEST(ColumnBaseEntry, FixedBaseAsTheDialogShowsIt) {
    const CliRun run =
        Call({"column-base", "base-type=刚接柱脚", "section=HN400x200", "ts=12", "c=60", "a0=60",
              "b1=110", "N=400", "M=400", "concrete=C20", "anchor-grade=Q345", "anchor-d=20.00",
              "tp=20.00", "B=344", "L=740.00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "-----底板与基础间部分受压，锚栓受拉-----\n"
                       " σmin为: N/(BL) - 6M/(BL^2) = 400.00*10^3/(344.00*740.00) - "
                       "6*10^6400.00/(344.00*740.00^2) =1.57-12.74=-11.17N/mm2< 0.0, \n"
                       "    锚拴受拉,需要的受拉锚拴的总有效面积为：3154.23mm2,(计算公式参见"
                       "清华大学出版社《钢结构》p333之式-69)\n"
                       "    一个直径为20.00mm的锚拴在螺纹处的有效截面积为：244.80mm2\n"
                       "厚度tp:20.00 mm\n");
    // The fixed base on its first form and section: HW100x100.
    const CliRun first = Call({"column-base", "base-type=刚接柱脚", "M=20"});
    EXPECT_NE(first.out.find("/(176.00*370.00)"), std::string::npos);
}

TEST(ColumnBaseEntry, UsageErrorsAndRefusals) {
    const std::vector<std::vector<std::string>> usage = {
        {"column-base", "form=HW型钢"},       // not a form of the pinned base
        {"column-base", "section=HW100x100"}, // not a channel
        {"column-base", "base-type=刚接柱脚", "form=HM型钢", "section=HW100x100"},
        {"column-base", "B=250"},                       // the dialog shows 256.00
        {"column-base", "base-type=刚接柱脚", "L=500"}, // 370.00
        {"column-base", "anchor-d=20"},                 // the list reads "20.00"
        {"column-base", "l1=300"},
    };
    for (const auto& args : usage) {
        EXPECT_EQ(Call(args).status, cli::kExitUsage) << args.back();
    }
    const CliRun refused = Call({"column-base", "base-type=刚接柱脚", "M=-1"});
    EXPECT_EQ(refused.status, cli::kExitRefused);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(refused.err, "输入错误: 弯矩M请输入其绝对值(不小于0)\n");
}

TEST(ColumnBaseEntry, NoFieldValueCrashesOrPrintsInfinity) {
    const char* numeric[] = {"N", "M", "tp", "c", "b1", "a0", "ts", "holes", "shoe-height"};
    const char* values[] = {"", "abc", "nan", "inf", "-1", "0", "1e308", "-1e308", "1e-300"};
    for (const char* type : {"base-type=轴心受压铰接", "base-type=刚接柱脚"}) {
        for (const char* field : numeric) {
            for (const char* value : values) {
                const CliRun run = Call({"column-base", type, std::string(field) + "=" + value});
                const std::string what = std::string(type) + " " + field + "=" + value;
                EXPECT_TRUE(run.status == 0 || run.status == 2) << what;
                EXPECT_EQ(run.out.find("inf"), std::string::npos) << what;
                EXPECT_EQ(run.out.find("nan"), std::string::npos) << what;
                if (run.status == 2) {
                    EXPECT_EQ(run.err.rfind("输入错误: ", 0), 0u) << what;
                }
            }
        }
    }
}

// ---- GB50017-2017 ----

ColumnBaseInput Pinned2017(const std::string& section, double l1, double n,
                           const std::string& concrete, const std::string& plateGrade) {
    ColumnBaseInput in;
    in.section = section;
    in.l1 = l1;
    in.n = n;
    in.concrete = concrete;
    in.plateGrade = plateGrade;
    in.edition = kSteel2017;
    return Refreshed(in);
}

// The opening pinned base to 2017: the fc of C15 is 7.2 (GB50010-2010), N/fc = 60000/7.2 =
// 8333.333; the plate's f is Q235's 215 up to 16 mm: t = sqrt(6·1364.91/215) = 6.17, tp = 7.
TEST(ColumnBase2017, OpeningPinnedBaseCitesTheConcreteAndPlateTables) {
    ColumnBaseInput in = Input(kPinnedBase, "槽18b");
    in.edition = kSteel2017;
    const ColumnBaseResult r = ComputeColumnBase(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(r.fc, 7.2);
    EXPECT_EQ(r.plateF, 215);
    std::string expected = kOpeningPinnedReport;
    const std::string area = " 底板净面积为：256.00*500.00-4500.00=123500.00mm2\r\n";
    expected.insert(expected.find(area) + area.size(),
                    " 混凝土C15：fc=7.20N/mm2（GB50010-2010表4.1.4），需要的底板面积N/fc="
                    "60.00*10^3/7.20=8333.333mm2\r\n");
    expected.replace(expected.find(" t=sqr("), std::string::npos,
                     " t=sqr(6*Mmax/f)=sqr(6*1364.91/215) =6.17mm\r\n"
                     " f为Q235钢板厚7mm时的强度设计值215N/mm2（GB50017-2017表4.4.1）");
    EXPECT_EQ(*r.report, expected);
    EXPECT_EQ(r.thickness, "07");
}

// The plate's f follows the band of the thickness found (槽40a, l1 408, C30; Mmax is
// 27.275 N·mm/mm per kN of N). Q345 at N = 2930: Mmax = 79916.81; f = 305 gives t = 39.65,
// tp = 40, band 16-40: f = 295 gives t = 40.32, tp = 41, band 40-63: f = 290 gives t = 40.66,
// tp = 41, settled. At the 16 mm edge: N = 448, t = sqrt(6·12219.36/305) = 15.50, tp = 16 keeps
// 305; N = 480, t = 16.05 with 305 gives tp = 17, so 295: t = 16.32.
TEST(ColumnBase2017, PlateStrengthFollowsTheBandOfTheThicknessFound) {
    struct Case {
        const char* grade;
        double n;
        double f;
        const char* t;
        const char* tp;
    };
    const Case cases[] = {
        {"Q235", 600, 205, "21.89", "22"}, // 215: t = 21.37, tp 22 > 16
        {"Q235", 480, 205, "19.58", "20"},
        {"Q345", 448, 305, "15.50", "16"},
        {"Q345", 480, 295, "16.32", "17"},
        {"Q345", 600, 295, "18.24", "19"},
        {"Q345", 2930, 290, "40.66", "41"},
        {"Q420", 2930, 355, "36.75", "37"}, // 375: t = 35.76, tp 36 > 16
    };
    for (const Case& c : cases) {
        const ColumnBaseResult r = ComputeColumnBase(Pinned2017("槽40a", 408, c.n, "C30", c.grade));
        const std::string what = std::string(c.grade) + " " + Fmt2(c.n);
        ASSERT_TRUE(r.report) << what;
        EXPECT_EQ(r.plateF, c.f) << what;
        EXPECT_EQ(Fmt2(r.t), c.t) << what;
        EXPECT_EQ(r.thickness, c.tp) << what;
        EXPECT_NE(r.report->find("=sqr(6*" + Fmt2(r.mmax) + "/" + FormatNumber("%.0f", c.f) +
                                 ") =" + c.t + "mm\r\n f为" + c.grade + "钢板厚" + c.tp +
                                 "mm时的强度设计值" + FormatNumber("%.0f", c.f) +
                                 "N/mm2（GB50017-2017表4.4.1）"),
                  std::string::npos)
            << what << "\n"
            << *r.report;
        // The 2003 edition keeps f = 200 whatever the grade.
        ColumnBaseInput older = Pinned2017("槽40a", 408, c.n, "C30", c.grade);
        older.edition = kSteel2003;
        const ColumnBaseResult r2003 = ComputeColumnBase(older);
        EXPECT_EQ(r2003.plateF, 200) << what;
        EXPECT_EQ(r2003.mmax, r.mmax) << what;
        EXPECT_EQ(r2003.report->find("GB50"), std::string::npos) << what;
    }
    // A plate thicker than table 4.4.1 goes (100 mm) is refused: 槽40a, l1 900, C60, N 14000.
    const ColumnBaseResult thick =
        ComputeColumnBase(Pinned2017("槽40a", 900, 14000, "C60", "Q235"));
    EXPECT_FALSE(thick.report);
    ASSERT_EQ(thick.notices.size(), 1u);
    EXPECT_EQ(thick.notices[0].text, "需要的底板厚度为114mm，超过Q235钢在GB50017-2017表4.4.1中的"
                                     "最大厚度100mm，请减小底板区格尺寸或加大柱截面尺寸");
    EXPECT_EQ(thick.notices[0].caption, "输入错误");
}

TEST(ColumnBase2017, ConcreteOfGb50010AndTheLists) {
    const std::pair<const char*, double> grades[] = {
        {"C15", 7.2},  {"C20", 9.6},  {"C25", 11.9}, {"C30", 14.3}, {"C35", 16.7},
        {"C40", 19.1}, {"C45", 21.1}, {"C50", 23.1}, {"C55", 25.3}, {"C60", 27.5},
    };
    std::vector<std::string> listed;
    for (const auto& [grade, fc] : grades) {
        listed.push_back(grade);
        ColumnBaseInput in = ExactFixedBase(300, 0); // σmax = 2.00, the whole plate bears
        in.concrete = grade;
        in.edition = kSteel2017;
        const ColumnBaseResult r = ComputeColumnBase(in);
        EXPECT_EQ(r.fc, fc) << grade;
        ASSERT_TRUE(r.report) << grade;
        EXPECT_NE(r.report->find("小于混凝土抗压强度\r\n  混凝土" + std::string(grade) +
                                 "：fc=" + Fmt2(fc) + "N/mm2（GB50010-2010表4.1.4）"),
                  std::string::npos)
            << *r.report;
    }
    EXPECT_EQ(ConcreteEntries(kSteel2017), listed);
    EXPECT_EQ(ConcreteEntries(kSteel2003),
              (std::vector<std::string>{"C15", "C20", "C25", "C30", "C35"}));
    EXPECT_EQ(AnchorGradeEntries(kSteel2017), (std::vector<std::string>{"Q235", "Q345", "Q390"}));
    EXPECT_EQ(AnchorGradeEntries(kSteel2003), (std::vector<std::string>{"Q235", "Q345"}));

    // N = 3000, M = 0: σmax = 3000/150 = 20.00 above the 19.1 of C40.
    ColumnBaseInput over = ExactFixedBase(3000, 0);
    over.concrete = "C40";
    over.edition = kSteel2017;
    const ColumnBaseResult r = ComputeColumnBase(over);
    ASSERT_TRUE(r.report);
    EXPECT_NE(
        r.report->find("=20.00N/mm2>19.10N/mm2,\r\n  大于混凝土抗压强度，请重新选择混凝土标号"
                       "或底板尺寸进行计算\r\n  混凝土C40：fc=19.10N/mm2（GB50010-2010表4.1.4）"),
        std::string::npos)
        << *r.report;
}

// Anchors in tension, HW100x100, anchors d 30 with c = 90: B = 296, L = 370, σN = 0.548,
// σM = 29.613, Lc = 30.161·370/59.227 = 188.42, x = 340; Ae = (2e8 − 60000·(185 − 62.81)) /
// (fta·(340 − 62.81)): 4964.79 for Q235 (140), 3757.14 for Q390 (185, table 4.4.6).
TEST(ColumnBase2017, AnchorStrengthOfTable446) {
    const std::tuple<const char*, double, const char*> anchors[] = {
        {"Q235", 140, "4964.79"}, {"Q345", 180, "3861.51"}, {"Q390", 185, "3757.14"}};
    for (const auto& [grade, fta, ae] : anchors) {
        ColumnBaseInput in = Input(kFixedBase, "HW100x100");
        in.c = 90;
        in.anchorD = "30.00";
        in.anchorGrade = grade;
        in.edition = kSteel2017;
        in = Refreshed(in);
        const ColumnBaseResult r = ComputeColumnBase(in);
        ASSERT_TRUE(r.report) << grade;
        EXPECT_EQ(r.ftb, fta) << grade;
        EXPECT_EQ(Fmt2(r.ae), ae) << grade;
        EXPECT_NE(r.report->find("mm2\r\n    锚拴" + std::string(grade) + "的抗拉强度设计值fta=" +
                                 FormatNumber("%.0f", fta) + "N/mm2（GB50017-2017表4.4.6）"),
                  std::string::npos)
            << *r.report;
    }
}

TEST(ColumnBase2017Entry, EditionFieldsAndTheShorter2003Lists) {
    const CliRun fields = Call({"column-base", "--fields"});
    for (const char* line :
         {"  edition=2003  (2003|2017)  规范版本: 2003 (GB50017-2003) or 2017 (GB50017-2017)\n",
          "  concrete=C15  (C15|C20|C25|C30|C35|C40|C45|C50|C55|C60)  混凝土等级 (C40 to C60: "
          "edition=2017)\n",
          "  anchor-grade=Q235  (Q235|Q345|Q390)  锚拴钢号 (Q390: edition=2017)\n"}) {
        EXPECT_NE(fields.out.find(line), std::string::npos) << line;
    }
    const CliRun run = Call(
        {"column-base", "edition=2017", "N=600", "concrete=C30", "section=槽40a", "l1=408.00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(" t=sqr(6*Mmax/f)=sqr(6*16365.22/205) =21.89mm\n f为Q235钢板厚22mm时的"
                           "强度设计值205N/mm2（GB50017-2017表4.4.1）\n厚度tp:22 mm\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Call({"column-base", "edition=2003"}).out, Call({"column-base"}).out);
    const std::pair<const char*, const char*> refused[] = {
        {"concrete=C40", "ferrolab-calc: concrete C40 needs edition=2017\n"},
        {"anchor-grade=Q390", "ferrolab-calc: anchor-grade Q390 needs edition=2017\n"},
    };
    for (const auto& [arg, err] : refused) {
        const CliRun bad = Call({"column-base", arg});
        EXPECT_EQ(bad.status, cli::kExitUsage) << arg;
        EXPECT_EQ(bad.err, err) << arg;
    }
    EXPECT_NE(Call({"column-base", "edition=2017", "--json"}).out.find("\"edition\": \"2017\""),
              std::string::npos);
}

} // namespace
