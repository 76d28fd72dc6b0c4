#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calculators/joints/BeamColumnPinned.h"
#include "engine/Format.h"
#include "tests/calculators/joints/BeamColumnPinnedTexts.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

TEST(BeamColumnPinned, DefaultsPassEveryCheckAndGiveTheWorkedReport) {
    const PinnedJointResult r = ComputePinnedJoint(PinnedJointInput{});
    ASSERT_TRUE(r.report);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_EQ(r.focus, PinnedFocus::None);
    EXPECT_DOUBLE_EQ(r.e, 45);
    EXPECT_DOUBLE_EQ(r.m, 2.25);
    EXPECT_EQ(r.p, 80);
    EXPECT_DOUBLE_EQ(r.mu, 0.45);
    EXPECT_EQ(*r.report, kDefaultReport);
}

TEST(BeamColumnPinned, TwoColumnPlateUnderAxialForce) {
    // 3 x 2 bolts M16 10.9 at 60 / 50, Q345 blasted (μ 0.50), bp 130, hp 190 = webDepth,
    // hf 8, β 1.22, tp 10, V 100, N 20. e = 10 + 35 + 25 = 70, M = 7.00.
    const PinnedJointInput in{.steelGrade = kQ345,
                              .bp = 130,
                              .hp = 190,
                              .tp = 10,
                              .v = 100,
                              .n = 20,
                              .hf = 8,
                              .betaF = 1.22,
                              .boltClass = 109,
                              .rows = 3,
                              .cols = 2,
                              .sRow = 60,
                              .sCol = 50};
    const PinnedJointResult r = ComputePinnedJoint(in);
    ASSERT_TRUE(r.report);
    // Σr² = 2·2·60² + 2·3·25² = 14400 + 3750; NxM = 7000·60/18150 = 23.14, NyM = 9.64,
    // NxN = 3.33, NyV = 16.67: Nmax = 37.32 <= Nvb = 0.9·0.5·100 = 45.00 (no warning).
    // Welds he 5.6, lw 174: σN 10.26, σM 123.86, τV 51.31, τCom = sqrt((134.12/1.22)² + τV²).
    // Plate 10 x 190: σN 10.53, σM 116.34, τV 52.63, σeq 156.22.
    const std::string expected =
        "--偏心弯矩 M=V*e =7.00kN*m--\r\n"
        "\r\n-----与梁腹板相连的螺栓验算----\r\n"
        "  Σri^2 = Σxi^2 +Σyi^2=\r\n14400.00+3750.00=18150.00mm2 \r\n"
        "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =37.32kN\r\n"
        "\r\n 一个高强螺栓的单面抗剪承载力 Nvb:45.00kN \r\n"
        "\r\n------焊缝验算-------\r\n 按规范7.1.3条，取 lw = hp-2*hf,"
        "\r\n σ_N =N/(2*he*lw) =10.26N/mm2"
        "\r\n σ_M =6*M*1.e6/(2*he*lw^2) =123.86N/mm2"
        "\r\n τ_V =Vy*1000./(2*he*lw) =51.31N/mm2"
        "\r\n 折算应力τ_Com =sqrt(((σ_N +σ_M)/β)^2 +τ_V^2) =121.32N/mm2  \r\n"
        "\r\n--------连接板毛截面验算--------\r\n σ_N =N/(tp*hp)= 10.53N/mm2"
        "\r\n σ_M =6*M*1.e6/(tp*hp^2)= 116.34N/mm2"
        "\r\n τ_V =Vy*1000./(tp*hp)= 52.63N/mm2"
        "\r\n 折算应力 σeq =sqrt((σ_N +σ_M)^2 +3*τ_V^2) = 156.22N/mm2";
    EXPECT_EQ(*r.report, expected);
}

