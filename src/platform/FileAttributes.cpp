#include "platform/FileAttributes.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTimeZone>
#include <cerrno>

#include "common/NativePath.h"
#include "common/PathExtension.h"
#include "platform/FolderSize.h"

namespace FileAttributes {

namespace {

const char *const packageExtensions[] = {"app",  "bundle",        "framework",     "plugin",
                                         "kext", "photoslibrary", "torvaneservice"};

bool lstatPath(const QByteArray &nativePath, struct stat *info) {
    return !nativePath.isEmpty() && lstat(nativePath.constData(), info) == 0;
}

QDateTime dateFrom(qint64 seconds, qint64 nanoseconds) {
    return QDateTime::fromMSecsSinceEpoch(seconds * 1000 + nanoseconds / 1000000, QTimeZone::utc());
}

// The path with the working folder in front when it is relative, so that the walk can
// recognise /proc and its kin by name.
QByteArray absoluteNativePath(const QByteArray &nativePath) {
    const QByteArray path = NativePath::withoutTrailingSlashes(nativePath);
    if (path.startsWith('/')) return path;
    return QFile::encodeName(QDir::currentPath()) + '/' + path;
}

// Failure code for an item that is neither a file nor a folder (errno values are positive).
constexpr int notFileOrFolder = -1;

// Opens a file or folder for the flag ioctls; never a link, a device or a pipe, which
// opening could block on or disturb. Returns -1 and the reason in *failure otherwise.
int openForFlags(const QByteArray &nativePath, int *failure) {
    struct stat info;
    if (!lstatPath(nativePath, &info)) {
        *failure = nativePath.isEmpty() ? ENOENT : errno;
        return -1;
    }
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        *failure = notFileOrFolder;
        return -1;
    }
    const int file = open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    *failure = file < 0 ? errno : 0;
    return file;
}

QString flagErrorText(const QByteArray &nativePath, bool immutable, int error) {
    const QString action = immutable ? QStringLiteral("lock") : QStringLiteral("unlock");
    const QString where = QFile::decodeName(nativePath);
    if (error == EPERM)
        return QStringLiteral(
                   "Cannot %1 \"%2\": changing the immutable attribute needs "
                   "administrator rights (the CAP_LINUX_IMMUTABLE capability)")
            .arg(action, where);
    if (error == notFileOrFolder)
        return QStringLiteral("Cannot %1 \"%2\": only files and folders can be locked")
            .arg(action, where);
    if (error == ENOTTY || error == EOPNOTSUPP || error == EINVAL)
        return QStringLiteral("Cannot %1 \"%2\": its file system has no immutable attribute")
            .arg(action, where);
    return QStringLiteral("Cannot %1 \"%2\": %3").arg(action, where, qt_error_string(error));
}

}  // namespace

QDateTime distantPast() { return QDateTime(QDate(1, 1, 1), QTime(0, 0), QTimeZone::utc()); }

QDateTime creationDate(const QByteArray &nativePath) {
    struct statx info;
    if (nativePath.isEmpty() ||
        statx(AT_FDCWD, nativePath.constData(), AT_SYMLINK_NOFOLLOW, STATX_BTIME, &info) != 0 ||
        !(info.stx_mask & STATX_BTIME))
        return QDateTime();
    return dateFrom(info.stx_btime.tv_sec, info.stx_btime.tv_nsec);
}

QDateTime modificationDate(const QByteArray &nativePath) {
    struct stat info;
    if (!lstatPath(nativePath, &info)) return QDateTime();
    return dateFrom(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
}

qint64 size(const QByteArray &nativePath) {
    struct stat info;
    if (!lstatPath(nativePath, &info)) return 0;
    if (!S_ISDIR(info.st_mode)) return info.st_size;
    const int folder =
        open(nativePath.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return 0;
    const qint64 total = FolderSize::sumInside(folder, absoluteNativePath(nativePath));
    close(folder);
    return total;
}

bool exists(const QByteArray &nativePath) {
    struct stat info;
    return lstatPath(nativePath, &info);
}

bool isFolder(const QByteArray &nativePath, bool followLinks) {
    struct stat info;
    if (nativePath.isEmpty()) return false;
    const int result =
        followLinks ? stat(nativePath.constData(), &info) : lstat(nativePath.constData(), &info);
    return result == 0 && S_ISDIR(info.st_mode);
}

bool isSymbolicLink(const QByteArray &nativePath) {
    struct stat info;
    return lstatPath(nativePath, &info) && S_ISLNK(info.st_mode);
}

bool isPackage(const QByteArray &nativePath, bool followLinks) {
    return isFolder(nativePath, followLinks) && hasPackageExtension(nativePath);
}

bool hasPackageExtension(const QByteArray &nativePath) {
    const QString name = PathExtension::lastPathComponent(QFile::decodeName(nativePath));
    const QString extension = PathExtension::pathExtension(name);
    for (const char *package : packageExtensions)
        if (extension.compare(QLatin1String(package), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool isImmutable(const QByteArray &nativePath) {
    int failure = 0;
    const int file = openForFlags(nativePath, &failure);
    if (file < 0) return false;
    int flags = 0;
    const bool read = ioctl(file, FS_IOC_GETFLAGS, &flags) == 0;
    close(file);
    return read && (flags & FS_IMMUTABLE_FL);
}

bool setImmutable(const QByteArray &nativePath, bool immutable, QString *error) {
    int failure = 0;
    const int file = openForFlags(nativePath, &failure);
    if (file < 0) {
        if (error) *error = flagErrorText(nativePath, immutable, failure);
        return false;
    }
    int flags = 0;
    if (ioctl(file, FS_IOC_GETFLAGS, &flags) != 0) {
        failure = errno;
    } else if (bool(flags & FS_IMMUTABLE_FL) != immutable) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        if (ioctl(file, FS_IOC_SETFLAGS, &flags) != 0) failure = errno;
    }
    close(file);
    if (failure && error) *error = flagErrorText(nativePath, immutable, failure);
    return failure == 0;
}

FileIdentity identity(const QByteArray &nativePath) {
    struct stat info;
    if (!lstatPath(nativePath, &info)) return FileIdentity();
    return FileIdentity{quint64(info.st_dev), quint64(info.st_ino), true};
}

// The text forms only encode the path; the byte forms above do the work.
QDateTime creationDate(const QString &path) { return creationDate(QFile::encodeName(path)); }
QDateTime modificationDate(const QString &path) {
    return modificationDate(QFile::encodeName(path));
}
qint64 size(const QString &path) { return size(QFile::encodeName(path)); }
bool exists(const QString &path) { return exists(QFile::encodeName(path)); }
bool isFolder(const QString &path, bool followLinks) {
    return isFolder(QFile::encodeName(path), followLinks);
}
bool isSymbolicLink(const QString &path) { return isSymbolicLink(QFile::encodeName(path)); }
bool isPackage(const QString &path, bool followLinks) {
    return isPackage(QFile::encodeName(path), followLinks);
}
bool isImmutable(const QString &path) { return isImmutable(QFile::encodeName(path)); }
bool setImmutable(const QString &path, bool immutable, QString *error) {
    return setImmutable(QFile::encodeName(path), immutable, error);
}
FileIdentity identity(const QString &path) { return identity(QFile::encodeName(path)); }

}  // namespace FileAttributes
