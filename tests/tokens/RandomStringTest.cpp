#include <gtest/gtest.h>

#include <QSet>

#include "support/QtPrinters.h"
#include "tokens/RandomString.h"

using namespace RandomString;

namespace {

bool consistsOf(const QString &text, const QString &pool) {
    for (const QChar character : text)
        if (!pool.contains(character)) return false;
    return true;
}

}  // namespace

TEST(RandomStringTest, PicksOnlyFromTheIncludedPools) {
    const QString upper = randomStringOfLength(200, true, false, false);
    EXPECT_EQ(upper.size(), 200);
    EXPECT_TRUE(consistsOf(upper, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")) << upper;
    EXPECT_TRUE(
        consistsOf(randomStringOfLength(200, false, true, false), "abcdefghijklmnopqrstuvwxyz"));
    EXPECT_TRUE(consistsOf(randomStringOfLength(200, false, false, true), "0123456789"));
    EXPECT_TRUE(consistsOf(randomStringOfLength(200, true, false, true),
                           "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"));
    EXPECT_EQ(randomStringOfLength(5, false, false, false), "_____");
    EXPECT_EQ(randomStringOfLength(3, QString()), "___");
    EXPECT_EQ(randomStringOfLength(0, true, true, true), "");
    EXPECT_EQ(randomStringOfLength(-4, "abc"), "");
}

TEST(RandomStringTest, EveryPoolCharacterCanComeUp) {
    // Ten digits in 2000 picks: one never showing points at a wrong bound, not at bad luck.
    const QString digits = randomStringOfLength(2000, false, false, true);
    const QSet<QChar> seen(digits.begin(), digits.end());
    EXPECT_EQ(seen.size(), 10);
}

TEST(RandomStringTest, CharactersOutsideTheBasicPlaneStayWhole) {
    const QString pool = QString::fromUtf8("a\U0001F600");
    const QString text = randomStringOfLength(100, pool);
    EXPECT_EQ(text.toUcs4().size(), 100);
    for (const uint character : text.toUcs4())
        EXPECT_TRUE(character == u'a' || character == 0x1F600) << character;
}
