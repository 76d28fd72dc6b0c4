#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/members/AxialMemberDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/GuiHelpers.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;
using ferrolab::test::Child;
using ferrolab::test::Choose;
using ferrolab::test::Click;
using ferrolab::test::Type;
namespace test = ferrolab::test;

namespace {

const Notice kNotYet{"还没来得及做", "呵呵", NoticeIcon::Error};
const char* const kWeldedNames[] = {"b1", "t1", "hw", "h", "tw", "b2", "t2"};

class AxialMemberDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dlg.show(); }

    ValueCombo* Box(const char* name) { return Child<ValueCombo>(&dlg, name); }
    ChoiceList* List(const char* name) { return Child<ChoiceList>(&dlg, name); }
    QString Text(const char* name) { return Box(name)->currentText(); }
    std::string Report() { return Child<ReportBox>(&dlg, "report")->Report(); }
    std::string Properties() { return Child<ReportBox>(&dlg, "properties")->Report(); }
    QPushButton* ComputeButton() { return Child<QPushButton>(&dlg, "computeButton"); }
    void Compute() { Click(ComputeButton()); }
    QString Picture() { return Child<CBitmapPreview>(&dlg, "picture")->picture(); }
    bool WeldedEnabled() {
        bool all = true, none = true;
        for (const char* name : kWeldedNames) {
            all = all && Box(name)->isEnabled();
            none = none && !Box(name)->isEnabled();
        }
        all = all && List("flange")->isEnabled();
        none = none && !List("flange")->isEnabled();
        EXPECT_TRUE(all || none) << "welded inputs half enabled";
        return all;
    }
    void ChooseKind(AxialSectionKind kind) { Choose(List("kind"), static_cast<int>(kind)); }

    NoticeRecorder notices;
    CAxialMemberDlg dlg;
};

TEST_F(AxialMemberDlgTest, OpeningState) {
    EXPECT_EQ(dlg.windowTitle(), "轴心受力构件验算");
    EXPECT_EQ(List("code")->currentText(), "GB50017-2003");
    EXPECT_EQ(List("kind")->count(), 6);
    EXPECT_EQ(List("kind")->currentText(), "马钢宽翼缘HW系列");
    EXPECT_EQ(List("sectionName")->count(), 17);
    EXPECT_EQ(List("sectionName")->currentText(), "HW100x100");
    EXPECT_EQ(Text("netFactor"), "1.0");
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(dlg.grade(), 235);
    EXPECT_EQ(Text("allowableSlenderness"), "250.00");
    EXPECT_FALSE(Box("allowableSlenderness")->isEnabled());
    EXPECT_EQ(List("forceType")->currentText(), "轴心受压");
    EXPECT_EQ(Text("axialForce"), "-100.00");
    EXPECT_EQ(dlg.axialForce(), -100);
    EXPECT_EQ(dlg.netFactor(), 1.0);
    EXPECT_EQ(dlg.lx(), 2);
    EXPECT_EQ(dlg.ly(), 2);
    EXPECT_TRUE(Child<QCheckBox>(&dlg, "xCheck")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(&dlg, "yCheck")->isChecked());
    EXPECT_TRUE(Box("lx")->isEnabled());
    EXPECT_FALSE(Box("ly")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(&dlg, "lyLabel")->isEnabled());
    EXPECT_FALSE(WeldedEnabled());
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(Properties().empty());
    EXPECT_TRUE(Report().empty());
    EXPECT_FALSE(dlg.section().has_value());
    EXPECT_EQ(Picture(), ":/pictures/axial_h_section.svg");
}

TEST_F(AxialMemberDlgTest, CatalogueNameLoadsAndTheDefaultsGiveOnlyTheXBlock) {
    Choose(List("sectionName"), 0);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(Properties(), " 腹板厚:6.00mm  \r\n 翼缘厚:8.00mm \r\n 截面积:21.90cm2 \r\n "
                            "Ix:383.00cm4 \r\n Iy:134.00cm4 \r\n ix:4.18cm \r\n iy:2.47cm \r\n "
                            "b/h =1.00");
    Compute();
    EXPECT_EQ(Report(), "净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n \r\n "
                        "-----对x轴，截面属于b类曲线-----\r\n λx:47.85\r\n φx:0.8660\r\n "
                        "N/(φx*A) =-52.7301 N/mm2");
    EXPECT_TRUE(notices.notices().empty());
    test::SaveScreenshot(&dlg, "axial-member-catalogue");
}

