#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/connections/BoltConnectionDlg.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class BoltConnectionDlgTest : public DialogFixture<CBoltConnectionDlg> {
protected:
    std::string Selected(const char* name) { return List(name)->SelectedText(); }
    QLineEdit* Mu() { return Child<QLineEdit>(&dlg, "mu"); }
    void TypeMu(const char* text) {
        Mu()->setFocus();
        Mu()->selectAll();
        QTest::keyClicks(Mu(), QString::fromUtf8(text));
    }
    void LeaveMu() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(Mu(), &out);
    }
    std::string Capacity() { return Child<ReportBox>(&dlg, "capacity")->Report(); }
    QString Picture() { return Child<CBitmapPreview>(&dlg, "picture")->picture(); }
    bool SlipShown() {
        return Child<QGroupBox>(&dlg, "slipGroup")->isVisible() && List("surface")->isVisible() &&
               Mu()->isVisible();
    }
};

TEST_F(BoltConnectionDlgTest, OpensWithEveryListSelected) {
    EXPECT_EQ(dlg.windowTitle(), "螺栓连接");
    EXPECT_EQ(Items(List("code")), (Texts{"GB50017-2003", "GB50018-2002"}));
    EXPECT_EQ(Items(List("kind")), (Texts{"普通螺栓", "摩擦型高强螺栓"}));
    EXPECT_EQ(Items(List("boltClass")), (Texts{"4.6级4.8级C级", "5.6级A级B级", "8.8级A级B级"}));
    EXPECT_EQ(List("diameter")->count(), 27);
    EXPECT_EQ(Items(List("loadCase")),
              (Texts{"扭矩M + 剪力V + 轴力N", "弯矩M + 剪力V ", "弯矩M + 轴拉力N"}));
    const std::pair<const char*, const char*> selected[] = {{"code", "GB50017-2003"},
                                                            {"kind", "普通螺栓"},
                                                            {"boltClass", "4.6级4.8级C级"},
                                                            {"diameter", "12"},
                                                            {"shearPlanes", "1"},
                                                            {"plateGrade", "Q235"},
                                                            {"thicknessSum", "6"},
                                                            {"surface", "喷砂(丸)"},
                                                            {"loadCase", "扭矩M + 剪力V + 轴力N"},
                                                            {"rows", "2"},
                                                            {"cols", "1"}};
    for (const auto& [name, text] : selected) {
        EXPECT_EQ(Selected(name), text) << name;
    }
    EXPECT_EQ(Items(List("cols")), (Texts{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Items(List("rows")).back(), "10");
    const std::pair<const char*, const char*> values[] = {
        {"V", "140.00"}, {"N", "0.00"}, {"M", "35.00"}, {"rowPitch", "40"}, {"colPitch", "40"}};
    for (const auto& [name, text] : values) {
        EXPECT_EQ(Box(name)->currentText(), text) << name;
    }
    EXPECT_EQ(Box("rowPitch")->itemText(12), "160");
    EXPECT_EQ(Child<QLabel>(&dlg, "momentLabel")->text(), "扭矩  M (kN*m):");
    EXPECT_TRUE(List("thicknessSum")->isEnabled());
    EXPECT_TRUE(Box("N")->isEnabled());
    EXPECT_FALSE(SlipShown());
    EXPECT_EQ(Picture(), ":/pictures/bolt_group_torque.svg");
    EXPECT_TRUE(Capacity().empty());
    EXPECT_TRUE(Report().empty());
}

TEST_F(BoltConnectionDlgTest, OrdinaryBoltCapacityFollowsEveryPick) {
    Pick(List("diameter"), "20");
    EXPECT_EQ(Capacity().rfind("螺纹处有效直径    de = 17.655mm\r\n"
                               "螺纹处有效截面积 Ae = 244.7963mm2\r\n",
                               0),
              0u);
    // Σt still 6: Ncb = 305·20·6/1000 = 36.6.
    EXPECT_NE(Capacity().find("Ncb = d* Σt *fcb= 36.6000kN\r\n"), std::string::npos);
    Pick(List("thicknessSum"), "10");
    EXPECT_NE(Capacity().find("Ntb = ftb*(π*de^2 /4) = 41.6154kN\r\n"), std::string::npos);
    EXPECT_NE(Capacity().find("Nvb = n*fvb*(π*d^2 /4) =43.9823kN\r\n"), std::string::npos);
    EXPECT_NE(Capacity().find("Ncb = d* Σt *fcb= 61.0000kN\r\n"), std::string::npos);
    Pick(List("shearPlanes"), "2");
    EXPECT_NE(Capacity().find("=87.9646kN\r\n"), std::string::npos);
    // 8.8 grade A/B: fvb 320, bearing on Q345 510: Ncb = 510·20·10/1000 = 102.
    Pick(List("boltClass"), "8.8级A级B级");
    Pick(List("plateGrade"), "Q345");
    EXPECT_NE(Capacity().find("抗剪强度设计值 fvb =320.00N/mm2, \r\n"), std::string::npos);
    EXPECT_NE(Capacity().find("Ncb = d* Σt *fcb= 102.0000kN\r\n"), std::string::npos);
    // GB50018 offers one class and two grades; the code pick restarts both.
    Pick(List("code"), "GB50018-2002");
    EXPECT_EQ(Items(List("boltClass")), Texts{"4.6级4.8级C级"});
    EXPECT_EQ(Items(List("plateGrade")), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(Selected("plateGrade"), "Q235");
    EXPECT_NE(Capacity().find("-----根据GB50018 -2002表4.2.5----"), std::string::npos);
    // fcb 290: 290·20·10/1000 = 58.
    EXPECT_NE(Capacity().find("Ncb = d* Σt *fcb= 58.0000kN\r\n"), std::string::npos);
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(BoltConnectionDlgTest, FrictionTypeBoltsAndTheSlipFactor) {
    Pick(List("kind"), "摩擦型高强螺栓");
    EXPECT_FALSE(List("thicknessSum")->isEnabled());
    EXPECT_TRUE(SlipShown());
    EXPECT_EQ(Items(List("boltClass")), (Texts{"8.8级", "10.9级"}));
    EXPECT_EQ(Items(List("diameter")), (Texts{"M16", "M20", "M22", "M24", "M27", "M30"}));
    EXPECT_EQ(Mu()->text(), "0.45");
    EXPECT_EQ(Capacity().rfind("根据规范GB50017-2003之表7.2.2-2，高强螺栓预拉力设计值 P= 80kN", 0),
              0u);
    Pick(List("boltClass"), "10.9级");
    Pick(List("diameter"), "M20");
    Pick(List("shearPlanes"), "2");
    EXPECT_EQ(Capacity(), "根据规范GB50017-2003之表7.2.2-2，高强螺栓预拉力设计值 P= 155kN  \r\n"
                          "一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= 124.00kN  \r\n"
                          "一个高强螺栓的抗剪承载力 Nvb=0.9*n*μ*P= 125.55kN");
    // A typed μ is used by the next rebuild: 0.9·1·0.40·155 = 55.80 ...
    TypeMu("0.40");
    Pick(List("shearPlanes"), "1");
    EXPECT_NE(Capacity().find("Nvb=0.9*n*μ*P= 55.80kN"), std::string::npos);
    // ... until a surface pick writes the table value: 0.30, 0.9·0.30·155 = 41.85.
    Pick(List("surface"), "钢丝刷清除浮锈或未经处理的干净轧制表面");
    EXPECT_EQ(Mu()->text(), "0.30");
    EXPECT_NE(Capacity().find("Nvb=0.9*n*μ*P= 41.85kN"), std::string::npos);
    // A plate grade pick writes the table value too: Q345, same surface, 0.35.
    TypeMu("0.2");
    Pick(List("plateGrade"), "Q345");
    EXPECT_EQ(Mu()->text(), "0.35");
    EXPECT_TRUE(notices.notices().empty());
    test::SaveScreenshot(&dlg, "bolt-connection-friction");
}

TEST_F(BoltConnectionDlgTest, SlipFactorOutsideZeroToOneIsQueriedOnLeavingTheBox) {
    Pick(List("kind"), "摩擦型高强螺栓");
    TypeMu("1.5");
    EXPECT_TRUE(notices.notices().empty());
    LeaveMu();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], (Notice{"摩擦系数不是很合理吧", "提示", NoticeIcon::Warning}));
    // The value stays and is used: 0.9·1·1.5·80 = 108.
    EXPECT_EQ(Mu()->text(), "1.5");
    Pick(List("diameter"), "M16");
    EXPECT_NE(Capacity().find("Nvb=0.9*n*μ*P= 108.00kN"), std::string::npos);
    TypeMu("-0.1");
    LeaveMu();
    EXPECT_EQ(notices.notices().size(), 2u);
    TypeMu("1");
    LeaveMu();
    TypeMu("0");
    LeaveMu();
    EXPECT_EQ(notices.notices().size(), 2u);
}

TEST_F(BoltConnectionDlgTest, CodeAndKindSwitchesRefillTheirLists) {
    Pick(List("kind"), "摩擦型高强螺栓");
    Pick(List("boltClass"), "10.9级");
    Pick(List("code"), "GB50018-2002");
    EXPECT_EQ(Items(List("diameter")), (Texts{"M12", "M14", "M16"}));
    EXPECT_EQ(Selected("diameter"), "M12");
    EXPECT_EQ(Items(List("plateGrade")), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(Items(List("surface")),
              (Texts{"喷砂(丸)", "热轧钢材轧制表面清除浮锈", "冷轧钢材轧制表面清除浮锈"}));
    EXPECT_EQ(Selected("boltClass"), "10.9级");
    EXPECT_EQ(Mu()->text(), "0.40");
    // 10.9 M12 to GB50018: P = 55, Nvb = 0.9·1·0.40·55 = 19.80.
    EXPECT_EQ(Capacity(), "根据规范GB50018-2002之表6.1.5-2，高强螺栓预拉力设计值 P= 55kN  \r\n"
                          "一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= 44.00kN  \r\n"
                          "一个高强螺栓的抗剪承载力 Nvb=0.9*n*μ*P= 19.80kN");
    Pick(List("plateGrade"), "Q345");
    Pick(List("surface"), "冷轧钢材轧制表面清除浮锈");
    EXPECT_EQ(Mu()->text(), "0.01");

    // Back to ordinary bolts: the 27 diameters with "12" selected, the classes of the code.
    Pick(List("kind"), "普通螺栓");
    EXPECT_FALSE(SlipShown());
    EXPECT_TRUE(List("thicknessSum")->isEnabled());
    EXPECT_EQ(List("diameter")->count(), 27);
    EXPECT_EQ(Selected("diameter"), "12");
    EXPECT_EQ(Items(List("boltClass")), Texts{"4.6级4.8级C级"});
    EXPECT_EQ(Selected("plateGrade"), "Q235");
    // d 12 (p 1.75): de = 12 − 0.9381667·1.75 = 10.358.
    EXPECT_EQ(Capacity().rfind("螺纹处有效直径    de = 10.358mm\r\n", 0), 0u);
    // The surfaces follow a code pick made while ordinary bolts are shown.
    Pick(List("code"), "GB50017-2003");
    Pick(List("kind"), "摩擦型高强螺栓");
    EXPECT_EQ(Items(List("surface")).size(), 4u);
    EXPECT_EQ(Mu()->text(), "0.45");
}

TEST_F(BoltConnectionDlgTest, LoadCasesSwitchLabelsListsAndPictures) {
    Compute();
    EXPECT_FALSE(Report().empty());
    Pick(List("loadCase"), "弯矩M + 剪力V ");
    EXPECT_TRUE(Report().empty());
    EXPECT_EQ(Child<QLabel>(&dlg, "momentLabel")->text(), "弯矩  M (kN*m):");
    EXPECT_FALSE(Box("N")->isEnabled());
    EXPECT_EQ(Items(List("cols")), Texts{"2"});
    EXPECT_EQ(Selected("cols"), "2");
    EXPECT_EQ(Picture(), ":/pictures/bolt_group_bending_ordinary.svg");
    Pick(List("kind"), "摩擦型高强螺栓");
    EXPECT_EQ(Picture(), ":/pictures/bolt_group_bending_friction.svg");
    Pick(List("kind"), "普通螺栓");
    EXPECT_EQ(Picture(), ":/pictures/bolt_group_bending_ordinary.svg");

    Pick(List("loadCase"), "弯矩M + 轴拉力N");
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0], (Notice{"抱歉，还没来得及做", "提示", NoticeIcon::Warning}));
    EXPECT_EQ(Child<QLabel>(&dlg, "momentLabel")->text(), "弯矩  M (kN*m):");
    EXPECT_TRUE(Box("N")->isEnabled());
    EXPECT_EQ(Picture(), ":/pictures/bolt_group_not_available.svg");
    Compute();
    EXPECT_TRUE(Report().empty());

    Pick(List("loadCase"), "扭矩M + 剪力V + 轴力N");
    EXPECT_EQ(Child<QLabel>(&dlg, "momentLabel")->text(), "扭矩  M (kN*m):");
    EXPECT_EQ(Items(List("cols")).size(), 6u);
    EXPECT_EQ(Selected("cols"), "1");
    EXPECT_EQ(Picture(), ":/pictures/bolt_group_torque.svg");
    EXPECT_EQ(notices.notices().size(), 1u);
}

TEST_F(BoltConnectionDlgTest, GroupComputeForBothLoadCases) {
    // Opening state: 2 rows by 1 column at 40 mm, M 35, V 140: Nmax = sqrt(875² + 70²).
    Compute();
    EXPECT_EQ(Report(), "  Σri^2 = Σxi^2 +Σyi^2=\r\n800.00+0.00=800.00mm2 \r\n"
                        "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =877.80kN");
    // 4 rows at 80, 2 columns at 100, M 50, V 200, N 100: Nmax 100.21 (worked in the unit test).
    Pick(List("rows"), "4");
    Pick(List("cols"), "2");
    Type(Box("rowPitch"), "80");
    Choose(Box("colPitch"), 6); // 100
    Choose(Box("M"), 1);        // 50.00
    Choose(Box("V"), 2);        // 200.00
    Type(Box("N"), "100");
    Compute();
    EXPECT_EQ(Report(), "  Σri^2 = Σxi^2 +Σyi^2=\r\n64000.00+20000.00=84000.00mm2 \r\n"
                        "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =100.21kN");
    // Bending, ordinary bolts, 4 rows at 100: Σy² = 2·(100² + 200² + 300²).
    Pick(List("loadCase"), "弯矩M + 剪力V ");
    Type(Box("rowPitch"), "100");
    Compute();
    EXPECT_EQ(Report(), "  Σyi^2=280000.00mm2\r\n\r\n 竖向力V由端板刨平顶紧于承板传递\r\n");
    test::SaveScreenshot(&dlg, "bolt-connection-group");
}

TEST_F(BoltConnectionDlgTest, ZeroOrBlankPitchIsRefusedAndTheReportStays) {
    Compute();
    const std::string good = Report();
    const struct {
        const char* box;
        const char* text;
        const char* message;
    } cases[] = {{"rowPitch", "0", "行距应为大于0的数"},
                 {"rowPitch", "", "行距应为大于0的数"},
                 {"colPitch", "", "列距应为大于0的数"},
                 {"colPitch", "-40", "列距应为大于0的数"}};
    for (const auto& c : cases) {
        Type(Box(c.box), c.text);
        notices.clear();
        Compute();
        ASSERT_EQ(notices.notices().size(), 1u) << c.box << c.text;
        EXPECT_EQ(notices.notices()[0], (Notice{c.message, "输入错误", NoticeIcon::Error}));
        EXPECT_EQ(Report(), good);
        Type(Box(c.box), "40");
    }
}

// The three menu items open their dialogs, each time from the opening state.
TEST(ConnectionMenu, OpensEachDialogFromTheMainMenu) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    const std::pair<int, const char*> commands[] = {
        {cmd::kFilletWeldMnv, "承受弯矩、轴力和剪力作用的角焊缝连接"},
        {cmd::kFilletWeldTorque, "承受扭矩和剪力共同作用的角焊缝"},
        {cmd::kBoltGroup, "螺栓连接"}};
    for (const auto& [command, caption] : commands) {
        for (int run = 0; run < 2; ++run) {
            bool fresh = false;
            const QString shown =
                WhileModal([&] { app.mainFrame()->ActionFor(command)->trigger(); },
                           [&](QWidget* modal) {
                               auto* report = modal->findChild<ReportBox*>("report");
                               fresh = report && report->Report().empty();
                               Click(modal->findChild<QPushButton*>("computeButton"));
                           });
            EXPECT_EQ(shown, caption) << run;
            EXPECT_TRUE(fresh) << caption << ' ' << run;
        }
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
