#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include "platform/FileAttributes.h"

// What the mover found out about a folder a moment ago: that it is still the folder its items
// were listed in, and that it may be written to. Renaming thousands of items in one folder
// then asks the disk about it every few milliseconds instead of twice for every item.
//
// Only good news is kept, one folder at a time, and only for a short while: a folder that is
// replaced or locked meanwhile is noticed at the next look. Whatever was known about a folder
// is forgotten at once when it, or a folder above it, is moved.
class RecentFolderChecks {
public:
    // How long, in milliseconds, what was found stays true.
    static constexpr qint64 lifetime = 50;

    RecentFolderChecks();

    // Whether the folder was recently found to be the listed one.
    bool isKnownListedFolder(const QByteArray &folder,
                             const FileAttributes::FileIdentity &listed) const;
    void rememberListedFolder(const QByteArray &folder, const FileAttributes::FileIdentity &listed);

    // Whether the folder was recently found writable.
    bool isKnownWritable(const QByteArray &folder) const;
    void rememberWritable(const QByteArray &folder);

    // Something left or arrived at this path: what was known there and below is gone.
    void forgetAt(const QByteArray &path);
    void clear();

private:
    struct Fact {
        QByteArray folder;
        qint64 foundAt = -1;
        bool isFreshFor(const QByteArray &other, qint64 now) const;
        void forgetAt(const QByteArray &path);
    };

    QElapsedTimer clock_;
    Fact listed_;
    FileAttributes::FileIdentity listedIdentity_;
    Fact writable_;
};