TEST(BeamColumnPinned, DoubleAngleChecksTheColumnLegsAndWarns) {
    // L100X10 (bp 100, tp 10), M20 8.8 (P 125) with 1.5 clearance: d0 21.5;
    // Q235 wire-brushed (μ 0.30), 2 rows at 70, d2 45, hp 180, V 300, N 20.
    const PinnedJointInput in{.style = PinnedStyle::DoubleAngle,
                              .bp = 100,
                              .hp = 180,
                              .tp = 10,
                              .d2 = 45,
                              .v = 300,
                              .n = 20,
                              .surface = 3,
                              .d = 20,
                              .clearance = 1.5,
                              .sRow = 70};
    const PinnedJointResult r = ComputePinnedJoint(in);
    ASSERT_TRUE(r.report);
    // e = 55, M = 16.50; Σr² = 2·35² = 2450, NxM = 16500·35/2450 = 235.71, NxN = 10, NyV = 150:
    // Nmax = 287.88 > Nvb = 0.9·2·0.30·125 = 67.50. Column legs: Σyi² = 2·2·35² = 4900,
    // Tmax = 35·16500/4900 = 117.86 > 0.8·125 = 100.
    const std::string expected =
        "--偏心弯矩 M=V*e =16.50kN*m--\r\n"
        "\r\n-----与梁腹板相连的螺栓验算----\r\n"
        "  Σri^2 = Σxi^2 +Σyi^2=\r\n2450.00+0.00=2450.00mm2 \r\n"
        "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =287.88kN\r\n"
        "\r\n 一个高强螺栓的双面抗剪承载力 Nvb:67.50kN \r\n"
        "\r\n!!******与梁腹板相连的螺栓群中，受力最大的螺栓的剪力大于一个高强螺栓的抗剪承载力，"
        "请自己想想办法吧******\r\n"
        "\r\n------与柱翼缘相连的螺栓验算-------  Σyi^2=4900.00mm2\r\n"
        "\r\n 高强螺栓的预拉力P=125kN \r\n"
        "\r\n!!*****与柱翼缘相连的螺栓所受最大拉力大于 0.8P，请重新调整*****\r\n";
    EXPECT_EQ(*r.report, expected);
    EXPECT_NEAR(r.tMax, 117.857142857, 1e-9);
}

const char* const kRowsTooLong = "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓行距，参见GB"
                                 "50017-2003 p82表8.3.4规定";
const char* const kRowsTooClose =
    "螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-2003 p82表8.3.4规定";
const char* const kBeamShallow = "梁高度不够，您看着办吧";
const char* const kEdgeWithColumns =
    "连接板宽度bp太小，或者列距太大，最外侧螺栓中心与连接板边缘的距离小于2倍螺栓孔径";
const char* const kEdge = "连接板宽度bp太小，螺栓中心与连接板边缘的距离小于2倍螺栓孔径";

struct LayoutCase {
    const char* name;
    PinnedJointInput in;
    const char* message; // nullptr: passes
    PinnedFocus focus;
};

// d0 = 17: limits 3·d0 = 51, 2·d0 = 34, webDepth 190; a value exactly at a limit passes.
const LayoutCase kLayoutCases[] = {
    {"RowPitchAt3d0", {.sRow = 51}, nullptr, PinnedFocus::None},
    {"RowPitchBelow3d0", {.sRow = 50.99}, kRowsTooClose, PinnedFocus::RowPitch},
    {"HpAtWebDepth", {.hp = 190}, nullptr, PinnedFocus::None},
    {"HpAboveWebDepth", {.hp = 190.5}, kBeamShallow, PinnedFocus::PlateHeight},
    {"RowsFillThePlate", {.hp = 188, .rows = 3, .sRow = 60}, nullptr, PinnedFocus::None},
    {"RowsLongerThanPlate", {.rows = 3, .sRow = 60}, kRowsTooLong, PinnedFocus::RowPitch},
    // The first failing check wins: rows too long and the beam too shallow.
    {"FirstCheckFirst", {.webDepth = 100, .rows = 4}, kRowsTooLong, PinnedFocus::RowPitch},
    {"EdgeAt2d0", {.bp = 79}, nullptr, PinnedFocus::None},
    {"EdgeBelow2d0", {.bp = 78.9}, kEdgeWithColumns, PinnedFocus::ColumnPitch},
    {"ColumnPitchTakesEdge",
     {.bp = 128, .cols = 2, .sCol = 50},
     kEdgeWithColumns,
     PinnedFocus::ColumnPitch},
    // GB50018-2002 M12 in 13 mm holes: 3·13 = 39.
    {"ColdFormedCodeM12", {.code = 1, .d = 12, .sRow = 39}, nullptr, PinnedFocus::None},
};

