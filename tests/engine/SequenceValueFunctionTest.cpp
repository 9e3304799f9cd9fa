#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "EngineTestSupport.h"
#include "SequenceTestSupport.h"
#include "support/FakeFileItem.h"
#include "support/QtPrinters.h"

class SequenceValueFunctionTest : public EngineTest {
protected:
    // The values of a run over `count` files without groups.
    QStringList values(int type, const QStringList &arguments, int count) {
        QStringList result;
        for (int index = 0; index < count; ++index) {
            result.append(step->sequenceValueAtIndex(index, nullptr, type, arguments, count, false,
                                                     &didFail));
        }
        return result;
    }

    // One computation over files of the given groups (the group is the last argument),
    // with a second pass when asked for.
    QStringList groupedValues(int type, QStringList arguments, const QStringList &groups,
                              bool skipSingle = false) {
        QStringList result = groupedPass(type, arguments, groups, skipSingle);
        if (step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(true)) {
            result = groupedPass(type, arguments, groups, skipSingle);
            step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(false);
        }
        return result;
    }

    ZKRenamerPtr step = sequenceStep();
    bool didFail = false;

private:
    QStringList groupedPass(int type, QStringList arguments, const QStringList &groups,
                            bool skipSingle) {
        std::vector<std::unique_ptr<FakeFileItem>> items;
        QStringList result;
        const qsizetype groupArgument = arguments.size();
        arguments.append(QString());
        for (qsizetype index = 0; index < groups.size(); ++index) {
            arguments[groupArgument] = groups.at(index);
            items.push_back(std::make_unique<FakeFileItem>(QStringLiteral("f.txt")));
            result.append(step->sequenceValueAtIndex(index, items.back().get(), type, arguments,
                                                     groups.size(), skipSingle, &didFail));
        }
        return result;
    }
};

TEST_F(SequenceValueFunctionTest, DefaultsAndDigits) {
    EXPECT_EQ(values(NumberSequence, {}, 3), QStringList({"1", "2", "3"}));
    EXPECT_EQ(values(NumberSequence, {}, 10).first(), "01");
    EXPECT_EQ(values(NumberSequence, {"8", "-3"}, 4), QStringList({"08", "05", "02", "-1"}));
    // Three arguments: the third is the digit count for numbers.
    EXPECT_EQ(values(NumberSequence, {"1", "1", "4"}, 2), QStringList({"0001", "0002"}));
    // Five or more: the fifth.
    EXPECT_EQ(values(NumberSequence, {"1", "1", "0", "0", "3"}, 2), QStringList({"001", "002"}));
    EXPECT_EQ(values(UppercaseLetterSequence, {"Y"}, 3), QStringList({"Y", "Z", "AA"}));
    EXPECT_EQ(values(UppercaseRomanSequence, {"ix", "1"}, 2), QStringList({"IX", "X"}));
    EXPECT_FALSE(didFail);
}

TEST_F(SequenceValueFunctionTest, SleepRepeatsAndLimitStartsOver) {
    EXPECT_EQ(values(NumberSequence, {"1", "1", "1", "0"}, 6),
              QStringList({"1", "1", "2", "2", "3", "3"}));
    EXPECT_EQ(values(NumberSequence, {"1", "1", "0", "3"}, 6),
              QStringList({"1", "2", "3", "1", "2", "3"}));
    // For letters and numerals the third argument is the sleep.
    EXPECT_EQ(values(UppercaseLetterSequence, {"A", "1", "1"}, 4),
              QStringList({"A", "A", "B", "B"}));
    EXPECT_EQ(values(UppercaseLetterSequence, {"A", "1", "0", "C"}, 4),
              QStringList({"A", "B", "C", "A"}));
    // Counting down to a minimum, with sleep.
    EXPECT_EQ(values(NumberSequence, {"5", "-2", "1", "1"}, 7),
              QStringList({"5", "5", "3", "3", "1", "1", "5"}));
    // Automatic digits follow the largest value reached, not the number of files.
    EXPECT_EQ(values(NumberSequence, {"1", "1", "0", "12"}, 30).at(11), "12");
    EXPECT_EQ(values(NumberSequence, {"1", "1", "0", "12"}, 30).at(0), "01");
    EXPECT_EQ(values(NumberSequence, {"1", "1", "0", "9"}, 30).at(0), "1");
    EXPECT_EQ(values(NumberSequence, {"1", "1", "1", "0"}, 20).at(0), "01");
    EXPECT_EQ(values(NumberSequence, {"1", "1", "1", "0"}, 18).at(0), "1");
    // Huge steps saturate.
    EXPECT_EQ(values(NumberSequence, {"1", "9223372036854775807"}, 3).at(2), "9223372036854775807");
    EXPECT_FALSE(didFail);
}

