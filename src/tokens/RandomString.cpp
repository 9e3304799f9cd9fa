#include "tokens/RandomString.h"

#include <QList>
#include <QRandomGenerator>

namespace RandomString {

namespace {

const QString kUppercaseLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kLowercaseLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
const QString kDigits = QStringLiteral("0123456789");
constexpr char16_t kEmptyPoolCharacter = u'_';

}  // namespace

QString randomStringOfLength(qint64 length, const QString &pool) {
    if (length <= 0) return QString();
    // Picked by code point, so that a pool character outside the BMP is never split in two.
    const QList<uint> characters = pool.toUcs4();
    QString result;
    for (qint64 index = 0; index < length; ++index) {
        if (characters.isEmpty()) {
            result.append(QChar(kEmptyPoolCharacter));
            continue;
        }
        const quint64 pick = QRandomGenerator::global()->bounded(quint64(characters.size()));
        const char32_t character = characters.at(qsizetype(pick));
        result.append(QString::fromUcs4(&character, 1));
    }
    return result;
}

QString randomStringOfLength(qint64 length, bool includeUppercaseLetters,
                             bool includeLowercaseLetters, bool includeDigits) {
    QString pool;
    if (includeUppercaseLetters) pool += kUppercaseLetters;
    if (includeLowercaseLetters) pool += kLowercaseLetters;
    if (includeDigits) pool += kDigits;
    return randomStringOfLength(length, pool);
}

}  // namespace RandomString