TEST_F(AxialMemberDlgTest, KindSwitchesRefillTheNamesAndPictures) {
    struct Case {
        AxialSectionKind kind;
        int names;
        const char* first;
        const char* picture;
    };
    const Case cases[] = {
        {AxialSectionKind::RolledI, 34, "I10", ":/pictures/axial_rolled_ibeam.svg"},
        {AxialSectionKind::HN, 25, "HN175x90", ":/pictures/axial_h_section.svg"},
        {AxialSectionKind::HM, 11, "HM194x150", ":/pictures/axial_h_section.svg"},
        {AxialSectionKind::HW, 17, "HW100x100", ":/pictures/axial_h_section.svg"},
    };
    for (const Case& c : cases) {
        ChooseKind(c.kind);
        EXPECT_EQ(List("sectionName")->count(), c.names);
        EXPECT_EQ(List("sectionName")->currentText(), c.first);
        EXPECT_TRUE(List("sectionName")->isEnabled());
        EXPECT_FALSE(WeldedEnabled());
        EXPECT_EQ(Picture(), c.picture);
        // The first name is loaded, but only a name choice enables "计算".
        ASSERT_TRUE(dlg.section());
        EXPECT_EQ(dlg.section()->sectionType, 11);
        EXPECT_FALSE(ComputeButton()->isEnabled());
    }
    ChooseKind(AxialSectionKind::RolledI);
    EXPECT_EQ(Properties().rfind(" 腹板厚:4.50mm  \r\n 翼缘厚:7.60mm \r\n 截面积:14.33cm2", 0), 0u);
    Choose(List("sectionName"), 5);
    EXPECT_EQ(List("sectionName")->currentText(), "I20a");
    EXPECT_EQ(dlg.section()->A, static_cast<double>(35.55f));
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(AxialMemberDlgTest, WeldedKindLoadsItsDefaults) {
    ChooseKind(AxialSectionKind::WeldedI);
    EXPECT_EQ(List("sectionName")->count(), 0);
    EXPECT_FALSE(List("sectionName")->isEnabled());
    EXPECT_TRUE(WeldedEnabled());
    EXPECT_EQ(Picture(), ":/pictures/axial_welded_i.svg");
    EXPECT_TRUE(Properties().empty());
    EXPECT_EQ(Text("b1"), "250.00");
    EXPECT_EQ(Text("t1"), "12.00");
    EXPECT_EQ(Text("hw"), "250.00");
    EXPECT_EQ(Text("h"), "274.00");
    EXPECT_EQ(Text("tw"), "8.00");
    EXPECT_EQ(List("flange")->currentText(), "焰切边");
    EXPECT_EQ(dlg.flameCut(), 1);
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "heightModeHw")->isChecked());
    ASSERT_TRUE(dlg.section());
    EXPECT_DOUBLE_EQ(dlg.section()->A, 80.0);
    EXPECT_DOUBLE_EQ(dlg.section()->h, 274.0);
    EXPECT_EQ(dlg.section()->sectionType, 21);
    EXPECT_FALSE(ComputeButton()->isEnabled());
    // The first welded change shows the properties and enables "计算".
    Choose(Box("tw"), 0);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(Properties(), " 横截面积=\t80.00cm2\r\n Ix=\t11345.47cm4\r\n Iy=\t3126.07cm4\r\n "
                            "ix=\t11.91cm\r\n iy=\t6.25cm");
    // Back to a catalogue kind: the welded inputs are disabled again.
    ChooseKind(AxialSectionKind::HM);
    EXPECT_FALSE(WeldedEnabled());
    EXPECT_EQ(dlg.section()->welded, 0);
}

TEST_F(AxialMemberDlgTest, WeldedFlangesMirrorAndTheHeightRules) {
    ChooseKind(AxialSectionKind::WeldedI);
    Type(Box("b1"), "320");
    EXPECT_EQ(Text("b2"), "320");
    Choose(Box("b2"), 2);
    EXPECT_EQ(Text("b1"), "300.00");
    EXPECT_DOUBLE_EQ(dlg.section()->b, 300);
    // Hw fixed: a new thickness moves H.
    Type(Box("t1"), "20");
    EXPECT_EQ(Text("t2"), "20");
    EXPECT_EQ(Text("h"), "290.00");
    Choose(Box("t2"), 2);
    EXPECT_EQ(Text("t1"), "16.00");
    EXPECT_EQ(Text("h"), "282.00");
    Type(Box("hw"), "500");
    EXPECT_EQ(Text("h"), "532.00");
    // H fixed: a new thickness takes its room from the web.
    Click(Child<QRadioButton>(&dlg, "heightModeH"));
    Type(Box("t1"), "20");
    EXPECT_EQ(Text("h"), "532.00");
    EXPECT_EQ(Text("hw"), "492.00");
    Type(Box("h"), "540");
    EXPECT_EQ(Text("hw"), "500.00");
    Type(Box("tw"), "10");
    const AxialSection s = *dlg.section();
    EXPECT_DOUBLE_EQ(s.b, 300);
    EXPECT_DOUBLE_EQ(s.t, 20);
    EXPECT_DOUBLE_EQ(s.hw, 500);
    EXPECT_DOUBLE_EQ(s.h, 540);
    EXPECT_DOUBLE_EQ(s.tw, 10);
    EXPECT_EQ(Properties(), " 横截面积=\t170.00cm2\r\n Ix=\t91576.67cm4\r\n Iy=\t9004.17cm4\r\n "
                            "ix=\t23.21cm\r\n iy=\t7.28cm");
}

