#include <gtest/gtest.h>

#include <QFile>

#include "platform/HiddenItems.h"
#include "support/TestEnvironment.h"

TEST(HiddenItemsTest, DotNamesAndListedNamesAreHidden) {
    TestDir dir;
    const QByteArray folder = QFile::encodeName(dir.makeFolder("a"));
    dir.makeFile("a/.hidden", "listed name\r\n\nlisted folder/\nother\n");
    HiddenItems hidden;
    EXPECT_TRUE(hidden.isHidden(folder + "/.anything"));
    EXPECT_TRUE(hidden.isHidden(folder + "/listed name"));
    EXPECT_TRUE(hidden.isHidden(folder + "/other/"));
    EXPECT_FALSE(hidden.isHidden(folder + "/shown"));
    EXPECT_FALSE(hidden.isHidden(folder));
    EXPECT_FALSE(hidden.isHidden("/"));
}

TEST(HiddenItemsTest, HiddenListIsReadOncePerObject) {
    TestDir dir;
    const QByteArray folder = QFile::encodeName(dir.makeFolder("a"));
    dir.makeFile("a/.hidden", "first\n");
    HiddenItems hidden;
    EXPECT_TRUE(hidden.isHidden(folder + "/first"));
    EXPECT_FALSE(hidden.isHidden(folder + "/second"));
    dir.makeFile("a/.hidden", "second\n");
    EXPECT_FALSE(hidden.isHidden(folder + "/second"));
    EXPECT_TRUE(HiddenItems().isHidden(folder + "/second"));
}

TEST(HiddenItemsTest, EachFolderKeepsItsOwnList) {
    TestDir dir;
    const QByteArray a = QFile::encodeName(dir.makeFolder("a"));
    const QByteArray ab = QFile::encodeName(dir.makeFolder("ab"));
    dir.makeFile("a/.hidden", "only in a\n");
    dir.makeFile("ab/.hidden", "only in ab\n");
    HiddenItems hidden;
    // Alternating folders, one the other's prefix, must never answer from the wrong list.
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(hidden.isHidden(a + "/only in a"));
        EXPECT_FALSE(hidden.isHidden(ab + "/only in a"));
        EXPECT_TRUE(hidden.isHidden(ab + "/only in ab"));
        EXPECT_FALSE(hidden.isHidden(a + "/only in ab"));
    }
    EXPECT_FALSE(hidden.isHidden("/only in a"));
}
