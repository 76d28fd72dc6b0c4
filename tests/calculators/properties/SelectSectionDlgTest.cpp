#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

#include "calculators/properties/SelectSection.h"
#include "calculators/properties/SelectSectionDlg.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

const Texts kFamilies = {"焊接工字型(上下翼缘等宽)",
                         "马钢宽翼缘HW系列",
                         "马钢中翼缘HM系列",
                         "马钢窄翼缘HN系列",
                         "马钢钢桩HP系列",
                         "等边双角钢",
                         "不等边双角钢短肢相靠",
                         "不等边双角钢长肢相靠",
                         "圆钢管",
                         "工字型",
                         "方钢管",
                         "槽钢"};

const Texts kOpening = {"HK100a", "HK100b", "HK100c", "HK120a", "HK120b",
                        "HK120c", "HK140a", "HK140b", "HK140c"};

class SelectSectionDlgTest : public DialogFixture<CSelectSectionDlg> {
protected:
    QComboBox* Family() { return Child<QComboBox>(&dlg, "family"); }
    ChoiceList* Section() { return List("section"); }
};

TEST_F(SelectSectionDlgTest, OpensOnTheFirstFamilyAndTheHKList) {
    EXPECT_EQ(dlg.windowTitle(), "选择截面");
    EXPECT_TRUE(Family()->isEditable());
    EXPECT_EQ(Items(Family()), kFamilies);
    EXPECT_EQ(Family()->currentIndex(), 0);
    EXPECT_FALSE(Section()->isEditable());
    EXPECT_EQ(Items(Section()), kOpening);
    EXPECT_EQ(Section()->currentText(), "HK100a");
    // The welded-section boxes offer their presets with nothing chosen; H waits disabled.
    const std::pair<const char*, Texts> boxes[] = {
        {"b1", {"200.00", "210.00", "220.00", "230.00"}},
        {"t1", {"16.00", "17.00", "18.00", "19.00"}},
        {"hw", {"1100.00", "1200.00", "1300.00", "1400.00"}},
        {"h", {"500.00", "600.00", "700.00", "800.00"}},
        {"tw", {"10.00", "11.00", "12.00", "13.00"}},
    };
    for (const auto& [name, presets] : boxes) {
        auto* box = Child<QComboBox>(&dlg, name);
        EXPECT_TRUE(box->isEditable()) << name;
        EXPECT_EQ(Items(box), presets) << name;
        EXPECT_EQ(box->currentText(), "") << name;
        EXPECT_EQ(box->isEnabled(), std::string(name) != "h") << name;
    }
    EXPECT_EQ(Child<QRadioButton>(&dlg, "heightModeHw")->text(), "腹板净高度 Hw:");
    EXPECT_EQ(Child<QRadioButton>(&dlg, "heightModeH")->text(), "截面总高度 H");
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "heightModeHw")->isChecked());
    QStringList labels;
    for (const QLabel* label : dlg.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_EQ(labels, (QStringList{"翼缘宽度 B1:", "翼缘厚度 t1:", "腹板厚度  Tw:"}));
    EXPECT_TRUE(Child<QPushButton>(&dlg, "okButton")->isDefault());
    EXPECT_EQ(Child<QPushButton>(&dlg, "cancelButton")->text(), "Cancel");
}

TEST_F(SelectSectionDlgTest, HSeriesRefillTheListOtherFamiliesKeepIt) {
    struct Pick {
        int family;
        int count; // names after the pick
        const char* first;
        const char* last;
    };
    const Pick picks[] = {
        {2, 11, "HM194x150", "HM594x302"}, // HM
        {5, 11, "HM194x150", "HM594x302"}, // 等边双角钢 keeps the HM names
        {1, 16, "HW100x100", "HW400x408"}, // HW without HW428x407
        {0, 16, "HW100x100", "HW400x408"}, // the welded section keeps them too
        {3, 25, "HN175x90", "HN800x300"},  // HN
        {11, 25, "HN175x90", "HN800x300"}, // 槽钢
        {4, 16, "HP200x204", "HP428x407"}, // HP
        {9, 16, "HP200x204", "HP428x407"}, // 工字型
    };
    for (const Pick& pick : picks) {
        Choose(Section(), Section()->count() - 1);
        const bool refills = SelectionSeriesNames(kFamilies[pick.family]).has_value();
        const QString before = Section()->currentText();
        Choose(Family(), pick.family);
        EXPECT_EQ(Section()->count(), pick.count) << pick.family;
        EXPECT_EQ(Section()->itemText(0), pick.first) << pick.family;
        EXPECT_EQ(Section()->itemText(pick.count - 1), pick.last) << pick.family;
        // A refill selects its first name; a family that keeps the list keeps the choice too.
        EXPECT_EQ(Section()->currentText(), refills ? QString(pick.first) : before) << pick.family;
    }
    EXPECT_EQ(std::ranges::count(Items(Section()), "HW428x407"), 0);
    Choose(Family(), 1);
    EXPECT_EQ(std::ranges::count(Items(Section()), "HW428x407"), 0);
    EXPECT_EQ(std::ranges::count(Items(Section()), "HW414x405"), 1);
}

TEST_F(SelectSectionDlgTest, TypingAFamilyNameRefillsNothing) {
    Type(Family(), "马钢中翼缘HM系列");
    EXPECT_EQ(Items(Section()), kOpening);
}

TEST_F(SelectSectionDlgTest, OkAndCancelClose) {
    Click(Child<QPushButton>(&dlg, "okButton"));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    dlg.show();
    Choose(Family(), 3);
    test::SaveScreenshot(&dlg, "select-section-dialog");
    Click(Child<QPushButton>(&dlg, "cancelButton"));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

} // namespace
