#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <set>

#include "app/AboutBoxDlg.h"
#include "app/MainFrame.h"
#include "app/Shell.h"
#include "app/TrabekApp.h"
#include "calculators/Calculators.h"
#include "calculators/Commands.h"
#include "tests/support/GuiHelpers.h"
#include "ui/MessageBox.h"

using namespace ferrolab;

namespace {

// Menu text paths in menu order, with their command (0 for a submenu).
struct Item {
    QString path;
    int command;
};

void Collect(const QMenu* menu, const QString& prefix, std::vector<Item>& out) {
    for (QAction* action : menu->actions()) {
        const QString path = prefix + " > " + action->text();
        if (action->menu()) {
            out.push_back({path, 0});
            Collect(action->menu(), path, out);
        } else {
            out.push_back({path, action->data().toInt()});
        }
    }
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.InitInstance()); }
    void TearDown() override { SetDesktopOpenerForTesting({}); }

    // Runs a menu command whose handler opens a modal dialog; closes the dialog as soon as it
    // is up and returns its caption.
    QString RunModalCommand(int command) {
        return test::WhileModal([&] { app.mainFrame()->ActionFor(command)->trigger(); });
    }

    CTrabekApp app;
};

TEST_F(MainFrameTest, TitleIsTheFixedProgramTitle) {
    EXPECT_EQ(app.mainFrame()->windowTitle(),
              "Ferrolab--钢结构设计工具箱 V2.1.1测试版 https://ferrolab.example.org");
    EXPECT_TRUE(app.mainFrame()->isVisible());
    EXPECT_EQ(QCoreApplication::organizationName(), "Local AppWizard-Generated Applications");
}

TEST_F(MainFrameTest, MenuTextsOrderAndCommands) {
    std::vector<Item> items;
    QStringList tops;
    for (QAction* top : app.mainFrame()->menuBar()->actions()) {
        tops << top->text();
        Collect(top->menu(), top->text(), items);
    }
    EXPECT_EQ(tops, (QStringList{"文件", "计算工具", "构件验算", "抗震规范", "节点设计", "帮助(&H)",
                                 "测试"}));
    const std::vector<Item> expected = {
        {"文件 > 打开计算...", 57601},
        {"计算工具 > 截面特性", 0},
        {"计算工具 > 截面特性 > 工字、十字、矩形、T形", 32772},
        {"计算工具 > 截面特性 > 冷弯薄壁槽钢、Z形钢", 32791},
        {"计算工具 > 螺栓及螺栓群", 32775},
        {"计算工具 > 设计指标", 32787},
        {"计算工具 > 焊缝计算", 0},
        {"计算工具 > 焊缝计算 > 角焊缝", 0},
        {"计算工具 > 焊缝计算 > 角焊缝 > 承受弯矩、轴心力和剪力", 32792},
        {"计算工具 > 焊缝计算 > 角焊缝 > 承受扭矩和剪力共同作用", 32793},
        {"构件验算 > 普钢构件", 0},
        {"构件验算 > 普钢构件 > 轴心受力", 32794},
        {"构件验算 > 普钢构件 > 受弯构件", 0},
        {"构件验算 > 普钢构件 > 受弯构件 > H型钢、焊接工字形等截面", 32796},
        {"构件验算 > 普钢构件 > 受弯构件 > 轧制普通工字钢简支梁", 32797},
        {"构件验算 > 普钢构件 > 受弯构件 > 轧制槽钢简支梁", 32798},
        {"构件验算 > 普钢构件 > 受弯构件 > 双轴对称工字形等截面悬臂梁", 32799},
        {"构件验算 > 普钢构件 > 受弯构件 > 稳定系数的近似计算", 32800},
        {"构件验算 > 冷弯薄壁构件", 0},
        {"构件验算 > 冷弯薄壁构件 > 受弯构件的整体稳定系数", 32789},
        {"构件验算 > 冷弯薄壁构件 > 轴心受力构件", 32790},
        {"构件验算 > 柱计算长度系数", 32802},
        {"抗震规范 > 地震影响系数曲线", 32801},
        {"节点设计 > 梁柱连接", 0},
        {"节点设计 > 梁柱连接 > 单板、双板铰接", 32803},
        {"节点设计 > 梁柱连接 > 支托铰接", 32807},
        {"节点设计 > 梁拼接", 32804},
        {"节点设计 > 主次梁连接", 32805},
        {"节点设计 > 柱脚设计", 32783},
        {"节点设计 > 钢管节点", 32806},
        {"帮助(&H) > 关于 Ferrolab(&A)...", 57664},
        {"帮助(&H) > 在线帮助", 32786},
        {"测试 > 转化工字钢", 32782},
        {"测试 > 转换槽钢参数", 32784},
    };
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].path, expected[i].path) << i;
        EXPECT_EQ(items[i].command, expected[i].command) << items[i].path.toStdString();
    }
}

