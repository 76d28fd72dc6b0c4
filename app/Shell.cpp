#include "app/Shell.h"

#include <QDesktopServices>

#include "ui/Resources.h"

namespace ferrolab {
namespace {

std::function<bool(const QUrl&)>& Opener() {
    static std::function<bool(const QUrl&)> opener;
    return opener;
}

} // namespace

bool OpenWithDesktop(const QUrl& url) {
    if (Opener()) {
        return Opener()(url);
    }
    return QDesktopServices::openUrl(url);
}

void SetDesktopOpenerForTesting(std::function<bool(const QUrl&)> opener) {
    Opener() = std::move(opener);
}

QIcon ProgramIcon() {
    InitResources();
    return QIcon(QStringLiteral(":/icons/ferrolab.svg"));
}

} // namespace ferrolab
