#include "app/TrabekApp.h"

#include <QApplication>
#include <QSettings>
#include <QWidget>

#include "app/AboutBoxDlg.h"
#include "app/Branding.h"
#include "app/MainFrame.h"
#include "app/Shell.h"
#include "calculators/Commands.h"

namespace ferrolab {

CTrabekApp::CTrabekApp() = default;
CTrabekApp::~CTrabekApp() = default;

QString CTrabekApp::MainTitle() {
    return QString::fromUtf8(kProductTitle) + QLatin1Char(' ') + QString::fromUtf8(kWebAddress);
}

void CTrabekApp::LoadStdProfileSettings(int recentCount) {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= recentCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) {
            recentFiles_.append(file);
        }
    }
    settings.endGroup();
}

bool CTrabekApp::InitInstance() {
    QCoreApplication::setOrganizationName(QString::fromUtf8(kProfileKey));
    QCoreApplication::setApplicationName(QString::fromUtf8(kProfileApplication));
    QApplication::setWindowIcon(ProgramIcon());
    InstallQtTranslations(QtTranslationsFolder());
    LoadStdProfileSettings(4);

    frame_ = std::make_unique<CMainFrame>();
    if (!frame_->statusBar()) {
        return false;
    }
    // The central area is empty: every calculator is a dialog of its own.
    auto* view = new QWidget(frame_.get());
    view->setObjectName(QStringLiteral("view"));
    frame_->setCentralWidget(view);
    frame_->SetRouting({this});
    frame_->BuildMenu();

    frame_->showNormal();
    frame_->setWindowTitle(MainTitle());
    return true;
}

bool CTrabekApp::HasHandler(int command) const {
    return command == cmd::kAbout;
}

bool CTrabekApp::OnCommand(int command) {
    if (command != cmd::kAbout) {
        return false;
    }
    OnAppAbout();
    return true;
}

void CTrabekApp::OnAppAbout() {
    CAboutBoxDlg about(frame_.get());
    about.exec();
}

} // namespace ferrolab
