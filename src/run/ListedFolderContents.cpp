#include "run/ListedFolderContents.h"

#include "common/NativePath.h"

namespace {

using NativePath::folderOf;
using NativePath::joined;
using NativePath::lastComponentOf;

}  // namespace

ListedFolderContents::ListedFolderContents(const QList<ZKFileRepresentationPtr> &records) {
    recordsIn_.reserve(records.size());
    // The previous record's folder list; only add() inserts folders, and it hands out the
    // list anew, so the pointer never outlives an insertion.
    QByteArray lastFolder;
    QList<ZKFileRepresentationPtr> *lastRecords = nullptr;
    for (const ZKFileRepresentationPtr &record : records) {
        // A list keeps a folder's items together: those after the first need no look-up.
        if (lastRecords && NativePath::folderViewOf(record->nativePath()) == lastFolder)
            lastRecords->append(record);
        else
            lastRecords = add(record, &lastFolder);
    }
}

QList<ZKFileRepresentationPtr> *ListedFolderContents::add(const ZKFileRepresentationPtr &record,
                                                          QByteArray *recordFolder) {
    QByteArray folder = folderOf(record->nativePath());
    if (folder.isEmpty()) return nullptr;
    *recordFolder = folder;
    QList<ZKFileRepresentationPtr> *records = &recordsIn_[folder];
    records->append(record);
    // Link the folder to its parents until a link already known: every folder once.
    while (folder != "/") {
        const QByteArray parent = folderOf(folder);
        if (parent.isEmpty()) return records;
        QSet<QByteArray> &subfolders = subfoldersIn_[parent];
        const QByteArray name = lastComponentOf(folder);
        if (subfolders.contains(name)) return records;
        subfolders.insert(name);
        folder = parent;
    }
    return records;
}

void ListedFolderContents::folderDidMove(const QByteArray &oldPath, const QByteArray &newPath) {
    if (oldPath == newPath || oldPath.isEmpty() || newPath.isEmpty()) return;
    // The moved folder leaves its old parent's subfolders and joins its new parent's.
    const QByteArray oldParent = folderOf(oldPath);
    const auto siblings = subfoldersIn_.find(oldParent);
    if (siblings == subfoldersIn_.end() || !siblings->remove(lastComponentOf(oldPath))) return;
    subfoldersIn_[folderOf(newPath)].insert(lastComponentOf(newPath));

    QList<std::pair<QByteArray, QByteArray>> pending{{oldPath, newPath}};
    while (!pending.isEmpty()) {
        const auto [oldFolder, newFolder] = pending.takeLast();
        moveEntries(oldFolder, newFolder, &pending);
    }
}

void ListedFolderContents::moveEntries(const QByteArray &oldFolder, const QByteArray &newFolder,
                                       QList<std::pair<QByteArray, QByteArray>> *pending) {
    const QList<ZKFileRepresentationPtr> records = recordsIn_.take(oldFolder);
    for (const ZKFileRepresentationPtr &record : records)
        record->setNativePath(joined(newFolder, lastComponentOf(record->nativePath())));
    if (!records.isEmpty()) recordsIn_[newFolder].append(records);

    const QSet<QByteArray> subfolders = subfoldersIn_.take(oldFolder);
    if (subfolders.isEmpty()) return;
    subfoldersIn_[newFolder].unite(subfolders);
    for (const QByteArray &name : subfolders)
        pending->append({joined(oldFolder, name), joined(newFolder, name)});
}
