#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/members/ColumnLengthFactorDlg.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

const QStringList kItems = {"编号", "翼缘宽", "翼缘厚", "腹板宽", "腹板厚", "EI", "长度"};

QStringList Labels(const QWidget* dialog) {
    QStringList labels;
    if (auto* list = dialog->findChild<QListWidget*>("upperColumnList")) {
        for (int i = 0; i < list->count(); ++i) {
            labels << list->item(i)->text();
        }
    }
    return labels;
}

// Edits an item's label in place the way a user does: open its editor, type, press Enter.
void EditLabel(QListWidget* list, int row, const QString& text) {
    list->setCurrentRow(row);
    list->editItem(list->item(row));
    auto* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits and closes the editor through the event queue.
    QApplication::processEvents();
}

class ColumnLengthFactorDlgTest : public DialogFixture<CColumnLengthFactorDlg> {
protected:
    QListWidget* List() { return Child<QListWidget>(&dlg, "upperColumnList"); }
};

TEST_F(ColumnLengthFactorDlgTest, MembersAroundTheJointAndTheSevenItems) {
    EXPECT_EQ(dlg.windowTitle(), "柱的计算长度系数");
    const std::pair<const char*, const char*> groups[] = {{"upperColumnGroup", "上柱截面"},
                                                          {"leftBeamGroup", "左梁截面"},
                                                          {"rightBeamGroup", "右梁截面"},
                                                          {"lowerColumnGroup", "下柱截面"}};
    for (const auto& [name, title] : groups) {
        EXPECT_EQ(Child<QGroupBox>(&dlg, name)->title(), title);
    }
    auto* select = Child<QPushButton>(&dlg, "selectSectionButton");
    EXPECT_EQ(select->text(), "....");
    EXPECT_EQ(select->parent(), Child<QGroupBox>(&dlg, "upperColumnGroup"));
    EXPECT_EQ(List()->parent(), select->parent());
    EXPECT_EQ(Labels(&dlg), kItems);
    EXPECT_EQ(List()->viewMode(), QListView::IconMode);
    EXPECT_EQ(List()->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(List()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(List()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < List()->count(); ++i) {
        EXPECT_TRUE(List()->item(i)->flags() & Qt::ItemIsEditable) << i;
    }
    EXPECT_EQ(Child<QPushButton>(&dlg, "okButton")->text(), "OK");
    EXPECT_EQ(Child<QPushButton>(&dlg, "cancelButton")->text(), "Cancel");
    // The framed rectangle holds the length factor's inputs, opening at K1 = K2 = 0, no sway.
    auto* frame = Child<QFrame>(&dlg, "lengthFactorFrame");
    EXPECT_EQ(frame->frameShape(), QFrame::Box);
    EXPECT_EQ(Child<ValueCombo>(frame, "k1")->currentText(), "0.00");
    EXPECT_EQ(Child<ValueCombo>(frame, "k2")->count(), 13);
    EXPECT_EQ(Child<ValueCombo>(frame, "k2")->itemText(12), "10.00");
    EXPECT_TRUE(Child<QRadioButton>(frame, "frame_0")->isChecked());
    EXPECT_EQ(Child<QRadioButton>(frame, "frame_0")->text(), "无侧移");
    EXPECT_EQ(Child<QRadioButton>(frame, "frame_1")->text(), "有侧移");
    EXPECT_TRUE(Report().empty());
}

TEST_F(ColumnLengthFactorDlgTest, LabelsEditInPlaceAndAFreshFormForgetsThem) {
    EditLabel(List(), 5, "EI=2.1e5");
    EXPECT_EQ(List()->item(5)->text(), "EI=2.1e5");
    EXPECT_EQ(Labels(&dlg).size(), 7);
    CColumnLengthFactorDlg again;
    EXPECT_EQ(Labels(&again), kItems);
}

TEST_F(ColumnLengthFactorDlgTest, ComputeShowsMuOfTheChosenFrame) {
    Choose(Box("k1"), 7); // 1.00
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(),
              ":/pictures/column_length_nosway.svg");
    Click(Child<QRadioButton>(&dlg, "frame_1"));
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(),
              ":/pictures/column_length_sway.svg");
    Compute();
    // Table D-2, K1 = 1, K2 = 0 (hinged base): 2.3279.
    EXPECT_NE(Report().find("框架类型: 有侧移（表D-2）\r\n"), std::string::npos);
    EXPECT_NE(Report().find("K2 = 0.000（铰接）\r\n"), std::string::npos);
    EXPECT_TRUE(Report().ends_with("\r\n计算长度系数 μ = 2.328\r\n"));
    test::SaveScreenshot(&dlg, "column-length-factor-dialog");

    Type(Box("k2"), "0.5");
    Click(Child<QRadioButton>(&dlg, "frame_0"));
    Compute();
    // Table D-1, K1 = 1, K2 = 0.5: 0.8133.
    EXPECT_TRUE(Report().ends_with("\r\n计算长度系数 μ = 0.813\r\n"));
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(ColumnLengthFactorDlgTest, NegativeRatioIsRefusedAndTheReportStays) {
    Compute();
    const std::string before = Report();
    Type(Box("k1"), "-2");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0].caption, "输入错误");
    EXPECT_EQ(notices.notices()[0].icon, NoticeIcon::Error);
    EXPECT_EQ(Report(), before);
}

