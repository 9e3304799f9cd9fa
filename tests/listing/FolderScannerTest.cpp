#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSet>

#include "common/Unicode.h"
#include "listing/FolderScanner.h"
#include "support/TestEnvironment.h"

namespace {

ListingRules rules(bool files, bool folders, bool contents) {
    ListingRules listing;
    listing.listFiles = files;
    listing.listFolders = folders;
    listing.scanFolderContents = contents;
    return listing;
}

class FolderScannerTest : public testing::Test {
protected:
    // The listed paths relative to the test folder, folders marked with a trailing "/".
    QStringList relative(const ScanResult &result) const {
        QStringList paths;
        for (const ScannedItem &item : result.items) {
            QString path = item.path.mid(dir.path().size() + 1);
            if (item.isFolder) path += u'/';
            paths.append(path);
        }
        return paths;
    }

    QSet<QString> relativeSet(const ScanResult &result) const {
        const QStringList paths = relative(result);
        return QSet<QString>(paths.begin(), paths.end());
    }

    ScanResult scan(const ListingRules &listing, const QStringList &roots = {}) {
        return FolderScanner(listing).scan(roots.isEmpty() ? QStringList{dir.path()} : roots);
    }

    void link(const QString &target, const QString &relativePath) {
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(),
                            QFile::encodeName(dir.filePath(relativePath)).constData()),
                  0);
    }

    TestDir dir;
};

// A clock that moves on by a fixed step every time it is read.
FolderScanner::Clock steppingClock(qint64 step) {
    auto now = std::make_shared<qint64>(0);
    return [now, step] { return *now += step; };
}

}  // namespace

TEST_F(FolderScannerTest, DroppedFolderWithDefaultsListsEveryFileAtEveryDepthButNoFolder) {
    dir.makeFile("a/x.txt");
    dir.makeFile("a/b/y.txt");
    dir.makeFile("a/b/c/d/z.txt");
    dir.makeFolder("a/empty");
    const ScanResult result = scan(ListingRules(), {dir.filePath("a")});
    EXPECT_EQ(relativeSet(result), (QSet<QString>{"a/x.txt", "a/b/y.txt", "a/b/c/d/z.txt"}));
    EXPECT_FALSE(result.stopped);
    EXPECT_TRUE(result.libraryName.isEmpty());
}

TEST_F(FolderScannerTest, SinkTakesTheItemsInScanOrderAndTheResultKeepsNone) {
    dir.makeFile("a/x.txt");
    dir.makeFile("a/b/y.txt");
    dir.makeFolder("a/b/c");
    const ListingRules everything = rules(true, true, true);
    ScanResult sunk;
    const ScanResult result =
        FolderScanner(everything).scan(QStringList{dir.path()}, [&sunk](const ScannedItem &item) {
            sunk.items.append(item);
        });
    EXPECT_TRUE(result.items.isEmpty());
    EXPECT_EQ(relative(sunk), relative(scan(everything)));
    EXPECT_EQ(relative(sunk).size(), 6);  // the root folder and the five items in it
}

TEST_F(FolderScannerTest, ListingRulesDecideWhatOfAFolderIsListed) {
    dir.makeFile("a/x.txt");
    dir.makeFile("a/b/y.txt");
    const QStringList root{dir.filePath("a")};
    EXPECT_EQ(relative(scan(rules(true, true, false), root)), QStringList({"a/"}));
    EXPECT_EQ(relative(scan(rules(false, true, false), root)), QStringList({"a/"}));
    EXPECT_TRUE(scan(rules(true, false, false), root).items.isEmpty());
    EXPECT_EQ(relativeSet(scan(rules(false, true, true), root)), (QSet<QString>{"a/", "a/b/"}));

    // Each listed folder comes before its contents.
    const QStringList all = relative(scan(rules(true, true, true), root));
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()),
              (QSet<QString>{"a/", "a/x.txt", "a/b/", "a/b/y.txt"}));
    EXPECT_EQ(all.first(), "a/");
    EXPECT_LT(all.indexOf("a/b/"), all.indexOf("a/b/y.txt"));
}

