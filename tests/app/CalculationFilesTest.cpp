// Saved calculations in the dialogs and the main window: "打开..." and "另存为..." of every
// calculator dialog, "文件" > "打开计算..." and the recent files, through the real widgets with
// the file dialogs' test seam.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <fstream>
#include <memory>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/CalculationFile.h"
#include "calculators/CalculatorDialogs.h"
#include "calculators/DialogInputs.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;
using Json = nlohmann::json;

namespace {

class CalculationFiles : public ::testing::Test {
protected:
    CalculationFiles() {
        QSettings().remove(QStringLiteral("Editions"));
        QSettings().remove(QStringLiteral("Recent File List"));
        SetCalculationFileSeams({[this](QWidget*, const QString&) { return openPath; },
                                 [this](QWidget*, const QString&) { return savePath; }});
    }
    ~CalculationFiles() override { SetCalculationFileSeams({}); }

    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString Write(const QString& name, const std::string& text) const {
        std::ofstream(Path(name).toStdString(), std::ios::binary) << text;
        return Path(name);
    }

    QTemporaryDir dir;
    QString openPath;
    QString savePath;
    NoticeRecorder notices;
};

// For every calculator with a dialog: a set of values other than the opening ones (the second
// preset or list entry of each described control), run through the runner to a file, opened in
// the dialog with "打开...": the dialog shows them; saved again with "另存为...", the file holds
// them and the runner reads back the same report.
TEST_F(CalculationFiles, EveryDialogOpensAndSavesItsInputs) {
    for (const Calculator& row : AllCalculators()) {
        if (row.command == 0 || CalculatorOfCommand(row.command) != &row) {
            continue;
        }
        const Description& d = row.description();
        std::vector<std::string> args{d.id};
        for (const FieldSpec& field : d.fields) {
            const std::vector<std::string>& list =
                field.presets.empty() ? field.allowed : field.presets;
            if (!field.control.empty() && list.size() > 1 && field.name != "edition") {
                std::vector<std::string> tryArgs = args;
                tryArgs.push_back(field.name + "=" + list[1]);
                if (test::Call(tryArgs).status != cli::kExitUsage) {
                    args = tryArgs;
                }
            }
        }
        args.push_back("--json");
        const Json result = Json::parse(test::Call(args).out);
        const std::string text =
            Json{{"calculator", d.id}, {"inputs", result["inputs"]}, {"version", "2.1.1"}}.dump();
        openPath = Write(QString::fromStdString(d.id + ".ferrolab"), text);

        const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(row.command));
        dialog->show();
        test::Click(test::Child<QPushButton>(dialog.get(), "openButton"));
        // The dialog's own advice may speak up while the values go in; the file is not refused.
        for (const Notice& notice : notices.notices()) {
            EXPECT_NE(notice.caption, "打开计算") << d.id << " " << notice.text;
        }
        notices.clear();
        const FieldValues shown = ReadDialogInputs(dialog.get(), d);
        for (const auto& [name, value] : shown) {
            const QWidget* control =
                dialog->findChild<QWidget*>(QString::fromStdString(d.Field(name).control));
            const std::string given = result["inputs"][name].get<std::string>();
            // A blank that is the field's default leaves the dialog's own pick.
            if (control->isEnabled() && !(given.empty() && d.Field(name).defaultValue.empty())) {
                EXPECT_EQ(value, given) << d.id << " " << name;
            }
        }

        test::SaveScreenshot(dialog.get(), QString::fromStdString("opened-" + d.id));
        savePath = Path(QString::fromStdString(d.id + "-saved.ferrolab"));
        test::Click(test::Child<QPushButton>(dialog.get(), "saveAsButton"));
        QFile saved(savePath);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << d.id;
        const CalculationFileResult read = ReadCalculationFile(saved.readAll().toStdString(), d.id);
        ASSERT_TRUE(read.file) << d.id << read.error;
        for (const auto& [name, value] : shown) {
            EXPECT_EQ(read.file->inputs.at(name), value) << d.id << " " << name;
        }
        std::vector<std::string> plain(args.begin(), args.end() - 1);
        EXPECT_EQ(test::Call({d.id, "--inputs", savePath.toStdString()}).out, test::Call(plain).out)
            << d.id;
    }
}

