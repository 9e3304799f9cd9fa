#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "platform/FileAttributes.h"
#include "platform/NoClobberMove.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

using MoveFunction = bool (*)(const QByteArray &, const QByteArray &, QString *, int *);

}  // namespace

class NoClobberMoveTest : public testing::TestWithParam<MoveFunction> {
protected:
    bool moveItem(const QString &source, const QString &target, QString *error = nullptr,
                  int *errorNumber = nullptr) {
        return GetParam()(native(source), native(target), error, errorNumber);
    }

    TestDir dir;
};

// Both the atomic rename and the hard-link fallback must hold these promises.
TEST_P(NoClobberMoveTest, MovesAFileAndNeverReplacesAnExistingFile) {
    const QString source = dir.makeFile("a.txt", "source");
    const QString occupant = dir.makeFile("b.txt", "occupant");

    QString error;
    int errorNumber = 0;
    EXPECT_FALSE(moveItem(source, occupant, &error, &errorNumber));
    EXPECT_EQ(errorNumber, EEXIST);
    EXPECT_TRUE(error.contains(source) && error.contains(occupant)) << error;
    EXPECT_EQ(contentOf(source), "source");
    EXPECT_EQ(contentOf(occupant), "occupant");

    // A dangling symbolic link occupies its name as much as a file does.
    const QString link = dir.filePath("dangling");
    ASSERT_EQ(symlink("nowhere", native(link).constData()), 0);
    EXPECT_FALSE(moveItem(source, link));
    EXPECT_TRUE(FileAttributes::isSymbolicLink(link));

    const QString target = dir.filePath("c.txt");
    const FileAttributes::FileIdentity identity = FileAttributes::identity(source);
    EXPECT_TRUE(moveItem(source, target, &error));
    EXPECT_FALSE(FileAttributes::exists(source));
    EXPECT_EQ(contentOf(target), "source");
    EXPECT_EQ(FileAttributes::identity(target), identity);
}

TEST_P(NoClobberMoveTest, ReportsAMissingSourceWithItsPath) {
    QString error;
    int errorNumber = 0;
    EXPECT_FALSE(moveItem(dir.filePath("missing"), dir.filePath("target"), &error, &errorNumber));
    EXPECT_EQ(errorNumber, ENOENT);
    EXPECT_TRUE(error.contains(dir.filePath("missing"))) << error;
    EXPECT_FALSE(FileAttributes::exists(dir.filePath("target")));
}

TEST_P(NoClobberMoveTest, MovesASymbolicLinkItselfAndANameThatIsNotUtf8) {
    const QString link = dir.filePath("link");
    dir.makeFile("pointed-at", "kept");
    ASSERT_EQ(symlink("pointed-at", native(link).constData()), 0);
    EXPECT_TRUE(moveItem(link, dir.filePath("moved-link")));
    EXPECT_TRUE(FileAttributes::isSymbolicLink(dir.filePath("moved-link")));
    EXPECT_EQ(contentOf(dir.filePath("pointed-at")), "kept");

    const QByteArray folder = native(dir.path()) + '/';
    const QByteArray source = folder + "caf\xe9.txt";  // Latin-1, not UTF-8
    const QByteArray target = folder + "caf\xe9-renamed.txt";
    const QByteArray lookalike = folder + "caf\xef\xbf\xbd-renamed.txt";  // its decoded form
    FILE *file = fopen(source.constData(), "w");
    ASSERT_NE(file, nullptr);
    fputs("bytes", file);
    fclose(file);
    EXPECT_TRUE(GetParam()(source, target, nullptr, nullptr));
    EXPECT_TRUE(FileAttributes::exists(target));
    EXPECT_FALSE(FileAttributes::exists(source));
    EXPECT_FALSE(FileAttributes::exists(lookalike));
    // The temporary folder cannot remove a name that is not UTF-8.
    unlink(target.constData());
}

