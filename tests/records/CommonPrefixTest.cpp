#include <gtest/gtest.h>

#include "records/CommonPrefix.h"

using CommonPrefix::caseInsensitivePrefixLength;
using CommonPrefix::commonPrefixOfNames;
using CommonPrefix::trimmingTrailingGibberish;

TEST(CommonPrefixTest, TrailingGibberishIsDroppedWhenAsked) {
    EXPECT_EQ(commonPrefixOfNames({"IMG_0012.JPG", "IMG_0047.JPG"}, true), "IMG");
    EXPECT_EQ(commonPrefixOfNames({"Report 1.pdf", "Report 2.pdf"}, true), "Report");
    EXPECT_EQ(commonPrefixOfNames({"IMG_0012.JPG", "IMG_0047.JPG"}, false), "IMG_00");
    EXPECT_EQ(commonPrefixOfNames({"Report 1.pdf", "Report 2.pdf"}, false), "Report ");
}

TEST(CommonPrefixTest, OnlyZeroCountsAsGibberishAmongDigits) {
    EXPECT_EQ(trimmingTrailingGibberish("Take 10"), "Take 1");
    EXPECT_EQ(trimmingTrailingGibberish("Take 2-0"), "Take 2");
    EXPECT_EQ(trimmingTrailingGibberish("a -_0.,;([{<"), "a");
    EXPECT_EQ(trimmingTrailingGibberish("  (0)"), "(0)");
    EXPECT_EQ(trimmingTrailingGibberish("\tx\n"), "x");
    EXPECT_EQ(trimmingTrailingGibberish("00_"), "");
}

TEST(CommonPrefixTest, ComparisonIgnoresCaseAndKeepsTheFirstNamesCharacters) {
    EXPECT_EQ(commonPrefixOfNames({"Holiday-a.jpg", "HOLIDAY-b.jpg", "holiday-c.png"}, false),
              "Holiday-");
    EXPECT_EQ(commonPrefixOfNames({"Straße 1", "STRASSE 2"}, false), "Stra");
    EXPECT_EQ(commonPrefixOfNames({"Éte", "éTÉ"}, false), "Ét");
}

TEST(CommonPrefixTest, ExtensionsAreLeftOutAndEmptyInputsGiveEmptyPrefixes) {
    EXPECT_EQ(commonPrefixOfNames({"photo.jpg"}, false), "photo");
    EXPECT_EQ(commonPrefixOfNames({"a.txt", "a.text"}, false), "a");
    EXPECT_EQ(commonPrefixOfNames({}, true), "");
    EXPECT_EQ(commonPrefixOfNames({"abc", "xyz", "abd"}, false), "");
}

TEST(CommonPrefixTest, PrefixNeverSplitsALetterFromItsMarkOrASurrogatePair) {
    // e + combining acute against e + combining grave: the shared "e" is only half a letter.
    EXPECT_EQ(
        caseInsensitivePrefixLength(QString::fromUtf8("xe\u0301"), QString::fromUtf8("xe\u0300")),
        1);
    EXPECT_EQ(caseInsensitivePrefixLength("xe", QString::fromUtf8("xe\u0301")), 1);
    const QString smile = QString::fromUtf8("\U0001F600");
    const QString grin = QString::fromUtf8("\U0001F601");
    EXPECT_EQ(caseInsensitivePrefixLength("a" + smile, "a" + grin), 1);
    EXPECT_EQ(caseInsensitivePrefixLength("a" + smile + "b", "a" + smile + "c"), 3);
}
