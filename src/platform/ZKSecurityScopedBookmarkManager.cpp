#include "platform/ZKSecurityScopedBookmarkManager.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/Log.h"
#include "common/UserDefaults.h"
#include "platform/Sandbox.h"

namespace {

const QString kPrefix = QStringLiteral("[Security-Scoped Bookmark Manager] ");

// Whether folder covers path: the same, or path lies inside it ("/" covers everything).
bool covers(const QString &folder, const QString &path) {
    return folder == path || folder == u"/" || path.startsWith(folder + u'/');
}

// The folder in question, with symbolic links resolved; "" when it does not exist. Via the
// parent folder, the item itself is not resolved: a link is renamed in the link's folder.
QString folderInQuestion(const QString &path, bool viaParentFolder) {
    if (!viaParentFolder) return QFileInfo(path).canonicalFilePath();
    QString cleaned = QDir::cleanPath(path);
    if (cleaned == u"/") return QString();
    return QFileInfo(QFileInfo(cleaned).absolutePath()).canonicalFilePath();
}

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

}  // namespace

ZKSecurityScopedBookmarkManager &ZKSecurityScopedBookmarkManager::bookmarkManager() {
    // Never released: accesses end with stopAccessingAnyBookmarks.
    static auto *manager = new ZKSecurityScopedBookmarkManager(Sandbox::isSandboxed());
    return *manager;
}

ZKSecurityScopedBookmarkManager::ZKSecurityScopedBookmarkManager(bool sandboxed,
                                                                 PermissionTest permissionTest)
    : sandboxed_(sandboxed), permissionTest_(std::move(permissionTest)) {}

bool ZKSecurityScopedBookmarkManager::hasPermission(const QString &path, AccessMode mode) {
    const int flags = mode == AccessMode::Read ? R_OK : W_OK;
    return ::access(QFile::encodeName(path).constData(), flags) == 0;
}

bool ZKSecurityScopedBookmarkManager::mayAccess(const QString &path, AccessMode mode) const {
    return !path.isEmpty() && permissionTest_(path, mode);
}

ZKSecurityScopedBookmarkManager::~ZKSecurityScopedBookmarkManager() { stopAccessingAnyBookmarks(); }

const QVariantMap &ZKSecurityScopedBookmarkManager::bookmarksByPath() {
    if (!bookmarksByPath_) bookmarksByPath_ = defaults().dictionaryForKey(kBookmarksKey);
    return *bookmarksByPath_;
}

void ZKSecurityScopedBookmarkManager::saveBookmarks() {
    defaults().setObject(*bookmarksByPath_, kBookmarksKey);
}

std::optional<QString> ZKSecurityScopedBookmarkManager::accessedURLForBookmark(
    const QVariant &bookmark) const {
    const QByteArray data = bookmark.toByteArray();
    if (data.isEmpty()) return std::nullopt;
    const QString path = QFile::decodeName(data);
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    // A granted folder is used for renaming inside it; a granted file is only read.
    if (!mayAccess(path, AccessMode::Read) || (info.isDir() && !mayAccess(path, AccessMode::Write)))
        return std::nullopt;
    return path;
}

bool ZKSecurityScopedBookmarkManager::createBookmarkForURL(const QString &location) {
    const QString path = QFileInfo(location).canonicalFilePath();
    if (path.isEmpty()) {
        Log::line(kPrefix + QStringLiteral("cannot determine path for URL: %1").arg(location));
        return false;
    }
    QStringList subsumed;
    for (auto it = bookmarksByPath().cbegin(); it != bookmarksByPath().cend(); ++it) {
        if (covers(it.key(), path) && accessedURLForBookmark(it.value())) {
            Log::debug(kPrefix + QStringLiteral("ignoring redundant request for bookmark with "
                                                "URL: %1 (existing bookmark covers URL: %2)")
                                     .arg(path, it.key()));
            return true;
        }
        if (it.key() != path && covers(path, it.key())) subsumed.append(it.key());
    }
    for (const QString &inside : subsumed) bookmarksByPath_->remove(inside);
    const QByteArray data = QFile::encodeName(path);
    if (!QFileInfo::exists(path)) {
        Log::line(kPrefix + QStringLiteral("cannot create bookmark for URL: %1 (error: %2)")
                                .arg(path, QStringLiteral("No such file or directory")));
        if (!subsumed.isEmpty()) saveBookmarks();
        return false;
    }
    bookmarksByPath_->insert(path, data);
    saveBookmarks();
    Log::debug(kPrefix + QStringLiteral("created bookmark for URL: %1").arg(path));
    return true;
}

