#include <gtest/gtest.h>

#include <QSet>

#include "support/QtPrinters.h"
#include "tokens/ProxySuggestions.h"

namespace {

using Item = ProxySuggestionItem;
using Kind = ProxySuggestionItem::Kind;

QStringList titles(const QList<Item> &items) {
    QStringList result;
    for (const Item &item : items) result.append(item.title);
    return result;
}

QStringList typesOf(const QList<Item> &items) {
    QStringList result;
    for (const Item &item : items) {
        EXPECT_EQ(item.kind, Kind::Type) << item.title;
        result.append(item.type);
    }
    return result;
}

void expectNoticeAboveFullMenu(const QList<Item> &items, const QString &notice) {
    const QList<Item> full = ProxySuggestions::suggestions(QString(""), 2);
    ASSERT_EQ(items.size(), full.size() + 2);
    EXPECT_EQ(items[0].kind, Kind::DisabledItem);
    EXPECT_EQ(items[0].title, notice);
    EXPECT_EQ(items[1].kind, Kind::Separator);
    EXPECT_EQ(titles(items.mid(2)), titles(full));
}

}  // namespace

TEST(ProxySuggestionsTest, FullMenuHasCategorySubmenusAndHeaders) {
    const QList<Item> items = ProxySuggestions::suggestions(QString(""), 2);
    EXPECT_EQ(titles(items),
              QStringList({"Name", "", "Metadata", "File", "Image", "Audio", "Video", "Location",
                           "Other", "", "Miscellany", "Total Number of Items", "Current Date",
                           "Random Characters"}));
    EXPECT_EQ(items[1].kind, Kind::Separator);
    EXPECT_EQ(items[2].kind, Kind::DisabledItem);
    EXPECT_EQ(items[12].kind, Kind::Type);
    EXPECT_EQ(items[12].type, "current date");

    const Item &file = items[3];
    ASSERT_EQ(file.kind, Kind::Submenu);
    EXPECT_EQ(file.children.size(), 24 + 5);  // types and the separators between groups
    EXPECT_EQ(file.children[0].title, "File Creation Date");
    EXPECT_EQ(file.children[0].type, "kMDItemFSCreationDate");
    EXPECT_EQ(file.children[6].kind, Kind::Separator);
    EXPECT_TRUE(typesOf(file.children.mid(16, 2)).contains("tags"));  // offered on Linux
}

TEST(ProxySuggestionsTest, ShortFiltersAskToKeepTyping) {
    expectNoticeAboveFullMenu(ProxySuggestions::suggestions(QString("t"), 2), "Keep typing...");
    // Length counts after trimming.
    expectNoticeAboveFullMenu(ProxySuggestions::suggestions(QString("  t  "), 2), "Keep typing...");
    expectNoticeAboveFullMenu(ProxySuggestions::suggestions(QString("ti"), 3), "Keep typing...");
    // At the threshold the menu is filtered.
    const QStringList types = typesOf(ProxySuggestions::suggestions(QString(" ti "), 2));
    EXPECT_TRUE(types.contains("kMDItemTitle"));
    EXPECT_TRUE(types.contains("current date"));  // "ti" in "Current Time"
}

TEST(ProxySuggestionsTest, FilterTimeFindsEveryDateOnce) {
    const QList<Item> items = ProxySuggestions::suggestions(QString("time"), 2);
    const QStringList types = typesOf(items);
    for (const char *type :
         {"current date", "kMDItemDueDate", "kMDItemFSCreationDate", "kMDItemFSContentChangeDate",
          "kMDItemContentCreationDate", "kMDItemContentModificationDate",
          "kMDItemAttributeChangeDate", "kMDItemLastUsedDate", "kMDItemRecordingDate"}) {
        EXPECT_TRUE(types.contains(type)) << type;
    }
    EXPECT_TRUE(titles(items).contains("Due Date"));
    EXPECT_FALSE(types.contains("kMDItemFSSize"));
}

TEST(ProxySuggestionsTest, TypesListedTwiceAreSuggestedOnce) {
    // A wide filter that takes in Duration and Audio Bit Rate, both under Audio and Video.
    const QStringList types = typesOf(ProxySuggestions::suggestions(QString("a"), 1));
    EXPECT_TRUE(types.contains("kMDItemDurationSeconds"));
    EXPECT_TRUE(types.contains("kMDItemAudioBitRate"));
    EXPECT_EQ(QSet<QString>(types.begin(), types.end()).size(), types.size());

    EXPECT_EQ(typesOf(ProxySuggestions::suggestions(QString("bit rate"), 2)),
              QStringList({"kMDItemAudioBitRate", "kMDItemVideoBitRate", "kMDItemTotalBitRate"}));
}

TEST(ProxySuggestionsTest, NoMatchShowsTheFullMenuBelowANotice) {
    expectNoticeAboveFullMenu(ProxySuggestions::suggestions(QString("zzz"), 2),
                              "There are no matches.");
    expectNoticeAboveFullMenu(ProxySuggestions::suggestions(std::nullopt, 2),
                              "There are no matches.");
    // One match is a match: it is offered, not reported as none.
    const QList<Item> single = ProxySuggestions::suggestions(QString("stationery"), 2);
    EXPECT_EQ(typesOf(single), QStringList{"kMDItemFSIsStationery"});
    EXPECT_EQ(titles(single), QStringList{"Stationery"});
}
