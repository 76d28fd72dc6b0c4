#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

#include "calculators/joints/BeamColumnPinnedDlg.h"
#include "cli/Registry.h"
#include "tests/calculators/joints/BeamColumnPinnedTexts.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

const QString kPlate1 = ":/pictures/pinned_plate_1col.svg";
const QString kPlate2 = ":/pictures/pinned_plate_2col.svg";
const QString kAngle1 = ":/pictures/pinned_angle_1col.svg";
const QString kAngle2 = ":/pictures/pinned_angle_2col.svg";
const QString kPlateWeb = ":/pictures/pinned_plate_web.svg";

Notice Plain(const char* text) {
    return Notice{text, "", NoticeIcon::None};
}

class BeamColumnPinnedDlgTest : public DialogFixture<CBeamColumnPinnedDlg> {
protected:
    void SetUp() override {
        dlg.show();
        dlg.activateWindow();
        QApplication::setActiveWindow(&dlg);
    }

    QString Text(const char* name) { return Child<QComboBox>(&dlg, name)->currentText(); }
    Texts Items(const char* name) { return test::Items(Child<QComboBox>(&dlg, name)); }
    // Types into a box and leaves it with the Tab key, as a user moves to the next field.
    void TypeAndLeave(const char* name, const QString& text) {
        Type(Box(name), text);
        QLineEdit* edit = Box(name)->lineEdit();
        ASSERT_TRUE(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Tab);
        ASSERT_FALSE(edit->hasFocus());
    }
    // The runner's output for the report the dialog shows.
    std::string Printed() {
        const std::string report = cli::ToUnixLines(Report());
        return report.ends_with('\n') ? report : report + "\n";
    }
    std::vector<Notice> TakeNotices() {
        std::vector<Notice> taken = notices.notices();
        notices.clear();
        return taken;
    }
};

TEST_F(BeamColumnPinnedDlgTest, OpensOnTheDefaults) {
    EXPECT_EQ(dlg.windowTitle(), "梁柱铰接连接");
    const QString texts = "style=单板铰接 grade=Q235 betaAngle=0 beamSeries=马钢中翼缘HM系列 "
                          "beam=HM244x175 columnSeries=马钢宽翼缘HW系列 column=HW294x302 "
                          "angle=L75X5 d1=10 d2=35 V=50.00 N=0.0 bp=80 hp=175 tp=8 "
                          "code=GB50017-2003 surface=喷砂(丸) boltGrade=8.8 diameter=M16 "
                          "clearance=1.0 rows=2 cols=1 sRow=52 sCol=0 weldKind=双面角焊缝 hf=6 "
                          "betaF=1.0";
    for (const QString& pair : texts.split(' ')) {
        const QStringList nameText = pair.split('=');
        EXPECT_EQ(Text(nameText[0].toUtf8().constData()), nameText[1]) << pair.toStdString();
    }
    EXPECT_EQ(Items("beam").size(), 11u);
    EXPECT_EQ(Items("column").size(), 17u);
    EXPECT_EQ(Items("angle").size(), 53u);
    EXPECT_EQ(Items("diameter"), (Texts{"M16", "M20", "M22", "M24", "M27", "M30"}));
    EXPECT_EQ(dlg.webDepth(), 190);
    EXPECT_EQ(dlg.Input().d0(), 17);
    EXPECT_FALSE(List("angle")->isEnabled());
    EXPECT_FALSE(Box("sCol")->isEnabled());
    EXPECT_EQ(Picture(), kPlate1);
    EXPECT_TRUE(Report().empty());
}

TEST_F(BeamColumnPinnedDlgTest, DefaultsComputeTheWorkedReportTwice) {
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(Report(), test::kDefaultReport);
    Compute();
    EXPECT_EQ(Report(), test::kDefaultReport);
    test::SaveScreenshot(&dlg, "pinned_joint_plate");
}

