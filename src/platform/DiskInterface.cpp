#include "platform/DiskInterface.h"

#include "platform/LetterCase.h"
#include "platform/NoClobberMove.h"
#include "platform/Trash.h"

namespace {

class RealDiskInterface : public DiskInterface {
public:
    bool moveWithoutReplacing(const QByteArray &source, const QByteArray &target, QString *error,
                              int *errorNumber) override {
        return NoClobberMove::move(source, target, error, errorNumber);
    }
    bool moveToTrash(const QByteArray &path, QString *error, QByteArray *placedAt) override {
        return Trash::moveToTrash(path, error, placedAt);
    }
    FileAttributes::FileIdentity identity(const QByteArray &path) override {
        return FileAttributes::identity(path);
    }
    bool exists(const QByteArray &path) override { return FileAttributes::exists(path); }
    bool isImmutable(const QByteArray &path) override { return FileAttributes::isImmutable(path); }
    bool setImmutable(const QByteArray &path, bool immutable, QString *error) override {
        return FileAttributes::setImmutable(path, immutable, error);
    }
};

DiskInterface *installedDisk = nullptr;

}  // namespace

bool DiskInterface::isTaken(const QByteArray &path) {
    return exists(path) && LetterCase::isListedBySomeSpelling(path);
}

DiskInterface &DiskInterface::current() { return installedDisk ? *installedDisk : real(); }

void DiskInterface::installForTests(DiskInterface *disk) { installedDisk = disk; }

DiskInterface &DiskInterface::real() {
    static RealDiskInterface disk;
    return disk;
}
