#pragma once

#include <QString>

// Paths written with "~" for the user's home folder, so that a stored path survives a
// change of the home folder's location.
namespace TildePath {

// "~" or "~/..." for the home folder and paths inside it; any other path as it is.
QString abbreviatingWithTildeInPath(const QString &path);
// The home folder for a leading "~" or "~/"; any other path as it is ("~user" included).
QString expandingTildeInPath(const QString &path);

}  // namespace TildePath
