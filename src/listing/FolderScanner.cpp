#include "listing/FolderScanner.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "common/Log.h"
#include "common/NativePath.h"
#include "common/Unicode.h"
#include "listing/ProtectedPaths.h"
#include "platform/FileAttributes.h"
#include "platform/FolderEntryRecords.h"
#include "platform/KernelFileSystems.h"
#include "platform/ListedFolder.h"

namespace {

using NativePath::joined;

// A path of the folder, a slash and room for a name of the size, made at its exact size in
// one allocation like the path's bytes (it lives as long as the record). Hands out the room.
QString pathWithRoom(const QString &folder, qsizetype nameSize, char16_t **room) {
    const bool slash = !folder.endsWith(u'/');
    QString path(folder.size() + qsizetype(slash) + nameSize, Qt::Uninitialized);
    char16_t *end = std::copy(folder.utf16(), folder.utf16() + folder.size(),
                              reinterpret_cast<char16_t *>(path.data()));
    if (slash) *end++ = u'/';
    *room = end;
    return path;
}

QString joinedText(const QString &folder, const QString &name) {
    char16_t *room = nullptr;
    QString path = pathWithRoom(folder, name.size(), &room);
    std::copy(name.utf16(), name.utf16() + name.size(), room);
    return path;
}

QString nameAsText(QByteArrayView name) { return Unicode::nfc(QString::fromLocal8Bit(name)); }

// The text path of a folder's entry. Most names are ASCII, which reads the same as text and
// is always NFC: those are widened straight into the path, without decoding and checking.
QString textPathOf(const QString &folder, QByteArrayView name) {
    if (!NativePath::isAscii(name)) return joinedText(folder, nameAsText(name));
    char16_t *room = nullptr;
    QString path = pathWithRoom(folder, name.size(), &room);
    std::transform(name.begin(), name.end(), room, [](char c) { return char16_t(uchar(c)); });
    return path;
}

QByteArray resolvedPath(const QByteArray &path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.constData(), nullptr),
                                                         &std::free);
    return resolved ? QByteArray(resolved.get()) : QByteArray();
}

// The entries of a folder, with the type the listing tells (DT_UNKNOWN when it tells none).
// The names stay in the records the kernel wrote: a folder costs a few allocations, not one
// per entry.
struct FolderEntries {
    struct Entry {
        qsizetype offset = 0;
        qsizetype size = 0;
        unsigned char type = DT_UNKNOWN;
        // The eight bytes of the name after the start all the folder's names share, as a
        // number that orders as they do (zeros past the name's end).
        quint64 key = 0;
    };
    QByteArray records;
    std::vector<Entry> entries;

    QByteArrayView nameOf(const Entry &entry) const {
        return QByteArrayView(records).sliced(entry.offset, entry.size);
    }
};

// The length of the start that every entry's name shares.
qsizetype sharedStart(const FolderEntries &read) {
    if (read.entries.empty()) return 0;
    const char *names = read.records.constData();
    const char *first = names + read.entries.front().offset;
    qsizetype shared = read.entries.front().size;
    for (const FolderEntries::Entry &entry : read.entries) {
        const char *name = names + entry.offset;
        const qsizetype most = std::min(shared, entry.size);
        shared = std::mismatch(name, name + most, first).first - name;
    }
    return shared;
}

// Puts the entries in byte order of their names, a shorter name before a longer one that
// starts with it. A folder's names mostly share a start ("IMG_0", "file 0"): comparing the
// bytes after it as one number decides most comparisons without reading the names. A name
// never holds a zero byte, so the zeros past a name's end order it before any longer name.
void sortByName(FolderEntries &read) {
    const char *names = read.records.constData();
    const qsizetype shared = sharedStart(read);
    for (FolderEntries::Entry &entry : read.entries) {
        uchar bytes[sizeof(quint64)] = {};
        const qsizetype after = entry.size - shared;
        if (after > 0)
            std::memcpy(bytes, names + entry.offset + shared,
                        size_t(std::min<qsizetype>(after, sizeof bytes)));
        entry.key = qFromBigEndian<quint64>(bytes);
    }
    std::sort(read.entries.begin(), read.entries.end(),
              [names](const FolderEntries::Entry &a, const FolderEntries::Entry &b) {
                  if (a.key != b.key) return a.key < b.key;
                  const int order = std::memcmp(names + a.offset, names + b.offset,
                                                size_t(std::min(a.size, b.size)));
                  return order < 0 || (order == 0 && a.size < b.size);
              });
}

