#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "platform/FileAttributes.h"
#include "support/TestEnvironment.h"

using namespace FileAttributes;

namespace {

bool makeLink(const QString &target, const QString &link) {
    return symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

}  // namespace

class FileAttributesTest : public testing::Test {
protected:
    TestDir dir;
};

TEST_F(FileAttributesTest, FolderSizeSumsEverythingInsideAtAnyDepth) {
    const QString folder = dir.makeFolder("tree");
    dir.makeFile("tree/a", QByteArray(10, 'a'));
    dir.makeFile("tree/sub/b", QByteArray(20, 'b'));
    dir.makeFile("tree/sub/deeper/c", QByteArray(5, 'c'));
    dir.makeFolder("tree/empty");
    EXPECT_EQ(size(folder), 35);
    EXPECT_EQ(size(dir.filePath("tree/sub/b")), 20);
    EXPECT_EQ(size(dir.makeFolder("nothing")), 0);
    EXPECT_EQ(size(dir.filePath("missing")), 0);
    // A relative path and a trailing slash name the same folder.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(size(QStringLiteral("tree/")), 35);
    QDir::setCurrent(previous);
}

TEST_F(FileAttributesTest, SizeNeverFollowsSymbolicLinks) {
    const QString outside = dir.makeFile("outside/big", QByteArray(1000, 'x'));
    const QString folder = dir.makeFolder("tree");
    dir.makeFile("tree/small", QByteArray(3, 's'));
    ASSERT_TRUE(makeLink(outside, dir.filePath("tree/to-file")));
    ASSERT_TRUE(makeLink(dir.filePath("outside"), dir.filePath("tree/to-folder")));
    // A loop back to the folder itself must neither hang nor count twice.
    ASSERT_TRUE(makeLink(folder, dir.filePath("tree/loop")));

    const qint64 linkSizes = QFile::encodeName(outside).size() +
                             QFile::encodeName(dir.filePath("outside")).size() +
                             QFile::encodeName(folder).size();
    EXPECT_EQ(size(folder), 3 + linkSizes);
    EXPECT_EQ(size(dir.filePath("tree/to-file")), QFile::encodeName(outside).size());
}

TEST_F(FileAttributesTest, SizeDoesNotEnterKernelFileSystems) {
    EXPECT_EQ(size(QStringLiteral("/proc")), 0);
    EXPECT_EQ(size(QStringLiteral("/sys/")), 0);
}

TEST_F(FileAttributesTest, CreationDateIsBirthTimeOrInvalid) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-2);
    const QString file = dir.makeFile("new.txt", "x");
    const QDateTime created = creationDate(file);
    if (created.isValid()) {
        EXPECT_GE(created, before);
        EXPECT_LE(created, QDateTime::currentDateTimeUtc().addSecs(2));
    }
    EXPECT_FALSE(creationDate(dir.filePath("missing")).isValid());
    EXPECT_FALSE(creationDate(QString()).isValid());

    const QDateTime past = distantPast();
    EXPECT_TRUE(past.isValid());
    EXPECT_EQ(past.toUTC().toString(Qt::ISODate), QStringLiteral("0001-01-01T00:00:00Z"));
    EXPECT_LT(past, QDateTime::fromSecsSinceEpoch(0));
}

TEST_F(FileAttributesTest, ModificationDateIsTheItemsOwnNotTheLinkTargets) {
    const QString file = dir.makeFile("file", "x");
    const QString link = dir.filePath("link");
    ASSERT_TRUE(makeLink(file, link));
    const struct timespec fileTimes[2] = {{0, UTIME_OMIT}, {1600000000, 123456789}};
    const struct timespec linkTimes[2] = {{0, UTIME_OMIT}, {1500000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(file).constData(), fileTimes, 0), 0);
    ASSERT_EQ(
        utimensat(AT_FDCWD, QFile::encodeName(link).constData(), linkTimes, AT_SYMLINK_NOFOLLOW),
        0);

    EXPECT_EQ(modificationDate(file).toMSecsSinceEpoch(), 1600000000123);
    EXPECT_EQ(modificationDate(link).toMSecsSinceEpoch(), 1500000000000);
    EXPECT_FALSE(modificationDate(dir.filePath("missing")).isValid());
}

TEST_F(FileAttributesTest, KindsOfItemsDecidedWithoutFollowingLinksUnlessAsked) {
    const QString folder = dir.makeFolder("folder");
    const QString file = dir.makeFile("file");
    const QString folderLink = dir.filePath("folder-link");
    const QString dangling = dir.filePath("dangling");
    ASSERT_TRUE(makeLink(folder, folderLink));
    ASSERT_TRUE(makeLink(dir.filePath("nowhere"), dangling));

    EXPECT_TRUE(exists(folder));
    EXPECT_TRUE(exists(dangling));
    EXPECT_FALSE(exists(dir.filePath("nowhere")));
    EXPECT_FALSE(exists(QString()));

    EXPECT_TRUE(isFolder(folder));
    EXPECT_FALSE(isFolder(file));
    EXPECT_FALSE(isFolder(folderLink));
    EXPECT_TRUE(isFolder(folderLink, true));
    EXPECT_FALSE(isFolder(dangling, true));

    EXPECT_TRUE(isSymbolicLink(folderLink));
    EXPECT_TRUE(isSymbolicLink(dangling));
    EXPECT_FALSE(isSymbolicLink(folder));
}