TEST_F(BeamColumnPinnedDlgTest, TwoColumnsSetPitch50AndPlate130Once) {
    Choose(List("cols"), 1);
    EXPECT_EQ(Text("sCol"), "50");
    EXPECT_TRUE(Box("sCol")->isEnabled());
    EXPECT_EQ(Items("bp"), (Texts{"80", "100", "130", "150", "200", "250"}));
    EXPECT_EQ(Text("bp"), "130");
    EXPECT_EQ(dlg.Input().bp, 130);
    EXPECT_EQ(Picture(), kPlate2);
    Choose(List("cols"), 0);
    EXPECT_EQ(dlg.Input().sCol, 0);
    EXPECT_FALSE(Box("sCol")->isEnabled());
    EXPECT_EQ(Picture(), kPlate1);
    Type(Box("bp"), "150");
    Choose(List("cols"), 1);
    EXPECT_EQ(std::ranges::count(Items("bp"), "130"), 1);
    EXPECT_EQ(dlg.Input().bp, 130);
    // e = 10 + 35 + 25 = 70: M = 50·70 = 3.50 kN·m; 130 − 45 − 50 = 35 >= 34 passes.
    Compute();
    EXPECT_EQ(Report().rfind("--偏心弯矩 M=V*e =3.50kN*m--\r\n", 0), 0u);
}

