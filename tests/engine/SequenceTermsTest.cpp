#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "SequenceTestSupport.h"
#include "engine/SequenceDefaults.h"
#include "engine/SequenceTerms.h"
#include "support/QtPrinters.h"

using SequenceTerms::termsFromText;
using namespace RenamerKeys;

class SequenceTermsTest : public EngineTest {};

TEST_F(SequenceTermsTest, OneLineIsReadAsCsv) {
    EXPECT_EQ(termsFromText("red, green, blue", false), QStringList({"red", "green", "blue"}));
    EXPECT_EQ(termsFromText("\n  red,green \n\n", false), QStringList({"red", "green"}));
    EXPECT_EQ(termsFromText("\"Smith, John\", \"say \"\"hi\"\"\"", false),
              QStringList({"Smith, John", "say \"hi\""}));
    // An unclosed quote falls back to cutting at every comma, fields untrimmed.
    EXPECT_EQ(termsFromText("\"a, b", false), QStringList({"\"a", " b"}));
    EXPECT_EQ(termsFromText("single", false), QStringList({"single"}));
}

TEST_F(SequenceTermsTest, SeveralLinesAreOneTermEach) {
    EXPECT_EQ(termsFromText("red\ngreen\nblue", false), QStringList({"red", "green", "blue"}));
    // Blank lines inside are terms; commas stay in the term.
    EXPECT_EQ(termsFromText("a, b\n\nc", false), QStringList({"a, b", "", "c"}));
    EXPECT_EQ(termsFromText("a\rb\u2028c", false), QStringList({"a", "b", "c"}));
}

TEST_F(SequenceTermsTest, SeveralLinesAsCsvWhenAsked) {
    EXPECT_EQ(termsFromText("a, b\nc,d", true), QStringList({"a", "b", "c", "d"}));
    // A record with another number of fields is dropped (and logged by the reader).
    EXPECT_EQ(termsFromText("a,b\nc", true), QStringList({"a", "b"}));
    // Text that is no CSV falls back to one term per line.
    EXPECT_EQ(termsFromText("\"a\nb", true), QStringList({"\"a", "b"}));
}

TEST_F(SequenceTermsTest, EmptyTextIsOneEmptyTerm) {
    EXPECT_EQ(termsFromText("", false), QStringList({""}));
    EXPECT_EQ(termsFromText(" \n\t ", true), QStringList({""}));
}

TEST_F(SequenceTermsTest, TheStepReadsTheCsvUserDefault) {
    const ZKRenamerPtr step = sequenceStep({{kSequenceType, qint64(TermSequence)},
                                            {kSequenceTerms, "a,b\nc,d"},
                                            {kSequencePreserveExtension, false}});
    EXPECT_EQ(computedNames(*step, {"1", "2", "3"}), QStringList({"a,b", "c,d", "a,b"}));
    setUserDefault(SequenceDefaults::kParseMultiLineAlternatingTermsAsCSV, true);
    EXPECT_EQ(computedNames(*step, {"1", "2", "3"}), QStringList({"a", "b", "c"}));
    setUserDefault(SequenceDefaults::kParseMultiLineAlternatingTermsAsCSV, false);
    // Typed line ends are normalised before the terms are cut.
    step->setStringValue(RenamerSetting::SequenceTerms, "x\r\ny\rz");
    EXPECT_EQ(step->stringValue(RenamerSetting::SequenceTerms), "x\ny\nz");
    EXPECT_EQ(computedNames(*step, {"1", "2", "3", "4"}), QStringList({"x", "y", "z", "x"}));
}
