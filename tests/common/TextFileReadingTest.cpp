#include <gtest/gtest.h>

#include <QDir>

#include "common/TextFileReading.h"
#include "common/TildePath.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

using namespace TextFileReading;

namespace {

QByteArray utf16(const QString &text, bool bigEndian) {
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

}  // namespace

TEST(TextFileReadingTest, DetectsUtf8AndUtf16WithByteOrderMark) {
    TestDir dir;
    const QString expected = QStringLiteral("caf\u00e9\n\U0001F600\nb");
    const QString plain = dir.makeFile("plain.txt", expected.toUtf8());
    const QString marked = dir.makeFile("marked.txt", "\xEF\xBB\xBF" + expected.toUtf8());
    const QString little = dir.makeFile("le.txt", utf16(expected, false));
    const QString big = dir.makeFile("be.txt", utf16(expected, true));
    for (const QString &path : {plain, marked, little, big}) {
        EXPECT_EQ(readTextFile(path, "UTF-8"), expected) << path;
    }
}

TEST(TextFileReadingTest, WindowsLineEndsBecomeLineFeeds) {
    TestDir dir;
    EXPECT_EQ(readTextFile(dir.makeFile("w.txt", "a\r\nb\r\n\rc"), "UTF-8"), "a\nb\n\rc");
    EXPECT_EQ(readTextFile(dir.makeFile("w16.txt", utf16("a\r\nb", false)), "UTF-8"), "a\nb");
}

TEST(TextFileReadingTest, FallsBackToTheLocaleEncoding) {
    const QByteArray latin1("caf\xE9", 4);
    EXPECT_EQ(decodedText(latin1, "ISO-8859-1"), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(decodedText(QByteArray("\x80", 1), "windows-1252"), QStringLiteral("\u20ac"));
    // Bytes that the locale's encoding cannot decode are no text.
    EXPECT_FALSE(decodedText(latin1, "UTF-8").has_value());
    EXPECT_FALSE(decodedText(latin1, "ANSI_X3.4-1968").has_value());
    EXPECT_FALSE(decodedText(latin1, "no such encoding").has_value());
    EXPECT_FALSE(localeEncodingName().isEmpty());
}

TEST(TextFileReadingTest, BinaryMissingAndFolderAreNoText) {
    TestDir dir;
    EXPECT_FALSE(readTextFile(dir.makeFile("b.bin", QByteArray("ab\0cd", 5)), "UTF-8"));
    EXPECT_FALSE(readTextFile(dir.filePath("missing.txt"), "ISO-8859-1"));
    EXPECT_FALSE(readTextFile(dir.makeFolder("folder"), "ISO-8859-1"));
    // An odd UTF-16 byte count cannot be decoded.
    EXPECT_FALSE(decodedText(QByteArray("\xFF\xFE"
                                        "a",
                                        3),
                             "UTF-8"));
    EXPECT_EQ(decodedText(QByteArray(), "UTF-8"), QString());
}

TEST(TildePathTest, HomeFolderWrittenWithTilde) {
    using namespace TildePath;
    const QString home = QDir::homePath();
    EXPECT_EQ(abbreviatingWithTildeInPath(home + "/terms/a.txt"), "~/terms/a.txt");
    EXPECT_EQ(abbreviatingWithTildeInPath(home), "~");
    EXPECT_EQ(abbreviatingWithTildeInPath(home + "-other/a.txt"), home + "-other/a.txt");
    EXPECT_EQ(abbreviatingWithTildeInPath("/elsewhere/a.txt"), "/elsewhere/a.txt");
    EXPECT_EQ(expandingTildeInPath("~/terms/a.txt"), home + "/terms/a.txt");
    EXPECT_EQ(expandingTildeInPath("~"), home);
    EXPECT_EQ(expandingTildeInPath("~other/a.txt"), "~other/a.txt");
    EXPECT_EQ(expandingTildeInPath("/a/~/b"), "/a/~/b");
}

TEST(TextFileReadingTest, TruncatedSequencesAreNoText) {
    EXPECT_FALSE(decodedText(QByteArray("caf\xC3", 4), "UTF-8"));
    EXPECT_FALSE(decodedText(QByteArray("\xFE\xFF\xD8\x3D", 4), "ISO-8859-1"));
    // A lone byte-order mark is an empty text.
    EXPECT_EQ(decodedText(QByteArray("\xEF\xBB\xBF", 3), "UTF-8"), QString());
}
