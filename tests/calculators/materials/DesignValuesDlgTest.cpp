#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <utility>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/materials/DesignValuesDlg.h"
#include "tests/calculators/materials/DesignValuesTexts.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

// The controls that only the cold-formed mode shows.
const char* const kColdFormedControls[] = {
    "spotWeldPlateLabel", "spotWeldPlate", "nvsLabel",   "nvs",
    "plateCategoryLabel", "plateCategory", "limitLabel", "limit"};
const char* const kThicknessControls[] = {"thicknessLabel", "thickness", "thicknessUnit"};

class DesignValuesDlgTest : public DialogFixture<CDesignValuesDlg> {
protected:
    std::string Selected(const char* name) { return List(name)->SelectedText(); }
    std::string Steel() { return Child<ReportBox>(&dlg, "steelBox")->Report(); }
    std::string Weld() { return Child<ReportBox>(&dlg, "weldBox")->Report(); }
    std::string Value(const char* name) {
        return Child<QLineEdit>(&dlg, name)->text().toStdString();
    }
    bool Shown(const char* name) { return Child<QWidget>(&dlg, name)->isVisible(); }
    void ExpectColdFormedControls(bool shown) {
        for (const char* name : kColdFormedControls) {
            EXPECT_EQ(Shown(name), shown) << name;
        }
        EXPECT_TRUE(Shown("spotWeldGroup"));
        EXPECT_TRUE(Shown("plateLimitGroup"));
    }
    void ExpectThicknessControls(bool shown) {
        for (const char* name : kThicknessControls) {
            EXPECT_EQ(Shown(name), shown) << name;
        }
    }
};

TEST_F(DesignValuesDlgTest, Opening) {
    EXPECT_EQ(dlg.windowTitle(), "设计指标");
    EXPECT_EQ(Items(List("code")),
              (Texts{"GB50018-2002 冷弯薄壁型钢结构技术规范", "GB50017 普通钢结构规范"}));
    EXPECT_EQ(List("code")->currentIndex(), 0);
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(Selected("grade"), "Q235");
    ExpectThicknessControls(false);
    ExpectColdFormedControls(true);
    EXPECT_EQ(Selected("spotWeldPlate"), "0.4");
    EXPECT_EQ(Value("nvs"), "0.60");
    EXPECT_EQ(Selected("plateCategory"), "非加劲板件");
    EXPECT_EQ(Items(List("plateCategory")),
              (Texts{"非加劲板件", "部分加劲板件", "加劲板件", "圆管外径与壁厚之比"}));
    EXPECT_EQ(Value("limit"), "45.00");
    EXPECT_TRUE(Steel().empty());
    EXPECT_TRUE(Weld().empty());
    EXPECT_TRUE(Child<QLineEdit>(&dlg, "nvs")->isReadOnly());
    EXPECT_TRUE(Child<QLineEdit>(&dlg, "limit")->isReadOnly());
    EXPECT_TRUE(Child<ReportBox>(&dlg, "steelBox")->isReadOnly());
    // No compute: the only button closes the dialog.
    EXPECT_EQ(dlg.findChild<QPushButton*>("computeButton"), nullptr);
    EXPECT_EQ(dlg.findChildren<QPushButton*>().size(), 1);
    test::SaveScreenshot(&dlg, "DesignValuesDlg_opening");
}

