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

qsizetype asciiPrefixSize(QByteArrayView bytes) {
    // Eight bytes at a time: every name of a listing passes here.
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        quint64 word;
        ::memcpy(&word, bytes.data() + at, sizeof word);
        if (word & 0x8080808080808080ULL) break;
    }
    while (at < bytes.size() && uchar(bytes[at]) < 0x80) ++at;
    return at;
}

bool isAscii(QByteArrayView bytes) { return asciiPrefixSize(bytes) == bytes.size(); }

}  // namespace NativePath
