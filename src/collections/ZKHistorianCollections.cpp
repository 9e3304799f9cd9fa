// Presets and snippets: the collections folder, listing with samples, caches and trashing.

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QUrl>
#include <algorithm>

#include "collections/CollectionAccess.h"
#include "collections/ConfigurationFile.h"
#include "collections/ZKHistorian.h"
#include "common/ApplicationSupport.h"
#include "common/LocalizedCompare.h"
#include "common/Log.h"
#include "common/TildePath.h"
#include "common/UserDefaults.h"
#include "engine/RenamerCollections.h"
#include "platform/FileAttributes.h"
#include "platform/HiddenItems.h"
#include "platform/Trash.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"

// The sample presets and snippets are compiled into this library; a static library has to
// register its resources by hand.
static void initializeSampleResources() { Q_INIT_RESOURCE(samples); }

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

QString modificationKey(const QString &name) {
    return QStringLiteral("Collections Folder: %1: Last Modification").arg(name);
}

bool makeFolder(const QString &path) { return QFileInfo(path).isDir() || QDir().mkpath(path); }

QString displayName(const QString &path) {
    const QString name = QFileInfo(QDir::cleanPath(path)).fileName();
    return name.isEmpty() ? path : name;
}

// Why a sandboxed Torvane asks for the chosen collections folder.
std::optional<QString> collectionsFolderExplanation(const QString &path) {
    const QString name = displayName(path);
    return QStringLiteral(
               "Torvane cannot save files in %1 at the moment. This is most likely due "
               "to the sandbox blocking access. Click \"Unlock\" to ask the sandbox "
               "for permanent access to %2.")
        .arg(name, name);
}

// The folder and every visible folder inside it (the samples too: the lists show them).
QStringList folderTree(const QString &folder) {
    QStringList folders{folder};
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (!it.fileInfo().isSymLink()) folders.append(it.filePath());
    }
    return folders;
}

// Copies a resource folder into place, file by file (a failed copy is ignored).
void copyResourceFolder(const QString &resource, const QString &target) {
    if (!QDir().mkpath(target)) return;
    QDirIterator it(resource, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString destination = target + source.mid(resource.size());
        if (it.fileInfo().isDir()) {
            QDir().mkpath(destination);
        } else if (QFile::copy(source, destination)) {
            // Resources are read-only; the user's copies must be theirs to change or trash.
            QFile::setPermissions(destination, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ReadOther);
        }
    }
}

struct ListingRule {
    QString extension;
    bool includeSubfolders = true;
    bool associateArchives = false;
    bool isSample = false;
};

void addCollectionURLs(QList<ZKCollectionEntry> &entries, const QString &folder,
                       const QString &relativePath, const ListingRule &rule, HiddenItems &hidden) {
    const QDir dir(folder);
    const QFileInfoList infos =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QFileInfo &info : infos) {
        if (hidden.isHidden(QFile::encodeName(info.absoluteFilePath()))) continue;
        const QString name = info.fileName();
        if (info.isDir()) {
            if (!rule.includeSubfolders || name.startsWith(QLatin1Char('{')) || info.isSymLink() ||
                FileAttributes::isPackage(info.absoluteFilePath()))
                continue;
            const QString relative =
                relativePath.isEmpty() ? name : relativePath + QLatin1Char('/') + name;
            addCollectionURLs(entries, info.absoluteFilePath(), relative, rule, hidden);
            continue;
        }
        if (info.suffix() != rule.extension) continue;  // exact, case-sensitive
        ZKCollectionEntry entry{info.absoluteFilePath(), relativePath, std::nullopt, rule.isSample};
        if (rule.associateArchives) {
            QVariantList archives;
            QString error;
            if (ConfigurationFile::readArchives(entry.path, &archives, &error))
                entry.archives = archives;
        }
        entries.append(entry);
    }
}

QList<ZKCollectionEntry> entriesOfFolder(const QString &folder, const ListingRule &rule) {
    QList<ZKCollectionEntry> entries;
    HiddenItems hidden;
    addCollectionURLs(entries, folder, QString(), rule, hidden);
    if (entries.size() < 2) return entries;
    // The file manager's order of the whole paths, digits by value.
    QList<std::pair<QByteArray, ZKCollectionEntry>> keyed;
    keyed.reserve(entries.size());
    for (const ZKCollectionEntry &entry : entries)
        keyed.append({LocalizedCompare::sortKey(entry.path), entry});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    entries.clear();
    for (const auto &pair : keyed) entries.append(pair.second);
    return entries;
}

}  // namespace

