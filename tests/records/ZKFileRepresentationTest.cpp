#include <gtest/gtest.h>

#include <QFile>

#include "common/UserDefaults.h"
#include "records/ZKFileRepresentation.h"
#include "support/NativeTestFiles.h"
#include "support/TestEnvironment.h"

namespace {

const QString kNfdCafe = QStringLiteral("Cafe\u0301.txt");
const QString kNfcCafe = QStringLiteral("Caf\u00e9.txt");

class ZKFileRepresentationTest : public testing::Test {
protected:
    void TearDown() override {
        UserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("Allow Dot Prefix"));
    }

    ZKFileRepresentationPtr record(const QString &relative) {
        return ZKFileRepresentation::fileRepresentationWithPath(dir.filePath(relative), nullptr);
    }

    QByteArray nativeDir() const { return QFile::encodeName(dir.path()); }

    static bool relevant(const ZKFileRepresentation &fileRepresentation, QString *error = nullptr) {
        return fileRepresentation.hasRelevantRenameNameWithError(error);
    }

    TestDir dir;
};

}  // namespace

TEST_F(ZKFileRepresentationTest, FirstPathFixesOriginalPathAndFolderFlags) {
    const QString folderPath = dir.makeFolder(QStringLiteral("Folder.d"));
    auto folder = record(QStringLiteral("Folder.d"));
    EXPECT_TRUE(folder->isFolder());
    EXPECT_FALSE(folder->isPackage());

    folder->setPath(dir.filePath(QStringLiteral("Renamed")));
    EXPECT_EQ(folder->path(), dir.filePath(QStringLiteral("Renamed")));
    EXPECT_EQ(folder->name(), QStringLiteral("Renamed"));
    EXPECT_EQ(folder->originalPath(), folderPath);
    EXPECT_EQ(folder->originalName(), QStringLiteral("Folder.d"));
    EXPECT_TRUE(folder->isFolder());

    dir.makeFolder(QStringLiteral("Tool.app"));
    EXPECT_TRUE(record(QStringLiteral("Tool.app"))->isPackage());
    dir.makeFile(QStringLiteral("Fake.app"));
    EXPECT_FALSE(record(QStringLiteral("Fake.app"))->isFolder());
    EXPECT_FALSE(record(QStringLiteral("Fake.app"))->isPackage());
}

TEST_F(ZKFileRepresentationTest, SymbolicLinkToFolderIsNoFolder) {
    dir.makeFolder(QStringLiteral("target"));
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("target")), dir.filePath(QStringLiteral("link"))));
    EXPECT_FALSE(record(QStringLiteral("link"))->isFolder());
}

TEST_F(ZKFileRepresentationTest, PathFormsAndPreRenamePath) {
    auto file = ZKFileRepresentation::fileRepresentationWithPath(QStringLiteral("/tmp/Dir/A.TXT/"),
                                                                 nullptr);
    EXPECT_EQ(file->path(), QStringLiteral("/tmp/Dir/A.TXT"));
    EXPECT_EQ(file->lowercasePath(), QStringLiteral("/tmp/dir/a.txt"));
    EXPECT_EQ(file->readablePath(), QStringLiteral("tmp \u25B8 Dir \u25B8 A.TXT"));
    EXPECT_EQ(ZKFileRepresentation::fileRepresentationWithPath(QStringLiteral("/"), nullptr)
                  ->readablePath(),
              QStringLiteral("/"));

    EXPECT_EQ(file->preRenamePath(), QStringLiteral("/tmp/Dir/A.TXT"));
    file->setPath(QStringLiteral("/tmp/Dir/b.txt"));
    EXPECT_EQ(file->lowercasePath(), QStringLiteral("/tmp/dir/b.txt"));
    EXPECT_EQ(file->readablePath(), QStringLiteral("tmp \u25B8 Dir \u25B8 b.txt"));
    EXPECT_EQ(file->preRenamePath(), QStringLiteral("/tmp/Dir/A.TXT"));
    file->setPreRenamePath(QStringLiteral("/tmp/Dir/b.txt"));
    EXPECT_EQ(file->preRenamePath(), QStringLiteral("/tmp/Dir/b.txt"));
}

