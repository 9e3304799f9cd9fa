#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "common/Translations.h"

// Help and errors shared by every command: `--help` anywhere on a command line, the
// version, and the short report of a bad command line (the error, the usage line and where
// to read more) that ends with exit status 2.
namespace CommandHelp {

// The program's own messages, in the session's language.
TORVANE_NAMESPACE_TR(CommandHelp)

inline constexpr int kBadInput = 2;

// Help texts are blocks of English marked with QT_TRANSLATE_NOOP("CommandHelp", ...). The
// English is what completion, the usage lines and the manual's test read, so it stays the
// source whatever the session's language; people read each block translated.
enum class Language { English, Translated };

// The block in the language asked for (a block without translation stays English).
QString block(const char *english, Language language);

// "torvane-cli VERSION", the version of the build.
QString versionLine();

// Whether the arguments ask for help (-h or --help before a "--").
bool asksForHelp(const QStringList &arguments);

// The "usage:" lines at the top of a command's English usage text.
QString usageLines(const QString &usage);

// The usage lines of the English usage text, translated: they are a block of their own.
QString translatedUsageLines(const QString &usage);

// Writes "torvane-cli COMMAND: MESSAGE", the usage lines of the English usage text
// (translated) and a pointer to --help on err; answers kBadInput.
int reportBadInput(QTextStream &err, const QString &command, const QString &message,
                   const QString &usage);

}  // namespace CommandHelp
