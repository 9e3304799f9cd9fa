#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUuid>
#include <cstring>

#include "common/LogCapture.h"
#include "common/UserDefaults.h"
#include "journal/TemporaryNames.h"
#include "platform/ExtendedAttributes.h"
#include "platform/FileAttributes.h"
#include "run/ItemMover.h"
#include "run/MoveDefaults.h"
#include "support/FaultyDisk.h"
#include "support/NativeTestFiles.h"
#include "support/QtPrinters.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestEnvironment.h"

namespace {

enum ReplaceAnswer { Replace, ReplaceAll, Skip, SkipAll, Cancel };
enum LockAnswer { Rename, RenameAllLocked, Stop };

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString trashedPath(const QString &name) {
    return qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/" + name;
}

// Names in the shared test Trash must not collide between tests.
QString uniqueName(const QString &stem, const QString &extension) {
    return stem + "-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + "." + extension;
}

// Qt cannot list names that are not UTF-8.
int entryCount(const QByteArray &folder) {
    int count = 0;
    DIR *entries = opendir(folder.constData());
    while (const dirent *entry = entries ? readdir(entries) : nullptr)
        if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0) ++count;
    if (entries) closedir(entries);
    return count;
}

ZKAlertAnswer answer(int button) { return ZKAlertAnswer{button, false}; }

bool transientDefault(const QString &key) {
    return UserDefaults::standardUserDefaults().boolForKey(key);
}

}  // namespace

class ItemMoverTest : public testing::Test {
protected:
    void SetUp() override { MoveDefaults::removeTransientDefaults(); }
    void TearDown() override {
        MoveDefaults::removeTransientDefaults();
        // Locked items could not be removed with the test folder.
        for (const QString &path : lockedPaths) FileAttributes::setImmutable(path, false, nullptr);
    }

    // Locks a file, or skips the test where this process may not (no CAP_LINUX_IMMUTABLE,
    // or a file system without the attribute).
    bool lock(const QString &path) {
        QString error;
        if (!FileAttributes::setImmutable(path, true, &error)) return false;
        lockedPaths += path;
        return true;
    }

    bool move(const QString &source, const QString &target, bool *cancel,
              const QString &comment = QString()) {
        return mover.moveToPath(native(source), native(target), comment, cancel);
    }

    bool makeAvailable(const QString &target, const QString &source, bool *cancel) {
        return mover.makePathAvailableForMovingSourcePath(native(target), native(source), cancel);
    }

    ScriptedUserInteraction user;
    ItemMover mover{&user};
    TestDir dir;
    QStringList lockedPaths;
};

// On a case-sensitive file system "Photo.jpg" may be another file: it must be asked about,
// and a move that does not clear it must neither replace it nor lose the source.
TEST_F(ItemMoverTest, CaseOnlyRenameNextToAnotherFileThatDiffersOnlyInCase) {
    const QString source = dir.makeFile("photo.jpg", "mine");
    const QString unrelated = dir.makeFile("Photo.jpg", "somebody else's");
    if (FileAttributes::identity(source) == FileAttributes::identity(unrelated))
        GTEST_SKIP() << "the test folder's file system ignores letter case";

    bool cancel = false;
    user.answers = {answer(Skip)};
    EXPECT_FALSE(makeAvailable(unrelated, source, &cancel));
    EXPECT_FALSE(cancel);
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts[0].messageText, "\"Photo.jpg\" Already Exists");

    EXPECT_FALSE(move(source, unrelated, &cancel));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(user.alerts.size(), 2);
    EXPECT_EQ(user.alerts[1].messageText, "Cannot rename photo.jpg");
    EXPECT_TRUE(
        user.alerts[1].informativeText.startsWith("Torvane encountered the following error:\n\n"));
    EXPECT_EQ(contentOf(source), "mine");
    EXPECT_EQ(contentOf(unrelated), "somebody else's");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Photo.jpg", "photo.jpg"}));
}

