#pragma once
// What every calculator dialog test starts from: the dialog shown with its message boxes
// recorded, its named boxes and lists, its report and its "计算" button at hand.

#include <QPushButton>
#include <QSettings>
#include <initializer_list>
#include <string>
#include <vector>

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

    // A text typed into a box that the unit refuses, and how its message starts.
    struct Refusal {
        const char* box;
        const char* text;
        const char* start;
    };
    // Refuses each text in turn (RefuseTyped), the report staying `report`, each message starting
    // as given. Returns the message boxes shown, in order.
    std::vector<Notice> RefuseEach(std::initializer_list<Refusal> refusals,
                                   const std::string& report) {
        std::vector<Notice> shown;
        for (const Refusal& r : refusals) {
            shown.push_back(RefuseTyped(r.box, QString::fromUtf8(r.text), report));
            EXPECT_EQ(shown.back().text.rfind(r.start, 0), 0u) << r.box;
        }
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
