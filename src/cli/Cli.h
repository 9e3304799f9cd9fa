#pragma once

#include <QStringList>
#include <QTextStream>

// Runs one torvane-cli command with its arguments (without the program name), writing to the
// given streams; answers the exit status.
int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err);
