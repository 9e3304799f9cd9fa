#pragma once

#include <QByteArray>

#include "platform/FileAttributes.h"

// Looks items up relative to an open descriptor of their folder: the folder's path is
// resolved once for the items in it instead of once per item, which a run over a large
// folder pays for every file. The descriptor is that of the last folder asked about, so a
// folder moved or replaced meanwhile is still the one looked in: use it for one pass over
// items that nothing moves during the pass, or forget() whenever a folder may have moved.
class FolderLookups {
public:
    FolderLookups() = default;
    ~FolderLookups();
    FolderLookups(const FolderLookups &) = delete;
    FolderLookups &operator=(const FolderLookups &) = delete;

    // As FileAttributes::identity and FileAttributes::exists: the item itself, a symbolic
    // link not followed.
    FileAttributes::FileIdentity identity(const QByteArray &path);
    bool exists(const QByteArray &path);

    void forget();

private:
    // The descriptor of the path's folder, and the name in it; -1 when the path has no
    // folder and name to split into, or the folder cannot be opened.
    int folderOf(const QByteArray &path, QByteArray *name);

    QByteArray folder_;
    int descriptor_ = -1;
};
