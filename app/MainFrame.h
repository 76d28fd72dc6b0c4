#pragma once
// The main window: menu, status bar and an empty central area. It carries the handlers of every
// calculator of the calculator table and of the online help.

#include <QMainWindow>

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

    // Command routing: this frame, then the further targets (the application).
    void SetRouting(std::vector<CommandTarget*> further);
    // Builds the menu from the menu table; items without a handler anywhere show disabled.
    void BuildMenu();
    void RouteCommand(int command);
    QAction* ActionFor(int command) const;

    bool HasHandler(int command) const override;
    bool OnCommand(int command) override;

    void OnOnlineHelp();
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

    std::vector<CommandTarget*> further_;
    std::map<int, QAction*> actions_;
};

} // namespace ferrolab
