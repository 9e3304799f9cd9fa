#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QTimeZone>
#include <algorithm>
#include <numeric>
#include <vector>

#include "common/LocalizedCompare.h"
#include "listing/FileListSorting.h"
#include "listing/RecordComparison.h"
#include "listing/RecordsAhead.h"
#include "platform/ExtendedAttributes.h"
#include "support/RecordNames.h"
#include "support/TestEnvironment.h"

namespace {

using Records = QList<ZKFileRepresentationPtr>;

QStringList relativePaths(const Records &records, const QString &root) {
    QStringList result;
    for (const ZKFileRepresentationPtr &record : records)
        result.append(record->path().mid(root.size() + 1));
    return result;
}

// The list stably sorted by the full comparison of every pair: the order the sort must give.
Records stablySorted(const Records &list, const ZKSortPriorities &priorities) {
    const RecordComparison comparison(priorities, list);
    std::vector<qsizetype> order(list.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&comparison](qsizetype a, qsizetype b) {
        return comparison.compare(a, b) < 0;
    });
    Records sorted;
    for (qsizetype index : order) sorted.append(list.at(index));
    return sorted;
}

}  // namespace

class FileListSortingTest : public testing::Test {
protected:
    ZKFileRepresentationPtr record(const QString &relative, int size = 0) {
        return ZKFileRepresentation::fileRepresentationWithPath(
            dir.makeFile(relative, QByteArray(size, 'x')), nullptr);
    }

    ZKFileRepresentationPtr recordModifiedAt(const QString &relative, const QDateTime &date) {
        const QString path = dir.makeFile(relative);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(date, QFileDevice::FileModificationTime));
        file.close();
        return ZKFileRepresentation::fileRepresentationWithPath(path, nullptr);
    }

    // A comment on a new file; false when the file system keeps no comments.
    bool setComment(const ZKFileRepresentationPtr &file, const QString &comment) {
        return ExtendedAttributes::setComment(file->path(), comment, nullptr);
    }

    TestDir dir;
};

TEST_F(FileListSortingTest, NamesSortCaseInsensitivelyWithNumbersByValue) {
    Records list = {record("file10"), record("Banana"), record("file2"), record("File1"),
                    record("apple")};
    FileListSorting::sort(list, ZKSortPriorities());
    EXPECT_EQ(namesOf(list), (QStringList{"apple", "Banana", "File1", "file2", "file10"}));

    ZKSortPriorities descending;
    descending.setPrimaryInverted(true);
    FileListSorting::sort(list, descending);
    EXPECT_EQ(namesOf(list), (QStringList{"file10", "file2", "File1", "Banana", "apple"}));
}

TEST_F(FileListSortingTest, LongListFollowsTheLocalizedComparisonPairByPair) {
    // Keys that are prefixes of others, digits, case and accents, in a list long enough for
    // the sort to merge runs.
    const QStringList stems = {"a", "ab", "A b", "a10", "a9", "\u00e9t\u00e9", "ete", "Z", "z_"};
    Records list;
    for (int i = 0; i < 120; ++i)
        list.append(record(QStringLiteral("d%1/%2%3")
                               .arg(i)
                               .arg(stems.at(i * 7 % stems.size()))
                               .arg(i % 3 ? QString::number(i % 11) : QString())));
    FileListSorting::sort(list, ZKSortPriorities());
    for (qsizetype i = 1; i < list.size(); ++i)
        EXPECT_LE(LocalizedCompare::compare(list.at(i - 1)->name(), list.at(i)->name()), 0)
            << list.at(i - 1)->name().toStdString() << " before "
            << list.at(i)->name().toStdString();
}

