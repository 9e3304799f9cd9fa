#pragma once

#include <QString>
#include <QStringList>

// Torvane's programs find each other beside themselves first (an installation, or a build
// folder), then on PATH, and start each other with argument lists: never through a shell.
namespace HelperPrograms {

// The executable `name` in the folder of the running program, when there is one.
QString besideThisProgram(const QString &name);
// The executable `name` on PATH; "" when there is none.
QString onPath(const QString &name);
// Beside, else on PATH; "" when neither.
QString locate(const QString &name);

// Starts the program on its own (it outlives the caller); false and *error when it cannot be
// started.
bool startDetached(const QString &program, const QStringList &arguments, QString *error);

}  // namespace HelperPrograms
