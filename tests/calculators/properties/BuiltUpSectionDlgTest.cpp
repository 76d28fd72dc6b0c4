#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "calculators/properties/BuiltUpSectionDlg.h"
#include "tests/support/DialogFixture.h"
#include "ui/PreviewStatic.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class BuiltUpSectionDlgTest : public DialogFixture<CBuiltUpSectionDlg> {
protected:
    QString Text(const char* name) { return Box(name)->currentText(); }
    PreviewSection Preview() { return Child<CPreviewStatic>(&dlg, "preview")->section(); }
};

TEST_F(BuiltUpSectionDlgTest, OpensOnTheFirstPresets) {
    EXPECT_EQ(dlg.windowTitle(), "工字形、T形、矩形、十字形截面参数计算");
    EXPECT_EQ(Text("b1"), "200.00");
    EXPECT_EQ(Text("t1"), "16.00");
    EXPECT_EQ(Text("hw"), "1100.00");
    EXPECT_EQ(Text("h"), "1132.00");
    EXPECT_EQ(Text("tw"), "10.00");
    EXPECT_EQ(Text("b2"), "350.00");
    EXPECT_EQ(Text("t2"), "16.00");
    EXPECT_EQ(Text("density"), "7850");
    EXPECT_EQ(List("unit")->currentText(), "mm");
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "heightModeHw")->isChecked());
    EXPECT_TRUE(Box("hw")->isEnabled());
    EXPECT_FALSE(Box("h")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "method_0")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "format_0")->isChecked());
    EXPECT_TRUE(Report().empty());
    const PreviewSection p = Preview();
    EXPECT_EQ(p.b1, 200);
    EXPECT_EQ(p.hw, 1100);
    EXPECT_EQ(p.b2, 350);
}

TEST_F(BuiltUpSectionDlgTest, B1TypedOrChosenCopiesIntoB2) {
    Type(Box("b1"), "250");
    EXPECT_EQ(Text("b2"), "250");
    EXPECT_EQ(dlg.b2(), 250);
    EXPECT_EQ(Preview().b2, 250);
    Choose(Box("b1"), 2);
    EXPECT_EQ(Text("b1"), "220.00");
    EXPECT_EQ(Text("b2"), "220.00");
    EXPECT_EQ(dlg.b2(), 220);
    // B2 on its own changes nothing else.
    Type(Box("b2"), "300");
    EXPECT_EQ(dlg.b1(), 220);
}

TEST_F(BuiltUpSectionDlgTest, T1TypedCopiesIntoT2ButChosenDoesNot) {
    Choose(Box("t1"), 3);
    EXPECT_EQ(dlg.t1(), 19);
    EXPECT_EQ(dlg.t2(), 16);
    EXPECT_EQ(Text("h"), "1135.00");
    Type(Box("t1"), "20");
    EXPECT_EQ(Text("t2"), "20");
    EXPECT_EQ(dlg.t2(), 20);
    EXPECT_EQ(Text("h"), "1140.00");
    Choose(Box("t2"), 1);
    EXPECT_EQ(Text("h"), "1137.00");
}

TEST_F(BuiltUpSectionDlgTest, HeightModeSwitchesWhichBoxFollows) {
    Type(Box("hw"), "1000");
    EXPECT_EQ(Text("h"), "1032.00");
    Click(Child<QRadioButton>(&dlg, "heightModeH"));
    EXPECT_FALSE(Box("hw")->isEnabled());
    EXPECT_TRUE(Box("h")->isEnabled());
    Type(Box("h"), "800");
    EXPECT_EQ(Text("hw"), "768.00");
    EXPECT_EQ(dlg.hw(), 768);
    // With H entered, a new flange thickness takes its room from the web.
    Type(Box("t1"), "20");
    EXPECT_EQ(Text("hw"), "760.00");
    EXPECT_EQ(Text("h"), "800");
    Choose(Box("h"), 1);
    EXPECT_EQ(Text("hw"), "560.00");
    Click(Child<QRadioButton>(&dlg, "heightModeHw"));
    EXPECT_TRUE(Box("hw")->isEnabled());
    EXPECT_FALSE(Box("h")->isEnabled());
}

