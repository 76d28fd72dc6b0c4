#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include <tuple>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"

#include "calculators/joints/SeatedPinnedDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

const char* const kOpeningReport =
    " 焊缝σ_1:66.02N/mm2\r\n σ_2:129.62N/mm2\r\n σ_3:77.28N/mm2\r\n"
    " 梁托翼缘1处 σ_Top:48.69N/mm2\r\n 梁托腹板最大剪力 τ:91.81N/mm2";

class SeatedPinnedDlgTest : public DialogFixture<CSeatedPinnedDlg> {
protected:
};

TEST_F(SeatedPinnedDlgTest, OpensOnItsPresets) {
    EXPECT_EQ(dlg.windowTitle(), "支托铰接");
    // The opening text and the size of each preset list.
    const std::tuple<const char*, const char*, int> boxes[] = {
        {"d1", "10", 3}, {"d2", "35", 4},     {"lf", "80", 5}, {"wf", "75", 6},
        {"tf", "8", 5},  {"hw", "100", 4},    {"tw", "7", 7},  {"cl", "6", 5},
        {"hfH", "6", 5}, {"betaF", "1.0", 2}, {"hfV", "6", 5}, {"V", "50.00", 4},
    };
    for (const auto& [name, text, count] : boxes) {
        EXPECT_EQ(Box(name)->currentText().toStdString(), text) << name;
        EXPECT_EQ(Box(name)->count(), count) << name;
    }
    EXPECT_EQ(Items(Box("wf")).back(), "300");
    EXPECT_EQ(Items(Box("tw")).back(), "13");
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345", "Q390", "Q420"}));
    EXPECT_EQ(Items(List("betaAngle")), (Texts{"0", "90"}));
    EXPECT_EQ(Items(List("weld")), (Texts{"双面角焊缝"}));
    const Texts series = {"马钢宽翼缘HW系列", "马钢中翼缘HM系列", "马钢窄翼缘HN系列",
                          "热轧普通工字钢", "焊接工字形"};
    EXPECT_EQ(Items(List("beamSeries")), series);
    EXPECT_EQ(Items(List("columnSeries")), series);
    EXPECT_EQ(List("beam")->SelectedText(), "HM194x150");
    EXPECT_EQ(List("column")->SelectedText(), "HW100x100");
    EXPECT_EQ(Picture(), ":/pictures/seated_bracket.svg");
    EXPECT_TRUE(Report().empty());
}

TEST_F(SeatedPinnedDlgTest, SeriesPickRefillsItsSectionList) {
    Choose(List("beamSeries"), 2);
    EXPECT_EQ(List("beam")->count(), 25);
    EXPECT_EQ(List("beam")->SelectedText(), "HN175x90");
    Choose(List("columnSeries"), 1);
    EXPECT_EQ(List("column")->count(), 11);
    EXPECT_EQ(List("column")->SelectedText(), "HM194x150");
    // The rolled I-beam and welded series offer no section.
    Choose(List("columnSeries"), 3);
    EXPECT_EQ(List("column")->count(), 0);
    Choose(List("beamSeries"), 4);
    EXPECT_EQ(List("beam")->count(), 0);
    Compute(); // nothing of the sections enters the check
    EXPECT_EQ(Report(), kOpeningReport);
}

TEST_F(SeatedPinnedDlgTest, TypedAndChosenValuesReachTheReport) {
    Compute();
    EXPECT_EQ(Report(), kOpeningReport);
    Compute();
    EXPECT_EQ(Report(), kOpeningReport);
    // The larger bracket of the unit test, entered through the boxes.
    Choose(Box("wf"), 2);
    Choose(Box("tf"), 2);
    Choose(Box("hw"), 2);
    Choose(Box("tw"), 3);
    Choose(Box("cl"), 2);
    Choose(Box("hfH"), 2);
    Type(Box("hfV"), "7mm");
    Type(Box("d1"), "15");
    Choose(Box("d2"), 1);
    Choose(Box("V"), 2);
    Choose(List("grade"), 1);
    Choose(List("betaAngle"), 1);
    Choose(Box("betaF"), 1);
    Compute();
    EXPECT_EQ(Report(), " 焊缝σ_1:39.97N/mm2\r\n σ_2:117.81N/mm2\r\n σ_3:88.83N/mm2\r\n"
                        " 梁托翼缘1处 σ_Top:33.25N/mm2\r\n 梁托腹板最大剪力 τ:97.77N/mm2");
    EXPECT_TRUE(notices.notices().empty());
    test::SaveScreenshot(&dlg, "seated-joint-dialog");
}

