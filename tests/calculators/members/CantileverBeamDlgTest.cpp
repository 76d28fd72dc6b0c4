#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QRadioButton>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/members/CantileverBeamDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"
#include "ui/RadioGroup.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class CantileverBeamDlgTest : public DialogFixture<CCantileverBeamDlg> {
protected:
    QString Text(const char* name) { return Box(name)->currentText(); }
    QRadioButton* Case(int loadCase) {
        return Child<QRadioButton>(&dlg, QStringLiteral("loadCase_%1").arg(loadCase - 1));
    }
    QGroupBox* Welded() { return Child<QGroupBox>(&dlg, "weldedGroup"); }
    QString caseGroupTitle() { return Child<RadioGroup>(&dlg, "loadCase")->title(); }
};

TEST_F(CantileverBeamDlgTest, OpeningState) {
    EXPECT_EQ(dlg.windowTitle(), "双轴对称工字形等截面悬臂梁整体稳定验算");
    EXPECT_EQ(List("series")->currentText(), "马钢宽翼缘HW系列");
    EXPECT_EQ(List("series")->count(), 4);
    EXPECT_EQ(List("section")->currentText(), "HW100x100");
    EXPECT_TRUE(List("section")->isEnabled());
    EXPECT_FALSE(Welded()->isEnabled());
    EXPECT_EQ(Text("b"), "200.00");
    EXPECT_EQ(Text("t"), "16.00");
    EXPECT_EQ(Text("hw"), "368.00");
    EXPECT_EQ(Text("tw"), "8.00");
    EXPECT_EQ(Text("l1"), "1.00");
    EXPECT_EQ(Text("mx"), "10.00");
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_TRUE(Case(1)->isChecked());
    EXPECT_EQ(Case(2)->text(), "自由端一个集中荷载作用在下翼缘");
    EXPECT_EQ(Case(3)->text(), "均布荷载作用在上翼缘");
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(), ":/pictures/cantilever_beam.svg");
    EXPECT_TRUE(Report().empty());
}

TEST_F(CantileverBeamDlgTest, SeriesSwitchRefillsAndEnables) {
    Pick(List("series"), "马钢窄翼缘HN系列");
    EXPECT_EQ(List("section")->count(), 25);
    EXPECT_EQ(List("section")->currentText(), "HN175x90");
    Pick(List("series"), "焊接工字钢");
    EXPECT_FALSE(List("section")->isEnabled());
    EXPECT_TRUE(Welded()->isEnabled());
    Pick(List("series"), "马钢中翼缘HM系列");
    EXPECT_TRUE(List("section")->isEnabled());
    EXPECT_FALSE(Welded()->isEnabled());
    EXPECT_EQ(List("section")->currentText(), "HM194x150");
}

TEST_F(CantileverBeamDlgTest, RolledSectionThroughTheWidgetsMatchesTheRunner) {
    // HN400x200 (h 400, b 200, tf 13, A 84.12 cm2, iy 4.54 cm, Wx 1190 cm3), l1 = 5 m, uniform
    // load on the top flange, Q235, Mx = 100: ξ = 5000·13/(200·400) = 0.8125, βb = 0.62 +
    // 0.82·0.8125 = 1.286, λy = 5000/45.4 = 110.13, φb = 1.670, φ'b = 0.901,
    // σ = 100e6/(0.90112·1190000) = 93.25 <= 215.
    Pick(List("series"), "马钢窄翼缘HN系列");
    Pick(List("section"), "HN400x200");
    Pick(Box("l1"), "5.00");
    Click(Case(3));
    Pick(Box("mx"), "100.00");
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    const std::string report = Report();
    EXPECT_EQ(report.substr(report.find(" ξ="), report.find("注：") - report.find(" ξ=")),
              " ξ=l1*t1/(b1*h)=5000.00*13.00/(200.00*400.00) =0.812\r\n"
              "   0.60≤ξ≤1.24,  均布荷载作用在上翼缘\r\n"
              "βb=0.62+0.82*ξ = 0.62+0.82*0.812= 1.286\r\n"
              "长细比 λy=l1/iy=5000.00/45.40=110.13\r\n"
              " 按附B.1-1式(ηb=0)，φb=βb*4320*A*h*(1+(λy*t1/(4.4*h))^2)^0.5*235/(fy*Wx*λy^2) "
              "=1.670,\r\n"
              " φb>0.6,按附录 B.1-2 式 得φb`=1.07-0.282/φb=0.901\r\n"
              " -------根据GB50017-2003之4.2.2，该悬臂梁整体稳定性验算 Mx/(φb*Wx)=93.25N/mm2, "
              "f=215.00N/mm2\r\n ");
    EXPECT_EQ(Child<ReportBox>(&dlg, "report")->VerdictLines(),
              QStringList({"整体稳定 Mx/(φb*Wx)/f = 0.43  满足"}));
    const CliRun run = Call({"cantilever-phib", "series=马钢窄翼缘HN系列", "name=HN400x200",
                             "l1=5.00", "case=3", "Mx=100.00"});
    EXPECT_EQ(run.out, cli::ToUnixLines(report) + "\n");
    SaveScreenshot(&dlg, "cantilever_beam_rolled");
}