TEST(BeamColumnPinned, LayoutChecksInOrderWithTheirFocus) {
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.name);
        const PinnedJointResult r = ComputePinnedJoint(c.in);
        if (c.message == nullptr) {
            EXPECT_TRUE(r.report);
            EXPECT_TRUE(r.notices.empty());
        } else {
            EXPECT_FALSE(r.report);
            ASSERT_EQ(r.notices.size(), 1u);
            EXPECT_EQ(r.notices[0], (Notice{c.message, "", NoticeIcon::None}));
        }
        EXPECT_EQ(r.focus, c.focus);
    }
}

struct RefusalCase {
    const char* name;
    PinnedJointInput in;
    const char* message;
};

const RefusalCase kRefusals[] = {
    {"NoPlateThickness", {.tp = 0}, "连接板厚度tp必须大于0"},
    {"NegativePlateThickness", {.tp = -8}, "连接板厚度tp必须大于0"},
    {"NoStrengthFactor", {.betaF = 0}, "强度增大系数β必须大于0"},
    {"NoLegSize", {.hf = 0}, "焊脚尺寸hf必须大于0"},
    // Tiny holes let a 10 mm plate through the layout checks, but its welds have no length.
    {"WeldWithoutLength",
     {.hp = 10, .clearance = -15.5, .sRow = 2},
     "焊缝计算长度lw = hp-2*hf必须大于0，请加大连接板高度hp"},
    // No hole at all lets a zero row pitch through: the bolt group has no lever arm.
    {"NoRowPitch", {.clearance = -16, .sRow = 0}, "螺栓行距必须大于0"},
    {"NegativeColumnPitch", {.cols = 2, .sCol = -50}, "螺栓列距不能为负数"},
    {"ForcesBeyondRange", {.v = 1e300}, "输入的数值过大"},
};

TEST(BeamColumnPinned, InputsWithoutLengthAreaOrLeverArmAreRefused) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        const PinnedJointResult r = ComputePinnedJoint(c.in);
        EXPECT_FALSE(r.report);
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_EQ(r.notices[0], InputError(c.message));
    }
}

struct FieldCase {
    PinnedField field;
    PinnedJointInput in;
    const char* message; // nullptr: passes
    bool reset;
};

const char* const kPlain = "老大，没搞错吧";
const FieldCase kFieldCases[] = {
    {PinnedField::D2, {.d2 = 34}, nullptr, false},
    {PinnedField::D2,
     {.d2 = 33},
     "螺栓与梁端距离d2小于2倍螺栓孔径，不符合规范要求，需加大d2的值",
     false},
    {PinnedField::D2, {.d2 = 40}, kEdge, false},
    {PinnedField::PlateWidth, {.bp = 78}, kEdge, false},
    {PinnedField::PlateWidth, {.bp = 79}, nullptr, false},
    {PinnedField::PlateHeight,
     {.hp = 119},
     "螺栓间距太大，请加大连接板高度或者减小螺栓间距",
     false},
    {PinnedField::PlateHeight, {.hp = 200}, kBeamShallow, false},
    {PinnedField::PlateHeight, {.hp = 190}, nullptr, false},
    {PinnedField::PlateThick, {.tp = 7.9}, "连接板不宜太薄", true},
    {PinnedField::PlateThick, {.tp = 41}, kPlain, false},
    {PinnedField::PlateThick, {.tp = 40}, nullptr, false},
    {PinnedField::BetaF, {.betaF = 0.9}, kPlain, false},
    {PinnedField::BetaF, {.betaF = 1.51}, kPlain, false},
    {PinnedField::BetaF, {.betaF = 1.5}, nullptr, false},
    {PinnedField::Clearance, {.clearance = -0.1}, "别乱填", true},
    {PinnedField::Clearance, {.clearance = 2.1}, "别乱填", true},
    {PinnedField::Clearance, {.clearance = 2}, nullptr, false},
    {PinnedField::RowPitch, {.sRow = 108}, kRowsTooLong, false},
    {PinnedField::RowPitch, {.sRow = 50}, kRowsTooClose, false},
    // After a diameter pick the long-rows message speaks of "螺栓间距".
    {PinnedField::Diameter,
     {.d = 30, .sRow = 93},
     "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓间距，参见GB50017-2003 p82表8.3.4规定",
     false},
    {PinnedField::Diameter, {.d = 20}, kRowsTooClose, false},
    {PinnedField::ColumnPitch, {.bp = 130, .sCol = 62}, kEdgeWithColumns, false},
    {PinnedField::ColumnPitch,
     {.bp = 130, .sCol = 50},
     "螺栓列距小于3倍螺栓孔径，请参见表8.3.4规定",
     false},
    {PinnedField::ColumnPitch, {.bp = 130, .sCol = 51}, nullptr, false},
};

