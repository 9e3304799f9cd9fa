#include "help/ZKHelpManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QMutexLocker>

#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/UserDefaults.h"
#include "help/HelpText.h"
#include "interaction/ZKUserInteraction.h"

namespace {

bool isFolder(const QString &path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

// Folders shown as one item; their contents are not pages.
bool isPackageFolder(const QFileInfo &info) {
    static const QStringList extensions = {
        QStringLiteral("app"),           QStringLiteral("bundle"), QStringLiteral("framework"),
        QStringLiteral("plugin"),        QStringLiteral("kext"),   QStringLiteral("photoslibrary"),
        QStringLiteral("torvaneservice")};
    return info.isDir() && extensions.contains(info.suffix().toLower());
}

}  // namespace

ZKHelpManager &ZKHelpManager::helpManager() {
    static ZKHelpManager manager(defaultResourcesDirectory());
    return manager;
}

ZKHelpManager::ZKHelpManager(const QString &resourcesDirectory, const QString &overrideDirectory)
    : resourcesDirectory_(resourcesDirectory), overrideDirectory_(overrideDirectory) {}

QString ZKHelpManager::defaultResourcesDirectory() {
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral("../share/torvane"));
    if (isFolder(QDir(installed).filePath(kHelpBookFolder))) return QDir::cleanPath(installed);
    return QStringLiteral(TORVANE_SOURCE_RESOURCES_DIR);
}

QStringList ZKHelpManager::languageFolderNamesFor(const QStringList &uiLanguages) {
    QStringList names;
    auto add = [&names](const QString &name) {
        if (!name.isEmpty() && !names.contains(name)) names.append(name);
    };
    for (const QString &language : uiLanguages) {
        const QLocale locale(language);
        const QString code = QLocale::languageToCode(locale.language());
        // "pt-BR" is looked for as "pt_BR", then as "pt".
        if (locale.language() != QLocale::C && !code.isEmpty()) {
            if (language.contains(u'-') || language.contains(u'_'))
                add(code + u'_' + QLocale::territoryToCode(locale.territory()));
            add(code);
        }
    }
    add(QStringLiteral("en"));
    return names;
}

QStringList ZKHelpManager::languageFolderNames() {
    static const QStringList names = languageFolderNamesFor(QLocale().uiLanguages());
    return names;
}

std::optional<QString> ZKHelpManager::localizedPathToDirectory(const QString &folderName,
                                                               const QString &directory) {
    if (folderName.isEmpty() || !isFolder(directory)) return std::nullopt;
    const QDir folder(QDir(directory).filePath(folderName));
    for (const QString &language : languageFolderNames()) {
        const QString candidate = folder.filePath(language);
        if (isFolder(candidate)) return candidate;
    }
    return std::nullopt;
}

QString ZKHelpManager::locateHelpFolder() const {
    const QString support =
        overrideDirectory_.isEmpty() ? ApplicationSupport::folder() : overrideDirectory_;
    // The user's own pages replace the installed ones.
    std::optional<QString> folder = localizedPathToDirectory(kHelpBookFolder, support);
    const QString plain = QDir(support).filePath(kHelpBookFolder);
    if (!folder && isFolder(plain)) folder = plain;
    if (folder) return QFileInfo(*folder).canonicalFilePath();
    return localizedPathToDirectory(kHelpBookFolder, resourcesDirectory_).value_or(QString());
}

void ZKHelpManager::collectPages(const QString &folder) {
    const QDir root(folder);
    QStringList pending = {folder};
    while (!pending.isEmpty()) {
        const QDir current(pending.takeFirst());
        if (!current.isReadable())
            Log::line(QStringLiteral("help file enumeration error: %1").arg(current.path()));
        const QFileInfoList entries =
            current.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (entry.isDir()) {
                if (!isPackageFolder(entry) && !entry.isSymLink()) pending.append(entry.filePath());
            } else if (entry.suffix() == u"html") {
                pages_.insert(root.relativeFilePath(entry.filePath()),
                              QUrl::fromLocalFile(entry.filePath()));
            }
        }
    }
}

QMap<QString, QUrl> ZKHelpManager::pageURLsByRelativePath() {
    QMutexLocker lock(&mutex_);
    if (!pagesCollected_) {
        pagesCollected_ = true;
        helpFolder_ = locateHelpFolder();
        if (!helpFolder_.isEmpty()) collectPages(helpFolder_);
    }
    return pages_;
}

QString ZKHelpManager::helpFolderPath() {
    pageURLsByRelativePath();
    QMutexLocker lock(&mutex_);
    return helpFolder_;
}

QUrl ZKHelpManager::pageURL(const QString &relativePath) {
    return pageURLsByRelativePath().value(relativePath);
}

bool ZKHelpManager::isHelpLink(const QUrl &url) {
    return url.scheme().compare(kHelpLinkScheme, Qt::CaseInsensitive) == 0;
}

void ZKHelpManager::followHelpLink(const QUrl &url) {
    const QString link = url.toString(QUrl::FullyEncoded);
    if (link.contains(QStringLiteral("://message/"))) {
        if (delegate_) {
            const QString message =
                HelpText::helpManagerContentBetweenPrefix(link, QStringLiteral("://message/"), {})
                    .value_or(QString());
            delegate_->helpManagerDidReceiveMessage(*this, message);
        }
        return;
    }
    followDefaultLink(link);
}

void ZKHelpManager::followDefaultLink(const QString &link) {
    const QString marker = QStringLiteral("://default/");
    const qsizetype hash = link.indexOf(u'#');
    const std::optional<QString> encodedKey = HelpText::helpManagerContentBetweenPrefix(
        link, marker, hash >= 0 ? QStringLiteral("#") : QString());
    const QString key = encodedKey ? QUrl::fromPercentEncoding(encodedKey->toUtf8()) : QString();
    if (key.isEmpty() || !interaction_) return;
    const QString valueText =
        hash >= 0 ? QUrl::fromPercentEncoding(link.mid(hash + 1).toUtf8()) : QString();
    const QVariant value = HelpText::userDefaultValueFromLinkText(valueText);

    interaction_->bringMainWindowForward();
    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    const QVariant old = defaults.objectForKey(key);
    const bool hadStoredValue = defaults.hasPersistentValueForKey(key);
    const QString description = HelpText::helpManagerDescriptionOrValue(value);
    if ((!value.isValid() && !old.isValid()) || (value.isValid() && value == old)) {
        ZKAlert alert;
        alert.messageText = tr("That didn't do anything");
        alert.informativeText = tr("%1 was already set to %2.").arg(key, description);
        alert.buttons = {tr("OK")};
        alert.style = ZKAlert::Style::Informational;
        interaction_->runAlert(alert);
        return;
    }

    defaults.setObject(value, key);
    ZKAlert alert;
    alert.messageText = tr("User default updated");
    alert.informativeText =
        (delegate_ ? delegate_->helpManagerDidSetOrRemoveUserDefault(*this, key) : std::nullopt)
            .value_or(tr("%1 is now set to %2.").arg(key, description));
    alert.buttons = {tr("OK"),
                     tr("Revert to %1").arg(HelpText::helpManagerDescriptionOrValue(old))};
    alert.style = ZKAlert::Style::Informational;
    if (interaction_->runAlert(alert).button != 1) return;
    // A value that only came from the registered layer comes back by removing the stored one.
    defaults.setObject(hadStoredValue ? old : QVariant(), key);
    if (delegate_) delegate_->helpManagerDidSetOrRemoveUserDefault(*this, key);
}
