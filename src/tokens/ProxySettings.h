#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantMap>

// A token's settings menu as data: which sections its type gets, their items and which item
// is checked, and what choosing an item does to the token.
namespace ProxySettings {

inline const QString kMenuTitle = QStringLiteral("Proxy Configuration");

// Settings keys and, for the integer ones, their defaults (a value equal to its default is
// not stored in the token).
inline const QString kNumberOfCharactersKey = QStringLiteral("Number Of Characters");  // 1
inline const QString kExcludeUppercaseKey = QStringLiteral("Exclude A-Z");
inline const QString kExcludeLowercaseKey = QStringLiteral("Exclude a-z");
inline const QString kExcludeDigitsKey = QStringLiteral("Exclude 0-9");
inline const QString kDateFormatKey = QStringLiteral("Date Format");           // 100
inline const QString kTimeFormatKey = QStringLiteral("Time Format");           // 0
inline const QString kFileSizeFormatKey = QStringLiteral("File Size Format");  // 0
inline const QString kDurationFormatKey = QStringLiteral("Duration Format");   // 0
inline const QString kAncestorLevelKey = QStringLiteral("Ancestor Level");     // 1

// The sections in menu order.
enum class Section {
    FileSizeFormat,
    DurationFormat,
    DateFormat,
    TimeFormat,
    CharacterSet,
    AncestorLevel,
    NumberOfCharacters,
};

// One choice: its tag, its title (an English key), an optional suffix shown smaller after it.
struct Item {
    qint64 tag = 0;
    QString title;
    QString suffix;
    bool checked = false;
};

struct MenuSection {
    Section section = Section::FileSizeFormat;
    QString heading;
    QList<Item> items;
};

// The sections the token's type allows, in order; none for a type that cannot be customised
// or a string. Date and time items are titled with now in their format.
QList<MenuSection> sections(const QVariantMap &token, const QDateTime &now);

// The token after choosing the item tagged tag in the section: an integer setting is removed
// when the tag equals its default and stored otherwise; a character pool toggles (its
// exclusion removed when excluded, stored as true otherwise).
QVariantMap tokenWithChoice(const QVariantMap &token, Section section, qint64 tag);

}  // namespace ProxySettings
