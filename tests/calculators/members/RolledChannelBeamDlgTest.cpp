#include <gtest/gtest.h>

#include "calculators/members/RolledChannelBeamDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class RolledChannelBeamDlgTest : public DialogFixture<CRolledChannelBeamDlg> {
protected:
    std::string SectionText() { return Child<ReportBox>(&dlg, "sectionText")->Report(); }
};

TEST_F(RolledChannelBeamDlgTest, OpeningState) {
    EXPECT_EQ(dlg.windowTitle(), "轧制槽钢简支梁整体稳定系数");
    ChoiceList* channels = List("channel");
    EXPECT_EQ(channels->count(), 30);
    EXPECT_EQ(channels->currentText(), "槽5");
    EXPECT_EQ(channels->itemText(29), "槽40c");
    EXPECT_EQ(Box("l1")->currentText(), "2");
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(dlg.fy(), 235);
    // The first channel shows selected but is not loaded: nothing to compute on yet.
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(SectionText().empty());
    EXPECT_EQ(dlg.section().h, 0);
    EXPECT_TRUE(Report().empty());
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(), ":/pictures/rolled_channel.svg");
}

TEST_F(RolledChannelBeamDlgTest, ChooseComputeAndRefuse) {
    Choose(List("channel"), 0);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(SectionText(), "槽钢的参数:\r\n h\t\t    ：50.00mm\r\n b\t\t    ：37.00mm"
                             "\r\n 腹板厚度\t    ：4.50mm\r\n 翼缘厚度\t    ：7.00mm"
                             "\r\n 翼缘和腹板的平均厚度t：5.75mm");
    Compute();
    // 570·37·5.75/(2000·50) = 1.21 -> 0.84.
    EXPECT_EQ(Report(), "轧制槽钢间支梁受弯稳定系数，无论荷载的形式和荷载作用点在截面高度上的"
                        "位置，均按 \r\n phi = 570*(b*t)*235/(l1*1000.*h*fy) = 1.21\r\n phi "
                        ">0.6，按照规范，phi' = 1.07-0.282/phi 且phi'不大于1.0，所以，phi'=0.84");
    // Q390 at 3.5 m: 0.42, elastic.
    Choose(List("grade"), 2);
    EXPECT_EQ(dlg.fy(), 390);
    Type(Box("l1"), "3.5");
    Compute();
    const std::string elastic = Report();
    EXPECT_EQ(elastic.substr(elastic.size() - 6), "= 0.42");
    EXPECT_TRUE(notices.notices().empty());
    // A blank free length is refused and the report stays.
    Type(Box("l1"), "");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], InputError("自由长度必须是大于0的数"));
    EXPECT_EQ(Report(), elastic);
}

TEST_F(RolledChannelBeamDlgTest, AnotherChannelAndTheRunner) {
    Choose(List("channel"), 21); // 槽32a
    Choose(Box("l1"), 4);        // 6
    Choose(List("grade"), 1);
    Compute();
    const test::CliRun run = test::Call({"rolled-channel-phi", "name=槽32a", "l1=6", "grade=Q345"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(SectionText() + "\r\n" + Report()) + "\n");
    test::SaveScreenshot(&dlg, "rolled_channel_beam");
}

TEST_F(RolledChannelBeamDlgTest, Edition2017ReloadsTheChosenChannel) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    // Before a channel is chosen the edition changes nothing.
    Pick(List("edition"), "GB50017-2017");
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(SectionText().empty());
    Pick(List("channel"), "槽10");
    EXPECT_EQ(dlg.section().t, 8.5);
    EXPECT_NE(SectionText().find("翼缘平均厚度t\t    ：8.50mm"), std::string::npos);
    Compute();
    EXPECT_NE(Report().find("式C.0.3\r\n φb = 570*b*t/(l1*1000*h)*εk^2 = 1.16"), std::string::npos)
        << Report();
    EXPECT_NE(Report().find("按式C.0.1-7"), std::string::npos);
    // Back to 2003: the chosen channel is loaded again with the mean of web and flange.
    Pick(List("edition"), "GB50017-2003");
    EXPECT_NEAR(dlg.section().t, 6.9, 1e-6);
    EXPECT_NE(SectionText().find("翼缘和腹板的平均厚度t：6.90mm"), std::string::npos);
    Compute();
    EXPECT_NE(Report().find("= 0.94"), std::string::npos);
    // A dialog opened after a 2017 choice opens on 2017.
    Pick(List("edition"), "GB50017-2017");
    CRolledChannelBeamDlg again;
    EXPECT_EQ(Child<ChoiceList>(&again, "edition")->currentText(), "GB50017-2017");
    EXPECT_TRUE(notices.notices().empty());
}

} // namespace
