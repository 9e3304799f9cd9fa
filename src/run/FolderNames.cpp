#include "run/FolderNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include "common/NativePath.h"
#include "platform/FolderEntryRecords.h"

#ifndef FS_CASEFOLD_FL
#define FS_CASEFOLD_FL 0x40000000
#endif

namespace {

// A folder is read whole for at least this many of the run's items in it...
constexpr qsizetype kFewestItemsToRead = 16;
// ...and when its entries take at most this many bytes per such item: some thirty entries,
// which cost less to read than one look-up.
constexpr qint64 kFolderBytesPerItem = 1024;

// File systems whose entries carry their items' inode numbers.
constexpr long kExt4Magic = 0xEF53;
constexpr long kBtrfsMagic = 0x9123683E;
constexpr long kTmpfsMagic = 0x01021994;

// Stands for two or more names that share one hash: neither answers from the reading.
constexpr quint64 kSeveralNames = ~quint64(0);

quint64 nameHash(QByteArrayView name) { return quint64(qHash(name, 0)); }

// The folder part of a path and the name after it; false for a path without both.
bool split(const QByteArray &path, QByteArrayView *folder, QByteArrayView *name) {
    const qsizetype slash = NativePath::lastSlash(path);
    if (slash < 0 || slash == path.size() - 1) return false;
    *name = QByteArrayView(path).sliced(slash + 1);
    *folder = slash == 0 ? QByteArrayView("/") : QByteArrayView(path).first(slash);
    return *name != "." && *name != "..";
}

// Whether the folder's names compare byte for byte, as a name taken or free is judged here.
bool hasExactNames(int descriptor, long fileSystem) {
    int flags = 0;
    if (::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0) return (flags & FS_CASEFOLD_FL) == 0;
    // Btrfs has no case folding; a tmpfs too old to answer has none either.
    return fileSystem == kBtrfsMagic || fileSystem == kTmpfsMagic;
}

void addName(QHash<quint64, quint64> &inodes, QByteArrayView name, quint64 inode) {
    // One look-up: a name new to the table is what made it grow.
    const qsizetype before = inodes.size();
    quint64 &slot = inodes[nameHash(name)];
    slot = inodes.size() == before ? kSeveralNames : inode;
}

}  // namespace

void FolderNames::expect(const QByteArray &path) {
    QByteArrayView folder, name;
    if (!split(path, &folder, &name)) return;
    // A run's items come folder by folder: most counts go where the previous one went.
    if (!lastExpected_ || folder != lastExpectedFolder_) {
        lastExpectedFolder_ = folder.toByteArray();
        lastExpected_ = &expected_[lastExpectedFolder_];
    }
    ++*lastExpected_;
}

FileAttributes::FileIdentity FolderNames::identity(const QByteArray &path) {
    QByteArrayView name;
    if (const Folder *folder = folderOf(path, &name); folder && folder->inodesAreItems) {
        const quint64 inode = folder->inodes.value(nameHash(name));
        if (inode != 0 && inode != kSeveralNames) return {folder->device, inode, true};
    }
    return lookups_.identity(path);
}

bool FolderNames::isKnownFree(const QByteArray &path) {
    QByteArrayView name;
    const Folder *folder = folderOf(path, &name);
    return folder && folder->exactNames && !folder->inodes.contains(nameHash(name));
}

void FolderNames::moved(const QByteArray &from, const QByteArray &to) {
    QByteArrayView folder, name;
    if (split(from, &folder, &name)) {
        if (Folder *known = knownFolder(folder)) {
            const auto slot = known->inodes.find(nameHash(name));
            if (slot != known->inodes.end() && *slot != kSeveralNames) known->inodes.erase(slot);
        }
    }
    forgetBelow(from);
    if (!to.isEmpty() && split(to, &folder, &name)) {
        Folder *known = knownFolder(folder);
        // Its inode number is not known: a look-up answers for it.
        if (known && known->inodesAreItems) addName(known->inodes, name, 0);
    }
}