TEST_F(AxialMemberDlgTest, WeldedReportThroughTheWidgetsMatchesTheRunner) {
    ChooseKind(AxialSectionKind::WeldedI);
    Choose(Box("b1"), 2);  // 300
    Type(Box("t1"), "20"); // H 290
    Type(Box("hw"), "500");
    Choose(Box("tw"), 1); // 10
    Choose(List("flange"), 1);
    EXPECT_EQ(dlg.flameCut(), 0);
    Type(Box("axialForce"), "-1200");
    Choose(Box("lx"), 4); // 6.00
    Click(Child<QCheckBox>(&dlg, "yCheck"));
    EXPECT_TRUE(Box("ly")->isEnabled());
    Type(Box("ly"), "6");
    Compute();
    const std::string report =
        "净截面面积:170.0000cm2\r\n净截面强度;-70.59N/mm2\r\n \r\n -----对x轴，截面属于b类曲线"
        "-----\r\n λx:25.85\r\n φx:0.9523\r\n N/(φx*A) =-74.1258 N/mm2              \r\n\r\n "
        "-----对y轴，截面属于c类曲线-----\r\n λy:82.44\r\n φy:0.5739\r\n N/(φy*A) =-123.0046 "
        "N/mm2";
    EXPECT_EQ(Report(), report);
    test::SaveScreenshot(&dlg, "axial-member-welded");

    const auto run =
        test::Call({"axial-member", "kind=焊接工字形", "B1=300", "t1=20", "Tw=10", "Hw=500",
                    "flange=轧制或剪切边", "N=-1200", "lx=6", "y-check=1", "ly=6"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(Properties() + "\r\n\r\n" + Report() + "\r\n"));
}

TEST_F(AxialMemberDlgTest, CatalogueReportMatchesTheRunner) {
    ChooseKind(AxialSectionKind::RolledI);
    Choose(List("sectionName"), 5); // I20a
    Choose(Box("netFactor"), 3);    // 0.85
    Choose(List("grade"), 2);       // Q390
    EXPECT_EQ(dlg.grade(), 390);
    Choose(Box("axialForce"), 4); // -300
    Type(Box("lx"), "4");
    Click(Child<QCheckBox>(&dlg, "yCheck"));
    Compute();
    EXPECT_EQ(Report(), "净截面面积:30.2175cm2\r\n净截面强度;-99.28N/mm2\r\n \r\n "
                        "-----对x轴，截面属于a类曲线-----\r\n λx:49.02\r\n φx:0.8704\r\n "
                        "N/(φx*A) =-96.9580 N/mm2              \r\n\r\n "
                        "-----对y轴，截面属于b类曲线-----\r\n λy:94.79\r\n φy:0.4258\r\n "
                        "N/(φy*A) =-198.1762 N/mm2");
    const auto run = test::Call({"axial-member", "kind=热轧普通工字钢", "name=I20a",
                                 "net-factor=0.85", "grade=Q390", "N=-300", "lx=4", "y-check=1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(Properties() + "\r\n\r\n" + Report() + "\r\n"));
}

TEST_F(AxialMemberDlgTest, CheckBoxesAreReadAtComputeTime) {
    Choose(List("sectionName"), 0);
    Click(Child<QCheckBox>(&dlg, "xCheck"));
    EXPECT_FALSE(dlg.xOn());
    EXPECT_FALSE(Box("lx")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(&dlg, "lxLabel")->isEnabled());
    Compute();
    EXPECT_EQ(Report(), "净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n");
    Click(Child<QCheckBox>(&dlg, "yCheck"));
    Compute();
    EXPECT_EQ(Report().find("对x轴"), std::string::npos);
    EXPECT_NE(Report().find("对y轴，截面属于b类曲线-----\r\n λy:80.97"), std::string::npos);
    // Tension (or zero): only the net lines, whatever the boxes show; the force type is kept
    // but does not decide.
    Click(Child<QCheckBox>(&dlg, "xCheck"));
    Choose(List("forceType"), 1);
    EXPECT_EQ(dlg.forceType(), "轴心受拉");
    Type(Box("axialForce"), "150");
    Compute();
    EXPECT_EQ(Report(), "净截面面积:21.9000cm2\r\n净截面强度;68.49N/mm2\r\n");
    Type(Box("axialForce"), "-100");
    Compute();
    EXPECT_NE(Report().find("对x轴"), std::string::npos);
}

TEST_F(AxialMemberDlgTest, FourAngleKindShowsTheMessageAndComputesNothing) {
    Choose(List("sectionName"), 0);
    Compute();
    ASSERT_FALSE(Report().empty());
    ChooseKind(AxialSectionKind::FourAngles);
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], kNotYet);
    EXPECT_EQ(List("sectionName")->count(), 82);
    EXPECT_EQ(List("sectionName")->currentText(), "L 20x3");
    EXPECT_EQ(Picture(), ":/pictures/axial_four_angles.svg");
    EXPECT_FALSE(WeldedEnabled());
    EXPECT_TRUE(Properties().empty());
    EXPECT_TRUE(Report().empty());
    Choose(List("sectionName"), 81);
    EXPECT_EQ(notices.notices().size(), 2u);
    // "计算" does not fall back on the section loaded before.
    Compute();
    ASSERT_EQ(notices.notices().size(), 3u);
    EXPECT_EQ(notices.notices()[2], kNotYet);
    EXPECT_TRUE(Report().empty());
    // A catalogue kind brings the sections back.
    ChooseKind(AxialSectionKind::HW);
    Compute();
    EXPECT_NE(Report().find("λx:47.85"), std::string::npos);
}

TEST_F(AxialMemberDlgTest, RefusalsKeepThePreviousReport) {
    Choose(List("sectionName"), 0);
    Compute();
    const std::string good = Report();
    const Notice netFactor{"请输入一个界于0.0和1.0之间的一个正实数", "", NoticeIcon::None};
    struct Case {
        const char* box;
        const char* text;
        Notice notice;
    };
    const Case cases[] = {
        {"netFactor", "0", netFactor},
        {"netFactor", "1.2", netFactor},
        {"netFactor", "", netFactor},
        {"lx", "", InputError("计算长度必须是大于0的数值")},
        {"lx", "-2", InputError("计算长度必须是大于0的数值")},
        {"axialForce", "-1e308", InputError("输入的数值过大，无法得到有意义的结果")},
    };
    for (const Case& c : cases) {
        notices.clear();
        const QString before = Text(c.box);
        Type(Box(c.box), c.text);
        Compute();
        ASSERT_EQ(notices.notices().size(), 1u) << c.box << "=" << c.text;
        EXPECT_EQ(notices.notices()[0], c.notice) << c.box << "=" << c.text;
        EXPECT_EQ(Report(), good);
        Type(Box(c.box), before);
    }
    // A welded section of blank plates.
    ChooseKind(AxialSectionKind::WeldedI);
    Compute();
    const std::string welded = Report();
    notices.clear();
    Type(Box("b1"), "");
    Type(Box("tw"), "");
    EXPECT_EQ(Properties(), " 截面参数必须是大于0的数值");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], InputError("截面参数必须是大于0的数值"));
    EXPECT_EQ(Report(), welded);
}

TEST_F(AxialMemberDlgTest, NoTextTypedIntoAnyBoxPrintsInfOrNan) {
    ChooseKind(AxialSectionKind::WeldedI);
    Choose(Box("tw"), 0);
    Click(Child<QCheckBox>(&dlg, "yCheck"));
    const QString texts[] = {"nan", "inf", "1e400", "1e-320", "1e308", "-1e308", "abc", "", "0"};
    for (const char* name : {"b1", "t1", "hw", "h", "tw", "netFactor", "axialForce", "lx", "ly"}) {
        for (const QString& text : texts) {
            Type(Box(name), text);
            Compute();
            for (const std::string& shown : {Report(), Properties()}) {
                EXPECT_EQ(shown.find("inf"), std::string::npos)
                    << name << " " << text.toStdString();
                EXPECT_EQ(shown.find("nan"), std::string::npos)
                    << name << " " << text.toStdString();
            }
        }
        Type(Box(name), name == std::string("netFactor") ? "1" : "10");
    }
}

} // namespace
