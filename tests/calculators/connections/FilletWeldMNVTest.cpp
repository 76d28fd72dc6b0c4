#include <gtest/gtest.h>

#include <cmath>

#include "calculators/connections/FilletWeldMNV.h"

using namespace ferrolab;

namespace {

// Doubly symmetric section: b1 = b2 = 200, t1 = t2 = 16, h0 = 1100, tw = 10, hf = 8, F = 200 kN,
// e = 400 mm, Q345. Worked by hand: flanges 190 wide after the crater allowance, a = 11.2,
// I0 and I1 of the two three-plate sections give If = 2.4968e9 mm4, hc = 16 + 1100/2 = 566,
// σa = 8e7·(1100 + 16 + 16 − 566)/If = 18.13, σb = 8e7·550/If = 17.62,
// τF = 2e5/(11.2·1100) = 16.23, sqrt(17.62² + 16.23²) = 23.96; ffw = 200.
FilletWeldMnvInput Symmetric() {
    FilletWeldMnvInput in;
    in.b1 = 200;
    in.t1 = 16;
    in.h0 = 1100;
    in.tw = 10;
    in.b2 = 200;
    in.t2 = 16;
    in.hf = 8;
    in.f = 200;
    in.e = 400;
    in.grade = "Q345";
    return in;
}

TEST(FilletWeldMnv, ReportOfASymmetricSection) {
    const FilletWeldMnvResult r = ComputeFilletWeldMnv(Symmetric());
    ASSERT_TRUE(r.report);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_EQ(*r.report,
              "钢材为:Q345,查表，得角焊缝的抗拉、抗压、抗剪强度设计值为:200.00(N/mm2),\r\n"
              " 角焊缝围成的图形对于其形心的惯性矩 If =2.50e+009mm4,\r\n"
              "              \r\n"
              "A点: σa= M*(h0+t1+t2-hc)/If = 8.00e+007*(1100.00+16.00+16.00-566.00/2.50e+009) "
              "= 18.13N/mm2 \r\n"
              "              \r\n"
              "B点: σb= M*(h0+t2-hc)/If = 8.00e+007*(1100.00+16.00-566.00/2.50e+009) = "
              "17.62N/mm2 \r\n"
              "      τF = F*1000/Afw =2.00e+005/(11.20*1100.00) =16.23N/mm2 \r\n"
              "所以，B点处的折算应力为 sqrt(σb^2 + τF^2) =sqrt(17.62^2 + 16.23^2) = 23.96N/mm2 \r\n"
              "             \r\n");
    // Symmetric section: the centroid at mid-height, σb = M·h0/(2·If).
    EXPECT_DOUBLE_EQ(r.hc, 16 + 550);
    EXPECT_NEAR(r.sigmaB, r.m * 1100 / (2 * r.iF), 1e-9);
    EXPECT_NEAR(r.iF, 2496842626.01, 0.1);
}

TEST(FilletWeldMnv, FilletWeldStrengthOfEachGrade) {
    const std::pair<const char*, double> grades[] = {
        {"Q235", 160}, {"Q345", 200}, {"Q390", 220}, {"Q420", 220}};
    for (const auto& [grade, ffw] : grades) {
        FilletWeldMnvInput in = Symmetric();
        in.grade = grade;
        const FilletWeldMnvResult r = ComputeFilletWeldMnv(in);
        EXPECT_EQ(r.ffw, ffw) << grade;
        ASSERT_TRUE(r.report);
        EXPECT_EQ(r.report->rfind(std::string("钢材为:") + grade + ",", 0), 0u);
    }
}

TEST(FilletWeldMnv, WarningsAreIndependentAndAComesFirst) {
    const std::string warnA =
        "A点处焊缝应力大于角焊缝的抗拉抗压强度设计值，请加大焊脚尺寸后重新计算\r\n";
    const std::string warnB =
        "B点处焊缝折算应力大于角焊缝的抗拉抗压强度设计值，请加大焊脚尺寸后重新计算\r\n";
    // Symmetric 200/16 section with hf 6, Q235 (ffw 160), e = 600. By hand:
    // F 800: σa 144.55, σB 165.00 (B only); F 1000: σa 180.69, σB 206.25 (both).
    const struct {
        double f;
        std::string tail;
    } cases[] = {{200, "             \r\n"},
                 {800, "             \r\n" + warnB},
                 {1000, "             \r\n" + warnA + warnB}};
    for (const auto& c : cases) {
        FilletWeldMnvInput in = Symmetric();
        in.hf = 6;
        in.e = 600;
        in.f = c.f;
        in.grade = "Q235";
        const FilletWeldMnvResult r = ComputeFilletWeldMnv(in);
        ASSERT_TRUE(r.report);
        EXPECT_EQ(r.report->substr(r.report->size() - c.tail.size()), c.tail) << c.f;
        EXPECT_EQ(r.report->find(warnA) != std::string::npos, c.f == 1000) << c.f;
    }
}

TEST(FilletWeldMnv, SizesThatLeaveNoWeldGroupAreRefused) {
    const struct {
        double FilletWeldMnvInput::*field;
        double value;
        const char* message;
    } cases[] = {
        {&FilletWeldMnvInput::b1, 0, "上翼缘宽度 b1 应为大于0的数"},
        {&FilletWeldMnvInput::h0, 0, "腹板净高度 h0 应为大于0的数"},
        {&FilletWeldMnvInput::hf, 0, "焊脚尺寸 hf 应为大于0的数"},
        {&FilletWeldMnvInput::b2, 8, "下翼缘宽度 b2 应大于10mm（翼缘焊缝的计算长度为 b2-10）"},
        {&FilletWeldMnvInput::h0, 11.2, "腹板净高度 h0 应大于 1.4hf（两条腹板焊缝的有效厚度之和）"},
        {&FilletWeldMnvInput::e, -200, "F 和 e 按图示方向输入，不能为负数"},
        {&FilletWeldMnvInput::f, 1e306, "输入的数值过大"},
    };
    for (const auto& c : cases) {
        FilletWeldMnvInput in = Symmetric();
        in.*c.field = c.value;
        const FilletWeldMnvResult r = ComputeFilletWeldMnv(in);
        EXPECT_FALSE(r.report) << c.message;
        ASSERT_EQ(r.notices.size(), 1u) << c.message;
        EXPECT_EQ(r.notices[0], InputError(c.message));
    }
    // No load is a sound case: zero stresses, no warning.
    FilletWeldMnvInput unloaded = Symmetric();
    unloaded.f = 0;
    const FilletWeldMnvResult r = ComputeFilletWeldMnv(unloaded);
    ASSERT_TRUE(r.report);
    EXPECT_NE(r.report->find("= 0.00N/mm2 \r\n"), std::string::npos);
}

} // namespace