std::optional<QString> ZKSecurityScopedBookmarkManager::coveringAccessedBookmark(
    const QString &folder) {
    for (auto it = bookmarksByPath().cbegin(); it != bookmarksByPath().cend(); ++it) {
        if (!covers(it.key(), folder)) continue;
        if (std::optional<QString> accessed = accessedURLForBookmark(it.value())) {
            accessedURLsByPath_.insert(it.key(), *accessed);
            return it.key();
        }
    }
    return std::nullopt;
}

bool ZKSecurityScopedBookmarkManager::confirmAccess(AccessMode mode, const QString &path,
                                                    bool viaParentFolder, bool *cancel,
                                                    QString *accessedBookmarkPath,
                                                    const ZKSandboxExplanation &explanation) {
    const QString folder = folderInQuestion(path, viaParentFolder);
    if (folder.isEmpty()) return false;
    if (mayAccess(folder, mode)) return true;
    if (!sandboxed_) return false;

    if (std::optional<QString> bookmark = coveringAccessedBookmark(folder)) {
        if (accessedBookmarkPath) *accessedBookmarkPath = *bookmark;
        Log::debug(kPrefix + QStringLiteral("using bookmark for path: %1 (requested path: %2)")
                                 .arg(*bookmark, path));
        // A grant only helps where the folder can be used now.
        if (mayAccess(folder, mode)) return true;
        stopAccessingBookmarkForPath(*bookmark);
    }
    if (!cancel || !unlockPanel_) return false;

    ZKFolderUnlockRequest request;
    request.title = viaParentFolder ? QStringLiteral("Unlock Folder") : QStringLiteral("Unlock");
    request.prompt = QStringLiteral("Unlock");
    request.folderPath = folder;
    if (explanation) request.explanation = explanation(path);
    const std::optional<QString> chosen = unlockPanel_(request);
    if (!chosen) {
        *cancel = true;
        return false;
    }
    if (!mayAccess(folder, mode)) {
        Log::line(kPrefix + QStringLiteral("confused by useless bookmark for URL: %1 (requested "
                                           "URL: %2)")
                                .arg(*chosen, folder));
        return false;
    }
    createBookmarkForURL(*chosen);
    return true;
}

bool ZKSecurityScopedBookmarkManager::confirmReadAccessForPath(
    const QString &path, bool *cancel, QString *accessedBookmarkPath,
    const ZKSandboxExplanation &explanation) {
    return confirmAccess(AccessMode::Read, path, false, cancel, accessedBookmarkPath, explanation);
}

bool ZKSecurityScopedBookmarkManager::confirmWriteAccessForPath(
    const QString &path, bool viaParentFolder, bool *cancel, QString *accessedBookmarkPath,
    const ZKSandboxExplanation &explanation) {
    return confirmAccess(AccessMode::Write, path, viaParentFolder, cancel, accessedBookmarkPath,
                         explanation);
}

void ZKSecurityScopedBookmarkManager::stopAccessingBookmarkForPath(const QString &bookmarkPath) {
    accessedURLsByPath_.remove(bookmarkPath);
}

void ZKSecurityScopedBookmarkManager::stopAccessingAnyBookmarks() { accessedURLsByPath_.clear(); }

std::optional<QString> ZKSecurityScopedBookmarkManager::standardSandboxExplanation(
    const QString &path) {
    const QFileInfo item(QDir::cleanPath(path));
    const QString parent = QFileInfo(item.absolutePath()).fileName();
    if (parent.isEmpty()) return std::nullopt;
    const QString name = item.fileName();
    return QStringLiteral(
               "Torvane cannot rename %1 at the moment. This is most likely due to the sandbox "
               "blocking access to %2, which is the parent folder of %3. Click \"Unlock\" to ask "
               "the sandbox for permanent access to %4.")
        .arg(name, parent, name, parent);
}
