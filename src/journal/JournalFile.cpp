#include "journal/JournalFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "common/Translations.h"
#include "platform/NoClobberMove.h"

namespace JournalFile {

TORVANE_NAMESPACE_TR(JournalFile)

namespace {

// Enough attempts to step over every name taken by journals started in the same instant.
constexpr int nameAttempts = 1000;

QString systemError(const QString &what, const QString &path, int errorNumber) {
    return QStringLiteral("%1 %2: %3")
        .arg(what, path, QString::fromLocal8Bit(std::strerror(errorNumber)));
}

// Writes at `offset` (one pwrite for a record, no seek).
bool writeAll(int descriptor, QByteArrayView data, int *errorNumber, off_t offset = 0) {
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t result = ::pwrite(descriptor, data.constData() + written,
                                        size_t(data.size() - written), offset + written);
        if (result < 0 && errno == EINTR) continue;
        if (result <= 0) {
            *errorNumber = result < 0 ? errno : EIO;
            return false;
        }
        written += result;
    }
    return true;
}

// The errors of a draft, made outside its class so that they are translated as the
// other messages here.
QString cannotCreateIn(const QString &folder, int errorNumber) {
    return systemError(tr("cannot create a run journal in"), folder, errorNumber);
}

QString cannotWrite(const QByteArray &temporary, int errorNumber) {
    return systemError(tr("cannot write"), QFile::decodeName(temporary), errorNumber);
}

// Hands written bytes to writeback at once, so that the flush that follows them finds little
// left to write. Only a head start: the flush alone counts, so a failure here is of no
// consequence.
void startWriteback(int descriptor, off_t offset, qsizetype size) {
    ::sync_file_range(descriptor, offset, off_t(size), SYNC_FILE_RANGE_WRITE);
}

// A new name in a folder lasts only once the folder itself is on disk.
bool syncFolder(const QString &folder, QString *error) {
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    const int errorNumber = errno;
    if (descriptor >= 0) ::close(descriptor);
    if (!synced) *error = systemError(tr("cannot flush the folder"), folder, errorNumber);
    return synced;
}

bool lock(int descriptor) {
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0)
        if (errno != EINTR) return false;
    return true;
}

// Gives the written temporary file its journal name; the path taken, or "" with *error.
QString publishUnder(const QString &folder, const QByteArray &temporary,
                     const std::function<QString(int)> &nameForAttempt, QString *error) {
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        const QString path = folder + QLatin1Char('/') + nameForAttempt(attempt);
        int errorNumber = 0;
        if (NoClobberMove::move(temporary, QFile::encodeName(path), error, &errorNumber))
            return path;
        if (errorNumber != EEXIST) return QString();
    }
    *error = tr("cannot find a free journal name in %1").arg(folder);
    return QString();
}

}  // namespace

Draft::Draft(const QString &folder)
    : folder_(folder),
      temporary_(QFile::encodeName(folder) + "/.journal-" +
                 QByteArray::number(QCoreApplication::applicationPid()) + "-XXXXXX") {
    descriptor_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (descriptor_ < 0) error_ = cannotCreateIn(folder, errno);
}

Draft::~Draft() {
    if (descriptor_ < 0) return;
    ::unlink(temporary_.constData());
    ::close(descriptor_);
}

bool Draft::write(QByteArrayView piece, QString *error) {
    int errorNumber = 0;
    if (error_.isEmpty() && !writeAll(descriptor_, piece, &errorNumber, off_t(length_)))
        error_ = cannotWrite(temporary_, errorNumber);
    if (!error_.isEmpty()) return *error = error_, false;
    startWriteback(descriptor_, off_t(length_), piece.size());
    length_ += piece.size();
    return true;
}

int Draft::publish(const std::function<QString(int)> &nameForAttempt, QString *path,
                   QString *error) {
    path->clear();
    if (!error_.isEmpty()) return *error = error_, -1;
    if (::fsync(descriptor_) != 0 || !lock(descriptor_)) {
        *error = cannotWrite(temporary_, errno);
        return -1;
    }
    *path = publishUnder(folder_, temporary_, nameForAttempt, error);
    if (path->isEmpty()) return -1;
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (!syncFolder(folder_, error)) {
        // Published without certainty: no run may start.
        ::unlink(QFile::encodeName(*path).constData());
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

int openLocked(const QString &path, QString *error) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        *error = systemError(tr("cannot open the run journal"), path, errno);
        return -1;
    }
    if (lock(descriptor)) return descriptor;
    *error = errno == EWOULDBLOCK
                 ? tr("the run journal %1 is in use by a run that is still going").arg(path)
                 : systemError(tr("cannot lock the run journal"), path, errno);
    ::close(descriptor);
    return -1;
}

int lockRecovery(const QString &folder, QString *error) {
    const QString path = folder + QStringLiteral("/.recovery.lock");
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        *error = systemError(tr("cannot open"), path, errno);
        return -1;
    }
    if (lock(descriptor)) return descriptor;
    *error = errno == EWOULDBLOCK ? tr("another undo or recovery of rename runs is going on")
                                  : systemError(tr("cannot lock"), path, errno);
    ::close(descriptor);
    return -1;
}

bool isLocked(const QString &path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return false;
    const bool locked = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return locked;
}

bool append(int descriptor, const QString &path, qint64 *length, const QByteArray &data, bool sync,
            bool *broken, QString *error) {
    int errorNumber = 0;
    if (!writeAll(descriptor, data, &errorNumber, off_t(*length))) {
        // Half a record in the middle of the journal would make it unreadable.
        if (::ftruncate(descriptor, *length) != 0) *broken = true;
        *error = systemError(tr("cannot write the run journal"), path, errorNumber);
        return false;
    }
    // Records not flushed now: the run's end, or a step that must be on disk first, flushes.
    if (!sync) startWriteback(descriptor, off_t(*length), data.size());
    *length += data.size();
    if (sync && ::fdatasync(descriptor) != 0) {
        // After a failed flush nobody knows what reached the disk.
        *broken = true;
        *error = systemError(tr("cannot flush the run journal"), path, errno);
        return false;
    }
    return true;
}

bool truncate(int descriptor, const QString &path, qint64 length, QString *error) {
    if (::ftruncate(descriptor, length) == 0 && ::fdatasync(descriptor) == 0) return true;
    *error = systemError(tr("cannot cut the torn record off the run journal"), path, errno);
    return false;
}

}  // namespace JournalFile