TEST_F(FolderScannerTest, PackageIsListedAsAFileAndNeverEntered) {
    dir.makeFile("a/Tool.app/Contents/Info.plist");
    dir.makeFile("a/Plugin.BUNDLE/inside.txt");
    dir.makeFile("a/notes.txt");
    const QStringList root{dir.filePath("a")};
    EXPECT_EQ(relativeSet(scan(rules(true, true, true), root)),
              (QSet<QString>{"a/", "a/Tool.app", "a/Plugin.BUNDLE", "a/notes.txt"}));
    EXPECT_EQ(relative(scan(rules(false, true, true), root)), QStringList({"a/"}));
    // A package dropped on its own is one file too.
    EXPECT_EQ(relative(scan(ListingRules(), {dir.filePath("a/Tool.app")})),
              QStringList({"a/Tool.app"}));
}

TEST_F(FolderScannerTest, ExceptionsAndRepeatedItemsAreListedOnce) {
    const QString removed = dir.makeFile("a/removed.txt");
    dir.makeFile("a/kept.txt");
    dir.makeFile("a/sub/inner.txt");
    ListingRules listing = rules(true, true, true);
    listing.exceptionPaths = {removed, dir.filePath("a/sub")};
    // A removed folder is not listed, but what is inside it still is.
    const ScanResult result =
        scan(listing, {dir.filePath("a"), dir.filePath("a/kept.txt"), dir.filePath("a/sub/"),
                       dir.filePath("a/missing.txt"), QString()});
    EXPECT_EQ(relativeSet(result), (QSet<QString>{"a/", "a/kept.txt", "a/sub/inner.txt"}));
    EXPECT_EQ(result.items.size(), 3);
}

TEST_F(FolderScannerTest, HiddenItemsAreLeftOutOnlyWhenInvisibleFilesAreIgnored) {
    dir.makeFile("a/.dotfile");
    dir.makeFile("a/.dotfolder/inside.txt");
    dir.makeFile("a/listed hidden.txt");
    dir.makeFile("a/shown.txt");
    dir.makeFile("a/hidden folder/inside.txt");
    dir.makeFile("a/.hidden", "listed hidden.txt\r\n\nhidden folder\nnot there\n");
    const QStringList root{dir.filePath("a")};
    EXPECT_EQ(relative(scan(ListingRules(), root)), QStringList({"a/shown.txt"}));

    ListingRules everything;
    everything.ignoreInvisibleFiles = false;
    EXPECT_EQ(relativeSet(scan(everything, root)),
              (QSet<QString>{"a/.dotfile", "a/.dotfolder/inside.txt", "a/listed hidden.txt",
                             "a/shown.txt", "a/hidden folder/inside.txt", "a/.hidden"}));
}

TEST_F(FolderScannerTest, LinkBackToAnAncestorEndsTheDescent) {
    dir.makeFile("a/x.txt");
    dir.makeFile("a/sub/y.txt");
    link(dir.filePath("a"), "a/sub/up");
    link("..", "a/sub/parent");
    const QStringList root{dir.filePath("a")};
    EXPECT_EQ(
        relativeSet(scan(rules(true, true, true), root)),
        (QSet<QString>{"a/", "a/x.txt", "a/sub/", "a/sub/y.txt", "a/sub/up", "a/sub/parent"}));

    ListingRules noAliases = rules(true, true, true);
    noAliases.ignoreAliases = true;
    EXPECT_EQ(relativeSet(scan(noAliases, root)),
              (QSet<QString>{"a/", "a/x.txt", "a/sub/", "a/sub/y.txt"}));
}

