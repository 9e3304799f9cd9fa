#include "platform/FolderEntryRecords.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace FolderEntryRecords {

namespace {

// Room offered to each read: some two thousand entries of ordinary names. Never filled
// in advance, it costs only what the kernel writes into it.
constexpr qsizetype kRoom = 64 * 1024;

// The kernel's record (struct linux_dirent64): the fields are read by their offsets, so that
// nothing depends on how the records happen to be aligned in the buffer.
struct Record {
    quint64 inode;
    qint64 offset;
    unsigned short length;
    unsigned char type;
    char name[1];
};

template <typename Field>
Field fieldAt(const char *record, size_t offset) {
    Field value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

}  // namespace

qsizetype readMore(int descriptor, QByteArray &records) {
    const qsizetype used = records.size();
    // QByteArray leaves the new bytes as they are.
    records.resize(used + kRoom);
    const long size = ::syscall(SYS_getdents64, descriptor, records.data() + used, size_t(kRoom));
    records.resize(used + (size > 0 ? qsizetype(size) : 0));
    return size < 0 ? -1 : qsizetype(size);
}

Entry entryAt(const QByteArray &records, qsizetype at, qsizetype *next) {
    const char *record = records.constData() + at;
    *next = at + fieldAt<unsigned short>(record, offsetof(Record, length));
    const char *name = record + offsetof(Record, name);
    return Entry{QByteArrayView(name, qsizetype(std::strlen(name))),
                 qsizetype(name - records.constData()),
                 fieldAt<quint64>(record, offsetof(Record, inode)),
                 fieldAt<unsigned char>(record, offsetof(Record, type))};
}

}  // namespace FolderEntryRecords