INSTANTIATE_TEST_SUITE_P(AtomicRenameAndLinkingFallback, NoClobberMoveTest,
                         testing::Values(&NoClobberMove::move, &NoClobberMove::moveByLinking,
                                         &NoClobberMove::moveOverPlaceholder));

class NoClobberMoveFolderTest : public testing::Test {
protected:
    TestDir dir;
};

// A plain rename() replaces an empty folder silently; the no-replace move must not.
TEST_F(NoClobberMoveFolderTest, NeverReplacesAFolderAndMovesOneWhereAllowed) {
    const QString source = dir.makeFolder("source");
    dir.makeFile("source/inside.txt", "inside");
    const QString emptyFolder = dir.makeFolder("empty");
    const QString fullFolder = dir.makeFolder("full");
    dir.makeFile("full/kept.txt", "kept");

    int errorNumber = 0;
    EXPECT_FALSE(NoClobberMove::move(native(source), native(emptyFolder), nullptr, &errorNumber));
    EXPECT_EQ(errorNumber, EEXIST);
    EXPECT_FALSE(NoClobberMove::move(native(source), native(fullFolder)));
    EXPECT_EQ(contentOf(dir.filePath("full/kept.txt")), "kept");
    EXPECT_EQ(contentOf(dir.filePath("source/inside.txt")), "inside");
    EXPECT_TRUE(QDir(emptyFolder).isEmpty());

    EXPECT_TRUE(NoClobberMove::move(native(source), native(dir.filePath("moved"))));
    EXPECT_EQ(contentOf(dir.filePath("moved/inside.txt")), "inside");
}

TEST_F(NoClobberMoveFolderTest, LinkingFallbackRefusesFoldersAndLeavesThemInPlace) {
    const QString source = dir.makeFolder("source");
    dir.makeFile("source/inside.txt", "inside");

    QString error;
    int errorNumber = 0;
    EXPECT_FALSE(NoClobberMove::moveByLinking(native(source), native(dir.filePath("free")), &error,
                                              &errorNumber));
    EXPECT_EQ(errorNumber, ENOTSUP);
    EXPECT_TRUE(error.contains(u"folder")) << error;
    EXPECT_FALSE(FileAttributes::exists(dir.filePath("free")));
    EXPECT_EQ(contentOf(dir.filePath("source/inside.txt")), "inside");
}

TEST_F(NoClobberMoveFolderTest, PlaceholderFallbackMovesFoldersButNeverOverAnything) {
    const QString source = dir.makeFolder("source");
    dir.makeFile("source/inside.txt", "inside");
    const QString emptyFolder = dir.makeFolder("empty");
    int errorNumber = 0;
    EXPECT_FALSE(NoClobberMove::moveOverPlaceholder(native(source), native(emptyFolder), nullptr,
                                                    &errorNumber));
    EXPECT_EQ(errorNumber, EEXIST);
    EXPECT_TRUE(QDir(emptyFolder).isEmpty());
    // A failed rename takes its placeholder back.
    EXPECT_FALSE(
        NoClobberMove::moveOverPlaceholder(native(source), native(dir.filePath("source/inner"))));
    EXPECT_FALSE(FileAttributes::exists(dir.filePath("source/inner")));

    EXPECT_TRUE(NoClobberMove::moveOverPlaceholder(native(source), native(dir.filePath("moved"))));
    EXPECT_EQ(contentOf(dir.filePath("moved/inside.txt")), "inside");
    EXPECT_FALSE(FileAttributes::exists(source));
}

TEST_F(NoClobberMoveFolderTest, AFolderIntoItselfIsAnInvalidMoveNotAFileSystemLimit) {
    const QString source = dir.makeFolder("source");
    QString error;
    int errorNumber = 0;
    EXPECT_FALSE(NoClobberMove::move(native(source), native(dir.filePath("source/inner")), &error,
                                     &errorNumber));
    EXPECT_EQ(errorNumber, EINVAL);
    EXPECT_FALSE(error.contains(u"without the risk")) << error;
    EXPECT_TRUE(FileAttributes::isFolder(source));
}
