#include "app/MainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

#include <memory>

#include "app/Branding.h"
#include "app/MainMenu.h"
#include "app/Shell.h"
#include "calculators/CalculationFile.h"
#include "calculators/CalculatorDialogs.h"
#include "calculators/Commands.h"
#include "calculators/DialogInputs.h"
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
    recentActions_.clear();
    fileMenu_ = nullptr;
    for (const MenuEntry& top : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.text));
        AddMenuEntries(menu, top.children);
        if (fileMenu_ == nullptr) {
            fileMenu_ = menu; // the file menu comes first
        }
    }
    UpdateRecentFileActions();
    UpdateCommandStates();
    SetCalculationFileListener([this](const QString& path) { AddRecentFile(path); });
}

CMainFrame::~CMainFrame() {
    SetCalculationFileListener({});
}

QStringList CMainFrame::RecentFiles() const {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    QStringList files;
    for (int i = 1; i <= cmd::kRecentFileCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) {
            files << file;
        }
    }
    return files;
}

void CMainFrame::AddRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= cmd::kRecentFileCount; ++i) {
        if (i <= files.size()) {
            settings.setValue(QStringLiteral("File%1").arg(i), files[i - 1]);
        } else {
            settings.remove(QStringLiteral("File%1").arg(i));
        }
    }
    settings.endGroup();
    UpdateRecentFileActions();
}

// The recent files follow "打开计算..." under a separator, "1 name" to "4 name", each showing its
// full path as its status tip.
void CMainFrame::UpdateRecentFileActions() {
    if (fileMenu_ == nullptr) {
        return;
    }
    for (QAction* action : recentActions_) {
        actions_.erase(action->data().toInt());
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    const QStringList files = RecentFiles();
    if (files.isEmpty()) {
        return;
    }
    recentActions_.push_back(fileMenu_->addSeparator());
    for (int i = 0; i < files.size(); ++i) {
        const int command = cmd::kRecentFile1 + i;
        QAction* action = fileMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        action->setObjectName(QStringLiteral("cmd%1").arg(command));
        action->setData(command);
        action->setStatusTip(QDir::toNativeSeparators(files[i]));
        connect(action, &QAction::triggered, this, [this, command] { RouteCommand(command); });
        actions_[command] = action;
        recentActions_.push_back(action);
    }
}

void CMainFrame::OnOpenCalculation() {
    const QString path = ChooseCalculationFileToOpen(this);
    if (!path.isEmpty()) {
        OpenCalculation(path);
    }
}

void CMainFrame::OnRecentFile(int index) {
    const QStringList files = RecentFiles();
    if (index < 0 || index >= files.size()) {
        return;
    }
    const QString path = files[index];
    if (!QFileInfo::exists(path)) {
        // A file moved or deleted since leaves the list.
        QStringList rest = files;
        rest.removeAt(index);
        QSettings settings;
        settings.remove(QStringLiteral("Recent File List"));
        settings.beginGroup(QStringLiteral("Recent File List"));
        for (int i = 0; i < rest.size(); ++i) {
            settings.setValue(QStringLiteral("File%1").arg(i + 1), rest[i]);
        }
        settings.endGroup();
        UpdateRecentFileActions();
        ShowNotice(this, Notice{"文件已不存在，已从最近的文件中删除：\r\n" +
                                    QDir::toNativeSeparators(path).toStdString(),
                                "提示", NoticeIcon::Warning});
        return;
    }
    OpenCalculation(path);
}

void CMainFrame::OpenCalculation(const QString& path) {
    QFile file(path);
    std::string refusal;
    if (!file.open(QIODevice::ReadOnly)) {
        refusal = "无法读取文件：" + QDir::toNativeSeparators(path).toStdString();
    }
    const CalculationFileResult read = refusal.empty()
                                           ? ReadCalculationFile(file.readAll().toStdString())
                                           : CalculationFileResult{};
    if (refusal.empty() && !read.file) {
        refusal = read.error;
    }
    if (refusal.empty() && read.file->calculator->command == 0) {
        refusal = "该文件的计算器没有对话框：" + read.file->calculator->description().id;
    }
    if (!refusal.empty()) {
        ShowNotice(this, Notice{refusal, "打开计算", NoticeIcon::Warning});
        return;
    }
    const int command = read.file->calculator->command;
    const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(command, this));
    refusal = OpenCalculationFile(dialog.get(), command, path);
    if (!refusal.empty()) {
        ShowNotice(this, Notice{refusal, "打开计算", NoticeIcon::Warning});
        return;
    }
    dialog->exec();
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
    if (command >= cmd::kRecentFile1 && command < cmd::kRecentFile1 + cmd::kRecentFileCount) {
        return command - cmd::kRecentFile1 < RecentFiles().size();
    }
    return command == cmd::kOnlineHelp || command == cmd::kOpenCalculation ||
           HasCalculatorDialog(command);
}

bool CMainFrame::OnCommand(int command) {
    if (command == cmd::kOnlineHelp) {
        OnOnlineHelp();
        return true;
    }
    if (command == cmd::kOpenCalculation) {
        OnOpenCalculation();
        return true;
    }
    if (command >= cmd::kRecentFile1 && command < cmd::kRecentFile1 + cmd::kRecentFileCount) {
        OnRecentFile(command - cmd::kRecentFile1);
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
