// Copying, saving and printing reports through the real widgets of the calculators' dialogs, opened
// as the menu opens them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

#include "calculators/CalculatorDialogs.h"
#include "calculators/Commands.h"
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

std::unique_ptr<QDialog> Open(int command) {
    std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(command));
    dialog->show();
    return dialog;
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

// The inputs under their labels with their units, in the order the calculator lists them.
TEST_F(KeepFixture, FilletWeldSheetHoldsCaptionDateInputsAsShownAndReport) {
    const auto dlg = Open(cmd::kFilletWeldMnv);
    Type(Child<ValueCombo>(dlg.get(), "hf"), "8");
    Type(Child<ValueCombo>(dlg.get(), "F"), "150");
    Choose(Child<ChoiceList>(dlg.get(), "grade"), 1);
    Click(Child<QPushButton>(dlg.get(), "computeButton"));
    auto* report = Child<ReportBox>(dlg.get(), "report");
    ASSERT_TRUE(report->toPlainText().startsWith("钢材为:Q345,"));
    const QString expected = QStringLiteral("承受弯矩、轴力和剪力作用的角焊缝连接\r\n"
                                            "日期：2026-05-04\r\n"
                                            "\r\n"
                                            "输入数据\r\n"
                                            "  规范版本：GB50017-2003\r\n"
                                            "  上翼缘宽度 b1：100.00 mm\r\n"
                                            "  上翼缘厚度 t1：16.00 mm\r\n"
                                            "  腹板净高度 h0：1100.00 mm\r\n"
                                            "  腹板厚度  tw：10.00 mm\r\n"
                                            "  下翼缘宽度 b2：50.00 mm\r\n"
                                            "  下翼缘厚度 t2：10.00 mm\r\n"
                                            "  焊脚尺寸 hf：8 mm\r\n"
                                            "  F(kN)：150\r\n"
                                            "  e(mm)：200.00\r\n"
                                            "  钢号：Q345\r\n"
                                            "  焊接方法及焊条：E43**手工焊\r\n"
                                            "\r\n") +
                             ReportBlock(report);
    EXPECT_EQ(KeepEveryWay(*this, report, "weld"), expected);
    EXPECT_EQ(suggestions.value(0), "承受弯矩、轴力和剪力作用的角焊缝连接.txt");
}

// Check boxes as "是" or "否"; a control the dialog disables (the catalogue name of a welded
// section, the length about an axis not checked) takes no part and is not listed.
TEST_F(KeepFixture, AxialMemberSheetReadsCheckBoxesAndLeavesOutDisabledInputs) {
    const auto dlg = Open(cmd::kAxialMember);
    auto* report = Child<ReportBox>(dlg.get(), "report");
    EXPECT_FALSE(Button(dlg.get(), "reportSave")->isEnabled());
    // The welded kind checks its height radio and fills the plate boxes; a plate change enables
    // "计算".
    Choose(Child<ChoiceList>(dlg.get(), "kind"), 4);
    Choose(Child<ValueCombo>(dlg.get(), "b1"), 2);
    Click(Child<QPushButton>(dlg.get(), "computeButton"));
    const QString text = KeepEveryWay(*this, report, "axial");
    EXPECT_TRUE(text.startsWith("轴心受力构件验算\r\n日期：2026-05-04\r\n\r\n输入数据\r\n"
                                "  采用规范：GB50017-2003\r\n"))
        << text.toStdString();
    for (const char* line :
         {"\r\n  轴力(kN)：-100.00\r\n", "\r\n  绕x轴：是\r\n", "\r\n  计算长度(m)：2.00\r\n",
          "\r\n  绕y轴：否\r\n", "\r\n  腹板净高度 Hw：250.00\r\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_EQ(text.count(QStringLiteral("计算长度(m)")), 1) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("HW100x100"))) << text.toStdString();
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
        Choose(Child<ChoiceList>(dlg.get(), "section"), 10); // 槽18b
        Click(Child<QPushButton>(dlg.get(), "computeButton"));
    }
    std::unique_ptr<QDialog> dlg = Open(cmd::kColumnBase);
};

// The plate thickness the compute wrote into its box is on the sheet; the sizes it works out
// (a1, B, L) stand in the report, and a0, disabled for a pinned base, is not listed.
TEST_F(ColumnBaseKeepTest, SheetShowsUnitsAndTheThicknessTheComputeFilled) {
    const QString text = KeepEveryWay(*this, Child<ReportBox>(dlg.get(), "report"), "base");
    for (const char* line : {"\r\n  型号：槽18b\r\n", "\r\n  厚度tp：07 mm\r\n",
                             "\r\n  轴力：60.00 kN\r\n", "\r\n  锚栓孔总面积：4500.00 mm2\r\n",
                             "\r\n B=a1+2ts+2c=180.00+2*8.00+2*30.00=256.00mm\r\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << text.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("a0："))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(ReportBlock(Child<ReportBox>(dlg.get(), "report"))));
}

TEST_F(ColumnBaseKeepTest, AnUnwritableTargetGivesTheMessageAndNoFile) {
    // The target's parent is a regular file: no folder to write in, even for root.
    QFile blocker(Path("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const char* name : {"plain/base.txt", "plain/base.pdf"}) {
        notices.clear();
        saveAs = Path(name);
        Click(Button(dlg.get(), "reportSave"));
        EXPECT_EQ(notices.notices(),
                  (std::vector<Notice>{{"无法写入文件，计算书未保存：\r\n" + saveAs.toStdString(),
                                        "提示", NoticeIcon::Warning}}));
        EXPECT_FALSE(QFile::exists(saveAs));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("plain")});
}

// The one bolt's capacity and the bolt group: each sheet lists the inputs of its own report.
TEST_F(KeepFixture, EachBoltReportBoxKeepsItsOwnReport) {
    const auto dlg = Open(cmd::kBoltGroup);
    Choose(Child<ChoiceList>(dlg.get(), "diameter"), 1);
    auto* capacity = Child<ReportBox>(dlg.get(), "capacity");
    ASSERT_FALSE(capacity->Report().empty());
    EXPECT_FALSE(Button(dlg.get(), "reportSave")->isEnabled());
    const QString text = KeepEveryWay(*this, capacity, "capacity");
    EXPECT_TRUE(text.startsWith("螺栓连接\r\n日期：2026-05-04\r\n\r\n输入数据\r\n"
                                "  规范版本：GB50017-2003\r\n  选用规范：GB50017-2003\r\n"
                                "  螺栓类型：普通螺栓\r\n  螺栓等级：4.6级4.8级C级\r\n"
                                "  直径 d (mm)：14\r\n"))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("行距"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(ReportBlock(capacity)));
    Click(Child<QPushButton>(dlg.get(), "computeButton"));
    auto* report = Child<ReportBox>(dlg.get(), "report");
    const QString group = KeepEveryWay(*this, report, "group");
    EXPECT_TRUE(group.contains(QStringLiteral("\r\n  行距(mm)：40\r\n"))) << group.toStdString();
    EXPECT_FALSE(group.contains(QStringLiteral("直径"))) << group.toStdString();
    EXPECT_TRUE(group.endsWith(ReportBlock(report)));
}

} // namespace