TEST_F(ItemMoverTest, CaseOnlyRenameGoesThroughATemporaryNameWithoutAsking) {
    const QString source = dir.makeFile("report.txt", "content");
    const QString target = dir.filePath("Report.txt");
    UserDefaults::standardUserDefaults().setBool(true, QStringLiteral("ZKDebugLog"));
    LogCapture log;

    bool cancel = false;
    EXPECT_TRUE(makeAvailable(target, source, &cancel));
    EXPECT_TRUE(move(source, target, &cancel));
    UserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("ZKDebugLog"));

    EXPECT_FALSE(cancel);
    EXPECT_TRUE(user.alerts.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Report.txt"}));
    EXPECT_EQ(contentOf(target), "content");
    const QStringList route = log.lines().filter(" via ");
    ASSERT_EQ(route.size(), 1) << log.lines().join('\n');
    EXPECT_TRUE(route[0].contains(dir.path() + "/com.quorlix.tvt ")) << route[0];
    EXPECT_TRUE(route[0].endsWith(".txt\"")) << route[0];
}

// Every answer to the already-exists question; in no case is anything overwritten.
TEST_F(ItemMoverTest, OccupiedTargetFollowsEachAnswerOfTheQuestion) {
    const QString source = dir.makeFile("source.txt", "source");
    const QString occupied = dir.makeFile(uniqueName("occupant", "txt"), "occupant");
    bool cancel = false;

    user.answers = {answer(Skip)};
    EXPECT_FALSE(makeAvailable(occupied, source, &cancel));
    EXPECT_FALSE(cancel);
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts[0].informativeText,
              "A file or folder with the same name already exists. Replacing it will overwrite "
              "its current contents.");
    EXPECT_EQ(user.alerts[0].buttons,
              QStringList({"Replace", "Replace All", "Skip", "Skip All", "Cancel"}));

    user.answers = {answer(Cancel)};
    EXPECT_FALSE(makeAvailable(occupied, source, &cancel));
    EXPECT_TRUE(cancel);
    EXPECT_EQ(contentOf(occupied), "occupant");

    // Without a way to cancel there is no "Cancel" button.
    user.answers = {answer(Skip)};
    EXPECT_FALSE(makeAvailable(occupied, source, nullptr));
    EXPECT_EQ(user.alerts.last().buttons.size(), 4);

    cancel = false;
    user.answers = {answer(Replace)};
    EXPECT_TRUE(makeAvailable(occupied, source, &cancel));
    EXPECT_FALSE(cancel);
    EXPECT_FALSE(FileAttributes::exists(occupied));
    EXPECT_EQ(contentOf(trashedPath(QFileInfo(occupied).fileName())), "occupant");
    EXPECT_TRUE(move(source, occupied, &cancel));
    EXPECT_EQ(contentOf(occupied), "source");
    EXPECT_FALSE(transientDefault(MoveDefaults::kReplaceAllExistingFiles));
    EXPECT_FALSE(transientDefault(MoveDefaults::kSkipAllFileReplacements));
}

TEST_F(ItemMoverTest, ReplaceAllAndSkipAllAnswerLaterQuestionsThemselves) {
    const QString source = dir.makeFile("source.txt", "source");
    const QString first = dir.makeFile(uniqueName("first", "txt"), "first");
    const QString second = dir.makeFile(uniqueName("second", "txt"), "second");
    bool cancel = false;

    user.answers = {answer(ReplaceAll)};
    EXPECT_TRUE(makeAvailable(first, source, &cancel));
    EXPECT_TRUE(transientDefault(MoveDefaults::kReplaceAllExistingFiles));
    EXPECT_TRUE(makeAvailable(second, source, &cancel));
    EXPECT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(contentOf(trashedPath(QFileInfo(first).fileName())), "first");
    EXPECT_EQ(contentOf(trashedPath(QFileInfo(second).fileName())), "second");

    MoveDefaults::removeTransientDefaults();
    const QString third = dir.makeFile("third.txt", "third");
    const QString fourth = dir.makeFile("fourth.txt", "fourth");
    user.answers = {answer(SkipAll)};
    EXPECT_FALSE(makeAvailable(third, source, &cancel));
    EXPECT_TRUE(transientDefault(MoveDefaults::kSkipAllFileReplacements));
    EXPECT_FALSE(makeAvailable(fourth, source, &cancel));
    EXPECT_FALSE(cancel);
    EXPECT_EQ(user.alerts.size(), 2);
    EXPECT_EQ(contentOf(third), "third");
    EXPECT_EQ(contentOf(fourth), "fourth");
}

