#pragma once

#include <QFileInfo>
#include <QStringList>

// PATH arguments as the controller takes them: relative paths are taken from the working
// folder.
inline QStringList absolutePaths(const QStringList &paths) {
    QStringList absolute;
    for (const QString &path : paths) absolute << QFileInfo(path).absoluteFilePath();
    return absolute;
}
