#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "calculators/members/RolledIBeamPhiDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"
#include "ui/BitmapPreview.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class RolledIBeamPhiDlgTest : public DialogFixture<CRolledIBeamPhiDlg> {
protected:
    QString Result() { return Child<QLineEdit>(&dlg, "result")->text(); }
    ChoiceList* Beams() { return List("beam"); }
};

TEST_F(RolledIBeamPhiDlgTest, OpeningState) {
    EXPECT_EQ(dlg.windowTitle(), "轧制普通工字钢简支梁的φb");
    EXPECT_EQ(Beams()->count(), 34);
    EXPECT_EQ(Beams()->currentText(), "I10 ");
    EXPECT_EQ(Beams()->itemText(5), "I20A");
    EXPECT_EQ(Box("l1")->currentText(), "2");
    EXPECT_EQ(Box("l1")->count(), 9);
    EXPECT_EQ(dlg.l1(), 2);
    EXPECT_EQ(List("grade")->count(), 3);
    EXPECT_TRUE(Child<QRadioButton>(&dlg, "loadCase_0")->isChecked());
    EXPECT_EQ(Child<QRadioButton>(&dlg, "loadCase_4")->text(),
              "跨中有侧向支承点，不论荷载作用点在截面高度上的位置");
    EXPECT_TRUE(Child<QLineEdit>(&dlg, "result")->isReadOnly());
    EXPECT_TRUE(Result().isEmpty());
    EXPECT_TRUE(ComputeButton()->isDefault());
    EXPECT_EQ(Child<CBitmapPreview>(&dlg, "picture")->picture(), ":/pictures/rolled_ibeam.svg");
}

TEST_F(RolledIBeamPhiDlgTest, TableValuesThroughTheWidgets) {
    Pick(Beams(), "I20A");
    Compute();
    EXPECT_EQ(Result(), "0.929");
    Pick(Beams(), "I45A");
    Choose(Box("l1"), 8); // 10
    Compute();
    EXPECT_EQ(Result(), "0.40");
    Click(Child<QRadioButton>(&dlg, "loadCase_1"));
    Compute();
    EXPECT_EQ(Result(), "0.600");
    // I10, uniform load on the top flange, 2.5 m: 1.41; Q345 1.41·235/345 = 0.960 -> 0.776.
    Choose(Beams(), 0);
    Click(Child<QRadioButton>(&dlg, "loadCase_2"));
    Type(Box("l1"), "2.5");
    Choose(List("grade"), 1);
    Compute();
    EXPECT_EQ(Result(), "0.776");
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_EQ(test::Call({"rolled-ibeam-phi", "case=2", "name=I10 ", "l1=2.5", "grade=Q345"}).out,
              Result().toStdString() + "\n");
    test::SaveScreenshot(&dlg, "rolled_ibeam_phi");
}

TEST_F(RolledIBeamPhiDlgTest, FreeLengthOutsideTheTable) {
    Compute();
    ASSERT_EQ(Result(), "0.929");
    for (const char* l1 : {"1.9", "10.5", ""}) {
        notices.clear();
        Type(Box("l1"), l1);
        Compute();
        ASSERT_EQ(notices.notices().size(), 1u) << l1;
        EXPECT_EQ(notices.notices()[0],
                  (Notice{"超出规范规定", "Ferrolab", NoticeIcon::Information}));
        EXPECT_EQ(Result(), "0.00") << l1;
    }
}

TEST_F(RolledIBeamPhiDlgTest, Edition2017NamesTheTableAndIsRemembered) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50017-2003", "GB50017-2017"}));
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    Pick(List("edition"), "GB50017-2017");
    Compute();
    EXPECT_EQ(Result(), "0.929（表C.0.2，式C.0.1-7）");
    // Outside the table: the message, and the box keeps its value.
    Type(Box("l1"), "10.5");
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(Result(), "0.929（表C.0.2，式C.0.1-7）");
    CRolledIBeamPhiDlg again;
    EXPECT_EQ(Child<ChoiceList>(&again, "edition")->currentText(), "GB50017-2017");
    Pick(List("edition"), "GB50017-2003");
    Type(Box("l1"), "2");
    Compute();
    EXPECT_EQ(Result(), "0.929");
}

} // namespace
