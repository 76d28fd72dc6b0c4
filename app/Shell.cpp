#include "app/Shell.h"

#include <QDesktopServices>

static void RegisterFerrolabResources() {
    Q_INIT_RESOURCE(ferrolab);
}

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

void InitResources() {
    static const bool registered = [] {
        RegisterFerrolabResources();
        return true;
    }();
    (void)registered;
}

QIcon ProgramIcon() {
    InitResources();
    return QIcon(QStringLiteral(":/icons/ferrolab.svg"));
}

} // namespace ferrolab
