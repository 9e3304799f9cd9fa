#include <gtest/gtest.h>

#include "AdvancedTestSupport.h"
#include "engine/AdvancedCodeCheck.h"
#include "support/QtPrinters.h"

namespace {

using Role = AdvancedCodeColouring::Role;
using Span = AdvancedCodeColouring::Span;

struct Checked {
    bool acceptable = false;
    QStringList messages;
    QList<Span> spans;
};

Checked check(const QString &text, bool failed = false) {
    Checked checked;
    AdvancedCodeColouring colouring;
    checked.acceptable = AdvancedCodeCheck::checkAndColour(
        text, failed, [&](const QString &message) { checked.messages << message; }, &colouring);
    checked.spans = colouring.spans;
    return checked;
}

const QString kBalance = "\"[\" and \"]\" function brackets must be balanced";

}  // namespace

TEST(AdvancedCodeCheckTest, ColoursConstantsVariablesAndFunctions) {
    const Checked checked = check("[Concatenate <name>, \"_\"]");
    EXPECT_TRUE(checked.acceptable);
    EXPECT_EQ(checked.spans, QList<Span>({{0, 1, Role::Function},
                                          {1, 11, Role::Function},
                                          {13, 6, Role::Variable},
                                          {21, 3, Role::StringConstant},
                                          {24, 1, Role::Function}}));
    // Marks inside constants and variables are no brackets.
    EXPECT_TRUE(check("[trim \"]\" <[>]").acceptable);
}

TEST(AdvancedCodeCheckTest, UnknownFunctionsAndUnbalancedBrackets) {
    const Checked empty = check("[]");
    EXPECT_FALSE(empty.acceptable);
    EXPECT_EQ(empty.messages, QStringList({"unknown function"}));
    EXPECT_EQ(empty.spans, QList<Span>({{0, 1, Role::Function}, {1, 1, Role::Function}}));

    EXPECT_EQ(check("]").messages, QStringList({kBalance}));
    EXPECT_EQ(check("[trim <name>").messages, QStringList({kBalance}));
    EXPECT_TRUE(check("[ TRIM <name>]").acceptable);
    EXPECT_FALSE(check("[").acceptable);
    EXPECT_EQ(check("[<name>]").messages, QStringList({"unknown function"}));
    // A failed evaluation fails the check, and an open bracket then adds nothing.
    const Checked failed = check("[trim <name>", true);
    EXPECT_FALSE(failed.acceptable);
    EXPECT_TRUE(failed.messages.isEmpty());
    // A long run of stray brackets reports once.
    EXPECT_EQ(check(QString("]").repeated(100000)).messages, QStringList({kBalance}));
}

TEST(AdvancedCodeCheckTest, QuotationMarksAfterBackslashes) {
    // Two backslashes escape each other, so the mark closes the constant; three escape it.
    EXPECT_EQ(check("\"a\\\\\"").spans, QList<Span>({{0, 5, Role::StringConstant}}));
    EXPECT_TRUE(check("\"a\\\\\\\"").spans.isEmpty());
}

using AdvancedErrorListTest = AdvancedTest;

TEST_F(AdvancedErrorListTest, EachMessageIsListedOnce) {
    step = stepWith(AdvancedOperation);
    step->beginAdvancedErrorMessage();
    step->logAdvancedRenamingError("unknown variable: <a b>");
    step->logAdvancedRenamingError("unknown variable: <a b>");
    step->logAdvancedRenamingError("unknown variable");
    step->logAdvancedRenamingError("other");
    EXPECT_EQ(step->advancedErrorMessage(), "- unknown variable: <a b>\n- other\n");
}

TEST_F(AdvancedErrorListTest, ThePassColoursOnceAndShowsTheButtonForAFailure) {
    int analyses = 0;
    // The value of a bracketed lone variable is fine; only the check finds the name unknown.
    const AdvancedOutcome bad = run("[nosuch <name>]", {"a"});
    EXPECT_TRUE(bad.syntaxError);
    EXPECT_EQ(bad.names, QStringList({"a"}));
    EXPECT_EQ(bad.errors, "- unknown function\n");
    EXPECT_TRUE(step->isAdvancedShowErrorsButtonShown());

    step->setAdvancedAnalysisObserver([&] { ++analyses; });
    step->setStringValue(RenamerSetting::AdvancedPrototype, "[trim <name>]");
    for (int pass = 0; pass < 2; ++pass) {
        bool syntaxError = false;
        for (int index = 0; index < 3; ++index)
            step->processFileRepresentation(nullptr, index, 3, &syntaxError);
        EXPECT_FALSE(syntaxError);
        step->cleanUpAfterUpdatingAndAnalyzeSequenceIdentifiers(true);
    }
    EXPECT_EQ(analyses, 2);
    EXPECT_FALSE(step->isAdvancedShowErrorsButtonShown());
}
