#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"
#include "ui/ReportSheet.h"
#include "ui/SheetOutput.h"

namespace ferrolab {
void PrintTo(const SheetField& field, std::ostream* out) {
    *out << '{' << field.label.toStdString() << '|' << field.value.toStdString() << '}';
}
} // namespace ferrolab

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPages(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

bool IsWholePdf(const QByteArray& bytes) {
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

// A dialog with every kind of input and every way of labelling one.
class SampleDialog : public QDialog {
public:
    SampleDialog() {
        setWindowTitle(QStringLiteral("样例计算"));
        auto* grid = new QGridLayout;
        auto* length = new QComboBox(this);
        length->setObjectName(QStringLiteral("length"));
        length->setEditable(true);
        length->addItems({QStringLiteral("6.00"), QStringLiteral("9.00")});
        grid->addWidget(new QLabel(QStringLiteral("长度 L:"), this), 0, 0);
        grid->addWidget(length, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("m"), this), 0, 2);
        auto* grade = new QComboBox(this);
        grade->addItems({QStringLiteral("Q235"), QStringLiteral("Q345")});
        grade->setCurrentIndex(1);
        grid->addWidget(new QLabel(QStringLiteral("钢号："), this), 1, 0);
        grid->addWidget(grade, 1, 1);
        // The label right of the list names the next box; it is no unit of the list.
        grid->addWidget(new QLabel(QStringLiteral("宽度:"), this), 1, 2);
        grid->addWidget(new QLineEdit(QStringLiteral("12"), this), 1, 3);
        auto* hidden = new QLineEdit(QStringLiteral("7"), this);
        hidden->hide();
        grid->addWidget(new QLabel(QStringLiteral("隐藏:"), this), 2, 0);
        grid->addWidget(hidden, 2, 1);
        auto* result = new QLineEdit(QStringLiteral("3.50"), this);
        result->setReadOnly(true);
        result->setEnabled(false);
        grid->addWidget(new QLabel(QStringLiteral("结果 x:"), this), 3, 0);
        grid->addWidget(result, 3, 1);
        spanLabel_ = new QLabel(QStringLiteral("节间数(&N):"), this);
        grid->addWidget(spanLabel_, 4, 0);
        // A long label on a row of its own over its box.
        grid->addWidget(new QLabel(QStringLiteral("    梁跨度(m):"), this), 5, 0, 1, 2);
        auto* span = new QComboBox(this);
        span->setEditable(true);
        span->addItem(QStringLiteral("6"));
        grid->addWidget(span, 6, 1);

        auto* loads = new QGroupBox(QStringLiteral("荷载"), this);
        auto* loadRow = new QHBoxLayout(loads);
        auto* force = new QComboBox(loads);
        force->setEditable(true);
        force->addItem(QStringLiteral("100"));
        loadRow->addWidget(force);
        loadRow->addWidget(new QLabel(QStringLiteral("kN"), loads));
        auto* press = new QRadioButton(QStringLiteral("压"), loads);
        press->setChecked(true);
        loadRow->addWidget(press);
        loadRow->addWidget(new QRadioButton(QStringLiteral("拉"), loads));

        auto* aboutX = new QCheckBox(QStringLiteral("绕x轴"), this);
        aboutX->setChecked(true);
        auto* aboutY = new QCheckBox(QStringLiteral("绕y轴"), this);
        aboutY->setEnabled(false);

        auto* welded = new QGroupBox(QStringLiteral("焊接截面"), this);
        auto* weldedGrid = new QGridLayout(welded);
        auto* webMode = new QRadioButton(QStringLiteral("腹板高度 Hw:"), welded);
        webMode->setChecked(true);
        weldedGrid->addWidget(webMode, 0, 0);
        weldedGrid->addWidget(new QLineEdit(QStringLiteral("250"), welded), 0, 1);
        weldedGrid->addWidget(new QRadioButton(QStringLiteral("总高度 H"), welded), 1, 0);
        weldedGrid->addWidget(new QLineEdit(QStringLiteral("274"), welded), 1, 1);

        auto* stiffeners = new QGroupBox(QStringLiteral("加劲肋"), this);
        stiffeners->setCheckable(true);
        stiffeners->setChecked(false);
        auto* stiffenerRow = new QHBoxLayout(stiffeners);
        stiffenerRow->addWidget(new QLabel(QStringLiteral("间距:"), stiffeners));
        stiffenerRow->addWidget(new QLineEdit(QStringLiteral("800"), stiffeners));

        auto* gone = new QGroupBox(QStringLiteral("不用"), this);
        (new QHBoxLayout(gone))->addWidget(new QLineEdit(QStringLiteral("5"), gone));
        gone->hide();

        auto* list = new QListWidget(this);
        list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list->item(1)->setSelected(true);

        report_ = new ReportBox(this);
        report_->SetReport("σ=12.00N/mm2");
        auto* spans = new QSpinBox(this);
        spans->setValue(4);
        spanLabel_->setBuddy(spans);

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addWidget(loads);
        layout->addWidget(aboutX);
        layout->addWidget(aboutY);
        layout->addWidget(welded);
        layout->addWidget(stiffeners);
        layout->addWidget(gone);
        layout->addWidget(new QLabel(QStringLiteral("上柱:"), this));
        layout->addWidget(list);
        layout->addWidget(report_);
        layout->addWidget(spans);
        layout->addWidget(new QPushButton(QStringLiteral("计算"), this));
        // Placed by hand, outside every layout.
        auto* loose = new QLineEdit(QStringLiteral("9"), this);
        loose->move(0, 0);
    }

    ReportBox* report_;
    QLabel* spanLabel_;
};

TEST(GatherInputs, ReadsEveryShownInputWithItsLabelInLayoutOrder) {
    SampleDialog dialog;
    const std::vector<SheetField> expected = {{"长度 L", "6.00 m"},
                                              {"钢号", "Q345"},
                                              {"宽度", "12"},
                                              {"结果 x", "3.50"},
                                              {"梁跨度(m)", "6"},
                                              {"荷载", "100 kN"},
                                              {"荷载", "压"},
                                              {"绕x轴", "是"},
                                              {"绕y轴", "否"},
                                              {"焊接截面", "腹板高度 Hw"},
                                              {"腹板高度 Hw", "250"},
                                              {"总高度 H", "274"},
                                              {"加劲肋", "否"},
                                              {"间距", "800"},
                                              {"上柱", "b"},
                                              {"节间数(N)", "4"},
                                              {"", "9"}};
    EXPECT_EQ(GatherInputs(&dialog), expected);
    // Shown or not makes no difference; what the user changes does.
    dialog.show();
    Child<QComboBox>(&dialog, "length")->setEditText(QStringLiteral("7.5"));
    EXPECT_EQ(GatherInputs(&dialog)[0], (SheetField{"长度 L", "7.5 m"}));
    EXPECT_EQ(GatherInputs(&dialog).size(), expected.size());
}

TEST(SheetText, HeaderInputsReportAndVerdicts) {
    ReportSheet sheet{"测试计算",
                      QDate(2024, 3, 15),
                      {{"长度 L", "6.00 m"}, {"", "9"}},
                      "a=1\r\n b=2",
                      {"σ/f = 0.85  满足", "τ/fv = 1.02  不满足"}};
    EXPECT_EQ(SheetText(sheet),
              "测试计算\r\n日期：2024-03-15\r\n\r\n输入数据\r\n  长度 L：6.00 m\r\n"
              "  9\r\n\r\n计算结果\r\na=1\r\n b=2\r\n\r\n验算结论\r\n"
              "σ/f = 0.85  满足\r\nτ/fv = 1.02  不满足\r\n");
    // A report that ends its last line keeps one line end; no verdicts, no verdict block.
    sheet.report = "a=1\r\n";
    sheet.verdicts.clear();
    sheet.inputs.clear();
    EXPECT_EQ(SheetText(sheet),
              "测试计算\r\n日期：2024-03-15\r\n\r\n输入数据\r\n\r\n计算结果\r\na=1\r\n");
}

class SaveSheetTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    ReportSheet sheet{"样例计算", QDate(2025, 1, 2), {{"钢号", "Q235"}}, "f=215\r\n", {}};
};

