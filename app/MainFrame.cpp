#include "app/MainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "app/Branding.h"
#include "app/MainMenu.h"
#include "app/Shell.h"
#include "calculators/CalculatorDialogs.h"
#include "calculators/Commands.h"
#include "ui/MessageBox.h"

namespace ferrolab {
CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainFrame"));
    CreateStatusBar();
    resize(900, 640);
}

void CMainFrame::CreateStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(bar);
    // The idle prompt sits in the stretching first pane; the lock indicators follow it.
    auto* prompt = new QLabel(QStringLiteral("就绪"), bar);
    prompt->setObjectName(QStringLiteral("statusPrompt"));
    bar->addWidget(prompt, 1);
    const char* const indicators[] = {"大写", "数字", "滚动"};
    const char* const names[] = {"statusCaps", "statusNum", "statusScroll"};
    for (int i = 0; i < 3; ++i) {
        auto* pane = new QLabel(QString::fromUtf8(indicators[i]), bar);
        pane->setObjectName(QString::fromLatin1(names[i]));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(pane->text()) + 12);
        // The lock states are not readable on every platform, so the panes show their names
        // greyed, the way an indicator shows when its lock is off.
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    // Menu prompts replace the idle prompt while a menu is open, and it returns afterwards.
    connect(bar, &QStatusBar::messageChanged, prompt,
            [prompt](const QString& message) { prompt->setVisible(message.isEmpty()); });
}

void CMainFrame::SetRouting(std::vector<CommandTarget*> further) {
    further_ = std::move(further);
}

void CMainFrame::BuildMenu() {
    menuBar()->clear();
    actions_.clear();
    for (const MenuEntry& top : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.text));
        AddMenuEntries(menu, top.children);
    }
    UpdateCommandStates();
}

void CMainFrame::AddMenuEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.command == 0) {
            AddMenuEntries(menu->addMenu(QString::fromUtf8(entry.text)), entry.children);
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(entry.text));
        action->setObjectName(QStringLiteral("cmd%1").arg(entry.command));
        action->setData(entry.command);
        const int command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { RouteCommand(command); });
        actions_[command] = action;
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

QAction* CMainFrame::ActionFor(int command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

bool CMainFrame::AnyHandler(int command) const {
    if (HasHandler(command)) {
        return true;
    }
    for (const CommandTarget* target : further_) {
        if (target->HasHandler(command)) {
            return true;
        }
    }
    return false;
}

void CMainFrame::UpdateCommandStates() {
    for (const auto& [command, action] : actions_) {
        action->setEnabled(AnyHandler(command));
    }
}

void CMainFrame::RouteCommand(int command) {
    if (OnCommand(command)) {
        return;
    }
    for (CommandTarget* target : further_) {
        if (target->OnCommand(command)) {
            return;
        }
    }
}

bool CMainFrame::HasHandler(int command) const {
    return command == cmd::kOnlineHelp || HasCalculatorDialog(command);
}

bool CMainFrame::OnCommand(int command) {
    if (command == cmd::kOnlineHelp) {
        OnOnlineHelp();
        return true;
    }
    return RunCalculatorDialog(command, this);
}

Notice CMainFrame::HelpMissingNotice(const QString& path) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    return Notice{std::string("没有找到帮助文件 ") + kHelpFileName + "（查找位置：" +
                      QDir::toNativeSeparators(path).toStdString() + "），请到 " + kWebAddress +
                      " 下载，并放在 Ferrolab 程序所在的文件夹 " + folder.toStdString() + " 中。",
                  "", NoticeIcon::None};
}

QString CMainFrame::HelpFilePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(kHelpFileName));
}

void CMainFrame::OnOnlineHelp() {
    const QString path = HelpFilePath();
    if (QFileInfo::exists(path) && OpenWithDesktop(QUrl::fromLocalFile(path))) {
        return;
    }
    ShowNotice(this, HelpMissingNotice(path));
}

} // namespace ferrolab
