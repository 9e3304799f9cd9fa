#include <QFile>
#include <atomic>

#include "common/PathExtension.h"
#include "common/TextCase.h"
#include "common/Unicode.h"
#include "files/ItemMover.h"
#include "platform/FileAttributes.h"

namespace {

constexpr unsigned long lastFreePathNumber = 999999;

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

bool ItemMover::isEqualToPath(const QString &path, const QString &other, bool ignoreCase) {
    const QString first = Unicode::nfc(path);
    const QString second = Unicode::nfc(other);
    return ignoreCase ? TextCase::lower(first) == TextCase::lower(second) : first == second;
}

QString ItemMover::availablePathWithCurrentPath(const QString &path, const QString &currentPath,
                                                bool *isMatch) {
    if (isMatch) *isMatch = false;
    if (!FileAttributes::exists(path)) return path;
    const QString extension = PathExtension::pathExtension(path);
    const QString base = PathExtension::deletingPathExtension(path);
    for (unsigned long number = 1; number <= lastFreePathNumber; ++number) {
        const QString candidate = PathExtension::stringByGracefullyAppendingPathExtension(
            QStringLiteral("%1 %2").arg(base).arg(number), extension);
        if (!currentPath.isEmpty() && isEqualToPath(candidate, currentPath, true)) {
            if (isMatch) *isMatch = true;
            return candidate;
        }
        if (!FileAttributes::exists(candidate)) return candidate;
    }
    return QString();
}

QString ItemMover::availablePath(const QString &path) {
    return availablePathWithCurrentPath(path, QString(), nullptr);
}

namespace {
const QByteArray temporaryNamePrefix = QByteArrayLiteral("com.quorlix.tvt ");
}

QByteArray ItemMover::nextTemporaryPath(const QByteArray &target) {
    QByteArray path = folderWithSlash(target) + temporaryNamePrefix +
                      QByteArray::number(qint64(++temporaryNameCounter));
    const QByteArray extension = nativeExtension(target);
    if (!extension.isEmpty()) path += '.' + extension;
    return path;
}

bool ItemMover::isTemporaryPath(const QByteArray &path) {
    return path.mid(path.lastIndexOf('/') + 1).startsWith(temporaryNamePrefix);
}