// A hard link is the same file under another entry; replacing it is the user's decision.
TEST_F(ItemMoverTest, HardLinkAtTheTargetIsAForeignItem) {
    const QString source = dir.makeFile("source.txt", "shared");
    const QString link = dir.filePath("link.txt");
    ASSERT_EQ(::link(native(source).constData(), native(link).constData()), 0);
    bool cancel = false;
    user.answers = {answer(Skip)};
    EXPECT_FALSE(makeAvailable(link, source, &cancel));
    EXPECT_EQ(user.alerts.size(), 1);
    EXPECT_FALSE(move(source, link, &cancel));
    EXPECT_TRUE(FileAttributes::exists(source));
    EXPECT_TRUE(FileAttributes::exists(link));
}

// Trashing a folder that holds the source would take the source along.
TEST_F(ItemMoverTest, FolderHoldingTheSourceIsNeverReplaced) {
    const QString folder = dir.makeFolder("box");
    const QString source = dir.makeFile("box/item.txt", "item");
    LogCapture log;
    bool cancel = false;
    user.answers = {answer(Replace)};
    EXPECT_FALSE(makeAvailable(folder, source, &cancel));
    EXPECT_FALSE(cancel);
    EXPECT_EQ(user.beeps, 1);
    EXPECT_TRUE(log.contains("could not remove file/folder: " + folder));
    EXPECT_EQ(contentOf(source), "item");
}

TEST_F(ItemMoverTest, LockedFileIsUnlockedRenamedAndLockedAgainWhenTheUserAgrees) {
    const QString first = dir.makeFile("first.txt", "first");
    if (!lock(first)) GTEST_SKIP() << "this process cannot lock files here";
    bool cancel = false;

    user.answers = {answer(Stop)};
    EXPECT_FALSE(move(first, dir.filePath("stopped.txt"), &cancel));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts[0].messageText, "first.txt is locked");
    EXPECT_EQ(user.alerts[0].informativeText,
              "first.txt is marked as locked. Do you want to rename it anyway?\n\nTo rename "
              "first.txt, Torvane will attempt to unlock it, rename it, then lock it again.");
    EXPECT_EQ(user.alerts[0].buttons, QStringList({"Rename", "Rename All Locked Files", "Stop"}));
    EXPECT_TRUE(FileAttributes::isImmutable(first));

    cancel = false;
    user.answers = {answer(Rename)};
    const QString renamed = dir.filePath("renamed.txt");
    EXPECT_TRUE(move(first, renamed, &cancel));
    lockedPaths += renamed;
    EXPECT_FALSE(FileAttributes::exists(first));
    EXPECT_TRUE(FileAttributes::isImmutable(renamed));
    EXPECT_FALSE(transientDefault(MoveDefaults::kUnlockAllLockedFiles));

    const QString second = dir.makeFile("second.txt", "second");
    const QString third = dir.makeFile("third.txt", "third");
    ASSERT_TRUE(lock(second) && lock(third));
    user.answers = {answer(RenameAllLocked)};
    EXPECT_TRUE(move(second, dir.filePath("second-renamed.txt"), &cancel));
    EXPECT_TRUE(move(third, dir.filePath("third-renamed.txt"), &cancel));
    lockedPaths += {dir.filePath("second-renamed.txt"), dir.filePath("third-renamed.txt")};
    EXPECT_EQ(user.alerts.size(), 3);
    EXPECT_TRUE(transientDefault(MoveDefaults::kUnlockAllLockedFiles));
    EXPECT_TRUE(FileAttributes::isImmutable(dir.filePath("third-renamed.txt")));
    EXPECT_FALSE(cancel);
}