TEST_F(FileListSortingTest, OrderIsThatOfAStableSortByTheFullComparison) {
    // Names sharing long starts, some only by case, some the start of others, and the same
    // names in several folders; dates on both sides of 1970.
    const QStringList names = {"Trip 2024-07-01 at 10.00.00",
                               "Trip 2024-07-01 at 10.00.01",
                               "trip 2024-07-01 AT 10.00.00",
                               "Trip 2024-07-01 at 9.59.59",
                               "Trip 2024-07-01",
                               "Trip 2024-07-01 at 10.00.00 b",
                               "Trip 2024-07-01 at 10.00.00 a",
                               "Trip 2024-07-01 at 10.00.00"};
    const QDateTime epoch(QDate(1970, 1, 1), QTime(0, 0), QTimeZone::utc());
    Records list;
    for (int i = 0; i < 40; ++i) {
        const QString relative =
            QStringLiteral("d%1/%2").arg(i % 5).arg(names.at(i * 3 % names.size()));
        if (QFile::exists(dir.filePath(relative))) continue;
        list.append(recordModifiedAt(relative, epoch.addSecs((i % 3 - 1) * 86400 * 365 * 5)));
    }
    using P = ZKSortPriorities;
    const QList<P> orders = {P(),
                             P({{P::Name, true}, {P::Path, false}}),
                             P({{P::Name, false}}),
                             P({{P::Name, true}}),
                             P({{P::ModificationDate, false}, {P::Name, true}}),
                             P({{P::ModificationDate, true}}),
                             P({{P::Path, true}})};
    for (const P &priorities : orders) {
        Records sorted = list;
        FileListSorting::sort(sorted, priorities);
        EXPECT_TRUE(FileListSorting::isIdenticalToArray(sorted, stablySorted(list, priorities)))
            << namesOf(sorted).join(u'|').toStdString();
    }
}

TEST_F(FileListSortingTest, ListLongEnoughForTwoThreadsSortsAsThePairwiseComparison) {
    // Each thread makes the keys of one half into a buffer of its own: the joined keys must
    // order every record as the comparison of each pair does.
    const QStringList stems = {"a", "ab", "A b", "a10", "a9", "\u00e9t\u00e9", "ete", "Z", "z_"};
    Records list;
    for (int i = 0; i < 5000; ++i)
        list.append(
            record(QStringLiteral("d%1/%2%3").arg(i % 7).arg(stems.at(i % stems.size())).arg(i)));
    using P = ZKSortPriorities;
    for (const P &priorities : {P(), P({{P::Path, true}})}) {
        Records sorted = list;
        FileListSorting::sort(sorted, priorities);
        EXPECT_TRUE(FileListSorting::isIdenticalToArray(sorted, stablySorted(list, priorities)));
    }
}

TEST_F(FileListSortingTest, KeysMadeAheadOrderAsThePairwiseComparisonOnlyForTheirList) {
    // Records and keys made on two threads in batches while items come: the records in the
    // order of their items, less those left out; the keys used for the list they were made
    // for, for the start of a longer one, and never for the same records in another order.
    const QStringList stems = {"b", "a10", "a9", "\u00e9t\u00e9", "ete", "Z", "A b"};
    Records keyed;
    for (int i = 0; i < 1300; ++i)
        keyed.append(record(QStringLiteral("%1%2").arg(stems.at(i % stems.size())).arg(i % 400)));
    const Records longer = keyed + Records{record("0"), record("zz")};
    Records reversed = keyed;
    std::reverse(reversed.begin(), reversed.end());
    const std::vector<std::pair<Records, bool>> cases = {
        {keyed, true}, {longer, true}, {reversed, false}};
    for (const auto &[list, taken] : cases) {
        // Every item names its record by its index; a negative index is left out.
        RecordsAhead ahead(
            [&keyed](const ScannedItem &item) {
                const int index = item.path.toInt();
                return index < 0 ? nullptr : keyed.at(index);
            },
            true);
        const auto item = [](int index) {
            ScannedItem made;
            made.path = QString::number(index);
            return made;
        };
        for (int index = 0; index < keyed.size(); ++index) {
            ahead.add(item(index));
            if (index % 500 == 0) ahead.add(item(-1));
        }
        RecordsAhead::Made made = ahead.finish();
        ASSERT_TRUE(FileListSorting::isIdenticalToArray(made.records, keyed));
        ASSERT_EQ(made.keys.places.size(), size_t(keyed.size()));
        RecordComparison probe(ZKSortPriorities(), list);
        EXPECT_EQ(probe.takeNameKeys(NameKeys(made.keys)), taken);
        Records sorted = list;
        FileListSorting::sort(sorted, ZKSortPriorities(), nullptr, &made.keys);
        EXPECT_TRUE(made.keys.records.isEmpty());
        EXPECT_TRUE(FileListSorting::isIdenticalToArray(sorted, stablySorted(list, {})));
    }
    using P = ZKSortPriorities;
    EXPECT_TRUE(RecordsAhead::wantsNameKeys(P()));
    EXPECT_FALSE(RecordsAhead::wantsNameKeys(P({{P::Size, false}, {P::Name, false}})));
    EXPECT_FALSE(RecordsAhead::wantsNameKeys(P({{P::DontSort, false}, {P::Name, false}})));
}

