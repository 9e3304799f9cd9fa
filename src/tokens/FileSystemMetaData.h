#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QDateTime>
#include <QMimeType>
#include <QString>
#include <QVariant>
#include <optional>

// The attributes the file system keeps for one item: names, path, URL, size, dates, owner,
// MIME type and kind, comment, hidden state and the number of entries of a folder. The item
// itself is described, never the target of a symbolic link. Made by one statx call; the rest
// (MIME type, comment, entries) is read on first request and kept.
class FileSystemMetaData {
public:
    // Nothing when no item (not even a dangling link) is at the path.
    static std::optional<FileSystemMetaData> read(const QString &path);

    // Whether the key is one of the file system's; its value may still be missing.
    static bool supplies(const QString &key);
    QVariant value(const QString &key) const;

    // The MIME type by content and name for a regular file; inode/directory, inode/symlink and
    // the like for everything else.
    const QMimeType &mimeType() const;
    bool isRegularFile() const { return S_ISREG(info_.stx_mode); }
    const QByteArray &nativePath() const { return nativePath_; }
    // The birth time; invalid where the file system records none.
    QDateTime birthTime() const;

private:
    FileSystemMetaData(const QString &path, const QByteArray &nativePath, const struct statx &info);

    QVariant displayName() const;
    QVariant path() const { return path_; }
    QVariant url() const;
    QVariant size() const;
    QVariant creationDate() const;
    QVariant modificationDate() const;
    QVariant attributeChangeDate() const;
    QVariant lastUsedDate() const;
    QVariant contentType() const;
    QVariant kind() const;
    QVariant ownerUserID() const { return qint64(info_.stx_uid); }
    QVariant ownerGroupID() const { return qint64(info_.stx_gid); }
    QVariant nodeCount() const;
    QVariant invisible() const;
    QVariant finderComment() const;
    QVariant extensionHidden() const { return false; }

    using Getter = QVariant (FileSystemMetaData::*)() const;
    static const QHash<QString, Getter> &getters();

    QString path_;
    QByteArray nativePath_;
    struct statx info_;
    mutable std::optional<QMimeType> mimeType_;
    mutable std::optional<QVariant> nodeCount_;
};
