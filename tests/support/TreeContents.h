#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QString>
#include <algorithm>

// What a folder holds, to check that a rename run lost and duplicated nothing.

// Every file below the folder (hidden ones included) by its path relative to the folder.
inline QMap<QString, QByteArray> filesUnder(const QString &folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(base.relativeFilePath(path), file.readAll());
    }
    return files;
}

// The contents of every file below the folder, sorted: equal before and after a run when
// nothing was lost or duplicated.
inline QList<QByteArray> sortedContentsUnder(const QString &folder) {
    QList<QByteArray> contents = filesUnder(folder).values();
    std::sort(contents.begin(), contents.end());
    return contents;
}
