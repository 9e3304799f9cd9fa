#include "common/NativePath.h"

namespace NativePath {

QByteArray withoutTrailingSlashes(QByteArray path) {
    while (path.size() > 1 && path.endsWith('/')) path.chop(1);
    return path;
}

QByteArray folderOf(const QByteArray &path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return QByteArray();
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray lastComponentOf(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

QByteArray joined(const QByteArray &folder, const QByteArray &name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

}  // namespace NativePath
