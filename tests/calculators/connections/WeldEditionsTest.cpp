// The fillet-weld dialogs and runner entries under GB50017-2017: the edition list refills the
// welding methods with the electrodes of the grade, the reports cite table 4.4.5, and a dialog
// opened later opens on the edition chosen last.
#include <gtest/gtest.h>

#include <memory>

#include "calculators/connections/FilletWeldMNVDlg.h"
#include "calculators/connections/FilletWeldTorqueDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

using FilletWeldMnvEditionTest = DialogFixture<CFilletWeldMNVDlg>;
using FilletWeldTorqueEditionTest = DialogFixture<CFilletWeldTorqueDlg>;

TEST_F(FilletWeldMnvEditionTest, TheEditionRefillsTheElectrodesOfTheGrade) {
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    EXPECT_EQ(Items(List("method")), (Texts{"E43**手工焊"}));
    Choose(List("grade"), 2); // Q390: GB50017-2003 has one method whatever the grade
    EXPECT_EQ(Items(List("method")), (Texts{"E43**手工焊"}));

    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(List("grade")->currentText(), "Q390");
    EXPECT_EQ(Items(List("method")), (Texts{"E50**手工焊", "E55**手工焊"}));
    Choose(List("method"), 1);
    // The opening section with Q390 and E55: ffw 220; the stresses are the 2003 ones.
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Report().rfind("钢材为:Q390,焊条为E55型,查GB50017-2017表4.4.5，得角焊缝的抗拉、"
                             "抗压、抗剪强度设计值为:220.00(N/mm2),\r\n",
                             0),
              0u);
    EXPECT_NE(Report().find("sqrt(8.26^2 + 10.82^2) = 13.62N/mm2 \r\n"), std::string::npos);
    EXPECT_EQ(Report().find("2003"), std::string::npos);

    Pick(List("grade"), "Q420");
    EXPECT_EQ(Items(List("method")), (Texts{"E55**手工焊", "E60**手工焊"}));
    Pick(List("grade"), "Q235");
    EXPECT_EQ(Items(List("method")), (Texts{"E43**手工焊"}));

    // Remembered: the next dialog opens on GB50017-2017 with its electrodes.
    const CFilletWeldMNVDlg next;
    EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
    EXPECT_EQ(Items(Child<ChoiceList>(&next, "method")), (Texts{"E43**手工焊"}));

    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(Items(List("method")), (Texts{"E43**手工焊"}));
    Compute();
    EXPECT_EQ(Report().rfind("钢材为:Q235,查表，得角焊缝", 0), 0u);
}

TEST_F(FilletWeldTorqueEditionTest, GB50017_2017ComparesTheCombinedStressWithFfw) {
    QWidget* strength = Child<QWidget>(&dlg, "strengthRows");
    EXPECT_FALSE(strength->isVisible());
    Compute();
    const std::string old = Report();
    EXPECT_EQ(old.find("ffw"), std::string::npos);

    Choose(List("edition"), 1);
    EXPECT_TRUE(strength->isVisible());
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(Items(List("method")), (Texts{"E43**手工焊"}));
    Pick(List("grade"), "Q420");
    EXPECT_EQ(Items(List("method")), (Texts{"E55**手工焊", "E60**手工焊"}));
    Choose(List("method"), 1);
    Compute();
    // The opening presets: τA 620.53 against ffw 240 of E60.
    EXPECT_EQ(Report(),
              old + "钢材为:Q420,焊条为E60型,查GB50017-2017表4.4.5，得角焊缝的抗拉、抗压、"
                    "抗剪强度设计值为:240.00(N/mm2),\r\n"
                    "按GB50017-2017式(11.2.2-3)，A点 τA =620.53N/mm2 > ffw "
                    "=240.00N/mm2\r\n"
                    "A点处焊缝折算应力大于角焊缝的强度设计值，请加大焊脚尺寸后重新计算\r\n");

    const CFilletWeldTorqueDlg next;
    EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
    Choose(List("edition"), 0);
    EXPECT_FALSE(strength->isVisible());
}

TEST(WeldEditionEntries, RunnerTakesTheEditionAndTheElectrode) {
    const CliRun mnv = Call({"fillet-weld-mnv", "edition=2017", "grade=Q390", "electrode=E55"});
    EXPECT_EQ(mnv.status, 0);
    EXPECT_EQ(mnv.out.rfind("钢材为:Q390,焊条为E55型,查GB50017-2017表4.4.5，得角焊缝的抗拉、抗压、"
                            "抗剪强度设计值为:220.00(N/mm2),\n",
                            0),
              0u);
    // Blank: the grade's usual electrode.
    EXPECT_EQ(Call({"fillet-weld-mnv", "edition=2017", "grade=Q345"})
                  .out.rfind("钢材为:Q345,焊条为E50型", 0),
              0u);
    // The dialog's list text, the way a file saved from the dialog holds it.
    EXPECT_EQ(Call({"fillet-weld-mnv", "edition=2017", "grade=Q390", "electrode=E55**手工焊"}).out,
              mnv.out);
    for (const char* electrode : {"electrode=E50", "electrode=E50**手工焊"}) {
        const CliRun wrong = Call({"fillet-weld-mnv", "edition=2017", "grade=Q420", electrode});
        EXPECT_EQ(wrong.status, 64);
        EXPECT_EQ(wrong.err,
                  "ferrolab-calc: electrode=E50 is not offered for Q420; choose one of E55|E60\n");
    }

    const CliRun torque = Call({"fillet-weld-torque", "edition=2017", "b=180", "h=400", "e=100",
                                "hf=10", "Fy=100", "beta=1.22", "grade=Q345", "--verdict"});
    EXPECT_EQ(torque.status, 0);
    EXPECT_NE(
        torque.out.find("按GB50017-2017式(11.2.2-3)，A点 τA =45.06N/mm2 <= ffw =200.00N/mm2\n"),
        std::string::npos);
    EXPECT_NE(torque.out.find("A点折算应力 τA/ffw = 0.23  满足"), std::string::npos);
    // GB50017-2003 reads neither grade nor electrode.
    EXPECT_EQ(Call({"fillet-weld-torque", "grade=Q420", "electrode=E43"}).out,
              Call({"fillet-weld-torque"}).out);
}

