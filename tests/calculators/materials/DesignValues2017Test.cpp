// "设计指标" under GB50017-2017: the lists of the GB50017 mode and the three boxes, checked against
// tables 4.4.1, 4.4.2, 4.4.5 and 4.4.6.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculators/materials/DesignValues.h"

namespace ferrolab {
namespace {

using Texts = std::vector<std::string>;

TEST(DesignValues2017, Lists) {
    EXPECT_EQ(GradeEntries2017(), (Texts{"Q235", "Q345", "Q390", "Q420", "Q460", "Q345GJ"}));
    EXPECT_EQ(ThicknessEntries2017("Q235"), (Texts{"<=16", ">16-40", ">40-100"}));
    EXPECT_EQ(ThicknessEntries2017("Q345"),
              (Texts{"<=16", ">16-40", ">40-63", ">63-80", ">80-100"}));
    EXPECT_EQ(ThicknessEntries2017("Q460"), (Texts{"<=16", ">16-40", ">40-63", ">63-100"}));
    // Q345GJ: the steel bands 16-50-100 of table 4.4.2 and the weld bands 16-35-50-100 of table
    // 4.4.5 together.
    EXPECT_EQ(ThicknessEntries2017("Q345GJ"), (Texts{">16-35", ">35-50", ">50-100"}));
    EXPECT_EQ(ElectrodeEntries2017("Q235"), (Texts{"E43"}));
    EXPECT_EQ(ElectrodeEntries2017("Q390"), (Texts{"E50", "E55"}));
    EXPECT_EQ(ElectrodeEntries2017("Q460"), (Texts{"E55", "E60"}));
    EXPECT_TRUE(ThicknessEntries2017("Q500").empty());
}

// One line of a box: "\r\n " + name + value + " N/mm2".
bool Has(const std::string& box, const std::string& line) {
    return box.find("\r\n " + line + " N/mm2") != std::string::npos;
}

// Every Q345 band by table 4.4.1: f, fv, fy (fce 400 and fu 470 throughout), and the welds of
// table 4.4.5 with E50 (ftw of quality grade 3 and fvw by band; ffw 200, fuw 480, fuf 280).
TEST(DesignValues2017, Q345InEachBand) {
    const struct {
        const char* f;
        const char* fv;
        const char* fy;
        const char* ftw3;
    } bands[] = {{"305.00", "175.00", "345.00", "260.00"},
                 {"295.00", "170.00", "335.00", "250.00"},
                 {"290.00", "165.00", "325.00", "245.00"},
                 {"280.00", "160.00", "315.00", "240.00"},
                 {"270.00", "155.00", "305.00", "230.00"}};
    for (int band = 0; band < 5; ++band) {
        const auto& b = bands[band];
        const auto texts = Texts2017("Q345", band, 0);
        ASSERT_TRUE(texts) << band;
        EXPECT_EQ(texts->steel.rfind("根据GB50017-2017 表4.4.1\r\n", 0), 0u);
        EXPECT_TRUE(Has(texts->steel, std::string("抗拉、抗压、抗弯 f: ") + b.f)) << band;
        EXPECT_TRUE(Has(texts->steel, std::string("抗剪 fv: ") + b.fv)) << band;
        EXPECT_TRUE(Has(texts->steel, "端面承压（刨平顶紧） fce: 400.00")) << band;
        EXPECT_TRUE(Has(texts->steel, std::string("屈服强度 fy: ") + b.fy)) << band;
        EXPECT_TRUE(Has(texts->steel, "抗拉强度 fu: 470.00")) << band;
        EXPECT_TRUE(Has(texts->weld, std::string("对接焊缝抗压 fcw: ") + b.f)) << band;
        EXPECT_TRUE(Has(texts->weld, std::string("三级焊缝质量对接焊缝抗拉 ftw: ") + b.ftw3));
        EXPECT_TRUE(Has(texts->weld, std::string("对接焊缝抗剪 fvw: ") + b.fv)) << band;
        EXPECT_TRUE(Has(texts->weld, "角焊缝抗压、抗拉、抗剪 ffw: 200.00")) << band;
    }
    EXPECT_FALSE(Texts2017("Q345", 5, 0));
    EXPECT_FALSE(Texts2017("Q345", 0, 2));
}

// The full boxes of Q235 up to 16 mm, and the rows new in 2017: Q460 and Q345GJ bearing, the
// Q390 anchor, no anchor for Q420.
TEST(DesignValues2017, TheBoxesOfQ235AndTheNewRows) {
    const auto q235 = Texts2017("Q235", 0, 0);
    ASSERT_TRUE(q235);
    EXPECT_EQ(q235->steel, "根据GB50017-2017 表4.4.1\r\n"
                           " 抗拉、抗压、抗弯 f: 215.00 N/mm2,\r\n"
                           " 抗剪 fv: 125.00 N/mm2,\r\n"
                           " 端面承压（刨平顶紧） fce: 320.00 N/mm2,\r\n"
                           " 屈服强度 fy: 235.00 N/mm2,\r\n"
                           " 抗拉强度 fu: 370.00 N/mm2");
    EXPECT_EQ(q235->weld, "根据GB50017-2017 表4.4.5，E43型焊条\r\n"
                          " 对接焊缝抗压 fcw: 215.00 N/mm2\r\n"
                          " 一、二级焊缝质量对接焊缝抗拉 ftw: 215.00 N/mm2\r\n"
                          " 三级焊缝质量对接焊缝抗拉 ftw: 185.00 N/mm2\r\n"
                          " 对接焊缝抗剪 fvw: 125.00 N/mm2\r\n"
                          " 角焊缝抗压、抗拉、抗剪 ffw: 160.00 N/mm2\r\n"
                          " 对接焊缝抗拉强度 fuw: 415.00 N/mm2\r\n"
                          " 角焊缝抗拉、抗压、抗剪强度 fuf: 240.00 N/mm2");
    EXPECT_EQ(q235->bolts,
              "根据GB50017-2017 表4.4.6\r\n"
              " 普通螺栓C级(4.6级、4.8级): 抗拉 ftb 170.00, 抗剪 fvb 140.00 N/mm2\r\n"
              " 普通螺栓A级、B级(5.6级): 抗拉 ftb 210.00, 抗剪 fvb 190.00 N/mm2\r\n"
              " 普通螺栓A级、B级(8.8级): 抗拉 ftb 400.00, 抗剪 fvb 320.00 N/mm2\r\n"
              " 承压型高强度螺栓(8.8级): 抗拉 ftb 400.00, 抗剪 fvb 250.00 N/mm2\r\n"
              " 承压型高强度螺栓(10.9级): 抗拉 ftb 500.00, 抗剪 fvb 310.00 N/mm2\r\n"
              " Q235构件承压 fcb: C级螺栓 305.00, A级、B级螺栓 405.00, 承压型高强度螺栓 470.00 "
              "N/mm2\r\n"
              " Q235锚栓抗拉 fta: 140.00 N/mm2");
    const struct {
        const char* grade;
        const char* bearing;
        const char* anchor;
    } rows[] = {
        {"Q460", "Q460构件承压 fcb: C级螺栓 450.00, A级、B级螺栓 595.00, 承压型高强度螺栓 695.00",
         "\r\n 锚栓: 表中未列Q460钢锚栓"},
        {"Q345GJ",
         "Q345GJ构件承压 fcb: C级螺栓 400.00, A级、B级螺栓 530.00, 承压型高强度螺栓 615.00",
         "\r\n 锚栓: 表中未列Q345GJ钢锚栓"},
        {"Q390", "Q390构件承压 fcb: C级螺栓 400.00, A级、B级螺栓 530.00, 承压型高强度螺栓 615.00",
         "\r\n Q390锚栓抗拉 fta: 185.00 N/mm2"},
        {"Q420", "Q420构件承压 fcb: C级螺栓 425.00, A级、B级螺栓 560.00, 承压型高强度螺栓 655.00",
         "\r\n 锚栓: 表中未列Q420钢锚栓"},
    };
    for (const auto& row : rows) {
        const auto texts = Texts2017(row.grade, 1, 0);
        ASSERT_TRUE(texts) << row.grade;
        EXPECT_TRUE(Has(texts->bolts, row.bearing)) << row.grade;
        const std::string anchor = row.anchor;
        EXPECT_EQ(texts->bolts.substr(texts->bolts.size() - anchor.size()), anchor) << row.grade;
    }
}

// Q345GJ: steel of table 4.4.2 (325 up to 50 mm, 300 above), welds of table 4.4.5 in their own
// bands (310 up to 35 mm, 290 to 50, 285 above), each as printed.
TEST(DesignValues2017, Q345GJTakesBothTablesAsPrinted) {
    const struct {
        const char* f;
        const char* fy;
        const char* fcw;
    } bands[] = {{"325.00", "345.00", "310.00"},
                 {"325.00", "345.00", "290.00"},
                 {"300.00", "335.00", "285.00"}};
    for (int band = 0; band < 3; ++band) {
        const auto texts = Texts2017("Q345GJ", band, 1);
        ASSERT_TRUE(texts) << band;
        EXPECT_EQ(texts->steel.rfind("根据GB50017-2017 表4.4.2\r\n", 0), 0u);
        EXPECT_TRUE(Has(texts->steel, std::string("抗拉、抗压、抗弯 f: ") + bands[band].f));
        EXPECT_TRUE(Has(texts->steel, std::string("屈服强度 fy: ") + bands[band].fy));
        EXPECT_TRUE(Has(texts->weld, std::string("对接焊缝抗压 fcw: ") + bands[band].fcw));
        EXPECT_EQ(texts->weld.rfind("根据GB50017-2017 表4.4.5，E55型焊条\r\n", 0), 0u);
        EXPECT_TRUE(Has(texts->weld, "对接焊缝抗拉强度 fuw: 540.00"));
    }
}

TEST(DesignValues2017, TheViewOfTheGB50017Mode) {
    DesignValuesInput in;
    in.edition = kSteel2017;
    in.code = kDesignCodeGB50017;
    in.gradeEntry = "Q390";
    in.band = 2;
    in.electrode = 1;
    const auto view = ComputeDesignValues(in);
    ASSERT_TRUE(view);
    const std::string text = FormatDesignValues(*view);
    EXPECT_EQ(text.rfind("规范版本: GB50017-2017\r\n规范: GB50017 普通钢结构规范\r\n钢号: Q390\r\n"
                         "钢材厚度: >40-63 mm\r\n焊条型号: E55\r\n[钢材强度设计值]\r\n",
                         0),
              0u);
    EXPECT_NE(text.find("\r\n 角焊缝抗压、抗拉、抗剪 ffw: 220.00 N/mm2\r\n"), std::string::npos);
    EXPECT_NE(text.find("[螺栓连接的强度设计值(N/mm2)]\r\n根据GB50017-2017 表4.4.6\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("Nvs"), std::string::npos);
    // The cold-formed code has no 2017 edition: its boxes are those of 2003 under the edition.
    DesignValuesInput cold;
    cold.edition = kSteel2017;
    const auto coldView = ComputeDesignValues(cold);
    ASSERT_TRUE(coldView);
    EXPECT_EQ(FormatDesignValues(*coldView),
              "规范版本: GB50017-2017\r\n" + FormatDesignValues(*ComputeDesignValues({})));
    in.gradeEntry = "Q500";
    EXPECT_FALSE(ComputeDesignValues(in));
}

} // namespace
} // namespace ferrolab
