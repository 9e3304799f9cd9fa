#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "AdvancedTestSupport.h"
#include "engine/AdvancedEvaluation.h"
#include "engine/AdvancedScanning.h"
#include "support/FakeFileItem.h"
#include "support/QtPrinters.h"

using AdvancedEvaluationTest = AdvancedTest;

TEST_F(AdvancedEvaluationTest, CallsConstantsAndVariablesMakeTheName) {
    EXPECT_EQ(named("[concatenate [uppercase <name>], \"_\", <extension>]", "Holiday Photo.jpg"),
              "HOLIDAY PHOTO_jpg");
    EXPECT_EQ(named("\"Fixed\"", "Holiday Photo.jpg"), "Fixed");
    EXPECT_EQ(named("[concatenate <name.extension> \"|\" <.extension>]", "a.b.jpg"),
              "a.b.jpg|.jpg");
    EXPECT_EQ(named("[concatenate \"[\" <extension> \"]\"]", "noextension"), "[]");
    // Function names and variables in any case and with extra spaces; constants keep theirs.
    EXPECT_EQ(named("[ConCatenate   < NAME >  \"MiXed  Case\"]", "x.jpg"), "xMiXed  Case");
}

TEST_F(AdvancedEvaluationTest, LeadingCallsRewriteTheNameForTheCallsAfterThem) {
    EXPECT_EQ(named("[uppercase <name>] [concatenate <name> \"-\" <extension>]", "ab.c"), "AB-c");
    EXPECT_EQ(named("[uppercase <name>]\n[find \"B\" in <name> and replace with \"x\"]\n"
                    "[concatenate <name> <.extension>]",
                    "abc.txt"),
              "AxC.txt");
}

TEST_F(AdvancedEvaluationTest, EscapesInsideStringConstants) {
    EXPECT_EQ(named("\"a\\\"\""), "a\"");
    EXPECT_EQ(named("\"a\\\\b\\c\""), "a\\b\\c");
    EXPECT_EQ(named("[concatenate \"say \\\"hi\\\"\" <name>]", "x"), "say \"hi\"x");
    // An escaped bracket is no call, and outside constants it is ignored text.
    EXPECT_EQ(named("[concatenate \"x\" \\]]"), "x");
}

TEST_F(AdvancedEvaluationTest, HandWrittenArgumentPlaceholders) {
    EXPECT_EQ(named("[concatenate \"a\" \"b\" <ARGUMENT 0>]"), "aba");
    EXPECT_EQ(errorsOf("[concatenate \"a\" \"b\" \"c\" <argument 3>]"),
              "- argument out of bounds: 3 >= 3\n- failed to parse expression \"argument 3\"\n");
    EXPECT_EQ(errorsOf("[concatenate \"a\" <argument -1>]"),
              "- argument out of bounds: -1 >= 1\n- failed to parse expression \"argument -1\"\n");
}

TEST_F(AdvancedEvaluationTest, EvaluationErrors) {
    EXPECT_EQ(errorsOf("[concatenate <name> <no such thing >]"),
              "- unknown variable: <no such thing>\n- failed to parse expression \"no such thing "
              "\"\n");
    EXPECT_EQ(errorsOf("<name> \"x\""), "- cannot comprehend expression \"\"\n");
    EXPECT_EQ(errorsOf("[uppercase \"abc]"), "- string constant has no end\n");
    EXPECT_EQ(errorsOf("[uppercase <name]"), "- variable error in expression <uppercase <name>\n");
    EXPECT_EQ(errorsOf("[uppercase <name>]]"),
              "- \"[\" and \"]\" function brackets must be balanced\n");
    EXPECT_EQ(errorsOf("]"), "- \"[\" and \"]\" function brackets must be balanced\n");
    // A "[" never closed stays text: only the editor's check reports it.
    const AdvancedOutcome open = run("[uppercase <name>", {"a.txt"});
    EXPECT_TRUE(open.syntaxError);
    EXPECT_EQ(open.errors, "- \"[\" and \"]\" function brackets must be balanced\n");
}

TEST_F(AdvancedEvaluationTest, EmptyPrototypeAndEmptyValuesLeaveTheNameAlone) {
    const AdvancedOutcome empty = run("  \n ", {"a.txt", "b.txt"});
    EXPECT_EQ(empty.names, QStringList({"a.txt", "b.txt"}));
    EXPECT_FALSE(empty.syntaxError);
    EXPECT_FALSE(step->isAdvancedShowErrorsButtonShown());
    EXPECT_EQ(named("[concatenate]", "keep.txt"), "keep.txt");
}