// The entries of a folder in byte order of their names, or none when it cannot be read or
// lies on a kernel file system. Read whole before descending, so a deep tree never holds more
// than one folder open.
std::optional<FolderEntries> folderEntries(const QByteArray &folder) {
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        const QString message =
            QStringLiteral("cannot read folder %1: %2")
                .arg(QFile::decodeName(folder), QString::fromLocal8Bit(strerror(errno)));
        // A path beyond what the system takes hides a whole subtree: the user must hear of
        // it; an unreadable folder is common and only a debug matter.
        if (errno == ENAMETOOLONG)
            Log::line(message);
        else
            Log::debug(message);
        return std::nullopt;
    }
    if (KernelFileSystems::isOnKernelFileSystem(descriptor)) {
        ::close(descriptor);
        return std::nullopt;
    }
    FolderEntries read;
    // A read that fails ends the folder with what came before it.
    for (qsizetype from = 0; FolderEntryRecords::readMore(descriptor, read.records) > 0;
         from = read.records.size()) {
        FolderEntryRecords::forEach(
            read.records, from, [&read](const FolderEntryRecords::Entry &entry) {
                read.entries.push_back(
                    {.offset = entry.nameAt, .size = entry.name.size(), .type = entry.type});
            });
    }
    ::close(descriptor);
    // The file system's order is a hash's on most of them. The records are made in this
    // order, and most lists are sorted by name: every later pass over the list then finds
    // the records next to each other in memory instead of strewn about it.
    sortByName(read);
    return read;
}

// The item's own type from the listing, or from the disk when the listing does not tell it
// or the item is a folder (whose device and inode the scan needs). False when it is gone or
// out of reach.
bool readType(const QByteArray &nativePath, unsigned char listedType, struct stat *info) {
    if (listedType == DT_UNKNOWN || listedType == DT_DIR) {
        if (::lstat(nativePath.constData(), info) == 0) return true;
        if (errno == ENAMETOOLONG)
            Log::line(QStringLiteral("not listed: the path is longer than the system allows "
                                     "(%1 bytes): %2...")
                          .arg(nativePath.size())
                          .arg(QFile::decodeName(nativePath.left(200))));
        return false;
    }
    *info = {};
    info->st_mode = DTTOIF(listedType);
    return true;
}

// The entry of the folder whose name reads as the given name once both are in NFC.
std::optional<QByteArray> entryNamedInNfc(const QByteArray &folder, const QString &name) {
    const QString wanted = Unicode::nfc(name);
    const auto entries = folderEntries(folder);
    if (!entries) return std::nullopt;
    for (const FolderEntries::Entry &entry : entries->entries)
        if (nameAsText(entries->nameOf(entry)) == wanted)
            return entries->nameOf(entry).toByteArray();
    return std::nullopt;
}

}  // namespace

FolderScanner::FolderScanner(ListingRules rules, StopCheck stopCheck, Clock clock)
    : rules_(std::move(rules)), stopCheck_(std::move(stopCheck)), clock_(std::move(clock)) {
    if (!clock_) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        clock_ = [timer] { return timer->elapsed(); };
    }
}

ScanResult FolderScanner::scan(const QStringList &rootPaths) {
    reset();
    rootsMayOverlap_ = rootPaths.size() > 1;
    for (const QString &root : rootPaths) {
        if (root.isEmpty()) continue;
        if (!scanRoot(nativePathForPath(root), Unicode::nfc(root))) break;
    }
    return std::move(result_);
}

ScanResult FolderScanner::scan(const QStringList &rootPaths, ItemSink sink) {
    sink_ = std::move(sink);
    ScanResult result = scan(rootPaths);
    sink_ = nullptr;
    return result;
}

ScanResult FolderScanner::scan(const QList<QByteArray> &nativeRootPaths) {
    reset();
    rootsMayOverlap_ = nativeRootPaths.size() > 1;
    for (const QByteArray &root : nativeRootPaths) {
        if (root.isEmpty()) continue;
        if (!scanRoot(root, Unicode::nfc(QFile::decodeName(root)))) break;
    }
    return std::move(result_);
}

QByteArray FolderScanner::nativePathForPath(const QString &path) {
    const QByteArray direct = QFile::encodeName(path);
    if (FileAttributes::exists(direct) || !path.startsWith(u'/')) return direct;
    QByteArray found = "/";
    for (const QString &component : path.split(u'/', Qt::SkipEmptyParts)) {
        QByteArray candidate = joined(found, QFile::encodeName(component));
        if (!FileAttributes::exists(candidate)) {
            const auto entry = entryNamedInNfc(found, component);
            if (!entry) return direct;
            candidate = joined(found, *entry);
        }
        found = candidate;
    }
    return found;
}

void FolderScanner::reset() {
    lastCheck_ = clock_();
    hiddenItems_ = HiddenItems();
    descent_.clear();
    added_.clear();
    result_ = ScanResult();
}

