// What the engineer types is what is computed, what the sheet prints and what the runner gets:
// typed keystrokes into the real value boxes of the calculators' dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/connections/BoltConnectionDlg.h"
#include "calculators/connections/FilletWeldMNVDlg.h"
#include "calculators/properties/ColdFormedSectionDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"
#include "ui/ReportSheet.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

// Typing with the dialog active and the box focused, as at the desk: a completer acts only
// then.
void TypeInActiveDialog(QDialog* dialog, QComboBox* box, const QString& text) {
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    box->lineEdit()->setFocus(Qt::OtherFocusReason);
    Type(box, text);
    QApplication::processEvents();
}

struct TypedCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    const char* box;                 // the value box typed into
    const char* typed;               // a prefix of one of its presets
    double value;                    // what the computation must read
    const char* report;              // the report box that shows the result
    std::vector<std::string> runner; // the same inputs for ferrolab-calc
    const char* sheetLine;           // the box's line on the calculation sheet
    const char* reportPiece;         // a number of the typed value's result, worked by hand
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.name;
}

template <class Dialog> std::function<std::unique_ptr<QDialog>()> Make() {
    return [] { return std::make_unique<Dialog>(); };
}

const TypedCase kTypedCases[] = {
    // Plain channel 60 x 30 x 2: A = (h + 2b)·t = 120·2 = 240 mm², z0 = b²/(h + 2b) = 7.5 mm;
    // the preset 2.5 would give 3.000 cm².
    {"ColdFormedThickness",
     Make<CColdFormedSectionDlg>(),
     "t",
     "2",
     2.0,
     "report",
     {"coldformed-section", "t=2"},
     "t：2 mm",
     "截面积:2.400cm2 \t z0:0.750cm"},
    // Torque 20 kN·m on two bolts 40 mm apart in one column: Σr² = 2·20² = 800 mm²,
    // Nx = T·y/Σr² = 20e6·20/800 N = 500 kN, Ny = V/n = 70 kN, Nmax = √(500² + 70²) = 504.88
    // kN (the preset 200 gives 5000.49).
    {"BoltGroupMoment",
     Make<CBoltConnectionDlg>(),
     "M",
     "20",
     20.0,
     "report",
     {"bolt-group", "M=20"},
     "扭矩  M (kN*m)：20",
     "=504.88kN"},
    // F = 15 kN instead of the preset 150: the shear stress of the web welds falls tenfold.
    {"FilletWeldForce",
     Make<CFilletWeldMNVDlg>(),
     "F",
     "15",
     15.0,
     "report",
     {"fillet-weld-mnv", "F=15"},
     "F(kN)：15",
     nullptr},
};

class TypedValueTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedValueTest, BoxShowsComputesAndPrintsTheTypedValue) {
    const TypedCase& c = GetParam();
    NoticeRecorder notices;
    const std::unique_ptr<QDialog> dialog = c.make();
    auto* box = Child<ValueCombo>(dialog.get(), c.box);
    TypeInActiveDialog(dialog.get(), box, c.typed);

    EXPECT_EQ(box->currentText(), QString::fromLatin1(c.typed));
    EXPECT_EQ(*box->member(), c.value);

    Click(Child<QPushButton>(dialog.get(), "computeButton"));
    auto* report = Child<ReportBox>(dialog.get(), c.report);
    const CliRun run = Call(c.runner);
    ASSERT_EQ(run.status, 0) << run.err;
    // The runner prints the dialog's report with "\n" line ends.
    QString shown = QString::fromStdString(report->Report());
    shown.replace("\r\n", "\n");
    EXPECT_EQ(shown.trimmed().toStdString(),
              QString::fromStdString(run.out).trimmed().toStdString());
    if (c.reportPiece) {
        EXPECT_NE(run.out.find(c.reportPiece), std::string::npos) << run.out;
    }

    QStringList lines;
    for (const SheetField& field : report->Sheet().inputs) {
        lines << field.label + QChar(0xFF1A) + field.value;
    }
    EXPECT_TRUE(lines.contains(QString::fromUtf8(c.sheetLine))) << lines.join(" | ").toStdString();

    // The runner's JSON carries the value as typed.
    std::vector<std::string> json = c.runner;
    json.push_back("--json");
    const CliRun jsonRun = Call(json);
    const std::string field = std::string(c.runner[1]);
    const std::string quoted = "\"" + field.substr(0, field.find('=')) + "\": \"" +
                               field.substr(field.find('=') + 1) + "\"";
    EXPECT_NE(jsonRun.out.find(quoted), std::string::npos) << jsonRun.out;
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TypedValueTest, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// No editable box of any calculator completes what is typed: every command of the menu, its
// dialog opened and every editable combo box in it (value boxes, section and plate boxes).
TEST(TypedValues, NoDialogCompletesTypedText) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    int dialogs = 0;
    int boxes = 0;
    for (QAction* action : app.mainFrame()->findChildren<QAction*>()) {
        const int command = action->data().toInt();
        if (command == 0 || !action->isEnabled() || action->menu() ||
            !app.mainFrame()->HasHandler(command)) {
            continue;
        }
        WhileModal([&] { action->trigger(); },
                   [&](QWidget* dialog) {
                       ++dialogs;
                       for (const QComboBox* combo : dialog->findChildren<QComboBox*>()) {
                           if (combo->isEditable()) {
                               ++boxes;
                               EXPECT_EQ(combo->completer(), nullptr)
                                   << dialog->windowTitle().toStdString() << " "
                                   << combo->objectName().toStdString();
                           }
                       }
                   });
    }
    EXPECT_GE(dialogs, 15);
    EXPECT_GT(boxes, 50);
}

} // namespace
