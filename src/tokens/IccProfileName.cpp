#include "tokens/IccProfileName.h"

#include <QtEndian>

namespace IccProfileName {

namespace {

constexpr qsizetype headerSize = 128;
constexpr qsizetype tagEntrySize = 12;

// A big-endian number at the offset, or 0 past the end (which every caller treats as absent).
quint32 number32(const QByteArray &data, qsizetype offset) {
    if (offset < 0 || offset + 4 > data.size()) return 0;
    return qFromBigEndian<quint32>(data.constData() + offset);
}

QByteArray tagData(const QByteArray &profile, const char *signature) {
    const quint32 count = number32(profile, headerSize);
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype entry = headerSize + 4 + qsizetype(i) * tagEntrySize;
        if (entry + tagEntrySize > profile.size()) break;
        if (profile.mid(entry, 4) != signature) continue;
        const qsizetype offset = number32(profile, entry + 4);
        const qsizetype size = number32(profile, entry + 8);
        if (offset + size > profile.size()) return QByteArray();
        return profile.mid(offset, size);
    }
    return QByteArray();
}

QString asciiDescription(const QByteArray &tag) {
    const qsizetype length = number32(tag, 8);
    if (length <= 0 || 12 + length > tag.size()) return QString();
    return QString::fromLatin1(tag.mid(12, length)).section(QChar(0), 0, 0).trimmed();
}

QString multiLanguageDescription(const QByteArray &tag) {
    if (number32(tag, 8) == 0) return QString();
    const qsizetype length = number32(tag, 16 + 4);
    const qsizetype offset = number32(tag, 16 + 8);
    if (length <= 0 || offset + length > tag.size()) return QString();
    QString text;
    for (qsizetype i = offset; i + 1 < offset + length; i += 2)
        text += QChar(qFromBigEndian<quint16>(tag.constData() + i));
    return text.section(QChar(0), 0, 0).trimmed();
}

}  // namespace

QString description(const QByteArray &profile) {
    const QByteArray tag = tagData(profile, "desc");
    if (tag.startsWith("desc")) return asciiDescription(tag);
    if (tag.startsWith("mluc")) return multiLanguageDescription(tag);
    return QString();
}

}  // namespace IccProfileName