namespace {

// GB50017-2017: ffw of table 4.4.5 by grade and electrode, the grade's usual electrode when none
// is named; the stresses are those of the symmetric case worked above.
TEST(FilletWeldMnv2017, FilletWeldStrengthByGradeAndElectrode) {
    const struct {
        const char* grade;
        const char* electrode;
        const char* shown;
        double ffw;
    } cases[] = {
        {"Q235", "", "E43", 160},
        {"Q235", "E43", "E43", 160},
        {"Q345", "", "E50", 200},
        {"Q345", "E55", "E55", 200},
        {"Q390", "", "E50", 200},
        {"Q390", "E55", "E55", 220},
        {"Q420", "", "E55", 220},
        {"Q420", "E60", "E60", 240},
        // Offered only to 2017: Q460 takes E55 or E60, Q345GJ E50 or E55 (table 4.4.5).
        {"Q460", "", "E55", 220},
        {"Q460", "E60", "E60", 240},
        {"Q345GJ", "", "E50", 200},
        {"Q345GJ", "E55", "E55", 200},
    };
    for (const auto& c : cases) {
        FilletWeldMnvInput in = Symmetric();
        in.edition = kSteel2017;
        in.grade = c.grade;
        in.electrode = c.electrode;
        const FilletWeldMnvResult r = ComputeFilletWeldMnv(in);
        ASSERT_TRUE(r.report) << c.grade << c.electrode;
        EXPECT_EQ(r.ffw, c.ffw) << c.grade << c.electrode;
        EXPECT_EQ(r.electrode, c.shown);
        const std::string first = std::string("钢材为:") + c.grade + ",焊条为" + c.shown +
                                  "型,查GB50017-2017表4.4.5，得角焊缝的抗拉、抗压、抗剪强度设计值"
                                  "为:" +
                                  (c.ffw == 160   ? "160.00"
                                   : c.ffw == 200 ? "200.00"
                                   : c.ffw == 220 ? "220.00"
                                                  : "240.00") +
                                  "(N/mm2),\r\n";
        EXPECT_EQ(r.report->substr(0, first.size()), first);
        EXPECT_NEAR(r.sigmaA, 18.13, 0.005);
        EXPECT_NEAR(r.combinedB, 23.96, 0.005);
    }
}

// Past the first line the 2017 report is the 2003 one: the stresses do not depend on the edition,
// and no line of it names a clause of either edition.
TEST(FilletWeldMnv2017, OnlyTheStrengthLineDiffersFromGB50017_2003) {
    FilletWeldMnvInput in = Symmetric();
    const FilletWeldMnvResult old = ComputeFilletWeldMnv(in);
    in.edition = kSteel2017;
    const FilletWeldMnvResult now = ComputeFilletWeldMnv(in);
    ASSERT_TRUE(old.report && now.report);
    EXPECT_EQ(now.report->substr(now.report->find("\r\n")),
              old.report->substr(old.report->find("\r\n")));
    EXPECT_EQ(now.checks, old.checks);
}

TEST(FilletWeldMnv2017, ElectrodeTheTableDoesNotMatchIsRefused) {
    const struct {
        const char* grade;
        const char* electrode;
        const char* message;
    } cases[] = {
        {"Q420", "E50", "Q420钢的焊条应为 E55、E60（GB50017-2017表4.4.5）"},
        {"Q235", "E55", "Q235钢的焊条应为 E43（GB50017-2017表4.4.5）"},
        {"Q460", "E50", "Q460钢的焊条应为 E55、E60（GB50017-2017表4.4.5）"},
        {"Q345GJ", "E60", "Q345GJ钢的焊条应为 E50、E55（GB50017-2017表4.4.5）"},
        {"Q275", "", "钢号应为 Q235、Q345、Q390、Q420、Q460 或 Q345GJ"},
    };
    for (const auto& c : cases) {
        FilletWeldMnvInput in = Symmetric();
        in.edition = kSteel2017;
        in.grade = c.grade;
        in.electrode = c.electrode;
        const FilletWeldMnvResult r = ComputeFilletWeldMnv(in);
        EXPECT_FALSE(r.report);
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_EQ(r.notices[0], InputError(c.message));
    }
    // GB50017-2003 reads no electrode.
    FilletWeldMnvInput in = Symmetric();
    in.electrode = "E60";
    EXPECT_TRUE(ComputeFilletWeldMnv(in).report);
}

} // namespace
