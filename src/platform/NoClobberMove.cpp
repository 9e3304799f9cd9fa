#include "platform/NoClobberMove.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <optional>

#include "platform/LetterCase.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace NoClobberMove {

namespace {

int renameWithoutReplacing(const QByteArray &source, const QByteArray &target) {
    return int(syscall(SYS_renameat2, AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                       RENAME_NOREPLACE));
}

// The errors by which a kernel or file system says it does not know the no-replace flag.
bool refusesFlag(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

// EINVAL is also the honest answer to moving a folder into itself.
bool isInside(const QByteArray &target, const QByteArray &source) {
    QByteArray folder = source;
    if (!folder.endsWith('/')) folder += '/';
    return target.startsWith(folder);
}

bool fail(const QByteArray &source, const QByteArray &target, int failure, const QString &reason,
          QString *error, int *errorNumber) {
    if (error)
        *error = QStringLiteral("Cannot move \"%1\" to \"%2\": %3")
                     .arg(QFile::decodeName(source), QFile::decodeName(target), reason);
    if (errorNumber) *errorNumber = failure;
    return false;
}

bool failWithErrno(const QByteArray &source, const QByteArray &target, int failure, QString *error,
                   int *errorNumber) {
    return fail(source, target, failure, qt_error_string(failure), error, errorNumber);
}

// The errors by which a file system says it has no hard links.
bool refusesLinks(int error) {
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK ||
           error == ENOSYS;
}

struct FileKey {
    dev_t device;
    ino_t inode;
};

// An empty item at the target that only this call created; none with errno set when the
// name is taken.
std::optional<FileKey> makePlaceholder(const QByteArray &target, bool folder) {
    struct stat info;
    if (folder) {
        if (::mkdir(target.constData(), 0700) != 0 || ::lstat(target.constData(), &info) != 0)
            return std::nullopt;
        return FileKey{info.st_dev, info.st_ino};
    }
    const int file =
        ::open(target.constData(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0) return std::nullopt;
    const bool known = ::fstat(file, &info) == 0;
    ::close(file);
    if (!known) return FileKey{0, 0};
    return FileKey{info.st_dev, info.st_ino};
}

// A FUSE file system keeps a name it was asked about in the kernel's cache for a moment (its
// entry timeout), also after the item behind it moved away: the name then looks taken though
// the folder no longer lists it. Within that moment a placeholder is tried again; the
// exclusive creation stays the only judge of whether the name is free.
constexpr int kStaleNameAttempts = 40;
constexpr useconds_t kStaleNamePause = 50 * 1000;

std::optional<FileKey> makePlaceholderOnceFree(const QByteArray &target, bool folder) {
    for (int attempt = 1;; ++attempt) {
        const std::optional<FileKey> placeholder = makePlaceholder(target, folder);
        const int failure = errno;
        if (placeholder || failure != EEXIST || attempt == kStaleNameAttempts) return placeholder;
        if (LetterCase::isListedBySomeSpelling(target)) {
            errno = failure;
            return std::nullopt;
        }
        ::usleep(kStaleNamePause);
    }
}

// Takes the placeholder away again, but only while it is still the empty item made here.
void removePlaceholder(const QByteArray &target, const FileKey &placeholder, bool folder) {
    struct stat info;
    if (::lstat(target.constData(), &info) != 0 || info.st_dev != placeholder.device ||
        info.st_ino != placeholder.inode)
        return;
    if (folder)
        ::rmdir(target.constData());
    else if (S_ISREG(info.st_mode) && info.st_size == 0)
        ::unlink(target.constData());
}

bool sameItem(const QByteArray &first, const QByteArray &second) {
    struct stat a, b;
    return lstat(first.constData(), &a) == 0 && lstat(second.constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool move(const QByteArray &source, const QByteArray &target, QString *error, int *errorNumber) {
    if (source.isEmpty() || target.isEmpty())
        return failWithErrno(source, target, ENOENT, error, errorNumber);
    if (renameWithoutReplacing(source, target) == 0) return true;
    const int failure = errno;
    if (!refusesFlag(failure) || isInside(target, source))
        return failWithErrno(source, target, failure, error, errorNumber);
    struct stat info;
    if (lstat(source.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return moveOverPlaceholder(source, target, error, errorNumber);
    int linkFailure = 0;
    if (moveByLinking(source, target, error, &linkFailure)) return true;
    if (!refusesLinks(linkFailure)) {
        if (errorNumber) *errorNumber = linkFailure;
        return false;
    }
    return moveOverPlaceholder(source, target, error, errorNumber);
}

int renameWithinFolder(int folder, const char *name, const char *newName) {
    if (syscall(SYS_renameat2, folder, name, folder, newName, RENAME_NOREPLACE) == 0) return 0;
    return errno;
}

bool moveOverPlaceholder(const QByteArray &source, const QByteArray &target, QString *error,
                         int *errorNumber) {
    struct stat info;
    if (source.isEmpty() || lstat(source.constData(), &info) != 0)
        return failWithErrno(source, target, source.isEmpty() ? ENOENT : errno, error, errorNumber);
    const bool folder = S_ISDIR(info.st_mode);
    const std::optional<FileKey> placeholder = makePlaceholderOnceFree(target, folder);
    if (!placeholder) return failWithErrno(source, target, errno, error, errorNumber);
    if (::rename(source.constData(), target.constData()) == 0) return true;
    const int failure = errno;
    removePlaceholder(target, *placeholder, folder);
    return failWithErrno(source, target, failure, error, errorNumber);
}

bool moveByLinking(const QByteArray &source, const QByteArray &target, QString *error,
                   int *errorNumber) {
    struct stat info;
    if (source.isEmpty() || lstat(source.constData(), &info) != 0)
        return failWithErrno(source, target, source.isEmpty() ? ENOENT : errno, error, errorNumber);
    if (S_ISDIR(info.st_mode))
        return fail(source, target, ENOTSUP,
                    QStringLiteral("its file system cannot move a folder without the risk of "
                                   "replacing an existing item"),
                    error, errorNumber);
    // linkat without AT_SYMLINK_FOLLOW links a symbolic link itself, not what it points to.
    if (linkat(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), 0) != 0)
        return failWithErrno(source, target, errno, error, errorNumber);
    if (unlink(source.constData()) == 0) return true;
    const int failure = errno;
    // Take back the second name, so the item is found where it was.
    if (sameItem(source, target)) unlink(target.constData());
    return failWithErrno(source, target, failure, error, errorNumber);
}

}  // namespace NoClobberMove
