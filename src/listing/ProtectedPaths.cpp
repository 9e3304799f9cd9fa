#include "listing/ProtectedPaths.h"

#include <QStringList>

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
    return taboo.contains(path);
}

bool isNetworkPath(const QString &path) {
    return path == u"Network" || path == u"Network/" || path == u"/Network" || path == u"/Network/";
}

bool isUneligiblePathInLibrary(const QString &path, QString *libraryName) {
    return isTabooSystemPath(path) || isNetworkPath(path);
}

}  // namespace ProtectedPaths
