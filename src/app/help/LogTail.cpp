#include "app/help/LogTail.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

namespace {

QStringList linesOf(const QByteArray &bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

quint64 inodeOf(const QString &path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? quint64(info.st_ino) : 0;
}

}  // namespace

LogTail::LogTail(const QString &path, qint64 chunkSize) : path_(path), chunkSize_(chunkSize) {}

QByteArray LogTail::readRange(qint64 from, qint64 to) const {
    QFile file(path_);
    if (to <= from || !file.open(QIODevice::ReadOnly) || !file.seek(from)) return {};
    return file.read(to - from);
}

QStringList LogTail::readTail() {
    inode_ = inodeOf(path_);
    const qint64 size = QFileInfo(path_).size();
    const qint64 from = qMax<qint64>(0, size - chunkSize_);
    QByteArray bytes = readRange(from, size);
    // A line still being written is left for the next read.
    bytes.truncate(bytes.lastIndexOf('\n') + 1);
    end_ = from + bytes.size();
    // Starting inside the file, the first piece is part of a line: it comes with the older.
    const qint64 skip = from > 0 ? bytes.indexOf('\n') + 1 : 0;
    begin_ = from + skip;
    return linesOf(bytes.mid(skip));
}

QStringList LogTail::readOlder() {
    if (begin_ <= 0) return {};
    const qint64 from = qMax<qint64>(0, begin_ - chunkSize_);
    QByteArray bytes = readRange(from, begin_);
    if (from > 0) {
        const qint64 firstBreak = bytes.indexOf('\n');
        if (firstBreak < 0) return {};
        bytes = bytes.mid(firstBreak + 1);
    }
    begin_ -= bytes.size();
    return linesOf(bytes);
}

QStringList LogTail::readNewer(bool *restarted) {
    *restarted = false;
    const qint64 size = QFileInfo(path_).size();
    if (inodeOf(path_) != inode_ || size < end_) {
        *restarted = true;
        return readTail();
    }
    QByteArray bytes = readRange(end_, size);
    const qint64 lastBreak = bytes.lastIndexOf('\n');
    if (lastBreak < 0) return {};
    bytes.truncate(lastBreak + 1);
    end_ += bytes.size();
    return linesOf(bytes);
}
