#include <gtest/gtest.h>

#include "records/NameUniqueness.h"

using NameUniqueness::stringByInsertingNumberInPath;

TEST(NameUniquenessTest, NumberGoesBeforeAnAlphanumericExtension) {
    EXPECT_EQ(stringByInsertingNumberInPath("/a/A.txt", 1), "/a/A (1).txt");
    EXPECT_EQ(stringByInsertingNumberInPath("/a/archive.tar.gz", 2), "/a/archive.tar (2).gz");
    EXPECT_EQ(stringByInsertingNumberInPath("/a/Fotó.jpeg", 12), "/a/Fotó (12).jpeg");
}

TEST(NameUniquenessTest, NumberIsAppendedWithoutAnAlphanumericExtension) {
    EXPECT_EQ(stringByInsertingNumberInPath("/a/Read Me", 1), "/a/Read Me (1)");
    EXPECT_EQ(stringByInsertingNumberInPath("/a/.profile", 1), "/a/.profile (1)");
    EXPECT_EQ(stringByInsertingNumberInPath("/a/notes.v-1", 3), "/a/notes.v-1 (3)");
    EXPECT_EQ(stringByInsertingNumberInPath("/a/trailing.", 1), "/a/trailing. (1)");
    // A dot in the folder is no extension of the name.
    EXPECT_EQ(stringByInsertingNumberInPath("/a.b/c", 1), "/a.b/c (1)");
}

TEST(NameUniquenessTest, PercentSignsInTheNameStayLiteral) {
    EXPECT_EQ(stringByInsertingNumberInPath("/a/100%2 done.txt", 4), "/a/100%2 done (4).txt");
    EXPECT_EQ(stringByInsertingNumberInPath("/a/%1.txt", 7), "/a/%1 (7).txt");
}
