#pragma once

#include <QByteArray>
#include <QString>

// Moves one item to a new path without ever replacing what is already there. Paths are the
// exact native bytes (names on Linux need not be valid UTF-8). On failure *error names both
// paths and the reason, and *errorNumber holds the errno value.
namespace NoClobberMove {

// One atomic rename that fails with EEXIST when anything (even a dangling symbolic link) is
// at the target. Where the file system refuses the no-replace flag, moveByLinking is used.
bool move(const QByteArray &source, const QByteArray &target, QString *error = nullptr,
          int *errorNumber = nullptr);

// Only the atomic no-replace rename of one name to another within an open folder (a
// descriptor, O_PATH will do), no other way: 0 when it moved, else the system's error number
// (EINVAL and the like where the file system refuses the flag).
int renameWithinFolder(int folder, const char *name, const char *newName);

// The way to move without the no-replace flag: a hard link at the target (which the kernel
// refuses when the name is taken), then the source name removed. Folders cannot be
// hard-linked and nothing else can move a folder without the risk of replacing an item that
// appears at the target meanwhile, so they are refused (ENOTSUP).
bool moveByLinking(const QByteArray &source, const QByteArray &target, QString *error = nullptr,
                   int *errorNumber = nullptr);

// The way where a file system knows neither the flag nor hard links (exFAT and vfat through
// FUSE, some network shares): the target's name is first taken by an empty placeholder that
// only this call can create (O_EXCL, or a new empty folder for a folder), and the rename then
// replaces that placeholder. A name already taken, by any spelling the file system folds to
// it, fails with EEXIST. Only a process that removed the placeholder and put an item of its
// own there in between could lose that item.
bool moveOverPlaceholder(const QByteArray &source, const QByteArray &target,
                         QString *error = nullptr, int *errorNumber = nullptr);

}  // namespace NoClobberMove
