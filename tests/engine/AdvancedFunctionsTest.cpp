#include <gtest/gtest.h>

#include <QDateTime>

#include "AdvancedTestSupport.h"
#include "engine/AdvancedEvaluation.h"
#include "engine/LazinessIndicator.h"
#include "support/FakeFileItem.h"
#include "support/GermanTranslation.h"
#include "support/QtPrinters.h"

namespace {

// The names every function's calls begin with, in any order.
const QStringList kFunctionNames{"addintegers",
                                 "concatenate",
                                 "findregularexpression",
                                 "findregex",
                                 "find",
                                 "equal",
                                 "and",
                                 "or",
                                 "not",
                                 "if",
                                 "increment",
                                 "decrement",
                                 "letters",
                                 "romannumerals",
                                 "sequence",
                                 "term",
                                 "prompt",
                                 "lowercase",
                                 "uppercase",
                                 "titlecase",
                                 "capitalize",
                                 "trim",
                                 "truncate",
                                 "pad",
                                 "now",
                                 "created",
                                 "modified",
                                 "random",
                                 "remove",
                                 "insert"};

QString call(const QString &function, const QStringList &values) {
    QString text = "[" + function;
    for (const QString &value : values) text += " \"" + value + "\"";
    return text + "]";
}

}  // namespace

using AdvancedFunctionsTest = AdvancedTest;

TEST_F(AdvancedFunctionsTest, SelectionByPrefixInOrder) {
    EXPECT_EQ(named("[order \"\" \"x\"]"), "true");
    EXPECT_EQ(named("[concatenate [nothing \"\"] \"!\"]"), "true!");
    EXPECT_EQ(named("[findregexp \"o+\" \"foo\" \"0\"]"), "f0");
    EXPECT_EQ(named("[findRegularExpression \"o\" in \"foo\" and replace with \"0\"]"), "f00");
}

TEST_F(AdvancedFunctionsTest, LogicAndArithmetic) {
    EXPECT_EQ(named("[concatenate [equal \"a\" \"a\"] [equal \"a\" \"A\"] \"|\"]"), "true|");
    EXPECT_EQ(named("[concatenate [and \"x\" \"y\"] [and \"x\" \"\"] \"|\"]"), "true|");
    EXPECT_EQ(named("[concatenate [or \"\" \"\"] [not \"x\"] \"|\"]"), "|");
    EXPECT_EQ(named("[if [equal <extension> \"ext\"] then \"yes\" else \"no\"]"), "yes");
    EXPECT_EQ(named("[increment \"abc\"]"), "1");
    EXPECT_EQ(named("[increment \"12abc\" by \"3\"]"), "15");
    EXPECT_EQ(named("[decrement \" -4\"]"), "-5");
    EXPECT_EQ(named("[addintegers \"2\" \"-7\" \"+10\"]"), "5");
    EXPECT_EQ(named("[increment \"9223372036854775807\"]"), "-9223372036854775808");
    EXPECT_EQ(errorsOf("[addintegers \"1\"]"),
              "- [addintegers] requires at least two arguments: first integer, second integer, "
              "...\n");
}

TEST_F(AdvancedFunctionsTest, TermsCycleOverTheList) {
    const AdvancedOutcome outcome =
        run("[term \"a\" \"b\" \"c\"]", {"1", "2", "3", "4", "5", "6", "7"});
    EXPECT_EQ(outcome.names, QStringList({"a", "b", "c", "a", "b", "c", "a"}));
}

TEST_F(AdvancedFunctionsTest, CaseAndTrimming) {
    EXPECT_EQ(named("[uppercase \"straße\"]"), "STRASSE");
    EXPECT_EQ(named("[lowercase \"ÀB\"]"), "àb");
    EXPECT_EQ(named("[capitalize \"hello wORLD\"]"), "Hello World");
    EXPECT_EQ(named("[titlecase \"the lord of the rings\" with cut-off \"3\"]"),
              "The Lord of the Rings");
    EXPECT_EQ(named("[titlecase \"the lord OF the rings\" with cut-off \"3\" lazy]"),
              "The Lord OF the Rings");
    EXPECT_EQ(named("[concatenate \"<\" [trim \" \t x \n\"] \">\"]"), "<x>");
}