TEST_F(ZKFileRepresentationTest, NameStaysItsOwnWhateverHappensToItsCopiesAndThePath) {
    auto file =
        ZKFileRepresentation::fileRepresentationWithPath(QStringLiteral("/tmp/Dir/a.txt"), nullptr);
    QString name = file->name();
    name.append(QStringLiteral("-changed"));
    name[0] = u'Z';
    EXPECT_EQ(file->name(), QStringLiteral("a.txt"));
    EXPECT_EQ(file->path(), QStringLiteral("/tmp/Dir/a.txt"));
    // A name outliving the path it came from still reads the same.
    QString kept = file->name();
    file->setPath(QStringLiteral("/tmp/Dir/longer name.txt"));
    EXPECT_EQ(kept, QStringLiteral("a.txt"));
    EXPECT_EQ(file->name(), QStringLiteral("longer name.txt"));
    EXPECT_EQ(file->originalName(), QStringLiteral("a.txt"));
    kept.append(u'!');
    EXPECT_EQ(kept, QStringLiteral("a.txt!"));
}

TEST_F(ZKFileRepresentationTest, PoolHandsOverRecordsWithTheirOriginalPath) {
    EXPECT_EQ(ZKFileRepresentation::fileRepresentationWithPath(QString(), nullptr), nullptr);

    auto renamed = record(QStringLiteral("old.txt"));
    renamed->setPath(dir.filePath(QStringLiteral("new.txt")));
    ZKFileRepresentationPool pool;
    pool.insert(renamed->poolKey(), renamed);

    auto fresh = ZKFileRepresentation::fileRepresentationWithPath(
        dir.filePath(QStringLiteral("other.txt")), &pool);
    EXPECT_NE(fresh, renamed);
    EXPECT_EQ(pool.size(), 1);

    auto taken = ZKFileRepresentation::fileRepresentationWithPath(
        dir.filePath(QStringLiteral("new.txt")), &pool);
    EXPECT_EQ(taken, renamed);
    EXPECT_TRUE(pool.isEmpty());
    EXPECT_EQ(taken->originalPath(), dir.filePath(QStringLiteral("old.txt")));
}

TEST_F(ZKFileRepresentationTest, PoolNeverMixesUpNamesThatDecodeAlike) {
    auto first =
        ZKFileRepresentation::fileRepresentationWithNativePath(nativeDir() + "/x\xff", nullptr);
    ZKFileRepresentationPool pool;
    pool.insert(first->poolKey(), first);

    auto other =
        ZKFileRepresentation::fileRepresentationWithNativePath(nativeDir() + "/x\xfe", &pool);
    EXPECT_NE(other, first);
    EXPECT_EQ(other->nativePath(), nativeDir() + "/x\xfe");
    EXPECT_EQ(pool.size(), 1);
    EXPECT_EQ(ZKFileRepresentation::fileRepresentationWithNativePath(nativeDir() + "/x\xff", &pool),
              first);
}

TEST_F(ZKFileRepresentationTest, IntermediateNamesAreNfcAndClearingDropsWarnings) {
    auto file = record(QStringLiteral("a.txt"));
    EXPECT_FALSE(file->hasIntermediateNames());
    EXPECT_EQ(file->intermediateName(), QStringLiteral("a.txt"));

    file->setIntermediateName(QStringLiteral("b.txt"));
    file->setIntermediateName(kNfdCafe);
    EXPECT_TRUE(file->hasIntermediateNames());
    EXPECT_EQ(file->intermediateNames(), (QStringList{QStringLiteral("b.txt"), kNfcCafe}));
    EXPECT_EQ(file->intermediateName(), kNfcCafe);

    file->addWarning(QStringLiteral("w"));
    file->clearIntermediateNames();
    EXPECT_FALSE(file->hasIntermediateNames());
    EXPECT_TRUE(file->intermediateNames().isEmpty());
    EXPECT_EQ(file->intermediateName(), QStringLiteral("a.txt"));
    EXPECT_TRUE(file->warnings().isEmpty());
}

TEST_F(ZKFileRepresentationTest, RenameNameIsCleanedWithWarnings) {
    auto file = record(QStringLiteral("a.txt"));
    file->setRenameName(QStringLiteral("a/b"));
    EXPECT_EQ(file->renameName(), QStringLiteral("a:b"));
    EXPECT_EQ(file->warnings(),
              QStringList{QStringLiteral("Replaced slash with colon to make Unix happy")});
    EXPECT_EQ(file->renamePath(), dir.filePath(QStringLiteral("a:b")));
    EXPECT_TRUE(relevant(*file));

    file->setRenameName(QStringLiteral("x\r\ny"));
    EXPECT_EQ(file->renameName(), QStringLiteral("xy"));
    EXPECT_TRUE(file->warnings().contains(QStringLiteral("Removed line breaks")));
    file->setRenameName(QStringLiteral("x/y"));
    EXPECT_EQ(
        file->warnings().count(QStringLiteral("Replaced slash with colon to make Unix happy")), 1);
}

