#include "platform/FolderSize.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QSet>
#include <QVector>

#include "platform/KernelFileSystems.h"

namespace FolderSize {

namespace {

struct FolderKey {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderKey &other) const {
        return device == other.device && inode == other.inode;
    }
};

size_t qHash(const FolderKey &key, size_t seed = 0) {
    return ::qHash(quint64(key.device), seed) ^ ::qHash(quint64(key.inode), seed);
}

class Walker {
public:
    qint64 sum(int folder, const QByteArray &path, const struct stat &info);

private:
    qint64 sumEntries(DIR *listing, const QByteArray &path, const struct stat &info);
    qint64 sumSubfolder(int parent, const char *name, const QByteArray &path,
                        const struct stat &parentInfo);

    // The folders being walked right now: a bind mount that leads back up is not re-entered.
    QSet<FolderKey> open_;
};

qint64 Walker::sum(int folder, const QByteArray &path, const struct stat &info) {
    const FolderKey key{info.st_dev, info.st_ino};
    if (open_.contains(key)) return 0;
    // fdopendir takes the descriptor over, so the walk uses its own duplicate.
    const int own = fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (own < 0) return 0;
    DIR *listing = fdopendir(own);
    if (!listing) {
        close(own);
        return 0;
    }
    open_.insert(key);
    const qint64 total = sumEntries(listing, path, info);
    open_.remove(key);
    closedir(listing);
    return total;
}

qint64 Walker::sumEntries(DIR *listing, const QByteArray &path, const struct stat &info) {
    const int folder = dirfd(listing);
    qint64 total = 0;
    while (const struct dirent *entry = readdir(listing)) {
        const char *name = entry->d_name;
        if (qstrcmp(name, ".") == 0 || qstrcmp(name, "..") == 0) continue;
        struct stat child;
        if (fstatat(folder, name, &child, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISDIR(child.st_mode))
            total += sumSubfolder(folder, name, path, info);
        else
            total += child.st_size;
    }
    return total;
}

qint64 Walker::sumSubfolder(int parent, const char *name, const QByteArray &path,
                            const struct stat &parentInfo) {
    const QByteArray childPath = path.isEmpty()       ? QByteArray()
                                 : path.endsWith('/') ? path + name
                                                      : path + '/' + name;
    if (KernelFileSystems::isKernelFolderPath(childPath)) return 0;
    const int child = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (child < 0) return 0;
    qint64 total = 0;
    struct stat info;
    if (fstat(child, &info) == 0 &&
        (info.st_dev == parentInfo.st_dev || !KernelFileSystems::isOnKernelFileSystem(child)))
        total = sum(child, childPath, info);
    close(child);
    return total;
}

}  // namespace

qint64 sumInside(int folder, const QByteArray &absolutePath) {
    struct stat info;
    if (fstat(folder, &info) != 0 || !S_ISDIR(info.st_mode)) return 0;
    if (KernelFileSystems::isKernelFolderPath(absolutePath) ||
        KernelFileSystems::isOnKernelFileSystem(folder))
        return 0;
    return Walker().sum(folder, absolutePath, info);
}

}  // namespace FolderSize
