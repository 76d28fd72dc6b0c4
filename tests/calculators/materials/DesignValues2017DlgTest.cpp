// "设计指标" switching to GB50017-2017 through its edition list: the GB50017 mode's lists are
// refilled, the electrode list and the bolt box come up, the boxes cite the 2017 tables, and a
// dialog opened later opens on the edition chosen last. The runner gives the same boxes.
#include <gtest/gtest.h>

#include "calculators/materials/DesignValues.h"
#include "calculators/materials/DesignValuesDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class DesignValues2017DlgTest : public DialogFixture<CDesignValuesDlg> {
protected:
    std::string Box(const char* name) { return Child<ReportBox>(&dlg, name)->Report(); }
    bool Shown(const char* name) { return Child<QWidget>(&dlg, name)->isVisible(); }
};

TEST_F(DesignValues2017DlgTest, TheEditionListRefillsTheGB50017Mode) {
    // The cold-formed code has one edition: no edition list, no 2017 controls.
    EXPECT_FALSE(Shown("editionRow"));
    EXPECT_FALSE(Shown("electrode"));
    EXPECT_FALSE(Shown("boltGroup"));
    Choose(List("code"), 1);
    EXPECT_TRUE(Shown("editionRow"));
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345", "Q390", "Q420"}));
    EXPECT_FALSE(Shown("boltGroup"));

    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345", "Q390", "Q420", "Q460", "Q345GJ"}));
    EXPECT_EQ(Items(List("thickness")), (Texts{"<=16", ">16-40", ">40-100"}));
    EXPECT_EQ(Items(List("electrode")), (Texts{"E43"}));
    EXPECT_TRUE(Shown("electrode"));
    EXPECT_TRUE(Shown("boltGroup"));
    const auto q235 = Texts2017("Q235", 0, 0);
    EXPECT_EQ(Box("steelBox"), q235->steel);
    EXPECT_EQ(Box("weldBox"), q235->weld);
    EXPECT_EQ(Box("boltBox"), q235->bolts);

    Pick(List("grade"), "Q345");
    EXPECT_EQ(Items(List("thickness")), (Texts{"<=16", ">16-40", ">40-63", ">63-80", ">80-100"}));
    EXPECT_EQ(Items(List("electrode")), (Texts{"E50", "E55"}));
    Pick(List("thickness"), ">63-80");
    EXPECT_NE(Box("steelBox").find("\r\n 抗拉、抗压、抗弯 f: 280.00 N/mm2,"), std::string::npos);
    EXPECT_NE(Box("steelBox").find("\r\n 屈服强度 fy: 315.00 N/mm2,"), std::string::npos);
    Pick(List("electrode"), "E55");
    EXPECT_EQ(Box("weldBox"), Texts2017("Q345", 3, 1)->weld);
    EXPECT_NE(Box("weldBox").find("\r\n 对接焊缝抗拉强度 fuw: 540.00 N/mm2"), std::string::npos);

    Pick(List("grade"), "Q345GJ");
    EXPECT_EQ(Items(List("thickness")), (Texts{">16-35", ">35-50", ">50-100"}));
    EXPECT_EQ(Box("steelBox").rfind("根据GB50017-2017 表4.4.2\r\n", 0), 0u);
    EXPECT_NE(Box("boltBox").find("Q345GJ构件承压 fcb: C级螺栓 400.00"), std::string::npos);

    // Remembered: a dialog opened now takes GB50017-2017 when its GB50017 mode is picked.
    CDesignValuesDlg next;
    next.show();
    EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
    Choose(Child<ChoiceList>(&next, "code"), 1);
    EXPECT_EQ(Child<ChoiceList>(&next, "grade")->count(), 6);

    // Back to GB50017-2003: the 2003 lists and boxes, the 2017 controls gone.
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345", "Q390", "Q420"}));
    EXPECT_EQ(Items(List("thickness")), (Texts{"<=16", ">16-40", ">40-60", ">60-100"}));
    EXPECT_EQ(Box("steelBox"), TextsOnCodeChange(kDesignCodeGB50017).steel);
    EXPECT_FALSE(Shown("electrode"));
    EXPECT_FALSE(Shown("boltGroup"));
    // Back to the cold-formed code: its boxes, no edition list.
    Choose(List("code"), 0);
    EXPECT_FALSE(Shown("editionRow"));
    EXPECT_EQ(Box("steelBox"), TextsOnCodeChange(kDesignCodeColdFormed).steel);
}

TEST(DesignValues2017Entry, RunnerTakesTheEditionTheNewGradesAndTheElectrode) {
    const CliRun run = Call({"design-values", "edition=2017", "code=GB50017", "grade=Q460",
                             "thickness=>63-100", "electrode=E60"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("规范版本: GB50017-2017\n规范: GB50017 普通钢结构规范\n钢号: Q460\n"
                            "钢材厚度: >63-100 mm\n焊条型号: E60\n",
                            0),
              0u);
    EXPECT_NE(run.out.find("\n 抗拉、抗压、抗弯 f: 340.00 N/mm2,\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n 角焊缝抗压、抗拉、抗剪 ffw: 240.00 N/mm2\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n Q460构件承压 fcb: C级螺栓 450.00"), std::string::npos);

    const struct {
        std::vector<std::string> args;
        const char* err;
    } bad[] = {
        {{"design-values", "edition=2017", "code=GB50017", "grade=Q345GJ"},
         "ferrolab-calc: the thickness bands of Q345GJ in GB50017-2017 are "
         ">16-35|>35-50|>50-100\n"},
        {{"design-values", "edition=2017", "code=GB50017", "grade=Q235", "electrode=E50"},
         "ferrolab-calc: the electrodes of Q235 in GB50017-2017 are E43\n"},
        {{"design-values", "edition=2017", "code=GB50017", "thickness=>40-60"},
         "ferrolab-calc: the thickness bands of Q235 in GB50017-2017 are <=16|>16-40|>40-100\n"},
        // GB50017-2003 keeps its four grades.
        {{"design-values", "code=GB50017", "grade=Q460"},
         "ferrolab-calc: GB50017 offers the grades Q235|Q345|Q390|Q420\n"},
    };
    for (const auto& b : bad) {
        const CliRun r = Call(b.args);
        EXPECT_EQ(r.status, cli::kExitUsage) << b.err;
        EXPECT_EQ(r.err, b.err);
        EXPECT_TRUE(r.out.empty());
    }
}

} // namespace
