#pragma once

#include <QString>
#include <QVariant>

// Numbers, sizes and durations as tokens and the file list show them.
namespace NumberFormatting {

inline const QString kDisableGroupingSeparatorKey =
    QStringLiteral("Numbers: Disable Grouping Separator");
inline const QString kLeaveUnlocalizedKey = QStringLiteral("Numbers: Leave Unlocalized");

// Fixed width "%02qu'%02qu'%02qu" (hours uncapped); variable width: "59", "1'01", "1'02'05".
QString durationStringWithSeconds(quint64 seconds, bool fixedWidth);

// Powers of 1000: 0 "-", 999 "999 Bytes", 1500 "1.5 KB", 2345678901 "2.35 GB".
QString fileSizeDescriptionWithBytesCount(quint64 bytes);
// The same; the number alone when overall > 0 has the same unit (progress texts).
QString partialFileSizeDescriptionWithBytesCount(quint64 bytes, quint64 overallBytes);

// The shared decimal formatter of the LC_NUMERIC locale (half up, grouping unless disabled,
// "." and "," when left unlocalised; the two user defaults are read once per process). Only
// numbers and booleans (0 or 1) are formatted: an invalid QVariant or a string gives "".
// Fraction digits: at most digits, at least 0 with trim, else digits.
QString stringWithNumber(const QVariant &number, int numberOfFractionDigits, bool trim);
QString stringWithDouble(double value, int numberOfFractionDigits, bool trim);
QString stringWithInteger(qint64 value);
QString stringWithUnsignedInteger(quint64 value);

// Forgets the shared formatter so the next use reads the user defaults again (tests).
void resetSharedFormatter();

}  // namespace NumberFormatting
