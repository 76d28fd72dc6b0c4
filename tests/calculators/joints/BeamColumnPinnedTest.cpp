#include <gtest/gtest.h>

#include <string>

#include "calculators/joints/BeamColumnPinned.h"
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

} // namespace