TEST_F(ZKFileRepresentationTest, WarningsKeepOrderWithoutDuplicates) {
    auto file = record(QStringLiteral("a.txt"));
    file->addWarning(QStringLiteral("second"));
    file->addWarning(QStringLiteral("first"));
    file->addWarning(QStringLiteral("second"));
    file->addWarning(QString());
    EXPECT_EQ(file->warnings(), (QStringList{QStringLiteral("second"), QStringLiteral("first")}));
}

TEST_F(ZKFileRepresentationTest, RelevanceFollowsTheNewName) {
    auto file = record(QStringLiteral("Photo.jpg"));
    QString error = QStringLiteral("stale");
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QString());

    file->setRenameName(QStringLiteral("Photo.jpg"));
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QString());

    file->setRenameName(QStringLiteral("photo.jpg"));
    EXPECT_TRUE(relevant(*file, &error));
    EXPECT_EQ(file->renamePath(), dir.filePath(QStringLiteral("photo.jpg")));
    EXPECT_EQ(file->lowercaseRenamePath(), dir.filePath(QStringLiteral("photo.jpg")).toLower());

    file->setRenameName(QString());
    EXPECT_FALSE(file->hasRenameName());
    EXPECT_EQ(file->renamePath(), QString());
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QString());

    file->setRenameName(QStringLiteral(".Photo.jpg"));
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QStringLiteral("Resulting filename would make the file invisible"));

    UserDefaults::standardUserDefaults().setBool(true, QStringLiteral("Allow Dot Prefix"));
    file->setRenameName(QStringLiteral(".Photo.jpg"));
    EXPECT_TRUE(relevant(*file));
}

TEST_F(ZKFileRepresentationTest, RenameNameErrorLastsUntilTheNameIsSetAgain) {
    auto file = record(QStringLiteral("a.txt"));
    file->setRenameName(QStringLiteral("b.txt"));
    file->setRenameNameError(QString());
    EXPECT_TRUE(relevant(*file));

    QString error;
    file->setRenameNameError(QStringLiteral("Resulting filename isn't unique"));
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QStringLiteral("Resulting filename isn't unique"));

    // The next computation stores the same name: the old collision must not linger.
    file->setRenameName(QStringLiteral("b.txt"));
    EXPECT_TRUE(relevant(*file, &error));
    EXPECT_EQ(error, QString());
}

TEST_F(ZKFileRepresentationTest, MovingDropsNameCaches) {
    auto file = record(QStringLiteral("a.txt"));
    file->setRenameName(QStringLiteral("b.txt"));
    EXPECT_EQ(file->renamePath(), dir.filePath(QStringLiteral("b.txt")));
    EXPECT_TRUE(relevant(*file));

    dir.makeFolder(QStringLiteral("sub"));
    file->setPath(dir.filePath(QStringLiteral("sub/b.txt")));
    EXPECT_EQ(file->renamePath(), dir.filePath(QStringLiteral("sub/b.txt")));
    EXPECT_EQ(file->lowercaseRenamePath(), dir.filePath(QStringLiteral("sub/b.txt")).toLower());
    EXPECT_FALSE(relevant(*file));
}

TEST_F(ZKFileRepresentationTest, RenamePathKeepsTheFolderWhateverItsSlashes) {
    const auto renamed = [](const QByteArray &path) {
        ZKFileRepresentation file(path, FileAttributes::ItemType{false, false});
        file.setRenameName(QStringLiteral("new.txt"));
        return file.renamePath();
    };
    EXPECT_EQ(renamed("/t/sub/a.txt"), QStringLiteral("/t/sub/new.txt"));
    EXPECT_EQ(renamed("/a.txt"), QStringLiteral("/new.txt"));
    EXPECT_EQ(renamed("/t//a.txt"), QStringLiteral("/t/new.txt"));
    EXPECT_EQ(renamed("/t/sub/a.txt//"), QStringLiteral("/t/sub/new.txt"));
    EXPECT_EQ(renamed("a.txt"), QStringLiteral("new.txt"));
}

TEST_F(ZKFileRepresentationTest, ExtensionRemovalCountsForFilesAndPackagesOnly) {
    auto file = record(QStringLiteral("report.pdf"));
    EXPECT_FALSE(file->renameNameRemovesNonFolderExtension());
    file->setRenameName(QStringLiteral("report"));
    EXPECT_TRUE(file->renameNameRemovesNonFolderExtension());
    file->setRenameName(QStringLiteral("report.txt"));
    EXPECT_FALSE(file->renameNameRemovesNonFolderExtension());

    dir.makeFolder(QStringLiteral("conf.d"));
    auto folder = record(QStringLiteral("conf.d"));
    folder->setRenameName(QStringLiteral("conf"));
    EXPECT_FALSE(folder->renameNameRemovesNonFolderExtension());

    dir.makeFolder(QStringLiteral("Tool.app"));
    auto package = record(QStringLiteral("Tool.app"));
    package->setRenameName(QStringLiteral("Tool"));
    EXPECT_TRUE(package->renameNameRemovesNonFolderExtension());

    auto plain = record(QStringLiteral("README"));
    plain->setRenameName(QStringLiteral("READ"));
    EXPECT_FALSE(plain->renameNameRemovesNonFolderExtension());
}

