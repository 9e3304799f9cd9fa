#include <gtest/gtest.h>

#include <limits>

#include "engine/RenamerSettings.h"
#include "engine/SequenceNotation.h"
#include "support/QtPrinters.h"

using namespace SequenceNotation;

namespace {
constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
}  // namespace

TEST(SequenceNotationTest, RomanNumeralsBySubtractionWithoutUpperBound) {
    EXPECT_EQ(romanNumeralsStringWithInteger(0), "-");
    EXPECT_EQ(romanNumeralsStringWithInteger(1), "I");
    EXPECT_EQ(romanNumeralsStringWithInteger(4), "IV");
    EXPECT_EQ(romanNumeralsStringWithInteger(9), "IX");
    EXPECT_EQ(romanNumeralsStringWithInteger(14), "XIV");
    EXPECT_EQ(romanNumeralsStringWithInteger(1994), "MCMXCIV");
    EXPECT_EQ(romanNumeralsStringWithInteger(3999), "MMMCMXCIX");
    EXPECT_EQ(romanNumeralsStringWithInteger(4000), "MMMM");
    EXPECT_EQ(romanNumeralsStringWithInteger(-3), "-III");
    // A numeral that no file name could hold is not built.
    EXPECT_EQ(romanNumeralsStringWithInteger(kMax), QString::number(kMax));
    EXPECT_EQ(romanNumeralsStringWithInteger(kMin), "-9223372036854775808");
}

TEST(SequenceNotationTest, LettersInBijectiveBase26) {
    EXPECT_EQ(letterStringWithInteger(0), "-");
    EXPECT_EQ(letterStringWithInteger(1), "A");
    EXPECT_EQ(letterStringWithInteger(26), "Z");
    EXPECT_EQ(letterStringWithInteger(27), "AA");
    EXPECT_EQ(letterStringWithInteger(52), "AZ");
    EXPECT_EQ(letterStringWithInteger(53), "BA");
    EXPECT_EQ(letterStringWithInteger(702), "ZZ");
    EXPECT_EQ(letterStringWithInteger(703), "AAA");
    EXPECT_EQ(letterStringWithInteger(-28), "-AB");
    EXPECT_EQ(letterStringWithInteger(kMin).size(), 15);  // magnitude 2^63, minus sign
}

TEST(SequenceNotationTest, NotationOfEachType) {
    EXPECT_EQ(stringWithInteger(12, UppercaseRomanSequence, false), "XII");
    EXPECT_EQ(stringWithInteger(12, LowercaseRomanSequence, false), "xii");
    EXPECT_EQ(stringWithInteger(12, LowercaseRomanSequence, true), "XII");
    EXPECT_EQ(stringWithInteger(28, UppercaseLetterSequence, false), "AB");
    EXPECT_EQ(stringWithInteger(28, LowercaseLetterSequence, false), "ab");
    EXPECT_EQ(stringWithInteger(28, LowercaseLetterSequence, true), "AB");
    EXPECT_EQ(stringWithInteger(-28, NumberSequence, false), "-28");
    EXPECT_EQ(stringWithInteger(28, TermSequence, false), "28");
    EXPECT_EQ(stringWithInteger(28, 7, false), "28");
}

TEST(SequenceNotationTest, EveryCanonicalRenderingUpTo9999ReadsBack) {
    for (int type : {UppercaseRomanSequence, LowercaseRomanSequence, UppercaseLetterSequence,
                     LowercaseLetterSequence}) {
        for (qint64 value = 1; value <= 9999; ++value) {
            const QString text = stringWithInteger(value, type, false);
            ASSERT_EQ(integerValueForSequenceType(text, type), value) << type << " " << value;
            ASSERT_EQ(integerValueForSequenceType("-" + text, type), -value);
        }
    }
    // Beyond 9999 nothing is understood.
    EXPECT_EQ(integerValueForSequenceType("MMMMMMMMMM", UppercaseRomanSequence), 0);
    EXPECT_EQ(integerValueForSequenceType(letterStringWithInteger(10000), UppercaseLetterSequence),
              0);
}

TEST(SequenceNotationTest, ReadingFirstNumbers) {
    // A leading integer wins in every type.
    EXPECT_EQ(integerValueForSequenceType("  -12abc", UppercaseRomanSequence), -12);
    EXPECT_EQ(integerValueForSequenceType("+7", NumberSequence), 7);
    EXPECT_EQ(integerValueForSequenceType("C", UppercaseLetterSequence), 3);
    EXPECT_EQ(integerValueForSequenceType(" c ", UppercaseLetterSequence), 3);
    EXPECT_EQ(integerValueForSequenceType("C", UppercaseRomanSequence), 100);
    EXPECT_EQ(integerValueForSequenceType("iii", UppercaseRomanSequence), 3);
    // Non-canonical or foreign text gives 0.
    EXPECT_EQ(integerValueForSequenceType("IIII", UppercaseRomanSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("IC", UppercaseRomanSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("ABCDEFG", UppercaseLetterSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("A1", UppercaseLetterSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("C", NumberSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("C", TermSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("-", UppercaseLetterSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("0", UppercaseLetterSequence), 0);
    EXPECT_EQ(integerValueForSequenceType("", UppercaseLetterSequence), 0);
    // Digits of other scripts are no decimal integer.
    EXPECT_EQ(integerValueForSequenceType(QStringLiteral("\u0663"), NumberSequence), 0);
    // Integers beyond 64 bits saturate.
    EXPECT_EQ(leadingInteger("99999999999999999999"), kMax);
    EXPECT_EQ(leadingInteger("-99999999999999999999"), kMin);
    EXPECT_EQ(leadingInteger("-9223372036854775808"), kMin);
    EXPECT_EQ(leadingInteger("9223372036854775807"), kMax);
}

TEST(SequenceNotationTest, ZeroPaddingAfterTheSign) {
    EXPECT_EQ(paddedDecimal(7, 3), "007");
    EXPECT_EQ(paddedDecimal(-3, 3), "-03");
    EXPECT_EQ(paddedDecimal(1234, 2), "1234");
    EXPECT_EQ(paddedDecimal(5, 0), "5");
    EXPECT_EQ(paddedDecimal(kMin, 1), "-9223372036854775808");
    // Padding is bounded by the longest possible file name.
    EXPECT_EQ(paddedDecimal(1, 1000000000).size(), 255);
    EXPECT_EQ(decimalLength(-10), 3);
}
