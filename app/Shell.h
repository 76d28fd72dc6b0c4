#pragma once
// What the shell asks of the desktop: opening a file or a web page the way the desktop opens
// them (the help file, the maker's web site), and the program's icon.

#include <QIcon>
#include <QUrl>

#include <functional>

namespace ferrolab {

// Asks the desktop to open the URL; false when it could not be opened.
bool OpenWithDesktop(const QUrl& url);

// Tests replace the desktop with a recorder; an empty function restores the desktop.
void SetDesktopOpenerForTesting(std::function<bool(const QUrl&)> opener);

QIcon ProgramIcon();

} // namespace ferrolab