TEST_F(FileAttributesTest, PackagesAreFoldersWithBundleExtensions) {
    EXPECT_TRUE(isPackage(dir.makeFolder("Tool.app")));
    EXPECT_TRUE(isPackage(dir.makeFolder("Kit.FRAMEWORK")));
    EXPECT_TRUE(isPackage(dir.makeFolder("Rename.torvaneservice/")));
    EXPECT_TRUE(isPackage(dir.makeFolder("Pictures.photoslibrary")));
    EXPECT_FALSE(isPackage(dir.makeFile("notes.app")));
    EXPECT_FALSE(isPackage(dir.makeFolder("photos.d")));
    EXPECT_FALSE(isPackage(dir.makeFolder(".app")));
    EXPECT_FALSE(isPackage(dir.makeFolder("app")));
    EXPECT_FALSE(isPackage(dir.filePath("Missing.app")));

    const QString link = dir.filePath("Link.app");
    ASSERT_TRUE(makeLink(dir.filePath("Tool.app"), link));
    EXPECT_FALSE(isPackage(link));
    EXPECT_TRUE(isPackage(link, true));
}

TEST_F(FileAttributesTest, ImmutableFlagCanBeSetAndCleared) {
    const QString file = dir.makeFile("locked.txt", "keep");
    EXPECT_FALSE(isImmutable(file));
    QString error;
    if (!setImmutable(file, true, &error)) {
        // Without CAP_LINUX_IMMUTABLE, or on a file system without the flag.
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(error.contains(file));
        EXPECT_FALSE(isImmutable(file));
        GTEST_SKIP() << "cannot set the immutable flag here: " << error.toStdString();
    }
    EXPECT_TRUE(isImmutable(file));
    EXPECT_FALSE(QFile::remove(file));
    EXPECT_TRUE(setImmutable(file, true, &error));  // already set: nothing to do
    EXPECT_TRUE(setImmutable(file, false, &error)) << error.toStdString();
    EXPECT_FALSE(isImmutable(file));
    EXPECT_TRUE(QFile::remove(file));
}

TEST_F(FileAttributesTest, ImmutableFlagRefusedForLinksAndMissingItems) {
    const QString file = dir.makeFile("file");
    const QString link = dir.filePath("link");
    ASSERT_TRUE(makeLink(file, link));
    QString error;
    EXPECT_FALSE(isImmutable(link));
    EXPECT_FALSE(setImmutable(link, true, &error));
    EXPECT_TRUE(error.contains(link));
    EXPECT_FALSE(isImmutable(file));  // the target was not touched

    error.clear();
    const QString missing = dir.filePath("missing");
    EXPECT_FALSE(setImmutable(missing, false, &error));
    EXPECT_TRUE(error.contains(missing));
    EXPECT_FALSE(setImmutable(missing, false, nullptr));
}

TEST_F(FileAttributesTest, IdentityTellsSameItemApartFromOtherItems) {
    const QString file = dir.makeFile("a.txt", "x");
    const QString other = dir.makeFile("A.txt", "x");
    const QString hardLink = dir.filePath("hard");
    const QString symbolicLink = dir.filePath("soft");
    ASSERT_EQ(link(QFile::encodeName(file).constData(), QFile::encodeName(hardLink).constData()),
              0);
    ASSERT_TRUE(makeLink(file, symbolicLink));

    EXPECT_TRUE(identity(file).valid);
    EXPECT_EQ(identity(file), identity(hardLink));
    EXPECT_FALSE(identity(file) == identity(other));
    EXPECT_FALSE(identity(file) == identity(symbolicLink));

    const FileIdentity missing = identity(dir.filePath("missing"));
    EXPECT_FALSE(missing.valid);
    EXPECT_FALSE(missing == missing);
}

TEST_F(FileAttributesTest, NativePathsNeedNotBeValidUtf8) {
    const QByteArray path = QFile::encodeName(dir.path()) + "/caf\xE9.txt";
    const int file = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(write(file, "12345", 5), 5);
    close(file);

    EXPECT_TRUE(exists(path));
    EXPECT_FALSE(isFolder(path));
    EXPECT_EQ(size(path), 5);
    EXPECT_TRUE(modificationDate(path).isValid());
    EXPECT_TRUE(identity(path).valid);
    EXPECT_EQ(size(QFile::encodeName(dir.path())), 5);
    // QTemporaryDir cannot remove a name that is not UTF-8.
    EXPECT_EQ(unlink(path.constData()), 0);
}
