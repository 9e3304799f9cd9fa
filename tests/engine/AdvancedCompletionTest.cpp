#include <gtest/gtest.h>

#include "engine/AdvancedCompletion.h"
#include "support/QtPrinters.h"

using namespace AdvancedCompletion;

namespace {

// The partial text completed with the caret at the end of the text.
QString partial(const QString &text) {
    const std::optional<AdvancedScanning::Range> range = rangeForUserCompletion(text, text.size());
    return range ? text.mid(range->start, range->end - range->start) : QStringLiteral("(none)");
}

}  // namespace

TEST(AdvancedCompletionTest, CompletesAfterBracketsOutsideStringConstants) {
    EXPECT_EQ(partial("[up"), "[up");
    EXPECT_EQ(partial("[concatenate <na"), "<na");
    EXPECT_EQ(partial("[ up"), "[ up");
    EXPECT_EQ(partial("[   up"), "(none)");
    EXPECT_EQ(partial("[trim \"[up"), "(none)");
    EXPECT_EQ(partial("[trim \"a\\\"\" [up"), "[up");
    EXPECT_EQ(partial("up"), "(none)");
    EXPECT_EQ(partial("[up "), "(none)");
}

TEST(AdvancedCompletionTest, CandidatesAndWhereTheCaretGoes) {
    EXPECT_EQ(completions("[SEQ"),
              QStringList({"[sequence]", "[sequence from \"\"]",
                           "[sequence from \"\", increment by \"\"]",
                           "[sequence from \"\", increment by \"\", minimum number of digits \"\"]",
                           "[sequence from \"\", increment by \"\", sleep \"\", maximum index "
                           "\"\", minimum number of digits \"\", group identifier \"\"]"}));
    // The partial text counts up to its first "]".
    EXPECT_EQ(completions("[letters]x").size(), 4);
    const QStringList variables = completions("<name of p");
    ASSERT_FALSE(variables.isEmpty());
    EXPECT_EQ(variables.first(), "<name of parent folder>");
    EXPECT_TRUE(completions("x").isEmpty());

    EXPECT_EQ(caretInsideFirstEmptyQuotes("[pad \"\" to \"\" characters with \"\"]"), 6);
    EXPECT_EQ(caretInsideFirstEmptyQuotes("[letters]"), std::nullopt);
    const QString text = "[pad \"ab\" to \"\" characters]\n[trim \"\"]";
    EXPECT_EQ(tabTarget(text, 7), 14);
    EXPECT_EQ(tabTarget(text, 16), std::nullopt);
}
