#pragma once
// What every calculator dialog test starts from: the dialog shown with its message boxes
// recorded, its named boxes and lists, its report and its "计算" button at hand.

#include <QPushButton>
#include <QSettings>
#include <string>

#include "tests/support/GuiHelpers.h"
#include "ui/BitmapPreview.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

namespace ferrolab::test {

template <class Dialog> class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override { dlg.show(); }

    ValueCombo* Box(const char* name) { return Child<ValueCombo>(&dlg, name); }
    ChoiceList* List(const char* name) { return Child<ChoiceList>(&dlg, name); }
    std::string Report() { return Child<ReportBox>(&dlg, "report")->Report(); }
    // The verdict strip under the report, and the drawing the dialog shows.
    QStringList VerdictLines() { return Child<ReportBox>(&dlg, "report")->VerdictLines(); }
    QString Picture() { return Child<CBitmapPreview>(&dlg, "picture")->picture(); }
    QPushButton* ComputeButton() { return Child<QPushButton>(&dlg, "computeButton"); }
    void Compute() { Click(ComputeButton()); }

    // Types `text` into the box and presses "计算": exactly one more message box comes, captioned
    // "输入错误", and the report stays `report`; then the box gets its text back. Returns the box.
    Notice RefuseTyped(const char* box, const QString& text, const std::string& report) {
        const QString before = Box(box)->currentText();
        const std::size_t count = notices.notices().size();
        Type(Box(box), text);
        Compute();
        Notice shown;
        EXPECT_EQ(notices.notices().size(), count + 1) << box;
        if (notices.notices().size() == count + 1) {
            shown = notices.notices().back();
        }
        EXPECT_EQ(shown.caption, "输入错误") << box;
        EXPECT_EQ(Report(), report) << box;
        Type(Box(box), before);
        return shown;
    }

    // Every dialog opens on a fresh installation's settings, whatever an earlier test chose.
    struct FreshSettings {
        FreshSettings() { QSettings().remove(QStringLiteral("Editions")); }
    } fresh;
    // Recording before the dialog exists, so that nothing it shows slips past.
    NoticeRecorder notices;
    Dialog dlg;
};

} // namespace ferrolab::test
