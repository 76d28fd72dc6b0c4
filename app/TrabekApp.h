#pragma once
// The application object: builds the empty document, the main frame and the view, shows the
// frame with its fixed title, and handles the about command.

#include <QString>
#include <QStringList>

#include <memory>

#include "app/CommandTarget.h"

namespace ferrolab {

class CMainFrame;
class CTrabekDoc;
class CTrabekView;

class CTrabekApp : public CommandTarget {
public:
    CTrabekApp();
    ~CTrabekApp() override;

    // Start-up; false when the frame could not be built (the program then ends).
    bool InitInstance();

    CMainFrame* mainFrame() const { return frame_.get(); }
    CTrabekView* view() const { return view_; }
    // The recent-file list of the profile settings (read at start-up, never shown).
    const QStringList& recentFiles() const { return recentFiles_; }

    bool HasHandler(int command) const override;
    bool OnCommand(int command) override;
    void OnAppAbout();

    static QString MainTitle();

private:
    void LoadStdProfileSettings(int recentCount);

    std::unique_ptr<CTrabekDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    CTrabekView* view_ = nullptr;
    QStringList recentFiles_;
};

} // namespace ferrolab
