#include <gtest/gtest.h>

#include "engine/RegexSyntaxError.h"
#include "support/QtPrinters.h"

TEST(RegexSyntaxErrorTest, ValidPatternsHaveNoMessage) {
    EXPECT_EQ(RegexSyntaxError::message("(a|b)+\\d{2}", false, false), "");
    // Free spacing ignores white space and comments that would otherwise be literal.
    EXPECT_EQ(RegexSyntaxError::message("a b # comment (", true, true), "");
}

TEST(RegexSyntaxErrorTest, BrokenPatternsNameTheProblemAndWhere) {
    const QString paren = RegexSyntaxError::message("ab(", false, false);
    EXPECT_TRUE(paren.startsWith("Unbalanced parenthesis")) << paren;
    EXPECT_TRUE(paren.contains("position")) << paren;
    EXPECT_TRUE(
        RegexSyntaxError::message("[ab", false, false).startsWith("Missing closing bracket"))
        << RegexSyntaxError::message("[ab", false, false);
    EXPECT_FALSE(RegexSyntaxError::message("a{3,1}", false, false).isEmpty());
    EXPECT_FALSE(RegexSyntaxError::message("*", false, false).isEmpty());
    // Without free spacing the "#" starts no comment, so the parenthesis counts.
    EXPECT_FALSE(RegexSyntaxError::message("a b # comment (", true, false).isEmpty());
}
