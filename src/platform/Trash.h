#pragma once

#include <QByteArray>
#include <QString>

// The freedesktop.org Trash: an item moved there can be restored by the user's file manager.
namespace Trash {

// Moves the item (a symbolic link itself, a folder with everything inside it) to the Trash
// of its file system: the home Trash ($XDG_DATA_HOME/Trash) for items on the home's file
// system, else the trash folder at the top of the item's own file system, with the
// ".trashinfo" record that lets it be restored. Never deletes anything: when the item cannot
// be trashed it stays where it is and the answer is false with a reason naming the path.
bool moveToTrash(const QByteArray &nativePath, QString *error = nullptr);

}  // namespace Trash
