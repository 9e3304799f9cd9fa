#include "platform/ListedFolder.h"

#include <sys/stat.h>
#include <sys/vfs.h>

namespace ListedFolder {

namespace {

constexpr long kFuseSuperMagic = 0x65735546;

bool hasUnstableInodeNumbers(const QByteArray &folder) {
    struct statfs info;
    return ::statfs(folder.constData(), &info) == 0 && long(info.f_type) == kFuseSuperMagic;
}

}  // namespace

FileAttributes::FileIdentity identityOfFolder(const QByteArray &folder) {
    struct stat info;
    // A bare name lies in the working folder.
    const QByteArray path = folder.isEmpty() ? QByteArray(".") : folder;
    if (::stat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return FileAttributes::FileIdentity();
    return FileAttributes::FileIdentity{quint64(info.st_dev), quint64(info.st_ino), true};
}

bool isListedFolder(const FileAttributes::FileIdentity &listed, const QByteArray &folder) {
    const FileAttributes::FileIdentity now = identityOfFolder(folder);
    if (now == listed) return true;
    return now.valid && listed.valid && now.device == listed.device &&
           hasUnstableInodeNumbers(folder.isEmpty() ? QByteArray(".") : folder);
}

}  // namespace ListedFolder