TEST_F(FileListSortingTest, SizeThenNameOrdersSameNamesInDifferentFoldersBySize) {
    Records list = {record("a/same.txt", 50), record("b/same.txt", 10), record("c/other.txt", 5),
                    record("d/same.txt", 30)};
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::Size);
    priorities.setPrimarySortOrder(ZKSortPriorities::Name);
    FileListSorting::sort(list, priorities);
    EXPECT_EQ(relativePaths(list, dir.path()),
              (QStringList{"c/other.txt", "b/same.txt", "d/same.txt", "a/same.txt"}));

    // Equal names and sizes: the path decides.
    Records twins = {record("z/twin", 7), record("y/twin", 7)};
    FileListSorting::sort(twins, priorities);
    EXPECT_EQ(relativePaths(twins, dir.path()), (QStringList{"y/twin", "z/twin"}));
}

TEST_F(FileListSortingTest, DescendingNameSurvivesAChoiceOfSizeInBetween) {
    Records list = {record("b", 1), record("c", 3), record("a", 2)};
    ZKSortPriorities priorities;
    priorities.setPrimaryInverted(true);
    priorities.setPrimarySortOrder(ZKSortPriorities::Size);
    FileListSorting::sort(list, priorities);
    EXPECT_EQ(namesOf(list), (QStringList{"b", "a", "c"}));
    priorities.setPrimarySortOrder(ZKSortPriorities::Name);
    FileListSorting::sort(list, priorities);
    EXPECT_EQ(namesOf(list), (QStringList{"c", "b", "a"}));
}

TEST_F(FileListSortingTest, MissingCommentsComeLastAscendingAndFirstDescending) {
    const ZKFileRepresentationPtr noteB = record("1-b");
    if (!setComment(noteB, "beta"))
        GTEST_SKIP() << "no user attributes in " << dir.path().toStdString();
    const ZKFileRepresentationPtr noteA = record("2-a");
    const ZKFileRepresentationPtr note10 = record("3-c");
    ASSERT_TRUE(setComment(noteA, "Alpha"));
    ASSERT_TRUE(setComment(note10, "alpha 10"));
    const ZKFileRepresentationPtr plainY = record("y");
    const ZKFileRepresentationPtr plainX = record("x");
    const ZKFileRepresentationPtr note2 = record("4-d");
    ASSERT_TRUE(setComment(note2, "alpha 2"));

    Records list = {plainY, noteB, note10, plainX, noteA, note2};
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::Comment);
    FileListSorting::sort(list, priorities);
    EXPECT_EQ(namesOf(list), (QStringList{"2-a", "4-d", "3-c", "1-b", "x", "y"}));

    priorities.setPrimaryInverted(true);
    FileListSorting::sort(list, priorities);
    // Without comments first, still among themselves by the ascending name priority.
    EXPECT_EQ(namesOf(list), (QStringList{"x", "y", "1-b", "3-c", "4-d", "2-a"}));
}

TEST_F(FileListSortingTest, ModificationDatesSortInTimeOrder) {
    const QDateTime base(QDate(2021, 6, 1), QTime(12, 0), QTimeZone::utc());
    Records list = {recordModifiedAt("late", base.addDays(2)),
                    recordModifiedAt("early", base.addSecs(-3600)),
                    recordModifiedAt("middle", base)};
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::ModificationDate);
    FileListSorting::sort(list, priorities);
    EXPECT_EQ(namesOf(list), (QStringList{"early", "middle", "late"}));
    priorities.setPrimaryInverted(true);
    FileListSorting::sort(list, priorities);
    EXPECT_EQ(namesOf(list), (QStringList{"late", "middle", "early"}));
}

TEST_F(FileListSortingTest, FileTypePutsFoldersFirstThenItemsWithoutExtension) {
    dir.makeFolder("m-folder");
    Records list = {
        record("b.txt"), record("a.zip"), record("noext"),
        ZKFileRepresentation::fileRepresentationWithPath(dir.filePath("m-folder"), nullptr),
        record("c.jpg")};
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::FileType);
    FileListSorting::sort(list, priorities);
    EXPECT_EQ(namesOf(list), (QStringList{"m-folder", "noext", "c.jpg", "b.txt", "a.zip"}));
}

