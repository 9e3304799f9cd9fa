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