TEST(BeamColumnPinned, FieldChecksOnLeavingAField) {
    for (const FieldCase& c : kFieldCases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - kFieldCases));
        const auto check = CheckPinnedField(c.field, c.in);
        if (c.message == nullptr) {
            EXPECT_FALSE(check);
        } else {
            ASSERT_TRUE(check);
            EXPECT_EQ(check->notice, (Notice{c.message, "", NoticeIcon::None}));
            EXPECT_EQ(check->resetToFirstPreset, c.reset);
        }
    }
}

TEST(BeamColumnPinned, WebDepthOfRolledHBeams) {
    double depth = -1;
    ASSERT_TRUE(PinnedWebDepth("HM244x175", depth));
    EXPECT_DOUBLE_EQ(depth, 190); // 244 − 2·11 − 2·16
    ASSERT_TRUE(PinnedWebDepth("HN400x200", depth));
    EXPECT_DOUBLE_EQ(depth, 342); // 400 − 2·13 − 2·16
    // Only H names are looked up; anything else leaves the depth alone.
    EXPECT_FALSE(PinnedWebDepth("I20a", depth));
    EXPECT_FALSE(PinnedWebDepth("H1x1", depth));
    EXPECT_DOUBLE_EQ(depth, 342);
}

// The runner.

std::string Unix(const std::string& text) {
    return cli::ToUnixLines(text);
}

