#include "platform/FolderLocks.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/Log.h"

namespace {

// A deep tree has a folder per level: let the process hold as many descriptors as the system
// allows it before running out at the default soft limit.
void allowDescriptors(qsizetype wanted) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= rlim_t(wanted) + 64) return;
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, rlim_t(wanted) + 64);
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace

FolderLocks::~FolderLocks() { unlock(); }

bool FolderLocks::lock(const QList<QByteArray> &folders, QByteArray *busyFolder) {
    unlock();
    QList<QByteArray> sorted(QSet<QByteArray>(folders.cbegin(), folders.cend()).values());
    std::sort(sorted.begin(), sorted.end());
    allowDescriptors(sorted.size());
    for (const QByteArray &folder : sorted) {
        const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) {
            Log::line(QStringLiteral("cannot lock the folder %1 for the run: %2")
                          .arg(QString::fromLocal8Bit(folder),
                               QString::fromLocal8Bit(std::strerror(errno))));
            continue;
        }
        int result;
        while ((result = ::flock(descriptor, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (result != 0 && errno != EWOULDBLOCK) {
            // A file system without locks (some FUSE mounts): as an unreadable folder.
            ::close(descriptor);
            continue;
        }
        if (result != 0) {
            ::close(descriptor);
            unlock();
            *busyFolder = folder;
            return false;
        }
        descriptors_.append(descriptor);
    }
    return true;
}

void FolderLocks::unlock() {
    for (const int descriptor : std::as_const(descriptors_)) ::close(descriptor);
    descriptors_.clear();
}
