#pragma once
// What every calculator dialog test starts from: the dialog shown with its message boxes
// recorded, its named boxes and lists, its report and its "计算" button at hand.

#include <QPushButton>
#include <QSettings>
#include <string>

#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

namespace ferrolab::test {

template <class Dialog> class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override { dlg.show(); }

    ValueCombo* Box(const char* name) { return Child<ValueCombo>(&dlg, name); }
    ChoiceList* List(const char* name) { return Child<ChoiceList>(&dlg, name); }
    std::string Report() { return Child<ReportBox>(&dlg, "report")->Report(); }
    QPushButton* ComputeButton() { return Child<QPushButton>(&dlg, "computeButton"); }
    void Compute() { Click(ComputeButton()); }

    // Every dialog opens on a fresh installation's settings, whatever an earlier test chose.
    struct FreshSettings {
        FreshSettings() { QSettings().remove(QStringLiteral("Editions")); }
    } fresh;
    // Recording before the dialog exists, so that nothing it shows slips past.
    NoticeRecorder notices;
    Dialog dlg;
};

} // namespace ferrolab::test
