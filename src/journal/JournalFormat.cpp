#include "journal/JournalFormat.h"

#include <zlib.h>

#include <algorithm>

namespace JournalFormat {

namespace {

constexpr qsizetype checksumDigits = 8;

// The checksum as 8 lower-case hex digits, written at `out`.
void writeChecksum(char *out, quint32 crc) {
    static constexpr char digits[] = "0123456789abcdef";
    for (qsizetype digit = checksumDigits - 1; digit >= 0; --digit, crc >>= 4)
        out[digit] = digits[crc & 0xF];
}

QByteArray checksumField(const QByteArray &text) {
    QByteArray field(checksumDigits, Qt::Uninitialized);
    writeChecksum(field.data(), crc32(text));
    return field;
}

}  // namespace

quint32 crc32(QByteArrayView data) {
    // zlib's CRC-32 (the reflected polynomial 0xEDB88320, as PNG uses it) goes many bytes
    // at a time; records are far below the size its length type can take.
    return quint32(
        ::crc32_z(0, reinterpret_cast<const Bytef *>(data.constData()), size_t(data.size())));
}

QByteArray line(const QByteArrayList &fields) {
    // Made at its exact size and filled in place: a run writes one or two per item.
    qsizetype textSize = fields.isEmpty() ? 0 : fields.size() - 1;
    for (const QByteArray &field : fields) textSize += field.size();
    QByteArray text(textSize + 1 + checksumDigits + 1, Qt::Uninitialized);
    char *out = text.data();
    for (qsizetype index = 0; index < fields.size(); ++index) {
        if (index > 0) *out++ = ' ';
        out = std::copy(fields[index].cbegin(), fields[index].cend(), out);
    }
    *out++ = ' ';
    writeChecksum(out, crc32(QByteArrayView(text.constData(), textSize)));
    text[text.size() - 1] = '\n';
    return text;
}

bool parseLine(const QByteArray &line, QByteArrayList *fields) {
    const qsizetype split = line.lastIndexOf(' ');
    if (split <= 0 || line.size() - split - 1 != checksumDigits) return false;
    const QByteArray text = line.left(split);
    if (line.mid(split + 1) != checksumField(text)) return false;
    *fields = text.split(' ');
    return true;
}

QByteArray encodeBytes(const QByteArray &bytes) { return bytes.toBase64(); }

bool decodeBytes(const QByteArray &field, QByteArray *bytes) {
    const auto result =
        QByteArray::fromBase64Encoding(field, QByteArray::AbortOnBase64DecodingErrors);
    if (!result) return false;
    // The decoder accepts a missing padding; only the exact form we write is valid.
    if (result.decoded.toBase64() != field) return false;
    *bytes = result.decoded;
    return true;
}

bool parseNumber(const QByteArray &field, qint64 *number) {
    if (field.isEmpty() || field.size() > 18) return false;
    if (field.size() > 1 && field.startsWith('0')) return false;
    for (const char c : field)
        if (c < '0' || c > '9') return false;
    *number = field.toLongLong();
    return true;
}

}  // namespace JournalFormat