ZKSecurityScopedBookmarkManager &ZKHistorian::bookmarkManager() const {
    return bookmarks_ ? *bookmarks_ : ZKSecurityScopedBookmarkManager::bookmarkManager();
}

QString ZKHistorian::localFolderPathForCollection(const QString &name, bool create, bool *cancel,
                                                  QString *accessedBookmarkPath) {
    QString user = TildePath::expandingTildeInPath(defaults().stringForKey(kCollectionsFolder));
    ZKSecurityScopedBookmarkManager &bookmarks = bookmarkManager();
    if (!user.isEmpty() && bookmarks.isSandboxed() &&
        !bookmarks.confirmWriteAccessForPath(user, false, cancel, accessedBookmarkPath,
                                             collectionsFolderExplanation))
        user.clear();
    if (!user.isEmpty() && create && !makeFolder(user)) user.clear();
    if (!user.isEmpty() && !QFileInfo(user).isDir()) user.clear();
    userDefinedCollectionsFolderPath_ = user;
    QString folder = user.isEmpty() ? ApplicationSupport::folder() : user;
    if (!name.isEmpty()) folder += QLatin1Char('/') + name;
    if (create && !makeFolder(folder)) return QString();
    return folder;
}

QList<ZKCollectionEntry> ZKHistorian::URLsForCollection(const QString &name,
                                                        const QString &extension,
                                                        const QString &sampleFolderName,
                                                        bool associateArchives) {
    CollectionAccess access(bookmarkManager());
    const QString folder =
        localFolderPathForCollection(name, true, nullptr, &access.accessedBookmarkPath);
    if (folder.isEmpty()) return {};
    const QString samplesFolder = folder + QLatin1Char('/') + kSamplesFolderName;
    if (!sampleFolderName.isEmpty() && !QFileInfo(samplesFolder).isDir()) {
        initializeSampleResources();
        copyResourceFolder(QStringLiteral(":/") + sampleFolderName, samplesFolder);
    }
    ListingRule rule{extension, defaults().boolForKey(kCollectionsIncludeSubfolders),
                     associateArchives, false};
    QList<ZKCollectionEntry> entries = entriesOfFolder(folder, rule);
    rule.isSample = true;
    const QList<ZKCollectionEntry> samples = entriesOfFolder(samplesFolder, rule);
    if (!samples.isEmpty()) {
        entries.append(ZKCollectionEntry());
        entries.append(samples);
    }
    watchUserDefinedCollections();
    return entries;
}

void ZKHistorian::watchUserDefinedCollections() {
    // The application support folder is Torvane's own: it is read again on activation. A
    // chosen folder may be shared or synchronised, so its changes drop the lists at once.
    if (userDefinedCollectionsFolderPath_.isEmpty()) {
        delete collectionsWatcher_;
        collectionsWatcher_ = nullptr;
        return;
    }
    if (!collectionsWatcher_) {
        collectionsWatcher_ = new QFileSystemWatcher(this);
        connect(collectionsWatcher_, &QFileSystemWatcher::directoryChanged, this,
                &ZKHistorian::invalidateCollections);
    }
    const QStringList wanted = folderTree(userDefinedCollectionsFolderPath_);
    const QStringList watched = collectionsWatcher_->directories();
    QStringList gone;
    for (const QString &folder : watched)
        if (!wanted.contains(folder)) gone.append(folder);
    if (!gone.isEmpty()) collectionsWatcher_->removePaths(gone);
    QStringList added;
    for (const QString &folder : wanted)
        if (!watched.contains(folder)) added.append(folder);
    if (!added.isEmpty()) collectionsWatcher_->addPaths(added);
}

QStringList ZKHistorian::watchedCollectionFolders() const {
    return collectionsWatcher_ ? collectionsWatcher_->directories() : QStringList();
}

const QList<ZKCollectionEntry> &ZKHistorian::presetURLs() {
    if (!presetURLs_ || userDefinedCollectionDidChange(kPresets)) {
        presetURLs_ = URLsForCollection(kPresets, kPresetExtension, kSamplePresets, true);
        storeModificationDateForUserDefinedCollection(kPresets);
    }
    return *presetURLs_;
}

const QList<ZKCollectionEntry> &ZKHistorian::snippetURLs() {
    if (!snippetURLs_ || userDefinedCollectionDidChange(kSnippets)) {
        snippetURLs_ = URLsForCollection(kSnippets, kSnippetExtension, kSampleSnippets, false);
        storeModificationDateForUserDefinedCollection(kSnippets);
    }
    return *snippetURLs_;
}

