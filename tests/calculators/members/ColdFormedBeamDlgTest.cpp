#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>

#include "calculators/members/ColdFormedBeamDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class ColdFormedBeamDlgTest : public DialogFixture<CColdFormedBeamDlg> {
protected:
    std::string Properties() { return Child<ReportBox>(&dlg, "properties")->Report(); }
    QString Picture() { return Child<CBitmapPreview>(&dlg, "preview")->picture(); }
    QRadioButton* Case(int index) {
        return Child<QRadioButton>(&dlg, QStringLiteral("loadCase_%1").arg(index));
    }
};

TEST_F(ColdFormedBeamDlgTest, OpensWithTenChannelsAndComputeDisabled) {
    EXPECT_EQ(dlg.windowTitle(), "冷弯薄壁规范中受弯构件的一些参数");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "outerGroup")->title(),
              "受弯简支梁绕对称轴弯曲时的整体稳定系数（根据附录表A.2）");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "factorGroup")->title(),
              "两端及跨间侧向均为简支的受弯构件的ξ1，ξ2和μb值");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "loadCase")->title(), "弯矩作用平面内的荷载及支承情况");
    EXPECT_EQ(List("kind")->currentText(), "薄壁槽钢");
    EXPECT_EQ(List("kind")->itemText(1), "卷边槽钢(C形钢)");
    ASSERT_EQ(List("name")->count(), 10);
    EXPECT_EQ(List("name")->currentText(), "薄槽60x30x2.5");
    EXPECT_EQ(List("name")->findText("薄槽120x40x2.5"), -1);
    EXPECT_TRUE(Properties().empty());
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(Case(0)->isChecked());
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Case(i)->text(), QString::number(i + 1));
        EXPECT_EQ(
            Child<CBitmapPreview>(&dlg, QStringLiteral("loadCasePicture_%1").arg(i))->picture(),
            QStringLiteral(":/pictures/coldformed_load_case_%1.svg").arg(i + 1));
    }
    EXPECT_EQ(List("bracing")->currentText(), "跨间无侧向支承");
    EXPECT_EQ(List("bracing")->count(), 3);
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(Box("l")->currentText(), "1000.00");
    EXPECT_EQ(Box("ea")->currentText(), "0.0");
    EXPECT_EQ(Box("ea")->itemText(2), "-10.0");
    EXPECT_EQ(dlg.l(), 1000);
    EXPECT_EQ(Picture(), ":/pictures/coldformed_beam_channel.svg");
}

TEST_F(ColdFormedBeamDlgTest, NameEnablesComputeAndKindDisablesIt) {
    Choose(List("name"), 0);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(Properties().rfind("薄壁槽钢的参数:\r\n 截面积     ：2.74cm2\r\n", 0), 0u);
    EXPECT_DOUBLE_EQ(dlg.section().iy, 0.94f);
    Compute();
    EXPECT_FALSE(Report().empty());

    Click(Case(2));
    Choose(List("kind"), 2);
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(Properties().empty());
    EXPECT_TRUE(Report().empty());
    EXPECT_EQ(List("name")->count(), 12);
    EXPECT_EQ(List("name")->currentText(), "卷Z100x40x20x2.0");
    EXPECT_EQ(Picture(), ":/pictures/coldformed_beam_lipped_z.svg");
    EXPECT_EQ(dlg.loadCase(), 2); // the load case stays
    const char* const pictures[] = {"channel", "lipped_channel", "lipped_z", "light_h"};
    const int counts[] = {11, 21, 12, 45};
    for (int kind = 0; kind < 4; ++kind) {
        Choose(List("kind"), kind);
        EXPECT_EQ(List("name")->count(), counts[kind]);
        EXPECT_EQ(Picture(),
                  QStringLiteral(":/pictures/coldformed_beam_%1.svg").arg(pictures[kind]));
    }
    Choose(List("name"), 44);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(Properties().rfind("大通高频焊接轻型H型钢参数表:\r\n", 0), 0u);
}

TEST_F(ColdFormedBeamDlgTest, ReportMatchesTheRunnerAndRefusalKeepsIt) {
    Choose(List("kind"), 3);
    Choose(List("name"), 0);
    Click(Case(1));
    Choose(List("bracing"), 1);
    Choose(List("grade"), 1);
    Choose(Box("l"), 4);
    Type(Box("ea"), "-20");
    Compute();
    const std::string report = Report();
    EXPECT_NE(report.find("=1.136\r\n φbx >0.7 ,按照A.2.1-4，φ'bx =1.091 - 0.274/φbx =0.850"),
              std::string::npos);
    const auto run =
        test::Call({"coldformed-beam", "kind=大通薄壁H型钢", "name=大通H100x50x2.3x3.2", "case=2",
                    "bracing=跨中设一道侧向支承", "grade=Q345", "l=3000.00", "ea=-20"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Properties() + "\r\n\r\n" + report) + "\n");
    test::SaveScreenshot(&dlg, "coldformed-beam-dialog");

    Type(Box("l"), "0");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], InputError("梁的跨度l必须是大于0的数"));
    EXPECT_EQ(Report(), report);
}

TEST_F(ColdFormedBeamDlgTest, EaAboveOrBelowTheShearCentre) {
    Choose(List("kind"), 1);
    Choose(List("name"), 0);
    Choose(Box("l"), 4);
    Choose(Box("ea"), 1);
    Compute();
    EXPECT_NE(Report().find("η=2 *ξ2 *ea/h　=0.12\r\n"), std::string::npos);
    EXPECT_NE(Report().find("=0.637"), std::string::npos);
    Choose(Box("ea"), 2);
    EXPECT_EQ(dlg.ea(), -10);
    Compute();
    EXPECT_NE(Report().find("η=2 *ξ2 *ea/h　=-0.12\r\n"), std::string::npos);
    EXPECT_NE(Report().find("=0.545"), std::string::npos);
}

} // namespace