// Each label and frame carries its own caption, read from the widget the user sees next to the
// list or box it names.
TEST_F(DesignValuesDlgTest, LabelsAndFrames) {
    const std::pair<const char*, const char*> labels[] = {
        {"codeLabel", "规范:"},
        {"gradeLabel", "钢号:"},
        {"thicknessLabel", "钢材厚度:"},
        {"thicknessUnit", "mm"},
        {"spotWeldPlateLabel", "相焊板件中外层较薄板件的厚度(mm):"},
        {"nvsLabel", "每个焊点的抗剪承载力设计值Nvs(kN):"},
        {"plateCategoryLabel", "板件类别:"},
        {"limitLabel", "限值:"},
    };
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(Child<QLabel>(&dlg, name)->text().toStdString(), text) << name;
    }
    const std::pair<const char*, const char*> frames[] = {
        {"steelGroup", "钢材强度设计值"},
        {"weldGroup", "焊缝强度设计值(N/mm2)"},
        {"spotWeldGroup", "电阻点焊的抗剪承载力设计值(GB50018-2002 表4.2.6)"},
        {"plateLimitGroup", "受压板件最大宽厚比限值"},
    };
    for (const auto& [name, title] : frames) {
        EXPECT_EQ(Child<QGroupBox>(&dlg, name)->title().toStdString(), title) << name;
    }
    // The spot-weld and limit controls sit inside their frames.
    for (const char* name : {"spotWeldPlateLabel", "spotWeldPlate", "nvsLabel", "nvs"}) {
        EXPECT_TRUE(
            Child<QGroupBox>(&dlg, "spotWeldGroup")->isAncestorOf(Child<QWidget>(&dlg, name)))
            << name;
    }
    for (const char* name : {"plateCategoryLabel", "plateCategory", "limitLabel", "limit"}) {
        EXPECT_TRUE(
            Child<QGroupBox>(&dlg, "plateLimitGroup")->isAncestorOf(Child<QWidget>(&dlg, name)))
            << name;
    }
    EXPECT_EQ(Child<QPushButton>(&dlg, "cancelButton")->text().toStdString(), "取消");
    EXPECT_EQ(Items(List("spotWeldPlate")),
              (Texts{"0.4", "0.6", "0.8", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5"}));
}

TEST_F(DesignValuesDlgTest, CodeSwitchBothWays) {
    Choose(List("plateCategory"), 2);
    Choose(List("code"), 1);
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345", "Q390", "Q420"}));
    EXPECT_EQ(Selected("grade"), "Q235");
    ExpectThicknessControls(true);
    EXPECT_EQ(Items(List("thickness")), (Texts{"<=16", ">16-40", ">40-60", ">60-100"}));
    EXPECT_EQ(Selected("thickness"), "<=16");
    EXPECT_EQ(Steel(), kGB50017Steel);
    EXPECT_EQ(Weld(), kGB50017Weld);
    ExpectColdFormedControls(false);
    test::SaveScreenshot(&dlg, "DesignValuesDlg_gb50017");

    // A grade of the longer list, then back to cold-formed: Q235 again, with the limit of the
    // category still selected.
    Choose(List("grade"), 3);
    Choose(List("code"), 0);
    EXPECT_EQ(Items(List("grade")), (Texts{"Q235", "Q345"}));
    EXPECT_EQ(Selected("grade"), "Q235");
    ExpectThicknessControls(false);
    ExpectColdFormedControls(true);
    EXPECT_EQ(Steel(), kColdFormedSteel);
    EXPECT_EQ(Weld(), TextsOnCodeChange(kDesignCodeColdFormed).weld);
    EXPECT_EQ(Selected("plateCategory"), "加劲板件");
    EXPECT_EQ(Value("limit"), "250.00");
}

TEST_F(DesignValuesDlgTest, ColdFormedGradePick) {
    Choose(List("plateCategory"), 1);
    EXPECT_EQ(Value("limit"), "60.00");
    Choose(List("grade"), 1);
    EXPECT_EQ(Steel(), " 抗拉、抗压、抗弯:300.00N/mm2"
                       "\r\n \t \t 抗剪:175.00N/mm2"
                       "\r\n 端面承压（磨平顶紧）:400.00 N/mm2");
    EXPECT_EQ(Weld(), " 对接焊缝抗压 fcw:300.00 N/mm2"
                      "\r\n 对接焊缝抗拉 ftw: 255.00 N/mm2"
                      "\r\n 对接焊缝抗剪 fvw: 175.00 N/mm2"
                      "\r\n 角焊缝抗压、抗拉、抗剪 ffw: 195.00 N/mm2");
    EXPECT_EQ(Value("limit"), "50.00");
    // The category now reads the Q345 column.
    const char* const q345[] = {"35.00", "50.00", "200.00", "68.00"};
    for (int i = 0; i < 4; ++i) {
        Choose(List("plateCategory"), i);
        EXPECT_EQ(Value("limit"), q345[i]);
    }
    Choose(List("grade"), 0);
    EXPECT_EQ(Value("limit"), "100.00");
    EXPECT_EQ(Weld(), TextsOnGradeChange(kDesignCodeColdFormed, kQ235).weld);
}

TEST_F(DesignValuesDlgTest, GB50017GradePickResetsTheThickness) {
    Choose(List("code"), 1);
    Choose(List("thickness"), 2);
    EXPECT_EQ(Selected("thickness"), ">40-60");
    Choose(List("grade"), 1);
    EXPECT_EQ(Items(List("thickness")), (Texts{"<=16", ">16-35", ">35-50", ">50-100"}));
    EXPECT_EQ(Selected("thickness"), "<=16");
    EXPECT_EQ(Steel(), " 抗拉、抗压、抗弯:310.00N/mm2"
                       "\r\n \t \t 抗剪:180.00N/mm2"
                       "\r\n 端面承压（磨平顶紧）:400.00 N/mm2");
    EXPECT_EQ(Weld(), "对接焊缝抗压 fcw:310.00 N/mm2"
                      "\r\n一、二级焊缝质量对接焊缝抗拉 ftw: 310.00 N/mm2"
                      "\r\n三级焊缝质量对接焊缝抗拉 ftw: 265.00 N/mm2"
                      "\r\n对接焊缝抗剪 fvw: 180.00 N/mm2"
                      "\r\n角焊缝抗压、抗拉、抗剪 ffw: 200.00 N/mm2");
    // The limit box is not touched in this mode.
    EXPECT_EQ(Value("limit"), "45.00");
}

TEST_F(DesignValuesDlgTest, ThicknessPicksUseTheRepresentativeThicknesses) {
    Choose(List("code"), 1);
    // Q235 at 10, 18, 42 and 70 mm.
    const char* const f[] = {"215.00", "205.00", "200.00", "190.00"};
    const char* const ftw3[] = {"185.00", "175.00", "170.00", "160.00"};
    for (int band = 0; band < 4; ++band) {
        Choose(List("thickness"), band);
        EXPECT_EQ(Steel().substr(0, Steel().find("\r\n")),
                  std::string(" 抗拉、抗压、抗弯:") + f[band] + "N/mm2,")
            << band;
        EXPECT_NE(Weld().find(std::string("三级焊缝质量对接焊缝抗拉 ftw: ") + ftw3[band]),
                  std::string::npos)
            << band;
        EXPECT_EQ(Steel(), TextsOnThicknessChange(kQ235, band).steel);
        EXPECT_EQ(Weld(), TextsOnThicknessChange(kQ235, band).weld);
    }
    EXPECT_EQ(Steel(), " 抗拉、抗压、抗弯:190.00N/mm2,"
                       "\r\n \t         抗剪:110.00N/mm2,"
                       "\r\n 端面承压（磨平顶紧）:325.00 N/mm2");
}

TEST_F(DesignValuesDlgTest, SpotWeldRows) {
    const char* const nvs[] = {"0.60", "1.10", "1.70",  "2.30", "4.00",
                               "5.90", "8.00", "10.20", "12.60"};
    for (int i = 8; i >= 0; --i) {
        Choose(List("spotWeldPlate"), i);
        EXPECT_EQ(Value("nvs"), nvs[i]);
    }
    // Not part of the strength boxes.
    EXPECT_TRUE(Steel().empty());
}

// The runner's view of a sequence of picks is what the dialog shows after the same picks.
TEST_F(DesignValuesDlgTest, SameBoxesAsTheRunner) {
    Choose(List("code"), 1);
    Choose(List("grade"), 2);
    Choose(List("thickness"), 1);
    DesignValuesInput in;
    in.code = kDesignCodeGB50017;
    in.grade = kQ390;
    in.band = 1;
    const auto view = ComputeDesignValues(in);
    ASSERT_TRUE(view);
    EXPECT_EQ(Steel(), view->strength.steel);
    EXPECT_EQ(Weld(), view->strength.weld);
    EXPECT_EQ(Selected("thickness"), *view->bandEntry);

    Choose(List("code"), 0);
    Choose(List("grade"), 1);
    Choose(List("spotWeldPlate"), 4);
    Choose(List("plateCategory"), 3);
    const auto cold = ComputeDesignValues({kDesignCodeColdFormed, kQ345, 0, 4, 3});
    ASSERT_TRUE(cold);
    EXPECT_EQ(Steel(), cold->strength.steel);
    EXPECT_EQ(Weld(), cold->strength.weld);
    EXPECT_EQ(Value("nvs"), *cold->nvs);
    EXPECT_EQ(Value("limit"), *cold->limit);
}

// The input lines of a report box's calculation sheet, "label：value" each.
std::string SheetInputs(const ReportBox* box) {
    std::string lines;
    for (const SheetField& field : box->Sheet().inputs) {
        lines += (field.label + "：" + field.value + "\n").toStdString();
    }
    return lines;
}

// The calculation sheet of the strength boxes names every input shown; the thickness list, which
// sits in a row of its own with its unit, is named by its label like the others.
TEST_F(DesignValuesDlgTest, SheetNamesEveryShownPick) {
    Choose(List("code"), 1);
    Choose(List("thickness"), 2);
    EXPECT_EQ(SheetInputs(Child<ReportBox>(&dlg, "steelBox")), "规范版本：GB50017-2003\n"
                                                               "规范：GB50017 普通钢结构规范\n"
                                                               "钢号：Q235\n"
                                                               "钢材厚度：>40-60 mm\n");
    Choose(List("code"), 0);
    EXPECT_EQ(SheetInputs(Child<ReportBox>(&dlg, "weldBox")),
              "规范：GB50018-2002 冷弯薄壁型钢结构技术规范\n"
              "钢号：Q235\n"
              "相焊板件中外层较薄板件的厚度(mm)：0.4\n"
              "每个焊点的抗剪承载力设计值Nvs(kN)：0.60\n"
              "板件类别：非加劲板件\n"
              "限值：45.00\n");
}

TEST_F(DesignValuesDlgTest, CancelCloses) {
    Click(Child<QPushButton>(&dlg, "cancelButton"));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(notices.notices().empty());
}

// "计算工具" > "设计指标" (command 32787) is enabled and opens the dialog, from its opening state
// every time.
TEST(DesignValuesMenu, OpensFromTheMainMenu) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    QAction* action = app.mainFrame()->ActionFor(cmd::kDesignValues);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    for (int run = 0; run < 2; ++run) {
        std::string limit;
        const QString caption = WhileModal(
            [&] { action->trigger(); },
            [&](QWidget* modal) {
                if (auto* box = modal->findChild<QLineEdit*>("limit")) {
                    limit = box->text().toStdString();
                }
                if (auto* plates = modal->findChild<ChoiceList*>("plateCategory")) {
                    Choose(plates, 2); // changed on the first run, back to "45.00" on the next
                }
            });
        EXPECT_EQ(caption, "设计指标") << run;
        EXPECT_EQ(limit, "45.00") << run;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
