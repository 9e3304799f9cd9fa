#include "platform/KernelFileSystems.h"

#include <linux/magic.h>
#include <sys/vfs.h>

namespace KernelFileSystems {

bool isKernelFolderPath(const QByteArray &resolvedPath) {
    for (const char *folder : {"/proc", "/sys", "/dev", "/run"})
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

}  // namespace KernelFileSystems
