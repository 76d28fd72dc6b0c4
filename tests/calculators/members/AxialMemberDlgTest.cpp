#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "calculators/members/AxialMemberDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

const Notice kNotYet{"还没来得及做", "呵呵", NoticeIcon::Error};

class AxialMemberDlgTest : public DialogFixture<CAxialMemberDlg> {
protected:
    QCheckBox* Check(const char* name) { return Child<QCheckBox>(&dlg, name); }
    QString Text(const char* name) { return Box(name)->currentText(); }
    std::string Properties() { return Child<ReportBox>(&dlg, "properties")->Report(); }
    QString Picture() { return Child<CBitmapPreview>(&dlg, "picture")->picture(); }
    void ChooseKind(AxialSectionKind kind) { Choose(List("kind"), static_cast<int>(kind)); }
    // Every welded input enabled (true) or every one disabled (false); fails when mixed.
    bool WeldedEnabled() {
        int enabled = List("flange")->isEnabled() ? 1 : 0;
        for (const char* name : {"b1", "t1", "hw", "h", "tw", "b2", "t2"}) {
            enabled += Box(name)->isEnabled() ? 1 : 0;
        }
        EXPECT_TRUE(enabled == 0 || enabled == 8);
        return enabled == 8;
    }
    // The runner's text for the same inputs is the dialog's two boxes.
    void ExpectRunnerPrintsTheBoxes(const std::vector<std::string>& args) {
        const auto run = test::Call(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, cli::ToUnixLines(Properties() + "\r\n\r\n" + Report() + "\r\n"));
    }
};

TEST_F(AxialMemberDlgTest, OpeningState) {
    EXPECT_EQ(dlg.windowTitle(), "轴心受力构件验算");
    EXPECT_EQ(List("kind")->currentText(), "马钢宽翼缘HW系列");
    EXPECT_EQ(List("sectionName")->count(), 17);
    EXPECT_EQ(List("sectionName")->currentText(), "HW100x100");
    EXPECT_EQ(Text("netFactor"), "1.0");
    EXPECT_EQ(dlg.grade(), 235);
    EXPECT_FALSE(Box("allowableSlenderness")->isEnabled());
    EXPECT_EQ(dlg.axialForce(), -100);
    EXPECT_EQ(dlg.ly(), 2);
    EXPECT_TRUE(Check("xCheck")->isChecked());
    EXPECT_FALSE(Check("yCheck")->isChecked());
    EXPECT_TRUE(Box("lx")->isEnabled());
    EXPECT_FALSE(Box("ly")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(&dlg, "lyLabel")->isEnabled());
    EXPECT_FALSE(WeldedEnabled());
    // The welded inputs stay blank until the welded kind loads its defaults.
    for (const char* name : {"b1", "t1", "hw", "h", "tw", "b2", "t2"}) {
        EXPECT_EQ(Text(name), "") << name;
    }
    EXPECT_EQ(List("flange")->currentIndex(), -1);
    EXPECT_FALSE(Child<QRadioButton>(&dlg, "heightModeHw")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(&dlg, "heightModeH")->isChecked());
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(Properties().empty());
    EXPECT_FALSE(dlg.section());
    EXPECT_EQ(Picture(), ":/pictures/axial_h_section.svg");
}

TEST_F(AxialMemberDlgTest, HW100x100DefaultsGiveOnlyTheXBlock) {
    Choose(List("sectionName"), 0);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(Properties(), " 腹板厚:6.00mm  \r\n 翼缘厚:8.00mm \r\n 截面积:21.90cm2 \r\n "
                            "Ix:383.00cm4 \r\n Iy:134.00cm4 \r\n ix:4.18cm \r\n iy:2.47cm \r\n "
                            "b/h =1.00");
    Compute();
    // b/h = 1 > 0.8: class b; fy 235; λ = 200 / 4.18.
    EXPECT_EQ(Report(), "净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n \r\n "
                        "-----对x轴，截面属于b类曲线-----\r\n λx:47.85\r\n φx:0.8660\r\n "
                        "N/(φx*A) =-52.7301 N/mm2");
    EXPECT_TRUE(notices.notices().empty());
    ExpectRunnerPrintsTheBoxes({"axial-member"});
    test::SaveScreenshot(&dlg, "axial-member-catalogue");
}

