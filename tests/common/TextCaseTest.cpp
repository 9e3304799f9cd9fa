#include <gtest/gtest.h>

#include "common/TextCase.h"

namespace {

const QString sharpS = QStringLiteral("stra\u00DFe");
const QString dottedCapitalI = QStringLiteral("\u0130stanbul");
// DESERET CAPITAL LETTER LONG I / SMALL LETTER LONG I, outside the BMP.
const QString deseretCapital = QString::fromUcs4(U"\U00010400");
const QString deseretSmall = QString::fromUcs4(U"\U00010428");

}  // namespace

TEST(TextCaseTest, UpperAndLowerUseFullLocaleIndependentMappings) {
    EXPECT_EQ(TextCase::upper(sharpS), QStringLiteral("STRASSE"));
    // The root locale keeps the combining dot; a Turkish locale would drop it.
    EXPECT_EQ(TextCase::lower(dottedCapitalI), QStringLiteral("i\u0307stanbul"));
    EXPECT_EQ(TextCase::upper(QStringLiteral("istanbul")), QStringLiteral("ISTANBUL"));
    EXPECT_EQ(TextCase::upper(deseretSmall), deseretCapital);
    EXPECT_EQ(TextCase::lower(deseretCapital), deseretSmall);
    EXPECT_EQ(TextCase::upper(QString()), QString());
    // A capital sigma ending a word lowers to the final form, one inside a word does not.
    EXPECT_EQ(TextCase::lower(QStringLiteral("\u039F\u0394\u039F\u03A3/\u03A3\u0391")),
              QStringLiteral("\u03BF\u03B4\u03BF\u03C2/\u03C3\u03B1"));
    EXPECT_EQ(TextCase::lower(QString()), QString());
}

TEST(TextCaseTest, UpperAndLowerLeaveUncasedTextAndColonsAlone) {
    EXPECT_EQ(TextCase::upper(QStringLiteral("Q1:Q2 \u65E5\u672C-2024")),
              QStringLiteral("Q1:Q2 \u65E5\u672C-2024"));
    EXPECT_EQ(TextCase::lower(QStringLiteral("PHOTO.JPEG")), QStringLiteral("photo.jpeg"));
}

TEST(TextCaseTest, CapitalizedUppersEachWordsFirstLetterAndLowersTheRest) {
    EXPECT_EQ(TextCase::capitalized(QStringLiteral("hELLO wORLD")), QStringLiteral("Hello World"));
    EXPECT_EQ(TextCase::capitalized(QStringLiteral("the-end_of 2nd act")),
              QStringLiteral("The-End_of 2nd Act"));
    EXPECT_EQ(TextCase::capitalized(QStringLiteral("\u00E9T\u00C9")),
              QStringLiteral("\u00C9t\u00E9"));
    EXPECT_EQ(TextCase::capitalized(deseretSmall + deseretCapital), deseretCapital + deseretSmall);
    EXPECT_EQ(TextCase::capitalized(QString()), QString());
}

TEST(TextCaseTest, TitlecaseLowersShortWordsInModeZero) {
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("the lord of the rings"), 2, 0),
              QStringLiteral("The Lord of The Rings"));
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("war and PEACE - a novel"), 2, 0),
              QStringLiteral("War And Peace - a Novel"));
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("working with iOS apps"), 3, 0),
              QStringLiteral("Working With ios Apps"));
}

TEST(TextCaseTest, TitlecaseLeavesShortWordsInOtherModes) {
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("working with iOS apps"), 3, 1),
              QStringLiteral("Working With iOS Apps"));
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("a OF b"), 2, 7), QStringLiteral("A OF b"));
}

TEST(TextCaseTest, TitlecaseFirstRunOnlyCountsWhenItIsAWord) {
    // The first word is capitalised however short it is...
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("of mice"), 2, 0), QStringLiteral("Of Mice"));
    // ...but after a leading separator it is judged by its length like any other.
    EXPECT_EQ(TextCase::titlecase(QStringLiteral(" of mice"), 2, 0), QStringLiteral(" of Mice"));
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("--OF/MICE//AND men "), 2, 0),
              QStringLiteral("--of/Mice//And Men "));
}

TEST(TextCaseTest, TitlecaseWithCutOffZeroCapitalisesEveryWord) {
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("a b of THE x"), 0, 0),
              QStringLiteral("A B Of The X"));
    EXPECT_EQ(TextCase::titlecase(QString(), 2, 0), QString());
    EXPECT_EQ(TextCase::titlecase(QStringLiteral(" - "), 2, 0), QStringLiteral(" - "));
}

TEST(TextCaseTest, TitlecaseCountsLengthInUtf16Units) {
    // Two characters outside the BMP are four units long, so they exceed a cut-off of 3.
    const QString word = deseretSmall + deseretSmall;
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("x ") + word, 3, 0),
              QStringLiteral("X ") + deseretCapital + deseretSmall);
    EXPECT_EQ(TextCase::titlecase(QStringLiteral("x ") + word, 4, 0), QStringLiteral("X ") + word);
}

TEST(TextCaseTest, CompareCaseInsensitiveFoldsFullCase) {
    EXPECT_EQ(TextCase::compareCaseInsensitive(QStringLiteral("STRASSE"), sharpS), 0);
    EXPECT_EQ(TextCase::compareCaseInsensitive(QStringLiteral("A.txt"), QStringLiteral("a.TXT")),
              0);
    EXPECT_EQ(TextCase::compareCaseInsensitive(deseretCapital, deseretSmall), 0);
    EXPECT_LT(TextCase::compareCaseInsensitive(QStringLiteral("apple"), QStringLiteral("Banana")),
              0);
    EXPECT_GT(TextCase::compareCaseInsensitive(QStringLiteral("b"), QStringLiteral("A")), 0);
    EXPECT_NE(TextCase::compareCaseInsensitive(QStringLiteral("a"), QStringLiteral("a ")), 0);
}
