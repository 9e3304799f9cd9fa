#include "journal/TemporaryNames.h"

#include <atomic>

namespace TemporaryNames {

namespace {

const QByteArray temporaryNamePrefix = QByteArrayLiteral("com.quorlix.tvt ");
std::atomic<long> temporaryNameCounter{0};

// The folder part of a native path including its final slash ("" for a bare name).
QByteArray folderWithSlash(const QByteArray &path) { return path.left(path.lastIndexOf('/') + 1); }

// The raw extension of the last component, by the same rule as PathExtension but on the
// bytes, so that an extension that is not UTF-8 is kept exactly.
QByteArray nativeExtension(const QByteArray &path) {
    const qsizetype componentStart = path.lastIndexOf('/') + 1;
    const qsizetype dot = path.lastIndexOf('.');
    if (dot <= componentStart || dot == path.size() - 1) return QByteArray();
    return path.mid(dot + 1);
}

}  // namespace

QByteArray nextTemporaryPath(const QByteArray &target) {
    QByteArray path = folderWithSlash(target) + temporaryNamePrefix +
                      QByteArray::number(qint64(++temporaryNameCounter));
    const QByteArray extension = nativeExtension(target);
    if (!extension.isEmpty()) path += '.' + extension;
    return path;
}

bool isTemporaryPath(const QByteArray &path) {
    return path.mid(path.lastIndexOf('/') + 1).startsWith(temporaryNamePrefix);
}

}  // namespace TemporaryNames
