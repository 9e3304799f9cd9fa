#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include "common/LogCapture.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "records/ZKFileRepresentation.h"
#include "run/ItemMover.h"
#include "run/MoveDefaults.h"
#include "support/NativeTestFiles.h"
#include "support/QtPrinters.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestEnvironment.h"

namespace {

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class RecordRenameTest : public testing::Test {
protected:
    void SetUp() override { MoveDefaults::removeTransientDefaults(); }
    void TearDown() override { MoveDefaults::removeTransientDefaults(); }

    ZKFileRepresentationPtr recordFor(const QString &path, const QString &newName) {
        ZKFileRepresentationPtr record =
            ZKFileRepresentation::fileRepresentationWithPath(path, nullptr);
        record->setRenameName(newName);
        return record;
    }

    ScriptedUserInteraction user;
    ItemMover mover{&user};
    TestDir dir;
    LogCapture log;
};

TEST_F(RecordRenameTest, RecordFollowsItsItemAndForgetsCachedAttributes) {
    const QString path = dir.makeFile("old.txt", "content");
    ZKFileRepresentationPtr record = recordFor(path, "new.txt");
    record->setKindInstanceVariableOnly(QStringLiteral("stale kind"));
    record->setFileTypeInstanceVariableOnly(QStringLiteral("TYPE"));

    bool cancel = false;
    EXPECT_TRUE(record->renameWithPath(record->renamePath(), true, &cancel, mover));
    EXPECT_FALSE(cancel);
    EXPECT_EQ(record->path(), dir.filePath("new.txt"));
    EXPECT_EQ(record->nativePath(), QFile::encodeName(dir.filePath("new.txt")));
    EXPECT_EQ(record->originalPath(), path);
    EXPECT_EQ(contentOf(dir.filePath("new.txt")), "content");
    EXPECT_FALSE(FileAttributes::exists(path));
    EXPECT_NE(record->kind(), "stale kind");
    EXPECT_EQ(record->fileType(), "");
}

TEST_F(RecordRenameTest, EmptyTargetIsRefusedAndTheCurrentPathIsAlreadyDone) {
    const QString path = dir.makeFile("same.txt");
    ZKFileRepresentationPtr record = recordFor(path, QString());
    bool cancel = false;
    EXPECT_FALSE(record->renameWithPath(QString(), true, &cancel, mover));
    EXPECT_TRUE(log.contains("no target for \"" + path + "\""));
    EXPECT_TRUE(record->renameWithPath(path, true, &cancel, mover));
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(user.alerts.isEmpty());
    EXPECT_EQ(record->path(), path);
}

// The folder's bytes on disk are kept even when their text form cannot give them back.
TEST_F(RecordRenameTest, FolderWhoseNameIsNotUtf8KeepsItsExactBytes) {
    const QByteArray folder = QFile::encodeName(dir.path()) + "/d\xe9j\xe0";
    ASSERT_TRUE(NativeTestFiles::makeFolder(folder));
    ASSERT_TRUE(NativeTestFiles::makeFile(folder + "/vu.txt", "seen"));
    ZKFileRepresentationPtr record =
        ZKFileRepresentation::fileRepresentationWithNativePath(folder + "/vu.txt", nullptr);
    record->setRenameName("Vu.txt");

    bool cancel = false;
    EXPECT_TRUE(record->renameWithPath(record->renamePath(), true, &cancel, mover));
    EXPECT_EQ(record->nativePath(), folder + "/Vu.txt");
    EXPECT_TRUE(FileAttributes::exists(folder + "/Vu.txt"));
    EXPECT_FALSE(FileAttributes::exists(folder + "/vu.txt"));
    NativeTestFiles::remove(folder + "/Vu.txt");
    NativeTestFiles::remove(folder);
}

TEST_F(RecordRenameTest, OccupiedTargetIsAskedAboutOrFailsWithoutReplacing) {
    const QString path = dir.makeFile("mine.txt", "mine");
    const QString occupant = dir.makeFile("theirs.txt", "theirs");
    ZKFileRepresentationPtr record = recordFor(path, "theirs.txt");

    bool cancel = false;
    user.answers = {ZKAlertAnswer{2, false}};  // Skip
    EXPECT_FALSE(record->renameWithPath(record->renamePath(), true, &cancel, mover));
    EXPECT_FALSE(cancel);
    EXPECT_EQ(user.alerts.size(), 1);

    // Not asked to clear the target: the move itself refuses and the run is stopped.
    EXPECT_FALSE(record->renameWithPath(record->renamePath(), false, &cancel, mover));
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(log.contains("could not move \"" + path + "\" to \"" + occupant + "\""));
    EXPECT_EQ(record->path(), path);
    EXPECT_EQ(contentOf(path), "mine");
    EXPECT_EQ(contentOf(occupant), "theirs");
}

TEST_F(RecordRenameTest, CommentTravelsWithTheRecord) {
    const QString path = dir.makeFile("commented.txt");
    QString error;
    if (!ExtendedAttributes::setComment(path, "a note", &error))
        GTEST_SKIP() << "no user extended attributes here: " << error;
    ZKFileRepresentationPtr record = recordFor(path, "COMMENTED.txt");
    EXPECT_EQ(record->spotlightComment(), "a note");
    bool cancel = false;
    EXPECT_TRUE(record->renameWithPath(record->renamePath(), true, &cancel, mover));
    EXPECT_EQ(ExtendedAttributes::comment(dir.filePath("COMMENTED.txt")), "a note");
}

TEST_F(RecordRenameTest, AFolderReplacedAfterTheListingStopsTheMoveThere) {
    const QString path = dir.makeFile("listed/photo.jpg", "mine");
    const QString outside = dir.makeFile("outside/photo.jpg", "theirs");
    ZKFileRepresentationPtr record = recordFor(path, "renamed.jpg");
    // The listed folder is moved away and a link to another folder takes its place.
    ASSERT_EQ(::rename(QFile::encodeName(dir.filePath("listed")).constData(),
                       QFile::encodeName(dir.filePath("moved")).constData()),
              0);
    ASSERT_EQ(::symlink(QFile::encodeName(dir.filePath("outside")).constData(),
                        QFile::encodeName(dir.filePath("listed")).constData()),
              0);

    bool cancel = false;
    EXPECT_FALSE(record->renameWithPath(record->renamePath(), true, &cancel, mover));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_TRUE(user.alerts[0].informativeText.contains("has vanished"));
    EXPECT_EQ(contentOf(outside), "theirs");
    EXPECT_FALSE(FileAttributes::exists(dir.filePath("outside/renamed.jpg")));
    EXPECT_EQ(contentOf(dir.filePath("moved/photo.jpg")), "mine");
}

TEST_F(RecordRenameTest, AFolderReplacedBetweenTwoRenamesThereStopsTheSecond) {
    const QString first = dir.makeFile("listed/first.jpg", "mine");
    const QString second = dir.makeFile("listed/second.jpg", "mine too");
    const QString outside = dir.makeFile("outside/second.jpg", "theirs");
    ZKFileRepresentationPtr firstRecord = recordFor(first, "first renamed.jpg");
    ZKFileRepresentationPtr secondRecord = recordFor(second, "second renamed.jpg");
    bool cancel = false;
    ASSERT_TRUE(firstRecord->renameWithPath(firstRecord->renamePath(), true, &cancel, mover));

    // Right after, by the mover itself: what it found out about the folder is forgotten.
    ASSERT_TRUE(mover.moveToPath(native(dir.filePath("listed")), native(dir.filePath("moved")),
                                 QString(), &cancel));
    ASSERT_EQ(::symlink(QFile::encodeName(dir.filePath("outside")).constData(),
                        QFile::encodeName(dir.filePath("listed")).constData()),
              0);
    EXPECT_FALSE(secondRecord->renameWithPath(secondRecord->renamePath(), true, &cancel, mover));
    EXPECT_TRUE(cancel);
    EXPECT_EQ(contentOf(outside), "theirs");
    EXPECT_FALSE(FileAttributes::exists(dir.filePath("outside/second renamed.jpg")));

    // By another process: noticed once what was found has expired.
    ASSERT_EQ(::unlink(QFile::encodeName(dir.filePath("listed")).constData()), 0);
    ASSERT_EQ(::rename(QFile::encodeName(dir.filePath("moved")).constData(),
                       QFile::encodeName(dir.filePath("listed")).constData()),
              0);
    cancel = false;
    ASSERT_TRUE(secondRecord->renameWithPath(secondRecord->renamePath(), true, &cancel, mover));
    ASSERT_EQ(::rename(QFile::encodeName(dir.filePath("listed")).constData(),
                       QFile::encodeName(dir.filePath("moved")).constData()),
              0);
    dir.makeFile("listed/first renamed.jpg", "x");
    usleep((RecentFolderChecks::lifetime + 20) * 1000);
    firstRecord->setRenameName("first again.jpg");
    EXPECT_FALSE(firstRecord->renameWithPath(firstRecord->renamePath(), true, &cancel, mover));
    EXPECT_TRUE(cancel);
    EXPECT_EQ(contentOf(dir.filePath("listed/first renamed.jpg")), "x");
}

TEST_F(RecordRenameTest, ALinkIsRenamedItselfNeverItsTarget) {
    const QString target = dir.makeFile("target.txt", "content");
    const QString linkPath = dir.filePath("link.txt");
    ASSERT_EQ(::symlink("target.txt", QFile::encodeName(linkPath).constData()), 0);
    ZKFileRepresentationPtr record = recordFor(linkPath, "renamed link.txt");

    bool cancel = false;
    EXPECT_TRUE(record->renameWithPath(record->renamePath(), true, &cancel, mover));
    EXPECT_TRUE(FileAttributes::isSymbolicLink(dir.filePath("renamed link.txt")));
    EXPECT_EQ(contentOf(target), "content");
    EXPECT_FALSE(FileAttributes::exists(linkPath));
}
