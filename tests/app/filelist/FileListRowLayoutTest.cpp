#include <gtest/gtest.h>

#include "app/filelist/FileListRowLayout.h"

TEST(FileListRowLayoutTest, ColumnWidthsFloorTheSharesOfTheRow) {
    // (501 - 20 - 24) / 2 = 228.5 and (501 - 40 - 48) / 3 = 137.67
    EXPECT_EQ(FileListRowLayout::columnWidth(501, 20, 24, false), 228);
    EXPECT_EQ(FileListRowLayout::columnWidth(501, 20, 24, true), 137);
    EXPECT_EQ(FileListRowLayout::columnWidth(30, 20, 24, false), 0);
    EXPECT_EQ(FileListRowLayout::columnWidth(30, 20, 24, true), 0);
}

TEST(FileListRowLayoutTest, ColumnsFollowEachOtherBetweenLights) {
    const QRect row(10, 5, 501, 20);
    const FileListRowLayout two = FileListRowLayout::forRow(row, 20, 24, true, false);
    EXPECT_EQ(two.icon, QRect(10, 5, 24, 20));
    EXPECT_EQ(two.currentName, QRect(34, 5, 228, 20));
    EXPECT_EQ(two.light, QRect(262, 5, 20, 20));
    EXPECT_EQ(two.newName, QRect(282, 5, 228, 20));
    EXPECT_TRUE(two.interimName.isEmpty());
    EXPECT_TRUE(two.interimLight.isEmpty());

    const FileListRowLayout three = FileListRowLayout::forRow(row, 20, 24, true, true);
    EXPECT_EQ(three.currentName, QRect(34, 5, 137, 20));
    EXPECT_EQ(three.interimLight, QRect(171, 5, 20, 20));
    EXPECT_EQ(three.interimName, QRect(191, 5, 137, 20));
    EXPECT_EQ(three.light, QRect(328, 5, 20, 20));
    EXPECT_EQ(three.newName, QRect(348, 5, 137, 20));
    EXPECT_LE(three.newName.right(), row.right());
}

TEST(FileListRowLayoutTest, WithoutNewNameTheCurrentNameTakesTheRow) {
    const QRect row(0, 0, 300, 20);
    for (const bool interim : {false, true}) {
        const FileListRowLayout layout = FileListRowLayout::forRow(row, 20, 24, false, interim);
        EXPECT_EQ(layout.currentName, QRect(24, 0, 276, 20));
        EXPECT_TRUE(layout.light.isEmpty());
        EXPECT_TRUE(layout.newName.isEmpty());
        EXPECT_TRUE(layout.interimName.isEmpty());
    }
}