TEST_F(MainFrameTest, ItemsWithoutHandlerShowDisabledAndDoNothing) {
    for (int command : {cmd::kConvertIBeam, cmd::kConvertChannel}) {
        QAction* action = app.mainFrame()->ActionFor(command);
        ASSERT_NE(action, nullptr) << command;
        EXPECT_FALSE(action->isEnabled()) << command;
        EXPECT_FALSE(app.mainFrame()->HasHandler(command));
        app.mainFrame()->RouteCommand(command); // nothing happens, nothing crashes
    }
}

TEST_F(MainFrameTest, ExactlyTheBuiltCalculatorsAreEnabled) {
    // The calculator table's commands, the file and help commands; everything else disabled.
    std::set<int> enabled = {cmd::kAbout, cmd::kOnlineHelp, cmd::kOpenCalculation};
    for (const Calculator& row : AllCalculators()) {
        if (row.command != 0) {
            enabled.insert(row.command);
        }
    }
    for (QAction* top : app.mainFrame()->menuBar()->actions()) {
        std::vector<Item> items;
        Collect(top->menu(), top->text(), items);
        for (const Item& item : items) {
            if (item.command != 0) {
                EXPECT_EQ(app.mainFrame()->ActionFor(item.command)->isEnabled(),
                          enabled.count(item.command) == 1)
                    << item.path.toStdString();
            }
        }
    }
}

TEST_F(MainFrameTest, StatusBarPanes) {
    QStatusBar* bar = app.mainFrame()->statusBar();
    EXPECT_EQ(bar->findChild<QLabel*>("statusPrompt")->text(), "就绪");
    EXPECT_EQ(bar->findChild<QLabel*>("statusCaps")->text(), "大写");
    EXPECT_EQ(bar->findChild<QLabel*>("statusNum")->text(), "数字");
    EXPECT_EQ(bar->findChild<QLabel*>("statusScroll")->text(), "滚动");
}

TEST_F(MainFrameTest, BuiltUpSectionOpensFromTheViewTwiceFromDefaults) {
    EXPECT_EQ(RunModalCommand(cmd::kBuiltUpSection), "工字形、T形、矩形、十字形截面参数计算");
    EXPECT_EQ(RunModalCommand(cmd::kBuiltUpSection), "工字形、T形、矩形、十字形截面参数计算");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainFrameTest, AboutBox) {
    EXPECT_EQ(RunModalCommand(cmd::kAbout), "关于 Ferrolab");
    CAboutBoxDlg about;
    EXPECT_EQ(about.findChild<QLabel*>("aboutVersion")->text(), "Ferrolab V2.1.1");
    EXPECT_EQ(about.findChild<QGroupBox*>("aboutWebGroup")->title(), "欢迎到以下网站下载最新版本");
    EXPECT_EQ(about.findChild<QPushButton*>("aboutOk")->text(), "确定");
    QUrl opened;
    SetDesktopOpenerForTesting([&opened](const QUrl& url) {
        opened = url;
        return true;
    });
    about.show();
    test::Click(about.findChild<QPushButton*>("aboutWebButton"));
    EXPECT_EQ(opened, QUrl("https://ferrolab.example.org"));
    EXPECT_TRUE(about.isVisible()); // the web button leaves the box open
}