TEST_F(FolderScannerTest, LinksInsideAListedFolderAreItemsNeverEntered) {
    dir.makeFile("elsewhere/far.txt");
    dir.makeFile("a/near.txt");
    link(dir.filePath("elsewhere"), "a/link");
    link("/", "a/root");
    link(dir.filePath("elsewhere/far.txt"), "a/file link");
    link(dir.filePath("nowhere"), "a/dangling");
    link("loop", "a/loop");
    const QStringList root{dir.filePath("a")};
    const QSet<QString> links{"a/link", "a/root", "a/file link", "a/dangling", "a/loop"};
    EXPECT_EQ(relativeSet(scan(ListingRules(), root)), links + QSet<QString>{"a/near.txt"});
    // Listed as files: with folders only, a link to a folder is not a folder to list.
    EXPECT_EQ(relativeSet(scan(rules(false, true, true), root)), QSet<QString>{"a/"});
    for (const ScannedItem &item : scan(rules(true, true, true), root).items)
        EXPECT_TRUE(item.path.startsWith(dir.filePath("a"))) << item.path.toStdString();

    ListingRules noAliases;
    noAliases.ignoreAliases = true;
    EXPECT_EQ(relative(scan(noAliases, root)), QStringList({"a/near.txt"}));
    EXPECT_TRUE(ignoreFileAtPath(QFile::encodeName(dir.filePath("a/link")), false, true));
    EXPECT_FALSE(ignoreFileAtPath(QFile::encodeName(dir.filePath("a/link")), true, false));
}

TEST_F(FolderScannerTest, ARootThatIsALinkIsResolvedOnceAndItsLinksStayItems) {
    dir.makeFile("real/photo.jpg");
    dir.makeFile("outside/secret.txt");
    link(dir.filePath("outside"), "real/out");
    link(dir.filePath("real"), "named");
    EXPECT_EQ(relativeSet(scan(rules(true, true, true), {dir.filePath("named")})),
              (QSet<QString>{"named/", "named/photo.jpg", "named/out"}));
    // Every item carries the folder it was listed in.
    const ScanResult result = scan(ListingRules(), {dir.filePath("named")});
    const FileAttributes::FileIdentity real = FileAttributes::identity(dir.filePath("real"));
    for (const ScannedItem &item : result.items) EXPECT_EQ(item.folder, real);
}

// Records take the type from the scan instead of reading it again, so it must be what the
// disk tells of the item itself, whether the listing told it or the scan had to ask.
TEST_F(FolderScannerTest, EveryItemCarriesItsOwnTypeAsTheDiskTellsIt) {
    dir.makeFile("real/Tool.app/Contents/Info.plist");
    dir.makeFile("real/notes.txt");
    dir.makeFile("real/sub/inner.txt");
    link(dir.filePath("real/sub"), "real/folder link");
    link(dir.filePath("real"), "named");
    for (const QString &root : {dir.filePath("real"), dir.filePath("named")}) {
        const ScanResult result = scan(rules(true, true, true), {root});
        EXPECT_EQ(result.items.size(), 6);
        for (const ScannedItem &item : result.items) {
            EXPECT_EQ(item.type.isFolder, FileAttributes::isFolder(item.nativePath))
                << item.path.toStdString();
            EXPECT_EQ(item.type.isPackage, FileAttributes::isPackage(item.nativePath))
                << item.path.toStdString();
        }
    }
}

TEST_F(FolderScannerTest, NeitherIgnoreFlagIgnoresNothing) {
    const QByteArray dotfile = QFile::encodeName(dir.makeFile(".dotfile"));
    EXPECT_FALSE(ignoreFileAtPath(dotfile, false, false));
    EXPECT_TRUE(ignoreFileAtPath(dotfile, true, false));
    EXPECT_FALSE(ignoreFileAtPath(QByteArray(), false, false));
    EXPECT_TRUE(ignoreFileAtPath(QByteArray(), true, false));
}

TEST_F(FolderScannerTest, NamesAreKeptAsTheirExactBytes) {
    const QByteArray folder = QFile::encodeName(dir.makeFolder("a"));
    const QByteArray invalid = folder + "/bad\xff\xfe.txt";
    const QByteArray decomposed = folder + "/e\xcc\x81t\xc3\xa9.txt";  // "é" as e + accent
    for (const QByteArray &path : {invalid, decomposed}) {
        const int file = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(file, 0);
        ::close(file);
    }
    const ScanResult result = scan(ListingRules(), {dir.filePath("a")});
    ASSERT_EQ(result.items.size(), 2);
    QSet<QByteArray> natives;
    for (const ScannedItem &item : result.items) {
        natives.insert(item.nativePath);
        if (item.nativePath == decomposed)
            EXPECT_EQ(item.path, dir.filePath(QString::fromUtf16(u"a/\u00E9t\u00E9.txt")));
        else
            EXPECT_TRUE(item.path.contains(QChar::ReplacementCharacter));
    }
    EXPECT_EQ(natives, (QSet<QByteArray>{invalid, decomposed}));
    // Qt cannot name the invalid one to remove it with the test folder.
    ::unlink(invalid.constData());
}

