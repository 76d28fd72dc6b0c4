// Copying, saving and printing reports through the real widgets of the calculators' dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

#include "calculators/connections/BoltConnectionDlg.h"
#include "calculators/connections/FilletWeldMNVDlg.h"
#include "calculators/joints/ColumnBaseDlg.h"
#include "calculators/members/AxialMemberDlg.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"
#include "ui/ReportSheet.h"
#include "ui/SheetOutput.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool IsWholePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

// The report's block of the sheet: the report box's text, then its verdict lines, if any.
QString ReportBlock(const ReportBox* box) {
    QString block = QStringLiteral("计算结果\r\n") + QString::fromStdString(box->Report());
    if (!block.endsWith(QStringLiteral("\r\n"))) {
        block += QStringLiteral("\r\n");
    }
    if (!box->VerdictLines().isEmpty()) {
        block += QStringLiteral("\r\n验算结论\r\n") + box->VerdictLines().join("\r\n") + "\r\n";
    }
    return block;
}

// Each test names the file the save dialog returns and the file the printer prints into.
class KeepFixture : public ::testing::Test {
public:
    KeepFixture()
        : seams_(KeepSeams{[] { return QDate(2026, 5, 4); },
                           [this](QWidget*, const QString& suggested) {
                               suggestions << suggested;
                               return saveAs;
                           },
                           [this](QWidget*, QPrinter* printer) {
                               printer->setOutputFormat(QPrinter::PdfFormat);
                               printer->setOutputFileName(printTo);
                               return true;
                           }}) {}

    QString Path(const QString& name) const { return dir.filePath(name); }
    QToolButton* Button(const QWidget* dialog, const QString& name) {
        return Child<QToolButton>(dialog, name);
    }
    NoticeRecorder notices;
    QTemporaryDir dir;
    QString saveAs;
    QString printTo;
    QStringList suggestions;

private:
    KeepSeamsOverride seams_;
};

// Copies, saves as text and as PDF, and prints the box's report through its buttons, as a user
// does; returns the saved text.
QString KeepEveryWay(KeepFixture& f, const ReportBox* box, const QString& name) {
    const QString button = box->objectName();
    const QWidget* dialog = box->window();
    QApplication::clipboard()->clear();
    Click(f.Button(dialog, button + "Copy"));
    EXPECT_EQ(QApplication::clipboard()->text(), box->toPlainText());
    f.saveAs = f.Path(name + ".pdf");
    Click(f.Button(dialog, button + "Save"));
    EXPECT_TRUE(IsWholePdf(f.saveAs)) << name.toStdString();
    f.printTo = f.Path(name + "-printed.pdf");
    Click(f.Button(dialog, button + "Print"));
    EXPECT_TRUE(IsWholePdf(f.printTo)) << name.toStdString();
    f.saveAs = f.Path(name + ".txt");
    Click(f.Button(dialog, button + "Save"));
    EXPECT_TRUE(f.notices.notices().empty());
    return ReadText(f.saveAs);
}

TEST_F(KeepFixture, FilletWeldSheetHoldsCaptionDateInputsAsShownAndReport) {
    CFilletWeldMNVDlg dlg;
    dlg.show();
    Type(Child<ValueCombo>(&dlg, "hf"), "8");
    Type(Child<ValueCombo>(&dlg, "F"), "150");
    Choose(Child<ChoiceList>(&dlg, "grade"), 1);
    Click(Child<QPushButton>(&dlg, "computeButton"));
    auto* report = Child<ReportBox>(&dlg, "report");
    ASSERT_TRUE(report->toPlainText().startsWith("钢材为:Q345,"));
    const QString expected = QStringLiteral("承受弯矩、轴力和剪力作用的角焊缝连接\r\n"
                                            "日期：2026-05-04\r\n"
                                            "\r\n"
                                            "输入数据\r\n"
                                            "  规范版本：GB50017-2003\r\n"
                                            "  上翼缘宽度 b1：100.00\r\n"
                                            "  上翼缘厚度 t1：16.00\r\n"
                                            "  腹板净高度 h0：1100.00\r\n"
                                            "  腹板厚度  tw：10.00\r\n"
                                            "  下翼缘宽度 b2：50.00\r\n"
                                            "  下翼缘厚度 t2：10.00\r\n"
                                            "  焊脚尺寸 hf：8\r\n"
                                            "  F(kN)：150\r\n"
                                            "  e(mm)：200.00\r\n"
                                            "  焊接方法及焊条：E43**手工焊\r\n"
                                            "  钢号：Q345\r\n"
                                            "\r\n") +
                             ReportBlock(report);
    EXPECT_EQ(KeepEveryWay(*this, report, "weld"), expected);
    EXPECT_EQ(suggestions.value(0), "承受弯矩、轴力和剪力作用的角焊缝连接.txt");
}

