#pragma once

#include <QDateTime>
#include <QString>

// How long ago something happened, in words a history bar can show.
namespace FuzzyDate {

// "Just Now" under a minute (and for dates in the future), "1 Minute Ago", "%qi Minutes Ago"
// under eleven minutes, "Today - 9:05 AM" or "Yesterday - 9:05 AM" within 48 hours when the
// day of the month matches, else "January 5, 2024 - 9:05 AM" (patterns in the user's time
// locale, local time).
QString fuzzyDescription(const QDateTime &date,
                         const QDateTime &now = QDateTime::currentDateTime());

}  // namespace FuzzyDate
