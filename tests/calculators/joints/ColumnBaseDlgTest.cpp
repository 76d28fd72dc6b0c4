#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include <tuple>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"

#include "calculators/joints/ColumnBaseDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class ColumnBaseDlgTest : public DialogFixture<CColumnBaseDlg> {
protected:
    std::string Field(const char* name) {
        return Child<QLineEdit>(&dlg, name)->text().toStdString();
    }
    std::string Text(const char* name) { return Box(name)->currentText().toStdString(); }
    bool Shown(const char* name) { return Child<QWidget>(&dlg, name)->isVisible(); }
    std::string Properties() { return Child<ReportBox>(&dlg, "properties")->Report(); }
    // Controls of the pinned base shown and those of the fixed base hidden, or the reverse.
    void ExpectBaseTypeControls(bool pinned) {
        EXPECT_EQ(Shown("l1Row"), pinned);
        EXPECT_EQ(Shown("holesRow"), pinned);
        EXPECT_EQ(Shown("hRow"), !pinned);
        EXPECT_EQ(Shown("momentRow"), !pinned);
        EXPECT_EQ(Box("a0")->isEnabled(), !pinned);
        EXPECT_EQ(Picture(), pinned ? ":/pictures/column_base_pinned.svg"
                                    : ":/pictures/column_base_fixed.svg");
    }
};

TEST_F(ColumnBaseDlgTest, OpensOnThePinnedBaseWithComputeDisabled) {
    EXPECT_EQ(dlg.windowTitle(), "柱脚设计");
    EXPECT_EQ(Items(List("baseType")), (Texts{"轴心受压铰接", "刚接柱脚"}));
    EXPECT_EQ(Items(List("form")), (Texts{"两内扣槽钢"}));
    EXPECT_EQ(List("section")->count(), 30);
    EXPECT_EQ(List("section")->SelectedText(), "槽18b");
    // The opening text and the size of each preset list.
    const std::tuple<const char*, const char*, int> boxes[] = {
        {"N", "60.00", 9},       {"M", "200.00", 7},
        {"tp", "14.00", 14},     {"c", "30", 5},
        {"b1", "105", 4},        {"a0", "30.00", 6},
        {"ts", "8.00", 4},       {"shoeHeight", "400.00", 4},
        {"holes", "4500.00", 4},
    };
    for (const auto& [name, text, count] : boxes) {
        EXPECT_EQ(Text(name), text) << name;
        EXPECT_EQ(Box(name)->count(), count) << name;
    }
    EXPECT_EQ(Box("N")->itemText(2), "200.0");
    EXPECT_EQ(Box("tp")->itemText(13), "40.00");
    EXPECT_EQ(Items(List("l1")).back(), "900.00");
    EXPECT_EQ(Items(List("plateGrade")), (Texts{"Q235", "Q345", "Q420"}));
    EXPECT_EQ(Items(List("concrete")), (Texts{"C15", "C20", "C25", "C30", "C35"}));
    EXPECT_EQ(Items(List("anchorGrade")), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(List("anchorD")->count(), 26);
    EXPECT_EQ(List("anchorD")->SelectedText(), "12.00");
    EXPECT_EQ(Items(Box("holes")), (Texts{"4500.00", "5000.00", "5500.00", "6000.00"}));
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "press")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(&dlg, "uplift")->isEnabled());
    ExpectBaseTypeControls(true);
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_EQ(dlg.findChild<QPushButton*>("cancelButton"), nullptr);
    for (const char* field : {"a1", "B", "L", "H"}) {
        EXPECT_TRUE(Field(field).empty()) << field;
    }
    EXPECT_TRUE(Properties().empty());
    EXPECT_TRUE(Report().empty());
    for (const char* group :
         {"柱截面参数", "柱子内力", "轴力", "底板参数", "靴梁参数", "材料等级", "锚栓参数"}) {
        bool found = false;
        for (QGroupBox* box : dlg.findChildren<QGroupBox*>()) {
            found = found || box->title() == QString::fromUtf8(group);
        }
        EXPECT_TRUE(found) << group;
    }
}

