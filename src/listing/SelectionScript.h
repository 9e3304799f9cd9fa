#pragma once

#include <QString>
#include <QStringList>

// The file manager's current selection, read by a script of the user's: no file manager on
// Linux tells its selection in a common way, so the user supplies a program that prints the
// selected items, one absolute path per line.
//
// The script is the executable file "File Manager Selection" in the "Scripts" folder of the
// application support folder (normally ~/.local/share/Torvane/Scripts/). It is run directly,
// never through a shell, without arguments and with no input, and must finish within the
// time limit.
namespace SelectionScript {

inline constexpr char scriptName[] = "File Manager Selection";
// Milliseconds the script may run before it is ended.
inline constexpr int defaultTimeout = 10000;

struct Result {
    bool ok = false;
    // The selected paths, in the order printed.
    QStringList paths;
    // What went wrong, for the user (where to put the script when it is missing).
    QString error;
};

// Where the script is expected.
QString scriptPath();

// Runs the script and reads its output.
Result run(int timeoutMilliseconds = defaultTimeout);

// The script's output cut at "\n", empty lines dropped; nothing else is trimmed, since a
// name may end in a space.
QStringList pathsFromScriptResult(const QString &output);

}  // namespace SelectionScript