bool FolderScanner::scanRoot(const QByteArray &nativePath, const QString &path) {
    QString text = path;
    while (text.size() > 1 && text.endsWith(u'/')) text.chop(1);
    const QByteArray exactPath = NativePath::withoutTrailingSlashes(nativePath);
    const auto folder = ListedFolder::identityOfFolder(NativePath::folderOf(exactPath));
    if (scanEntry(exactPath, text, QByteArray(), folder, /*isRoot=*/true, DT_UNKNOWN)) return true;
    result_.stopped = true;
    return false;
}

bool FolderScanner::scanEntry(QByteArray nativePath, QString path,
                              const QByteArray &parentResolvedPath,
                              const FileAttributes::FileIdentity &folder, bool isRoot,
                              unsigned char listedType) {
    if (shouldStop(path)) return false;
    struct stat info;
    if (!readType(nativePath, listedType, &info)) return true;
    const bool isLink = S_ISLNK(info.st_mode);
    const bool isDirectory = S_ISDIR(info.st_mode);
    const FileAttributes::ItemType ownType{
        isDirectory, isDirectory && FileAttributes::hasPackageExtension(nativePath)};
    if (ignoreFileAtPath(nativePath, rules_.ignoreInvisibleFiles, rules_.ignoreAliases,
                         &hiddenItems_))
        return true;
    QString libraryName;
    if (ProtectedPaths::isUneligiblePathInLibrary(path, &libraryName)) {
        if (!libraryName.isEmpty()) result_.libraryName = libraryName;
        return true;
    }
    // Only a root the user named is followed; any other link stays an item of its own.
    struct stat target;
    const bool followed = isLink && isRoot && ::stat(nativePath.constData(), &target) == 0;
    if (followed) info = target;
    const bool isFolder = S_ISDIR(info.st_mode) && !FileAttributes::hasPackageExtension(nativePath);
    if (!isFolder) {
        if (rules_.listFiles) add({std::move(nativePath), std::move(path), false, folder, ownType});
        return true;
    }
    if (rules_.listFolders) add({nativePath, path, true, folder, ownType});
    if (!rules_.scanFolderContents) return true;
    // Below a folder whose real path is known, only the followed root changes where an entry
    // really is.
    const QByteArray resolved =
        followed || parentResolvedPath.isEmpty()
            ? resolvedPath(nativePath)
            : joined(parentResolvedPath, NativePath::lastComponentOf(nativePath));
    return scanFolder(nativePath, path, FolderKey{quint64(info.st_dev), quint64(info.st_ino)},
                      resolved);
}

bool FolderScanner::scanFolder(const QByteArray &nativePath, const QString &path,
                               const FolderKey &key, const QByteArray &resolvedPath) {
    // Entering a folder that is being scanned higher up would never end.
    if (descent_.contains(key) || KernelFileSystems::isKernelFolderPath(resolvedPath)) return true;
    const auto entries = folderEntries(nativePath);
    if (!entries) return true;
    descent_.insert(key);
    const FileAttributes::FileIdentity identity{key.device, key.inode, true};
    bool goOn = true;
    for (const FolderEntries::Entry &entry : entries->entries) {
        const QByteArrayView name = entries->nameOf(entry);
        goOn = scanEntry(joined(nativePath, name), textPathOf(path, name), resolvedPath, identity,
                         /*isRoot=*/false, entry.type);
        if (!goOn) break;
    }
    descent_.remove(key);
    return goOn;
}

bool FolderScanner::shouldStop(const QString &path) {
    if (!stopCheck_) return false;
    const qint64 now = clock_();
    if (now - lastCheck_ < stopCheckInterval) return false;
    lastCheck_ = now;
    return stopCheck_(path);
}

void FolderScanner::add(ScannedItem &&item) {
    if (!rules_.exceptionPaths.isEmpty() && rules_.exceptionPaths.contains(item.path)) return;
    if (rootsMayOverlap_) {
        if (added_.contains(item.nativePath)) return;
        added_.insert(item.nativePath);
    }
    if (sink_)
        sink_(std::move(item));
    else
        result_.items.append(std::move(item));
}

bool ignoreFileAtPath(const QByteArray &nativePath, bool ignoreInvisibleFiles, bool ignoreAliases,
                      HiddenItems *hiddenItems) {
    if (!ignoreInvisibleFiles && !ignoreAliases) return false;
    if (nativePath.isEmpty()) return true;
    if (ignoreAliases && FileAttributes::isSymbolicLink(nativePath)) return true;
    if (!ignoreInvisibleFiles) return false;
    if (hiddenItems) return hiddenItems->isHidden(nativePath);
    HiddenItems once;
    return once.isHidden(nativePath);
}
