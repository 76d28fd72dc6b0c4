#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/joints/TubeJointDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

using TubeJointDlgTest = DialogFixture<CTubeJointDlg>;

TEST_F(TubeJointDlgTest, OpensOnTheXJoint) {
    EXPECT_EQ(dlg.windowTitle(), "钢管节点");
    EXPECT_EQ(Items(List("joint")), (Texts{"X形节点", "T形(Y形)节点", "K形间隙节点"}));
    EXPECT_EQ(Box("D")->currentText(), "245");
    EXPECT_TRUE(List("force")->isEnabled());
    EXPECT_FALSE(Box("d2")->isEnabled());
    EXPECT_FALSE(Box("a")->isEnabled());
    EXPECT_EQ(Picture(), ":/pictures/tube_joint_x.svg");
    Compute();
    EXPECT_EQ(Report(), RunnerReport("tube-joint", {}));
    EXPECT_EQ(VerdictLines(),
              (QStringList{"支管轴力 N/NcX = 0.75  满足", "支管焊缝 N/Nf = 0.32  满足"}));
    EXPECT_TRUE(notices.notices().empty());
    test::SaveScreenshot(&dlg, "tube-joint-x-dialog");
}

TEST_F(TubeJointDlgTest, JointKindSwitchesInputsAndPicture) {
    Pick(List("joint"), "T形(Y形)节点");
    EXPECT_EQ(Picture(), ":/pictures/tube_joint_t.svg");
    test::SaveScreenshot(&dlg, "tube-joint-t-dialog");
    EXPECT_FALSE(Box("N2")->isEnabled());
    Pick(List("joint"), "K形间隙节点");
    EXPECT_EQ(Picture(), ":/pictures/tube_joint_k.svg");
    EXPECT_FALSE(List("force")->isEnabled());
    EXPECT_TRUE(Box("d2")->isEnabled());
    EXPECT_TRUE(Box("a")->isEnabled());
    // The K joint of the unit test, typed and chosen into the boxes.
    Choose(Box("D"), 2);
    Choose(Box("t"), 1);
    Choose(Box("d1"), 2);
    Choose(Box("theta1"), 1);
    Type(Box("N1"), "300");
    Type(Box("N2"), "300");
    Choose(Box("sigma"), 1);
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Report(), RunnerReport("tube-joint", {"joint=K形间隙节点", "D=273", "t=10", "d1=140",
                                                    "theta1=45", "N1=300", "N2=300", "sigma=120"}));
    EXPECT_EQ(VerdictLines().back(), "受拉支管焊缝 N2/Nf2 = 1.07  不满足");
    test::SaveScreenshot(&dlg, "tube-joint-dialog");
    Pick(List("joint"), "X形节点");
    EXPECT_TRUE(List("force")->isEnabled());
    EXPECT_FALSE(Box("d2")->isEnabled());
}

TEST_F(TubeJointDlgTest, ChoicesReachTheReport) {
    Pick(List("joint"), "T形(Y形)节点");
    Pick(List("grade"), "Q345");
    Pick(List("force"), "受拉");
    Choose(Box("theta1"), 2);
    Choose(Box("hf"), 2);
    Compute();
    EXPECT_EQ(Report(), RunnerReport("tube-joint", {"joint=T形(Y形)节点", "grade=Q345",
                                                    "force=受拉", "theta1=90", "hf=8"}));
    EXPECT_NE(Report().find("受拉支管（β≤0.6）：NtT=1.4*NcT="), std::string::npos);
}

// The edition through the "规范版本" list reaches the report; a dialog built after opens on it.
TEST_F(TubeJointDlgTest, Edition2017ReachesTheReport) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    Pick(List("grade"), "Q345");
    Pick(List("edition"), "GB50017-2017");
    Compute();
    EXPECT_EQ(Report(), RunnerReport("tube-joint", {"edition=2017", "grade=Q345"}));
    EXPECT_NE(Report().find("f=305.00N/mm2，fy=345.00N/mm2（表4.4.1）"), std::string::npos);
    EXPECT_NE(Report().find("（第13.3.2条）"), std::string::npos);
    EXPECT_EQ(Report().find("10."), std::string::npos);
    {
        CTubeJointDlg next;
        EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
        EXPECT_EQ(next.Input().edition, kSteel2017);
    }
    Pick(List("edition"), "GB50017-2003");
    Compute();
    EXPECT_EQ(Report(), RunnerReport("tube-joint", {"grade=Q345"}));
}

TEST_F(TubeJointDlgTest, RefusalKeepsThePreviousReport) {
    Compute();
    const std::string opening = Report();
    ASSERT_FALSE(opening.empty());
    const std::initializer_list<Refusal> refusals = {
        {"D", "", "主管和支管的外径、壁厚及焊脚尺寸hf必须大于0"},
        {"theta1", "20", "支管轴线与主管轴线的夹角θ1=20.00°"},
        {"t1", "9", "支管壁厚t1=9.00mm大于主管壁厚t=8.00mm"},
        {"N1", "-1", "支管轴力N必须大于0"},
    };
    RefuseEach(refusals, opening);
    const std::size_t count = refusals.size();
    // The gap counts for the K joint only.
    Pick(List("joint"), "K形间隙节点");
    Type(Box("a"), "5");
    Compute();
    ASSERT_EQ(notices.notices().size(), count + 1);
    EXPECT_EQ(notices.notices().back().text.rfind("两支管间的间隙a=5.00mm小于t1+t2=12.00mm", 0),
              0u);
    EXPECT_EQ(Report(), opening);
    Pick(List("joint"), "X形节点");
    Compute();
    EXPECT_EQ(notices.notices().size(), count + 1);
    EXPECT_EQ(Report(), opening);
}

// "节点设计" > "钢管节点" opens the dialog.
TEST(TubeJointMenu, OpensFromTheMainMenu) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    const QString caption =
        WhileModal([&] { app.mainFrame()->ActionFor(cmd::kTubeJoint)->trigger(); });
    EXPECT_EQ(caption, "钢管节点");
}

} // namespace
