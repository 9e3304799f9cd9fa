#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The file operations under run journals: durable creation under a fresh name, locking, and
// appends that either land whole or are taken back.
namespace JournalFile {

// A new journal while its first records are written: a temporary file in `folder`. Each
// piece written is on its way to the disk at once, so that little is left to wait for when
// the journal is published. One never published is removed.
class Draft {
public:
    explicit Draft(const QString &folder);
    ~Draft();
    Draft(const Draft &) = delete;
    Draft &operator=(const Draft &) = delete;

    // Appends a piece; false with *error when it, or an earlier piece, could not be written.
    bool write(QByteArrayView piece, QString *error);
    // Flushes the file, gives it the first free name that nameForAttempt(0, 1, ...) offers
    // (never replacing a file) and flushes the folder, so the journal exists whole or not at
    // all. Answers the open, locked descriptor (the caller's from then on) and its path, or -1
    // with *error.
    int publish(const std::function<QString(int)> &nameForAttempt, QString *path, QString *error);
    // The bytes written so far.
    qint64 length() const { return length_; }

private:
    QString folder_;
    QByteArray temporary_;
    int descriptor_ = -1;
    qint64 length_ = 0;
    QString error_;
};

// Opens an existing journal for writing and takes its lock; -1 with *error when it cannot
// be opened or another process holds the lock (a run that is still going).
int openLocked(const QString &path, QString *error);

// Takes the lock that lets one recovery at a time work on the journals of `folder`; the
// descriptor to close when done, or -1 with *error when another recovery holds it.
int lockRecovery(const QString &folder, QString *error);

// Whether a live process holds the journal's lock.
bool isLocked(const QString &path);

// Appends at `*length` (the end of the whole records); with `sync` the data is on disk
// before it returns. A failed write is cut off again, so the file never keeps half a record;
// *broken is set when even that fails, or when a flush failed.
bool append(int descriptor, const QString &path, qint64 *length, const QByteArray &data, bool sync,
            bool *broken, QString *error);

// Cuts the file to `length` (removing a torn last record) and flushes it.
bool truncate(int descriptor, const QString &path, qint64 length, QString *error);

}  // namespace JournalFile
