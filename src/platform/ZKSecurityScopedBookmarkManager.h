#pragma once

#include <QMap>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

// What the "Unlock" folder dialog shows: it asks the user to choose the folder, so that a
// sandboxed Torvane may use it from then on.
struct ZKFolderUnlockRequest {
    QString title;   // "Unlock Folder" (via the parent folder) or "Unlock"
    QString prompt;  // "Unlock"
    QString folderPath;
    // Shown below the dialog's folder view, when there is one.
    std::optional<QString> explanation;
};

// Produces the explanation of a unlock dialog for the requested path (none: no explanation).
using ZKSandboxExplanation = std::function<std::optional<QString>(const QString &path)>;

// The folders a sandboxed Torvane has been granted, and the checks that decide whether it may
// read or write a path. A grant is kept under the folder's path (symbolic links resolved) in
// the user default "Security-Scoped Bookmarks"; its data is the folder's path, and its access
// "starts" when the folder is readable and writable. Outside a sandbox only the permission
// test decides and no dialog is ever shown. Main thread only.
class ZKSecurityScopedBookmarkManager {
public:
    enum class AccessMode { Read, Write };
    static inline const QString kBookmarksKey = QStringLiteral("Security-Scoped Bookmarks");

    // The process-wide manager, sandboxed as the process is.
    static ZKSecurityScopedBookmarkManager &bookmarkManager();
    // Whether the process may use path in the mode (the access() permission test).
    using PermissionTest = std::function<bool(const QString &path, AccessMode mode)>;
    static bool hasPermission(const QString &path, AccessMode mode);

    explicit ZKSecurityScopedBookmarkManager(bool sandboxed,
                                             PermissionTest permissionTest = hasPermission);
    ~ZKSecurityScopedBookmarkManager();
    ZKSecurityScopedBookmarkManager(const ZKSecurityScopedBookmarkManager &) = delete;
    ZKSecurityScopedBookmarkManager &operator=(const ZKSecurityScopedBookmarkManager &) = delete;

    bool isSandboxed() const { return sandboxed_; }

    // Folder path -> grant data, read from the user defaults on first use.
    const QVariantMap &bookmarksByPath();
    // Grant path -> the folder whose access was started in this process.
    const QMap<QString, QString> &accessedURLsByPath() const { return accessedURLsByPath_; }

    // The granted folder, when its access can be started; none otherwise.
    std::optional<QString> accessedURLForBookmark(const QVariant &bookmark) const;
    // Stores a grant for the folder, unless a stored one covers it already (true, nothing
    // stored); grants inside it are dropped. False (logged) when it cannot be stored.
    bool createBookmarkForURL(const QString &path);

    // Whether the folder of path (its parent when viaParentFolder) may be used in the mode:
    // by its permissions, else (sandboxed) by a stored grant, else (when cancel is given) by
    // asking the user with the "Unlock" dialog. cancel is set only when the user dismisses
    // the dialog. The grant used is handed out in accessedBookmarkPath.
    bool confirmAccess(AccessMode mode, const QString &path, bool viaParentFolder, bool *cancel,
                       QString *accessedBookmarkPath, const ZKSandboxExplanation &explanation);
    bool confirmReadAccessForPath(const QString &path, bool *cancel, QString *accessedBookmarkPath,
                                  const ZKSandboxExplanation &explanation = {});
    bool confirmWriteAccessForPath(const QString &path, bool viaParentFolder, bool *cancel,
                                   QString *accessedBookmarkPath,
                                   const ZKSandboxExplanation &explanation = {});
    void stopAccessingBookmarkForPath(const QString &bookmarkPath);
    void stopAccessingAnyBookmarks();

    // The dialog that asks for a folder: answers the chosen folder, none when dismissed.
    // Without one, no dialog can be shown and access is refused without a cancel.
    using UnlockPanel = std::function<std::optional<QString>(const ZKFolderUnlockRequest &)>;
    void setUnlockPanel(UnlockPanel panel) { unlockPanel_ = std::move(panel); }

    // The explanation of population and of moving items: why the parent folder of path
    // must be unlocked; none when the parent has no name.
    static std::optional<QString> standardSandboxExplanation(const QString &path);

private:
    std::optional<QString> coveringAccessedBookmark(const QString &folder);
    void saveBookmarks();

    bool mayAccess(const QString &path, AccessMode mode) const;

    const bool sandboxed_;
    const PermissionTest permissionTest_;
    std::optional<QVariantMap> bookmarksByPath_;
    QMap<QString, QString> accessedURLsByPath_;
    UnlockPanel unlockPanel_;
};