TEST_F(CantileverBeamDlgTest, WeldedSectionFailsItsCheck) {
    // The 200 x 16 + 368 x 8 welded I at l1 = 4 m, point load on the top flange, Mx = 300:
    // σ = 249.14 > 215 (see the unit test).
    Pick(List("series"), "焊接工字钢");
    Pick(Box("l1"), "4.00");
    Pick(Box("mx"), "300.00");
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_NE(Report().find("Mx/(φb*Wx)=249.14N/mm2, f=215.00N/mm2"), std::string::npos);
    EXPECT_EQ(Child<ReportBox>(&dlg, "report")->VerdictLines(),
              QStringList({"整体稳定 Mx/(φb*Wx)/f = 1.16  不满足"}));
    const CliRun run = Call({"cantilever-phib", "series=焊接工字钢", "l1=4.00", "Mx=300.00"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Report()) + "\n");
    // Thicker flanges typed: 250 x 20 with a 560 x 10 web at 6 m passes with f = 205.
    Type(Box("b"), "250");
    Type(Box("t"), "20");
    Type(Box("hw"), "560");
    Type(Box("tw"), "10");
    Pick(Box("l1"), "6.00");
    Compute();
    EXPECT_NE(Report().find("Mx/(φb*Wx)=112.59N/mm2, f=205.00N/mm2"), std::string::npos);
    EXPECT_EQ(Child<ReportBox>(&dlg, "report")->VerdictLines(),
              QStringList({"整体稳定 Mx/(φb*Wx)/f = 0.55  满足"}));
    SaveScreenshot(&dlg, "cantilever_beam_welded");
}

TEST_F(CantileverBeamDlgTest, RefusalsKeepThePreviousReport) {
    Compute();
    const std::string first = Report();
    ASSERT_FALSE(first.empty());
    struct Step {
        const char* box;
        const char* text;
        const char* message;
    };
    const Step steps[] = {
        {"l1", "0.5", "ξ=l1*t1/(b1*h)=0.400，超出表B.4的适用范围0.60≤ξ≤3.10，规范没有给出βb"},
        {"l1", "4", "ξ=l1*t1/(b1*h)=3.200，超出表B.4的适用范围0.60≤ξ≤3.10，规范没有给出βb"},
        {"l1", "", "悬伸长度l1必须是大于0的数"},
        {"mx", "", "弯矩Mx必须是大于0的数(输入支座截面弯矩的绝对值)"},
    };
    std::size_t shown = 0;
    for (const Step& step : steps) {
        Type(Box("l1"), "1");
        Type(Box("mx"), "10");
        Type(Box(step.box), step.text);
        Compute();
        ASSERT_EQ(notices.notices().size(), ++shown) << step.message;
        EXPECT_EQ(notices.notices().back(), InputError(step.message));
        EXPECT_EQ(Report(), first) << step.message;
    }
    Pick(List("series"), "焊接工字钢");
    Type(Box("tw"), "0");
    Compute();
    ASSERT_EQ(notices.notices().size(), ++shown);
    EXPECT_EQ(notices.notices().back(),
              InputError("焊接工字钢的截面尺寸B、t、hw、tw必须是大于0的数"));
    EXPECT_EQ(Report(), first);
}

TEST_F(CantileverBeamDlgTest, Edition2017ThroughTheListMatchesTheRunnerAndIsRemembered) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    EXPECT_EQ(caseGroupTitle(), "荷载情况(表B.4)");
    // The welded I of the unit test in Q345 at 4 m, Mx = 300: σ = 274.37 <= f = 305 (table
    // 4.4.1, 16 mm), where 2003 compares it with 310.
    Pick(List("series"), "焊接工字钢");
    Pick(Box("l1"), "4.00");
    Pick(Box("mx"), "300.00");
    Pick(List("grade"), "Q345");
    Compute();
    EXPECT_NE(Report().find("Mx/(φb*Wx)=274.37N/mm2, f=310.00N/mm2"), std::string::npos);
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(caseGroupTitle(), "荷载情况(表C.0.4)");
    Compute();
    EXPECT_EQ(Report().rfind("   -------根据GB50017-2017附录C.0.4 表C.0.4------\r\n钢号Q345，", 0),
              0u)
        << Report();
    EXPECT_NE(Report().find("Mx/(φb*Wx)=274.37N/mm2, f=305.00N/mm2"), std::string::npos);
    EXPECT_EQ(Report().find("2003"), std::string::npos);
    EXPECT_EQ(Child<ReportBox>(&dlg, "report")->VerdictLines(),
              QStringList({"整体稳定 Mx/(φb*Wx)/f = 0.90  满足"}));
    const CliRun run = Call({"cantilever-phib", "edition=2017", "series=焊接工字钢", "grade=Q345",
                             "l1=4.00", "Mx=300.00"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Report()) + "\n");
    // A dialog built after the choice opens on 2017.
    CCantileverBeamDlg again;
    EXPECT_EQ(Child<ChoiceList>(&again, "edition")->currentText(), "GB50017-2017");
    EXPECT_EQ(Child<RadioGroup>(&again, "loadCase")->title(), "荷载情况(表C.0.4)");
    // Back to 2003: the 2003 table again.
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(caseGroupTitle(), "荷载情况(表B.4)");
}

TEST(CantileverMenuCommand, OpensItsDialog) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    QAction* action = app.mainFrame()->ActionFor(cmd::kCantileverBeam);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(WhileModal([&] { action->trigger(); }), "双轴对称工字形等截面悬臂梁整体稳定验算");
}

} // namespace
