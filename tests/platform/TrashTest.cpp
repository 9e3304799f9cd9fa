#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUuid>

#include "platform/FileAttributes.h"
#include "platform/Trash.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString trashFolder() { return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash"; }

bool sameFileSystem(const QString &a, const QString &b) {
    struct stat first, second;
    return stat(native(a).constData(), &first) == 0 && stat(native(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev;
}

// Trashed names must not collide with those of other tests sharing the test home.
QString uniqueName(const QString &stem) {
    return stem + "-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

}  // namespace

class TrashTest : public testing::Test {
protected:
    void SetUp() override {
        // The home Trash is only used for items on the home's file system; the test home
        // (never the real one) must be where the test folders are.
        if (!sameFileSystem(dir.path(), testHome()))
            GTEST_SKIP() << "test folders and the test home are on different file systems";
    }

    TestDir dir;
};

TEST_F(TrashTest, FileGoesToTheHomeTrashWithItsRestoreRecord) {
    const QString name = uniqueName("file") + ".txt";
    const QString path = dir.makeFile(name, "keep me");

    QString error;
    ASSERT_TRUE(Trash::moveToTrash(native(path), &error)) << error;
    EXPECT_FALSE(FileAttributes::exists(path));
    EXPECT_EQ(contentOf(trashFolder() + "/files/" + name), "keep me");
    const QByteArray info = contentOf(trashFolder() + "/info/" + name + ".trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]")) << info.toStdString();
    EXPECT_TRUE(info.contains("Path=")) << info.toStdString();
}

TEST_F(TrashTest, FolderGoesWithEverythingInside) {
    const QString name = uniqueName("folder");
    const QString folder = dir.makeFolder(name);
    dir.makeFile(name + "/sub/deep.txt", "deep");

    ASSERT_TRUE(Trash::moveToTrash(native(folder)));
    EXPECT_FALSE(FileAttributes::exists(folder));
    EXPECT_EQ(contentOf(trashFolder() + "/files/" + name + "/sub/deep.txt"), "deep");
}

TEST_F(TrashTest, NameThatIsNotUtf8IsTrashedByItsBytes) {
    const QByteArray name = native(uniqueName("caf")) + "\xe9";
    const QByteArray path = native(dir.path()) + '/' + name;
    FILE *file = fopen(path.constData(), "w");
    ASSERT_NE(file, nullptr);
    fclose(file);

    QString error;
    ASSERT_TRUE(Trash::moveToTrash(path, &error)) << error;
    EXPECT_FALSE(FileAttributes::exists(path));
    const QByteArray trashed = native(trashFolder()) + "/files/" + name;
    EXPECT_TRUE(FileAttributes::exists(trashed));
    // The test home is a temporary folder, which cannot remove names that are not UTF-8.
    unlink(trashed.constData());
    unlink((native(trashFolder()) + "/info/" + name + ".trashinfo").constData());
}

TEST_F(TrashTest, MissingItemIsReportedAndNothingAppearsInTheTrash) {
    const QString name = uniqueName("missing");
    QString error;
    EXPECT_FALSE(Trash::moveToTrash(native(dir.filePath(name)), &error));
    EXPECT_TRUE(error.contains(dir.filePath(name))) << error;
    EXPECT_FALSE(FileAttributes::exists(trashFolder() + "/files/" + name));
    EXPECT_FALSE(Trash::moveToTrash(QByteArray(), &error));
}

// GIO does not tell where an item went; it is found again by its identity and info record,
// also when the Trash already held an item of the same name (the new one gets another).
TEST_F(TrashTest, PlaceInTheTrashIsFoundAgainAndItsInfoRecordNamesTheOldPath) {
    const QString name = uniqueName("twice") + ".txt";
    const QString path = dir.makeFile(name, "first");
    QByteArray first;
    ASSERT_TRUE(Trash::moveToTrash(native(path), nullptr, &first));
    EXPECT_EQ(first, native(trashFolder() + "/files/" + name));
    dir.makeFile(name, "second");
    const FileAttributes::FileIdentity identity = FileAttributes::identity(path);
    QByteArray second;
    ASSERT_TRUE(Trash::moveToTrash(native(path), nullptr, &second));
    ASSERT_FALSE(second.isEmpty());
    EXPECT_NE(second, first);
    EXPECT_EQ(contentOf(QFile::decodeName(second)), "second");
    EXPECT_TRUE(Trash::infoNames(second, native(path)));
    EXPECT_FALSE(Trash::infoNames(second, native(path) + "x"));
    EXPECT_EQ(Trash::find(native(path), identity.device, identity.inode), second);
    EXPECT_EQ(Trash::find(native(path), identity.device, identity.inode + 1), QByteArray());

    EXPECT_TRUE(QFile::exists(QFile::decodeName(Trash::infoPathOf(second))));
    EXPECT_TRUE(Trash::removeInfoRecord(second));
    EXPECT_FALSE(QFile::exists(QFile::decodeName(Trash::infoPathOf(second))));
    EXPECT_TRUE(Trash::removeInfoRecord(second)) << "a record that is gone already";
}

TEST_F(TrashTest, PlaceOfANameThatIsNotUtf8IsFound) {
    const QByteArray path = native(dir.path()) + '/' + native(uniqueName("na")) + "\xe9\xff";
    FILE *file = fopen(path.constData(), "w");
    ASSERT_NE(file, nullptr);
    fclose(file);
    const FileAttributes::FileIdentity identity = FileAttributes::identity(path);
    QByteArray place;
    ASSERT_TRUE(Trash::moveToTrash(path, nullptr, &place));
    ASSERT_FALSE(place.isEmpty());
    EXPECT_TRUE(Trash::infoNames(place, path));
    EXPECT_EQ(Trash::find(path, identity.device, identity.inode), place);
    EXPECT_EQ(FileAttributes::identity(place), identity);
}
