#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/members/BeamStability.h"
#include "calculators/members/BeamStabilityDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class BeamStabilityDlgTest : public DialogFixture<CBeamStabilityDlg> {
protected:
    QString Text(const char* name) { return Box(name)->currentText(); }
    QRadioButton* Case(int loadCase) {
        return Child<QRadioButton>(&dlg, QStringLiteral("loadCase_%1").arg(loadCase - 1));
    }
    void TypeLoads() {
        Type(Box("mx"), "1500");
        Type(Box("my"), "20");
        Type(Box("gammaX"), "1.05");
        Type(Box("gammaY"), "1.2");
    }
};

TEST_F(BeamStabilityDlgTest, OpeningState) {
    EXPECT_EQ(dlg.windowTitle(), "焊接工字形等截面简支梁、轧制H型钢简支梁整体稳定验算");
    EXPECT_EQ(List("series")->count(), 4);
    EXPECT_EQ(List("series")->currentText(), "马钢宽翼缘HW系列");
    EXPECT_EQ(List("series")->itemText(3), "焊接工字钢");
    EXPECT_EQ(List("section")->count(), 17);
    EXPECT_EQ(List("section")->currentText(), "HW100x100");
    EXPECT_TRUE(List("section")->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>(&dlg, "weldedGroup")->isEnabled());
    EXPECT_EQ(Text("l1"), "2.00");
    EXPECT_EQ(Box("l1")->count(), 9);
    EXPECT_EQ(Box("l1")->itemText(8), "10.00");
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(List("compressedFlange")->currentText(), "上");
    EXPECT_EQ(Child<QLabel>(&dlg, "spanLabel")->text(), "              梁跨度(m):");
    EXPECT_TRUE(Case(1)->isChecked());
    EXPECT_EQ(Case(7)->text(), "跨度中点有一侧向支承点，集中荷载作用在截面高度上任意位置");
    EXPECT_EQ(Text("r"), "0.1");
    EXPECT_FALSE(Box("r")->isEnabled());
    // Loads and plastic adaptation factors open blank, their presets in the lists.
    for (const char* name : {"mx", "my", "vy", "gammaX", "gammaY"}) {
        EXPECT_EQ(Text(name), "") << name;
    }
    EXPECT_EQ(Box("vy")->count(), 8);
    EXPECT_EQ(Box("gammaY")->itemText(1), "1.2");
    EXPECT_EQ(dlg.mx(), 0);
    EXPECT_EQ(Text("b1"), "200.00");
    EXPECT_EQ(Text("b2"), "350.00");
    EXPECT_EQ(Text("hw"), "1100.00");
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(), ":/pictures/beam_stability.svg");
    EXPECT_TRUE(Report().empty());
}

TEST_F(BeamStabilityDlgTest, SeriesSwitchRefillsAndEnables) {
    Choose(List("series"), 2);
    EXPECT_EQ(List("section")->count(), 25);
    EXPECT_EQ(List("section")->currentText(), "HN175x90");
    Choose(List("series"), 1);
    EXPECT_EQ(List("section")->count(), 11);
    EXPECT_EQ(List("section")->currentText(), "HM194x150");
    Choose(List("series"), 3);
    EXPECT_FALSE(List("section")->isEnabled());
    EXPECT_TRUE(Child<QGroupBox>(&dlg, "weldedGroup")->isEnabled());
    Choose(List("series"), 0);
    EXPECT_TRUE(List("section")->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>(&dlg, "weldedGroup")->isEnabled());
    EXPECT_EQ(List("section")->currentText(), "HW100x100");
}

TEST_F(BeamStabilityDlgTest, FlangeMirroring) {
    Choose(List("series"), 3);
    Type(Box("b1"), "260");
    EXPECT_EQ(Text("b2"), "260");
    EXPECT_EQ(dlg.b2(), 260);
    Choose(Box("b2"), 2);
    EXPECT_EQ(Text("b1"), "370.00");
    EXPECT_EQ(dlg.b1(), 370);
    Choose(Box("t1"), 3);
    EXPECT_EQ(Text("t2"), "19.00");
    EXPECT_EQ(dlg.t2(), 19);
    // t2, Tw and H change only themselves.
    Type(Box("t2"), "22");
    EXPECT_EQ(dlg.t1(), 19);
    EXPECT_EQ(dlg.t2(), 22);
    Type(Box("tw"), "14");
    Choose(Box("hw"), 3);
    EXPECT_EQ(dlg.tw(), 14);
    EXPECT_EQ(dlg.hw(), 1400);
    EXPECT_EQ(dlg.b1(), 370);
    EXPECT_EQ(dlg.t1(), 19);
}

