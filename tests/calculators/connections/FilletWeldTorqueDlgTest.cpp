#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>

#include "calculators/connections/FilletWeldTorqueDlg.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class FilletWeldTorqueDlgTest : public DialogFixture<CFilletWeldTorqueDlg> {
protected:
    QString Shown(const char* name) { return Child<QLineEdit>(&dlg, name)->text(); }
};

TEST_F(FilletWeldTorqueDlgTest, OpensOnTheFirstPresetsAndComputeFillsXAndT) {
    EXPECT_EQ(dlg.windowTitle(), "承受扭矩和剪力共同作用的角焊缝");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "sizeGroup")->title(), "基本尺寸(mm)");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "forceGroup")->title(), "外力");
    const std::pair<const char*, const char*> opening[] = {
        {"b", "150.00"}, {"h", "320.00"},  {"e", "280.00"}, {"hf", "6.00"},
        {"Fx", "0.00"},  {"Fy", "340.00"}, {"beta", "1.0"}};
    for (const auto& [name, text] : opening) {
        EXPECT_EQ(Box(name)->currentText(), text) << name;
    }
    EXPECT_TRUE(Child<QLineEdit>(&dlg, "x")->isReadOnly());
    EXPECT_TRUE(Shown("T").isEmpty());
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(),
              ":/pictures/fillet_weld_torque.svg");
    // By hand (see the unit tests): x 32.88 mm, T 135.02 kN*m, τA 620.53 N/mm2.
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Shown("x"), "32.88");
    EXPECT_EQ(Shown("T"), "135.02");
    EXPECT_NE(Report().find(") =620.53N/mm2 \r\n"), std::string::npos);
    test::SaveScreenshot(&dlg, "fillet-weld-torque-dialog");
}

TEST_F(FilletWeldTorqueDlgTest, BetaOutsideItsRangeIsRefusedAndNothingChanges) {
    Compute();
    const std::string good = Report();
    for (const char* beta : {"1.23", "0.99", ""}) {
        Type(Box("beta"), beta);
        Type(Box("Fy"), "500");
        notices.clear();
        Compute();
        ASSERT_EQ(notices.notices().size(), 1u) << beta;
        EXPECT_EQ(notices.notices()[0],
                  (Notice{"老哥，不要乱填数,β在1~1.22之间", "输入错误", NoticeIcon::Error}));
        EXPECT_EQ(Report(), good);
        EXPECT_EQ(Shown("T"), "135.02");
    }
    // β 1.22 chosen from the list and Fy 500 typed: T = (280 + 150 − 32.88)·500 = 198.56 kN*m.
    Choose(Box("beta"), 2);
    notices.clear();
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Shown("T"), "198.56");
    EXPECT_NE(Report(), good);
}

TEST_F(FilletWeldTorqueDlgTest, RefusedSizesKeepTheBoxesAndTheReport) {
    Compute();
    const std::string good = Report();
    Type(Box("hf"), "");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], (Notice{"hf 应为大于0的数", "输入错误", NoticeIcon::Error}));
    EXPECT_EQ(Report(), good);
    EXPECT_EQ(Shown("x"), "32.88");
    Choose(Box("hf"), 4); // 10.00
    Type(Box("Fx"), "-5");
    Compute();
    ASSERT_EQ(notices.notices().size(), 2u);
    EXPECT_EQ(notices.notices()[1].text, "e、Fx 和 Fy 按图示方向输入，不能为负数");
    EXPECT_EQ(Report(), good);
}

} // namespace