TEST_F(ZKFileRepresentationTest, NameThatIsNotUtf8IsListedButNeverRenamed) {
    const QByteArray nativePath = nativeDir() + "/bad\xff.txt";
    ASSERT_TRUE(NativeTestFiles::makeFile(nativePath, "abc"));
    auto file = ZKFileRepresentation::fileRepresentationWithNativePath(nativePath, nullptr);

    EXPECT_EQ(file->nativePath(), nativePath);
    EXPECT_EQ(file->name(), QStringLiteral("bad\uFFFD.txt"));
    EXPECT_EQ(file->nameError(), QStringLiteral("Filename is not valid UTF-8"));
    EXPECT_EQ(file->size(), 3);

    QString error;
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QStringLiteral("Filename is not valid UTF-8"));

    file->setRenameName(QStringLiteral("good.txt"));
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QStringLiteral("Filename is not valid UTF-8"));
    file->setRenameNameError(QStringLiteral("Resulting filename isn't unique"));
    EXPECT_FALSE(relevant(*file, &error));
    EXPECT_EQ(error, QStringLiteral("Filename is not valid UTF-8"));
    EXPECT_EQ(file->nativeRenamePath(), nativeDir() + "/good.txt");
    EXPECT_TRUE(NativeTestFiles::remove(nativePath));
}

TEST_F(ZKFileRepresentationTest, NfdNameOnDiskIsComparedInNfc) {
    const QByteArray nativePath = nativeDir() + '/' + kNfdCafe.toUtf8();
    ASSERT_TRUE(NativeTestFiles::makeFile(nativePath, "12345"));
    auto file = ZKFileRepresentation::fileRepresentationWithNativePath(nativePath, nullptr);

    EXPECT_EQ(file->nativePath(), nativePath);
    EXPECT_EQ(file->name(), kNfcCafe);
    EXPECT_EQ(file->path(), dir.path() + '/' + kNfcCafe);
    EXPECT_EQ(file->size(), 5);

    // The NFC form of its own name is no change: renaming would only swap the bytes.
    file->setRenameName(kNfcCafe);
    EXPECT_FALSE(relevant(*file));
    EXPECT_EQ(file->statusLight(), ZKStatusLight::Grey);
    file->setRenameName(kNfdCafe);
    EXPECT_EQ(file->renameName(), kNfcCafe);
    EXPECT_FALSE(relevant(*file));

    file->setRenameName(QStringLiteral("Tea.txt"));
    EXPECT_TRUE(relevant(*file));
}

TEST_F(ZKFileRepresentationTest, NativeRenamePathKeepsTheFolderBytes) {
    const QByteArray folder = nativeDir() + '/' + QStringLiteral("Re\u0301sume\u0301").toUtf8();
    ASSERT_TRUE(NativeTestFiles::makeFolder(folder));
    auto file = ZKFileRepresentation::fileRepresentationWithNativePath(folder + "/a.txt", nullptr);
    file->setRenameName(QStringLiteral("b.txt"));

    EXPECT_EQ(file->renamePath(), dir.path() + QStringLiteral("/R\u00e9sum\u00e9/b.txt"));
    EXPECT_EQ(file->nativeRenamePath(), folder + "/b.txt");
    EXPECT_EQ(ZKFileRepresentation::fileRepresentationWithPath(QStringLiteral("/a"), nullptr)
                  ->nativeRenamePath(),
              QByteArray());
}

TEST_F(ZKFileRepresentationTest, CellDisplayModeWrapsAndDefersToTheList) {
    auto file = record(QStringLiteral("a.txt"));
    file->setCellDisplayMode(5);
    EXPECT_EQ(file->cellDisplayMode(false, 2), 5u);
    file->cycleCellDisplayMode();
    EXPECT_EQ(file->cellDisplayMode(false, 2), 0u);
    file->setCellDisplayMode(6);
    EXPECT_EQ(file->cellDisplayMode(false, 2), 0u);
    file->cycleCellDisplayMode();
    EXPECT_EQ(file->cellDisplayMode(false, 2), 1u);
    EXPECT_EQ(file->cellDisplayMode(true, 2), 2u);
}
