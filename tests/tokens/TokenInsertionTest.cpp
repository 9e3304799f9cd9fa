#include <gtest/gtest.h>

#include <QDebug>

#include "support/QtPrinters.h"
#include "tokens/TokenInsertion.h"

namespace {

using TokenInsertion::Range;

const QVariantMap parent{{"Proxy", "parent folder: name"}};
const QVariantMap date{{"Proxy", "current date"}, {"Date Format", 1}};
const QVariantMap inserted{{"Proxy", "kMDItemFSSize"}};

QString describe(const QVariantList &list) {
    QString text;
    QDebug(&text) << list;
    return text;
}

}  // namespace

TEST(TokenInsertionTest, InsertingInTheMiddleOfATextSplitsIt) {
    const auto edit = TokenInsertion::insertProxy({"abcd", date}, Range{2, 0}, "kMDItemFSSize");
    EXPECT_EQ(edit.list, QVariantList({"ab", inserted, "cd", date})) << describe(edit.list);
    EXPECT_EQ(edit.caret, 3);

    // At the start of an element the whole element stays after the token.
    const auto atToken =
        TokenInsertion::insertProxy({"ab", date, "c"}, Range{2, 0}, "kMDItemFSSize");
    EXPECT_EQ(atToken.list, QVariantList({"ab", inserted, date, "c"})) << describe(atToken.list);
    const auto atStart = TokenInsertion::insertProxy({"ab"}, Range{0, 0}, "kMDItemFSSize");
    EXPECT_EQ(atStart.list, QVariantList({inserted, "ab"}));
    EXPECT_EQ(atStart.caret, 1);
}

TEST(TokenInsertionTest, ASelectionIsReplacedTextAndTokensAlike) {
    // "ab" date "cd" parent "ef": select "b", the date, "cd", the parent token and "e".
    const QVariantList list{"ab", date, "cd", parent, "ef"};
    const auto edit = TokenInsertion::insertProxy(list, Range{1, 6}, "kMDItemFSSize");
    EXPECT_EQ(edit.list, QVariantList({"a", inserted, "f"})) << describe(edit.list);
    EXPECT_EQ(edit.caret, 2);

    // A selection ending exactly where an element starts keeps that element whole.
    const auto whole = TokenInsertion::insertProxy(list, Range{2, 1}, "kMDItemFSSize");
    EXPECT_EQ(whole.list, QVariantList({"ab", inserted, "cd", parent, "ef"}))
        << describe(whole.list);
}

TEST(TokenInsertionTest, AtTheEndOrWithoutInsertionPointTheTokenIsAppended) {
    const QVariantList list{"ab", date};
    for (const std::optional<Range> &where :
         {std::optional<Range>(Range{3, 0}), std::optional<Range>(Range{9, 0}),
          std::optional<Range>()}) {
        const auto edit = TokenInsertion::insertProxy(list, where, "kMDItemFSSize");
        EXPECT_EQ(edit.list, QVariantList({"ab", date, inserted})) << describe(edit.list);
        EXPECT_EQ(edit.caret, 4);
    }
    const auto empty = TokenInsertion::insertProxy({}, Range{0, 0}, "kMDItemFSSize");
    EXPECT_EQ(empty.list, QVariantList({inserted}));
    EXPECT_EQ(empty.caret, 1);

    const auto nothing = TokenInsertion::insertProxy(list, Range{1, 1}, QString());
    EXPECT_EQ(nothing.list, list) << "no identifier, no change";
}

TEST(TokenInsertionTest, PastedElementsJoinTheTextAroundThem) {
    const auto edit = TokenInsertion::replaceRange({"abc", date}, Range{1, 1}, {"X", parent, "Y"});
    EXPECT_EQ(edit.list, QVariantList({"aX", parent, "Yc", date})) << describe(edit.list);
    EXPECT_EQ(edit.caret, 4);

    // Removing the token between two texts leaves one text.
    const auto removed = TokenInsertion::replaceRange({"a", date, "b"}, Range{1, 1}, {});
    EXPECT_EQ(removed.list, QVariantList({"ab"}));
    EXPECT_EQ(removed.caret, 1);
}

TEST(TokenInsertionTest, ElementsInARangeCutTextAndKeepTokensWhole) {
    const QVariantList list{"ab", date, "cd", parent};
    EXPECT_EQ(TokenInsertion::elementsInRange(list, {1, 3}), QVariantList({"b", date, "c"}));
    EXPECT_EQ(TokenInsertion::elementsInRange(list, {2, 1}), QVariantList({date}));
    EXPECT_EQ(TokenInsertion::elementsInRange(list, {5, 10}), QVariantList({parent}))
        << "clamped to the list";
    EXPECT_TRUE(TokenInsertion::elementsInRange(list, {2, 0}).isEmpty());
    EXPECT_EQ(TokenInsertion::length(list), 6);
    EXPECT_EQ(TokenInsertion::normalized({"a", "", "b", date, "", "c", "d"}),
              QVariantList({"ab", date, "cd"}));
}
