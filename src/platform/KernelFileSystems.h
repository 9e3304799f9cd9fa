#pragma once

#include <QByteArray>

// The kernel's pseudo file systems: they hold no user files, their sizes are not disk sizes and
// some of their files never end, so scans and size sums never enter them.
namespace KernelFileSystems {

// Whether a folder, given by its path with every symbolic link resolved, is the root of a
// kernel pseudo file system location ("/proc", "/sys", "/dev", "/run").
bool isKernelFolderPath(const QByteArray &resolvedPath);

// Whether the open folder lies on a kernel pseudo file system (proc, sysfs, debugfs, cgroup
// and the like), wherever it is mounted. True as well when its file system cannot be told.
bool isOnKernelFileSystem(int folderDescriptor);

}  // namespace KernelFileSystems