TEST_F(BeamStabilityDlgTest, LoadCasesSwitchTheSpanLabelAndTheRatio) {
    QLabel* label = Child<QLabel>(&dlg, "spanLabel");
    Click(Case(5));
    EXPECT_EQ(label->text(), "受压翼缘侧向支承点的距离(m)");
    EXPECT_FALSE(Box("r")->isEnabled());
    Click(Case(10));
    EXPECT_TRUE(Box("r")->isEnabled());
    EXPECT_EQ(dlg.loadCase(), 10);
    Choose(Box("r"), 7);
    EXPECT_EQ(dlg.r(), -0.4);
    Click(Case(4));
    EXPECT_EQ(label->text(), "              梁跨度(m):");
    EXPECT_FALSE(Box("r")->isEnabled());
}

TEST_F(BeamStabilityDlgTest, RolledSectionReportMatchesTheRunner) {
    Choose(List("series"), 2);
    Choose(List("section"), 24); // HN800x300
    EXPECT_EQ(List("section")->currentText(), "HN800x300");
    Choose(Box("l1"), 4); // 6.00
    Choose(List("grade"), 1);
    TypeLoads();
    Click(Case(3));
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    const std::string report = Report();
    EXPECT_EQ(report.substr(0, report.find("iy=")),
              "   -------根据GB50017-2003附录 表B-1------\r\n"
              " ξ=l1*t1/(b1*h)=6000.00*26.00/(300.00*800.00) =0.65\r\n"
              "   ξ<2.0,  跨中无侧向支承，集中荷载作用在上翼缘\r\n"
              "βb=   0.73+0.18*ξ = 0.73+0.18*0.65= 0.847\r\n");
    EXPECT_NE(report.find("得φb`=0.807\r\n"), std::string::npos);
    const test::CliRun run =
        test::Call({"beam-stability", "series=马钢窄翼缘HN系列", "name=HN800x300", "l1=6.00",
                    "grade=Q345", "Mx=1500", "My=20", "gamma-x=1.05", "gamma-y=1.2", "case=3"});
    EXPECT_EQ(run.out, cli::ToUnixLines(report) + "\n");
    test::SaveScreenshot(&dlg, "beam_stability_rolled");
}

TEST_F(BeamStabilityDlgTest, WeldedSectionCaseTenThroughTheWidgets) {
    Choose(List("series"), 3);
    Choose(Box("b1"), 4); // 240, mirrored into B2
    Choose(Box("t1"), 2); // 18, mirrored into t2
    Choose(Box("hw"), 1); // 1200
    Choose(Box("tw"), 2); // 12
    Type(Box("l1"), "8");
    Type(Box("mx"), "800");
    Choose(Box("my"), 0); // 0.00
    Choose(Box("gammaX"), 0);
    Choose(Box("gammaY"), 1);
    Click(Case(10));
    Choose(Box("r"), 7); // -0.4
    Compute();
    ASSERT_TRUE(notices.notices().empty());
    // βb 2.218; A 23040, λy 188.17 as in the welded unit case; φb = 2.218/1.40·0.718 = 1.137.
    const std::string report = Report();
    EXPECT_EQ(report.substr(0, report.find("截面面积")),
              " 梁端有弯矩，但跨中无荷载作用\r\nβb== 2.218\r\niy=42.51mm\t长细比 λy=188.17\r\n");
    EXPECT_NE(report.find("=1.137,\r\n φb>0.6,按附录 B.2 式 得φb`=0.822\r\n"), std::string::npos);
    EXPECT_NE(report.find("Mx/(γx*Wnx) +My/(γy*Wny)=95.46N/mm2"), std::string::npos);
    EXPECT_NE(report.find("Mx/(φb*Wx) +My/(γy*Wy)=121.92N/mm2"), std::string::npos);
    const test::CliRun run =
        test::Call({"beam-stability", "series=焊接工字钢", "B1=240.00", "B2=240.00", "t1=18.00",
                    "t2=18.00", "H=1200.00", "Tw=12.00", "l1=8", "Mx=800", "My=0.00",
                    "gamma-x=1.05", "gamma-y=1.2", "case=10", "r=-0.4"});
    EXPECT_EQ(run.out, cli::ToUnixLines(report) + "\n");
    test::SaveScreenshot(&dlg, "beam_stability_welded");
}

