#include <gtest/gtest.h>

#include <QAction>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/joints/SecondaryBeamJointDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

using SecondaryBeamJointDlgTest = DialogFixture<CSecondaryBeamJointDlg>;

TEST_F(SecondaryBeamJointDlgTest, OpensOnTheDescribedValues) {
    EXPECT_EQ(dlg.windowTitle(), "主次梁连接");
    EXPECT_EQ(List("boltKind")->SelectedText(), "摩擦型高强螺栓");
    EXPECT_EQ(Items(List("boltGrade")), (Texts{"8.8", "10.9"}));
    EXPECT_EQ(List("boltGrade")->SelectedText(), "10.9");
    EXPECT_EQ(List("diameter")->SelectedText(), "M20");
    EXPECT_EQ(List("n")->SelectedText(), "3");
    EXPECT_TRUE(List("surface")->isEnabled());
    EXPECT_FALSE(Box("tw")->isEnabled());
    EXPECT_FALSE(Box("ts")->isEnabled());
    EXPECT_EQ(Picture(), ":/pictures/secondary_beam_joint.svg");
    EXPECT_TRUE(Report().empty());
    Compute();
    EXPECT_EQ(Report(), RunnerReport("secondary-beam-joint", {}));
    EXPECT_EQ(VerdictLines(),
              (QStringList{"螺栓剪力 N/Nvb = 0.82  满足", "加劲肋焊缝应力 σfs/ffw = 0.42  满足"}));
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(SecondaryBeamJointDlgTest, BoltKindSwapsTheGradesAndTheInputsItUses) {
    Pick(List("boltKind"), "普通螺栓");
    EXPECT_EQ(Items(List("boltGrade")), (Texts{"4.6", "4.8"}));
    EXPECT_EQ(List("boltGrade")->SelectedText(), "4.6");
    EXPECT_FALSE(List("surface")->isEnabled());
    EXPECT_TRUE(Box("tw")->isEnabled());
    EXPECT_TRUE(Box("ts")->isEnabled());
    Compute();
    // Nvb = 43.98 < 51.52: fails.
    EXPECT_EQ(Report(),
              RunnerReport("secondary-beam-joint", {"bolt-kind=普通螺栓", "bolt-grade=4.6"}));
    EXPECT_EQ(VerdictLines().front(), "螺栓剪力 N/Nb = 1.17  不满足");
    Pick(List("boltKind"), "摩擦型高强螺栓");
    EXPECT_EQ(Items(List("boltGrade")), (Texts{"8.8", "10.9"}));
    EXPECT_FALSE(Box("tw")->isEnabled());
}

TEST_F(SecondaryBeamJointDlgTest, TypedAndChosenValuesReachTheReport) {
    Pick(List("grade"), "Q345");
    Pick(List("boltGrade"), "8.8");
    Pick(List("diameter"), "M22");
    Choose(List("surface"), 3);
    Choose(Box("clearance"), 1);
    Pick(List("n"), "4");
    Choose(Box("p"), 1);
    Type(Box("e"), "65");
    Choose(Box("V"), 1);
    Choose(Box("hf"), 1);
    Type(Box("l"), "380");
    Choose(Box("betaF"), 1);
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Report(),
              RunnerReport("secondary-beam-joint",
                           {"grade=Q345", "bolt-grade=8.8", "d=M22",
                            "surface=钢丝刷清除浮锈或未经处理的干净轧制表面", "clearance=2.0",
                            "n=4", "p=80", "e=65", "V=150.00", "hf=8", "l=380", "betaF=1.0"}));
    // M22 8.8 (P 150), Q345 wire-brushed (μ 0.35): Nvb = 0.9·0.35·150 = 47.25.
    EXPECT_NE(Report().find("Nvb=0.9*nf*μ*P=47.25kN"), std::string::npos);
    test::SaveScreenshot(&dlg, "secondary-beam-joint-dialog");
}

TEST_F(SecondaryBeamJointDlgTest, RefusalKeepsThePreviousReport) {
    Compute();
    const std::string opening = Report();
    ASSERT_FALSE(opening.empty());
    const std::initializer_list<Refusal> refusals = {
        {"V", "", "梁端剪力设计值V必须大于0"},
        {"e", "-5", "偏心距e必须大于0"},
        {"p", "60", "螺栓间距p=60.00mm小于3d0=64.50mm，不符合GB50017-2003表8.3.4的规定"},
        {"hf", "", "焊脚尺寸hf和焊缝长度l必须大于0"},
    };
    const std::vector<Notice> shown = RefuseEach(refusals, opening);
    // Each message is the whole text, an input error.
    ASSERT_EQ(shown.size(), refusals.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i], InputError(refusals.begin()[i].start)) << refusals.begin()[i].box;
    }
    Compute();
    EXPECT_EQ(notices.notices().size(), refusals.size());
    EXPECT_EQ(Report(), opening);
}

// The 2017 edition through the "规范版本" list: the surfaces of table 11.4.2-1, the pick carried
// over (喷砂(丸) becomes 抛丸(喷砂)), and the runner's 2017 report.
TEST_F(SecondaryBeamJointDlgTest, Edition2017RefillsTheSurfaces) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(List("surface")->SelectedText(), "喷砂(丸)");
    Pick(List("grade"), "Q345");
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(Items(List("surface")), (Texts{"喷硬质石英砂或铸钢棱角砂", "抛丸(喷砂)",
                                             "钢丝刷清除浮锈或未经处理的干净轧制面"}));
    EXPECT_EQ(List("surface")->SelectedText(), "抛丸(喷砂)");
    Compute();
    EXPECT_EQ(Report(), RunnerReport("secondary-beam-joint",
                                     {"edition=2017", "grade=Q345", "surface=抛丸(喷砂)"}));
    EXPECT_NE(Report().find("Nvb=0.9*k*nf*μ*P=55.80kN（式11.4.2-1"), std::string::npos);
    EXPECT_EQ(Report().find("7.2.2"), std::string::npos);
    // The wire brush goes back to the 2003 wire brush.
    Pick(List("surface"), "钢丝刷清除浮锈或未经处理的干净轧制面");
    {
        CSecondaryBeamJointDlg next;
        EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
        EXPECT_EQ(Child<ChoiceList>(&next, "surface")->currentText(), "抛丸(喷砂)");
        EXPECT_EQ(next.Input().edition, kSteel2017);
    }
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(Items(List("surface")).size(), 4u);
    EXPECT_EQ(List("surface")->SelectedText(), "钢丝刷清除浮锈或未经处理的干净轧制表面");
    Compute();
    EXPECT_EQ(Report(),
              RunnerReport("secondary-beam-joint",
                           {"grade=Q345", "surface=钢丝刷清除浮锈或未经处理的干净轧制表面"}));
}

// "节点设计" > "主次梁连接" opens the dialog.
TEST(SecondaryBeamJointMenu, OpensFromTheMainMenu) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    QString e;
    const QString caption =
        WhileModal([&] { app.mainFrame()->ActionFor(cmd::kSecondaryBeam)->trigger(); },
                   [&](QWidget* modal) { e = modal->findChild<ValueCombo*>("e")->currentText(); });
    EXPECT_EQ(caption, "主次梁连接");
    EXPECT_EQ(e, "55");
}

} // namespace