TEST_F(AxialMemberDlgTest, KindSwitchesRefillTheNamesAndEnableTheWeldedInputs) {
    struct Case {
        AxialSectionKind kind;
        int names;
        const char* first;
        const char* picture;
    };
    for (const Case& c : {Case{AxialSectionKind::RolledI, 34, "I10", "axial_rolled_ibeam"},
                          Case{AxialSectionKind::HN, 25, "HN175x90", "axial_h_section"},
                          Case{AxialSectionKind::HM, 11, "HM194x150", "axial_h_section"},
                          Case{AxialSectionKind::WeldedI, 0, "", "axial_welded_i"}}) {
        ChooseKind(c.kind);
        EXPECT_EQ(List("sectionName")->count(), c.names);
        EXPECT_EQ(List("sectionName")->currentText(), c.first);
        EXPECT_EQ(List("sectionName")->isEnabled(), c.names > 0);
        EXPECT_EQ(WeldedEnabled(), c.names == 0);
        EXPECT_EQ(Picture(), QString(":/pictures/%1.svg").arg(c.picture));
        ASSERT_TRUE(dlg.section()); // the first name (or the welded defaults) is loaded
        EXPECT_FALSE(ComputeButton()->isEnabled()); // only a name or welded change enables it
    }
    // The welded defaults, shown once a welded input changes.
    EXPECT_TRUE(Properties().empty());
    EXPECT_EQ(Text("h"), "274.00");
    EXPECT_EQ(dlg.flameCut(), 1);
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "heightModeHw")->isChecked());
    EXPECT_DOUBLE_EQ(dlg.section()->A, 80.0);
    Choose(Box("tw"), 0);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(Properties(), " 横截面积=\t80.00cm2\r\n Ix=\t11345.47cm4\r\n Iy=\t3126.07cm4\r\n "
                            "ix=\t11.91cm\r\n iy=\t6.25cm");
}

TEST_F(AxialMemberDlgTest, WeldedFlangesMirrorHeightRulesAndReport) {
    ChooseKind(AxialSectionKind::WeldedI);
    Type(Box("b1"), "320");
    EXPECT_EQ(Text("b2"), "320");
    Choose(Box("b2"), 2);
    EXPECT_EQ(Text("b1"), "300.00");
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
    Choose(Box("tw"), 1); // 10
    Choose(List("flange"), 1);
    EXPECT_EQ(dlg.flameCut(), 0);
    EXPECT_EQ(Properties(), " 横截面积=\t170.00cm2\r\n Ix=\t91576.67cm4\r\n Iy=\t9004.17cm4\r\n "
                            "ix=\t23.21cm\r\n iy=\t7.28cm");
    Type(Box("axialForce"), "-1200");
    Choose(Box("lx"), 4); // 6.00
    Click(Check("yCheck"));
    EXPECT_TRUE(Box("ly")->isEnabled());
    Type(Box("ly"), "6");
    Compute();
    // Rolled or sheared flange edges: b about x, c about y; t = 20: fy 225.
    EXPECT_EQ(
        Report(),
        "净截面面积:170.0000cm2\r\n净截面强度;-70.59N/mm2\r\n \r\n -----对x轴，截面属于b类曲线"
        "-----\r\n λx:25.85\r\n φx:0.9523\r\n N/(φx*A) =-74.1258 N/mm2              \r\n\r\n "
        "-----对y轴，截面属于c类曲线-----\r\n λy:82.44\r\n φy:0.5739\r\n N/(φy*A) "
        "=-123.0046 N/mm2");
    ExpectRunnerPrintsTheBoxes({"axial-member", "kind=焊接工字形", "B1=300", "t1=20", "Tw=10",
                                "Hw=500", "flange=轧制或剪切边", "N=-1200", "lx=6", "y-check=1",
                                "ly=6"});
    test::SaveScreenshot(&dlg, "axial-member-welded");
}

TEST_F(AxialMemberDlgTest, CheckBoxesAndForceSignAreReadAtComputeTime) {
    Choose(List("sectionName"), 0);
    Click(Check("xCheck"));
    EXPECT_FALSE(Box("lx")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(&dlg, "lxLabel")->isEnabled());
    Compute();
    EXPECT_EQ(Report(), "净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n");
    Click(Check("yCheck"));
    Compute();
    EXPECT_EQ(Report().find("对x轴"), std::string::npos);
    EXPECT_NE(Report().find("对y轴，截面属于b类曲线-----\r\n λy:80.97"), std::string::npos);
    // Tension: the net lines only; the force type is kept but does not decide.
    Click(Check("xCheck"));
    Choose(List("forceType"), 1);
    EXPECT_EQ(dlg.forceType(), "轴心受拉");
    Type(Box("axialForce"), "150");
    Compute();
    EXPECT_EQ(Report(), "净截面面积:21.9000cm2\r\n净截面强度;68.49N/mm2\r\n");
}

