#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <optional>

// Which items the file managers hide: names starting with "." and the names listed in their
// folder's ".hidden" file (one name per line). One object serves one scan: each folder's
// ".hidden" is read at most once, so a later change to it is seen only by a new object.
class HiddenItems {
public:
    // Whether the item at the exact path is hidden. The path's last component is its name; a
    // path without one ("/") is never hidden.
    bool isHidden(const QByteArray &nativePath);

private:
    const QSet<QByteArray> &namesListedIn(QByteArrayView folder);

    QHash<QByteArray, QSet<QByteArray>> listedNames_;
    std::optional<QByteArray> lastFolder_;
    QSet<QByteArray> lastNames_;
};
