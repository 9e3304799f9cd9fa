#include "run/FolderLookups.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/NativePath.h"

FolderLookups::~FolderLookups() { forget(); }

FileAttributes::FileIdentity FolderLookups::identity(const QByteArray &path) {
    QByteArray name;
    const int folder = folderOf(path, &name);
    if (folder < 0) return FileAttributes::identity(path);
    struct stat info {};
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return FileAttributes::FileIdentity();
    return {quint64(info.st_dev), quint64(info.st_ino), true};
}

bool FolderLookups::exists(const QByteArray &path) { return identity(path).valid; }

void FolderLookups::forget() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    folder_.clear();
}

int FolderLookups::folderOf(const QByteArray &path, QByteArray *name) {
    const qsizetype slash = NativePath::lastSlash(path);
    // "/name" lies in the root; a path without a name ("/", "a/") is left to the path itself.
    if (slash < 0 || slash == path.size() - 1) return -1;
    *name = path.mid(slash + 1);
    if (*name == "." || *name == "..") return -1;
    const QByteArray folder = slash == 0 ? QByteArray("/") : path.left(slash);
    if (descriptor_ >= 0 && folder == folder_) return descriptor_;
    forget();
    descriptor_ = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ >= 0) folder_ = folder;
    return descriptor_;
}
