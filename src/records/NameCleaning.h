#pragma once

#include <QString>
#include <QStringList>

// The cleaning every new name goes through before it is stored: line breaks removed, tabs
// and slashes replaced (a slash cannot be part of a file name).
namespace NameCleaning {

inline const QString kRemovedLineBreak = QStringLiteral("Removed line break");
inline const QString kRemovedLineBreaks = QStringLiteral("Removed line breaks");
inline const QString kReplacedTab = QStringLiteral("Replaced tab with space");
inline const QString kReplacedSlash =
    QStringLiteral("Replaced slash with colon to make Unix happy");

struct Result {
    QString name;
    // One warning per kind of replacement made, in the order of the replacements.
    QStringList warnings;
};

// Removes every "\n" and "\r", turns every tab into a space and every "/" into ":".
Result clean(const QString &name);

// The same replacements without warnings (names of presets and snippets).
QString cleanedFilename(const QString &name);

}  // namespace NameCleaning
