#pragma once

#include <QString>
#include <QStringList>

// Reads a log file from its end: the newest lines first, older ones on request, and the lines
// appended since the last read. A file that shrank (rotated or emptied) is read anew.
class LogTail {
public:
    // chunkSize: how many bytes one read goes back.
    explicit LogTail(const QString &path, qint64 chunkSize = 256 * 1024);

    // Starts over at the end of the file; answers its last lines (one chunk's worth).
    QStringList readTail();
    // The lines before those read so far (one more chunk); empty at the start of the file.
    QStringList readOlder();
    // The complete lines appended since the last read. Sets *restarted (and answers the new
    // tail) when the file was replaced or shrank.
    QStringList readNewer(bool *restarted);
    bool hasOlder() const { return begin_ > 0; }
    QString path() const { return path_; }

private:
    QByteArray readRange(qint64 from, qint64 to) const;

    const QString path_;
    const qint64 chunkSize_;
    qint64 begin_ = 0;  // where the lines read so far start
    qint64 end_ = 0;    // just after the last complete line read
    quint64 inode_ = 0;
};
