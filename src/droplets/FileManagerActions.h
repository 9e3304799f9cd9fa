#pragma once

#include <QString>
#include <QStringList>

// The context-menu entries that make a service reachable from the file managers people use:
// a Dolphin service menu, a Nautilus script, a Nemo action, a Thunar custom action (merged
// into the user's uca.xml by its unique id) and a FileManager-Actions entry (Caja and others).
// Each runs the service provider with "--service", the service folder, "--" and the selected
// paths as arguments: file names are never evaluated by a shell.
namespace FileManagerActions {

// Where the actions of a service folder live (in the user's data and configuration folders).
struct Locations {
    QString dolphinServiceMenu;
    QString nautilusScriptsFolder;
    QString nemoAction;
    QString thunarActions;  // uca.xml, shared with the user's own actions
    QString fileManagerAction;
};

// A stable identifier of the service folder's actions, made from its path.
QString identifierOf(const QString &serviceFolder);
Locations locationsOf(const QString &serviceFolder);

// The Nautilus script of the service folder, found by its marker line; "" when there is none.
QString nautilusScriptOf(const QString &serviceFolder);

// Writes (or rewrites) every action of the service. Answers the problems met, one per action
// that could not be written; the others are written all the same.
QStringList install(const QString &serviceFolder, const QString &title,
                    const QString &providerProgram);

// Removes every action of the service; the user's own Thunar actions stay as they are.
void remove(const QString &serviceFolder);

}  // namespace FileManagerActions
