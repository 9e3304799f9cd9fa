#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A folder's entries as the kernel lists them (getdents64): many at a time, each name read
// where the kernel wrote it. A large folder costs a few system calls and no copy per name.
namespace FolderEntryRecords {

struct Entry {
    // Into the records: good until more are appended.
    QByteArrayView name;
    // Where the name starts in the records: it stays there while more are appended.
    qsizetype nameAt = 0;
    quint64 inode = 0;
    // DT_REG and the like; DT_UNKNOWN where the file system tells none.
    unsigned char type = 0;
};

// Appends the next records of the open folder to `records`: the bytes appended, 0 at the
// end of the folder, -1 on an error (errno tells it).
qsizetype readMore(int descriptor, QByteArray &records);

// The entry whose record starts at `at`, and where the next record starts.
Entry entryAt(const QByteArray &records, qsizetype at, qsizetype *next);

// Calls visit(const Entry &) for every entry of the records from `from` to their end, but
// "." and "..".
template <typename Visit>
void forEach(const QByteArray &records, qsizetype from, Visit &&visit) {
    for (qsizetype at = from; at < records.size();) {
        const Entry entry = entryAt(records, at, &at);
        if (entry.name != "." && entry.name != "..") visit(entry);
    }
}

}  // namespace FolderEntryRecords
