#include <QFile>
#include <algorithm>

#include "common/PathExtension.h"
#include "common/TextCase.h"
#include "common/Unicode.h"
#include "platform/FileAttributes.h"
#include "run/ItemMover.h"

namespace {

constexpr unsigned long lastFreePathNumber = 999999;

bool isAscii(const QString &text) {
    for (const QChar character : text) {
        if (character.unicode() >= 0x80) return false;
    }
    return true;
}

bool isAscii(const QByteArray &bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

}  // namespace

bool ItemMover::isEqualToPath(const QString &path, const QString &other, bool ignoreCase) {
    // ASCII is its own NFC and lower-cases to ASCII: the common path needs no ICU.
    if (isAscii(path) && isAscii(other))
        return path.size() == other.size() &&
               path.compare(other, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
    const QString first = Unicode::nfc(path);
    const QString second = Unicode::nfc(other);
    return ignoreCase ? TextCase::lower(first) == TextCase::lower(second) : first == second;
}

bool ItemMover::isEqualToNativePath(const QByteArray &path, const QByteArray &other,
                                    bool ignoreCase) {
    // ASCII bytes decode to themselves: a run asks this for every move, so no text is made.
    // Letter case aside, ASCII texts of different lengths differ.
    if (isAscii(path) && isAscii(other))
        return path.size() == other.size() &&
               path.compare(other, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
    return isEqualToPath(QFile::decodeName(path), QFile::decodeName(other), ignoreCase);
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