TEST_F(ItemMoverTest, LockedFileThatStillCannotMoveStaysLocked) {
    const QString source = dir.makeFile("locked.txt", "locked");
    if (!lock(source)) GTEST_SKIP() << "this process cannot lock files here";
    const QString occupant = dir.makeFile("taken.txt", "taken");
    bool cancel = false;
    user.answers = {answer(Rename)};
    EXPECT_FALSE(move(source, occupant, &cancel));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(user.alerts.size(), 2);
    EXPECT_EQ(user.alerts[1].messageText, "Cannot rename locked.txt");
    EXPECT_TRUE(FileAttributes::isImmutable(source));
    EXPECT_EQ(contentOf(occupant), "taken");
}

TEST_F(ItemMoverTest, VanishedSourceAndOtherFailuresStopTheRun) {
    bool cancel = false;
    EXPECT_FALSE(move(dir.filePath("gone.txt"), dir.filePath("new.txt"), &cancel));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts[0].messageText, "Cannot rename gone.txt");
    EXPECT_EQ(user.alerts[0].informativeText,
              "gone.txt has vanished.\n\nPlease note that Torvane cannot rename files if you "
              "move them to a different folder after dragging them into Torvane.");
    EXPECT_EQ(user.alerts[0].buttons, QStringList({"Stop"}));

    cancel = false;
    const QString source = dir.makeFile("here.txt");
    EXPECT_FALSE(move(source, dir.filePath("no-such-folder/here.txt"), &cancel));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(user.alerts.size(), 2);
    EXPECT_EQ(user.alerts[1].messageText, "Cannot rename here.txt");
    EXPECT_TRUE(user.alerts[1].informativeText.contains(dir.filePath("no-such-folder/here.txt")));
    EXPECT_TRUE(FileAttributes::exists(source));
}

TEST_F(ItemMoverTest, CommentArrivesWithTheItemAndIsNeverOverwritten) {
    const QString source = dir.makeFile("noted.txt");
    QString error;
    if (!ExtendedAttributes::setComment(source, "keep this", &error))
        GTEST_SKIP() << "no user extended attributes here: " << error;
    bool cancel = false;
    EXPECT_TRUE(move(source, dir.filePath("Noted.txt"), &cancel, "keep this"));
    EXPECT_EQ(ExtendedAttributes::comment(dir.filePath("Noted.txt")), "keep this");

    // A comment the item lost on the way is written again ...
    const QString bare = dir.makeFile("bare.txt");
    EXPECT_TRUE(move(bare, dir.filePath("bare-renamed.txt"), &cancel, "listed comment"));
    EXPECT_EQ(ExtendedAttributes::comment(dir.filePath("bare-renamed.txt")), "listed comment");

    // ... but one found there may be newer than the listed one and stays.
    ASSERT_TRUE(ExtendedAttributes::setComment(dir.filePath("Noted.txt"), "edited since", &error));
    EXPECT_TRUE(
        move(dir.filePath("Noted.txt"), dir.filePath("noted-again.txt"), &cancel, "keep this"));
    EXPECT_EQ(ExtendedAttributes::comment(dir.filePath("noted-again.txt")), "edited since");
    EXPECT_FALSE(cancel);
}

