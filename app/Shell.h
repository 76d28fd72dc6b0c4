#pragma once
// What the shell asks of the desktop: opening a file or a web page the way the desktop opens
// them (the help file, the maker's web site), and the program's icon.

#include <QIcon>
#include <QString>
#include <QUrl>

#include <functional>

namespace ferrolab {

// Asks the desktop to open the URL; false when it could not be opened.
bool OpenWithDesktop(const QUrl& url);

// Tests replace the desktop with a recorder; an empty function restores the desktop.
void SetDesktopOpenerForTesting(std::function<bool(const QUrl&)> opener);

QIcon ProgramIcon();

// Makes Qt's own dialogs and buttons (file and print dialogs, OK/Cancel, the text boxes' context
// menus) speak Simplified Chinese: installs the qtbase catalogue found in `folder`. False, and
// nothing installed, when the catalogue is not there: Qt then keeps its English texts.
bool InstallQtTranslations(const QString& folder);
// Qt's own translations folder.
QString QtTranslationsFolder();

} // namespace ferrolab
