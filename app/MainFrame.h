#pragma once
// The main window: menu, status bar and an empty central area. It carries the handlers of every
// calculator of the calculator table and of the online help.

#include <QMainWindow>
#include <QStringList>

#include <map>
#include <vector>

#include "app/CommandTarget.h"
#include "engine/Notice.h"

class QAction;
class QLabel;
class QMenu;

namespace ferrolab {

struct MenuEntry;

class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Command routing: this frame, then the further targets (the application).
    void SetRouting(std::vector<CommandTarget*> further);
    // Builds the menu from the menu table; items without a handler anywhere show disabled.
    void BuildMenu();
    void RouteCommand(int command);
    QAction* ActionFor(int command) const;

    bool HasHandler(int command) const override;
    bool OnCommand(int command) override;

    void OnOnlineHelp();
    // "打开计算...": asks for a calculation file and opens its calculator's dialog with it.
    void OnOpenCalculation();
    // Opens the file in its calculator's dialog; a file that cannot be opened says why.
    void OpenCalculation(const QString& path);
    // The recent calculation files, newest first (at most four, kept in the user's settings).
    QStringList RecentFiles() const;
    void AddRecentFile(const QString& path);
    // The help file looked for beside the executable.
    static QString HelpFilePath();
    // The message shown when the help file is not at `path`: where it was looked for and where
    // to get it.
    static Notice HelpMissingNotice(const QString& path);

private:
    void AddMenuEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    bool AnyHandler(int command) const;
    void UpdateCommandStates();
    void CreateStatusBar();
    void UpdateRecentFileActions();
    void OnRecentFile(int index);

    std::vector<CommandTarget*> further_;
    std::map<int, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    std::vector<QAction*> recentActions_;
};

} // namespace ferrolab