TEST_F(ColumnBaseDlgTest, PickingTheChannelEnablesComputeAndDesignsThePlate) {
    Choose(List("section"), 10);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(Field("a1"), "180.00");
    EXPECT_EQ(Field("B"), "256.00");
    EXPECT_EQ(Field("L"), "500.00");
    EXPECT_EQ(Properties().rfind("槽钢的参数:\r\n 截面积：29.30cm2\r\n", 0), 0u);
    Compute();
    const std::string report = Report();
    EXPECT_EQ(report.rfind(" B=a1+2ts+2c=180.00+2*8.00+2*30.00=256.00mm\r\n L=500.00mm\r\n", 0),
              0u);
    EXPECT_NE(report.find(" l1/a1=290.00/180.00=1.611， \r\n"), std::string::npos);
    EXPECT_NE(report.find(" b1/a1=105.00/180.00=0.583，\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\n t=sqr(6*Mmax/f)=sqr(6*1364.91/200) =6.40mm"), std::string::npos);
    EXPECT_EQ(Text("tp"), "07");
    EXPECT_EQ(Picture(), ":/pictures/column_base_pinned.svg");
    test::SaveScreenshot(&dlg, "column-base-pinned");
    Compute();
    EXPECT_EQ(Report(), report);
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(ColumnBaseDlgTest, BAndLFollowTheirPartsAndFeedTheReport) {
    Choose(List("section"), 10);
    Type(Box("ts"), "10");
    EXPECT_EQ(Field("B"), "260.00");
    Choose(Box("c"), 2); // 75
    EXPECT_EQ(Field("B"), "350.00");
    Choose(List("l1"), 2); // 500
    EXPECT_EQ(dlg.l1(), 500);
    EXPECT_EQ(Field("L"), "710.00");
    Type(Box("b1"), "120.5");
    EXPECT_EQ(Field("L"), "741.00");
    Type(Box("a0"), "99"); // disabled for the pinned base, and not part of its L
    EXPECT_EQ(Field("L"), "741.00");
    Type(Box("holes"), "5000abc");
    Compute();
    EXPECT_EQ(Report().rfind(" B=a1+2ts+2c=180.00+2*10.00+2*75.00=350.00mm\r\n L=741.00mm\r\n"
                             " 底板净面积为：350.00*741.00-5000abc=254350.00mm2",
                             0),
              0u);
    // a1 = 180 < l1 = 500: the a1/l1 wording does not apply.
    EXPECT_NE(Report().find(" l1/a1=500.00/180.00=2.778， "), std::string::npos);
}

TEST_F(ColumnBaseDlgTest, ShortProjectionReportMatchesTheRunner) {
    // 槽18b, b1 = 50, N = 600: the panel beyond the webs is a cantilever of 50 mm, t = 23.03.
    Choose(List("section"), 10);
    Type(Box("b1"), "50");
    Choose(Box("N"), 4); // 600.00
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_NE(Report().find("\r\n b1/a1<0.3，按悬臂长度为b1的悬臂板计算，M=0.5*q*b1^2=0.5*6.293*"
                            "50.00^2=7866.583\r\n"),
              std::string::npos);
    EXPECT_EQ(Text("tp"), "24");
    const test::CliRun run = test::Call({"column-base", "section=槽18b", "b1=50", "N=600.00"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Report()) + "\n厚度tp:24 mm\n");
}

TEST_F(ColumnBaseDlgTest, AnchorPickInsertsOutstandAndHoleArea) {
    Choose(List("section"), 10);
    Choose(List("anchorD"), 3); // 20.00
    EXPECT_EQ(Box("c")->itemText(0), "60");
    EXPECT_EQ(Text("c"), "60");
    EXPECT_EQ(dlg.c(), 60);
    EXPECT_EQ(Box("c")->count(), 6);
    EXPECT_EQ(Box("holes")->itemText(0), "3170.00");
    EXPECT_EQ(Text("holes"), "3170.00");
    EXPECT_EQ(dlg.holes(), 3170);
    EXPECT_EQ(Field("B"), "316.00"); // 180 + 16 + 120
    Choose(List("anchorD"), 0);      // 12.00: 36 and 691.2 + 450
    EXPECT_EQ(Items(Box("c")), (Texts{"36", "60", "30", "60", "75", "80", "85"}));
    EXPECT_EQ(Text("holes"), "1141.20");
    EXPECT_EQ(Field("B"), "268.00");
    Compute();
    EXPECT_NE(Report().find(" 底板净面积为：268.00*500.00-1141.20=132858.80mm2"),
              std::string::npos);
}

TEST_F(ColumnBaseDlgTest, FixedBaseSwitchesControlsFormsAndPictures) {
    Choose(List("section"), 10);
    Compute();
    Choose(List("baseType"), 1);
    EXPECT_FALSE(ComputeButton()->isEnabled());
    EXPECT_TRUE(Report().empty());
    EXPECT_TRUE(Properties().empty());
    ExpectBaseTypeControls(false);
    EXPECT_EQ(Items(List("form")), (Texts{"HW型钢", "HM型钢", "HN型钢"}));
    EXPECT_EQ(List("section")->count(), 17);
    EXPECT_EQ(List("section")->SelectedText(), "HW100x100");
    for (const char* field : {"a1", "B", "L", "H"}) {
        EXPECT_TRUE(Field(field).empty()) << field; // the channel's values are gone
    }
    test::SaveScreenshot(&dlg, "column-base-fixed");

    // A form pick looks its first section up at once.
    Choose(List("form"), 2);
    EXPECT_TRUE(ComputeButton()->isEnabled());
    EXPECT_EQ(List("section")->SelectedText(), "HN175x90");
    EXPECT_EQ(Properties().rfind("马钢 H 型钢的参数:\r\n", 0), 0u);
    EXPECT_EQ(Field("a1"), "90.00");
    EXPECT_EQ(Field("H"), "175.00");
    EXPECT_EQ(Field("L"), "445.00"); // 175 + 2·(30 + 105)

    // The partial-compression case worked by hand in the unit test.
    Choose(List("anchorD"), 3);
    Choose(List("section"), 11); // HN400x200
    Choose(Box("ts"), 2);
    Choose(Box("a0"), 3);
    Choose(Box("b1"), 1);
    Choose(Box("N"), 3);
    Choose(Box("M"), 1);
    Choose(List("concrete"), 1);
    Choose(List("anchorGrade"), 1);
    EXPECT_EQ(Field("B"), "344.00");
    EXPECT_EQ(Field("L"), "740.00");
    Compute();
    EXPECT_EQ(Report(), "-----底板与基础间部分受压，锚栓受拉-----\r\n"
                        " σmin为: N/(BL) - 6M/(BL^2) = 400.00*10^3/(344.00*740.00) - "
                        "6*10^6400.00/(344.00*740.00^2) =1.57-12.74=-11.17N/mm2< 0.0, \r\n"
                        "    锚拴受拉,需要的受拉锚拴的总有效面积为：3154.23mm2,(计算公式参见"
                        "清华大学出版社《钢结构》p333之式-69)\r\n"
                        "    一个直径为20.00mm的锚拴在螺纹处的有效截面积为：244.80mm2");
    EXPECT_EQ(Picture(), ":/pictures/column_base_fixed_partial.svg");
    EXPECT_EQ(Text("tp"), "07"); // as the pinned base wrote it: the fixed base leaves it alone
    test::SaveScreenshot(&dlg, "column-base-fixed-partial");

    // A small moment keeps the whole plate in compression: σmax = 1.57 + 0.32 < 10.
    Type(Box("M"), "10");
    Compute();
    EXPECT_EQ(Report().rfind("-----底板与基础间全部受压-----，最大压应力σmax为: \r\n", 0), 0u);
    EXPECT_NE(Report().find("=1.57+0.32=1.89N/mm2<10.00N/mm2,\r\n  小于混凝土抗压强度"),
              std::string::npos);
    EXPECT_EQ(Picture(), ":/pictures/column_base_fixed_full.svg");
    test::SaveScreenshot(&dlg, "column-base-fixed-full");

    // Back to the pinned base: its picture and controls return.
    Choose(List("baseType"), 0);
    ExpectBaseTypeControls(true);
    EXPECT_EQ(List("section")->SelectedText(), "槽5");
    EXPECT_FALSE(ComputeButton()->isEnabled());
}

TEST_F(ColumnBaseDlgTest, RefusalKeepsThePreviousReport) {
    Choose(List("baseType"), 1);
    Choose(List("section"), 0);
    Compute();
    const std::string report = Report();
    ASSERT_FALSE(report.empty());
    Type(Box("M"), "-200");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], InputError("弯矩M请输入其绝对值(不小于0)"));
    EXPECT_EQ(Report(), report);
    Type(Box("c"), "-100"); // B = 100 + 16 − 200
    EXPECT_EQ(Field("B"), "-84.00");
    Type(Box("M"), "200");
    Compute();
    ASSERT_EQ(notices.notices().size(), 2u);
    EXPECT_EQ(notices.notices()[1].text, "底板尺寸B和L必须大于0，请检查c、ts、b1、a0等参数");
    EXPECT_EQ(Report(), report);
}

