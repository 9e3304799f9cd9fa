#pragma once

#include <QString>
#include <QStringList>

// What becomes of paths the application is asked to open (on its command line, or handed over
// by a later start): a service definition is handed to the service provider, a single relay
// file is received, a single configuration file is imported, anything else is listed.
namespace OpenedFiles {

enum class Action {
    Nothing,
    // A folder ending in ".torvaneservice" was among the paths; no path after it is handled.
    ServiceDefinition,
    // Exactly one path, ending in "com.quorlix.Torvane.tvd", "Droplet.settings" or
    // "Droplet.filelistsettings".
    RelayFile,
    // Exactly one path with the extension "torv", "torvane" or "tva" (any letter case), or
    // "plist" right after one of those.
    ConfigurationFile,
    // The paths go into the list.
    Populate,
};

struct Routing {
    Action action = Action::Nothing;
    // The one path of a service definition, relay file or configuration file; the paths to
    // list, in the order given.
    QStringList paths;
};

bool isConfigurationFilePath(const QString &path);
bool isRelayFilePath(const QString &path);
// A folder (it must exist) whose extension, lower-cased, is "torvaneservice".
bool isServiceDefinitionPath(const QString &path);

// Walks the paths in order; the first service definition ends the walk.
Routing route(const QStringList &paths);

}  // namespace OpenedFiles
