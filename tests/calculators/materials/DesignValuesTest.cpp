#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculators/materials/DesignValues.h"
#include "tests/calculators/materials/DesignValuesTexts.h"

namespace ferrolab {
namespace {

using Texts = std::vector<std::string>;
using namespace test;

TEST(DesignValues, Lists) {
    EXPECT_EQ(DesignCodeEntries(),
              (Texts{"GB50018-2002 冷弯薄壁型钢结构技术规范", "GB50017 普通钢结构规范"}));
    EXPECT_EQ(GradeEntries(kDesignCodeColdFormed), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(GradeEntries(kDesignCodeGB50017), (Texts{"Q235", "Q345", "Q390", "Q420"}));
    EXPECT_TRUE(GradeEntries(2).empty());
    EXPECT_TRUE(GradeEntries(-1).empty());
    EXPECT_EQ(ThicknessEntries(kQ235), (Texts{"<=16", ">16-40", ">40-60", ">60-100"}));
    EXPECT_EQ(ThicknessEntries(kQ420), (Texts{"<=16", ">16-35", ">35-50", ">50-100"}));
    EXPECT_EQ(SpotWeldPlateEntries(),
              (Texts{"0.4", "0.6", "0.8", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5"}));
}

TEST(DesignValues, GradeOfEntry) {
    EXPECT_EQ(GradeOfEntry("Q235"), 235);
    EXPECT_EQ(GradeOfEntry("Q420"), 420);
    for (const char* bad : {"", "Q", "235", "q235", "Q23a", "Q 235", "Q99999999999"}) {
        EXPECT_EQ(GradeOfEntry(bad), 0) << bad;
    }
}

TEST(DesignValues, RepresentativeThicknessLiesInItsBandForEveryGrade) {
    const double expected[] = {10, 18, 42, 70};
    for (int band = 0; band < 4; ++band) {
        EXPECT_EQ(RepresentativeThickness(band), expected[band]);
        for (SteelGrade grade : {kQ235, kQ345, kQ390, kQ420}) {
            EXPECT_EQ(GetThicknessBand(grade, RepresentativeThickness(band)), band + 1)
                << grade << " band " << band;
        }
    }
    EXPECT_EQ(RepresentativeThickness(-1), 0);
    EXPECT_EQ(RepresentativeThickness(4), 0);
}

TEST(DesignValues, CodePickTexts) {
    const StrengthTexts cold = TextsOnCodeChange(kDesignCodeColdFormed);
    EXPECT_EQ(cold.steel, kColdFormedSteel);
    EXPECT_EQ(cold.weld, kColdFormedWeld);
    const StrengthTexts gb = TextsOnCodeChange(kDesignCodeGB50017);
    EXPECT_EQ(gb.steel, kGB50017Steel);
    EXPECT_EQ(gb.weld, kGB50017Weld);
    EXPECT_TRUE(TextsOnCodeChange(2).steel.empty());
    EXPECT_TRUE(TextsOnCodeChange(-1).weld.empty());
}

TEST(DesignValues, GradePickTextsColdFormed) {
    const StrengthTexts q345 = TextsOnGradeChange(kDesignCodeColdFormed, kQ345);
    EXPECT_EQ(q345.steel, " 抗拉、抗压、抗弯:300.00N/mm2"
                          "\r\n \t \t 抗剪:175.00N/mm2"
                          "\r\n 端面承压（磨平顶紧）:400.00 N/mm2");
    EXPECT_EQ(q345.weld, " 对接焊缝抗压 fcw:300.00 N/mm2"
                         "\r\n 对接焊缝抗拉 ftw: 255.00 N/mm2"
                         "\r\n 对接焊缝抗剪 fvw: 175.00 N/mm2"
                         "\r\n 角焊缝抗压、抗拉、抗剪 ffw: 195.00 N/mm2");
    const StrengthTexts q235 = TextsOnGradeChange(kDesignCodeColdFormed, kQ235);
    EXPECT_EQ(q235.steel, " 抗拉、抗压、抗弯:205.00N/mm2"
                          "\r\n \t \t 抗剪:120.00N/mm2"
                          "\r\n 端面承压（磨平顶紧）:310.00 N/mm2");
    EXPECT_EQ(q235.weld, " 对接焊缝抗压 fcw:205.00 N/mm2"
                         "\r\n 对接焊缝抗拉 ftw: 175.00 N/mm2"
                         "\r\n 对接焊缝抗剪 fvw: 120.00 N/mm2"
                         "\r\n 角焊缝抗压、抗拉、抗剪 ffw: 140.00 N/mm2");
    // The cold-formed list has no Q390.
    EXPECT_TRUE(TextsOnGradeChange(kDesignCodeColdFormed, kQ390).steel.empty());
}

TEST(DesignValues, GradePickTextsGB50017TakeTenMillimetres) {
    const StrengthTexts q390 = TextsOnGradeChange(kDesignCodeGB50017, kQ390);
    EXPECT_EQ(q390.steel, " 抗拉、抗压、抗弯:350.00N/mm2"
                          "\r\n \t \t 抗剪:205.00N/mm2"
                          "\r\n 端面承压（磨平顶紧）:415.00 N/mm2");
    EXPECT_EQ(q390.weld, "对接焊缝抗压 fcw:350.00 N/mm2"
                         "\r\n一、二级焊缝质量对接焊缝抗拉 ftw: 350.00 N/mm2"
                         "\r\n三级焊缝质量对接焊缝抗拉 ftw: 300.00 N/mm2"
                         "\r\n对接焊缝抗剪 fvw: 205.00 N/mm2"
                         "\r\n角焊缝抗压、抗拉、抗剪 ffw: 220.00 N/mm2");
    EXPECT_TRUE(TextsOnGradeChange(kDesignCodeGB50017, 300).weld.empty());
}

struct ThicknessCase {
    SteelGrade grade;
    int band;
    const char* f;
    const char* fv;
    const char* fce;
    const char* ftw3;
    const char* ffw;
};

class ThicknessPick : public ::testing::TestWithParam<ThicknessCase> {};

TEST_P(ThicknessPick, Texts) {
    const ThicknessCase& c = GetParam();
    const StrengthTexts texts = TextsOnThicknessChange(c.grade, c.band);
    EXPECT_EQ(texts.steel, std::string(" 抗拉、抗压、抗弯:") + c.f + "N/mm2," +
                               "\r\n \t         抗剪:" + c.fv + "N/mm2," +
                               "\r\n 端面承压（磨平顶紧）:" + c.fce + " N/mm2");
    EXPECT_EQ(texts.weld, std::string("对接焊缝抗压 fcw:") + c.f + " N/mm2" +
                              "\r\n一、二级焊缝质量对接焊缝抗拉 ftw: " + c.f + " N/mm2" +
                              "\r\n三级焊缝质量对接焊缝抗拉 ftw: " + c.ftw3 + " N/mm2" +
                              "\r\n对接焊缝抗剪 fvw: " + c.fv + " N/mm2" +
                              "\r\n角焊缝抗压、抗拉、抗剪 ffw: " + c.ffw + " N/mm2");
}

INSTANTIATE_TEST_SUITE_P(
    RepresentativeThicknesses, ThicknessPick,
    ::testing::Values(ThicknessCase{kQ235, 0, "215.00", "125.00", "325.00", "185.00", "160.00"},
                      ThicknessCase{kQ235, 1, "205.00", "120.00", "325.00", "175.00", "160.00"},
                      ThicknessCase{kQ235, 2, "200.00", "115.00", "325.00", "170.00", "160.00"},
                      ThicknessCase{kQ235, 3, "190.00", "110.00", "325.00", "160.00", "160.00"},
                      ThicknessCase{kQ345, 1, "295.00", "170.00", "400.00", "250.00", "200.00"},
                      ThicknessCase{kQ345, 2, "265.00", "155.00", "400.00", "225.00", "200.00"},
                      ThicknessCase{kQ390, 3, "295.00", "170.00", "415.00", "250.00", "220.00"},
                      ThicknessCase{kQ420, 2, "340.00", "195.00", "440.00", "290.00", "220.00"}));

TEST(DesignValues, ThicknessPickWithoutBandOrGrade) {
    EXPECT_TRUE(TextsOnThicknessChange(kQ235, 4).steel.empty());
    EXPECT_TRUE(TextsOnThicknessChange(kQ235, -1).weld.empty());
    EXPECT_TRUE(TextsOnThicknessChange(300, 0).steel.empty());
}

TEST(DesignValues, SpotWeldAndLimitBoxes) {
    const Texts nvs = {"0.60", "1.10", "1.70", "2.30", "4.00", "5.90", "8.00", "10.20", "12.60"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(SpotWeldText(i), nvs[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(SpotWeldText(9), "");
    EXPECT_EQ(SpotWeldText(-1), "");
    const Texts q235 = {"45.00", "60.00", "250.00", "100.00"};
    const Texts q345 = {"35.00", "50.00", "200.00", "68.00"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(PlateLimitText(kQ235, i), q235[static_cast<std::size_t>(i)]);
        EXPECT_EQ(PlateLimitText(kQ345, i), q345[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(PlateLimitText(kQ235, 4), "");
    EXPECT_EQ(PlateLimitText(kQ390, 0), "");
}

// --- The whole dialog after a sequence of picks ---------------------------------------------

TEST(ComputeDesignValues, DefaultsShowTheColdFormedHeadlines) {
    const auto view = ComputeDesignValues({});
    ASSERT_TRUE(view);
    EXPECT_EQ(view->codeEntry, "GB50018-2002 冷弯薄壁型钢结构技术规范");
    EXPECT_EQ(view->gradeEntry, "Q235");
    EXPECT_FALSE(view->bandEntry);
    EXPECT_EQ(view->strength.steel, kColdFormedSteel);
    EXPECT_EQ(view->strength.weld, kColdFormedWeld);
    EXPECT_EQ(view->spotWeldPlateEntry, "0.4");
    EXPECT_EQ(view->nvs, "0.60");
    EXPECT_EQ(view->plateCategoryEntry, "非加劲板件");
    EXPECT_EQ(view->limit, "45.00");
    EXPECT_EQ(FormatDesignValues(*view),
              std::string("规范: GB50018-2002 冷弯薄壁型钢结构技术规范\r\n"
                          "钢号: Q235\r\n"
                          "[钢材强度设计值]\r\n") +
                  kColdFormedSteel + "\r\n[焊缝强度设计值(N/mm2)]\r\n" + kColdFormedWeld +
                  "\r\n[电阻点焊的抗剪承载力设计值(GB50018-2002 "
                  "表4.2.6)]\r\n"
                  "相焊板件中外层较薄板件的厚度(mm): 0.4\r\n"
                  "每个焊点的抗剪承载力设计值Nvs(kN): 0.60\r\n"
                  "[受压板件最大宽厚比限值]\r\n"
                  "板件类别: 非加劲板件\r\n"
                  "限值: 45.00\r\n");
}

TEST(ComputeDesignValues, ColdFormedQ345) {
    DesignValuesInput in;
    in.grade = kQ345;
    in.spotWeldPlate = 7;
    in.plateCategory = 3;
    const auto view = ComputeDesignValues(in);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->strength.steel, TextsOnGradeChange(kDesignCodeColdFormed, kQ345).steel);
    EXPECT_EQ(view->strength.weld, TextsOnGradeChange(kDesignCodeColdFormed, kQ345).weld);
    EXPECT_EQ(view->nvs, "10.20");
    EXPECT_EQ(view->limit, "68.00");
}

TEST(ComputeDesignValues, GB50017HidesTheColdFormedBoxes) {
    DesignValuesInput in;
    in.code = kDesignCodeGB50017;
    auto view = ComputeDesignValues(in);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->bandEntry, "<=16");
    EXPECT_EQ(view->strength.steel, kGB50017Steel);
    EXPECT_EQ(view->strength.weld, kGB50017Weld);
    EXPECT_FALSE(view->nvs);
    EXPECT_FALSE(view->limit);
    EXPECT_EQ(FormatDesignValues(*view), std::string("规范: GB50017 普通钢结构规范\r\n"
                                                     "钢号: Q235\r\n"
                                                     "钢材厚度: <=16 mm\r\n"
                                                     "[钢材强度设计值]\r\n") +
                                             kGB50017Steel + "\r\n[焊缝强度设计值(N/mm2)]\r\n" +
                                             kGB50017Weld + "\r\n");

    in.grade = kQ420;
    view = ComputeDesignValues(in);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->strength.weld, TextsOnGradeChange(kDesignCodeGB50017, kQ420).weld);
    in.band = 3;
    view = ComputeDesignValues(in);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->bandEntry, ">50-100");
    EXPECT_EQ(view->strength.steel, TextsOnThicknessChange(kQ420, 3).steel);
    EXPECT_NE(view->strength.steel.find("325.00N/mm2,"), std::string::npos);
}

TEST(ComputeDesignValues, PicksThatAreNotOffered) {
    const DesignValuesInput bad[] = {
        {2, kQ235, 0, 0, 0},
        {-1, kQ235, 0, 0, 0},
        {kDesignCodeColdFormed, kQ390, 0, 0, 0},
        {kDesignCodeColdFormed, kQ235, 1, 0, 0}, // no thickness list in cold-formed mode
        {kDesignCodeGB50017, kQ235, 4, 0, 0},
        {kDesignCodeGB50017, 300, 0, 0, 0},
        {kDesignCodeColdFormed, kQ235, 0, 9, 0},
        {kDesignCodeColdFormed, kQ235, 0, -1, 0},
        {kDesignCodeColdFormed, kQ235, 0, 0, 4},
        {kDesignCodeColdFormed, kQ235, 0, 0, -1},
    };
    for (const DesignValuesInput& in : bad) {
        EXPECT_FALSE(ComputeDesignValues(in)) << in.code << ' ' << in.grade << ' ' << in.band << ' '
                                              << in.spotWeldPlate << ' ' << in.plateCategory;
    }
}

} // namespace
} // namespace ferrolab
