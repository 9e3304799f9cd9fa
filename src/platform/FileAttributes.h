#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Attributes of one item on disk. Every function takes the item's exact path, either as text
// (encoded with QFile::encodeName) or as the native bytes kept by a record, since a name on
// Linux need not be valid UTF-8. Symbolic links are never followed unless a function says so.
namespace FileAttributes {

// Device and inode: tells whether two paths name the same item, whatever their spelling.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool valid = false;

    // Two invalid identities are never equal: an unreadable item is nobody's twin.
    bool operator==(const FileIdentity &other) const {
        return valid && other.valid && device == other.device && inode == other.inode;
    }
};

// 0001-01-01T00:00:00Z, the date of an item whose creation date is unknown.
QDateTime distantPast();

// The birth time where the file system records one; an invalid date otherwise.
QDateTime creationDate(const QString &path);
QDateTime creationDate(const QByteArray &nativePath);

// The modification time (millisecond precision); an invalid date when it cannot be read.
QDateTime modificationDate(const QString &path);
QDateTime modificationDate(const QByteArray &nativePath);

// A file's size in bytes (a symbolic link's own size). For a folder the sum of the sizes of
// every non-folder item inside it, at any depth; folders' own entries count nothing, links
// are not followed, and /proc, /sys, /dev, /run and other kernel file systems are not
// entered. 0 when the item cannot be read.
qint64 size(const QString &path);
qint64 size(const QByteArray &nativePath);

// Whether anything (a dangling symbolic link included) is at the path.
bool exists(const QString &path);
bool exists(const QByteArray &nativePath);

// Whether the item is a folder; a symbolic link to a folder counts only with followLinks.
bool isFolder(const QString &path, bool followLinks = false);
bool isFolder(const QByteArray &nativePath, bool followLinks = false);

bool isSymbolicLink(const QString &path);
bool isSymbolicLink(const QByteArray &nativePath);

// A folder shown as one item: a folder (as isFolder decides) whose extension is one of
// "app", "bundle", "framework", "plugin", "kext", "photoslibrary", "torvaneservice", in any
// letter case.
bool isPackage(const QString &path, bool followLinks = false);
bool isPackage(const QByteArray &nativePath, bool followLinks = false);
// Whether a folder at the path would be a package: its extension alone, without a look at
// the disk.
bool hasPackageExtension(const QByteArray &nativePath);

// The type of an item itself (a symbolic link is not followed), as isFolder and isPackage
// tell it; a scan that already knows it hands it on instead of asking the disk again.
struct ItemType {
    bool isFolder = false;
    bool isPackage = false;
};

// Whether the immutable attribute (chattr +i) is set on a file or folder; false when it
// cannot be read or the item is something else (a symbolic link, a device).
bool isImmutable(const QString &path);
bool isImmutable(const QByteArray &nativePath);

// Sets or clears the immutable attribute. Needs the CAP_LINUX_IMMUTABLE capability; without
// it, or on a file system without the attribute, returns false with a message naming the path.
bool setImmutable(const QString &path, bool immutable, QString *error);
bool setImmutable(const QByteArray &nativePath, bool immutable, QString *error);

// The identity of the item itself (a symbolic link, not its target); invalid when missing.
FileIdentity identity(const QString &path);
FileIdentity identity(const QByteArray &nativePath);

}  // namespace FileAttributes
