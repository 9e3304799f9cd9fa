#pragma once

#include <QDateTime>
#include <QString>

namespace CalendarFormat {

// The date moved by offset seconds, written with strftime directives ("%Y-%m-%d %H.%M") in
// the local time zone, with the month and weekday names of the LC_TIME locale. "" for an
// invalid date or a result too long for a name.
QString descriptionWithCalendarFormat(const QDateTime &date, const QString &format, qint64 offset);

}  // namespace CalendarFormat
