#include "collections/OpenedFiles.h"

#include <QFileInfo>

#include "common/PathExtension.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"

namespace OpenedFiles {

namespace {

bool isConfigurationExtension(const QString &extension) {
    const QString lower = extension.toLower();
    return lower == u"torv" || lower == u"torvane" || lower == u"tva";
}

}  // namespace

bool isConfigurationFilePath(const QString &path) {
    const QString name = PathExtension::lastPathComponent(path);
    const QString extension = PathExtension::pathExtension(name);
    if (isConfigurationExtension(extension)) return true;
    // "Steps.tva.plist": a configuration that went through a program adding its own suffix.
    return extension.toLower() == u"plist" && isConfigurationExtension(PathExtension::pathExtension(
                                                  PathExtension::deletingPathExtension(name)));
}

bool isRelayFilePath(const QString &path) {
    for (const char *suffix :
         {"com.quorlix.Torvane.tvd", "Droplet.settings", "Droplet.filelistsettings"}) {
        if (path.endsWith(QLatin1String(suffix))) return true;
    }
    return false;
}

bool isServiceDefinitionPath(const QString &path) {
    return PathExtension::pathExtension(PathExtension::lastPathComponent(path)).toLower() ==
               u"torvaneservice" &&
           QFileInfo(path).isDir();
}

Routing route(const QStringList &paths) {
    Routing routing;
    ZKSecurityScopedBookmarkManager &bookmarks = ZKSecurityScopedBookmarkManager::bookmarkManager();
    for (const QString &path : paths) {
        // Folders the user opened Torvane with stay granted to a sandboxed Torvane.
        if (bookmarks.isSandboxed() && QFileInfo(path).isDir())
            bookmarks.createBookmarkForURL(path);
        if (isServiceDefinitionPath(path)) return {Action::ServiceDefinition, {path}};
        routing.paths.append(path);
    }
    if (routing.paths.isEmpty()) return routing;
    if (routing.paths.size() == 1 && isRelayFilePath(routing.paths.first()))
        routing.action = Action::RelayFile;
    else if (routing.paths.size() == 1 && isConfigurationFilePath(routing.paths.first()))
        routing.action = Action::ConfigurationFile;
    else
        routing.action = Action::Populate;
    return routing;
}

}  // namespace OpenedFiles
