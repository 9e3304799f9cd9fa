#include "common/NativePath.h"

#include <algorithm>

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

// Made at its exact size: a listed path lives as long as its record, and appending piece by
// piece would leave it with room to grow by half again.
QByteArray joined(QByteArrayView folder, QByteArrayView name) {
    const bool slash = !folder.endsWith('/');
    QByteArray path(folder.size() + qsizetype(slash) + name.size(), Qt::Uninitialized);
    char *end = std::copy(folder.begin(), folder.end(), path.data());
    if (slash) *end++ = '/';
    std::copy(name.begin(), name.end(), end);
    return path;
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

}  // namespace NativePath
