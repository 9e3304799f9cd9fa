#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include "listing/ProtectedPaths.h"
#include "platform/KernelFileSystems.h"
#include "support/TestEnvironment.h"

TEST(ProtectedPathsTest, TabooPathsAreExactlyTheSystemFolders) {
    for (const char *path : {"/automount", "/Desktop Folder", "/dev", "/etc", "/mach", "/mach.sym",
                             "/mach_kernel", "/opt", "/tmp", "/var", "/proc", "/sys", "/run"})
        EXPECT_TRUE(ProtectedPaths::isTabooSystemPath(path)) << path;
    for (const char *path : {"/var/log", "/tmp/x", "/home", "/", "/etc/", "/ETC", "var", "/usr"})
        EXPECT_FALSE(ProtectedPaths::isTabooSystemPath(path)) << path;
}

TEST(ProtectedPathsTest, NetworkPathsAreTheFourSpellings) {
    for (const char *path : {"Network", "Network/", "/Network", "/Network/"})
        EXPECT_TRUE(ProtectedPaths::isNetworkPath(path)) << path;
    for (const char *path : {"/Network/x", "network", "/Networks", ""})
        EXPECT_FALSE(ProtectedPaths::isNetworkPath(path)) << path;
}

TEST(ProtectedPathsTest, OnlySystemAndNetworkPathsAreUneligibleAndNoLibraryIsNamed) {
    QString library;
    EXPECT_TRUE(ProtectedPaths::isUneligiblePathInLibrary("/proc", &library));
    EXPECT_TRUE(ProtectedPaths::isUneligiblePathInLibrary("/Network", &library));
    EXPECT_TRUE(library.isEmpty());
    EXPECT_FALSE(ProtectedPaths::isUneligiblePathInLibrary(
        "/home/ann/Pictures/iPhoto Library/a.jpg", &library));
    EXPECT_FALSE(
        ProtectedPaths::isUneligiblePathInLibrary("/home/ann/Photos.aplibrary/a.jpg", &library));
    EXPECT_FALSE(
        ProtectedPaths::isUneligiblePathInLibrary("/home/ann/Music/iTunes/a.mp3", nullptr));
    EXPECT_TRUE(library.isEmpty());
}

TEST(ProtectedPathsTest, KernelFileSystemsAreRecognisedByPathAndByMount) {
    for (const char *path : {"/proc", "/sys", "/dev", "/run"})
        EXPECT_TRUE(KernelFileSystems::isKernelFolderPath(path)) << path;
    // Removable media are mounted under /run on many systems: only the folder itself counts.
    EXPECT_FALSE(KernelFileSystems::isKernelFolderPath("/run/media/ann/STICK"));
    EXPECT_FALSE(KernelFileSystems::isKernelFolderPath("/home"));

    const int proc = ::open("/proc/self", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(proc, 0);
    EXPECT_TRUE(KernelFileSystems::isOnKernelFileSystem(proc));
    ::close(proc);

    TestDir dir;
    const int plain = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(plain, 0);
    EXPECT_FALSE(KernelFileSystems::isOnKernelFileSystem(plain));
    ::close(plain);
}