TEST_F(AdvancedFunctionsTest, TruncatePadRemoveInsert) {
    const QString ten = "0123456789";
    EXPECT_EQ(named("[concatenate \"<\" [truncate \"" + ten + "\" to \"0\" characters] \">\"]"),
              "<>");
    EXPECT_EQ(named("[truncate \"" + ten + "\" to \"-3\" characters]"), "789");
    EXPECT_EQ(named("[truncate \"" + ten + "\" to \"20\" characters]"), ten);
    EXPECT_EQ(named("[pad \"ab\" to \"5\" characters with \"xy\"]"), "abxyx");
    EXPECT_EQ(named("[pad \"ab\" to \"-5\" characters with \"xy\"]"), "yxyab");
    EXPECT_EQ(named("[pad \"abcde\" to \"3\" characters with \"x\"]"), "abc");
    EXPECT_EQ(named("[pad \"abcde\" to \"-3\" characters with \"x\"]"), "cde");
    EXPECT_EQ(errorsOf("[pad \"ab\" to \"5\" characters with \"\"]"),
              "- [pad] (padding expression) must not be an empty string\n");
    EXPECT_TRUE(errorsOf("[pad \"ab\" to \"99999999999\" characters with \"x\"]")
                    .contains("value too long"));

    EXPECT_EQ(named("[remove \"2\" characters at index \"1\" from \"abcdef\" (backwards)]"),
              "abcd");
    EXPECT_EQ(named("[remove \"2\" characters at index \"2\" from \"abcdef\"]"), "adef");
    EXPECT_EQ(named("[remove \"9\" characters at index \"3\" from \"abcdef\"]"), "ab");
    EXPECT_EQ(named("[remove \"2\" characters at index \"9\" from \"abcdef\"]"), "abcdef");
    EXPECT_EQ(errorsOf("[remove \"-1\" characters at index \"1\" from \"abc\"]"),
              "- [remove] (length) must be >= 0\n");
    EXPECT_EQ(errorsOf("[remove \"1\" characters at index \"0\" from \"abc\"]"),
              "- [remove] (start index) must be > 0\n");

    EXPECT_EQ(named("[insert \"X\" at index \"1\" of \"abc\" (backwards)]"), "abcX");
    EXPECT_EQ(named("[insert \"X\" at index \"4\" of \"abc\" (backwards)]"), "Xabc");
    EXPECT_EQ(named("[insert \"X\" at index \"2\" of \"abc\"]"), "aXbc");
    EXPECT_EQ(named("[insert \"X\" at index \"9\" of \"abc\"]"), "abc");
    EXPECT_EQ(errorsOf("[insert \"X\" at index \"0\" of \"abc\"]"),
              "- [insert] (insertion point) must be > 0!\n");
}

TEST_F(AdvancedFunctionsTest, FindAndRegularExpressions) {
    EXPECT_EQ(named("[find \"ab\" in \"AB ab aB\" and replace with \"x\" ignore case]"), "x x x");
    EXPECT_EQ(named("[find \"ab\" in \"AB ab\" and replace with \"x\"]"), "AB x");
    // Colons are seen as slashes while matching, and every slash comes out as a colon.
    EXPECT_EQ(named("[find \"/\" in \"a:b\" and replace with \"-/\"]"), "a-:b");
    EXPECT_EQ(named("[find \"\" in \"abc\" and replace with \"x\"]"), "abc");
    EXPECT_EQ(
        named("[findregex \"(\\w+) (\\w+)\" in \"hello world\" and replace with \"\\U$2\\E $1\"]"),
        "WORLD hello");
    EXPECT_EQ(named("[findregex \"B\" in \"abc\" and replace with \"x\" ignore case]"), "axc");
    EXPECT_EQ(named("[findregex \"a b\" in \"ab\" and replace with \"x\" enable free-spacing]"),
              "x");
    delegate.freeSpacing = true;
    EXPECT_EQ(named("[findregex \"a b\" in \"ab a b\" and replace with \"x\"]"), "x a b");
    EXPECT_EQ(
        named("[findregex \"a b\" in \"ab a b\" and replace with \"x\" disable free-spacing]"),
        "ab x");
    EXPECT_EQ(errorsOf("[findregex \"(\" in \"abc\" and replace with \"x\"]"),
              "- [findRegularExpression] bad regular expression: \"(\"\n");
}

TEST_F(AdvancedFunctionsTest, SequencesOfNumbersLettersAndNumerals) {
    EXPECT_EQ(run("[sequence]", {"a", "b", "c"}).names, QStringList({"1", "2", "3"}));
    EXPECT_EQ(run("[sequence from \"8\", increment by \"2\"]", {"a", "b", "c"}).names,
              QStringList({"08", "10", "12"}));
    EXPECT_EQ(run("[letters from \"y\"]", {"a", "b", "c"}).names, QStringList({"Y", "Z", "AA"}));
    EXPECT_EQ(run("[lowercase [romannumerals from \"3\"]]", {"a", "b"}).names,
              QStringList({"iii", "iv"}));
    EXPECT_EQ(run("[concatenate <name> [sequence lazy]]", {"only.txt"}).names,
              QStringList({"only"}));
    EXPECT_EQ(run("[concatenate <name> [sequence " + LazinessIndicator::kIndicator + "]]",
                  {"a.txt", "b.txt"})
                  .names,
              QStringList({"a1", "b2"}));
    // Found by fuzzing: the largest sleeping period once overflowed.
    EXPECT_EQ(run("[sequence from \"1\", increment by \"1\", sleep \"9223372036854775807\", "
                  "maximum index \"0\"]",
                  {"a", "b"})
                  .names,
              QStringList({"1", "1"}));
    EXPECT_EQ(
        errorsOf("[sequence from \"5\", increment by \"1\", sleep \"0\", maximum index \"3\"]"),
        "- [sequence] 5 cannot be beyond 3\n");
}