TEST_F(BeamStabilityDlgTest, UnequalFlangeThicknessesFollowTheCompressedFlangeChoice) {
    // B1 = B2 = 300, t1 = 10, t2 = 20 (typed after the mirroring), web 800 x 8, l1 = 6 m, case 1,
    // Mx = 400, Q235: the top flange compressed gives 107.37 and 145.63 (ηb = −0.33), the bottom
    // one 107.37 and 90.24 (ηb = 0.27); f = 205 of the 20 mm flange.
    Choose(List("series"), 3);
    Type(Box("b1"), "300");
    Type(Box("t1"), "10");
    Type(Box("t2"), "20");
    Type(Box("hw"), "800");
    Type(Box("tw"), "8");
    Choose(Box("l1"), 4); // 6.00
    Type(Box("mx"), "400");
    Choose(Box("my"), 0);
    Choose(Box("gammaX"), 0);
    Choose(Box("gammaY"), 1);
    Compute();
    ASSERT_TRUE(notices.notices().empty());
    auto* report = Child<ReportBox>(&dlg, "report");
    std::string text = Report();
    EXPECT_NE(text.find("截面不对称影响系数 ηb=-0.33\r\n"), std::string::npos);
    EXPECT_NE(text.find("Mx/(γx*Wnx) +My/(γy*Wny)=107.37N/mm2"), std::string::npos);
    EXPECT_NE(text.find("Mx/(φb*Wx) +My/(γy*Wy)=145.63N/mm2"), std::string::npos);
    EXPECT_EQ(report->VerdictLines(),
              QStringList({"抗弯强度 [Mx/(γx*Wnx)+My/(γy*Wny)]/f = 0.52  满足",
                           "整体稳定 [Mx/(φb*Wx)+My/(γy*Wy)]/f = 0.71  满足"}));
    const std::vector<std::string> args = {"beam-stability", "series=焊接工字钢",
                                           "B1=300",         "B2=300",
                                           "t1=10",          "t2=20",
                                           "H=800",          "Tw=8",
                                           "l1=6.00",        "Mx=400",
                                           "My=0.00",        "gamma-x=1.05",
                                           "gamma-y=1.2"};
    EXPECT_EQ(test::Call(args).out, cli::ToUnixLines(text) + "\n");

    Choose(List("compressedFlange"), 1); // 下
    Compute();
    text = Report();
    EXPECT_NE(text.find("受压翼缘厚度 t1=20.00mm\r\n截面不对称影响系数 ηb=0.27\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Mx/(φb*Wx) +My/(γy*Wy)=90.24N/mm2"), std::string::npos);
    EXPECT_EQ(report->VerdictLines(),
              QStringList({"抗弯强度 [Mx/(γx*Wnx)+My/(γy*Wny)]/f = 0.52  满足",
                           "整体稳定 [Mx/(φb*Wx)+My/(γy*Wy)]/f = 0.44  满足"}));
    std::vector<std::string> bottom = args;
    bottom.push_back("compressed-flange=下");
    EXPECT_EQ(test::Call(bottom).out, cli::ToUnixLines(text) + "\n");
}

TEST_F(BeamStabilityDlgTest, RefusalsKeepThePreviousReport) {
    TypeLoads();
    Compute();
    const std::string first = Report();
    ASSERT_FALSE(first.empty());
    Type(Box("gammaX"), "");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], InputError("截面塑性发展系数γx必须是大于0的数"));
    EXPECT_EQ(Report(), first);
    Type(Box("gammaX"), "1.05");
    Type(Box("l1"), "0");
    Compute();
    ASSERT_EQ(notices.notices().size(), 2u);
    EXPECT_EQ(notices.notices()[1], InputError("梁跨度必须是大于0的数"));
    EXPECT_EQ(Report(), first);
    // Twice the same inputs, the same report.
    Type(Box("l1"), "2");
    Compute();
    EXPECT_EQ(Report(), first);
}

