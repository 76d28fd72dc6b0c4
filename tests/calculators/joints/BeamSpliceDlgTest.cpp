#include <gtest/gtest.h>

#include <QAction>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/joints/BeamSpliceDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

using BeamSpliceDlgTest = DialogFixture<CBeamSpliceDlg>;

TEST_F(BeamSpliceDlgTest, OpensOnTheWeldedBeamByForces) {
    EXPECT_EQ(dlg.windowTitle(), "梁拼接");
    EXPECT_EQ(List("beam")->SelectedText(), "焊接工字形");
    EXPECT_FALSE(List("section")->isEnabled());
    EXPECT_TRUE(Box("B")->isEnabled());
    EXPECT_EQ(List("flange-plates")->SelectedText(), "外侧和内侧盖板");
    EXPECT_EQ(List("lines")->SelectedText(), "4");
    EXPECT_EQ(List("web-rows")->SelectedText(), "10");
    EXPECT_EQ(Picture(), ":/pictures/beam_splice.svg");
    Compute();
    EXPECT_EQ(Report(), RunnerReport("beam-splice", {}));
    EXPECT_EQ(VerdictLines().size(), 7);
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(BeamSpliceDlgTest, ChoicesSwitchTheirInputs) {
    Pick(List("method"), "按等强度设计");
    EXPECT_FALSE(Box("M")->isEnabled());
    EXPECT_FALSE(Box("V")->isEnabled());
    Pick(List("flange-plates"), "仅外侧盖板");
    EXPECT_FALSE(Box("bi")->isEnabled());
    Pick(List("beam"), "轧制H型钢");
    EXPECT_TRUE(List("section")->isEnabled());
    EXPECT_FALSE(Box("tw")->isEnabled());
    Pick(List("section"), "HN700x300");
    Choose(Box("hp"), 1);
    Pick(List("web-rows"), "5");
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Report(), RunnerReport("beam-splice", {"method=按等强度设计",
                                                     "flange-plates=仅外侧盖板", "beam=轧制H型钢",
                                                     "section=HN700x300", "hp=500", "web-rows=5"}));
    EXPECT_EQ(Report().rfind("-----截面（按等强度设计）-----\r\n轧制H型钢 HN700x300", 0), 0u);
    test::SaveScreenshot(&dlg, "beam-splice-dialog");
}

TEST_F(BeamSpliceDlgTest, TypedValuesReachTheReport) {
    Type(Box("M"), "1500");
    Pick(List("d"), "M20");
    Choose(Box("p"), 2);
    Type(Box("ea"), "55");
    Choose(Box("pv"), 1);
    Choose(Box("ph"), 2);
    Choose(Box("ew"), 2);
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Report(), RunnerReport("beam-splice", {"M=1500", "d=M20", "p=90", "ea=55", "pv=80",
                                                     "ph=90", "ew=60"}));
    // M20 10.9: P 155, Nvb = 0.9·2·0.45·155 = 125.55 kN.
    EXPECT_NE(Report().find("Nvb=0.9*nf*μ*P=125.55kN"), std::string::npos);
}

TEST_F(BeamSpliceDlgTest, RefusalKeepsThePreviousReport) {
    Compute();
    const std::string opening = Report();
    ASSERT_FALSE(opening.empty());
    RefuseEach(
        {
            {"tf", "", "焊接工字形截面的尺寸B、tf、hw、tw必须大于0"},
            {"g", "60", "翼缘螺栓线距g=60.00mm小于3d0=72.00mm"},
            {"ew", "30", "腹板螺栓端距ew=30.00mm小于2d0=48.00mm"},
            {"hp", "1100", "腹板拼接板高度hp=1100.00mm大于腹板可用高度1000.00mm"},
        },
        opening);
}

// "节点设计" > "梁拼接" opens the dialog.
// The edition through the "规范版本" list: the surfaces of table 11.4.2-1 (喷砂(丸) becomes
// 抛丸(喷砂)), the runner's 2017 report, a dialog built after opening on 2017.
TEST_F(BeamSpliceDlgTest, Edition2017RefillsTheSurfaces) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(Items(List("surface")).size(), 4u);
    Pick(List("grade"), "Q345");
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(Items(List("surface")), (Texts{"喷硬质石英砂或铸钢棱角砂", "抛丸(喷砂)",
                                             "钢丝刷清除浮锈或未经处理的干净轧制面"}));
    EXPECT_EQ(List("surface")->SelectedText(), "抛丸(喷砂)");
    Compute();
    EXPECT_EQ(Report(), RunnerReport("beam-splice", {"edition=2017", "grade=Q345"}));
    EXPECT_NE(Report().find("Nvb=0.9*k*nf*μ*P=136.80kN"), std::string::npos);
    Pick(List("surface"), "喷硬质石英砂或铸钢棱角砂");
    {
        CBeamSpliceDlg next;
        EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
        EXPECT_EQ(Child<ChoiceList>(&next, "surface")->currentText(), "抛丸(喷砂)");
        EXPECT_EQ(next.Input().edition, kSteel2017);
    }
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(List("surface")->SelectedText(), "喷砂(丸)");
    Compute();
    EXPECT_EQ(Report(), RunnerReport("beam-splice", {"grade=Q345"}));
}

TEST(BeamSpliceMenu, OpensFromTheMainMenu) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    const QString caption =
        WhileModal([&] { app.mainFrame()->ActionFor(cmd::kBeamSplice)->trigger(); });
    EXPECT_EQ(caption, "梁拼接");
}

} // namespace