TEST_F(AdvancedFunctionsTest, DatesInTheLocalTimeZone) {
    FakeFileItem file("photo.jpg");
    file.setCreationDate(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7)));
    file.setModificationDate(QDateTime(QDate(2022, 12, 31), QTime(23, 59, 0)));
    step = stepWith(AdvancedOperation, {{RenamerKeys::kAdvancedPrototype,
                                         "[concatenate [created \"%Y-%m-%d %H.%M.%S\"] \" \" "
                                         "[modified \"%Y-%m-%d\" \"86400\"]]"}});
    bool syntaxError = false;
    step->processFileRepresentation(&file, 0, 1, &syntaxError);
    EXPECT_EQ(file.intermediateName(), "2021-03-04 05.06.07 2023-01-01");

    // Without a file, created is the current date of the pass, as now is.
    step = stepWith(
        AdvancedOperation,
        {{RenamerKeys::kAdvancedPrototype,
          "[concatenate [created \"%s\"] \"=\" [now \"%s\"] \" \" [now \"%s\" \"86400\"]]"}});
    const QStringList parts =
        step->advancedNameForFileRepresentation(nullptr, "test.test", 0, 0, nullptr).split(' ');
    ASSERT_EQ(parts.size(), 2);
    const QStringList same = parts[0].split('=');
    EXPECT_EQ(same[0], same[1]);
    EXPECT_EQ(parts[1].toLongLong() - same[1].toLongLong(), 86400);
}

TEST_F(AdvancedFunctionsTest, RandomCharactersFromAPool) {
    const QString value = named("[random \"12\" characters from \"ab\"]");
    EXPECT_EQ(value.size(), 12);
    EXPECT_TRUE(QString(value).remove('a').remove('b').isEmpty());
    EXPECT_EQ(named("[random \"3\" characters from \"\"]"), "___");
}

TEST_F(AdvancedFunctionsTest, PromptsAskTheDelegateOncePerFileWithTheQuestionJoined) {
    delegate.promptAnswer = "Summer";
    const QString prototype = "[concatenate [prompt \"Which\" \"season? \"] \"-\" <name>]";
    EXPECT_EQ(run(prototype, {"a.txt"}).names, QStringList({"Summer-a"}));
    ASSERT_EQ(delegate.prompts.size(), 1);
    EXPECT_EQ(delegate.prompts[0], QStringList({"Which\nseason?", prototype}));

    // Without files nobody is asked; without an answer the prompt fails.
    delegate.prompts.clear();
    EXPECT_FALSE(run(prototype, {}).syntaxError);
    EXPECT_TRUE(delegate.prompts.isEmpty());
    delegate.promptAnswer = QString();
    EXPECT_EQ(errorsOf(prototype), "- [prompt] cannot prompt for string\n");
}

TEST_F(AdvancedFunctionsTest, EveryWrongNumberOfValuesIsAClearError) {
    for (const QString &function : kFunctionNames) {
        for (int count = 0; count <= 7; ++count) {
            const AdvancedOutcome outcome =
                run(call(function, QStringList(count, "1")), {"a.txt", "b.txt"});
            if (outcome.errors.isEmpty()) continue;
            EXPECT_TRUE(outcome.errors.startsWith("- [")) << function.toStdString() << count;
            EXPECT_EQ(outcome.names, QStringList({"a.txt", "b.txt"}));
        }
    }
    EXPECT_EQ(errorsOf("[if \"1\" \"2\"]"),
              "- [if] requires three arguments: expression, return value, alternative return "
              "value\n");
    EXPECT_EQ(errorsOf("[findregex \"1\"]"),
              "- [findRegularExpression] requires three arguments: pattern, source, "
              "replacement\n");
    EXPECT_EQ(errorsOf("[sequence \"1\" \"1\" \"1\" \"1\" \"1\" \"1\" \"1\"]"),
              "- [sequence] takes six or fewer arguments: start value, increment, sleeping "
              "period, maximum value, minimum number of digits, group identifier\n");
}

// The list of errors is shown in the session's language; names never change with it.
TEST_F(AdvancedFunctionsTest, ErrorsSpeakTheSessionsLanguage) {
    const GermanTranslation german;
    ASSERT_TRUE(german.loaded());
    EXPECT_EQ(errorsOf("[trim]", "a.txt"), "- [trim] braucht ein Argument: Ausdruck\n");
    EXPECT_EQ(errorsOf("<no such thing>", "a.txt").left(22), "- unbekannte Variable:");
    EXPECT_EQ(named("[uppercase <name>]", "a.txt"), "A");
}
