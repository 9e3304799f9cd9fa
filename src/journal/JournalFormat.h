#pragma once

#include <QByteArray>
#include <QByteArrayList>

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
// Version 2: the intent to send an item to the Trash, and to bring one back from it.
inline constexpr char trashKind[] = "trash";
inline constexpr char restoreKind[] = "restore";
inline constexpr char doneKind[] = "done";
inline constexpr char closedKind[] = "closed";
inline constexpr char undoneKind[] = "undone";

// The version written. Version 3 gives planned moves the device and inode of their item, so
// that recovery can tell from the disk which of them were made; versions 1 (moves only) and
// 2 (no identities in the plan) are still read.
inline constexpr char version[] = "3";
inline constexpr char secondVersion[] = "2";
inline constexpr char firstVersion[] = "1";

// The header's run kinds: a rename run, or the undo of an earlier journal.
inline constexpr char runJournal[] = "run";
inline constexpr char undoJournal[] = "undo";

quint32 crc32(QByteArrayView data);

// The line of a record, line feed included. Fields must not hold spaces or line feeds.
QByteArray line(const QByteArrayList &fields);

// The fields of one line given without its line feed; false when the checksum does not match
// or the line has no fields.
bool parseLine(const QByteArray &line, QByteArrayList *fields);

QByteArray encodeBytes(const QByteArray &bytes);
// Strict base64; false for anything else.
bool decodeBytes(const QByteArray &field, QByteArray *bytes);

// A decimal number of the whole field, without sign or leading zeros' ambiguity; false else.
bool parseNumber(const QByteArray &field, qint64 *number);

}  // namespace JournalFormat
