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

using namespace ferrolab;
using ferrolab::test::Child;
using ferrolab::test::Choose;
using ferrolab::test::Click;
using ferrolab::test::Type;

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
protected:
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

    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QToolButton* Button(const QWidget* dialog, const char* name) {
        return Child<QToolButton>(dialog, QString::fromLatin1(name));
    }
    // Triggers an entry of the box's context menu by its text.
    void FromMenu(ReportBox* box, const QString& text) {
        std::unique_ptr<QMenu> menu(box->CreateContextMenu());
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                ASSERT_TRUE(action->isEnabled());
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu entry " << text.toStdString();
    }
    void MakeBlocker() {
        QFile blocker(Path("plain"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }

    NoticeRecorder notices;
    QTemporaryDir dir;
    QString saveAs;
    QString printTo;
    QStringList suggestions;

private:
    KeepSeamsOverride seams_;
};

class FilletWeldMNVKeepTest : public KeepFixture {
protected:
    void SetUp() override { dlg.show(); }
    CFilletWeldMNVDlg dlg;
};

TEST_F(FilletWeldMNVKeepTest, TheSavedSheetHoldsCaptionDateInputsAndReport) {
    Type(Child<ValueCombo>(&dlg, "hf"), "8");
    Type(Child<ValueCombo>(&dlg, "F"), "150");
    Choose(Child<ChoiceList>(&dlg, "grade"), 1);
    Click(Child<QPushButton>(&dlg, "computeButton"));
    auto* report = Child<ReportBox>(&dlg, "report");
    ASSERT_FALSE(report->Report().empty());

    saveAs = Path("weld.txt");
    Click(Button(&dlg, "reportSave"));
    EXPECT_EQ(suggestions, QStringList{QStringLiteral("承受弯矩、轴力和剪力作用的角焊缝连接.txt")});
    const QString expected = QStringLiteral("承受弯矩、轴力和剪力作用的角焊缝连接\r\n"
                                            "日期：2026-05-04\r\n"
                                            "\r\n"
                                            "输入数据\r\n"
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
    EXPECT_EQ(ReadText(Path("weld.txt")), expected);
    EXPECT_TRUE(notices.notices().empty());

    QApplication::clipboard()->clear();
    Click(Button(&dlg, "reportCopy"));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), report->toPlainText().toStdString());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("钢材为:Q345,"));

    saveAs = Path("weld.pdf");
    Click(Button(&dlg, "reportSave"));
    EXPECT_TRUE(IsWholePdf(Path("weld.pdf")));
    printTo = Path("weld-printed.pdf");
    Click(Button(&dlg, "reportPrint"));
    EXPECT_TRUE(IsWholePdf(printTo));
    EXPECT_TRUE(notices.notices().empty());
}

class AxialMemberKeepTest : public KeepFixture {
protected:
    void SetUp() override { dlg.show(); }
    CAxialMemberDlg dlg;
};

TEST_F(AxialMemberKeepTest, CopySaveAndPrintFromTheButtonsAndTheContextMenu) {
    auto* report = Child<ReportBox>(&dlg, "report");
    EXPECT_FALSE(Button(&dlg, "reportSave")->isEnabled());
    Choose(Child<ChoiceList>(&dlg, "sectionName"), 0);
    Click(Child<QPushButton>(&dlg, "computeButton"));
    ASSERT_FALSE(report->Report().empty());

    QApplication::clipboard()->clear();
    FromMenu(report, QStringLiteral("复制"));
    EXPECT_EQ(QApplication::clipboard()->text(), report->toPlainText());

    saveAs = Path("axial.txt");
    FromMenu(report, QStringLiteral("保存..."));
    const QString text = ReadText(saveAs);
    EXPECT_TRUE(text.startsWith("轴心受力构件验算\r\n日期：2026-05-04\r\n\r\n输入数据\r\n"
                                "  采用规范：GB50017-2003\r\n"))
        << text.toStdString();
    // Check boxes, a checked radio button and a label lent by a radio button.
    for (const char* line :
         {"\r\n  轴力(kN)：-100.00\r\n", "\r\n  绕x轴：是\r\n", "\r\n  绕y轴：否\r\n",
          "\r\n  焊接工字形截面：腹板净高度 Hw\r\n", "\r\n  腹板净高度 Hw：250.00\r\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_TRUE(text.endsWith(ReportBlock(report)));

    saveAs = Path("axial.pdf");
    Click(Button(&dlg, "reportSave"));
    EXPECT_TRUE(IsWholePdf(saveAs));
    printTo = Path("axial-printed.pdf");
    FromMenu(report, QStringLiteral("打印..."));
    EXPECT_TRUE(IsWholePdf(printTo));
    EXPECT_TRUE(notices.notices().empty());
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

TEST_F(ColumnBaseKeepTest, SheetShowsUnitsAndDerivedBoxesAndPrints) {
    saveAs = Path("base.txt");
    Click(Button(&dlg, "reportSave"));
    const QString text = ReadText(saveAs);
    for (const char* line :
         {"\r\n  型号：槽18b\r\n", "\r\n  a1：180.00 mm\r\n", "\r\n  厚度tp：07 mm\r\n",
          "\r\n  L：500.00 mm\r\n", "\r\n  B：256.00 mm\r\n", "\r\n  轴力：60.00 kN\r\n",
          "\r\n  轴力：下压\r\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << text.toStdString();
    }
    EXPECT_TRUE(text.endsWith(ReportBlock(Child<ReportBox>(&dlg, "report"))));

    QApplication::clipboard()->clear();
    Click(Button(&dlg, "reportCopy"));
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(" B=a1+2ts+2c=180.00+"));

    saveAs = Path("base.pdf");
    Click(Button(&dlg, "reportSave"));
    EXPECT_TRUE(IsWholePdf(saveAs));
    printTo = Path("base-printed.pdf");
    Click(Button(&dlg, "reportPrint"));
    EXPECT_TRUE(IsWholePdf(printTo));
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(ColumnBaseKeepTest, AnUnwritableTargetGivesTheMessageAndNoFile) {
    MakeBlocker();
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

class BoltKeepTest : public KeepFixture {
protected:
    void SetUp() override { dlg.show(); }
    CBoltConnectionDlg dlg;
};

TEST_F(BoltKeepTest, EachReportBoxKeepsItsOwnReport) {
    Choose(Child<ChoiceList>(&dlg, "diameter"), 1);
    auto* capacity = Child<ReportBox>(&dlg, "capacity");
    ASSERT_FALSE(capacity->Report().empty());
    EXPECT_FALSE(Button(&dlg, "reportSave")->isEnabled());

    saveAs = Path("capacity.txt");
    Click(Button(&dlg, "capacitySave"));
    const QString text = ReadText(saveAs);
    EXPECT_TRUE(text.startsWith("螺栓连接\r\n日期：2026-05-04\r\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(ReportBlock(capacity)));

    Click(Child<QPushButton>(&dlg, "computeButton"));
    auto* report = Child<ReportBox>(&dlg, "report");
    ASSERT_FALSE(report->Report().empty());
    saveAs = Path("group.txt");
    Click(Button(&dlg, "reportSave"));
    EXPECT_TRUE(ReadText(saveAs).endsWith(ReportBlock(report)));
    QApplication::clipboard()->clear();
    Click(Button(&dlg, "capacityCopy"));
    EXPECT_EQ(QApplication::clipboard()->text(), capacity->toPlainText());
}

} // namespace
