#include <gtest/gtest.h>

#include <QVariantMap>

#include "listing/ZKSortPriorities.h"

namespace {

using Entry = ZKSortPriorities::Entry;

QList<int> strategies(const ZKSortPriorities &priorities) {
    QList<int> result;
    for (const Entry &entry : priorities.entries()) result.append(entry.strategy);
    return result;
}

QVariantMap stored(const QVariant &strategy, const QVariant &invert = QVariant()) {
    QVariantMap entry{{"Strategy", strategy}};
    if (invert.isValid()) entry.insert("Invert", invert);
    return entry;
}

const QList<int> kDefaultOrder = {0, 1, 2, 3, 4, 5, 6, 99, -1};

}  // namespace

TEST(SortPrioritiesTest, DefaultListHasNineAscendingEntries) {
    const ZKSortPriorities priorities;
    EXPECT_EQ(strategies(priorities), kDefaultOrder);
    for (const Entry &entry : priorities.entries()) EXPECT_FALSE(entry.invert);
    EXPECT_EQ(priorities.primarySortOrder(), 0);
    EXPECT_EQ(ZKSortPriorities(QList<Entry>()), priorities);
}

TEST(SortPrioritiesTest, ChoosingSizeThenNameKeepsSizeAsFirstTieBreaker) {
    ZKSortPriorities priorities;
    EXPECT_TRUE(priorities.setPrimarySortOrder(ZKSortPriorities::Size));
    EXPECT_EQ(strategies(priorities), (QList<int>{5, 0, 1, 2, 3, 4, 6, 99, -1}));
    EXPECT_TRUE(priorities.setPrimarySortOrder(ZKSortPriorities::Name));
    EXPECT_EQ(strategies(priorities), (QList<int>{0, 5, 1, 2, 3, 4, 6, 99, -1}));
    // Choosing the primary strategy again changes nothing.
    EXPECT_FALSE(priorities.setPrimarySortOrder(ZKSortPriorities::Name));
    EXPECT_EQ(strategies(priorities), (QList<int>{0, 5, 1, 2, 3, 4, 6, 99, -1}));
}

TEST(SortPrioritiesTest, EachEntryKeepsItsDirectionWhenMovedBackToTheFront) {
    ZKSortPriorities priorities;
    priorities.setPrimaryInverted(true);
    priorities.setPrimarySortOrder(ZKSortPriorities::Size);
    EXPECT_FALSE(priorities.isPrimaryInverted());
    priorities.setPrimarySortOrder(ZKSortPriorities::Name);
    EXPECT_TRUE(priorities.isPrimaryInverted());
    EXPECT_EQ(priorities.entries().at(1), (Entry{ZKSortPriorities::Size, false}));
}

TEST(SortPrioritiesTest, StrategyMissingFromTheListIsInsertedInFront) {
    ZKSortPriorities priorities({{ZKSortPriorities::Name, true}, {ZKSortPriorities::Path, false}});
    EXPECT_TRUE(priorities.setPrimarySortOrder(ZKSortPriorities::Shuffle));
    EXPECT_EQ(priorities.entries(), (QList<Entry>{{99, false}, {0, true}, {1, false}}));
    // Only the nine known strategies can be made primary.
    EXPECT_FALSE(priorities.setPrimarySortOrder(7));
    EXPECT_FALSE(priorities.setPrimarySortOrder(-2));
    EXPECT_EQ(priorities.primarySortOrder(), 99);
}

TEST(SortPrioritiesTest, ArchiveRoundTripsWithIntegerStrategiesAndBooleanDirections) {
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::Comment);
    priorities.setPrimaryInverted(true);
    const QVariantList archive = priorities.toArchive();
    ASSERT_EQ(archive.size(), 9);
    const QVariantMap first = archive.first().toMap();
    EXPECT_EQ(first.value("Strategy").typeId(), QMetaType::LongLong);
    EXPECT_EQ(first.value("Strategy").toLongLong(), 4);
    EXPECT_EQ(first.value("Invert").typeId(), QMetaType::Bool);
    EXPECT_TRUE(first.value("Invert").toBool());
    EXPECT_EQ(archive.last().toMap().value("Strategy").toLongLong(), -1);
    EXPECT_EQ(ZKSortPriorities::fromArchive(archive), priorities);
}

TEST(SortPrioritiesTest, MalformedArchivesFallBackWithoutLosingValidEntries) {
    // Not an array, an empty array, or nothing valid: the default list.
    EXPECT_EQ(ZKSortPriorities::fromArchive(QVariant()), ZKSortPriorities());
    EXPECT_EQ(ZKSortPriorities::fromArchive(QString("Name")), ZKSortPriorities());
    EXPECT_EQ(ZKSortPriorities::fromArchive(QVariantList()), ZKSortPriorities());
    EXPECT_EQ(ZKSortPriorities::fromArchive(QVariantList{42, stored(QString("5"))}),
              ZKSortPriorities());

    const QVariantList archive = {
        stored(qint64(5), true),       // valid
        QString("garbage"),            // not a dictionary
        stored(qint64(12)),            // unknown strategy
        stored(2.5),                   // not an integer
        stored(qint64(0), "yes"),      // unusable direction
        stored(qint64(5), false),      // repeats Size
        stored(qint64(3)),             // missing "Invert" reads as ascending
        stored(qint64(1), qint64(1)),  // integer direction
    };
    const ZKSortPriorities priorities = ZKSortPriorities::fromArchive(archive);
    // The missing strategies follow in default order, so paths still break every tie.
    EXPECT_EQ(priorities.entries(), (QList<Entry>{{5, true},
                                                  {3, false},
                                                  {1, true},
                                                  {0, false},
                                                  {2, false},
                                                  {4, false},
                                                  {6, false},
                                                  {99, false},
                                                  {-1, false}}));
}