void ZKHistorian::invalidateCollections() {
    presetURLs_.reset();
    snippetURLs_.reset();
    emit collectionsInvalidated();
}

void ZKHistorian::storeModificationDateForUserDefinedCollection(const QString &name) {
    const QString folder = userDefinedCollectionsFolderPath_ + QLatin1Char('/') + name;
    CollectionAccess access(bookmarkManager());
    const QFileInfo info(folder);
    if (!userDefinedCollectionsFolderPath_.isEmpty() && access.confirmWrite(folder, false) &&
        info.isDir())
        defaults().setObject(double(info.lastModified().toMSecsSinceEpoch()) / 1000.0,
                             modificationKey(name));
    else
        defaults().removeObjectForKey(modificationKey(name));
}

bool ZKHistorian::userDefinedCollectionDidChange(const QString &name) {
    if (userDefinedCollectionsFolderPath_.isEmpty()) return false;
    const double stored = defaults().doubleForKey(modificationKey(name));
    if (stored <= 0.1) return false;
    const QString folder = userDefinedCollectionsFolderPath_ + QLatin1Char('/') + name;
    CollectionAccess access(bookmarkManager());
    const QFileInfo info(folder);
    if (!access.confirmWrite(folder, false) || !info.isDir()) return false;
    return double(info.lastModified().toMSecsSinceEpoch()) / 1000.0 - stored > 0.1;
}

bool ZKHistorian::setLocalCollectionsFolderPath(const QString &path) {
    bool usable = true;
    if (!path.isEmpty()) {
        ZKSecurityScopedBookmarkManager &bookmarks = bookmarkManager();
        CollectionAccess access(bookmarks);
        usable = QFileInfo(path).isDir() && access.confirmWrite(path, false);
        if (!usable)
            Log::line(
                QStringLiteral("[Historian] cannot write to collections folder: %1").arg(path));
        else if (bookmarks.isSandboxed())
            bookmarks.createBookmarkForURL(path);  // lasting: the folder is used at every launch
    }
    if (path.isEmpty() || !usable)
        defaults().removeObjectForKey(kCollectionsFolder);
    else
        defaults().setObject(TildePath::abbreviatingWithTildeInPath(path), kCollectionsFolder);
    invalidateCollections();
    return usable;
}

std::optional<ZKCollectionEntry> ZKHistorian::presetMatchingArchives(const QVariantList &archives) {
    if (archives.isEmpty()) return std::nullopt;
    const bool irrelevant = defaults().boolForKey(kStoreIrrelevantSettings);
    for (const ZKCollectionEntry &entry : presetURLs()) {
        if (entry.archives &&
            RenamerCollections::isEqualToRenamerArchives(*entry.archives, archives, irrelevant))
            return entry;
    }
    return std::nullopt;
}

std::optional<ZKCollectionEntry> ZKHistorian::presetNamed(const QString &name) {
    for (const ZKCollectionEntry &entry : presetURLs()) {
        if (!entry.isSeparator() && entry.menuPath() == name) return entry;
    }
    return std::nullopt;
}

bool ZKHistorian::choosePreset(const ZKCollectionEntry &entry) {
    return unarchiveRenamersAtURL(entry.path);
}

bool ZKHistorian::moveCollectionURLToTrash(const ZKCollectionEntry &entry) {
    if (entry.isSeparator()) {
        Log::line(QStringLiteral("[Historian] missing collection item URL"));
        return false;
    }
    CollectionAccess access(bookmarkManager());
    if (!access.confirmWrite(entry.path, true)) {
        Log::line(QStringLiteral("[Historian] cannot access collection item at URL: %1")
                      .arg(QUrl::fromLocalFile(entry.path).toString()));
        return false;
    }
    QString error;
    if (!Trash::moveToTrash(QFile::encodeName(entry.path), &error)) {
        Log::line(QStringLiteral("[Historian] cannot trash collection item at URL: %1")
                      .arg(QUrl::fromLocalFile(entry.path).toString()));
        Log::debug(error);
        return false;
    }
    invalidateCollections();
    return true;
}

QString ZKHistorian::folderToManageCollection(const QString &name) {
    // The file manager opens the folder on its own; the grant is not needed past this.
    CollectionAccess access(bookmarkManager());
    const QString folder =
        localFolderPathForCollection(name, true, nullptr, &access.accessedBookmarkPath);
    if (folder.isEmpty()) {
        Log::line(name == kPresets ? QStringLiteral("[Historian] cannot access presets folder")
                                   : QStringLiteral("[Historian] cannot access snippets folder"));
        ui_->beep();
    }
    return folder;
}
