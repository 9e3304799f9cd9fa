#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <map>
#include <memory>
#include <optional>

#include "common/HelperThread.h"
#include "platform/FileAttributes.h"
#include "run/FolderLookups.h"

// What a rename run knows of the names in the folders it works in. A folder that holds a fair
// share of the run's items is read whole, once (getdents), instead of each item and each
// target being looked up on its own, which a large folder would pay for twice per file:
//   - the identity of each item for the plan: where the file system gives each entry its
//     item's inode number (ext4, Btrfs, tmpfs), the reading answers it. A folder entry is
//     still looked up: it may be a mount point or a subvolume with a device of its own;
//   - whether a target name is free, only in folders whose names compare byte for byte (not
//     a case-folding folder), kept up to date with every step of the run (moved()).
// Everything else is looked up on disk, as without it. A "free" answer spares a look-up,
// nothing more: a move never replaces anything, so a name taken meanwhile by someone else
// makes that move fail, and "taken" is always checked on disk.
class FolderNames {
public:
    FolderNames() = default;
    FolderNames(const FolderNames &) = delete;
    FolderNames &operator=(const FolderNames &) = delete;

    // Reads the folder of the path on a second thread while the run's items are still being
    // counted, for no more than this many items in it (what counts then is its own count).
    // One folder at a time; nothing for a run too small to read a folder whole.
    void readAheadFolderOf(const QByteArray &path, qsizetype mostExpected);

    // One of the run's items lies at this path (or will arrive there); counted before the
    // first look, so that only folders where the run works enough are read whole.
    void expect(const QByteArray &path);

    // As FileAttributes::identity: the item itself, a symbolic link not followed.
    FileAttributes::FileIdentity identity(const QByteArray &path);

    // Nothing is at the path, as far as the reading and the run's own steps since tell.
    // False means "look on disk".
    bool isKnownFree(const QByteArray &path);

    // A step of the run moved an item; `to` is empty when it left the folders (the Trash).
    void moved(const QByteArray &from, const QByteArray &to);
    // A folder moved or left: whatever was read below it no longer is where it was.
    void forgetBelow(const QByteArray &folder);

private:
    struct Folder {
        // Read whole, and the entries' inode numbers are their items' (for identities).
        bool inodesAreItems = false;
        // Names compare as bytes (for free targets).
        bool exactNames = false;
        quint64 device = 0;
        // Hash of each name -> its item's inode; 0 where a look-up must answer (a folder, a
        // name that arrived during the run, two names with one hash).
        QHash<quint64, quint64> inodes;
    };

    // A folder's reading: its entries when it was read whole, and its size in bytes.
    struct Reading {
        Folder folder;
        qint64 bytes = -1;
        bool complete = false;
    };
    struct ReadAhead {
        QByteArray path;
        Reading reading;
        HelperThread thread;
    };
    // Reads the folder whole when its entries take at most kFolderBytesPerItem per item.
    static Reading readFolder(const QByteArray &path, qsizetype expected);

    // The folder of the path, read when it should be; null when the path has no folder part.
    Folder *folderOf(const QByteArray &path, QByteArrayView *name);
    // The folder as it was read, null when it was not (yet).
    Folder *knownFolder(QByteArrayView folderPath);
    void read(const QByteArray &path, Folder *folder);

    // Paths in byte order, so that a moved folder's descendants are one range; looked up
    // by views of the paths asked about.
    struct PathOrder {
        using is_transparent = void;
        bool operator()(QByteArrayView a, QByteArrayView b) const { return a.compare(b) < 0; }
    };

    // Stable while counting: std::map nodes never move.
    std::map<QByteArray, qsizetype> expected_;
    QByteArray lastExpectedFolder_;
    qsizetype *lastExpected_ = nullptr;
    std::map<QByteArray, Folder, PathOrder> folders_;
    // The folder asked about last: a run's items come folder by folder. Not kept once anything
    // was dropped from folders_.
    std::optional<std::map<QByteArray, Folder, PathOrder>::iterator> lastFolder_;
    // The bound forgetBelow looks up, kept to spare an allocation per step.
    QByteArray bound_;
    // The length of the longest folder path read so far: a path at least that long has no
    // known folder below it, which spares the search for the many files a run moves.
    qsizetype longestFolder_ = 0;
    FolderLookups lookups_;
    std::unique_ptr<ReadAhead> readAhead_;
};