TEST_F(ItemMoverTest, NameThatIsNotUtf8IsMovedByItsExactBytes) {
    const QByteArray folder = native(dir.path()) + '/';
    const QByteArray source = folder + "r\xe9sum\xe9.txt";
    const QByteArray target = folder + "R\xe9sum\xe9.txt";
    ASSERT_TRUE(NativeTestFiles::makeFile(source, "bytes"));
    bool cancel = false;
    EXPECT_TRUE(mover.makePathAvailableForMovingSourcePath(target, source, &cancel));
    EXPECT_TRUE(mover.moveToPath(source, target, QString(), &cancel));
    EXPECT_FALSE(FileAttributes::exists(source));
    EXPECT_TRUE(FileAttributes::exists(target));
    EXPECT_EQ(entryCount(native(dir.path())), 1);  // no temporary name left behind
    EXPECT_TRUE(user.alerts.isEmpty());
    NativeTestFiles::remove(target);
}

TEST_F(ItemMoverTest, PathsCompareInNfcAndOptionallyIgnoringCase) {
    const QString composed = QString::fromUtf8("/a/caf\u00e9");
    const QString decomposed = QString::fromUtf8("/a/cafe\u0301");
    EXPECT_TRUE(ItemMover::isEqualToPath(composed, decomposed, false));
    EXPECT_FALSE(ItemMover::isEqualToPath(composed, composed.toUpper(), false));
    EXPECT_TRUE(ItemMover::isEqualToPath(composed, QString::fromUtf8("/A/CAF\u00c9"), true));
    EXPECT_FALSE(ItemMover::isEqualToPath("/a/b", "/a/c", true));

    // Stored paths: ASCII compared as bytes, anything else as the decoded text.
    EXPECT_TRUE(ItemMover::isEqualToNativePath("/a/Name.txt", "/A/nAME.TXT", true));
    EXPECT_FALSE(ItemMover::isEqualToNativePath("/a/Name.txt", "/a/name.txt", false));
    EXPECT_FALSE(ItemMover::isEqualToNativePath("/a/b", "/a/b2", true));
    EXPECT_TRUE(ItemMover::isEqualToNativePath(composed.toUtf8(), "/A/CAF\xc3\x89", true));
    EXPECT_TRUE(ItemMover::isEqualToNativePath(decomposed.toUtf8(), composed.toUtf8(), false));
    EXPECT_FALSE(ItemMover::isEqualToNativePath("/a/caf\xe9", "/a/CAF\xc9", false));
}

TEST_F(ItemMoverTest, TemporaryNamesCountUpAndKeepTheExtension) {
    const QByteArray first = TemporaryNames::nextTemporaryPath("/folder/Name.JPG");
    ASSERT_TRUE(first.startsWith("/folder/com.quorlix.tvt ")) << first.toStdString();
    ASSERT_TRUE(first.endsWith(".JPG")) << first.toStdString();
    const qint64 number = first.mid(24, first.size() - 28).toLongLong();
    EXPECT_GE(number, 1);
    EXPECT_EQ(TemporaryNames::nextTemporaryPath("/folder/Name"),
              "/folder/com.quorlix.tvt " + QByteArray::number(number + 1));
    EXPECT_EQ(TemporaryNames::nextTemporaryPath("/folder/.hidden"),
              "/folder/com.quorlix.tvt " + QByteArray::number(number + 2));
    EXPECT_EQ(TemporaryNames::nextTemporaryPath("/folder/a.b\xff"),
              "/folder/com.quorlix.tvt " + QByteArray::number(number + 3) + ".b\xff");
}

