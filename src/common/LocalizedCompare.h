#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// The localized standard comparison, the order the file manager gives names: case-insensitive,
// accent-sensitive, digit runs compared by their numeric value ("file2" before "file10"), and
// otherwise following the collation of the user's locale (the root collation when the locale
// has none). Safe to call from any thread.
namespace LocalizedCompare {

// <0 when a sorts before b, 0 when the comparison cannot tell them apart, >0 otherwise.
int compare(const QString &a, const QString &b);

// A binary key for a string: comparing two keys byte by byte (QByteArray's operators) gives
// the same order as compare(). Making the keys once and comparing them is much cheaper than
// compare() when a long list is sorted.
QByteArray sortKey(const QString &string);

// Appends the key of a string (as sortKey gives it) to the keys and hands out its size: a
// list's keys then share one buffer instead of taking an allocation each.
qsizetype appendSortKey(const QString &string, std::vector<uint8_t> *keys);

}  // namespace LocalizedCompare
