#include "journal/JournalFormat.h"

#include <array>

namespace JournalFormat {

namespace {

// The reflected polynomial of CRC-32 (as zlib and PNG use it).
constexpr quint32 polynomial = 0xEDB88320u;

constexpr std::array<quint32, 256> makeTable() {
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 value = i;
        for (int bit = 0; bit < 8; ++bit) value = (value >> 1) ^ ((value & 1) ? polynomial : 0);
        table[i] = value;
    }
    return table;
}

constexpr std::array<quint32, 256> table = makeTable();

constexpr qsizetype checksumDigits = 8;

// The checksum as 8 lower-case hex digits, appended in place: a record is one allocation.
void appendChecksum(QByteArray *text, quint32 crc) {
    static constexpr char digits[] = "0123456789abcdef";
    for (int shift = 4 * (checksumDigits - 1); shift >= 0; shift -= 4)
        text->append(digits[(crc >> shift) & 0xF]);
}

QByteArray checksumField(const QByteArray &text) {
    QByteArray field;
    appendChecksum(&field, crc32(text));
    return field;
}

}  // namespace

quint32 crc32(const QByteArray &data) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray line(const QByteArrayList &fields) {
    qsizetype size = 1 + checksumDigits + 1;
    for (const QByteArray &field : fields) size += field.size() + 1;
    QByteArray text;
    text.reserve(size);
    for (qsizetype index = 0; index < fields.size(); ++index) {
        if (index > 0) text += ' ';
        text += fields[index];
    }
    const quint32 crc = crc32(text);
    text += ' ';
    appendChecksum(&text, crc);
    text += '\n';
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
