#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/members/ApproxPhiBDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class ApproxPhiBDlgTest : public DialogFixture<CApproxPhiBDlg> {
protected:
    QString Text(const char* name) { return Box(name)->currentText(); }
    QRadioButton* Type(int index) {
        return Child<QRadioButton>(&dlg, QStringLiteral("sectionType_%1").arg(index));
    }
    QRadioButton* Way(int index) {
        return Child<QRadioButton>(&dlg, QStringLiteral("lambdaFrom_%1").arg(index));
    }
    QGroupBox* Welded() { return Child<QGroupBox>(&dlg, "weldedGroup"); }
    // A radio button's caption is narrower than the button when a longer caption sets the
    // group's width: click where the user does, on its circle.
    static void ClickRadio(QRadioButton* radio) {
        ASSERT_TRUE(radio->isEnabled());
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
};

TEST_F(ApproxPhiBDlgTest, OpensOnThePublishedCheck) {
    EXPECT_EQ(dlg.windowTitle(), "受弯构件整体稳定系数φb的近似计算");
    EXPECT_TRUE(Type(0)->isChecked());
    EXPECT_EQ(Type(4)->text(), "T形，弯矩使翼缘受拉");
    EXPECT_TRUE(Way(0)->isChecked());
    EXPECT_EQ(Text("lambda"), "70.30");
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(), ":/pictures/approx_phib.svg");
    // λy typed: l1, the section and the stem ratio are not used.
    EXPECT_TRUE(Box("lambda")->isEnabled());
    EXPECT_FALSE(Box("l1")->isEnabled());
    EXPECT_FALSE(Box("stemRatio")->isEnabled());
    EXPECT_FALSE(List("series")->isEnabled());
    EXPECT_FALSE(Welded()->isEnabled());
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    const std::string report = Report();
    EXPECT_NE(report.find("=1.07-70.30^2/44000*235/235=0.958\r\n"), std::string::npos);
    EXPECT_TRUE(Child<ReportBox>(&dlg, "report")->VerdictLines().isEmpty());
    EXPECT_EQ(Call({"approx-phib"}).out, cli::ToUnixLines(report) + "\n");
}

TEST_F(ApproxPhiBDlgTest, EnablingFollowsTheTypeAndTheWay) {
    ClickRadio(Type(4));
    EXPECT_TRUE(Box("stemRatio")->isEnabled());
    ClickRadio(Type(1)); // the singly symmetric I needs its plates even with λy typed
    EXPECT_FALSE(Box("stemRatio")->isEnabled());
    EXPECT_TRUE(List("series")->isEnabled());
    EXPECT_TRUE(List("section")->isEnabled());
    EXPECT_FALSE(Welded()->isEnabled());
    Pick(List("series"), "焊接截面");
    EXPECT_FALSE(List("section")->isEnabled());
    EXPECT_TRUE(Welded()->isEnabled());
    ClickRadio(Way(1));
    EXPECT_FALSE(Box("lambda")->isEnabled());
    EXPECT_TRUE(Box("l1")->isEnabled());
    ClickRadio(Type(0));
    Pick(List("series"), "马钢窄翼缘HN系列");
    EXPECT_EQ(List("section")->currentText(), "HN175x90");
    EXPECT_TRUE(List("section")->isEnabled());
    EXPECT_FALSE(Welded()->isEnabled());
}

