#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

// The text form of run journals. A journal is a sequence of lines, one record each: fields
// separated by single spaces, then the CRC-32 of everything before it as 8 lower-case hex
// digits, then a line feed. A line is therefore self-delimiting and self-checking: a record
// cut short by a crash lacks its line feed or fails its checksum. Paths are base64 of their
// exact bytes, so any name a file system stores survives the round trip.
namespace JournalFormat {

// Record kinds, the first field of every line.
inline constexpr char headerKind[] = "torvane-journal";
inline constexpr char planKind[] = "plan";
inline constexpr char intentKind[] = "intent";
// Version 4: the intent of a planned move made as planned, by its place in the plan.
inline constexpr char asPlannedKind[] = "as-planned";
// Version 2: the intent to send an item to the Trash, and to bring one back from it.
inline constexpr char trashKind[] = "trash";
inline constexpr char restoreKind[] = "restore";
inline constexpr char doneKind[] = "done";
inline constexpr char closedKind[] = "closed";
inline constexpr char undoneKind[] = "undone";

// The version written. Version 3 gives planned moves the device and inode of their item, so
// that recovery can tell from the disk which of them were made; version 4 names a planned move
// made as planned by its place in the plan instead of by its two paths. Versions 1 (moves
// only), 2 (no identities in the plan) and 3 are still read.
inline constexpr char version[] = "4";
inline constexpr char thirdVersion[] = "3";
inline constexpr char secondVersion[] = "2";
inline constexpr char firstVersion[] = "1";

// The header's run kinds: a rename run, or the undo of an earlier journal.
inline constexpr char runJournal[] = "run";
inline constexpr char undoJournal[] = "undo";

quint32 crc32(QByteArrayView data);

// Appends one record to a buffer, field by field, without a copy per field: a run writes a
// record or two for every item, and the plan one per planned move.
class RecordWriter {
public:
    RecordWriter(QByteArray &out, QByteArrayView kind);
    // A field as it is; it must not hold spaces or line feeds.
    RecordWriter &text(QByteArrayView field);
    RecordWriter &number(quint64 value);
    // Bytes as base64, as encodeBytes gives them.
    RecordWriter &bytes(QByteArrayView raw);
    // The checksum and the line feed; the record is whole after this.
    void end();

private:
    // `size` more bytes at the end of the record, to be filled. Until end() the buffer may
    // hold unfilled bytes after the record.
    char *room(qsizetype size) {
        if (end_ + size > out_.size()) grow(size);
        char *to = out_.data() + end_;
        end_ += size;
        return to;
    }
    void grow(qsizetype size);
    QByteArray &out_;
    qsizetype start_;
    qsizetype end_;
};

// The line of a record, line feed included. Fields must not hold spaces or line feeds.
QByteArray line(const QByteArrayList &fields);

// The text of one line given without its line feed, its checksum cut off; none when the
// checksum does not match or the line has no fields.
std::optional<QByteArrayView> checkedText(QByteArrayView line);
// Its fields; false where checkedText has none.
bool parseLine(const QByteArray &line, QByteArrayList *fields);

QByteArray encodeBytes(const QByteArray &bytes);
// Strict base64; false for anything else.
bool decodeBytes(const QByteArray &field, QByteArray *bytes);

// A decimal number of the whole field, without sign or leading zeros' ambiguity; false else.
bool parseNumber(const QByteArray &field, qint64 *number);

}  // namespace JournalFormat
