#pragma once

#include <QString>

// Locations the file list never takes items from: system folders, the network browser and
// the kernel's pseudo file systems, which hold no user files and some of whose files never end.
namespace ProtectedPaths {

// Exactly one of the system folders ("/automount", "/Desktop Folder", "/dev", "/etc",
// "/mach", "/mach.sym", "/mach_kernel", "/opt", "/tmp", "/var", "/proc", "/sys", "/run").
// Items inside them are not matched.
bool isTabooSystemPath(const QString &path);

// Exactly "Network", "Network/", "/Network" or "/Network/".
bool isNetworkPath(const QString &path);

// Whether the item must be left out of the list: a taboo system path or the network path.
// Photo and music libraries are not protected on this system (as on current desktops), so
// *libraryName, which names the library whose database an item belongs to, is always left
// empty; the out-parameter keeps the place for the alert about protected libraries.
bool isUneligiblePathInLibrary(const QString &path, QString *libraryName);

}  // namespace ProtectedPaths
