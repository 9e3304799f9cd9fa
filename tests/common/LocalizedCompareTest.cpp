#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <thread>
#include <vector>

#include "common/LocalizedCompare.h"

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

int keySign(const QString &a, const QString &b) {
    const QByteArray ka = LocalizedCompare::sortKey(a);
    const QByteArray kb = LocalizedCompare::sortKey(b);
    return ka < kb ? -1 : (kb < ka ? 1 : 0);
}

}  // namespace

TEST(LocalizedCompareTest, NumbersInsideNamesCompareByValue) {
    EXPECT_LT(LocalizedCompare::compare("file2", "file10"), 0);
    EXPECT_GT(LocalizedCompare::compare("file10", "file9"), 0);
    EXPECT_LT(LocalizedCompare::compare("IMG_0999.jpg", "IMG_1000.jpg"), 0);
    EXPECT_LT(LocalizedCompare::compare("a2b", "a10a"), 0);
}

TEST(LocalizedCompareTest, LetterCaseIsIgnoredButLettersStillOrderAlphabetically) {
    EXPECT_EQ(LocalizedCompare::compare("Report.TXT", "report.txt"), 0);
    // Plain code-unit order would put "B" before "a".
    EXPECT_LT(LocalizedCompare::compare("apple", "Banana"), 0);
    EXPECT_LT(LocalizedCompare::compare("Apple", "banana"), 0);
    // Accents still count, so "é" and "e" are not the same name.
    EXPECT_NE(LocalizedCompare::compare(QString::fromUtf8("caf\u00e9"), "cafe"), 0);
}

TEST(LocalizedCompareTest, LeadingSpacesAndEmptyTextSortFirst) {
    // The kind sort keys rely on this to put folders before everything else.
    EXPECT_LT(LocalizedCompare::compare("                    com.x.1-Folder", "a: x|y"), 0);
    EXPECT_LT(LocalizedCompare::compare("    ", "0"), 0);
    EXPECT_LT(LocalizedCompare::compare("", "a"), 0);
    EXPECT_EQ(LocalizedCompare::compare("", ""), 0);
}

TEST(LocalizedCompareTest, SortKeysGiveTheSameOrderAsTheComparison) {
    const QStringList words = {"file10",
                               "file2",
                               "File2",
                               "",
                               "b",
                               "B",
                               "a b",
                               "ab",
                               QString::fromUtf8("\u00e9t\u00e9"),
                               "ete",
                               "Zebra",
                               "zebra1",
                               "    x",
                               "x1.5",
                               "x1.10",
                               QString::fromUtf8("\u65e5\u672c")};
    for (const QString &a : words) {
        for (const QString &b : words) {
            EXPECT_EQ(keySign(a, b), sign(LocalizedCompare::compare(a, b)))
                << a.toStdString() << " vs " << b.toStdString();
        }
    }
}

TEST(LocalizedCompareTest, ThreadsGetConsistentAnswers) {
    std::vector<int> results(4, 0);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < results.size(); ++i) {
        threads.emplace_back([&results, i] {
            int failures = 0;
            for (int n = 0; n < 500; ++n) {
                const QString a = QStringLiteral("photo%1").arg(n);
                const QString b = QStringLiteral("PHOTO%1").arg(n + 1);
                if (LocalizedCompare::compare(a, b) >= 0) ++failures;
                if (!(LocalizedCompare::sortKey(a) < LocalizedCompare::sortKey(b))) ++failures;
            }
            results[i] = failures;
        });
    }
    for (std::thread &thread : threads) thread.join();
    EXPECT_TRUE(std::all_of(results.begin(), results.end(), [](int f) { return f == 0; }));
}