TEST_F(ItemMoverTest, AvailablePathNumbersTakenNamesAndRecognisesTheCurrentFile) {
    const QString free = dir.filePath("Free.plist");
    bool isMatch = true;
    EXPECT_EQ(ItemMover::availablePathWithCurrentPath(free, QString(), &isMatch), free);
    EXPECT_FALSE(isMatch);

    const QString taken = dir.makeFile("Preset.plist");
    dir.makeFile("Preset 1.plist");
    EXPECT_EQ(ItemMover::availablePath(taken), dir.filePath("Preset 2.plist"));
    EXPECT_EQ(
        ItemMover::availablePathWithCurrentPath(taken, dir.filePath("preset 1.PLIST"), &isMatch),
        dir.filePath("Preset 1.plist"));
    EXPECT_TRUE(isMatch);

    const QString folder = dir.makeFolder("Snippets");
    EXPECT_EQ(ItemMover::availablePath(folder), dir.filePath("Snippets 1"));
}

TEST_F(ItemMoverTest, ExtendedAttributeValuesRoundTripAsPropertyLists) {
    const QByteArray file = native(dir.makeFile("droplet"));
    if (!ItemMover::setData(file, "probe", "user.torvane.probe"))
        GTEST_SKIP() << "no user extended attributes here";
    EXPECT_EQ(ItemMover::dataForExtendedFileAttribute(file, "user.torvane.probe"),
              QByteArray("probe"));
    EXPECT_EQ(ItemMover::dataForExtendedFileAttribute(file, "user.torvane.missing"), std::nullopt);

    const QVariantMap value{{"Count", qint64(3)}, {"Name", "x"}};
    EXPECT_TRUE(ItemMover::setValue(file, value, "user.torvane.value"));
    EXPECT_TRUE(ItemMover::dataForExtendedFileAttribute(file, "user.torvane.value")
                    ->startsWith("bplist00"));
    EXPECT_EQ(ItemMover::valueForExtendedFileAttribute(file, "user.torvane.value"), value);

    EXPECT_TRUE(ItemMover::setApplicationInstanceIdentifier(file, "4A5B-UUID"));
    EXPECT_EQ(ItemMover::applicationInstanceIdentifier(file), "4A5B-UUID");
    EXPECT_TRUE(ExtendedAttributes::read(file, "user.torvane.application-instance", nullptr));

    // Missing items and symbolic links (never followed) hold nothing.
    const QByteArray link = native(dir.filePath("link"));
    ASSERT_EQ(symlink(file.constData(), link.constData()), 0);
    EXPECT_EQ(ItemMover::applicationInstanceIdentifier(link), QString());
    EXPECT_FALSE(ItemMover::setApplicationInstanceIdentifier(link, "other"));
    EXPECT_FALSE(ItemMover::setData(native(dir.filePath("missing")), "x", "user.torvane.probe"));
    EXPECT_EQ(ItemMover::applicationInstanceIdentifier(file), "4A5B-UUID");
}

// A disk that fails where a healthy one would not: the run stops with the system's reason,
// the item keeps its name, and an occupant that cannot go to the Trash stays.
TEST_F(ItemMoverTest, DiskFailuresStopTheRunAndLoseNothing) {
    FaultyDisk disk;
    ItemMover failing(&user, disk);
    const QString source = dir.makeFile("photo.jpg", "mine");
    disk.failMovesWith = EIO;
    bool cancel = false;
    EXPECT_FALSE(
        failing.moveToPath(native(source), native(dir.filePath("new.jpg")), QString(), &cancel));
    EXPECT_TRUE(cancel);
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts[0].kind, ZKAlertKind::RunCannotGoOn);
    EXPECT_TRUE(user.alerts[0].informativeText.contains(QString::fromLocal8Bit(strerror(EIO))));
    EXPECT_EQ(contentOf(source), "mine");

    disk.failMovesWith = 0;
    disk.failTrashWith = EACCES;
    const QString occupant = dir.makeFile("new.jpg", "theirs");
    user.answers = {{Replace, false}};
    cancel = false;
    EXPECT_FALSE(
        failing.makePathAvailableForMovingSourcePath(native(occupant), native(source), &cancel));
    EXPECT_FALSE(cancel);
    EXPECT_EQ(contentOf(occupant), "theirs");
    EXPECT_EQ(contentOf(source), "mine");
}
