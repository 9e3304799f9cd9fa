#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUrl>

#include "listing/PasteboardPaths.h"
#include "support/TestEnvironment.h"

namespace {

ZKPasteboardItem fileNames(const QStringList &paths) {
    return ZKPasteboardItem{ZKPasteboardItem::Type::FileNames, paths};
}

ZKPasteboardItem urls(const QStringList &entries) {
    return ZKPasteboardItem{ZKPasteboardItem::Type::Urls, entries};
}

ZKPasteboardItem text(const QString &string) {
    return ZKPasteboardItem{ZKPasteboardItem::Type::PlainText, string};
}

}  // namespace

TEST(PasteboardPathsTest, FileNamesComeFirstAndAsGiven) {
    TestDir dir;
    const QString existing = dir.makeFile("a.txt");
    bool found = false;
    const QStringList paths = filesFromPasteboard(
        {text(existing), fileNames({"/no/such/file", existing})}, false, &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(paths, QStringList({"/no/such/file", existing}));
}

TEST(PasteboardPathsTest, UrlsYieldExistingLocalFilesOnly) {
    TestDir dir;
    const QString existing = dir.makeFile("with space.txt");
    const QString link = dir.filePath("dangling");
    ASSERT_EQ(::symlink("/no/such/target", QFile::encodeName(link).constData()), 0);
    bool found = false;
    const QStringList paths = filesFromPasteboard(
        {urls({QUrl::fromLocalFile(existing).toString(), "https://example.org/a.txt",
               QUrl::fromLocalFile(dir.filePath("missing.txt")).toString(), "", "not a url at all",
               QUrl::fromLocalFile(link).toString()})},
        false, &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(paths, QStringList({existing, link}));
}

TEST(PasteboardPathsTest, TextLinesNeedAnAbsolutePathOfAnExistingItem) {
    TestDir dir;
    const QString first = dir.makeFile("first.txt");
    const QString second = dir.makeFile("second.txt");
    // Relative lines must not be read against the working folder, even where they would exist.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    bool found = false;
    const QStringList paths =
        filesFromPasteboard({text("  " + first + " \t\r\nfirst.txt\n./second.txt\n\n" +
                                  dir.filePath("gone") + "\n" + second)},
                            false, &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(paths, QStringList({first, second}));

    filesFromPasteboard({text("first.txt\nsecond.txt")}, false, &found);
    EXPECT_FALSE(found);
    QDir::setCurrent(previous);
}

TEST(PasteboardPathsTest, AKindThatYieldsNothingGivesWayToTheNext) {
    TestDir dir;
    const QString existing = dir.makeFile("a.txt");
    bool found = false;
    EXPECT_EQ(filesFromPasteboard({fileNames({}), urls({"https://example.org/"}), text(existing)},
                                  false, &found),
              QStringList({existing}));
    EXPECT_TRUE(found);

    EXPECT_TRUE(filesFromPasteboard({}, false, &found).isEmpty());
    EXPECT_FALSE(found);
    EXPECT_TRUE(filesFromPasteboard({text("no paths here")}, false, nullptr).isEmpty());
}

TEST(PasteboardPathsTest, TestModeOnlyTellsWhetherFilesAreThere) {
    TestDir dir;
    const QString first = dir.makeFile("first.txt");
    const QString second = dir.makeFile("second.txt");
    bool found = false;
    EXPECT_TRUE(filesFromPasteboard({fileNames({first})}, true, &found).isEmpty());
    EXPECT_TRUE(found);
    EXPECT_TRUE(filesFromPasteboard({urls({"https://example.org/"})}, true, &found).isEmpty());
    EXPECT_TRUE(found);
    EXPECT_EQ(filesFromPasteboard({text(first + "\n" + second)}, true, &found),
              QStringList({first}));
    EXPECT_TRUE(found);
    filesFromPasteboard({text("relative/path")}, true, &found);
    EXPECT_FALSE(found);
}
