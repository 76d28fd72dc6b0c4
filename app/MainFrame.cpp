#include "app/MainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "app/Branding.h"
#include "app/Commands.h"
#include "app/MainMenu.h"
#include "app/Shell.h"
#include "calculators/connections/BoltConnectionDlg.h"
#include "calculators/connections/FilletWeldMNVDlg.h"
#include "calculators/connections/FilletWeldTorqueDlg.h"
#include "calculators/joints/BeamColumnPinnedDlg.h"
#include "calculators/joints/ColumnBaseDlg.h"
#include "calculators/joints/SeatedPinnedDlg.h"
#include "calculators/materials/DesignValuesDlg.h"
#include "calculators/members/AxialMemberDlg.h"
#include "calculators/members/BeamStabilityDlg.h"
#include "calculators/members/ColdFormedAxialDlg.h"
#include "calculators/members/ColdFormedBeamDlg.h"
#include "calculators/members/ColumnLengthFactorDlg.h"
#include "calculators/members/RolledChannelBeamDlg.h"
#include "calculators/members/RolledIBeamPhiDlg.h"
#include "calculators/properties/ColdFormedSectionDlg.h"
#include "calculators/seismic/SeismicCoefficientDlg.h"
#include "ui/MessageBox.h"

namespace ferrolab {
namespace {

// Each calculator runs as a modal dialog that lives only inside its handler: constructed with
// its default inputs, run, destroyed, whatever closed it.
template <class Dialog> void RunDialog(QWidget* parent) {
    Dialog dialog(parent);
    dialog.exec();
}

using Handler = void (*)(QWidget*);

// The calculators this frame opens, by command.
const std::map<int, Handler>& CalculatorHandlers() {
    static const std::map<int, Handler> handlers = {
        {cmd::kDesignValues, &RunDialog<CDesignValuesDlg>},
        {cmd::kAxialMember, &RunDialog<CAxialMemberDlg>},
        {cmd::kWeldedBeamStability, &RunDialog<CBeamStabilityDlg>},
        {cmd::kRolledIBeamStability, &RunDialog<CRolledIBeamPhiDlg>},
        {cmd::kChannelBeamStability, &RunDialog<CRolledChannelBeamDlg>},
        {cmd::kCFFlexural, &RunDialog<CColdFormedBeamDlg>},
        {cmd::kCFAxial, &RunDialog<CColdFormedAxialDlg>},
        {cmd::kCFSectionProps, &RunDialog<CColdFormedSectionDlg>},
        {cmd::kPinnedJoint, &RunDialog<CBeamColumnPinnedDlg>},
        {cmd::kFilletWeldMnv, &RunDialog<CFilletWeldMNVDlg>},
        {cmd::kFilletWeldTorque, &RunDialog<CFilletWeldTorqueDlg>},
        {cmd::kBoltGroup, &RunDialog<CBoltConnectionDlg>},
        {cmd::kSeatedJoint, &RunDialog<CSeatedPinnedDlg>},
        {cmd::kColumnBase, &RunDialog<CColumnBaseDlg>},
        {cmd::kEffectiveLength, &RunDialog<CColumnLengthFactorDlg>},
        {cmd::kSeismicCurve, &RunDialog<CSeismicCoefficientDlg>},
    };
    return handlers;
}

} // namespace

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

void CMainFrame::SetRouting(CommandTarget* view, std::vector<CommandTarget*> further) {
    view_ = view;
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
    if (view_ && view_->HasHandler(command)) {
        return true;
    }
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
    if (view_ && view_->OnCommand(command)) {
        return;
    }
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
    return command == cmd::kOnlineHelp || CalculatorHandlers().count(command) > 0;
}

bool CMainFrame::OnCommand(int command) {
    if (command == cmd::kOnlineHelp) {
        OnOnlineHelp();
        return true;
    }
    const auto it = CalculatorHandlers().find(command);
    if (it == CalculatorHandlers().end()) {
        return false;
    }
    it->second(this);
    return true;
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
