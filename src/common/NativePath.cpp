#include "common/NativePath.h"

#include <string.h>

#include <algorithm>

namespace NativePath {

QByteArray withoutTrailingSlashes(QByteArray path) {
    while (path.size() > 1 && path.endsWith('/')) path.chop(1);
    return path;
}

qsizetype lastSlash(QByteArrayView path) {
    // A view of a null array has no data, which memrchr must not be given.
    if (path.isEmpty()) return -1;
    const void *slash = ::memrchr(path.data(), '/', size_t(path.size()));
    return slash ? static_cast<const char *>(slash) - path.data() : -1;
}

QByteArray folderOf(const QByteArray &path) {
    const qsizetype slash = lastSlash(path);
    if (slash < 0) return QByteArray();
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArrayView folderViewOf(QByteArrayView path) {
    const qsizetype slash = lastSlash(path);
    if (slash < 0) return {};
    return slash == 0 ? QByteArrayView("/") : path.first(slash);
}

QByteArray lastComponentOf(const QByteArray &path) { return path.mid(lastSlash(path) + 1); }

QByteArrayView lastComponentViewOf(QByteArrayView path) { return path.sliced(lastSlash(path) + 1); }

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
