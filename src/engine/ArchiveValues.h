#pragma once

#include <QVariant>
#include <optional>

// Reading single values out of a step archive. Only property-list numbers (booleans,
// integers, reals) count: a string where a number is expected is of the wrong kind.
namespace ArchiveValues {

// The value's boolean value, or nothing when it is not a number.
std::optional<bool> boolValue(const QVariant &value);

// The value's integer value (reals truncated toward zero, saturating), or nothing when it
// is not a number.
std::optional<qint64> int64Value(const QVariant &value);

// The value's integer value read back as a 32-bit signed integer (the low 32 bits,
// sign-extended, so 2^32 + 1 reads as 1), or nothing when it is not a number.
std::optional<qint32> int32Value(const QVariant &value);

// The same with a fallback for a missing or wrong-kind value.
bool boolValue(const QVariant &value, bool fallback);
qint32 int32Value(const QVariant &value, qint32 fallback);

// Property-list equality: numbers (booleans included) by value, strings, arrays and
// dictionaries by content; a string never equals a number.
bool isEqual(const QVariant &a, const QVariant &b);

}  // namespace ArchiveValues
