#include "app/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

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

bool InstallQtTranslations(const QString& folder) {
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        return false;
    }
    return QCoreApplication::installTranslator(translator.release());
}

QString QtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace ferrolab
