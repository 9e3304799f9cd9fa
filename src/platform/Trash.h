#pragma once

#include <QByteArray>
#include <QString>

// The freedesktop.org Trash: an item moved there can be restored by the user's file manager,
// and by the undo of a rename run that replaced it.
namespace Trash {

// Moves the item (a symbolic link itself, a folder with everything inside it) to the Trash
// of its file system: the home Trash ($XDG_DATA_HOME/Trash) for items on the home's file
// system, else the trash folder at the top of the item's own file system, with the
// ".trashinfo" record that lets it be restored. Never deletes anything: when the item cannot
// be trashed it stays where it is and the answer is false with a reason naming the path.
//
// *placeInTrash (when given) receives where the item went: its entry in the "files" folder
// of the Trash, found again by the item's device and inode and the info record's "Path="
// (GIO does not tell); "" when it cannot be found.
bool moveToTrash(const QByteArray &nativePath, QString *error = nullptr,
                 QByteArray *placeInTrash = nullptr);

// The entry of an item sent to the Trash from originalPath, recognised by its device and
// inode, in the home Trash or the trash folders at the top of originalPath's file system;
// "" when none is there. Among several (hard links) the one whose info record names
// originalPath wins.
QByteArray find(const QByteArray &originalPath, quint64 device, quint64 inode);

// The info record of an entry of a Trash's "files" folder: "<trash>/info/<name>.trashinfo".
QByteArray infoPathOf(const QByteArray &placeInTrash);

// Whether the info record of the entry names originalPath (absolute, or relative to the top
// of the file system for a trash folder there).
bool infoNames(const QByteArray &placeInTrash, const QByteArray &originalPath);

// Removes the info record of an entry that was taken out of the Trash; false when it stays.
bool removeInfoRecord(const QByteArray &placeInTrash);

}  // namespace Trash