void FolderNames::forgetBelow(const QByteArray &folder) {
    // Every path below the folder starts with "folder/"; '0' follows '/'. Called for every
    // step of a run: one bound, changed in place, serves both ends.
    if (folder.size() >= longestFolder_) return;
    bound_.resize(0);
    bound_.append(folder).append('/');
    const auto first = folders_.lower_bound(bound_);
    bound_.back() = '0';
    const auto last = folders_.lower_bound(bound_);
    if (first == last) return;
    folders_.erase(first, last);
    lastFolder_.reset();
}

FolderNames::Folder *FolderNames::knownFolder(QByteArrayView folderPath) {
    if (lastFolder_ && (*lastFolder_)->first == folderPath) return &(*lastFolder_)->second;
    const auto found = folders_.find(folderPath);
    if (found == folders_.end()) return nullptr;
    lastFolder_ = found;
    return &found->second;
}

FolderNames::Folder *FolderNames::folderOf(const QByteArray &path, QByteArrayView *name) {
    QByteArrayView folderPath;
    if (!split(path, &folderPath, name)) return nullptr;
    if (Folder *known = knownFolder(folderPath)) return known;
    const auto made = folders_.emplace(folderPath.toByteArray(), Folder()).first;
    longestFolder_ = qMax(longestFolder_, folderPath.size());
    lastFolder_ = made;
    read(made->first, &made->second);
    return &made->second;
}

void FolderNames::readAheadFolderOf(const QByteArray &path, qsizetype mostExpected) {
    QByteArrayView folder, name;
    if (readAhead_ || mostExpected < kFewestItemsToRead || !split(path, &folder, &name)) return;
    readAhead_ = std::make_unique<ReadAhead>();
    readAhead_->path = folder.toByteArray();
    ReadAhead &ahead = *readAhead_;
    ahead.thread = HelperThread(
        [&ahead, mostExpected] { ahead.reading = readFolder(ahead.path, mostExpected); });
}

FolderNames::Reading FolderNames::readFolder(const QByteArray &path, qsizetype expected) {
    Reading reading;
    const int descriptor = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return reading;
    struct stat info {};
    struct statfs system {};
    const bool known = ::fstat(descriptor, &info) == 0 && ::fstatfs(descriptor, &system) == 0;
    reading.bytes = qint64(info.st_size);
    const long fileSystem = long(system.f_type);
    const bool knownSystem =
        fileSystem == kExt4Magic || fileSystem == kBtrfsMagic || fileSystem == kTmpfsMagic;
    bool complete = known && knownSystem && reading.bytes <= expected * kFolderBytesPerItem;
    Folder &folder = reading.folder;
    // Room for the entries up front (some thirty bytes each): growing rehashes them all.
    if (complete) folder.inodes.reserve(qMax(expected, qsizetype(info.st_size / 32)));
    // Each read's records are let go once hashed: only the table stays.
    QByteArray records;
    while (complete) {
        records.resize(0);
        const qsizetype size = FolderEntryRecords::readMore(descriptor, records);
        if (size <= 0) {
            complete = size == 0;
            break;
        }
        FolderEntryRecords::forEach(records, 0, [&folder](const FolderEntryRecords::Entry &entry) {
            // A folder may be a mount point or a subvolume: its own inode is another.
            const bool plainItem = entry.type != DT_DIR && entry.type != DT_UNKNOWN;
            addName(folder.inodes, entry.name, plainItem ? entry.inode : 0);
        });
    }
    if (complete) {
        folder.inodesAreItems = true;
        folder.exactNames = hasExactNames(descriptor, fileSystem);
        folder.device = quint64(info.st_dev);
    } else {
        folder = Folder();
    }
    reading.complete = complete;
    ::close(descriptor);
    return reading;
}

void FolderNames::read(const QByteArray &path, Folder *folder) {
    const auto counted = expected_.find(path);
    const qsizetype expected = counted == expected_.end() ? 0 : counted->second;
    if (expected < kFewestItemsToRead) return;
    Reading reading;
    if (readAhead_ && readAhead_->path == path) {
        readAhead_->thread.join();
        reading = std::move(readAhead_->reading);
        readAhead_.reset();
    } else {
        reading = readFolder(path, expected);
    }
    // Read ahead against a larger count: the folder's own decides.
    if (reading.complete && reading.bytes <= expected * kFolderBytesPerItem)
        *folder = std::move(reading.folder);
}
