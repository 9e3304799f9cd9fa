#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The words shell completion offers, one a line, from a hidden command
// (`torvane-cli __complete WHAT`) so that the bash, zsh and fish scripts never fall out of
// step with the program: commands, a command's options, the choices of an option, the token
// display names.
namespace CompletionWords {

inline const QString kCommand = QStringLiteral("__complete");

// The options a command's help names, in order of first appearance.
QStringList optionsOf(const QString &usage);
// The values an option takes, empty for a free value.
QStringList choicesOf(const QString &option);

// `__complete commands | options COMMAND | choices OPTION | tokens`.
int print(const QStringList &arguments, QTextStream &out, QTextStream &err);

}  // namespace CompletionWords
