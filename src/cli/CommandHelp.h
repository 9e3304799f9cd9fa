#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// Help and errors shared by every command: `--help` anywhere on a command line, the
// version, and the short report of a bad command line (the error, the usage line and where
// to read more) that ends with exit status 2.
namespace CommandHelp {

inline constexpr int kBadInput = 2;

// "torvane-cli VERSION", the version of the build.
QString versionLine();

// Whether the arguments ask for help (-h or --help before a "--").
bool asksForHelp(const QStringList &arguments);

// The "usage:" lines at the top of a command's usage text.
QString usageLines(const QString &usage);

// Writes "torvane-cli COMMAND: MESSAGE", the usage lines and a pointer to --help on err;
// answers kBadInput.
int reportBadInput(QTextStream &err, const QString &command, const QString &message,
                   const QString &usage);

}  // namespace CommandHelp
