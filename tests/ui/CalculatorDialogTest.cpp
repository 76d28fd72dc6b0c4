#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include <memory>

#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;

namespace {

TEST(ValueCombo, TypingAndChoosingStoreTheValueAndSignal) {
    double member = -1;
    ValueCombo box("box", {"200.00", "210.00"}, &member);
    box.show();
    box.SelectFirst();
    EXPECT_EQ(member, 200);
    int typed = 0, chosen = 0;
    QObject::connect(&box, &ValueCombo::typed, [&] { ++typed; });
    QObject::connect(&box, &ValueCombo::chosen, [&] { ++chosen; });
    test::Type(&box, "12abc");
    EXPECT_EQ(member, 12);
    test::Choose(&box, 1);
    EXPECT_EQ(member, 210);
    test::Type(&box, "");
    EXPECT_EQ(member, 0);
    EXPECT_GE(typed, 2);
    EXPECT_EQ(chosen, 1);
    // Dependent updates store without signalling.
    box.SetValueText(std::string("77.5"));
    EXPECT_EQ(member, 77.5);
    box.SetValue(1132.004);
    EXPECT_EQ(box.currentText(), "1132.00");
    EXPECT_EQ(member, 1132.004);
    EXPECT_EQ(chosen, 1);
}

TEST(ChoiceList, StoresTheIndexAndRefills) {
    int member = -1;
    ChoiceList list("list", {"mm", "cm", "m"}, &member);
    list.show();
    EXPECT_EQ(member, 0);
    test::Choose(&list, 2);
    EXPECT_EQ(member, 2);
    EXPECT_EQ(list.SelectedText(), "m");
    list.SetItems(std::vector<std::string>{"Q235", "Q345"});
    EXPECT_EQ(member, 0);
    EXPECT_EQ(list.count(), 2);
    list.SetItems(std::vector<std::string>{});
    EXPECT_EQ(member, -1);
}

TEST(RadioGroup, ChecksFromAndStoresToItsMember) {
    int member = 1;
    RadioGroup group("方法", "method", {"a", "b", "c"}, &member);
    group.show();
    EXPECT_TRUE(group.button(1)->isChecked());
    test::Click(group.button(2));
    EXPECT_EQ(member, 2);
}

TEST(ReportBox, ShowsCrLfAsLineBreaksAndIsReadOnly) {
    ReportBox box;
    box.SetReport("a\r\nb\tc");
    EXPECT_EQ(box.toPlainText(), "a\nb\tc");
    EXPECT_EQ(box.Report(), "a\r\nb\tc");
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST(ShowOutcome, RefusedComputeKeepsThePreviousReport) {
    NoticeRecorder recorder;
    QDialog dialog;
    ReportBox box(&dialog);
    ShowOutcome(&dialog, &box, std::string("first"), {});
    ShowOutcome(&dialog, &box, std::nullopt, {InputError("bad")});
    EXPECT_EQ(box.Report(), "first");
    ASSERT_EQ(recorder.notices().size(), 1u);
    EXPECT_EQ(recorder.notices()[0].caption, "输入错误");
    EXPECT_EQ(recorder.notices()[0].icon, NoticeIcon::Error);
}

TEST(ReportBox, VerdictStripFollowsTheReportItBelongsTo) {
    NoticeRecorder recorder;
    QDialog dialog;
    ReportBox box(&dialog);
    dialog.resize(400, 300);
    dialog.show();
    auto* strip = box.findChild<QLabel*>(QStringLiteral("reportVerdicts"));
    ASSERT_NE(strip, nullptr);
    EXPECT_FALSE(strip->isVisible());

    ShowOutcome(&dialog, &box, std::string("r1"), {}, {{"σa/ffw", 80, 160}, {"σB/ffw", 200, 160}});
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(box.VerdictLines(), QStringList({"σa/ffw = 0.50  满足", "σB/ffw = 1.25  不满足"}));
    EXPECT_TRUE(strip->text().contains("#1b7a2b"));
    EXPECT_TRUE(strip->text().contains("#c62828"));

    // A refusal keeps the report and its verdicts; a report without checks hides the strip.
    ShowOutcome(&dialog, &box, std::nullopt, {InputError("bad")}, {{"x", 1, 2}});
    EXPECT_EQ(box.VerdictLines().size(), 2);
    ShowOutcome(&dialog, &box, std::string("r2"), {});
    EXPECT_TRUE(box.VerdictLines().isEmpty());
    EXPECT_FALSE(strip->isVisible());
}

TEST(Buttons, ComputeAndCancel) {
    QDialog dialog;
    QPushButton* compute = MakeComputeButton(&dialog);
    QPushButton* cancel = MakeCancelButton(&dialog);
    EXPECT_EQ(compute->text(), "计算");
    EXPECT_EQ(cancel->text(), "取消");
    dialog.show();
    test::Click(cancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace

namespace {

// The edition list opens on the edition last chosen in any dialog and remembers a new choice;
// with nothing stored (a fresh installation) it opens on its first entry.
TEST(EditionList, OpensOnTheLastChoiceAndRemembersANewOne) {
    QSettings().remove(QStringLiteral("Editions"));
    const std::vector<const char*> entries = {"GB50017-2003", "GB50017-2017"};
    int first = -1;
    auto* list = new ferrolab::EditionList(QStringLiteral("Editions/GB50017"), entries,
                                           {"2003", "2017"}, &first);
    const std::unique_ptr<QWidget> owner(list);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(list->Year(), 2003);
    ferrolab::test::Choose(list, 1);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(QSettings().value(QStringLiteral("Editions/GB50017")).toString(), "2017");

    int second = -1;
    const ferrolab::EditionList again(QStringLiteral("Editions/GB50017"), entries, {"2003", "2017"},
                                      &second);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(again.Year(), 2017);
    EXPECT_EQ(again.currentText(), "GB50017-2017");

    // Another code's editions are kept apart.
    int seismic = -1;
    const ferrolab::EditionList other(QStringLiteral("Editions/GB50011"),
                                      {"GB50011-2001", "GB50011-2010"}, {"2001", "2010"}, &seismic);
    EXPECT_EQ(other.Year(), 2001);
    QSettings().remove(QStringLiteral("Editions"));
}

} // namespace