TEST_F(BuiltUpSectionDlgTest, ComputeWritesTheReportOfTheChosenFormat) {
    Compute();
    EXPECT_EQ(Report().rfind(" 横截面积=\t1.9800e+004mm2        \r\n", 0), 0u);
    Click(Child<QRadioButton>(&dlg, "format_1"));
    Compute();
    const std::string report = Report();
    EXPECT_EQ(report.rfind(" 横截面积=\t19800.00mm2        \r\n", 0), 0u);
    EXPECT_NE(report.find("\r\n Ix=\t3758778981.82mm4"), std::string::npos);
    Compute();
    EXPECT_EQ(Report(), report); // the same inputs give the same report
    Click(Child<QRadioButton>(&dlg, "method_2"));
    Compute();
    EXPECT_NE(Report().find("\r\n Ix=\t3758591248.48mm4"), std::string::npos);
    EXPECT_TRUE(notices.notices().empty());
    test::SaveScreenshot(&dlg, "builtup-section-dialog");
}

TEST_F(BuiltUpSectionDlgTest, UnitAndTypedDensityReachTheReport) {
    Click(Child<QRadioButton>(&dlg, "format_1"));
    Choose(List("unit"), 1);
    Type(Box("density"), "7800abc");
    Compute();
    EXPECT_NE(Report().find("19800.00cm2"), std::string::npos);
    EXPECT_NE(Report().find("\t15444.00kg/m"), std::string::npos);
}

TEST_F(BuiltUpSectionDlgTest, BadInputIsRefusedAndTheReportStays) {
    Compute();
    const std::string good = Report();
    Type(Box("tw"), "");
    EXPECT_EQ(dlg.tw(), 0);
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0],
              (Notice{"输入的数据不全或者不是正实数", "输入错误", NoticeIcon::Error}));
    EXPECT_EQ(Report(), good);

    Type(Box("tw"), "abc");
    Compute();
    EXPECT_EQ(notices.notices().size(), 2u);
    Type(Box("tw"), "12abc");
    EXPECT_EQ(dlg.tw(), 12);
    Type(Box("b2"), "-350");
    Compute();
    ASSERT_EQ(notices.notices().size(), 3u);
    EXPECT_EQ(notices.notices()[2].text, "请输入一个大于0的正数");
    EXPECT_EQ(Report(), good);
}

TEST_F(BuiltUpSectionDlgTest, ChosenThenTypedTheLastEventWins) {
    Choose(Box("tw"), 3);
    EXPECT_EQ(dlg.tw(), 13);
    Type(Box("tw"), "14.5");
    EXPECT_EQ(dlg.tw(), 14.5);
    EXPECT_EQ(Preview().tw, 14.5);
}

TEST(BuiltUpSectionDlgLife, EachOpeningStartsFromTheDefaults) {
    {
        CBuiltUpSectionDlg first;
        Type(first.findChild<ValueCombo*>("b1"), "999");
        EXPECT_EQ(first.b1(), 999);
    }
    CBuiltUpSectionDlg second;
    EXPECT_EQ(second.b1(), 200);
    EXPECT_EQ(second.b2(), 350);
}

} // namespace

namespace {

TEST_F(BuiltUpSectionDlgTest, NoTextTypedIntoAnyBoxBreaksIt) {
    const QString texts[] = {"nan",  "inf",  "-inf", "1e400", "1e-400", QString(400, '9'),
                             "0x1A", "１２", "  -0", "1e308", "12,5",   "\t",
                             "+",    "e5",   "."};
    for (const char* name : {"b1", "t1", "hw", "tw", "b2", "t2", "density"}) {
        for (const QString& text : texts) {
            Type(Box(name), text);
            Compute();
            const std::string report = Report();
            EXPECT_EQ(report.find("inf"), std::string::npos) << name << " " << text.toStdString();
            EXPECT_EQ(report.find("nan"), std::string::npos) << name << " " << text.toStdString();
        }
        Type(Box(name), "10");
    }
    Click(Child<QRadioButton>(&dlg, "heightModeH"));
    for (const QString& text : texts) {
        Type(Box("h"), text);
        Compute();
    }
    for (const Notice& notice : notices.notices()) {
        EXPECT_EQ(notice.caption, "输入错误");
    }
}

} // namespace