TEST_F(ApproxPhiBDlgTest, SinglySymmetricFromThePlatesMatchesTheRunner) {
    // The opening plates: compression flange 300 x 14, web 574 x 8, tension flange 200 x 12,
    // l1 = 6 m: φb = 0.901 (see the unit test).
    ClickRadio(Type(1));
    Pick(List("series"), "焊接截面");
    ClickRadio(Way(1));
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    const std::string report = Report();
    EXPECT_NE(report.find("长细比 λy=l1/iy=6000.00/59.43=100.97\r\n"), std::string::npos);
    EXPECT_NE(report.find("*100.97^2/14000*235/235=0.901\r\n"), std::string::npos);
    EXPECT_EQ(Call({"approx-phib", "type=2", "lambda-from=section", "series=焊接截面"}).out,
              cli::ToUnixLines(report) + "\n");
    // A split T from HN400x200 with the flange compressed, 3 m: 0.855.
    ClickRadio(Type(3));
    Pick(List("series"), "马钢窄翼缘HN系列");
    Pick(List("section"), "HN400x200");
    Pick(Box("l1"), "3.00");
    Compute();
    EXPECT_NE(Report().find("=1-0.0022*66.08*sqrt(235/235)=0.855\r\n"), std::string::npos);
    EXPECT_EQ(Call({"approx-phib", "type=4", "lambda-from=section", "series=马钢窄翼缘HN系列",
                    "name=HN400x200", "l1=3.00"})
                  .out,
              cli::ToUnixLines(Report()) + "\n");
    SaveScreenshot(&dlg, "approx_phib_split_t");
}

TEST_F(ApproxPhiBDlgTest, RefusalsKeepThePreviousReport) {
    Compute();
    const std::string first = Report();
    ASSERT_FALSE(first.empty());
    Pick(List("grade"), "Q345");
    ferrolab::test::Type(Box("lambda"), "100");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0],
              InputError("λy=100.00大于120*sqrt(235/fy)=99.04，不能按附录B.5近似计算φb"));
    EXPECT_EQ(Report(), first);
    ferrolab::test::Type(Box("lambda"), "");
    Compute();
    ASSERT_EQ(notices.notices().size(), 2u);
    EXPECT_EQ(notices.notices()[1], InputError("长细比λy必须是大于0的数"));
    EXPECT_EQ(Report(), first);
    ferrolab::test::Type(Box("lambda"), "80");
    ClickRadio(Type(4));
    Pick(Box("stemRatio"), "18.00"); // above 18·sqrt(235/345) = 14.86
    Compute();
    ASSERT_EQ(notices.notices().size(), 3u);
    EXPECT_EQ(
        notices.notices()[2],
        InputError("T形截面腹板宽厚比b/t=18.00大于18*sqrt(235/fy)=14.86，不能按式B.5-5计算φb"));
    EXPECT_EQ(Report(), first);
}

TEST_F(ApproxPhiBDlgTest, Edition2017ThroughTheListMatchesTheRunnerAndIsRemembered) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    // λy = 70.3 in Q345: φb = 0.905 either way, worked with εk² to 2017 (see the unit test).
    Pick(List("grade"), "Q345");
    Compute();
    EXPECT_NE(Report().find("1.07-70.30^2/44000*345/235=0.905\r\n"), std::string::npos);
    Pick(List("edition"), "GB50017-2017");
    Compute();
    EXPECT_NE(Report().find(" λy≤120*εk=120*sqrt(235/345)=99.04\r\n"
                            " 按式C.0.5-1，φb=1.07-λy^2/(44000*εk^2)=1.07-70.30^2/(44000*235/345)="
                            "0.905\r\n"),
              std::string::npos)
        << Report();
    EXPECT_EQ(Report().find("2003"), std::string::npos);
    EXPECT_EQ(Report().find("B."), std::string::npos);
    EXPECT_EQ(Call({"approx-phib", "edition=2017", "grade=Q345"}).out,
              cli::ToUnixLines(Report()) + "\n");
    const std::string report = Report();
    // Past 120·εk the refusal cites C.0.5 and the report stays.
    ferrolab::test::Type(Box("lambda"), "100");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], InputError("λy=100.00大于120*εk=120*sqrt(235/345)=99.04，"
                                               "不能按附录C.0.5近似计算φb"));
    EXPECT_EQ(Report(), report);
    // A dialog built after the choice opens on 2017.
    CApproxPhiBDlg again;
    EXPECT_EQ(Child<ChoiceList>(&again, "edition")->currentText(), "GB50017-2017");
}

TEST(ApproxPhiBMenuCommand, OpensItsDialog) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    QAction* action = app.mainFrame()->ActionFor(cmd::kApproxPhiB);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(WhileModal([&] { action->trigger(); }), "受弯构件整体稳定系数φb的近似计算");
}

} // namespace