TEST_F(FolderScannerTest, AFoldersItemsComeInByteOrderOfTheirNames) {
    // Names that share a long start, names that start other names, bytes past ASCII, and
    // differences before, within and after the eight bytes that follow the shared start.
    const QList<QByteArray> names{
        "IMG_2024_",          "IMG_2024_0001.jpg",          "IMG_2024_0001.jpeg",
        "IMG_2024_0001",      "IMG_2024_00010.jpg",         "IMG_2024_0002.jpg",
        "IMG_2024_000.jpg",   "IMG_2024_\xc3\xa9t\xc3\xa9", "IMG_2024_\xff",
        "IMG_2024_0001.jpg~", "IMG_2024_0001.jpgA",         "IMG_2024_0001.jpf",
        "IMG_2024_00000000Z", "IMG_2024_00000000",          "IMG_2024_0000000",
        "IMG_2024_00000000A"};
    const QByteArray folder = QFile::encodeName(dir.makeFolder("a"));
    for (const QByteArray &name : names) {
        const int file = ::open((folder + '/' + name).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(file, 0);
        ::close(file);
    }
    QList<QByteArray> expected;
    for (const QByteArray &name : names) expected.append(folder + '/' + name);
    std::sort(expected.begin(), expected.end());
    QList<QByteArray> listed;
    for (const ScannedItem &item : scan(ListingRules(), {dir.filePath("a")}).items)
        listed.append(item.nativePath);
    EXPECT_EQ(listed, expected);
    ::unlink((folder + "/IMG_2024_\xff").constData());
}

TEST_F(FolderScannerTest, AFolderTooLargeForOneReadListsEveryEntryOnceInOrder) {
    // Some 300 kilobytes of entries: the kernel hands them over in several reads.
    const QString padding(180, u'x');
    QStringList expected;
    for (int i = 0; i < 1500; ++i) {
        const QString name = QStringLiteral("%1 %2.txt").arg(padding).arg(i, 4, 10, QChar(u'0'));
        expected.append(dir.makeFile("many/" + name));
    }
    QStringList listed;
    for (const ScannedItem &item : scan(ListingRules(), {dir.filePath("many")}).items)
        listed.append(item.path);
    EXPECT_EQ(listed, expected);
}

TEST_F(FolderScannerTest, ComposedSpellingFindsADecomposedRoot) {
    const QByteArray folder = QFile::encodeName(dir.path()) + "/cafe\xcc\x81";
    ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
    const int file = ::open((folder + "/menu.txt").constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(file, 0);
    ::close(file);

    const QString composed = dir.filePath(QString::fromUtf16(u"caf\u00E9"));
    EXPECT_EQ(FolderScanner::nativePathForPath(composed), folder);
    EXPECT_EQ(FolderScanner::nativePathForPath(composed + "/menu.txt"), folder + "/menu.txt");
    EXPECT_EQ(FolderScanner::nativePathForPath(dir.filePath("missing")),
              QFile::encodeName(dir.filePath("missing")));

    const ScanResult result = scan(ListingRules(), {composed});
    ASSERT_EQ(result.items.size(), 1);
    EXPECT_EQ(result.items.first().nativePath, folder + "/menu.txt");
    EXPECT_EQ(result.items.first().path, composed + "/menu.txt");
}

TEST_F(FolderScannerTest, StopCheckIsThrottledAndStopsEveryLevel) {
    for (int i = 0; i < 40; ++i) dir.makeFile(QStringLiteral("a/f%1").arg(i));
    // Every read of the clock moves it 5 ms on: one check per four entries.
    int checks = 0;
    FolderScanner throttled(
        ListingRules(), [&](const QString &) { return ++checks, false; }, steppingClock(5));
    EXPECT_EQ(throttled.scan(QStringList{dir.filePath("a")}).items.size(), 40);
    EXPECT_EQ(checks, 41 / 4);

    dir.makeFile("b/deep/deeper/g.txt");
    dir.makeFile("c/h.txt");
    QStringList seen;
    FolderScanner stopping(
        ListingRules(),
        [&](const QString &path) {
            seen.append(path);
            return path.endsWith("/deeper");
        },
        steppingClock(FolderScanner::stopCheckInterval));
    const ScanResult result =
        stopping.scan(QStringList{dir.filePath("b"), dir.filePath("c"), dir.filePath("a")});
    EXPECT_TRUE(result.stopped);
    EXPECT_TRUE(result.items.isEmpty());
    EXPECT_EQ(seen, QStringList({dir.filePath("b"), dir.filePath("b/deep"),
                                 dir.filePath("b/deep/deeper")}));
}

TEST_F(FolderScannerTest, StoppedScanKeepsWhatWasFoundUntilThen) {
    dir.makeFile("a/1.txt");
    dir.makeFile("b/2.txt");
    FolderScanner scanner(
        ListingRules(), [&](const QString &path) { return path == dir.filePath("b"); },
        steppingClock(FolderScanner::stopCheckInterval));
    const ScanResult result = scanner.scan(QStringList{dir.filePath("a"), dir.filePath("b")});
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(relative(result), QStringList({"a/1.txt"}));
}

TEST_F(FolderScannerTest, UnreadableFolderIsSkippedQuietly) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    dir.makeFile("a/locked/secret.txt");
    dir.makeFile("a/open.txt");
    const QString locked = dir.filePath("a/locked");
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    const ScanResult result = scan(rules(true, true, true), {dir.filePath("a")});
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    EXPECT_EQ(relativeSet(result), (QSet<QString>{"a/", "a/locked/", "a/open.txt"}));
}

TEST_F(FolderScannerTest, SystemLocationsAreNeitherListedNorEntered) {
    ListingRules everything = rules(true, true, true);
    for (const char *root : {"/proc", "/sys", "/dev", "/run", "/etc", "/var", "/tmp"})
        EXPECT_TRUE(FolderScanner(everything).scan(QStringList{root}).items.isEmpty()) << root;
    // Inside a kernel file system nothing is entered, however it is reached.
    const ScanResult self = FolderScanner(rules(true, false, true)).scan(QStringList{"/proc/self"});
    EXPECT_TRUE(self.items.isEmpty());
    link("/proc", "proc link");
    link("/sys/kernel", "sys link");
    EXPECT_EQ(relativeSet(scan(everything, {dir.filePath("proc link"), dir.filePath("sys link")})),
              (QSet<QString>{"proc link/", "sys link/"}));
}

TEST_F(FolderScannerTest, ScanningTheRootNeverLooksIntoProtectedLocations) {
    const QStringList forbidden = {"/proc", "/sys", "/dev", "/run", "/var", "/tmp", "/etc"};
    auto isInside = [&](const QString &path) {
        for (const QString &folder : forbidden)
            if (path.startsWith(folder + '/')) return true;
        return false;
    };
    // Every entry is checked (the clock moves a full interval per read); the scan stops after
    // a few thousand of them.
    int checks = 0;
    QStringList entered;
    FolderScanner scanner(
        rules(true, true, true),
        [&](const QString &path) {
            if (isInside(path)) entered.append(path);
            return ++checks >= 3000;
        },
        steppingClock(FolderScanner::stopCheckInterval));
    const ScanResult result = scanner.scan(QStringList{"/"});
    EXPECT_TRUE(entered.isEmpty()) << entered.join(", ").toStdString();
    EXPECT_FALSE(result.items.isEmpty());
    for (const ScannedItem &item : result.items)
        EXPECT_FALSE(forbidden.contains(item.path) || isInside(item.path))
            << item.path.toStdString();
}
