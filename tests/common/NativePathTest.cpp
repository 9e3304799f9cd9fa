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
