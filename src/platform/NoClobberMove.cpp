#include "platform/NoClobberMove.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

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
    if (refusesFlag(failure) && !isInside(target, source))
        return moveByLinking(source, target, error, errorNumber);
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