TEST_F(SeatedPinnedDlgTest, RefusalKeepsThePreviousReport) {
    Compute();
    Type(Box("wf"), "12");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0].caption, "输入错误");
    EXPECT_EQ(notices.notices()[0].icon, NoticeIcon::Error);
    EXPECT_EQ(Report(), kOpeningReport);
    Type(Box("wf"), "75");
    Type(Box("hfV"), "");
    Compute();
    ASSERT_EQ(notices.notices().size(), 2u);
    EXPECT_EQ(notices.notices()[1].text, "焊脚尺寸hf_H和hf_V必须大于0");
    EXPECT_EQ(Report(), kOpeningReport);
    // A negative corner cut-out is refused as well; no cut-out at all is a bracket like any.
    Type(Box("hfV"), "6");
    Type(Box("cl"), "-2");
    Compute();
    ASSERT_EQ(notices.notices().size(), 3u);
    EXPECT_EQ(notices.notices()[2], InputError("切角边长cl不能小于0"));
    EXPECT_EQ(Report(), kOpeningReport);
    Type(Box("cl"), "0");
    Compute();
    EXPECT_EQ(notices.notices().size(), 3u);
    EXPECT_EQ(Report().rfind(" 焊缝σ_1:63.94N/mm2\r\n σ_2:126.78N/mm2\r\n σ_3:75.98N/mm2\r\n", 0),
              0u);
}

// "节点设计" > "梁柱连接" > "支托铰接" (command 32807) opens the dialog from its opening state.
TEST(SeatedPinnedMenu, OpensFromTheMainMenu) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    for (int run = 0; run < 2; ++run) {
        QString wf;
        const QString caption = WhileModal(
            [&] { app.mainFrame()->ActionFor(cmd::kSeatedJoint)->trigger(); },
            [&](QWidget* modal) {
                wf = modal->findChild<ValueCombo*>("wf")->currentText();
                Type(modal->findChild<ValueCombo*>("wf"), "300"); // gone at the next opening
            });
        EXPECT_EQ(caption, "支托铰接");
        EXPECT_EQ(wf, "75");
    }
}

// The 2017 edition through the "规范版本" list: the electrode list follows the grade and is
// enabled, the report sets the welds against ffw; a dialog opened afterwards opens on 2017.
TEST_F(SeatedPinnedDlgTest, Edition2017ChecksTheWeldsAgainstFfw) {
    auto* electrode = List("electrode");
    EXPECT_EQ(Items(electrode), (Texts{"E43"}));
    EXPECT_FALSE(electrode->isEnabled());
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(dlg.edition(), kSteel2017);
    EXPECT_TRUE(electrode->isEnabled());
    Pick(List("grade"), "Q390");
    EXPECT_EQ(Items(electrode), (Texts{"E50", "E55"}));
    Pick(electrode, "E55");
    Compute();
    EXPECT_NE(Report().find("ffw=220.00N/mm2（GB50017-2017表4.4.5，Q390钢，E55型焊条）"),
              std::string::npos)
        << Report();
    EXPECT_EQ(cli::ToUnixLines(Report()) + "\n",
              Call({"seated-joint", "edition=2017", "grade=Q390", "electrode=E55"}).out);
    test::SaveScreenshot(&dlg, "seated_joint_2017");
    {
        CSeatedPinnedDlg next;
        EXPECT_EQ(next.edition(), kSteel2017);
        EXPECT_TRUE(Child<ChoiceList>(&next, "electrode")->isEnabled());
    }
    Pick(List("edition"), "GB50017-2003");
    EXPECT_FALSE(electrode->isEnabled());
    Compute();
    EXPECT_EQ(Report().find("ffw"), std::string::npos);
}

} // namespace
