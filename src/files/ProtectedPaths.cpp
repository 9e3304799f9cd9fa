#include "files/ProtectedPaths.h"

#include <linux/magic.h>
#include <sys/vfs.h>

#include <QStringList>

namespace ProtectedPaths {

namespace {

const char *const kernelFolders[] = {"/proc", "/sys", "/dev", "/run"};

}  // namespace

bool isTabooSystemPath(const QString &path) {
    static const QStringList taboo = {
        QStringLiteral("/automount"),   QStringLiteral("/Desktop Folder"),
        QStringLiteral("/dev"),         QStringLiteral("/etc"),
        QStringLiteral("/mach"),        QStringLiteral("/mach.sym"),
        QStringLiteral("/mach_kernel"), QStringLiteral("/opt"),
        QStringLiteral("/tmp"),         QStringLiteral("/var"),
        QStringLiteral("/proc"),        QStringLiteral("/sys"),
        QStringLiteral("/run")};
    return taboo.contains(path);
}

bool isNetworkPath(const QString &path) {
    return path == u"Network" || path == u"Network/" || path == u"/Network" || path == u"/Network/";
}

bool isUneligiblePathInLibrary(const QString &path, QString *libraryName) {
    return isTabooSystemPath(path) || isNetworkPath(path);
}

bool isKernelFolderPath(const QByteArray &resolvedPath) {
    for (const char *folder : kernelFolders)
        if (resolvedPath == folder) return true;
    return false;
}

bool isOnKernelFileSystem(int folderDescriptor) {
    struct statfs info;
    if (fstatfs(folderDescriptor, &info) != 0) return true;
    switch (static_cast<unsigned long>(info.f_type)) {
        case PROC_SUPER_MAGIC:
        case SYSFS_MAGIC:
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC:
        case DEVPTS_SUPER_MAGIC:
        case BPF_FS_MAGIC:
        case PSTOREFS_MAGIC:
        case EFIVARFS_MAGIC:
            return true;
        default:
            return false;
    }
}

}  // namespace ProtectedPaths
