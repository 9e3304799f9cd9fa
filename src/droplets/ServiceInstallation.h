#pragma once

#include <QString>

// A service as the user makes and removes it: the definition folder and the file-manager
// actions that reach it, always together.
namespace ServiceInstallation {

// Replaces whatever service is at the folder's path and writes the new one with its actions.
// Answers "" on success; else the problem. A folder at the path that is no service definition,
// or any other item there, is never removed: that is a problem too.
QString create(const QString &folder, const QString &userData, const QString &providerProgram);

// Removes the definition folder and all its actions; "" or the problem.
QString remove(const QString &folder);

}  // namespace ServiceInstallation
