#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/FindAndReplace.h"
#include "engine/ZKEREConversion.h"
#include "engine/ZKRenamer.h"
#include "support/FakeFileItem.h"

using S = RenamerSetting;
using namespace RenamerKeys;

class FindAndReplaceTest : public EngineTest {
protected:
    ZKRenamerPtr plain(const QString &target, const QString &replacement, QVariantMap more = {}) {
        more.insert(kTarget, target);
        more.insert(kReplacement, replacement);
        return stepWith(FindAndReplaceOperation, more);
    }
    ZKRenamerPtr regex(const QString &target, const QString &replacement, QVariantMap more = {}) {
        more.insert(kQueryIsRegEx, true);
        return plain(target, replacement, more);
    }
};

TEST_F(FindAndReplaceTest, PreserveExtensionsKeepsTheExtensionOutOfTheSearch) {
    EXPECT_EQ(renamed(*plain(".", "_"), "a.b.c.txt"), "a_b_c.txt");
    EXPECT_EQ(renamed(*plain(".", "_", {{kPreserveExtensions, false}}), "a.b.c.txt"), "a_b_c_txt");
}

TEST_F(FindAndReplaceTest, ColonsAreMatchedAsTheyAreOnDisk) {
    EXPECT_EQ(renamed(*plain(":", "h"), "12:30 notes.txt"), "12h30 notes.txt");
    EXPECT_EQ(renamed(*plain("/", "-"), "Q1:Q2.txt"), "Q1:Q2.txt");
    // A slash put in by the replacement reaches the record, whose cleaning makes it a colon.
    EXPECT_EQ(renamed(*plain("-", "/"), "a-b.txt"), "a/b.txt");
}

TEST_F(FindAndReplaceTest, IgnoreCaseDecidesPlainMatching) {
    EXPECT_EQ(renamed(*plain("A", "x", {{kIgnoreCase, false}}), "Aa.txt"), "xa.txt");
    EXPECT_EQ(renamed(*plain("A", "x"), "Aa.txt"), "xx.txt");
    // Full case folding: lengths may differ between the target and what it finds.
    EXPECT_EQ(renamed(*plain("STRASSE", "Weg"), "Hauptstraße 1.txt"), "HauptWeg 1.txt");
    EXPECT_EQ(renamed(*plain("ß", "ss", {{kIgnoreCase, false}}), "Maß.txt"), "Mass.txt");
    // Plain replacements are literal text.
    EXPECT_EQ(renamed(*plain("a", "$0\\"), "a.txt"), "$0\\.txt");
}

TEST_F(FindAndReplaceTest, DecomposedTargetFindsPrecomposedName) {
    const QString decomposed = QStringLiteral("cafe\u0301");
    EXPECT_EQ(renamed(*plain(decomposed, "bar"), QStringLiteral("caf\u00e9 menu.txt")),
              "bar menu.txt");
    EXPECT_EQ(renamed(*plain("menu", QStringLiteral("e\u0301")), "menu.txt"),
              QStringLiteral("\u00e9.txt"));
}

TEST_F(FindAndReplaceTest, InvalidPatternIsASyntaxErrorAndChangesNothing) {
    const ZKRenamerPtr step = regex("(", "x");
    FakeFileItem item("a(b.txt");
    bool syntaxError = false;
    step->processFileRepresentation(&item, 0, 1, &syntaxError);
    EXPECT_TRUE(syntaxError);
    EXPECT_EQ(step->targetStatus(), -1);
    EXPECT_EQ(item.interimNames(), QStringList{"a(b.txt"});
    // The flag is only ever set.
    const ZKRenamerPtr valid = regex("a", "b");
    valid->processFileRepresentation(&item, 0, 1, &syntaxError);
    EXPECT_TRUE(syntaxError);
}

TEST_F(FindAndReplaceTest, StatusIsKeptWithoutFiles) {
    bool syntaxError = false;
    const ZKRenamerPtr invalid = regex("[", "x");
    invalid->processFileRepresentation(nullptr, 0, 0, &syntaxError);
    EXPECT_TRUE(syntaxError);
    EXPECT_EQ(invalid->targetStatus(), -1);

    syntaxError = false;
    const ZKRenamerPtr empty = regex("", "x");
    empty->processFileRepresentation(nullptr, 0, 0, &syntaxError);
    EXPECT_EQ(empty->targetStatus(), 0);
    const ZKRenamerPtr usable = plain("(", "x");
    usable->processFileRepresentation(nullptr, 0, 0, &syntaxError);
    EXPECT_EQ(usable->targetStatus(), 1);
    EXPECT_FALSE(syntaxError);
}

