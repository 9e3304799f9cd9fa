#include <gtest/gtest.h>

#include "listing/SortMenu.h"

namespace {

const SortMenuItem *findItem(const QList<SortMenuItem> &items, const QString &title) {
    for (const SortMenuItem &item : items) {
        if (item.title == title) return &item;
    }
    return nullptr;
}

QStringList checkedTitles(const QList<SortMenuItem> &items) {
    QStringList titles;
    for (const SortMenuItem &item : items) {
        if (item.checked) titles.append(item.title);
    }
    return titles;
}

}  // namespace

TEST(SortMenuTest, MenuListsCriteriaDirectionsAndSpecialOrders) {
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::Size);
    const QList<SortMenuItem> items = SortMenu::items(priorities);

    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items.first().kind, SortMenuItem::Kind::Header);
    EXPECT_EQ(items.first().title, "Sort By");
    EXPECT_FALSE(items.first().enabled);

    const QStringList criteria = {"Name",    "Path", "Creation Date", "Modification Date",
                                  "Comment", "Size", "File Type"};
    for (int tag = 0; tag < criteria.size(); ++tag) {
        const SortMenuItem *item = findItem(items, criteria.at(tag));
        ASSERT_NE(item, nullptr) << criteria.at(tag).toStdString();
        EXPECT_EQ(item->tag, tag);
        EXPECT_EQ(item->keyEquivalent, QString::number(tag + 1));
        EXPECT_TRUE(item->enabled);
    }
    const SortMenuItem *ascending = findItem(items, "Ascending");
    const SortMenuItem *descending = findItem(items, "Descending");
    ASSERT_TRUE(ascending && descending);
    EXPECT_EQ(ascending->representedObject, "Direction");
    EXPECT_EQ(ascending->keyEquivalent, "<");
    EXPECT_EQ(descending->keyEquivalent, ">");
    EXPECT_EQ(descending->tag, 1);
    EXPECT_EQ(checkedTitles(items), (QStringList{"Size", "Ascending"}));

    const SortMenuItem *shuffle = findItem(items, "Shuffle");
    const SortMenuItem *dontSort = findItem(items, "Don't Sort");
    ASSERT_TRUE(shuffle && dontSort);
    EXPECT_EQ(shuffle->tag, 99);
    EXPECT_FALSE(shuffle->isAlternate);
    EXPECT_EQ(dontSort->tag, -1);
    EXPECT_TRUE(dontSort->isAlternate);
    // The alternate directly follows the item it replaces.
    EXPECT_EQ(shuffle + 1, dontSort);
}

TEST(SortMenuTest, DirectionItemsOnlyForRealCriteria) {
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::Shuffle);
    QList<SortMenuItem> items = SortMenu::items(priorities);
    EXPECT_EQ(findItem(items, "Ascending"), nullptr);
    EXPECT_EQ(findItem(items, "Descending"), nullptr);
    EXPECT_EQ(checkedTitles(items), QStringList{"Shuffle"});

    priorities.setPrimarySortOrder(ZKSortPriorities::DontSort);
    items = SortMenu::items(priorities);
    EXPECT_EQ(checkedTitles(items), QStringList{"Don't Sort"});
}

TEST(SortMenuTest, ChoosingItemsChangesPrimaryOrderAndDirection) {
    ZKSortPriorities priorities;
    const QList<SortMenuItem> items = SortMenu::items(priorities);

    EXPECT_FALSE(SortMenu::apply(*findItem(items, "Descending"), priorities));
    EXPECT_TRUE(priorities.isPrimaryInverted());
    EXPECT_EQ(priorities.primarySortOrder(), 0);

    EXPECT_TRUE(SortMenu::apply(*findItem(items, "Size"), priorities));
    EXPECT_EQ(priorities.primarySortOrder(), 5);
    EXPECT_FALSE(priorities.isPrimaryInverted());

    // Back to Name: its descending direction is still there.
    EXPECT_TRUE(SortMenu::apply(*findItem(items, "Name"), priorities));
    EXPECT_TRUE(priorities.isPrimaryInverted());
    EXPECT_FALSE(SortMenu::apply(*findItem(items, "Ascending"), priorities));
    EXPECT_FALSE(priorities.isPrimaryInverted());

    EXPECT_TRUE(SortMenu::apply(*findItem(items, "Don't Sort"), priorities));
    EXPECT_EQ(priorities.primarySortOrder(), -1);
    // Headers and separators do nothing.
    EXPECT_FALSE(SortMenu::apply(items.first(), priorities));
    EXPECT_EQ(priorities.primarySortOrder(), -1);
}

TEST(SortMenuTest, PopUpTitleNamesListingAndOrder) {
    ZKSortPriorities priorities;
    EXPECT_EQ(SortMenu::popUpTitle(priorities, true, false), "List Files - Sort by Name");
    priorities.setPrimarySortOrder(ZKSortPriorities::ModificationDate);
    priorities.setPrimaryInverted(true);
    EXPECT_EQ(SortMenu::popUpTitle(priorities, false, true),
              "List Folders - Sort by Modification Date (Descending)");
    priorities.setPrimarySortOrder(ZKSortPriorities::Shuffle);
    EXPECT_EQ(SortMenu::popUpTitle(priorities, true, true), "List Files and Folders - Shuffle");
    priorities.setPrimarySortOrder(ZKSortPriorities::DontSort);
    EXPECT_EQ(SortMenu::popUpTitle(priorities, true, false), "List Files - Don't Sort");
}

TEST(SortMenuTest, PopUpHelpSpellsOutDepthAndDirection) {
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::FileType);
    EXPECT_EQ(SortMenu::popUpHelp(priorities, true, false, true),
              "List Files\nScan Folders Recursively\nSort by File Type (Ascending)");
    priorities.setPrimaryInverted(true);
    EXPECT_EQ(SortMenu::popUpHelp(priorities, true, true, false),
              "List Files and Folders\nIgnore Folder Contents\nSort by File Type (Descending)");
    priorities.setPrimarySortOrder(ZKSortPriorities::Shuffle);
    EXPECT_EQ(SortMenu::popUpHelp(priorities, false, true, false),
              "List Folders\nIgnore Folder Contents\nShuffle");
}
