#include <gtest/gtest.h>

#include <QFile>

#include "common/LogCapture.h"
#include "files/ItemMover.h"
#include "files/MoveDefaults.h"
#include "files/NativeTestFiles.h"
#include "files/ScriptedUserInteraction.h"
#include "files/ZKFileRepresentation.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

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