TEST_F(BeamStabilityDlgTest, Edition2017FillsTheFactorsTheClassAllowsAndRefusesLarger) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    Type(Box("mx"), "50");
    Type(Box("my"), "0");
    // HW100x100 is S1: the boxes open on 1.05 and 1.2 as soon as 2017 is chosen.
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(Text("gammaX"), "1.05");
    EXPECT_EQ(Text("gammaY"), "1.2");
    Compute();
    EXPECT_EQ(Report().rfind("钢号Q235，εk=sqrt(235/fy)=1.000", 0), 0u) << Report();
    EXPECT_NE(Report().find("截面等级S1\r\n"), std::string::npos);
    EXPECT_NE(Report().find("根据GB50017-2017附录C 表C.0.1"), std::string::npos);
    EXPECT_EQ(Report().find("2003"), std::string::npos);
    // The welded plates of the opening (web 1100/10 = 110): S4, 1.0 both.
    Pick(List("series"), "焊接工字钢");
    EXPECT_EQ(Text("gammaX"), "1.0");
    EXPECT_EQ(Text("gammaY"), "1.0");
    Type(Box("l1"), "6");
    Type(Box("mx"), "500");
    Compute();
    const CliRun run = Call({"beam-stability", "edition=2017", "series=焊接工字钢", "l1=6",
                             "Mx=500", "My=0", "gamma-x=1.0", "gamma-y=1.0"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Report()) + "\n");
    EXPECT_NE(Report().find("截面等级S4\r\n按6.1.2条，S4级截面γx不大于1.00、γy不大于1.00"),
              std::string::npos);
    const std::string s4 = Report();
    // A larger factor typed by hand is refused, naming the class; the report stays.
    Type(Box("gammaX"), "1.05");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0],
              InputError("截面等级为S4，按GB50017-2017第6.1.2条γx不应大于1.00"));
    EXPECT_EQ(Report(), s4);
    // A thicker web (1100/12 = 91.67 <= 93) makes it S3; Q345 (93εk = 76.76) S4 again; the
    // 10 mm web in Q345 (110 > 124εk = 102.34) S5, which is refused.
    Type(Box("tw"), "12");
    EXPECT_EQ(Text("gammaX"), "1.05");
    EXPECT_EQ(Text("gammaY"), "1.2");
    Pick(List("grade"), "Q345");
    EXPECT_EQ(Text("gammaX"), "1.0");
    Choose(Box("tw"), 0);
    Compute();
    ASSERT_EQ(notices.notices().size(), 2u);
    EXPECT_EQ(notices.notices()[1], InputError("截面等级为S5，应按有效截面计算"));
    EXPECT_EQ(Report(), s4);
    // A dialog opened later opens on 2017 with the factors of its opening section.
    CBeamStabilityDlg again;
    EXPECT_EQ(Child<ChoiceList>(&again, "edition")->currentText(), "GB50017-2017");
    EXPECT_EQ(Child<ValueCombo>(&again, "gammaX")->currentText(), "1.05");
    EXPECT_EQ(Child<ValueCombo>(&again, "gammaY")->currentText(), "1.2");
    EXPECT_EQ(again.gammaX(), 1.05);
    // Back to 2003: the boxes keep what they show and the report cites 2003.
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(Text("gammaX"), "1.0");
    Compute();
    EXPECT_EQ(Report().rfind("   -------根据GB50017-2003附录 表B-1------", 0), 0u);
}

TEST(BeamMenuCommands, OpenTheirDialogs) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    const std::pair<int, QString> commands[] = {
        {cmd::kWeldedBeamStability, "焊接工字形等截面简支梁、轧制H型钢简支梁整体稳定验算"},
        {cmd::kRolledIBeamStability, "轧制普通工字钢简支梁的φb"},
        {cmd::kChannelBeamStability, "轧制槽钢简支梁整体稳定系数"},
    };
    for (const auto& [command, caption] : commands) {
        QAction* action = app.mainFrame()->ActionFor(command);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        EXPECT_EQ(WhileModal([&] { action->trigger(); }), caption);
    }
}

} // namespace
