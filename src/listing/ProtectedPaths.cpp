#include "listing/ProtectedPaths.h"

#include <QStringList>
#include <algorithm>

namespace ProtectedPaths {

bool isTabooSystemPath(const QString &path) {
    static const QStringList taboo = {
        QStringLiteral("/automount"),   QStringLiteral("/Desktop Folder"),
        QStringLiteral("/dev"),         QStringLiteral("/etc"),
        QStringLiteral("/mach"),        QStringLiteral("/mach.sym"),
        QStringLiteral("/mach_kernel"), QStringLiteral("/opt"),
        QStringLiteral("/tmp"),         QStringLiteral("/var"),
        QStringLiteral("/proc"),        QStringLiteral("/sys"),
        QStringLiteral("/run")};
    // A scan asks about every item, and nearly every path is longer than all of them.
    static const qsizetype longest =
        std::max_element(taboo.cbegin(), taboo.cend(), [](const QString &a, const QString &b) {
            return a.size() < b.size();
        })->size();
    return path.size() <= longest && taboo.contains(path);
}

bool isNetworkPath(const QString &path) {
    if (path.size() > qsizetype(std::size(u"/Network/")) - 1) return false;
    return path == u"Network" || path == u"Network/" || path == u"/Network" || path == u"/Network/";
}

bool isUneligiblePathInLibrary(const QString &path, QString *libraryName) {
    return isTabooSystemPath(path) || isNetworkPath(path);
}

}  // namespace ProtectedPaths
