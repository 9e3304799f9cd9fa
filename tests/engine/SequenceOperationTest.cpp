#include <gtest/gtest.h>

#include <limits>

#include "EngineTestSupport.h"
#include "SequenceTestSupport.h"
#include "engine/LazinessIndicator.h"
#include "engine/SequenceDefaults.h"
#include "engine/SequenceNotation.h"
#include "support/FakeFileItem.h"
#include "support/QtPrinters.h"

using S = RenamerSetting;
using namespace RenamerKeys;

namespace {

QStringList jpegs(int count) {
    QStringList names;
    for (int index = 1; index <= count; ++index)
        names.append(QStringLiteral("IMG_%1.jpg").arg(index));
    return names;
}

QStringList withExtension(const QStringList &values, const QString &extension = "jpg") {
    QStringList names;
    for (const QString &value : values) names.append(value + "." + extension);
    return names;
}

const QString kLazy = LazinessIndicator::kIndicator;

}  // namespace

class SequenceOperationTest : public EngineTest {};

TEST_F(SequenceOperationTest, AutomaticDigitsCoverTheLastValue) {
    EXPECT_EQ(computedNames(*sequenceStep(), jpegs(3)), withExtension({"1", "2", "3"}));
    EXPECT_EQ(computedNames(*sequenceStep(), jpegs(10)),
              withExtension({"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}));
    // Counting down, the last value 6 needs one digit.
    const ZKRenamerPtr down =
        sequenceStep({{kSequenceFirstNumber, qint64(10)}, {kSequenceStepValue, qint64(-1)}});
    EXPECT_EQ(computedNames(*down, jpegs(5)), withExtension({"10", "9", "8", "7", "6"}));
    // A minus sign counts as a character of the last value.
    const ZKRenamerPtr below =
        sequenceStep({{kSequenceFirstNumber, qint64(1)}, {kSequenceStepValue, qint64(-5)}});
    EXPECT_EQ(computedNames(*below, jpegs(3)), withExtension({"01", "-4", "-9"}));
}

TEST_F(SequenceOperationTest, FixedDigitsPadAfterTheSign) {
    const ZKRenamerPtr step = sequenceStep(
        {{kSequenceFirstNumber, qint64(-3)}, {kSequenceMinimumNumberOfDigits, qint64(3)}});
    EXPECT_EQ(computedNames(*step, jpegs(5)), withExtension({"-03", "-02", "-01", "000", "001"}));
    const ZKRenamerPtr wide = sequenceStep({{kSequenceFirstNumber, qint64(998)},
                                            {kSequenceStepValue, qint64(2)},
                                            {kSequenceMinimumNumberOfDigits, qint64(2)}});
    EXPECT_EQ(computedNames(*wide, jpegs(2)), withExtension({"998", "1000"}));
}

TEST_F(SequenceOperationTest, LargeFirstNumbersAndStepsSaturateInsteadOfWrapping) {
    const ZKRenamerPtr step = sequenceStep();
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    // Numbers are 64-bit while edited.
    ASSERT_TRUE(step->setNumberValue(S::SequenceFirstNumber, qint64(1) << 40));
    ASSERT_TRUE(step->setNumberValue(S::SequenceStepValue, qint64(1) << 40));
    EXPECT_EQ(computedNames(*step, jpegs(2)), withExtension({"1099511627776", "2199023255552"}));
    ASSERT_TRUE(step->setNumberValue(S::SequenceFirstNumber, kMax - 1));
    ASSERT_TRUE(step->setNumberValue(S::SequenceStepValue, 1));
    const QString max = QString::number(kMax);
    EXPECT_EQ(computedNames(*step, jpegs(3)), withExtension({QString::number(kMax - 1), max, max}));
    ASSERT_TRUE(step->setChoiceValue(S::SequenceType, UppercaseRomanSequence));
    EXPECT_EQ(computedNames(*step, jpegs(1)), withExtension({QString::number(kMax - 1)}));
}

TEST_F(SequenceOperationTest, LettersAndRomanNumerals) {
    const ZKRenamerPtr letters = sequenceStep(
        {{kSequenceType, qint64(UppercaseLetterSequence)}, {kSequenceFirstNumber, qint64(25)}});
    EXPECT_EQ(computedNames(*letters, jpegs(4)), withExtension({"Y", "Z", "AA", "AB"}));
    ASSERT_TRUE(letters->setChoiceValue(S::SequenceType, LowercaseLetterSequence));
    EXPECT_EQ(computedNames(*letters, jpegs(3)), withExtension({"y", "z", "aa"}));

    const ZKRenamerPtr roman = sequenceStep(
        {{kSequenceType, qint64(LowercaseRomanSequence)}, {kSequenceFirstNumber, qint64(3)}});
    EXPECT_EQ(computedNames(*roman, jpegs(3)), withExtension({"iii", "iv", "v"}));
    // Counting down through zero.
    const ZKRenamerPtr down = sequenceStep({{kSequenceType, qint64(UppercaseRomanSequence)},
                                            {kSequenceFirstNumber, qint64(2)},
                                            {kSequenceStepValue, qint64(-1)}});
    EXPECT_EQ(computedNames(*down, jpegs(4)), withExtension({"II", "I", "-", "-I"}));
    // Digit counts concern numbers only.
    ASSERT_TRUE(down->setChoiceValue(S::SequenceMinimumNumberOfDigits, 5));
    EXPECT_EQ(computedNames(*down, jpegs(1)), withExtension({"II"}));
}

TEST_F(SequenceOperationTest, FirstNumberFieldFollowsTheType) {
    const ZKRenamerPtr step = sequenceStep({{kSequenceType, qint64(UppercaseLetterSequence)}});
    ASSERT_TRUE(step->setNumberValue(
        S::SequenceFirstNumber,
        SequenceNotation::integerValueForSequenceType("C", UppercaseLetterSequence)));
    EXPECT_EQ(step->integerValue(S::SequenceFirstNumber), 3);
    EXPECT_EQ(step->sequenceFirstNumberText(), "C");
    ASSERT_TRUE(step->setChoiceValue(S::SequenceType, UppercaseRomanSequence));
    EXPECT_EQ(step->sequenceFirstNumberText(), "III");
    ASSERT_TRUE(step->setChoiceValue(S::SequenceType, LowercaseLetterSequence));
    EXPECT_EQ(step->sequenceFirstNumberText(), "c");

    // Typing: read in the notation, shown canonically.
    delegate.resetCounts();
    EXPECT_EQ(step->setSequenceFirstNumberText("AB"), "ab");
    EXPECT_EQ(step->integerValue(S::SequenceFirstNumber), 28);
    EXPECT_EQ(delegate.delayedUpdates, 1);
    EXPECT_EQ(step->setSequenceFirstNumberText("-"), "-");
    EXPECT_EQ(step->integerValue(S::SequenceFirstNumber), 0);
    EXPECT_EQ(step->setSequenceFirstNumberText("-b"), "-b");
    EXPECT_EQ(step->integerValue(S::SequenceFirstNumber), -2);
    EXPECT_EQ(step->setSequenceFirstNumberText("12"), "l");
    EXPECT_EQ(step->setSequenceFirstNumberText("??"), "-");
    ASSERT_TRUE(step->setChoiceValue(S::SequenceType, NumberSequence));
    EXPECT_EQ(step->setSequenceFirstNumberText(" 0042"), "42");
}

TEST_F(SequenceOperationTest, TermsTakenInTurn) {
    const ZKRenamerPtr step =
        sequenceStep({{kSequenceType, qint64(TermSequence)}, {kSequenceTerms, "a, b"}});
    EXPECT_EQ(computedNames(*step, jpegs(5)), withExtension({"a", "b", "a", "b", "a"}));
    // An empty terms text is one empty term: the prefix alone remains.
    const ZKRenamerPtr empty =
        sequenceStep({{kSequenceType, qint64(TermSequence)}, {kInsertString, QVariantList{"x "}}});
    EXPECT_EQ(computedNames(*empty, jpegs(2)), withExtension({"x", "x"}));
}

TEST_F(SequenceOperationTest, PrefixSuffixAndExtension) {
    const ZKRenamerPtr step = sequenceStep(
        {{kInsertString, QVariantList{"Photo "}}, {kSequenceSuffix, QVariantList{" (copy)"}}});
    EXPECT_EQ(computedNames(*step, {"a.jpg", "b.tar.gz", "notes"}),
              QStringList({"Photo 1 (copy).jpg", "Photo 2 (copy).gz", "Photo 3 (copy)"}));
    ASSERT_TRUE(step->setSwitchValue(S::SequencePreserveExtension, false));
    EXPECT_EQ(computedNames(*step, {"a.jpg"}), QStringList({"Photo 1 (copy)"}));
    const ZKRenamerPtr bare = sequenceStep({{kSequencePreserveExtension, false}});
    EXPECT_EQ(computedNames(*bare, {"a.jpg"}), QStringList({"1"}));
}

TEST_F(SequenceOperationTest, GroupsCountSeparatelyWithDigitsPerGroupAfterTheSecondPass) {
    // Three files in "Trip" and twelve in "Home", listed interleaved at first.
    QStringList names = jpegs(15);
    QStringList folders;
    for (int index = 0; index < 15; ++index) folders.append(index % 5 == 0 ? "Trip" : "Home");
    int passes = 0;
    const QStringList result = computedNames(*sequenceStep(), names, folders, &passes);
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(result.at(0), "1.jpg");
    EXPECT_EQ(result.at(5), "2.jpg");
    EXPECT_EQ(result.at(10), "3.jpg");
    EXPECT_EQ(result.at(1), "01.jpg");
    EXPECT_EQ(result.at(14), "12.jpg");

    // Without a need for totals one pass does.
    const ZKRenamerPtr letters = sequenceStep({{kSequenceType, qint64(UppercaseLetterSequence)}});
    EXPECT_EQ(computedNames(*letters, jpegs(4), {"x", "y", "x", "y"}, &passes),
              withExtension({"A", "A", "B", "B"}));
    EXPECT_EQ(passes, 1);
    const ZKRenamerPtr fixed = sequenceStep({{kSequenceMinimumNumberOfDigits, qint64(2)}});
    EXPECT_EQ(computedNames(*fixed, jpegs(3), {"x", "y", "x"}, &passes),
              withExtension({"01", "01", "02"}));
    EXPECT_EQ(passes, 1);
    // Terms in groups.
    const ZKRenamerPtr terms =
        sequenceStep({{kSequenceType, qint64(TermSequence)}, {kSequenceTerms, "red\ngreen"}});
    EXPECT_EQ(computedNames(*terms, jpegs(4), {"x", "y", "y", "x"}),
              withExtension({"red", "red", "green", "green"}));
}

TEST_F(SequenceOperationTest, StateIsForgottenBetweenComputations) {
    const ZKRenamerPtr step = sequenceStep();
    EXPECT_EQ(computedNames(*step, jpegs(2), {"g", "g"}), withExtension({"1", "2"}));
    EXPECT_EQ(computedNames(*step, jpegs(2), {"g", "g"}), withExtension({"1", "2"}));
    // A file that asks twice in a row keeps its place in its group.
    FakeFileItem item("a.jpg");
    step->setTokenListValue(S::SequenceIdentifier, QVariantList{"g"});
    step->processFileRepresentation(&item, 0, 1, nullptr);
    step->processFileRepresentation(&item, 0, 1, nullptr);
    EXPECT_EQ(item.interimNames(), QStringList({"1.jpg", "1.jpg"}));
    step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(false);
}

TEST_F(SequenceOperationTest, LazyGroupsOfOneFileGetOnlyPrefixAndSuffix) {
    const ZKRenamerPtr step = sequenceStep({{kInsertString, QVariantList{"Photo "}}});
    int passes = 0;
    EXPECT_EQ(
        computedNames(*step, jpegs(3), {"Trip" + kLazy, "Home" + kLazy, "Home" + kLazy}, &passes),
        QStringList({"Photo.jpg", "Photo 1.jpg", "Photo 2.jpg"}));
    EXPECT_EQ(passes, 2);
    // The bed counts as well, and the suffix loses its leading blanks.
    ASSERT_TRUE(step->setTokenListValue(S::InsertString, {}));
    ASSERT_TRUE(step->setTokenListValue(S::SequenceSuffix, QVariantList{" \nedited"}));
    EXPECT_EQ(computedNames(*step, {"a.jpg"}, {LazinessIndicator::kBed}),
              QStringList({"edited.jpg"}));
    // Prefix, then suffix: both around an empty value.
    ASSERT_TRUE(step->setTokenListValue(S::InsertString, QVariantList{"Photo "}));
    EXPECT_EQ(computedNames(*step, {"a.jpg"}, {kLazy}), QStringList({"Photo \nedited.jpg"}));
    // Switched off by the user default.
    setUserDefault(SequenceDefaults::kIgnoreLazySequenceIdentifier, true);
    EXPECT_EQ(computedNames(*step, {"a.jpg"}, {kLazy}), QStringList({"Photo 1 \nedited.jpg"}));
    setUserDefault(SequenceDefaults::kIgnoreLazySequenceIdentifier, false);
}