TEST_F(SequenceValueFunctionTest, StartBeyondTheLimitIsAnAdvancedError) {
    step->beginAdvancedErrorMessage();
    EXPECT_EQ(values(NumberSequence, {"5", "1", "0", "3"}, 2), QStringList({"", ""}));
    EXPECT_TRUE(didFail);
    EXPECT_EQ(step->advancedErrorMessage(), "- [sequence] 5 cannot be beyond 3\n");

    didFail = false;
    EXPECT_EQ(values(UppercaseLetterSequence, {"A", "-1", "0", "C"}, 1), QStringList({""}));
    EXPECT_TRUE(didFail);
    EXPECT_EQ(values(UppercaseRomanSequence, {"X", "1", "0", "V"}, 1), QStringList({""}));
    EXPECT_EQ(step->advancedErrorMessage(),
              "- [sequence] 5 cannot be beyond 3\n- [letters] A cannot be beyond C\n"
              "- [romanNumerals] X cannot be beyond V\n");

    // Without an evaluation's error list nothing is collected, but the failure stands.
    const ZKRenamerPtr other = sequenceStep();
    bool failed = false;
    EXPECT_EQ(other->sequenceValueAtIndex(0, nullptr, 0, {"5", "1", "0", "3"}, 1, false, &failed),
              "");
    EXPECT_TRUE(failed);
    EXPECT_FALSE(other->advancedErrorMessage().has_value());
}

TEST_F(SequenceValueFunctionTest, GroupsTakeTheLastArgumentAndKnowTheirTotals) {
    QStringList groups;
    for (int index = 0; index < 12; ++index) groups.append(index < 2 ? "small" : "large");
    const QStringList numbers = groupedValues(NumberSequence, {"1", "1", "0", "0", "0"}, groups);
    EXPECT_EQ(numbers.mid(0, 3), QStringList({"1", "2", "01"}));
    EXPECT_EQ(numbers.last(), "10");
    // Letters take the fifth argument as the group.
    EXPECT_EQ(groupedValues(UppercaseLetterSequence, {"A", "1", "0", "0"}, {"x", "y", "x"}),
              QStringList({"A", "A", "B"}));
    // Fewer arguments: no group, the list index counts.
    EXPECT_EQ(groupedValues(UppercaseLetterSequence, {"A", "1", "0"}, {"x", "y"}),
              QStringList({"A", "B"}));
}

TEST_F(SequenceValueFunctionTest, SkippingSingleFileSequences) {
    bool failed = false;
    FakeFileItem item("a.txt");
    EXPECT_EQ(step->sequenceValueAtIndex(0, &item, 0, {}, 1, true, &failed), "");
    EXPECT_EQ(step->sequenceValueAtIndex(0, &item, 0, {}, 2, true, &failed), "1");
    // Without a file nothing is skipped.
    EXPECT_EQ(step->sequenceValueAtIndex(0, nullptr, 0, {}, 1, true, &failed), "1");
    step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(false);
    // Groups of one are skipped once their totals are known.
    EXPECT_EQ(groupedValues(NumberSequence, {"1", "1", "0", "0", "0"}, {"a", "b", "b"}, true),
              QStringList({"", "1", "2"}));
    EXPECT_FALSE(failed);
}
