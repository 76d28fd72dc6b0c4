#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "calculators/properties/ColdFormedSectionDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class ColdFormedSectionDlgTest : public DialogFixture<CColdFormedSectionDlg> {
protected:
    ChoiceList* Family() { return List("family"); }
    QString Picture() { return Child<CBitmapPreview>(&dlg, "preview")->picture(); }
    bool LipEnabled() {
        return Box("a")->isEnabled() && Child<QLabel>(&dlg, "aLabel")->isEnabled() &&
               Child<QLabel>(&dlg, "aUnit")->isEnabled();
    }
    bool LipDisabled() {
        return !Box("a")->isEnabled() && !Child<QLabel>(&dlg, "aLabel")->isEnabled() &&
               !Child<QLabel>(&dlg, "aUnit")->isEnabled();
    }
};

TEST_F(ColdFormedSectionDlgTest, OpensOnThePlainChannel) {
    EXPECT_EQ(dlg.windowTitle(), "冷弯薄壁槽钢、Z形钢截面参数(按近似计算公式)");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "dataGroup")->title(), "原始数据（需按中心线输入）");
    EXPECT_EQ(Family()->currentText(), "薄壁槽钢");
    ASSERT_EQ(Family()->count(), 6);
    EXPECT_EQ(Family()->itemText(5), "斜卷边Z形钢");
    EXPECT_EQ(Box("a")->currentText(), "0.00");
    EXPECT_EQ(Box("h")->currentText(), "60.00");
    EXPECT_EQ(Box("b")->currentText(), "30.00");
    EXPECT_EQ(Box("t")->currentText(), "2.5");
    EXPECT_EQ(dlg.t(), 2.5);
    EXPECT_TRUE(LipDisabled());
    EXPECT_EQ(Picture(), ":/pictures/coldformed_channel.svg");
    Compute();
    EXPECT_NE(Report().find("\r\n 截面积:3.000cm2 \t z0:0.750cm \r\n Ix:18.000cm4 \t\t Iy:2.812cm4 "
                            "\r\n It:0.062cm4 "),
              std::string::npos);
}

TEST_F(ColdFormedSectionDlgTest, FamilySwitchSetsPictureAndLip) {
    const char* const pictures[] = {
        "coldformed_channel", "coldformed_channel_outer_lips", "coldformed_channel_inner_lips",
        "coldformed_z",       "coldformed_lipped_z",           "coldformed_sloped_lip_z"};
    for (int i = 0; i < 6; ++i) {
        Choose(Family(), i);
        EXPECT_EQ(Picture(), QStringLiteral(":/pictures/%1.svg").arg(pictures[i]));
        EXPECT_EQ(LipEnabled(), i == 1 || i == 2 || i == 4 || i == 5) << i;
        EXPECT_EQ(LipDisabled(), i == 0 || i == 3) << i;
    }
    // A lip survives between lipped families, is reset by a plain one and stays 0 afterwards.
    Choose(Family(), 4);
    Choose(Box("a"), 2);
    EXPECT_EQ(dlg.a(), 20);
    Choose(Family(), 5);
    EXPECT_EQ(dlg.a(), 20);
    EXPECT_EQ(Box("a")->currentText(), "20.00");
    Choose(Family(), 3);
    EXPECT_EQ(dlg.a(), 0);
    EXPECT_EQ(Box("a")->currentText(), "0.00");
    Choose(Family(), 4);
    EXPECT_EQ(dlg.a(), 0);
    Type(Box("a"), "25");
    EXPECT_EQ(dlg.a(), 25);
}

TEST_F(ColdFormedSectionDlgTest, TypedThickWallWarnsAndStays) {
    Type(Box("t"), "6");
    EXPECT_TRUE(notices.notices().empty());
    Type(Box("t"), "6.5");
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0],
              (Notice{"GB50018-2002建议壁厚不宜大于6mm", "注意", NoticeIcon::Warning}));
    EXPECT_EQ(dlg.t(), 6.5);
    Choose(Box("t"), 2);
    EXPECT_EQ(notices.notices().size(), 1u);
}

TEST_F(ColdFormedSectionDlgTest, ComputedReportEqualsTheRunnerAndRefusalKeepsIt) {
    Choose(Family(), 2);
    Choose(Box("a"), 2);
    Choose(Box("h"), 2);
    Choose(Box("b"), 1);
    Type(Box("t"), "2");
    Compute();
    const std::string report = Report();
    EXPECT_NE(report.find(" Iw:330.605cm6 \r\n d:2.233cm"), std::string::npos);
    const auto run = test::Call(
        {"coldformed-section", "family=内卷边薄壁槽钢", "a=20.00", "h=100.00", "b=40.00", "t=2"});
    EXPECT_EQ(run.out, cli::ToUnixLines(report) + "\n");
    test::SaveScreenshot(&dlg, "coldformed-section-dialog");

    Type(Box("b"), "");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0].caption, "输入错误");
    EXPECT_EQ(Report(), report);
    Type(Box("b"), "40");
    Type(Box("a"), "-20");
    Compute();
    EXPECT_EQ(notices.notices().size(), 2u);
    EXPECT_EQ(Report(), report);
}

} // namespace