// The M+N+V weld opened from a file and computed shows the report the runner gives for it.
TEST_F(CalculationFiles, AnOpenedFileComputesTheRunnersReport) {
    const std::string text = R"({"calculator": "fillet-weld-mnv", "version": "2.1.1",
        "inputs": {"hf": "8", "F": "150", "grade": "Q345"}})";
    openPath = Write("weld.ferrolab", text);
    const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(cmd::kFilletWeldMnv));
    dialog->show();
    test::Click(test::Child<QPushButton>(dialog.get(), "openButton"));
    auto* report = test::Child<ReportBox>(dialog.get(), "report");
    EXPECT_TRUE(report->toPlainText().isEmpty()); // nothing computed until "计算"
    test::Click(test::Child<QPushButton>(dialog.get(), "computeButton"));
    const test::CliRun run = test::Call({"fillet-weld-mnv", "--inputs", openPath.toStdString()});
    ASSERT_FALSE(report->toPlainText().isEmpty());
    EXPECT_EQ(QString::fromStdString(cli::ToUnixLines(report->Report())).trimmed(),
              QString::fromStdString(run.out).trimmed());
}

TEST_F(CalculationFiles, ARefusedFileLeavesTheDialogAsItWas) {
    const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(cmd::kFilletWeldMnv));
    dialog->show();
    test::Type(test::Child<ValueCombo>(dialog.get(), "hf"), "7");
    const Description& d = FindCalculator("fillet-weld-mnv")->description();
    const FieldValues before = ReadDialogInputs(dialog.get(), d);
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {R"({"calculator": "seated-joint", "inputs": {}})", "seated-joint"},
        {R"({"calculator": "fillet-weld-mnv", "version": "9.0.0", "inputs": {"hf": "8"}})",
         "9.0.0"},
        {R"({"calculator": "fillet-weld-mnv", "inputs": {"hx": "8"}})", "hx"},
        {R"({"calculator": "fillet-weld-mnv", "inputs": {"hf": "8", "grade": "Q999"}})", "Q999"},
        {R"({"calculator": "fillet-weld-mnv", "inputs": {"hf": "8")", "JSON"},
    };
    for (const auto& c : cases) {
        openPath = Write("broken.ferrolab", c.text);
        test::Click(test::Child<QPushButton>(dialog.get(), "openButton"));
        ASSERT_EQ(notices.notices().size(), 1u) << c.text;
        EXPECT_NE(notices.notices()[0].text.find(c.says), std::string::npos)
            << c.text << notices.notices()[0].text;
        notices.clear();
        EXPECT_EQ(ReadDialogInputs(dialog.get(), d), before) << c.text;
    }
}

TEST_F(CalculationFiles, AFailedSaveSaysSoAndLeavesNoFile) {
    const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(cmd::kFilletWeldMnv));
    dialog->show();
    savePath = Path("no-such-folder/weld.ferrolab");
    test::Click(test::Child<QPushButton>(dialog.get(), "saveAsButton"));
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_NE(notices.notices()[0].text.find("计算未保存"), std::string::npos);
    EXPECT_FALSE(QFile::exists(savePath));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// The main window opens a file's calculator with it, keeps the four newest files in its file
// menu, and drops a file that is gone with a message.
TEST_F(CalculationFiles, MainWindowOpensFilesAndKeepsTheRecentOnes) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.mainFrame();
    for (int i = 1; i <= 5; ++i) {
        Write(QStringLiteral("w%1.ferrolab").arg(i),
              R"({"calculator": "fillet-weld-mnv", "inputs": {"hf": "8"}})");
    }
    for (int i = 1; i <= 5; ++i) {
        openPath = Path(QStringLiteral("w%1.ferrolab").arg(i));
        const QString caption = test::WhileModal(
            [&] { frame->ActionFor(cmd::kOpenCalculation)->trigger(); },
            [](QWidget* dialog) {
                EXPECT_EQ(test::Child<ValueCombo>(dialog, "hf")->currentText(), "8");
            });
        EXPECT_EQ(caption, "承受弯矩、轴力和剪力作用的角焊缝连接");
    }
    const QStringList recent = frame->RecentFiles();
    ASSERT_EQ(recent.size(), 4);
    EXPECT_EQ(recent[0], Path("w5.ferrolab"));
    EXPECT_EQ(recent[3], Path("w2.ferrolab"));
    ASSERT_NE(frame->ActionFor(cmd::kRecentFile1), nullptr);
    EXPECT_EQ(frame->ActionFor(cmd::kRecentFile1)->text(), "&1 w5.ferrolab");

    QFile::remove(Path("w5.ferrolab"));
    frame->ActionFor(cmd::kRecentFile1)->trigger();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_NE(notices.notices()[0].text.find("w5.ferrolab"), std::string::npos);
    EXPECT_EQ(frame->RecentFiles().size(), 3);
    EXPECT_EQ(frame->RecentFiles()[0], Path("w4.ferrolab"));

    // A file the calculators do not know is refused before any dialog opens.
    notices.clear();
    frame->OpenCalculation(Write("bad.ferrolab", "{"));
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_NE(notices.notices()[0].text.find("JSON"), std::string::npos);
    QSettings().remove(QStringLiteral("Recent File List"));
}

} // namespace
