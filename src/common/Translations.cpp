#include "common/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Kept for the application's lifetime: a translator must outlive its installation.
bool installTranslator(const QLocale &locale, const QString &name, const QString &folder) {
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

namespace Translations {

QString folder() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath())
            .absoluteFilePath(QStringLiteral("../share/torvane/translations"));
    if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
    return QStringLiteral(TORVANE_BUILD_TRANSLATIONS_DIR);
}

bool install(const QLocale &locale) {
    installTranslator(locale, QStringLiteral("qtbase"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installTranslator(locale, QStringLiteral("torvane"), folder());
}

}  // namespace Translations
