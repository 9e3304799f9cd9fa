#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Locks on the folders a rename run moves items in, so that two runs (two programs, the
// command line beside the window, two users) never interleave their moves in one folder.
// Each lock is an flock on the folder itself: nothing is created in the user's folders, and
// a lock dies with its process. A folder that cannot be opened (no read permission) is left
// unlocked: its moves are checked one by one all the same.
class FolderLocks {
public:
    FolderLocks() = default;
    ~FolderLocks();
    FolderLocks(const FolderLocks &) = delete;
    FolderLocks &operator=(const FolderLocks &) = delete;

    // Locks every folder (each once, in a fixed order). False when another process holds one
    // of them: *busyFolder names it and nothing stays locked.
    bool lock(const QList<QByteArray> &folders, QByteArray *busyFolder);
    void unlock();

private:
    QList<int> descriptors_;
};