TEST_F(ColumnLengthFactorDlgTest, SelectionDialogOpensAndTheFormStaysAsItWas) {
    EditLabel(List(), 0, "C1");
    EXPECT_EQ(WhileModal([&] { Click(Child<QPushButton>(&dlg, "selectSectionButton")); }),
              "选择截面");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(List()->item(0)->text(), "C1");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ColumnLengthFactorDlgTest, OkAndCancelClose) {
    Click(Child<QPushButton>(&dlg, "okButton"));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    dlg.show();
    Click(Child<QPushButton>(&dlg, "cancelButton"));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

// "构件验算" > "柱计算长度系数": every opening shows the seven labels as they were first
// inserted, whatever was edited in the last one.
TEST_F(ColumnLengthFactorDlgTest, Edition2017CitesAppendixEAndIsRemembered) {
    auto* frame = Child<QFrame>(&dlg, "lengthFactorFrame");
    auto* edition = Child<ChoiceList>(frame, "edition");
    EXPECT_EQ(Items(edition), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(edition->currentText(), "GB50017-2003");
    Choose(Box("k1"), 7); // 1.00
    Click(Child<QRadioButton>(&dlg, "frame_1"));
    Pick(edition, "GB50017-2017");
    Compute();
    // Table E.0.2, K1 = 1, K2 = 0: 2.33.
    EXPECT_EQ(Report().rfind("框架柱的计算长度系数 μ（GB50017-2017 附录E）\r\n"
                             "框架类型: 有侧移（表E.0.2）\r\n",
                             0),
              0u);
    EXPECT_TRUE(Report().ends_with("\r\n计算长度系数 μ = 2.328\r\n"));
    CColumnLengthFactorDlg again;
    EXPECT_EQ(Child<ChoiceList>(&again, "edition")->currentText(), "GB50017-2017");
    Pick(edition, "GB50017-2003");
    Compute();
    EXPECT_NE(Report().find("框架类型: 有侧移（表D-2）\r\n"), std::string::npos);
}

TEST(ColumnLengthFactorMenu, EveryOpeningIsFresh) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    QAction* action = app.mainFrame()->ActionFor(cmd::kEffectiveLength);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    for (int run = 0; run < 2; ++run) {
        QStringList labels;
        const QString caption =
            WhileModal([&] { action->trigger(); },
                       [&](QWidget* modal) {
                           labels = Labels(modal);
                           if (auto* list = modal->findChild<QListWidget*>("upperColumnList")) {
                               EditLabel(list, 6, "L=3600");
                           }
                       });
        EXPECT_EQ(caption, "柱的计算长度系数") << run;
        EXPECT_EQ(labels, kItems) << run;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