// One test for both cases: ctest runs tests in parallel processes, and both look at the same
// file beside the test program.
TEST_F(MainFrameTest, OnlineHelpOpensTheFileBesideTheProgramOrSaysWhereToGetIt) {
    QFile::remove(CMainFrame::HelpFilePath());
    QUrl opened;
    bool succeed = true;
    SetDesktopOpenerForTesting([&](const QUrl& url) {
        opened = url;
        return succeed;
    });
    NoticeRecorder notices;

    // Missing: the message (no caption) tells where to download it; the program keeps running.
    app.mainFrame()->ActionFor(cmd::kOnlineHelp)->trigger();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(notices.notices().size(), 1u);
    const Notice notice = notices.notices()[0];
    EXPECT_TRUE(notice.caption.empty());
    EXPECT_NE(notice.text.find("FerrolabHelp.chm"), std::string::npos);
    EXPECT_NE(notice.text.find("https://ferrolab.example.org"), std::string::npos);
    // ... and where it was looked for.
    EXPECT_NE(notice.text.find(QDir::toNativeSeparators(CMainFrame::HelpFilePath()).toStdString()),
              std::string::npos)
        << notice.text;
    EXPECT_TRUE(app.mainFrame()->isVisible());

    // Present: the desktop opens it.
    QFile help(CMainFrame::HelpFilePath());
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    app.mainFrame()->ActionFor(cmd::kOnlineHelp)->trigger();
    EXPECT_EQ(opened, QUrl::fromLocalFile(CMainFrame::HelpFilePath()));
    EXPECT_EQ(notices.notices().size(), 1u);

    // Present but the desktop cannot open it (no viewer): the same message.
    succeed = false;
    app.mainFrame()->ActionFor(cmd::kOnlineHelp)->trigger();
    EXPECT_EQ(notices.notices().size(), 2u);
    QFile::remove(CMainFrame::HelpFilePath());
}

// A box without a caption of its own, and every box captioned with the program's name, shows
// "Ferrolab", the name the user knows, never an internal class prefix.
TEST_F(MainFrameTest, PlainMessageBoxesCarryTheProgramName) {
    EXPECT_STREQ(kApplicationCaption, "Ferrolab");
    for (const char* caption : {"", kApplicationCaption}) {
        const QString shown = test::WhileModal([&] {
            ShowNotice(app.mainFrame(), Notice{"文字", caption, NoticeIcon::None});
        });
        EXPECT_EQ(shown, "Ferrolab");
    }
    EXPECT_EQ(test::WhileModal([&] {
                  ShowNotice(app.mainFrame(), Notice{"文字", "输入错误", NoticeIcon::Error});
              }),
              "输入错误");
}

// Qt's own buttons and dialogs speak Chinese when the catalogue is installed; without it the
// program starts all the same, in Qt's English.
TEST_F(MainFrameTest, QtCatalogueIsLoadedWhenPresentAndMissingIsNoError) {
    const QString folder = QtTranslationsFolder();
    if (!QFileInfo::exists(QDir(folder).filePath("qtbase_zh_CN.qm"))) {
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    }
    // InitInstance has installed it.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
    EXPECT_TRUE(InstallQtTranslations(folder));

    QTemporaryDir empty;
    EXPECT_FALSE(InstallQtTranslations(empty.path()));
}

TEST_F(MainFrameTest, ScreenshotShowsTheMenuBar) {
    app.mainFrame()->resize(900, 600);
    QApplication::processEvents();
    const QImage image = app.mainFrame()->grab().toImage();
    ASSERT_EQ(image.size(), QSize(900, 600));
    // The menu bar's text is drawn: its strip is not one flat colour.
    const QRect strip = app.mainFrame()->menuBar()->geometry();
    const QRgb background = image.pixel(strip.right() - 2, strip.center().y());
    int inked = 0;
    for (int x = strip.left(); x < strip.left() + 300; ++x) {
        for (int y = strip.top(); y <= strip.bottom(); ++y) {
            inked += image.pixel(x, y) != background;
        }
    }
    EXPECT_GT(inked, 100);
    test::SaveScreenshot(app.mainFrame(), "main-window");
}

} // namespace
