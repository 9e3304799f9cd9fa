#pragma once

#include <QByteArray>

#include "platform/FileAttributes.h"

// The folder an item was listed in. A rename run moves an item only while its folder is still
// that folder: a folder swapped for a symbolic link (or moved away and replaced) after the
// listing would otherwise send the move somewhere the user never listed.
namespace ListedFolder {

// The identity of the folder at the path, following symbolic links (a root the user named may
// be a link to a folder); "" is the working folder. Invalid when nothing readable is there or
// it is not a folder.
FileAttributes::FileIdentity identityOfFolder(const QByteArray &folder);

// Whether the folder at the path is still the listed one: the same device and inode. On a
// file system whose inode numbers may change between lookups (FUSE mounts such as exFAT), the
// same device and still a folder.
bool isListedFolder(const FileAttributes::FileIdentity &listed, const QByteArray &folder);

}  // namespace ListedFolder