TEST_F(BeamColumnPinnedDlgTest, DoubleAngleFollowsTheAngleAndDisablesTheWeld) {
    Compute();
    ASSERT_FALSE(Report().empty());
    Choose(List("style"), 1);
    EXPECT_TRUE(Report().empty());
    EXPECT_TRUE(List("angle")->isEnabled());
    EXPECT_TRUE(List("angleKind")->isEnabled());
    for (const char* name : {"weldKind", "hf", "betaF", "bp", "tp"}) {
        EXPECT_FALSE(Child<QWidget>(&dlg, name)->isEnabled()) << name;
    }
    EXPECT_EQ(Text("bp"), "75.00");
    EXPECT_EQ(Text("tp"), "5.00");
    EXPECT_EQ(dlg.Input().bp, 75);
    EXPECT_EQ(dlg.Input().tp, 5);
    EXPECT_EQ(Picture(), kAngle1);

    // L70X4 leaves 70 − 45 = 25 mm of edge: refused, bp and tp kept.
    Choose(List("angle"), 0);
    EXPECT_EQ(TakeNotices(), std::vector<Notice>{Plain(
                                 "连接板宽度bp太小，螺栓中心与连接板边缘的距离小于2倍螺栓孔径")});
    EXPECT_EQ(Text("bp"), "75.00");
    EXPECT_EQ(dlg.Input().tp, 5);
    const int l100x10 = List("angle")->findText("L100X10");
    Choose(List("angle"), l100x10);
    EXPECT_TRUE(TakeNotices().empty());
    EXPECT_EQ(Text("bp"), "100.00");
    EXPECT_EQ(Text("tp"), "10.00");
    Compute();
    EXPECT_NE(Report().find("双面抗剪承载力 Nvb:64.80kN"), std::string::npos);
    EXPECT_EQ(Report().find("焊缝验算"), std::string::npos);

    Choose(List("cols"), 1);
    EXPECT_EQ(Picture(), kAngle2);
    EXPECT_EQ(dlg.Input().bp, 130);
    test::SaveScreenshot(&dlg, "pinned_joint_angle");

    Choose(List("style"), 0);
    for (const char* name : {"weldKind", "hf", "betaF", "bp", "tp"}) {
        EXPECT_TRUE(Child<QWidget>(&dlg, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(List("angle")->isEnabled());
    EXPECT_EQ(Picture(), kPlate2);
}

TEST_F(BeamColumnPinnedDlgTest, BetaAngleRedrawsOnTheNextLayoutChange) {
    Choose(List("betaAngle"), 1);
    EXPECT_EQ(Picture(), kPlate1);
    Choose(List("style"), 0);
    EXPECT_EQ(Picture(), kPlateWeb);
    Choose(List("cols"), 1);
    EXPECT_EQ(Picture(), "");
    Choose(List("style"), 1);
    EXPECT_EQ(Picture(), "");
    Choose(List("betaAngle"), 0);
    Choose(List("cols"), 0);
    EXPECT_EQ(Picture(), kAngle1);
}

TEST_F(BeamColumnPinnedDlgTest, CodeSwitchRefillsTheLists) {
    Type(Box("clearance"), "1.5");
    Choose(List("grade"), 1);
    Choose(List("code"), 1);
    EXPECT_EQ(Items("diameter"), (Texts{"M12", "M14", "M16"}));
    EXPECT_EQ(Text("diameter"), "M12");
    EXPECT_EQ(Items("grade"), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(Text("grade"), "Q235");
    EXPECT_EQ(Items("surface"),
              (Texts{"喷砂(丸)", "热轧钢材轧制表面清除浮锈", "冷轧钢材轧制表面清除浮锈"}));
    EXPECT_EQ(dlg.Input().d0(), 13.5);
    EXPECT_EQ(dlg.Input().steelGrade, 235);
    // M12 8.8: P = 45, μ = 0.40, Nvb = 16.20.
    Compute();
    EXPECT_NE(Report().find("单面抗剪承载力 Nvb:16.20kN"), std::string::npos);
    Choose(List("code"), 0);
    EXPECT_EQ(Items("grade").size(), 4u);
    EXPECT_EQ(dlg.Input().d, 16);
}

TEST_F(BeamColumnPinnedDlgTest, SeriesRefillTheSectionListsAndTheWebDepth) {
    Choose(List("beamSeries"), 2);
    EXPECT_EQ(Items("beam").size(), 25u);
    EXPECT_EQ(Text("beam"), "HN175x90");
    const double hn175 = dlg.webDepth();
    Pick(List("beam"), "HN400x200");
    EXPECT_EQ(dlg.webDepth(), 342); // 400 − 2·13 − 2·16
    Choose(List("beamSeries"), 4);
    EXPECT_EQ(List("beam")->count(), 0);
    EXPECT_EQ(dlg.webDepth(), 342);
    Choose(List("beamSeries"), 2);
    EXPECT_EQ(dlg.webDepth(), hn175);
    // The column series refills only its own list.
    Choose(List("columnSeries"), 1);
    EXPECT_EQ(Text("column"), "HM194x150");
    EXPECT_EQ(dlg.webDepth(), hn175);
}

TEST_F(BeamColumnPinnedDlgTest, LeavingAFieldRunsItsChecks) {
    struct Case {
        const char* box;
        const char* text;
        const char* message;
        const char* shownAfter; // the box's text after the check
    };
    // One case per kind of effect; the messages of every check are in the calculation tests.
    const Case cases[] = {
        {"d2", "30", "螺栓与梁端距离d2小于2倍螺栓孔径，不符合规范要求，需加大d2的值", "30"},
        {"d2", "35", nullptr, "35"},
        {"bp", "78", "连接板宽度bp太小，螺栓中心与连接板边缘的距离小于2倍螺栓孔径", "78"},
        {"hp", "191", "梁高度不够，您看着办吧", "191"},
        {"tp", "6", "连接板不宜太薄", "8"},
        {"betaF", "1.6", "老大，没搞错吧", "1.6"},
        {"clearance", "2.5", "别乱填", "1.0"},
        {"sRow", "50", "螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-2003 p82表8.3.4规定", "50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + "=" + c.text);
        TypeAndLeave(c.box, QString::fromUtf8(c.text));
        const std::vector<Notice> shown = TakeNotices();
        if (c.message) {
            EXPECT_EQ(shown, std::vector<Notice>{Plain(c.message)});
        } else {
            EXPECT_TRUE(shown.empty());
        }
        EXPECT_EQ(Text(c.box), QString::fromUtf8(c.shownAfter));
    }
    // The resets store the first preset too: tp 8, d0 = 16 + 1.0.
    EXPECT_EQ(dlg.Input().tp, 8);
    EXPECT_EQ(dlg.Input().d0(), 17);

    // The column pitch, with two columns and bp 130.
    Choose(List("cols"), 1);
    TypeAndLeave("sCol", "62");
    EXPECT_EQ(TakeNotices(),
              std::vector<Notice>{Plain("连接板宽度bp太小，或者列距太大，最外侧"
                                        "螺栓中心与连接板边缘的距离小于2倍螺栓孔径")});
    EXPECT_EQ(dlg.Input().sCol, 62);
}

TEST_F(BeamColumnPinnedDlgTest, DiameterPickChecksTheRowPitch) {
    // M20: d0 = 21, 3·d0 = 63 > 52.
    Choose(List("diameter"), 1);
    EXPECT_EQ(TakeNotices(),
              std::vector<Notice>{Plain("螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-"
                                        "2003 p82表8.3.4规定")});
    EXPECT_EQ(dlg.Input().d, 20);
    Type(Box("sRow"), "63");
    Choose(List("diameter"), 1);
    EXPECT_TRUE(TakeNotices().empty());
}

TEST_F(BeamColumnPinnedDlgTest, FailedCheckFocusesItsFieldAndKeepsTheReport) {
    Compute();
    const std::string before = Report();
    // Typed and computed with the Enter key: the hp box keeps the focus, no leave check runs.
    Type(Box("hp"), "191");
    QTest::keyClick(Box("hp")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(TakeNotices(), std::vector<Notice>{Plain("梁高度不够，您看着办吧")});
    EXPECT_EQ(Report(), before);
    EXPECT_TRUE(Box("hp")->lineEdit()->hasFocus());

    Type(Box("hp"), "175");
    Type(Box("bp"), "70");
    QTest::keyClick(Box("bp")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(TakeNotices(), std::vector<Notice>{Plain("连接板宽度bp太小，或者列距太大，最外侧螺栓"
                                                       "中心与连接板边缘的距离小于2倍螺栓孔径")});
    EXPECT_EQ(Report(), before);

    // Leaving a box by clicking "计算" runs the box's check first, then the compute.
    Type(Box("bp"), "80");
    Type(Box("sRow"), "50");
    Compute();
    const Notice close = Plain("螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-2003 p82表8.3.4规定");
    EXPECT_EQ(TakeNotices(), (std::vector<Notice>{close, close}));
    EXPECT_TRUE(Box("sRow")->lineEdit()->hasFocus());
    EXPECT_EQ(Report(), before);
}

TEST_F(BeamColumnPinnedDlgTest, PlateWithoutThicknessIsRefused) {
    Compute();
    const std::string before = Report();
    Type(Box("tp"), "0");
    QTest::keyClick(Box("tp")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(TakeNotices(), std::vector<Notice>{InputError("连接板厚度tp必须大于0")});
    EXPECT_EQ(Report(), before);
}

TEST_F(BeamColumnPinnedDlgTest, RunnerPrintsWhatTheDialogShows) {
    Choose(List("grade"), 1);
    Choose(List("boltGrade"), 1);
    Choose(List("rows"), 1);
    Type(Box("sRow"), "60");
    Choose(List("cols"), 1);
    Type(Box("hp"), "190");
    Choose(List("hf"), 2);
    Type(Box("betaF"), "1.22");
    Type(Box("tp"), "10");
    Choose(Box("V"), 1);
    Choose(Box("N"), 2);
    Compute();
    // The two-column plate worked by hand in the calculation tests.
    EXPECT_NE(Report().find("=121.32N/mm2"), std::string::npos);
    const auto run = test::Call({"pinned-joint", "grade=Q345", "bolt-grade=10.9", "rows=3",
                                 "sRow=60", "cols=2", "sCol=50", "bp=130", "hp=190", "hf=8",
                                 "betaF=1.22", "tp=10", "V=100.00", "N=20.0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Printed());

    Choose(List("style"), 1);
    Pick(List("angle"), "L200X14");
    Compute();
    const auto angle = test::Call({"pinned-joint", "style=双角钢连接", "angle=L200X14",
                                   "grade=Q345", "bolt-grade=10.9", "rows=3", "sRow=60", "cols=2",
                                   "sCol=50", "hp=190", "V=100.00", "N=20.0"});
    EXPECT_EQ(angle.status, 0);
    EXPECT_EQ(angle.out, Printed());
}

// The 2017 edition through the "规范版本" list: the code and faying surfaces of table 11.4.2-1
// (喷砂(丸) becoming 抛丸(喷砂)), the electrodes of the grade, the 2017 clauses in the report.
TEST_F(BeamColumnPinnedDlgTest, Edition2017RefillsCodeSurfacesAndElectrodes) {
    EXPECT_EQ(Items("edition"), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(Items("electrode"), (Texts{"E43"}));
    EXPECT_FALSE(List("electrode")->isEnabled());
    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(dlg.edition(), kSteel2017);
    EXPECT_EQ(Items("code"), (Texts{"GB50017-2017", "GB50018-2002"}));
    EXPECT_EQ(Text("code"), "GB50017-2017");
    EXPECT_EQ(Items("surface"), (Texts{"喷硬质石英砂或铸钢棱角砂", "抛丸(喷砂)",
                                       "钢丝刷清除浮锈或未经处理的干净轧制面"}));
    EXPECT_EQ(Text("surface"), "抛丸(喷砂)");
    EXPECT_TRUE(List("electrode")->isEnabled());

    // Q345 with E55, quartz sand: μ 0.45, Nvb = 0.9·1·1·0.45·80 = 32.40, ffw = 200.
    Pick(List("grade"), "Q345");
    EXPECT_EQ(Items("electrode"), (Texts{"E50", "E55"}));
    Pick(List("electrode"), "E55");
    Pick(List("surface"), "喷硬质石英砂或铸钢棱角砂");
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_NE(Report().find("Nvb=0.9*k*nf*μ*P=0.9*1.00*1*0.45*80=32.40kN"), std::string::npos)
        << Report();
    EXPECT_NE(Report().find("ffw=200.00N/mm2（GB50017-2017表4.4.5，Q345钢，E55型焊条）"),
              std::string::npos);
    EXPECT_EQ(Report().find("7.1.3"), std::string::npos);
    EXPECT_EQ(Printed(), Call({"pinned-joint", "edition=2017", "grade=Q345", "electrode=E55",
                               "surface=喷硬质石英砂或铸钢棱角砂"})
                             .out);
    test::SaveScreenshot(&dlg, "pinned_joint_plate_2017");

    // The double angle has no welds: the electrode waits.
    Pick(List("style"), "双角钢连接");
    EXPECT_FALSE(List("electrode")->isEnabled());
    Pick(List("style"), "单板铰接");
    EXPECT_TRUE(List("electrode")->isEnabled());
    Type(Box("bp"), "80"); // the angle's 75 stays in the box

    // The wire brush goes back to its 2003 name, the quartz sand to the first entry.
    Pick(List("surface"), "钢丝刷清除浮锈或未经处理的干净轧制面");
    Pick(List("edition"), "GB50017-2003");
    EXPECT_EQ(Items("code"), (Texts{"GB50017-2003", "GB50018-2002"}));
    EXPECT_EQ(Text("surface"), "钢丝刷清除浮锈或未经处理的干净轧制表面");
    EXPECT_FALSE(List("electrode")->isEnabled());
    EXPECT_EQ(Text("grade"), "Q345");
    Compute();
    EXPECT_EQ(Report().find("2017"), std::string::npos);
    EXPECT_NE(Report().find("单面抗剪承载力 Nvb:"), std::string::npos);
}

TEST_F(BeamColumnPinnedDlgTest, Edition2017DialogsOpenOnItAndCiteTable1152) {
    Pick(List("edition"), "GB50017-2017");
    {
        CBeamColumnPinnedDlg next;
        EXPECT_EQ(next.edition(), kSteel2017);
        EXPECT_EQ(Child<ChoiceList>(&next, "code")->currentText(), "GB50017-2017");
        EXPECT_EQ(Child<ChoiceList>(&next, "surface")->currentText(), "抛丸(喷砂)");
        EXPECT_TRUE(Child<ChoiceList>(&next, "electrode")->isEnabled());
        EXPECT_EQ(next.Input().edition, kSteel2017);
    }
    // The GB50018 bolts keep their list; back to GB50017 the 2017 surfaces return.
    Pick(List("code"), "GB50018-2002");
    EXPECT_EQ(Items("surface"),
              (Texts{"喷砂(丸)", "热轧钢材轧制表面清除浮锈", "冷轧钢材轧制表面清除浮锈"}));
    Pick(List("code"), "GB50017-2017");
    EXPECT_EQ(Items("surface").size(), 3u);
    EXPECT_EQ(Text("surface"), "喷硬质石英砂或铸钢棱角砂");
    TypeAndLeave("sRow", "50");
    const std::vector<Notice> shown = TakeNotices();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-2017表11.5.2规定");
    Pick(List("edition"), "GB50017-2003");
}

} // namespace
