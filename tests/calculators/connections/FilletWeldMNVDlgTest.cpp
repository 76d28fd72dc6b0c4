#include <gtest/gtest.h>

#include <QGroupBox>

#include "calculators/connections/FilletWeldMNVDlg.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

using FilletWeldMNVDlgTest = DialogFixture<CFilletWeldMNVDlg>;

TEST_F(FilletWeldMNVDlgTest, OpensOnTheFirstPresetsAndComputesThem) {
    EXPECT_EQ(dlg.windowTitle(), "承受弯矩、轴力和剪力作用的角焊缝连接");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "dataGroup")->title(), "原始数据(mm)");
    const std::pair<const char*, const char*> opening[] = {
        {"b1", "100.00"}, {"t1", "16.00"}, {"h0", "1100.00"}, {"tw", "10.00"}, {"b2", "50.00"},
        {"t2", "10.00"},  {"hf", "6.00"},  {"F", "100.00"},   {"e", "200.00"}};
    for (const auto& [name, text] : opening) {
        EXPECT_EQ(Box(name)->currentText(), text) << name;
    }
    EXPECT_EQ(List("method")->currentText(), "E43**手工焊");
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(), ":/pictures/fillet_weld_mnv.svg");
    EXPECT_TRUE(Report().empty());
    // By hand: flanges 90 and 40 after the crater allowance, If = 1.2216e9, hc = 605.29,
    // σb = 2e7·(1100 + 10 − 605.29)/If = 8.26, τF = 1e5/(8.4·1100) = 10.82, combined 13.62.
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(
        Report().rfind("钢材为:Q235,查表，得角焊缝的抗拉、抗压、抗剪强度设计值为:160.00(N/mm2),"
                       "\r\n 角焊缝围成的图形对于其形心的惯性矩 If =1.22e+009mm4,\r\n",
                       0),
        0u);
    EXPECT_NE(Report().find("sqrt(8.26^2 + 10.82^2) = 13.62N/mm2 \r\n"), std::string::npos);
}

TEST_F(FilletWeldMNVDlgTest, TypedAndChosenValuesReachTheReport) {
    Choose(Box("b1"), 1); // 200.00
    Type(Box("b2"), "200");
    Choose(Box("t2"), 1); // 16.00
    Choose(Box("hf"), 2); // 8.00
    Choose(Box("F"), 2);  // 200.00
    Type(Box("e"), "400mm");
    Choose(List("grade"), 1);
    Compute();
    // The symmetric case worked by hand in the unit tests.
    const std::string report = Report();
    EXPECT_EQ(report.rfind("钢材为:Q345,", 0), 0u);
    EXPECT_NE(report.find("A点: σa= M*(h0+t1+t2-hc)/If = 8.00e+007*(1100.00+16.00+16.00-566.00/"
                          "2.50e+009) = 18.13N/mm2 \r\n"),
              std::string::npos);
    EXPECT_NE(report.find("      τF = F*1000/Afw =2.00e+005/(11.20*1100.00) =16.23N/mm2 \r\n"),
              std::string::npos);
    Compute();
    EXPECT_EQ(Report(), report);
    test::SaveScreenshot(&dlg, "fillet-weld-mnv-dialog");
}

TEST_F(FilletWeldMNVDlgTest, RefusedSizesKeepThePreviousReport) {
    Compute();
    const std::string good = Report();
    const struct {
        const char* box;
        const char* text;
        const char* message;
    } cases[] = {
        {"hf", "", "焊脚尺寸 hf 应为大于0的数"},
        {"b1", "abc", "上翼缘宽度 b1 应为大于0的数"},
        {"b2", "10", "下翼缘宽度 b2 应大于10mm（翼缘焊缝的计算长度为 b2-10）"},
    };
    for (const auto& c : cases) {
        const QString before = Box(c.box)->currentText();
        Type(Box(c.box), c.text);
        notices.clear();
        Compute();
        ASSERT_EQ(notices.notices().size(), 1u) << c.box;
        EXPECT_EQ(notices.notices()[0], (Notice{c.message, "输入错误", NoticeIcon::Error}));
        EXPECT_EQ(Report(), good) << c.box;
        Type(Box(c.box), before);
    }
    notices.clear();
    Compute();
    EXPECT_TRUE(notices.notices().empty());
}

} // namespace
