#include "tokens/FileSystemMetaData.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QHash>
#include <QMimeDatabase>
#include <QTimeZone>
#include <QUrl>

#include "common/NativePath.h"
#include "platform/ExtendedAttributes.h"
#include "platform/HiddenItems.h"

namespace {

QDateTime dateOf(const struct statx_timestamp &time) {
    return QDateTime::fromMSecsSinceEpoch(time.tv_sec * 1000 + time.tv_nsec / 1000000,
                                          QTimeZone::utc());
}

using NativePath::withoutTrailingSlashes;

// Items that are not regular files are typed by what they are: their content is never read
// (a FIFO would block, a link would be followed).
QString specialMimeTypeName(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("inode/directory");
    if (S_ISLNK(mode)) return QStringLiteral("inode/symlink");
    if (S_ISFIFO(mode)) return QStringLiteral("inode/fifo");
    if (S_ISSOCK(mode)) return QStringLiteral("inode/socket");
    if (S_ISCHR(mode)) return QStringLiteral("inode/chardevice");
    if (S_ISBLK(mode)) return QStringLiteral("inode/blockdevice");
    return QString();
}

// Opens the item itself, without following a link or waiting on a device; reads its first
// bytes only when it is still a regular file.
QMimeType regularFileMimeType(const QByteArray &nativePath) {
    QMimeDatabase database;
    const QString name = QFile::decodeName(withoutTrailingSlashes(nativePath).split('/').last());
    const int descriptor =
        ::open(nativePath.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (descriptor < 0 || ::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (descriptor >= 0) ::close(descriptor);
        return database.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return database.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    }
    return database.mimeTypeForFileNameAndData(name, &file);
}

// The folder's entries apart from "." and ".."; nothing when it cannot be read.
QVariant countEntries(const QByteArray &nativePath) {
    const int descriptor =
        ::open(nativePath.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) return QVariant();
    DIR *folder = ::fdopendir(descriptor);
    if (!folder) {
        ::close(descriptor);
        return QVariant();
    }
    qint64 count = 0;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") ++count;
    }
    ::closedir(folder);
    return count;
}

}  // namespace

std::optional<FileSystemMetaData> FileSystemMetaData::read(const QString &path) {
    const QByteArray nativePath = QFile::encodeName(path);
    struct statx info;
    if (nativePath.isEmpty() ||
        ::statx(AT_FDCWD, nativePath.constData(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return std::nullopt;
    return FileSystemMetaData(path, nativePath, info);
}

FileSystemMetaData::FileSystemMetaData(const QString &path, const QByteArray &nativePath,
                                       const struct statx &info)
    : path_(path), nativePath_(nativePath), info_(info) {}

const QHash<QString, FileSystemMetaData::Getter> &FileSystemMetaData::getters() {
    static const QHash<QString, Getter> table{
        {"kMDItemDisplayName", &FileSystemMetaData::displayName},
        {"kMDItemPath", &FileSystemMetaData::path},
        {"kMDItemURL", &FileSystemMetaData::url},
        {"kMDItemFSSize", &FileSystemMetaData::size},
        {"kMDItemFSCreationDate", &FileSystemMetaData::creationDate},
        {"kMDItemFSContentChangeDate", &FileSystemMetaData::modificationDate},
        {"kMDItemContentModificationDate", &FileSystemMetaData::modificationDate},
        {"kMDItemAttributeChangeDate", &FileSystemMetaData::attributeChangeDate},
        {"kMDItemLastUsedDate", &FileSystemMetaData::lastUsedDate},
        {"kMDItemContentType", &FileSystemMetaData::contentType},
        {"kMDItemKind", &FileSystemMetaData::kind},
        {"kMDItemFSOwnerUserID", &FileSystemMetaData::ownerUserID},
        {"kMDItemFSOwnerGroupID", &FileSystemMetaData::ownerGroupID},
        {"kMDItemFSNodeCount", &FileSystemMetaData::nodeCount},
        {"kMDItemFSInvisible", &FileSystemMetaData::invisible},
        {"kMDItemFinderComment", &FileSystemMetaData::finderComment},
        {"kMDItemFSIsExtensionHidden", &FileSystemMetaData::extensionHidden},
    };
    return table;
}

bool FileSystemMetaData::supplies(const QString &key) { return getters().contains(key); }

QVariant FileSystemMetaData::value(const QString &key) const {
    const Getter getter = getters().value(key);
    return getter ? (this->*getter)() : QVariant();
}

const QMimeType &FileSystemMetaData::mimeType() const {
    if (!mimeType_) {
        const QString special = specialMimeTypeName(info_.stx_mode);
        mimeType_ = special.isEmpty() ? regularFileMimeType(nativePath_)
                                      : QMimeDatabase().mimeTypeForName(special);
    }
    return *mimeType_;
}

QDateTime FileSystemMetaData::birthTime() const {
    if (!(info_.stx_mask & STATX_BTIME)) return QDateTime();
    return dateOf(info_.stx_btime);
}

QVariant FileSystemMetaData::displayName() const {
    const QString name = QFile::decodeName(withoutTrailingSlashes(nativePath_)).split('/').last();
    return name.isEmpty() ? path_ : name;
}

// Folders end in "/" as in every file URL of a folder.
QVariant FileSystemMetaData::url() const {
    QString text = QUrl::fromLocalFile(path_).toString(QUrl::FullyEncoded);
    if (S_ISDIR(info_.stx_mode) && !text.endsWith(u'/')) text += u'/';
    return text;
}

// A folder's own entry size means nothing to a user: folders have no value here.
QVariant FileSystemMetaData::size() const {
    if (S_ISDIR(info_.stx_mode)) return QVariant();
    return qint64(info_.stx_size);
}

QVariant FileSystemMetaData::creationDate() const {
    const QDateTime date = birthTime();
    return date.isValid() ? QVariant(date) : QVariant();
}

QVariant FileSystemMetaData::modificationDate() const { return dateOf(info_.stx_mtime); }
QVariant FileSystemMetaData::attributeChangeDate() const { return dateOf(info_.stx_ctime); }
QVariant FileSystemMetaData::lastUsedDate() const { return dateOf(info_.stx_atime); }

QVariant FileSystemMetaData::contentType() const {
    const QMimeType &type = mimeType();
    return type.isValid() ? QVariant(type.name()) : QVariant();
}

QVariant FileSystemMetaData::kind() const {
    const QString comment = mimeType().isValid() ? mimeType().comment() : QString();
    return comment.isEmpty() ? QVariant() : QVariant(comment);
}

QVariant FileSystemMetaData::nodeCount() const {
    if (!S_ISDIR(info_.stx_mode)) return QVariant();
    if (!nodeCount_) nodeCount_ = countEntries(nativePath_);
    return *nodeCount_;
}

QVariant FileSystemMetaData::invisible() const { return HiddenItems().isHidden(nativePath_); }

QVariant FileSystemMetaData::finderComment() const {
    const QString comment = ExtendedAttributes::comment(nativePath_);
    return comment.isEmpty() ? QVariant() : QVariant(comment);
}
