#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Desktop entries (launchers, service menus, file-manager actions): their values, the quoting
// of their Exec lines, and the shell quoting that file managers undo with their own parser.
namespace DesktopEntry {

using Group = QMap<QString, QString>;

// The groups of a desktop entry, keyed by name, their values unescaped ("\s", "\n", "\t",
// "\r", "\\"). Comments, blank lines and lines without "=" are skipped; a key repeated in a
// group keeps its last value.
QMap<QString, Group> parse(const QByteArray &content);

// A value as a desktop entry stores it: backslashes, line breaks, tabs and a leading space
// escaped, so one value stays one line.
QString escapeValue(const QString &value);

// One argument of an Exec line, double-quoted with the characters desktop entries reserve
// escaped, and "%" doubled so no part of a path can act as a field code. The result still
// goes through escapeValue() when written.
QString quoteExecArgument(const QString &argument);

// One word for a POSIX shell or for GLib's g_shell_parse_argv: single quotes, a single quote
// inside written as '\''.
QString shellQuote(const QString &word);

// "key=value" lines under "[group]".
QString groupText(const QString &group, const QList<QPair<QString, QString>> &entries);

}  // namespace DesktopEntry
