#pragma once
// The application object: builds the main frame, shows it with its fixed title, and handles the
// about command.

#include <QString>
#include <QStringList>

#include <memory>

#include "app/CommandTarget.h"

namespace ferrolab {

class CMainFrame;

class CTrabekApp : public CommandTarget {
public:
    CTrabekApp();
    ~CTrabekApp() override;

    // Start-up; false when the frame could not be built (the program then ends).
    bool InitInstance();

    CMainFrame* mainFrame() const { return frame_.get(); }
    // The recent-file list of the profile settings (read at start-up, never shown).
    const QStringList& recentFiles() const { return recentFiles_; }

    bool HasHandler(int command) const override;
    bool OnCommand(int command) override;
    void OnAppAbout();

    static QString MainTitle();

private:
    void LoadStdProfileSettings(int recentCount);

    std::unique_ptr<CMainFrame> frame_;
    QStringList recentFiles_;
};

} // namespace ferrolab
