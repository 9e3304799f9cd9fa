#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

// The one file through which the droplet program and the service provider hand a
// configuration and dropped files to the application. It lives in the user's private folder
// (never a shared, world-writable one), so nobody else can plant or read it.
namespace RelayFile {

// "com.quorlix.Torvane.tvd" in the private per-user folder; "" when no private folder is safe.
QString path();

// Writes the dictionary atomically as a property list at path(). Answers the path written, or
// "" and *error.
QString write(const QVariantMap &dictionary, QString *error);

// Reads a relay file the application was asked to open. Refuses (nothing and *error) a file
// that is not ours: a symbolic link, not a regular file, owned by another user, in a folder
// that others may write to or that another user owns, too large, or no property-list
// dictionary.
std::optional<QVariantMap> read(const QString &path, QString *error);

}  // namespace RelayFile
