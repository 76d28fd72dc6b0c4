#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calculators/members/ColdFormedAxialDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class ColdFormedAxialDlgTest : public DialogFixture<CColdFormedAxialDlg> {
protected:
    QString Label(const char* name) { return Child<QLabel>(&dlg, name)->text(); }
    QString Value(const char* name) { return Child<QLineEdit>(&dlg, name)->text(); }
    std::string Properties() { return Child<ReportBox>(&dlg, "properties")->Report(); }
    QRadioButton* WithBattens() { return Child<QRadioButton>(&dlg, "battens_0"); }
    QRadioButton* WithoutBattens() { return Child<QRadioButton>(&dlg, "battens_1"); }
};

TEST_F(ColdFormedAxialDlgTest, OpeningState) {
    EXPECT_EQ(dlg.windowTitle(), "薄壁型钢轴心受力构件");
    EXPECT_EQ(List("kind")->currentText(), "薄壁槽钢");
    EXPECT_EQ(List("kind")->itemText(1), "方钢管");
    EXPECT_EQ(List("name")->count(), 11);
    EXPECT_EQ(List("name")->currentText(), "薄槽60x30x2.5");
    EXPECT_TRUE(Properties().empty());
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_EQ(Child<QPushButton>(&dlg, "cancelButton")->text(), "Cancel");
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(Box("N")->currentText(), "10.00");
    EXPECT_EQ(Box("N")->itemText(7), "1000.00");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "restraintGroup")->title(),
              "开口截面轴心受压和压弯构件的约束系数");
    EXPECT_EQ(Label("endConditionLabel"), "两端支承情况:");
    EXPECT_EQ(List("endCondition")->currentText(), "两端铰接，端部截面可自由翘曲");
    EXPECT_EQ(List("endCondition")->itemText(2), "两端铰接，端部截面翘曲完全受约束");
    EXPECT_EQ(WithBattens()->text(), "有缀板");
    EXPECT_FALSE(WithBattens()->isEnabled());
    EXPECT_TRUE(WithoutBattens()->isChecked());
    EXPECT_TRUE(Value("alpha").isEmpty());
    EXPECT_TRUE(Value("beta").isEmpty());
    EXPECT_EQ(Child<QGroupBox>(&dlg, "lengthGroup")->title(), "构件长度");
    EXPECT_EQ(Label("lxLabel"), "计箷长度lx:");
    EXPECT_EQ(Label("lyLabel"), "计算长度ly:");
    EXPECT_EQ(Label("lLabel"), "构件的几何长度        l:");
    for (const char* box : {"lx", "ly", "l"}) {
        EXPECT_EQ(Box(box)->currentText(), "500.00");
        EXPECT_EQ(Box(box)->count(), 5);
    }
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "preview")->picture(),
              ":/pictures/coldformed_beam_channel.svg");
}

TEST_F(ColdFormedAxialDlgTest, KindSwitchesTheRestraintGroup) {
    Choose(List("name"), 0);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    Compute();
    Choose(List("kind"), 1);
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(Properties().empty());
    EXPECT_TRUE(Report().empty());
    EXPECT_EQ(List("name")->count(), 22);
    EXPECT_EQ(List("name")->currentText(), "方钢管25x1.5");
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "preview")->picture(),
              ":/pictures/coldformed_axial_tube.svg");
    for (QWidget* w : std::initializer_list<QWidget*>{Child<QGroupBox>(&dlg, "restraintGroup"),
                                                      List("endCondition"), WithoutBattens()}) {
        EXPECT_FALSE(w->isEnabled());
    }
    Choose(List("name"), 0);
    EXPECT_EQ(Properties().rfind("薄壁方钢管的参数:\r\n 截面积     ：1.31cm2", 0), 0u);
    Choose(List("kind"), 0);
    EXPECT_TRUE(List("endCondition")->isEnabled());
    EXPECT_TRUE(WithoutBattens()->isEnabled());
    EXPECT_FALSE(WithBattens()->isEnabled()); // still the first end condition
}

TEST_F(ColdFormedAxialDlgTest, EndConditionAndBattenRules) {
    Choose(List("endCondition"), 1);
    EXPECT_TRUE(WithBattens()->isEnabled());
    Click(WithBattens());
    EXPECT_EQ(Label("lLabel"), "相邻缀板中心线最大间距 l:");
    Choose(List("name"), 0);
    Compute();
    EXPECT_EQ(Value("alpha"), "0.80");
    EXPECT_EQ(Value("beta"), "1.00");
    EXPECT_NE(Report().find("λω=62.51 "), std::string::npos);

    Choose(List("endCondition"), 0);
    EXPECT_FALSE(WithBattens()->isEnabled());
    EXPECT_FALSE(WithBattens()->isChecked());
    EXPECT_TRUE(WithoutBattens()->isChecked());
    EXPECT_EQ(Label("lLabel"), "构件的几何长度     l:");
    Compute();
    EXPECT_EQ(Value("alpha"), "1.00");
    EXPECT_EQ(Value("beta"), "1.00");

    Choose(List("endCondition"), 2);
    Compute();
    EXPECT_EQ(Value("alpha"), "0.72");
    EXPECT_EQ(Value("beta"), "0.50");
    Click(WithBattens());
    Click(WithoutBattens());
    EXPECT_EQ(Label("lLabel"), "构件的几何长度     l:");
}

TEST_F(ColdFormedAxialDlgTest, ReportMatchesTheRunnerRefusalAndOutOfRange) {
    Choose(List("name"), 10);
    Choose(List("grade"), 1);
    Type(Box("N"), "100");
    Choose(List("endCondition"), 2);
    Choose(Box("lx"), 4);
    Choose(Box("ly"), 1);
    Choose(Box("l"), 4);
    Compute();
    const std::string report = Report();
    EXPECT_NE(report.find("λω=85.48 "), std::string::npos);
    EXPECT_NE(report.find("=100.00*1000/(0.5872*929.0000)=183.318N/mm2"), std::string::npos);
    const auto run = test::Call({"coldformed-axial", "name=薄槽160x60x3.5", "grade=Q345", "N=100",
                                 "end=两端铰接，端部截面翘曲完全受约束", "lx=3000.00", "ly=1000.00",
                                 "l=3000.00"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Properties() + "\r\n\r\n" + report) + "\n");
    test::SaveScreenshot(&dlg, "coldformed-axial-dialog");

    Type(Box("lx"), "");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], InputError("计算长度lx和ly必须是大于0的数"));
    EXPECT_EQ(Report(), report);

    Type(Box("lx"), "30000");
    Compute();
    EXPECT_EQ(Report(), "老哥，超出规范规定了，请查看规范 GB50018-2002 的附录A");
    EXPECT_EQ(notices.notices().size(), 1u);
}

} // namespace