TEST_F(KeepFixture, AxialMemberSheetReadsCheckBoxesAndRadioButtons) {
    CAxialMemberDlg dlg;
    dlg.show();
    auto* report = Child<ReportBox>(&dlg, "report");
    EXPECT_FALSE(Button(&dlg, "reportSave")->isEnabled());
    // The welded kind checks its height radio and fills the plate boxes; a plate change enables
    // "计算".
    Choose(Child<ChoiceList>(&dlg, "kind"), 4);
    Choose(Child<ValueCombo>(&dlg, "b1"), 2);
    Click(Child<QPushButton>(&dlg, "computeButton"));
    const QString text = KeepEveryWay(*this, report, "axial");
    EXPECT_TRUE(text.startsWith("轴心受力构件验算\r\n日期：2026-05-04\r\n\r\n输入数据\r\n"
                                "  采用规范：GB50017-2003\r\n"))
        << text.toStdString();
    for (const char* line :
         {"\r\n  轴力(kN)：-100.00\r\n", "\r\n  绕x轴：是\r\n", "\r\n  绕y轴：否\r\n",
          "\r\n  焊接工字形截面：腹板净高度 Hw\r\n", "\r\n  腹板净高度 Hw：250.00\r\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_TRUE(text.endsWith(ReportBlock(report)));
    // The context menu reaches the same actions.
    saveAs = Path("axial-menu.txt");
    std::unique_ptr<QMenu> menu(report->CreateContextMenu());
    menu->actions().at(menu->actions().size() - 2)->trigger();
    EXPECT_EQ(ReadText(saveAs), text);
}

class ColumnBaseKeepTest : public KeepFixture {
protected:
    void SetUp() override {
        dlg.show();
        Choose(Child<ChoiceList>(&dlg, "section"), 10); // 槽18b
        Click(Child<QPushButton>(&dlg, "computeButton"));
    }
    CColumnBaseDlg dlg;
};

TEST_F(ColumnBaseKeepTest, SheetShowsUnitsAndTheBoxesTheComputeFilled) {
    const QString text = KeepEveryWay(*this, Child<ReportBox>(&dlg, "report"), "base");
    for (const char* line :
         {"\r\n  型号：槽18b\r\n", "\r\n  a1：180.00 mm\r\n", "\r\n  厚度tp：07 mm\r\n",
          "\r\n  L：500.00 mm\r\n", "\r\n  B：256.00 mm\r\n", "\r\n  轴力：60.00 kN\r\n",
          "\r\n  轴力：下压\r\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << text.toStdString();
    }
    EXPECT_TRUE(text.endsWith(ReportBlock(Child<ReportBox>(&dlg, "report"))));
}

TEST_F(ColumnBaseKeepTest, AnUnwritableTargetGivesTheMessageAndNoFile) {
    // The target's parent is a regular file: no folder to write in, even for root.
    QFile blocker(Path("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const char* name : {"plain/base.txt", "plain/base.pdf"}) {
        notices.clear();
        saveAs = Path(name);
        Click(Button(&dlg, "reportSave"));
        EXPECT_EQ(notices.notices(),
                  (std::vector<Notice>{{"无法写入文件，计算书未保存：\r\n" + saveAs.toStdString(),
                                        "提示", NoticeIcon::Warning}}));
        EXPECT_FALSE(QFile::exists(saveAs));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("plain")});
}

TEST_F(KeepFixture, EachBoltReportBoxKeepsItsOwnReport) {
    CBoltConnectionDlg dlg;
    dlg.show();
    Choose(Child<ChoiceList>(&dlg, "diameter"), 1);
    auto* capacity = Child<ReportBox>(&dlg, "capacity");
    ASSERT_FALSE(capacity->Report().empty());
    EXPECT_FALSE(Button(&dlg, "reportSave")->isEnabled());
    const QString text = KeepEveryWay(*this, capacity, "capacity");
    EXPECT_TRUE(text.startsWith("螺栓连接\r\n日期：2026-05-04\r\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(ReportBlock(capacity)));
    Click(Child<QPushButton>(&dlg, "computeButton"));
    auto* report = Child<ReportBox>(&dlg, "report");
    EXPECT_TRUE(KeepEveryWay(*this, report, "group").endsWith(ReportBlock(report)));
}

} // namespace