// "节点设计" > "柱脚设计" (command 32783) opens the dialog with "计算" disabled every time, even
// after a section was picked in the previous run.
TEST(ColumnBaseMenu, OpensFromTheMainMenu) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    for (int run = 0; run < 2; ++run) {
        bool computeEnabled = true;
        const QString caption =
            WhileModal([&] { app.mainFrame()->ActionFor(cmd::kColumnBase)->trigger(); },
                       [&](QWidget* modal) {
                           computeEnabled =
                               modal->findChild<QPushButton*>("computeButton")->isEnabled();
                           Choose(modal->findChild<ChoiceList*>("section"), 3);
                       });
        EXPECT_EQ(caption, "柱脚设计");
        EXPECT_FALSE(computeEnabled);
    }
}

// The 2017 edition through the "规范版本" list: the concrete and anchor lists grow, a pick the
// other edition does not offer falls back to the first entry, the plate takes its f from table
// 4.4.1 (槽40a, l1 408, C30, N 600: t = 21.89 with Q235's 205 for 22 mm).
TEST_F(ColumnBaseDlgTest, Edition2017RefillsTheMaterialListsAndCitesItsTables) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    Pick(List("anchorGrade"), "Q345");
    Pick(List("concrete"), "C30");
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(dlg.edition(), kSteel2017);
    EXPECT_EQ(Items(List("concrete")),
              (Texts{"C15", "C20", "C25", "C30", "C35", "C40", "C45", "C50", "C55", "C60"}));
    EXPECT_EQ(List("concrete")->SelectedText(), "C30");
    EXPECT_EQ(Items(List("anchorGrade")), (Texts{"Q235", "Q345", "Q390"}));
    EXPECT_EQ(List("anchorGrade")->SelectedText(), "Q345");
    EXPECT_EQ(Items(List("plateGrade")), (Texts{"Q235", "Q345", "Q420"}));

    Pick(List("section"), "槽40a");
    Pick(List("l1"), "408.00");
    Type(Box("N"), "600");
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_NE(Report().find(" 混凝土C30：fc=14.30N/mm2（GB50010-2010表4.1.4），需要的底板面积N/fc="
                            "600.00*10^3/14.30=41958.042mm2\r\n"),
              std::string::npos)
        << Report();
    EXPECT_NE(Report().find(" t=sqr(6*Mmax/f)=sqr(6*16365.22/205) =21.89mm\r\n f为Q235钢板厚22mm"
                            "时的强度设计值205N/mm2（GB50017-2017表4.4.1）"),
              std::string::npos);
    EXPECT_EQ(Text("tp"), "22");
    const CliRun run = Call({"column-base", "edition=2017", "section=槽40a", "l1=408.00", "N=600",
                             "concrete=C30", "anchor-grade=Q345"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Report()) + "\n厚度tp:22 mm\n");
    Pick(List("plateGrade"), "Q345");
    Compute();
    EXPECT_EQ(Text("tp"), "19"); // 295 for 19 mm: t = 18.24
    test::SaveScreenshot(&dlg, "column-base-2017");

    // C60 and Q390 are 2017 values: back on 2003 the lists take their first entries.
    Pick(List("concrete"), "C60");
    Pick(List("anchorGrade"), "Q390");
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(Items(List("concrete")), (Texts{"C15", "C20", "C25", "C30", "C35"}));
    EXPECT_EQ(List("concrete")->SelectedText(), "C15");
    EXPECT_EQ(Items(List("anchorGrade")), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(List("anchorGrade")->SelectedText(), "Q235");
    Compute();
    EXPECT_EQ(Report().find("GB50"), std::string::npos);
    EXPECT_NE(Report().find("/200) ="), std::string::npos);
}

TEST_F(ColumnBaseDlgTest, ANewDialogOpensOnTheEditionLastChosen) {
    Pick(List("edition"), "GB50017-2017");
    {
        CColumnBaseDlg next;
        EXPECT_EQ(next.edition(), kSteel2017);
        EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
        EXPECT_EQ(Child<ChoiceList>(&next, "concrete")->count(), 10);
        EXPECT_EQ(Child<ChoiceList>(&next, "concrete")->SelectedText(), "C15");
        EXPECT_EQ(Child<ChoiceList>(&next, "anchorGrade")->count(), 3);
    }
    Pick(List("edition"), "GB50017-2003");
    CColumnBaseDlg older;
    EXPECT_EQ(older.edition(), kSteel2003);
    EXPECT_EQ(Child<ChoiceList>(&older, "concrete")->count(), 5);
}

} // namespace
