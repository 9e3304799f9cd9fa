#pragma once

#include <QString>

#include "platform/ZKSecurityScopedBookmarkManager.h"

// A grant used to reach a collection item, given back to the bookmark manager when the work
// with the item is done.
class CollectionAccess {
public:
    explicit CollectionAccess(ZKSecurityScopedBookmarkManager &bookmarks) : bookmarks_(bookmarks) {}
    ~CollectionAccess() {
        if (!accessedBookmarkPath.isEmpty())
            bookmarks_.stopAccessingBookmarkForPath(accessedBookmarkPath);
    }
    CollectionAccess(const CollectionAccess &) = delete;
    CollectionAccess &operator=(const CollectionAccess &) = delete;

    // Write access to path (or to the folder holding it); a dialog may ask only when the
    // caller gives cancel.
    bool confirmWrite(const QString &path, bool viaParentFolder, bool *cancel = nullptr,
                      const ZKSandboxExplanation &explanation = {}) {
        return bookmarks_.confirmWriteAccessForPath(path, viaParentFolder, cancel,
                                                    &accessedBookmarkPath, explanation);
    }

    // Read access to a file.
    bool confirmRead(const QString &path) {
        return bookmarks_.confirmReadAccessForPath(path, nullptr, &accessedBookmarkPath);
    }

    QString accessedBookmarkPath;

private:
    ZKSecurityScopedBookmarkManager &bookmarks_;
};
