#include <gtest/gtest.h>

#include "common/NativePath.h"

TEST(NativePathTest, JoinedPutsExactlyOneSlashBetweenFolderAndName) {
    using NativePath::joined;
    EXPECT_EQ(joined("/a", "b c"), QByteArray("/a/b c"));
    EXPECT_EQ(joined("/a/", "b"), QByteArray("/a/b"));
    EXPECT_EQ(joined("/", "b"), QByteArray("/b"));
    // Names are bytes: nothing is decoded or cut at a zero byte.
    EXPECT_EQ(joined("/a", QByteArray("\xff\0x", 3)), QByteArray("/a/\xff\0x", 6));
}

// Read eight bytes at a time: a byte above ASCII must be found wherever it lies in a word.
TEST(NativePathTest, AsciiIsToldByteByByteAcrossWords) {
    EXPECT_TRUE(NativePath::isAscii(QByteArrayView()));
    const QByteArray plain = "IMG_000123 Holiday photo.jpg";
    EXPECT_TRUE(NativePath::isAscii(plain));
    for (qsizetype at = 0; at < plain.size(); ++at) {
        QByteArray name = plain;
        name[at] = char(0x80 | at);
        EXPECT_FALSE(NativePath::isAscii(name)) << at;
        EXPECT_EQ(NativePath::asciiPrefixSize(name), at);
    }
}
