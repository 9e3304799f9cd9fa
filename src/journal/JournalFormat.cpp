#include "journal/JournalFormat.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>

#include "journal/FoldedCrc32.h"

namespace JournalFormat {

namespace {

constexpr qsizetype checksumDigits = 8;

// The checksum as 8 lower-case hex digits, written at `out`.
void writeChecksum(char *out, quint32 crc) {
    static constexpr char digits[] = "0123456789abcdef";
    for (qsizetype digit = checksumDigits - 1; digit >= 0; --digit, crc >>= 4)
        out[digit] = digits[crc & 0xF];
}

constexpr char base64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The two characters of every 12 bits: three bytes take two look-ups instead of four. Every
// plan line holds two paths in base64, and the plan is written before the first move.
struct Base64Pairs {
    char pair[4096][2];
    constexpr Base64Pairs() : pair() {
        for (int bits = 0; bits < 4096; ++bits) {
            pair[bits][0] = base64Alphabet[bits >> 6];
            pair[bits][1] = base64Alphabet[bits & 63];
        }
    }
};
constexpr Base64Pairs base64Pairs;

// Standard base64 with padding, as QByteArray::toBase64 writes it: 4 characters for every 3
// bytes or fewer, written at `to`.
void writeBase64(char *to, QByteArrayView raw) {
    const auto *in = reinterpret_cast<const unsigned char *>(raw.data());
    qsizetype left = raw.size();
    for (; left >= 3; left -= 3, in += 3, to += 4) {
        const quint32 group = quint32(in[0]) << 16 | quint32(in[1]) << 8 | in[2];
        std::memcpy(to, base64Pairs.pair[group >> 12], 2);
        std::memcpy(to + 2, base64Pairs.pair[group & 4095], 2);
    }
    if (left > 0) {
        const quint32 group = quint32(in[0]) << 16 | (left == 2 ? quint32(in[1]) << 8 : 0);
        to[0] = base64Alphabet[group >> 18];
        to[1] = base64Alphabet[(group >> 12) & 63];
        to[2] = left == 2 ? base64Alphabet[(group >> 6) & 63] : '=';
        to[3] = '=';
    }
}

}  // namespace

quint32 crc32(QByteArrayView data) {
    // zlib's CRC-32 (the reflected polynomial 0xEDB88320, as PNG uses it); the whole blocks of
    // 16 bytes of a long record go faster by carry-less multiplication. Records are far below
    // the size zlib's length type can take.
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    auto size = size_t(data.size());
    quint32 crc = 0;
    if (size >= 64 && FoldedCrc32::isAvailable()) {
        const size_t blocks = size & ~size_t(15);
        crc = FoldedCrc32::extend(crc, bytes, blocks);
        bytes += blocks;
        size -= blocks;
    }
    return quint32(::crc32_z(crc, bytes, size));
}

RecordWriter::RecordWriter(QByteArray &out, QByteArrayView kind)
    : out_(out), start_(out.size()), end_(out.size()) {
    // std::copy, not memcpy: an empty view may have no data at all.
    std::copy(kind.begin(), kind.end(), room(kind.size()));
}

void RecordWriter::grow(qsizetype size) {
    // The buffer is made larger ahead, to all the room it has, and cut to the record at its
    // end: a resize costs more than a field's bytes.
    out_.resize(qMax(end_ + qMax<qsizetype>(size, 256), out_.capacity()));
}

RecordWriter &RecordWriter::text(QByteArrayView field) {
    char *to = room(1 + field.size());
    *to = ' ';
    std::copy(field.begin(), field.end(), to + 1);
    return *this;
}

RecordWriter &RecordWriter::number(quint64 value) {
    // Written in place with room for the longest number, the rest given back.
    constexpr qsizetype longest = 1 + 20;
    char *to = room(longest);
    *to = ' ';
    const char *last = std::to_chars(to + 1, to + longest, value).ptr;
    end_ -= longest - (last - to);
    return *this;
}

RecordWriter &RecordWriter::bytes(QByteArrayView raw) {
    *room(1) = ' ';
    writeBase64(room(4 * ((raw.size() + 2) / 3)), raw);
    return *this;
}

void RecordWriter::end() {
    const quint32 crc = crc32(QByteArrayView(out_.constData() + start_, end_ - start_));
    char *to = room(1 + checksumDigits + 1);
    to[0] = ' ';
    writeChecksum(to + 1, crc);
    to[1 + checksumDigits] = '\n';
    out_.resize(end_);
}

QByteArray line(const QByteArrayList &fields) {
    QByteArray text;
    RecordWriter record(text, fields.value(0));
    for (qsizetype index = 1; index < fields.size(); ++index) record.text(fields[index]);
    record.end();
    return text;
}

std::optional<QByteArrayView> checkedText(QByteArrayView line) {
    // Checked in place: every start of a rename reads the ends of every kept journal.
    const void *space = line.isEmpty() ? nullptr : ::memrchr(line.data(), ' ', size_t(line.size()));
    const qsizetype split = space ? static_cast<const char *>(space) - line.data() : -1;
    if (split <= 0 || line.size() - split - 1 != checksumDigits) return std::nullopt;
    char checksum[checksumDigits];
    writeChecksum(checksum, crc32(line.first(split)));
    if (std::memcmp(checksum, line.data() + split + 1, checksumDigits) != 0) return std::nullopt;
    return line.first(split);
}

bool parseLine(const QByteArray &line, QByteArrayList *fields) {
    const std::optional<QByteArrayView> text = checkedText(line);
    if (!text) return false;
    *fields = text->toByteArray().split(' ');
    return true;
}

QByteArray encodeBytes(const QByteArray &bytes) {
    QByteArray field(4 * ((bytes.size() + 2) / 3), Qt::Uninitialized);
    writeBase64(field.data(), bytes);
    return field;
}

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
