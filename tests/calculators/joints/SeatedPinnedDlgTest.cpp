#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "calculators/joints/SeatedPinnedDlg.h"
#include "tests/support/GuiHelpers.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;
using ferrolab::test::Child;
using ferrolab::test::Choose;
using ferrolab::test::Click;
using ferrolab::test::Type;

namespace {

const char* const kOpeningReport =
    " 焊缝σ_1:66.02N/mm2\r\n σ_2:129.62N/mm2\r\n σ_3:77.28N/mm2\r\n"
    " 梁托翼缘1处 σ_Top:48.69N/mm2\r\n 梁托腹板最大剪力 τ:91.81N/mm2";

class SeatedPinnedDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dlg.show(); }

    ValueCombo* Box(const char* name) { return Child<ValueCombo>(&dlg, name); }
    ChoiceList* List(const char* name) { return Child<ChoiceList>(&dlg, name); }
    std::vector<std::string> Items(QComboBox* box) {
        std::vector<std::string> items;
        for (int i = 0; i < box->count(); ++i) {
            items.push_back(box->itemText(i).toStdString());
        }
        return items;
    }
    std::string Report() { return Child<ReportBox>(&dlg, "report")->Report(); }
    void Compute() { Click(Child<QPushButton>(&dlg, "computeButton")); }

    NoticeRecorder notices;
    CSeatedPinnedDlg dlg;
};

TEST_F(SeatedPinnedDlgTest, OpensOnItsPresets) {
    EXPECT_EQ(dlg.windowTitle(), "支托铰接");
    const std::pair<const char*, std::vector<std::string>> presets[] = {
        {"d1", {"10", "15", "20"}},
        {"d2", {"35", "40", "45", "50"}},
        {"lf", {"80", "100", "150", "200", "250"}},
        {"wf", {"75", "100", "150", "200", "250", "300"}},
        {"tf", {"8", "9", "10", "11", "12"}},
        {"hw", {"100", "150", "200", "250"}},
        {"tw", {"7", "8", "9", "10", "11", "12", "13"}},
        {"cl", {"6", "7", "8", "9", "10"}},
        {"hfH", {"6", "7", "8", "9", "10"}},
        {"betaF", {"1.0", "1.2"}},
        {"hfV", {"6", "7", "8", "9", "10"}},
        {"V", {"50.00", "100.00", "150.00", "200.00"}},
    };
    for (const auto& [name, items] : presets) {
        EXPECT_EQ(Items(Box(name)), items) << name;
        EXPECT_EQ(Box(name)->currentText().toStdString(), items.front()) << name;
    }
    EXPECT_EQ(Items(List("grade")), (std::vector<std::string>{"Q235", "Q345", "Q390", "Q420"}));
    EXPECT_EQ(Items(List("betaAngle")), (std::vector<std::string>{"0", "90"}));
    EXPECT_EQ(Items(List("weld")), (std::vector<std::string>{"双面角焊缝"}));
    const std::vector<std::string> series = {"马钢宽翼缘HW系列", "马钢中翼缘HM系列",
                                             "马钢窄翼缘HN系列", "热轧普通工字钢", "焊接工字形"};
    EXPECT_EQ(Items(List("beamSeries")), series);
    EXPECT_EQ(Items(List("columnSeries")), series);
    EXPECT_EQ(List("beamSeries")->SelectedText(), "马钢宽翼缘HW系列");
    EXPECT_EQ(List("beam")->SelectedText(), "HM194x150");
    EXPECT_EQ(List("column")->SelectedText(), "HW100x100");
    EXPECT_EQ(List("column")->count(), 17);
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(), ":/pictures/seated_bracket.svg");
    EXPECT_TRUE(Report().empty());
    for (const char* group : {"截面参数", "支托翼缘", "支托腹板", "支托翼缘与柱翼缘间焊缝",
                              "支托腹板与柱翼缘间角焊缝", "梁端力:"}) {
        bool found = false;
        for (QGroupBox* box : dlg.findChildren<QGroupBox*>()) {
            found = found || box->title() == QString::fromUtf8(group);
        }
        EXPECT_TRUE(found) << group;
    }
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
}

} // namespace