TEST_F(FilletWeldMnvEditionTest, GB50017_2017OffersQ460AndQ345GJ) {
    const Texts old = {"Q235", "Q345", "Q390", "Q420"};
    EXPECT_EQ(Items(List("grade")), old);
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345", "Q390", "Q420", "Q460", "Q345GJ"}));
    Pick(List("grade"), "Q460");
    EXPECT_EQ(Items(List("method")), (Texts{"E55**手工焊", "E60**手工焊"}));
    Choose(List("method"), 1);
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Report().rfind("钢材为:Q460,焊条为E60型,查GB50017-2017表4.4.5，得角焊缝的抗拉、"
                             "抗压、抗剪强度设计值为:240.00(N/mm2),\r\n",
                             0),
              0u);
    EXPECT_EQ(Call({"fillet-weld-mnv", "edition=2017", "grade=Q460", "electrode=E60"}).out,
              cli::ToUnixLines(Report()));
    Pick(List("grade"), "Q345GJ");
    EXPECT_EQ(Items(List("method")), (Texts{"E50**手工焊", "E55**手工焊"}));
    // Back to 2003: its four grades; Q345GJ is not among them, so the list opens on Q235.
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(Items(List("grade")), old);
    EXPECT_EQ(List("grade")->currentText(), "Q235");
    EXPECT_EQ(Items(List("method")), (Texts{"E43**手工焊"}));
    // A dialog built on 2017 opens with the six grades.
    Pick(List("edition"), "GB50017-2017");
    const CFilletWeldMNVDlg next;
    EXPECT_EQ(Child<ChoiceList>(&next, "grade")->count(), 6);
}

TEST_F(FilletWeldTorqueEditionTest, GB50017_2017OffersQ460AndQ345GJ) {
    EXPECT_EQ(List("grade")->count(), 4);
    Choose(List("edition"), 1);
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345", "Q390", "Q420", "Q460", "Q345GJ"}));
    Pick(List("grade"), "Q345GJ");
    EXPECT_EQ(Items(List("method")), (Texts{"E50**手工焊", "E55**手工焊"}));
    Compute();
    // The opening presets: τA 620.53 against ffw 200 of E50 on Q345GJ.
    EXPECT_NE(Report().find("钢材为:Q345GJ,焊条为E50型,查GB50017-2017表4.4.5，得角焊缝的抗拉、"
                            "抗压、抗剪强度设计值为:200.00(N/mm2),\r\n"
                            "按GB50017-2017式(11.2.2-3)，A点 τA =620.53N/mm2 > ffw =200.00N/mm2"),
              std::string::npos)
        << Report();
    Choose(List("edition"), 0);
    EXPECT_EQ(List("grade")->count(), 4);
    EXPECT_EQ(List("grade")->currentText(), "Q235");
}

TEST(WeldEditionEntries, Q460AndQ345GJOnlyUnderGB50017_2017) {
    // GB50017-2003 refuses them, naming the edition.
    const CliRun mnv = Call({"fillet-weld-mnv", "grade=Q460"});
    EXPECT_EQ(mnv.status, 64);
    EXPECT_EQ(mnv.out, "");
    EXPECT_EQ(mnv.err, "ferrolab-calc: grade=Q460 is not offered by GB50017-2003; choose one of "
                       "Q235|Q345|Q390|Q420\n");
    const CliRun torque = Call({"fillet-weld-torque", "edition=2003", "grade=Q345GJ"});
    EXPECT_EQ(torque.status, 64);
    EXPECT_EQ(torque.err, "ferrolab-calc: grade=Q345GJ is not offered by GB50017-2003; choose one "
                          "of Q235|Q345|Q390|Q420\n");
    // GB50017-2017: Q460 blank takes E55, ffw 220: τA 45.06/220 = 0.20.
    const CliRun q460 = Call({"fillet-weld-torque", "edition=2017", "b=180", "h=400", "e=100",
                              "hf=10", "Fy=100", "beta=1.22", "grade=Q460", "--verdict"});
    EXPECT_EQ(q460.status, 0);
    EXPECT_NE(q460.out.find("按GB50017-2017式(11.2.2-3)，A点 τA =45.06N/mm2 <= ffw =220.00N/mm2\n"),
              std::string::npos);
    EXPECT_NE(q460.out.find("A点折算应力 τA/ffw = 0.20  满足"), std::string::npos);
    EXPECT_EQ(Call({"fillet-weld-mnv", "edition=2017", "grade=Q345GJ"})
                  .out.rfind("钢材为:Q345GJ,焊条为E50型", 0),
              0u);
    const CliRun wrong = Call({"fillet-weld-mnv", "edition=2017", "grade=Q460", "electrode=E50"});
    EXPECT_EQ(wrong.status, 64);
    EXPECT_EQ(wrong.err,
              "ferrolab-calc: electrode=E50 is not offered for Q460; choose one of E55|E60\n");
}

} // namespace
