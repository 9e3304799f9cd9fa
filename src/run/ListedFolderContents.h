#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>

#include "records/ZKFileRepresentation.h"

// Which listed records lie inside which folder, by exact native paths, so that when a folder
// moves during a rename run the records inside it follow in time proportional to their
// number, not to the length of the list.
class ListedFolderContents {
public:
    // Indexes the records by their current paths. Linear in the records (each folder on the
    // way up to the root is entered once).
    explicit ListedFolderContents(const QList<ZKFileRepresentationPtr> &records);

    // The folder at oldPath is now at newPath: every indexed record inside it, at any depth,
    // gets that leading part of its path replaced (setNativePath keeps its original path).
    void folderDidMove(const QByteArray &oldPath, const QByteArray &newPath);

private:
    // Indexes the record; answers its folder's list (null for a path without a folder) and
    // sets *recordFolder to the folder.
    QList<ZKFileRepresentationPtr> *add(const ZKFileRepresentationPtr &record,
                                        QByteArray *recordFolder);
    // Re-keys one folder's entries under its new path and queues its subfolders.
    void moveEntries(const QByteArray &oldFolder, const QByteArray &newFolder,
                     QList<std::pair<QByteArray, QByteArray>> *pending);

    // Records directly inside a folder.
    QHash<QByteArray, QList<ZKFileRepresentationPtr>> recordsIn_;
    // Names of the subfolders of a folder that lead to indexed records (listed or not).
    QHash<QByteArray, QSet<QByteArray>> subfoldersIn_;
};