TEST_F(AdvancedEvaluationTest, RunWithoutFilesFindsOnlyUnknownVariables) {
    const AdvancedOutcome known = run("[concatenate <name> <parent> <number of files>]", {});
    EXPECT_FALSE(known.syntaxError);
    EXPECT_EQ(known.errors, "");
    const AdvancedOutcome unknown = run("[concatenate <name> <colour of the sky>]", {});
    EXPECT_TRUE(unknown.syntaxError);
    EXPECT_TRUE(step->isAdvancedShowErrorsButtonShown());
    EXPECT_TRUE(unknown.errors.startsWith("- unknown variable: <colour of the sky>\n"));
}

TEST_F(AdvancedEvaluationTest, OnlyTheFirstFileOfAPassRaisesTheSyntaxError) {
    const QString prototype = "[findregex <name> in \"abc\" and replace with \"x\"]";
    const AdvancedOutcome later = run(prototype, {"b.txt", "(.txt"});
    EXPECT_EQ(later.names, QStringList({"axc", "(.txt"}));
    EXPECT_FALSE(later.syntaxError);
    EXPECT_FALSE(step->isAdvancedShowErrorsButtonShown());
    const AdvancedOutcome first = run(prototype, {"(.txt", "b.txt"});
    EXPECT_TRUE(first.syntaxError);
    EXPECT_TRUE(step->isAdvancedShowErrorsButtonShown());
}

TEST_F(AdvancedEvaluationTest, HostilePrototypesEndInAnErrorOrAName) {
    const int depth = 10000;
    const QString nested =
        QString("[lowercase ").repeated(depth) + "<name>" + QString("]").repeated(depth);
    EXPECT_EQ(named(nested, "DEEP.txt"), "deep");

    // A million characters: many constants, many sibling calls, one long constant.
    EXPECT_EQ(named("[concatenate " + QString("\"x\" ").repeated(250000) + "]").size(), 250000);
    EXPECT_EQ(named("[concatenate " + QString("[trim \"a\"]").repeated(90000) + "]").size(), 90000);
    EXPECT_EQ(named("\"" + QString("y").repeated(1000000) + "\"").size(), 1000000);
    EXPECT_FALSE(run(QString("[").repeated(1000000), {"a"}).errors.isEmpty());
    EXPECT_FALSE(run(QString("]").repeated(1000000), {"a"}).errors.isEmpty());
    EXPECT_FALSE(run(QString("\\").repeated(999999) + "\"", {"a"}).errors.isEmpty());
    EXPECT_FALSE(run(QString("<").repeated(1000000), {"a"}).errors.isEmpty());

    // Doubling a value again and again stops at the longest value instead of exhausting memory.
    QString doubling = "[concatenate \"xxxxxxxxxxxxxxxx\" \"\"]";
    for (int i = 0; i < 60; ++i)
        doubling += " [concatenate <argument " + QString::number(i + 1) + "> <argument " +
                    QString::number(i + 1) + ">]";
    EXPECT_TRUE(errorsOf("[concatenate " + doubling + "]").contains("value too long"));
    // So do copies of one long value, which together would.
    const QString copies = "\"" + QString("x").repeated(900000) + "\"" +
                           QString(" [trim <argument 0>]").repeated(50) + "\"\"";
    EXPECT_TRUE(errorsOf(copies).contains("value too long"));
}

TEST_F(AdvancedEvaluationTest, CatastrophicRegularExpressionFailsThatFileInBoundedTime) {
    QElapsedTimer timer;
    timer.start();
    const QString errors = errorsOf("[findregex \"(a+)+$\" in \"" + QString("a").repeated(40) +
                                    "!\" and replace with \"x\"]");
    EXPECT_EQ(errors, "- [findRegularExpression] bad regular expression: \"(a+)+$\"\n");
    EXPECT_LT(timer.elapsed(), 60000);
}

TEST(AdvancedScanningTest, QuotesAndNonEscapedMarks) {
    using namespace AdvancedScanning;
    const QString text = "a\\\"b\"c\\\\\"";
    EXPECT_EQ(numberOfQuotesInRange(text, {0, text.size()}, false), 3);
    EXPECT_EQ(numberOfQuotesInRange(text, {0, text.size()}, true), 1);
    EXPECT_EQ(rangeOfNonEscapedString("x\\[y[", "[", false, {0, 5}), 4);
    EXPECT_EQ(rangeOfNonEscapedString("[y\\[", "[", true, {0, 4}), 0);
    // A match at the very start of the range counts whatever precedes it.
    EXPECT_EQ(rangeOfNonEscapedString("\\[", "[", false, {1, 2}), 1);
    QString spaces = "a" + QString(" ").repeated(1000) + "b";
    repeatedlyReplaceOccurrencesOfString(spaces, "  ", " ");
    EXPECT_EQ(spaces, "a b");
}
