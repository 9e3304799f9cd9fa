#include <gtest/gtest.h>

#include "common/LogCapture.h"
#include "engine/FindAndReplace.h"
#include "engine/ZKEREConversion.h"
#include "engine/ZKExtendedRegularExpression.h"
#include "support/QtPrinters.h"

namespace {

// The subject with every match of expression replaced by the extended template.
QString replaced(const QString &expression, const QString &extendedTemplate,
                 const QString &subject) {
    const auto pattern = FindAndReplace::compilePattern(expression, false, false);
    if (!pattern) {
        ADD_FAILURE() << "invalid expression " << expression;
        return QString();
    }
    return ZKExtendedRegularExpression::stringByReplacingMatchesInString(*pattern, subject,
                                                                         extendedTemplate);
}

// Month names follow the locale the date formatter chose; the examples are in English.
bool formatsInEnglish() {
    return ZKEREConversion::dateFormatterLocaleIdentifier().startsWith(QStringLiteral("en"));
}

}  // namespace

TEST(ZKExtendedRegularExpressionTest, CaseConversionsApplyToTheExpandedGroups) {
    EXPECT_EQ(replaced("(.+)", "\\U$1", "abc"), "ABC");
    EXPECT_EQ(replaced("(.+)", "\\l$1", "ABC"), "aBC");
    EXPECT_EQ(replaced("(\\w+)-(\\w+)", "\\L$1\\E-$2", "ABC-DEF"), "abc-DEF");
    EXPECT_EQ(replaced("(\\w+) (\\w+)", "\\U$2\\E, \\u$1", "ada lovelace"), "LOVELACE, Ada");
    // Every match is converted on its own.
    EXPECT_EQ(replaced("\\b(\\w)", "\\u$1", "the big sleep"), "The Big Sleep");
    EXPECT_EQ(replaced("(\\w+)", "\\U$1", QStringLiteral("straße 5")), "STRASSE 5");
}

TEST(ZKExtendedRegularExpressionTest, EscapedAndBackToBackSequencesAreTemplateText) {
    // Two backslashes are one literal backslash for ICU, so "u" is plain text.
    EXPECT_EQ(replaced("(.+)", "\\\\u$1", "abc"), "\\uabc");
    EXPECT_EQ(replaced("(.+)", "\\\\\\U$1", "abc"), "\\ABC");
    // The second sequence reaches ICU, which takes "\L" as a literal "L".
    EXPECT_EQ(replaced("(.+)", "\\u\\L$1", "abc"), "Labc");
    EXPECT_EQ(replaced("(.+)", "\\$1 \\E", "abc"), "$1 ");
}

TEST(ZKExtendedRegularExpressionTest, TemplatesWithoutSequencesAreICUs) {
    EXPECT_EQ(replaced("(\\d+)-(\\d+)", "$2-$1", "12-34"), "34-12");
    EXPECT_EQ(replaced("(a)", "[$12]", "bab"), "b[a2]b");
    EXPECT_EQ(replaced("(a)", "[$0\\$\\\\]", "bab"), "b[a$\\]b");
    EXPECT_EQ(replaced("a", "", "banana"), "bnn");
    EXPECT_EQ(replaced("x*", "-", "ab"), "-a-b-");
}

TEST(ZKExtendedRegularExpressionTest, AFailedExpansionReplacesTheMatchByNothing) {
    LogCapture log;
    EXPECT_EQ(replaced("(a)", "\\U$5", "bab"), "bb");
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines()[0],
              "[ZKExtendedRegularExpression] ignoring regular expression replacement exception: "
              "U_INDEX_OUTOFBOUNDS_ERROR (reason: the template refers to a capture group beyond "
              "the last one) <= stringByReplacingMatchesInString:withExtendedTemplate: \\U$5");
    EXPECT_EQ(replaced("(a)", "x$", "aba"), "b");
    EXPECT_TRUE(log.lines()[1].contains("U_REGEX_INVALID_CAPTURE_GROUP_NAME"));
}

TEST(ZKExtendedRegularExpressionTest, DateConversionsRewriteDatesAndLeaveTheRest) {
    EXPECT_EQ(replaced("(.+)", "\\D(dd.MM.yyyy)>(yyyy-MM-dd)$1", "05.01.2024"), "2024-01-05");
    EXPECT_EQ(replaced("(.+)", "\\D(dd.MM.yyyy)>(yyyy-MM-dd)$1", "2024-01-05"), "2024-01-05");
    EXPECT_EQ(replaced("(\\S+) (\\S+)", "\\D(yyyyMMdd)>(dd.MM.yy)$1\\E \\U$2", "20231231 eve"),
              "31.12.23 EVE");
    EXPECT_EQ(replaced("(\\d+)", "\\D(HHmm)>(HH:mm)$1", "photo 0930 2575"), "photo 09:30 2575");
}

TEST(ZKExtendedRegularExpressionTest, ADateFormatEndsAtItsFirstUnescapedParenthesis) {
    // The text after the sequence stays template text, parentheses included.
    EXPECT_EQ(
        replaced("(\\d{8})_(\\w+)", "\\D(yyyyMMdd)>(yyyy-MM-dd)$1\\E (\\u$2)", "20240105_trip"),
        "2024-01-05 (Trip)");
    EXPECT_EQ(replaced("(\\d{4})(\\d\\d)", "\\D(yyyy)>(yy)$1\\E-\\D(MM)>(M\\))$2", "202403"),
              "24-3)");
}

TEST(ZKExtendedRegularExpressionTest, TheHolidayExample) {
    if (!formatsInEnglish()) GTEST_SKIP() << "dates are formatted for another language";
    EXPECT_EQ(replaced("(\\d{4})(\\d{2})(\\d{2})_(\\w+)",
                       "\\D(yyyyMMdd)>(d MMM yyyy)$1$2$3\\E - \\u$4", "20240105_holiday"),
              "5 Jan 2024 - Holiday");
}

TEST(ZKExtendedRegularExpressionTest, ASubjectHoldingThePlaceholderIsLeftUnconverted) {
    LogCapture log;
    const QString placeholder = QStringLiteral("/:com.quorlix.ZKEREConversionPlaceholder:/");
    EXPECT_EQ(replaced("(.+)", "\\U$1", "a" + placeholder + "b"),
              placeholder + "a" + placeholder + "b");
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_TRUE(log.lines()[0].startsWith(
        "[ZKExtendedRegularExpression] case conversion inconsistency: 2 fragments expected, 3 "
        "found: "));
}