TEST(PinnedJointEntry, DefaultsPrintTheDefaultReport) {
    const auto run = Call({"pinned-joint"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Unix(kDefaultReport) + "\n");
}

TEST(PinnedJointEntry, DoubleAngleTakesTheAngleLegs) {
    // L75X5 leaves 75 − 10 − 35 = 30 < 34 of edge: refused on the column pitch check.
    auto run = Call({"pinned-joint", "style=双角钢连接"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("最外侧螺栓中心与连接板边缘的距离小于2倍螺栓孔径"), std::string::npos);
    // L100X10 with the defaults: e 45, Nvb = 0.9·2·0.45·80 = 64.80, P = 80.
    run = Call({"pinned-joint", "style=双角钢连接", "angle=L100X10", "bp=5", "tp=0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("双面抗剪承载力 Nvb:64.80kN"), std::string::npos);
    EXPECT_NE(run.out.find("预拉力P=80kN"), std::string::npos);
}

TEST(PinnedJointEntry, ChoicesFollowTheCodeAndTheSeries) {
    EXPECT_EQ(Call({"pinned-joint", "code=GB50018-2002"}).status, 0); // M16 is in both lists
    EXPECT_EQ(Call({"pinned-joint", "code=GB50018-2002", "d=M20"}).status, 64);
    EXPECT_EQ(Call({"pinned-joint", "code=GB50018-2002", "d=M12", "grade=Q390"}).status, 64);
    const auto run = Call({"pinned-joint", "code=GB50018-2002", "d=M12", "surface=喷砂(丸)"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Nvb:16.20kN"), std::string::npos);
    EXPECT_EQ(Call({"pinned-joint", "beam=HW200x200"}).status, 64);
    EXPECT_EQ(Call({"pinned-joint", "beam-series=马钢宽翼缘HW系列", "beam=HW200x200"}).status, 2);
    // The two series without sections keep the web depth of the H beam named.
    EXPECT_EQ(Call({"pinned-joint", "beam-series=焊接工字形"}).status, 0);
    EXPECT_EQ(Call({"pinned-joint", "column-series=马钢中翼缘HM系列"}).status, 64);
}

TEST(PinnedJointEntry, OneColumnIgnoresTheColumnPitch) {
    EXPECT_EQ(Call({"pinned-joint", "sCol=70"}).out, Call({"pinned-joint"}).out);
}

TEST(PinnedJointEntry, NoValueCrashesOrPrintsInfinity) {
    const char* const fields[] = {"bp", "hp",    "tp",        "d1",   "d2",  "V",
                                  "N",  "betaF", "clearance", "sRow", "sCol"};
    const char* const values[] = {"", "-1", "0", "nan", "inf", "1e308", "-1e308", "abc", "1e-300"};
    for (const char* field : fields) {
        for (const char* value : values) {
            for (const char* cols : {"1", "2"}) {
                const auto run = Call({"pinned-joint", std::string(field) + "=" + value,
                                       std::string("cols=") + cols});
                SCOPED_TRACE(std::string(field) + "=" + value);
                EXPECT_TRUE(run.status == 0 || run.status == 2);
                EXPECT_EQ(run.out.find("inf"), std::string::npos);
                EXPECT_EQ(run.out.find("nan"), std::string::npos);
            }
        }
    }
}

// ---- GB50017-2017 ----

PinnedJointInput Joint2017(PinnedJointInput in) {
    in.edition = kSteel2017;
    return in;
}

// Nvb = 0.9·k·nf·μ·P of 11.4.2 with μ of table 11.4.2-1 (surface 0 quartz sand, 1 shot blasting,
// 2 wire brush), P of table 11.4.2-2 and k by the hole of table 11.5.1.
TEST(BeamColumnPinned2017, SlipCapacityOfClause1142) {
    struct Case {
        PinnedJointInput in;
        double mu;
        int p;
        double k;
        const char* nvb;
    };
    const Case cases[] = {
        // The defaults: shot blasting 0.40, M16 8.8 P = 80, d0 = 17 <= 17.5: 0.9·1·1·0.40·80.
        {Joint2017({.surface = 1}), 0.40, 80, 1.0, "28.80"},
        // Q345 quartz sand 0.45, M16 10.9 P = 100, d0 = 18 > 17.5 (oversize up to 20): k 0.85,
        // 0.9·0.85·1·0.45·100 = 34.425.
        {Joint2017({.steelGrade = kQ345,
                    .bp = 100,
                    .surface = 0,
                    .boltClass = 109,
                    .clearance = 2.0,
                    .sRow = 60}),
         0.45, 100, 0.85, "34.42"},
        // Q390 wire brush 0.35, M20 8.8 P = 125, d0 = 22 <= 22: 0.9·1·1·0.35·125 = 39.375.
        {Joint2017({.steelGrade = kQ390,
                    .bp = 100,
                    .hp = 190,
                    .surface = 2,
                    .d = 20,
                    .clearance = 2.0,
                    .sRow = 70}),
         0.35, 125, 1.0, "39.38"},
        // Double angle (two planes), Q420 quartz sand 0.45, M20 8.8: 0.9·1·2·0.45·125 = 101.25.
        {Joint2017({.style = PinnedStyle::DoubleAngle,
                    .steelGrade = kQ420,
                    .bp = 100,
                    .hp = 190,
                    .tp = 10,
                    .surface = 0,
                    .d = 20,
                    .sRow = 70}),
         0.45, 125, 1.0, "101.25"},
    };
    for (const Case& c : cases) {
        const PinnedJointResult r = ComputePinnedJoint(c.in);
        ASSERT_TRUE(r.report) << c.nvb << (r.notices.empty() ? "" : r.notices[0].text);
        EXPECT_EQ(r.mu, c.mu) << c.nvb;
        EXPECT_EQ(r.p, c.p) << c.nvb;
        EXPECT_EQ(r.k, c.k) << c.nvb;
        EXPECT_EQ(Fmt2(r.nvb), c.nvb);
        const bool plate = c.in.style == PinnedStyle::SinglePlate;
        EXPECT_NE(r.report->find(std::string("抗剪承载力 Nvb=0.9*k*nf*μ*P=0.9*") + Fmt2(c.k) + "*" +
                                 (plate ? "1" : "2") + "*" + Fmt2(c.mu) + "*" +
                                 std::to_string(c.p) + "=" + c.nvb + "kN \r\n 按GB50017-2017第" +
                                 "11.4.2条：" + (c.k == 1.0 ? "标准孔" : "大圆孔") +
                                 "k=" + Fmt2(c.k) + "（孔径d0=" + Fmt2(c.in.d0()) +
                                 "mm，表11.5.1），μ按表11.4.2-1，P按表11.4.2-2\r\n"),
                  std::string::npos)
            << *r.report;
        EXPECT_EQ(r.report->find("7.1.3"), std::string::npos);
        EXPECT_EQ(r.report->find("2003"), std::string::npos);
    }
}

// The plate's welds against ffw of table 4.4.5: Q235 E43 160, Q345 E50 or E55 200, Q390 E55 220,
// Q420 E55 220, E60 240; the defaults' τCom = 70.66 (the 2003 report's).
TEST(BeamColumnPinned2017, WeldsAgainstFfwOfTable445) {
    const std::tuple<SteelGrade, const char*, const char*, double> welds[] = {
        {kQ235, "", "E43", 160},    {kQ235, "E43", "E43", 160}, {kQ345, "", "E50", 200},
        {kQ345, "E55", "E55", 200}, {kQ390, "E50", "E50", 200}, {kQ390, "E55", "E55", 220},
        {kQ420, "", "E55", 220},    {kQ420, "E60", "E60", 240},
    };
    for (const auto& [grade, electrode, shown, ffw] : welds) {
        PinnedJointInput in = Joint2017({.steelGrade = grade, .surface = 0});
        in.electrode = electrode;
        const PinnedJointResult r = ComputePinnedJoint(in);
        ASSERT_TRUE(r.report) << shown;
        EXPECT_EQ(r.ffw, ffw) << shown;
        EXPECT_NE(r.report->find(" 折算应力τ_Com =sqrt(((σ_N +σ_M)/β)^2 +τ_V^2) =70.66N/mm2  \r\n"
                                 " 角焊缝强度设计值ffw=" +
                                 Fmt2(ffw) + "N/mm2（GB50017-2017表4.4.5，Q" +
                                 std::to_string(static_cast<int>(grade)) + "钢，" + shown +
                                 "型焊条）\r\n"),
                  std::string::npos)
            << *r.report;
        EXPECT_NE(r.report->find(" 按GB50017-2017第11.2.2条，取 lw = hp-2*hf,"), std::string::npos);
        ASSERT_EQ(r.checks.size(), 2u);
        EXPECT_EQ(r.checks[1].demand, r.weldTauCom);
        EXPECT_EQ(r.checks[1].capacity, ffw);
    }
    PinnedJointInput wrong = Joint2017({.surface = 0});
    wrong.electrode = "E50";
    const PinnedJointResult refused = ComputePinnedJoint(wrong);
    EXPECT_FALSE(refused.report);
    ASSERT_EQ(refused.notices.size(), 1u);
    EXPECT_EQ(refused.notices[0].text, "Q235钢不采用E50型焊条，请按GB50017-2017表4.4.5选择焊条");
}

TEST(BeamColumnPinned2017, RefusalsAndTheLayoutRulesOfTable1152) {
    // The wire brush is not permitted on Q420.
    const PinnedJointResult brush =
        ComputePinnedJoint(Joint2017({.steelGrade = kQ420, .surface = 2}));
    EXPECT_FALSE(brush.report);
    ASSERT_EQ(brush.notices.size(), 1u);
    EXPECT_EQ(brush.notices[0].text, "GB50017-2017表11.4.2-1不允许Q420钢采用“钢丝刷清除浮锈或未经"
                                     "处理的干净轧制面”的摩擦面处理方法，请另选摩擦面");
    EXPECT_EQ(brush.notices[0].caption, "输入错误");
    // A hole above the oversize one: M16 with d0 = 21 > 20.
    const PinnedJointResult wide = ComputePinnedJoint(
        Joint2017({.bp = 120, .hp = 190, .surface = 0, .clearance = 5, .sRow = 70}));
    EXPECT_FALSE(wide.report);
    ASSERT_EQ(wide.notices.size(), 1u);
    EXPECT_EQ(wide.notices[0].text, "螺栓孔径d0=21.00mm大于GB50017-2017表11.5.1的大圆孔孔径，请减小"
                                    "螺栓孔径与螺栓直径的差");
    // The spacing messages cite table 11.5.2.
    const PinnedJointResult tight = ComputePinnedJoint(Joint2017({.sRow = 50}));
    ASSERT_EQ(tight.notices.size(), 1u);
    EXPECT_EQ(tight.notices[0].text,
              "螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-2017表11.5.2规定");
    const std::pair<PinnedField, const char*> fields[] = {
        {PinnedField::RowPitch, "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓行距，参见"
                                "GB50017-2017表11.5.2规定"},
        {PinnedField::Diameter, "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓间距，参见"
                                "GB50017-2017表11.5.2规定"},
    };
    for (const auto& [field, text] : fields) {
        const auto check = CheckPinnedField(field, Joint2017({.rows = 4}));
        ASSERT_TRUE(check);
        EXPECT_EQ(check->notice.text, text);
    }
    const auto columns =
        CheckPinnedField(PinnedField::ColumnPitch, Joint2017({.bp = 130, .cols = 2, .sCol = 50}));
    ASSERT_TRUE(columns);
    EXPECT_EQ(columns->notice.text, "螺栓列距小于3倍螺栓孔径，请参见GB50017-2017表11.5.2规定");
    // The bolts' code GB50018-2002 keeps its bolts: μ 0.40 of 喷砂(丸) for M12, P 45.
    const PinnedJointResult cold = ComputePinnedJoint(Joint2017({.code = 1, .d = 12}));
    ASSERT_TRUE(cold.report);
    EXPECT_NE(cold.report->find("单面抗剪承载力 Nvb:16.20kN"), std::string::npos);
}

TEST(PinnedJoint2017Entry, FieldsSurfacesAndElectrodes) {
    const CliRun fields = Call({"pinned-joint", "--fields"});
    for (const char* line :
         {"  edition=2003  (2003|2017)  规范版本: 2003 (GB50017-2003) or 2017 (GB50017-2017)\n",
          "  electrode=  焊条 of the fillet welds, edition=2017: E43 (Q235), E50|E55 (Q345, Q390), "
          "E55|E60 (Q420); left out: the first\n",
          "  code=GB50017-2003  (GB50017-2003|GB50018-2002|GB50017-2017)  规范 of the bolts\n"}) {
        EXPECT_NE(fields.out.find(line), std::string::npos) << line;
    }
    // 喷砂(丸), the default, is read as 抛丸(喷砂) in 2017; the 2017 code name is taken.
    const CliRun byDefault = Call({"pinned-joint", "edition=2017"});
    EXPECT_EQ(byDefault.status, 0);
    EXPECT_EQ(byDefault.out, Call({"pinned-joint", "edition=2017", "code=GB50017-2017",
                                   "surface=抛丸(喷砂)", "electrode=E43"})
                                 .out);
    EXPECT_NE(byDefault.out.find("=0.9*1.00*1*0.40*80=28.80kN"), std::string::npos);
    EXPECT_EQ(Call({"pinned-joint", "edition=2003"}).out, Call({"pinned-joint"}).out);
    const std::pair<std::vector<std::string>, const char*> usage[] = {
        {{"code=GB50017-2017"}, "ferrolab-calc: code=GB50017-2017 needs edition=2017\n"},
        {{"electrode=E43"}, "ferrolab-calc: electrode needs edition=2017\n"},
        {{"edition=2017", "grade=Q345", "electrode=E43"},
         "ferrolab-calc: Q345 takes electrode E50|E55\n"},
        {{"edition=2017", "surface=喷砂(丸)后生赤锈"},
         "ferrolab-calc: grade, d and surface must be entries of the GB50017-2003 lists\n"},
        {{"surface=抛丸(喷砂)"},
         "ferrolab-calc: grade, d and surface must be entries of the GB50017-2003 lists\n"},
    };
    for (const auto& [args, err] : usage) {
        std::vector<std::string> call = {"pinned-joint"};
        call.insert(call.end(), args.begin(), args.end());
        const CliRun run = Call(call);
        EXPECT_EQ(run.status, cli::kExitUsage) << err;
        EXPECT_EQ(run.err, err);
    }
    EXPECT_NE(Call({"pinned-joint", "edition=2017", "--json"}).out.find("\"edition\": \"2017\""),
              std::string::npos);
}

} // namespace
