#pragma once

#include <QString>
#include <QtGlobal>

// How sequence values are written: decimal with zero padding, roman numerals and letters
// (bijective base 26), and the way a typed first number or start value is read back.
namespace SequenceNotation {

// Upper-case roman numerals by greedy subtraction, with no upper bound (4000 gives "MMMM");
// 0 gives "-", a negative value "-" and the numeral of its magnitude. Magnitudes whose
// numeral could never fit in a file name (more than 10,000 "M") are written in decimal
// instead, so that a huge first number cannot exhaust memory.
QString romanNumeralsStringWithInteger(qint64 value);

// Upper-case letters in bijective base 26 (1 "A", 26 "Z", 27 "AA", 703 "AAA"); 0 gives "-",
// a negative value "-" and the letters of its magnitude.
QString letterStringWithInteger(qint64 value);

// The value in the notation of a sequence type: 10 roman, 11 roman in lower case unless
// upper case is enforced, 100 letters, 101 letters in lower case unless enforced; any other
// type decimal.
QString stringWithInteger(qint64 value, int sequenceType, bool enforceUppercase);

// Reads a first number or start value. A leading decimal integer (blanks skipped, optional
// sign, saturating at the 64-bit limits) wins when it is not 0. Otherwise, for the roman and
// letter types only, the trimmed text in either case (optionally after "-") is read when it
// is the canonical rendering of a value up to 9999 ("IIII" and "ABCDEFG" give 0). Anything
// else gives 0.
qint64 integerValueForSequenceType(const QString &string, int sequenceType);

// The leading decimal integer of a string as described above; 0 when there is none.
qint64 leadingInteger(const QString &string);

// The value in decimal with at least `digits` characters, zero-padded after any minus sign
// ("%0*lld"). Padding beyond 255 characters, longer than any file name, is not applied.
QString paddedDecimal(qint64 value, qint64 digits);

// Characters of the decimal rendering, a minus sign included.
qint64 decimalLength(qint64 value);

}  // namespace SequenceNotation
