#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "cli/CliTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

// A listed folder may hold links to anywhere, "/" included: a preview or a run must never list,
// count or rename anything through them.

namespace {

const QVariantMap kPrefix = findAndReplace("^(.)", "p-$1", true);

class SymbolicLinkSafetyTest : public testing::Test {
protected:
    void SetUp() override {
        dir.makeFile("tree/photo.jpg", "photo");
        dir.makeFile("tree/sub/deep.jpg", "deep");
        dir.makeFile("outside/theirs.txt", "theirs");
        link("/", "tree/root");
        link(dir.filePath("outside"), "tree/sub/outside link");
        link(dir.filePath("outside/theirs.txt"), "tree/file link");
        link(dir.filePath("nowhere"), "tree/dangling");
        link("loop", "tree/loop");
    }

    void link(const QString &target, const QString &relativePath) {
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(),
                            QFile::encodeName(dir.filePath(relativePath)).constData()),
                  0);
    }

    QString steps() { return writeStepsFile(dir.path(), {kPrefix}); }

    TestDir dir;
};

}  // namespace

TEST_F(SymbolicLinkSafetyTest, PreviewListsLinksAsItemsAndNothingBeyondThem) {
    const CliRun run =
        runCliInProcess({"preview", "--json", "--steps", steps(), dir.filePath("tree")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QStringList names;
    for (const QJsonObject &line : run.jsonLines()) {
        EXPECT_TRUE(line["path"].toString().startsWith(dir.filePath("tree") + '/'))
            << line["path"].toString().toStdString();
        names.append(line["name"].toString());
    }
    names.sort();
    EXPECT_EQ(names, QStringList({"dangling", "deep.jpg", "file link", "loop", "outside link",
                                  "photo.jpg", "root"}));
}

TEST_F(SymbolicLinkSafetyTest, RenameMovesTheLinksThemselvesAndLeavesTargetsAlone) {
    const CliRun run = runCliProgram({"rename", "--yes", "--steps", steps(), dir.filePath("tree")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    for (const char *name : {"p-root", "p-file link", "p-dangling", "p-loop", "sub/p-outside link"})
        EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("tree/") + name)).isSymLink()) << name;
    EXPECT_EQ(QFileInfo(dir.filePath("tree/p-root")).symLinkTarget(), "/");
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("tree/p-photo.jpg")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("tree/sub/p-deep.jpg")));
    // What the links point to keeps its name.
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("outside/theirs.txt")));
    EXPECT_EQ(QDir(dir.filePath("outside")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"theirs.txt"}));
}

TEST_F(SymbolicLinkSafetyTest, ARootNamedThroughALinkIsListedThroughIt) {
    link(dir.filePath("tree/sub"), "named");
    const CliRun run =
        runCliInProcess({"preview", "--json", "--steps", steps(), dir.filePath("named")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QStringList paths;
    for (const QJsonObject &line : run.jsonLines()) paths.append(line["path"].toString());
    paths.sort();
    EXPECT_EQ(paths,
              QStringList({dir.filePath("named/deep.jpg"), dir.filePath("named/outside link")}));
}

TEST_F(SymbolicLinkSafetyTest, ANameLongerThanTheFolderTakesIsRedInThePreview) {
    const QString name = QString(250, u'n') + ".txt";
    dir.makeFile("long/" + name);
    const QVariantMap lengthen = findAndReplace("^(.)", "abc$1", true);
    const CliRun run =
        runCliInProcess({"preview", "--json", "--steps", writeStepsFile(dir.path(), {lengthen}),
                         dir.filePath("long")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ASSERT_EQ(run.jsonLines().size(), 1);
    EXPECT_EQ(run.jsonLines()[0]["light"].toString(), "red");
    EXPECT_EQ(run.jsonLines()[0]["error"].toString(),
              "Resulting filename is too long (257 of 255 bytes)");
}