TEST_F(AxialMemberDlgTest, EditionListSwitchesTo2017AndIsRemembered) {
    // The code list at the top is the edition list; a fresh installation opens on 2003.
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    Choose(List("sectionName"), 0);
    Pick(Box("netFactor"), "0.9");
    Click(Check("yCheck"));
    Compute();
    EXPECT_NE(Report().find("截面属于b类曲线"), std::string::npos);
    Pick(List("edition"), "GB50017-2017");
    Compute();
    // HW100x100 in Q235: a* is curve b about x, b* curve c about y; An = 0.9·21.9 = 19.71 cm2,
    // N/An = -1000/19.71 = -50.74, N/A = -45.66.
    const std::string report = Report();
    for (const char* piece :
         {" -----按GB50017-2017计算-----\r\n", "净截面面积:19.7100cm2\r\n",
          " 毛截面屈服 N/A =-45.66N/mm2（式7.1.1-1，f=215.00N/mm2）\r\n",
          " 净截面断裂 N/An =-50.74N/mm2（式7.1.1-2，0.7fu=259.00N/mm2）\r\n",
          " -----对x轴，按表7.2.1-1截面属于a*类，取b类-----\r\n λx:47.85\r\n λx/εk:47.85\r\n "
          "φx:0.8660（附录D）",
          " -----对y轴，按表7.2.1-1截面属于b*类，取c类-----\r\n λy:80.97\r\n λy/εk:80.97\r\n "
          "φy:0.5720（附录D）"}) {
        EXPECT_NE(report.find(piece), std::string::npos) << piece << "\n" << report;
    }
    EXPECT_EQ(report.find("2003"), std::string::npos);
    ExpectRunnerPrintsTheBoxes({"axial-member", "edition=2017", "net-factor=0.9", "y-check=1"});
    // A dialog opened later opens on 2017, and computes to it.
    CAxialMemberDlg again;
    EXPECT_EQ(Child<ChoiceList>(&again, "edition")->currentText(), "GB50017-2017");
    Choose(Child<ChoiceList>(&again, "sectionName"), 0);
    Click(Child<QPushButton>(&again, "computeButton"));
    EXPECT_EQ(Child<ReportBox>(&again, "report")->Report().rfind(" -----按GB50017-2017计算", 0),
              0u);
    // And back: the 2003 report as before.
    Pick(List("edition"), "GB50017-2003");
    Compute();
    EXPECT_EQ(Report().rfind("净截面面积:19.7100cm2\r\n净截面强度;-50.74N/mm2\r\n", 0), 0u);
}

TEST_F(AxialMemberDlgTest, FourAngleKindShowsTheMessageAndComputesNothing) {
    Choose(List("sectionName"), 0);
    Compute();
    ChooseKind(AxialSectionKind::FourAngles);
    EXPECT_EQ(notices.notices(), std::vector<Notice>{kNotYet});
    EXPECT_EQ(List("sectionName")->count(), 82);
    EXPECT_EQ(List("sectionName")->currentText(), "L 20x3");
    EXPECT_EQ(Picture(), ":/pictures/axial_four_angles.svg");
    EXPECT_TRUE(Properties().empty());
    EXPECT_TRUE(Report().empty());
    test::SaveScreenshot(&dlg, "axial-member-four-angles");
    Choose(List("sectionName"), 81);
    Compute(); // not on the section loaded before
    EXPECT_EQ(notices.notices(), (std::vector<Notice>{kNotYet, kNotYet, kNotYet}));
    EXPECT_TRUE(Report().empty());
    ChooseKind(AxialSectionKind::HW);
    Compute();
    EXPECT_NE(Report().find("λx:47.85"), std::string::npos);
}

TEST_F(AxialMemberDlgTest, RefusalsKeepThePreviousReport) {
    Choose(List("sectionName"), 0);
    Compute();
    const std::string good = Report();
    const Notice netFactor{"请输入一个界于0.0和1.0之间的一个正实数", "Ferrolab", NoticeIcon::None};
    const Notice length = InputError("计算长度必须是大于0的数值");
    struct Case {
        const char* box;
        const char* text;
        Notice notice;
    };
    for (const Case& c : {Case{"netFactor", "0", netFactor}, Case{"netFactor", "1.2", netFactor},
                          Case{"lx", "", length}, Case{"lx", "-2", length}}) {
        notices.clear();
        const QString before = Text(c.box);
        Type(Box(c.box), c.text);
        Compute();
        EXPECT_EQ(notices.notices(), std::vector<Notice>{c.notice}) << c.box << "=" << c.text;
        EXPECT_EQ(Report(), good);
        Type(Box(c.box), before);
    }
    // A welded section of blank plates: no numbers in the property box, refused.
    ChooseKind(AxialSectionKind::WeldedI);
    Compute();
    const std::string welded = Report();
    notices.clear();
    Type(Box("b1"), "");
    Type(Box("tw"), "");
    EXPECT_EQ(Properties(), " 截面参数必须是大于0的数值");
    Compute();
    EXPECT_EQ(notices.notices(), std::vector<Notice>{InputError("截面参数必须是大于0的数值")});
    EXPECT_EQ(Report(), welded);
}

} // namespace
