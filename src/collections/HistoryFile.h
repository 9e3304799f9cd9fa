#pragma once

#include <QString>
#include <QVariantList>

// "History.plist" in the application support folder: an XML property-list array of history
// items, oldest first. The window and the command line may record at the same moment, so every
// read-modify-write holds an exclusive lock on "History.plist.lock" beside it.
namespace HistoryFile {

inline const QString kRenamers = QStringLiteral("Renamers");
inline const QString kCounter = QStringLiteral("Counter");
inline const QString kTimestampFirst = QStringLiteral("Timestamp: First");
inline const QString kTimestampMostRecent = QStringLiteral("Timestamp: Most Recent");

// The history file of the application support folder.
QString path();

// Holds the lock file's exclusive lock (flock) for its lifetime; waits for another process to
// let go. Without a lock file (an unwritable folder) it holds nothing and says so.
class Lock {
public:
    explicit Lock(const QString &historyPath);
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;
    bool isHeld() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The items of the file; empty when it is missing. A file that is no property-list array, too
// large or unreadable is renamed to "History.plist.damaged-<UTC time>[ N]" with a log line, so the
// next save neither trips over it nor destroys it. Items that are no dictionary with an array
// of "Renamers" are dropped with a log line; the others are kept.
QVariantList load(const QString &path);

// Writes the items atomically as XML; false with a log-ready *error on failure.
bool save(const QString &path, const QVariantList &items, QString *error);

}  // namespace HistoryFile
