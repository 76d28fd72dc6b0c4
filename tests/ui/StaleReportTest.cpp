// A report whose inputs have changed since it was computed says so, in the box, on the
// clipboard and on the sheet, until the next compute.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calculators/connections/BoltConnectionDlg.h"
#include "calculators/connections/FilletWeldMNVDlg.h"
#include "calculators/members/AxialMemberDlg.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"
#include "ui/ReportSheet.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

const QString kNote = QString::fromUtf8(kStaleNote);

bool NoteShown(const ReportBox* box) {
    return Child<QLabel>(box, box->objectName() + "Stale")->isVisibleTo(box);
}

class StaleReportTest : public ::testing::Test {
protected:
    void SetUp() override { dlg.show(); }
    void Compute() { Click(Child<QPushButton>(&dlg, "computeButton")); }

    NoticeRecorder notices;
    CFilletWeldMNVDlg dlg;
    ReportBox* report = Child<ReportBox>(&dlg, "report");
};

TEST_F(StaleReportTest, EditMarksTheReportAndComputeOrUndoingTheEditClearsIt) {
    EXPECT_FALSE(report->IsStale()); // nothing computed yet: nothing to mark
    Type(Child<ValueCombo>(&dlg, "F"), "150");
    EXPECT_FALSE(report->IsStale());

    Compute();
    const QString computed = report->toPlainText();
    ASSERT_FALSE(computed.isEmpty());
    EXPECT_FALSE(report->IsStale());
    EXPECT_FALSE(NoteShown(report));
    const QStringList verdicts = report->VerdictLines();

    // Typing, choosing from a list: the report stays, marked.
    Type(Child<ValueCombo>(&dlg, "e"), "300");
    EXPECT_TRUE(report->IsStale());
    EXPECT_TRUE(NoteShown(report));
    EXPECT_EQ(report->toPlainText(), computed);
    EXPECT_EQ(report->VerdictLines(), verdicts);
    SaveScreenshot(&dlg, "stale-report");

    QApplication::clipboard()->clear();
    report->CopyReport();
    EXPECT_EQ(QApplication::clipboard()->text(), computed + "\n" + kNote);

    // The sheet keeps the inputs the report was computed from (e 200.00, not 300) and says that
    // the dialog now shows others.
    const ReportSheet sheet = report->Sheet();
    EXPECT_TRUE(SheetText(sheet).endsWith("\r\n" + kNote + "\r\n"));
    bool eComputed = false;
    for (const SheetField& field : sheet.inputs) {
        eComputed |= field.label == "e(mm)" && field.value == "200.00";
    }
    EXPECT_TRUE(eComputed);

    // Back to the computed value: the report answers the inputs again.
    Type(Child<ValueCombo>(&dlg, "e"), "200.00");
    EXPECT_FALSE(report->IsStale());

    Pick(Child<ChoiceList>(&dlg, "grade"), "Q345");
    EXPECT_TRUE(report->IsStale());
    Compute();
    EXPECT_FALSE(report->IsStale());
    EXPECT_FALSE(NoteShown(report));
    EXPECT_FALSE(SheetText(report->Sheet()).contains(kNote));
}

TEST_F(StaleReportTest, RefusedComputeKeepsTheReportMarkedUntilTheNextCompute) {
    Compute();
    const QString computed = report->toPlainText();
    Type(Child<ValueCombo>(&dlg, "hf"), "0");
    Type(Child<ValueCombo>(&dlg, "hf"), "6.00"); // back to the computed inputs
    EXPECT_FALSE(report->IsStale());

    Type(Child<ValueCombo>(&dlg, "tw"), "-1");
    Compute();
    ASSERT_FALSE(notices.notices().empty());
    EXPECT_EQ(notices.notices().back().caption, "输入错误");
    EXPECT_EQ(report->toPlainText(), computed);
    EXPECT_TRUE(report->IsStale());

    // Even with the computed inputs back, a refusal stands until a compute succeeds.
    Type(Child<ValueCombo>(&dlg, "tw"), "10.00");
    EXPECT_TRUE(report->IsStale());
    Compute();
    EXPECT_FALSE(report->IsStale());
}

// The bolt dialog shows two reports of their own inputs: the one bolt's capacity, rebuilt on
// every pick of its lists, and the bolt group's, rebuilt on "计算".
TEST(StaleReportScopes, BoltCapacityAndBoltGroupFollowTheirOwnInputs) {
    NoticeRecorder notices;
    CBoltConnectionDlg dlg;
    dlg.show();
    auto* capacity = Child<ReportBox>(&dlg, "capacity");
    auto* group = Child<ReportBox>(&dlg, "report");
    Pick(Child<ChoiceList>(&dlg, "kind"), "摩擦型高强螺栓");
    ASSERT_FALSE(capacity->toPlainText().isEmpty());
    Click(Child<QPushButton>(&dlg, "computeButton"));
    ASSERT_FALSE(group->toPlainText().isEmpty());

    Type(Child<ValueCombo>(&dlg, "V"), "150");
    EXPECT_TRUE(group->IsStale());
    EXPECT_FALSE(capacity->IsStale());

    // A list pick rebuilds the capacity at once: never stale.
    Pick(Child<ChoiceList>(&dlg, "plateGrade"), "Q345");
    EXPECT_FALSE(capacity->IsStale());
    // A typed slip factor waits for the next rebuild.
    auto* mu = Child<QLineEdit>(&dlg, "mu");
    mu->setFocus();
    mu->selectAll();
    QTest::keyClicks(mu, "0.3");
    EXPECT_TRUE(capacity->IsStale());
    Pick(Child<ChoiceList>(&dlg, "diameter"), "M22");
    EXPECT_FALSE(capacity->IsStale());
    EXPECT_TRUE(group->IsStale());
}

// A box that shows the chosen section's properties is no computed result: typing a force does
// not mark it.
TEST(StaleReportScopes, PropertyBoxIsNoComputedResult) {
    NoticeRecorder notices;
    CAxialMemberDlg dlg;
    dlg.show();
    Choose(Child<ChoiceList>(&dlg, "sectionName"), 0);
    Click(Child<QPushButton>(&dlg, "computeButton"));
    auto* properties = Child<ReportBox>(&dlg, "properties");
    auto* report = Child<ReportBox>(&dlg, "report");
    ASSERT_FALSE(properties->toPlainText().isEmpty());
    ASSERT_FALSE(report->toPlainText().isEmpty());
    Type(Child<ValueCombo>(&dlg, "axialForce"), "-300");
    EXPECT_TRUE(report->IsStale());
    EXPECT_FALSE(properties->IsStale());
}

} // namespace
