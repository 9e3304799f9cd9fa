#pragma once

#include <QDateTime>
#include <QString>

class ZKFileRepresentation;
class UserDefaults;

// The detail line of a list row and which detail a row shows (modes 0 to 5: path, creation
// date, modification date, comment, size, extension and type).
namespace CellDetailText {

enum Mode : quint64 {
    PathMode = 0,
    CreationDateMode = 1,
    ModificationDateMode = 2,
    CommentMode = 3,
    SizeMode = 4,
    TypeMode = 5,
};

inline const QString AllowFileSelectionKey = QStringLiteral("Allow File Selection");
inline const QString ListLayoutKey = QStringLiteral("List Layout");
inline const QString DetailModeKey = QStringLiteral("List Layout: Detail Mode");
// The "List Layout" whose rows carry a detail line.
inline constexpr qint64 DetailLayout = 2;

// The detail that shows what the list is sorted by: strategies 2 to 6 give modes 1 to 5,
// every other strategy the path.
quint64 modeForSortStrategy(int strategy);

// The list's detail mode: the chosen detail mode when rows can be selected, the layout has a
// detail line and a mode was chosen (not negative; a mode above 5 reads as the path);
// otherwise the mode of the primary sort strategy.
quint64 cellDisplayModeFor(bool listAllowsSelection, qint64 listLayout, qint64 detailMode,
                           int primaryStrategy);
// The same with the three user defaults read from the store ("Allow File Selection" reads as
// YES and "List Layout: Detail Mode" as -1 while they are not set).
quint64 cellDisplayMode(const UserDefaults &defaults, int primaryStrategy);

// The detail line of a record in a mode; modes above 5 show the path.
//  0: the readable path
//  1: "Created: March 5, 2024; 3:07 PM", or "Created: (Unknown)" for an unknown date
//  2: "Modified: ...", the same way
//  3: "Comment: ..." or "Comment: (None)"
//  4: "Size: 1.2 MB (1234567 Bytes)", the size as tokens show it
//  5: folders "Extension: (None) | Type: (Folder)" (or "(Package)"); files
//     "Extension: txt | Type: (None) | Creator: (None)". Extensions are alphanumeric ones.
QString detailText(const ZKFileRepresentation &record, quint64 mode);

// A date in the calendar format "%B %1d, %Y; %1I:%M %p" in the local time zone: the month's
// full name, the day and 12-hour clock without leading zero, the minutes with one, and the
// AM/PM text, names taken from the default QLocale. "(Unknown)" for an invalid date or the
// distant past.
QString calendarDate(const QDateTime &date);

}  // namespace CellDetailText