TEST_F(FileListSortingTest, DontSortLeavesOrderAndEqualRecordsKeepTheirOrder) {
    Records list = {record("b", 4), record("a", 4), record("c", 1)};
    const Records before = list;
    ZKSortPriorities dontSort;
    dontSort.setPrimarySortOrder(ZKSortPriorities::DontSort);
    FileListSorting::sort(list, dontSort);
    EXPECT_TRUE(FileListSorting::isIdenticalToArray(list, before));

    // Only the size compares, so the two 4-byte files stay in list order (a stable sort).
    FileListSorting::sort(list, ZKSortPriorities({{ZKSortPriorities::Size, false}}));
    EXPECT_EQ(namesOf(list), (QStringList{"c", "b", "a"}));
}

TEST_F(FileListSortingTest, ShuffleIsAPermutationThatChangesLongLists) {
    Records list;
    for (int i = 0; i < 60; ++i) list.append(record(QStringLiteral("f%1").arg(i)));
    const Records before = list;

    QRandomGenerator random(12345);
    ZKSortPriorities priorities;
    priorities.setPrimarySortOrder(ZKSortPriorities::Shuffle);
    FileListSorting::sort(list, priorities, &random);

    EXPECT_EQ(list.size(), before.size());
    QSet<ZKFileRepresentation *> seen;
    for (const ZKFileRepresentationPtr &item : list) seen.insert(item.get());
    EXPECT_EQ(seen.size(), before.size());
    for (const ZKFileRepresentationPtr &item : before) EXPECT_TRUE(seen.contains(item.get()));
    EXPECT_FALSE(FileListSorting::isIdenticalToArray(list, before));

    // The same seed gives the same permutation: the order comes from the generator alone.
    Records again = before;
    QRandomGenerator sameSeed(12345);
    FileListSorting::shuffle(again, &sameSeed);
    EXPECT_TRUE(FileListSorting::isIdenticalToArray(again, list));
}

TEST_F(FileListSortingTest, ShuffleLeavesShortListsAlone) {
    Records empty;
    FileListSorting::shuffle(empty);
    EXPECT_TRUE(empty.isEmpty());
    Records one = {record("only")};
    const Records before = one;
    FileListSorting::shuffle(one);
    EXPECT_TRUE(FileListSorting::isIdenticalToArray(one, before));
}

TEST_F(FileListSortingTest, IdentityMeansTheSameRecordsNotEqualPaths) {
    const ZKFileRepresentationPtr a = record("a");
    const ZKFileRepresentationPtr twin =
        ZKFileRepresentation::fileRepresentationWithPath(a->path(), nullptr);
    const ZKFileRepresentationPtr b = record("b");
    EXPECT_TRUE(FileListSorting::isIdenticalToArray({a, b}, {a, b}));
    EXPECT_FALSE(FileListSorting::isIdenticalToArray({a, b}, {twin, b}));
    EXPECT_FALSE(FileListSorting::isIdenticalToArray({a, b}, {b, a}));
    EXPECT_FALSE(FileListSorting::isIdenticalToArray({a, b}, {a}));
    EXPECT_TRUE(FileListSorting::isIdenticalToArray({}, {}));
}

TEST_F(FileListSortingTest, ComparisonSkipsSpecialStrategiesAndReportsTies) {
    const ZKFileRepresentationPtr a = record("x/a", 3);
    const ZKFileRepresentationPtr b = record("y/a", 3);
    using P = ZKSortPriorities;
    const P specialsOnly({{P::Shuffle, false}, {P::DontSort, true}});
    EXPECT_EQ(RecordComparison::compare(*a, *b, specialsOnly), 0);

    const P nameAndSize({{P::Name, false}, {P::Size, true}});
    EXPECT_EQ(RecordComparison::compare(*a, *b, nameAndSize), 0);
    EXPECT_EQ(RecordComparison::compare(*a, *a, nameAndSize), 0);

    const P byPath({{P::Path, true}});
    EXPECT_GT(RecordComparison::compare(*a, *b, byPath), 0);
    EXPECT_LT(RecordComparison::compare(*b, *a, byPath), 0);

    // A null record in a list has no values and goes last.
    const RecordComparison inList(P(), {a, nullptr, b});
    EXPECT_LT(inList.compare(0, 1), 0);
    EXPECT_GT(inList.compare(1, 2), 0);
    EXPECT_LT(inList.compare(0, 2), 0);
}
