#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>

// What the droplet program and the service provider share as programs: an application object
// (a graphical one where there is a display, for the beep), failures reported as one log line
// and a beep, and path arguments taken as the exact bytes they arrived as.
namespace HelperShell {

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv);

// Logs the line and sounds the desktop's beep; answers the exit status of a failure.
int fail(const QString &message);

// The paths among argv[from..argc), absolute. A name that is not valid UTF-8 cannot travel in
// a relay file; it is left out with a log line and *skipped counts it.
QStringList pathArguments(int argc, char **argv, int from, int *skipped);

// The path list as log lines show it.
QString described(const QStringList &paths);

}  // namespace HelperShell
