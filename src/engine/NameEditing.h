#pragma once

#include <QString>

// Removing and inserting at positions that count UTF-16 code units. A position that falls
// between the two halves of a character outside the Basic Multilingual Plane is moved to the
// character's start, and a removal covers such a character whole, so that no edit ever
// leaves half a character (which no file name can hold) behind.
namespace NameEditing {

// Removes up to length code units starting at the 0-based start, counted from the start of
// the text or, fromEnd, back from its end (start 0 ends the removal at the last character).
// A start at or beyond the end changes nothing.
QString removing(const QString &text, qint64 start, qint64 length, bool fromEnd);

// Inserts at the 0-based start, counted from the start of the text or, fromEnd, back from its
// end (start 0 appends). A start beyond the end inserts nothing.
QString inserting(const QString &text, const QString &insertion, qint64 start, bool fromEnd);

}  // namespace NameEditing