TEST_F(FindAndReplaceTest, EmptyTargetLeavesTheNameButStoresIt) {
    FakeFileItem item("keep.txt");
    plain("", "x")->processFileRepresentation(&item, 0, 1, nullptr);
    EXPECT_EQ(item.interimNames(), QStringList{"keep.txt"});
}

TEST_F(FindAndReplaceTest, RegularExpressionsUseTemplatesAndOptions) {
    EXPECT_EQ(renamed(*regex("(\\d+)-(\\d+)", "$2-$1"), "IMG 12-34.jpg"), "IMG 34-12.jpg");
    EXPECT_EQ(renamed(*regex("img", "pic"), "IMG_1.jpg"), "pic_1.jpg");
    EXPECT_EQ(renamed(*regex("img", "pic", {{kIgnoreCase, false}}), "IMG_1.jpg"), "IMG_1.jpg");
    EXPECT_EQ(renamed(*regex("^", "x"), "a.txt"), "xa.txt");
    // A group beyond the last one expands to nothing.
    EXPECT_EQ(renamed(*regex("(a)", "$5"), "bab.txt"), "bb.txt");
}

TEST_F(FindAndReplaceTest, FreeSpacingComesFromTheDelegate) {
    const ZKRenamerPtr step = regex("a b", "x");
    EXPECT_EQ(renamed(*step, "ab a b.txt"), "ab x.txt");
    delegate.freeSpacing = true;
    EXPECT_EQ(renamed(*step, "ab a b.txt"), "x a b.txt");
    EXPECT_EQ(renamed(*regex("a b # a comment", "x"), "ab.txt"), "x.txt");
}

TEST_F(FindAndReplaceTest, ReplaceOccurrencesHandlesEdges) {
    using FindAndReplace::replaceOccurrences;
    EXPECT_EQ(replaceOccurrences("aaa", "", "x", true), "aaa");
    EXPECT_EQ(replaceOccurrences("aAa", "a", "", false), "A");
    EXPECT_EQ(
        replaceOccurrences(QStringLiteral("x\U0001F600y"), QStringLiteral("\U0001F600"), "-", true),
        "x-y");
}

TEST(PatternCacheTest, KeepsOnePatternUntilItsTextOrFlagsChange) {
    FindAndReplace::PatternCache cache;
    const icu::RegexPattern *first = cache.pattern("a+", false, false);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cache.pattern("a+", false, false), first);
    EXPECT_EQ(cache.pattern("b+", false, false)->pattern(), icu::UnicodeString(u"b+"));
    EXPECT_EQ(cache.pattern("b+", true, false)->flags(), uint32_t(UREGEX_CASE_INSENSITIVE));
    EXPECT_EQ(cache.caseInsensitiveLiteral("b+")->flags(),
              uint32_t(UREGEX_LITERAL | UREGEX_CASE_INSENSITIVE));
    EXPECT_EQ(cache.pattern("(", false, false), nullptr);
    EXPECT_NE(cache.pattern("b+", false, false), nullptr);
}

TEST_F(FindAndReplaceTest, AnEditedTargetIsCompiledAgain) {
    const ZKRenamerPtr step = regex("x", "-");
    EXPECT_EQ(renamed(*step, "axb.txt"), "a-b.txt");
    step->setTokenListValue(S::Target, QVariantList{QStringLiteral("b")}, true);
    EXPECT_EQ(renamed(*step, "axb.txt"), "ax-.txt");
}

TEST_F(FindAndReplaceTest, RegularExpressionTemplatesConvertCaseAndDates) {
    EXPECT_EQ(renamed(*regex("^(\\w)(\\w*)", "\\u$1\\L$2"), "mARS rover.jpg"), "Mars rover.jpg");
    EXPECT_EQ(renamed(*regex("(\\d\\d)\\.(\\d\\d)\\.(\\d{4})", "\\D(ddMMyyyy)>(yyyy-MM-dd)$1$2$3"),
                      "scan 05.01.2024.pdf"),
              "scan 2024-01-05.pdf");
    // The extension stays out of the conversion.
    EXPECT_EQ(renamed(*regex("(.+)", "\\U$1"), "a:b.txt"), "A:B.txt");
    if (ZKEREConversion::dateFormatterLocaleIdentifier().startsWith(QStringLiteral("en"))) {
        EXPECT_EQ(renamed(*regex("(\\d{4})(\\d{2})(\\d{2})_(\\w+)",
                                 "\\D(yyyyMMdd)>(d MMM yyyy)$1$2$3\\E - \\u$4"),
                          "20240105_holiday.jpg"),
                  "5 Jan 2024 - Holiday.jpg");
    }
}
