#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/FileAttributes.h"
#include "platform/HiddenItems.h"

// What a scan lists and what it leaves out.
struct ListingRules {
    bool listFiles = true;
    bool listFolders = false;
    bool scanFolderContents = true;
    bool ignoreInvisibleFiles = true;
    bool ignoreAliases = false;
    // NFC paths the user removed from the list. They are never listed; a removed folder is
    // still entered when contents are scanned.
    QSet<QString> exceptionPaths;
};

// One item to list.
struct ScannedItem {
    // The exact bytes of the path on disk; every file operation uses these.
    QByteArray nativePath;
    // The path as text in NFC (a name that is no UTF-8 shows replacement characters).
    QString path;
    // A plain folder; packages and symbolic links count as files.
    bool isFolder = false;
    // The folder it was listed in, so a rename run can tell when that folder was replaced.
    FileAttributes::FileIdentity folder;
    // The item's own type (a symbolic link is a link, even a followed root).
    FileAttributes::ItemType type;
};
// Every member moves by its bytes, so a growing list of a scan moves items without copies.
Q_DECLARE_TYPEINFO(ScannedItem, Q_RELOCATABLE_TYPE);

struct ScanResult {
    // In scan order: roots in the order given, each folder's entries in the order the file
    // system gives them, a listed folder before its contents.
    QList<ScannedItem> items;
    // The stop check asked to stop; items holds what was found until then.
    bool stopped = false;
    // The protected library met last, "" when none.
    QString libraryName;
};

// The recursive scan that turns root paths into the items of the file list.
//
// A plain folder is a directory that is not a package. Files and packages are listed when
// files are listed, plain folders when folders are listed, and plain folders are entered, at
// any depth, when contents are scanned; packages never are.
//
// A symbolic link inside a listed folder is never entered, whatever it points to: it is an
// item of its own, listed as a file, so nothing outside the listed folders is ever reached.
// Only a root that is itself a link to a folder is resolved, once (the user named it), as
// `find -H` does. Mount points inside a listed folder are entered, except kernel pseudo file
// systems such as /proc; a folder already being scanned higher up (a bind mount that contains
// itself) is not entered again.
//
// Ignored items (see ignoreFileAtPath), protected system locations, excepted paths and items
// already listed are left out. Unreadable folders and vanished items are skipped quietly.
class FolderScanner {
public:
    // Asked with the path of the entry at hand whether to stop the whole scan.
    using StopCheck = std::function<bool(const QString &path)>;
    // Takes every item to list, in scan order, as the scan finds it; it may keep the item.
    using ItemSink = std::function<void(ScannedItem &&item)>;
    // Milliseconds on a monotonic clock; tests replace it.
    using Clock = std::function<qint64()>;
    // The stop check runs at most once per this many milliseconds.
    static constexpr qint64 stopCheckInterval = 20;

    explicit FolderScanner(ListingRules rules, StopCheck stopCheck = {}, Clock clock = {});

    // Scans root paths given as text (NFC or not); each is looked up on disk by
    // nativePathForPath. Empty roots are skipped.
    ScanResult scan(const QStringList &rootPaths);
    // The same, handing each item to the sink instead of keeping it in the result: a long
    // list then never holds every item twice, once as found and once as what the caller
    // makes of it.
    ScanResult scan(const QStringList &rootPaths, ItemSink sink);
    // Scans roots given by their exact bytes.
    ScanResult scan(const QList<QByteArray> &nativeRootPaths);

    // The exact bytes on disk of a path given as text: its UTF-8 form when something is
    // there, else, component by component, the entry whose name reads the same in NFC (an
    // item named in decomposed form is found by its composed spelling). The UTF-8 form when
    // nothing matches.
    static QByteArray nativePathForPath(const QString &path);

private:
    struct FolderKey {
        quint64 device;
        quint64 inode;
        bool operator==(const FolderKey &other) const = default;
        friend size_t qHash(const FolderKey &key, size_t seed = 0) {
            return qHashMulti(seed, key.device, key.inode);
        }
    };

    void reset();
    bool scanRoot(const QByteArray &nativePath, const QString &path);
    // Each answers false when the scan is to stop.
    // Takes the paths: a file's go on to its item as they are.
    bool scanEntry(QByteArray nativePath, QString path, const QByteArray &parentResolvedPath,
                   const FileAttributes::FileIdentity &folder, bool isRoot,
                   unsigned char listedType);
    bool scanFolder(const QByteArray &nativePath, const QString &path, const FolderKey &key,
                    const QByteArray &resolvedPath);
    bool shouldStop(const QString &path);
    void add(ScannedItem &&item);

    ListingRules rules_;
    StopCheck stopCheck_;
    ItemSink sink_;
    Clock clock_;
    qint64 lastCheck_ = 0;
    HiddenItems hiddenItems_;
    QSet<FolderKey> descent_;
    // Only roots that overlap can reach one path twice: below one root every path is new.
    bool rootsMayOverlap_ = false;
    QSet<QByteArray> added_;
    ScanResult result_;
};

// Whether a scan leaves the item out: with neither flag nothing is; with ignoreAliases a
// symbolic link is; with ignoreInvisibleFiles a hidden item (HiddenItems) is. An empty path
// is always left out. Pass a HiddenItems to share its ".hidden" readings across calls.
bool ignoreFileAtPath(const QByteArray &nativePath, bool ignoreInvisibleFiles, bool ignoreAliases,
                      HiddenItems *hiddenItems = nullptr);
