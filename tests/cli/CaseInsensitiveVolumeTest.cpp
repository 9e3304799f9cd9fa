#include <gtest/gtest.h>

#include <QDir>

#include "cli/CliTestSupport.h"
#include "support/ExfatVolume.h"
#include "support/QtPrinters.h"
#include "support/TreeContents.h"

// A camera card: exFAT ignores letter case, so "img_1.jpg" finds "IMG_1.JPG", under another
// inode number at that.

namespace {

const QVariantMap kLowerCase{
    {"Task", 2}, {"Rename: Change Case: Name", 2}, {"Rename: Change Case: Extension", 2}};

class CaseInsensitiveVolumeTest : public testing::Test {
protected:
    void SetUp() override {
        if (!volume.isMounted())
            GTEST_SKIP() << "no exFAT volume: " << volume.reason().toStdString();
        QDir(volume.path()).mkpath("DCIM");
        for (const char *name : {"DCIM/IMG_1.JPG", "DCIM/IMG_2.JPG", "DCIM/Photo.jpg"}) {
            QFile file(volume.path() + '/' + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("content of ") + name);
        }
    }

    QStringList names() const {
        return QDir(volume.path() + "/DCIM").entryList(QDir::Files, QDir::Name);
    }

    TestDir dir;
    ExfatVolume volume;
};

}  // namespace

TEST_F(CaseInsensitiveVolumeTest, LowerCasingACardRenamesEveryFileAndRevertsIt) {
    const QList<QByteArray> contents = sortedContentsUnder(volume.path());
    const CliRun run =
        runCliProgram({"rename", "--yes", "--steps", writeStepsFile(dir.path(), {kLowerCase}),
                       volume.path() + "/DCIM"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(names(), QStringList({"img_1.jpg", "img_2.jpg", "photo.jpg"}));
    EXPECT_EQ(sortedContentsUnder(volume.path()), contents);

    const CliRun revert = runCliProgram({"revert", "--yes"});
    ASSERT_EQ(revert.status, 0) << revert.err.toStdString();
    EXPECT_EQ(names(), QStringList({"IMG_1.JPG", "IMG_2.JPG", "Photo.jpg"}));
    EXPECT_EQ(sortedContentsUnder(volume.path()), contents);
}

TEST_F(CaseInsensitiveVolumeTest, AFolderChangesItsCaseToo) {
    const CliRun run =
        runCliProgram({"rename", "--yes", "--list-folders", "--no-folder-contents", "--steps",
                       writeStepsFile(dir.path(), {kLowerCase}), volume.path() + "/DCIM"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(volume.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"dcim"});
}

TEST_F(CaseInsensitiveVolumeTest, NamesTradedAcrossLetterCaseAreSwapped) {
    // "Photo.jpg" takes "img_2.jpg", which "IMG_2.JPG" frees by becoming "photo.JPG": each
    // target is the other's name by another spelling.
    const auto replace = [](const QString &target, const QString &replacement) {
        return QVariantMap{{"Task", 0},
                           {"Rename: Find/Replace: Target", QVariantList{target}},
                           {"Rename: Find/Replace: Replacement", QVariantList{replacement}},
                           {"Rename: Find/Replace: Query is RegEx", true}};
    };
    const QVariantList steps{replace("^Photo", "@img_2"), replace("^IMG_2", "photo"),
                             replace("^@", "")};
    const QList<QByteArray> contents = sortedContentsUnder(volume.path());
    const CliRun run = runCliProgram(
        {"rename", "--yes", "--steps", writeStepsFile(dir.path(), steps), volume.path() + "/DCIM"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(names(), QStringList({"IMG_1.JPG", "img_2.jpg", "photo.JPG"}));
    EXPECT_EQ(sortedContentsUnder(volume.path()), contents);
    QFile photo(volume.path() + "/DCIM/img_2.jpg");
    ASSERT_TRUE(photo.open(QIODevice::ReadOnly));
    EXPECT_EQ(photo.readAll(), "content of DCIM/Photo.jpg");

    const CliRun revert = runCliProgram({"revert", "--yes"});
    ASSERT_EQ(revert.status, 0) << revert.err.toStdString();
    EXPECT_EQ(names(), QStringList({"IMG_1.JPG", "IMG_2.JPG", "Photo.jpg"}));
    EXPECT_EQ(sortedContentsUnder(volume.path()), contents);
}