TEST_F(SaveSheetTest, TextIsTheSheetInUtf8AndReplacesAnOldFile) {
    const QString path = Path("计算书.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    ASSERT_TRUE(SaveSheet(path, sheet, QFont()));
    EXPECT_EQ(ReadAll(path), SheetText(sheet).toUtf8());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(SaveSheetTest, PdfByItsNameInAnyCaseAndPagedWhenLong) {
    EXPECT_TRUE(IsPdfName("a.PDF"));
    EXPECT_FALSE(IsPdfName("a.pdf.txt"));
    ASSERT_TRUE(SaveSheet(Path("short.Pdf"), sheet, QFont()));
    const QByteArray shortPdf = ReadAll(Path("short.Pdf"));
    EXPECT_TRUE(IsWholePdf(shortPdf));
    EXPECT_EQ(PdfPages(shortPdf), 1);
    for (int i = 0; i < 300; ++i) {
        sheet.report += "0.0527660\r\n";
    }
    ASSERT_TRUE(SaveSheet(Path("long.pdf"), sheet, QFont()));
    const QByteArray longPdf = ReadAll(Path("long.pdf"));
    EXPECT_TRUE(IsWholePdf(longPdf));
    EXPECT_GE(PdfPages(longPdf), 4);
    EXPECT_LE(PdfPages(longPdf), 10);
}

class ReportBoxKeepTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    QToolButton* Button(const char* suffix) {
        return Child<QToolButton>(dialog.report_, "report" + QString::fromLatin1(suffix));
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    KeepSeams Seams(const QString& fileName) {
        return KeepSeams{[] { return QDate(2024, 3, 15); },
                         [this, fileName](QWidget*, const QString& suggested) {
                             suggestions << suggested;
                             return fileName;
                         },
                         [this](QWidget*, QPrinter* printer) {
                             printer->setOutputFormat(QPrinter::PdfFormat);
                             printer->setOutputFileName(printTarget);
                             return !printTarget.isEmpty();
                         }};
    }

    NoticeRecorder notices;
    SampleDialog dialog;
    QTemporaryDir dir;
    QStringList suggestions;
    QString printTarget;
};

TEST_F(ReportBoxKeepTest, ActionsWaitForAReportAndSitInTheStripAndTheMenu) {
    ReportBox empty(&dialog, QStringLiteral("spare"));
    for (QAction* action : {empty.copyAction(), empty.saveAction(), empty.printAction()}) {
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
    empty.SetReport("x");
    EXPECT_TRUE(empty.printAction()->isEnabled());
    empty.SetReport("");
    EXPECT_FALSE(empty.saveAction()->isEnabled());

    // The buttons keep the "..." of the actions that open a dialog, above the text in the frame.
    EXPECT_EQ(Button("Save")->text(), "保存...");
    EXPECT_TRUE(Button("Save")->isVisible());
    EXPECT_GE(dialog.report_->viewport()->geometry().top(), Button("Save")->geometry().bottom());
    std::unique_ptr<QMenu> menu(dialog.report_->CreateContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << action->text();
    }
    EXPECT_EQ(texts.mid(texts.size() - 3),
              (QStringList{QStringLiteral("复制"), QStringLiteral("保存..."),
                           QStringLiteral("打印...")}));
}

TEST_F(ReportBoxKeepTest, SaveWritesTheSheetOfTheDialog) {
    KeepSeamsOverride seams(Seams(Path("out.txt")));
    dialog.report_->SetChecks({Check{"σ/f", 200, 215}});
    Click(Button("Save"));
    EXPECT_EQ(suggestions, QStringList{QStringLiteral("样例计算.txt")});
    const QString text = QString::fromUtf8(ReadAll(Path("out.txt")));
    EXPECT_TRUE(
        text.startsWith("样例计算\r\n日期：2024-03-15\r\n\r\n输入数据\r\n  长度 L：6.00 m\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("\r\n  9\r\n\r\n计算结果\r\nσ=12.00N/mm2\r\n\r\n验算结论\r\n"
                              "σ/f = 0.93  满足\r\n"))
        << text.toStdString();
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(ReportBoxKeepTest, CancelledDialogsKeepNothing) {
    KeepSeamsOverride seams(Seams(QString()));
    Click(Button("Save"));
    Click(Button("Print"));
    EXPECT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(notices.notices().empty());
}

TEST_F(ReportBoxKeepTest, APrinterThatCannotStartSaysSo) {
    QFile blocker(Path("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    printTarget = Path("plain/printed.pdf");
    KeepSeamsOverride seams(Seams(QString()));
    Click(Button("Print"));
    EXPECT_EQ(notices.notices(),
              (std::vector<Notice>{{"无法启动打印，计算书未打印。", "提示", NoticeIcon::Warning}}));
}

} // namespace
