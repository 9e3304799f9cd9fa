#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantMap>

// Dates as tokens show them, and the one "current date" that every file of a computation sees.
namespace DateDescription {

inline const QString kDateFormatKey = QStringLiteral("Date Format");  // default 100
inline const QString kTimeFormatKey = QStringLiteral("Time Format");  // default 0

// The canonical current date: the first request stores the current time, later requests
// answer the same date. With reset the stored date is dropped and an invalid date answered.
QDateTime resetCanonicalCurrentDate(bool reset);

// The date in the settings' "Date Format" (100 when absent) and "Time Format" (0 when
// absent), offset 0.
QString descriptionWithSettings(const QDateTime &date, const QVariantMap &settings);

// Date format 0 none, 1-4 the locale's short..full style, 100 "yyyy-MM-dd", 101 "yyyy-MM",
// 102 "yyyy"; time format 0 none, 1-4 the styles, 100 "HH-mm-ss", 101 "HH-mm". The date is
// moved by offset seconds first and shown in the local time zone. Styles 1-4 are those of the
// LC_TIME locale, or of the preferred language (styleLocaleIdentifier). Every ":" becomes "'";
// "" when nothing can be produced.
QString descriptionWithDateStyle(const QDateTime &date, qint64 dateFormat, qint64 timeFormat,
                                 qint64 offset);

// The locale whose styles 1-4 are used: the preferred language's locale when it differs from
// the current locale, ICU has data for it and both use the same clock (12 or 24 hours);
// otherwise the current locale. Names as the environment gives them ("de_DE", "en-US", "").
QString styleLocaleIdentifier(const QString &preferredLanguage, const QString &currentLocale);

}  // namespace DateDescription
