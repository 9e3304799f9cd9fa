#include <gtest/gtest.h>

#include <QThread>
#include <vector>

#include "common/LogCapture.h"
#include "engine/ZKERETemplate.h"
#include "support/QtPrinters.h"

namespace {

const QString &P = ZKERETemplate::kPlaceholder;

struct Found {
    int type;
    qsizetype location;
    qsizetype length;
    bool operator==(const Found &) const = default;
};

void PrintTo(const Found &found, std::ostream *os) {
    *os << '{' << found.type << ", " << found.location << ", " << found.length << '}';
}

// Type and range of each conversion of a template (every backslash written doubled here).
std::vector<Found> found(const QString &templateString) {
    std::vector<Found> result;
    for (const auto &conversion : ZKEREConversion::conversionsInString(templateString))
        result.push_back(
            {conversion->type(), conversion->range().location, conversion->range().length});
    return result;
}

// The expansion of a template's placeholders by the given pieces, converted.
QString converted(const QString &templateString, const QStringList &pieces) {
    return ZKERETemplate(templateString).applyConversionsToString(pieces.join(P));
}

}  // namespace

TEST(ZKEREConversionTest, EachSequenceIsFoundWithItsTypeAndRange) {
    // Back to back, every other sequence lacks a character of its own in front.
    EXPECT_EQ(found("\\l\\L\\u\\U\\E"), (std::vector<Found>{{0, 0, 2}, {2, 4, 2}, {5, 8, 2}}));
    EXPECT_EQ(found("a\\lb\\Lc\\ud\\Ue\\E"),
              (std::vector<Found>{{0, 1, 2}, {1, 4, 2}, {2, 7, 2}, {3, 10, 2}, {5, 13, 2}}));
    EXPECT_EQ(found("$1\\E-\\u$2"), (std::vector<Found>{{5, 2, 2}, {2, 5, 2}}));
    EXPECT_EQ(found("\\D(dd.MM.yyyy)>(yyyy-MM-dd)$1"), (std::vector<Found>{{4, 0, 27}}));
    EXPECT_TRUE(found("\\x\\n\\d").empty());
    EXPECT_TRUE(found("no backslash $1").empty());
    EXPECT_TRUE(found("\\").empty());
    EXPECT_TRUE(found("").empty());
}

TEST(ZKEREConversionTest, OnlyAnOddRunOfBackslashesStartsASequence) {
    EXPECT_TRUE(found("\\\\u$1").empty());
    EXPECT_TRUE(found("a\\\\U").empty());
    EXPECT_EQ(found("\\\\\\U$1"), (std::vector<Found>{{3, 2, 2}}));
    EXPECT_EQ(found("x\\\\\\\\\\l"), (std::vector<Found>{{0, 5, 2}}));
}

TEST(ZKEREConversionTest, ASequenceDirectlyAfterAnotherIsTemplateText) {
    EXPECT_EQ(found("\\u\\L$1"), (std::vector<Found>{{2, 0, 2}}));
    EXPECT_EQ(found("$1\\U\\E"), (std::vector<Found>{{3, 2, 2}}));
    // A character in between makes both count.
    EXPECT_EQ(found("\\u-\\L$1"), (std::vector<Found>{{2, 0, 2}, {1, 3, 2}}));
}

TEST(ZKEREConversionTest, DateSequencesGiveTheirFormats) {
    const auto plain = ZKEREConversion::conversionsInString("\\D(yyyyMMdd)>(d MMM yyyy)$1");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0]->inputFormat(), "yyyyMMdd");
    EXPECT_EQ(plain[0]->outputFormat(), "d MMM yyyy");

    // Spaces around the parentheses and ">" are allowed; "\)" stands for ")".
    const auto spaced = ZKEREConversion::conversionsInString("\\D (dd\\)MM) >  ( 'x'yy\\) )$1");
    ASSERT_EQ(spaced.size(), 1u);
    EXPECT_EQ(spaced[0]->inputFormat(), "dd)MM");
    EXPECT_EQ(spaced[0]->outputFormat(), " 'x'yy) ");
    EXPECT_EQ(spaced[0]->range().length, 26);

    const auto twoDates =
        ZKEREConversion::conversionsInString("\\D(yy)>(yyyy)$1 (\\D(M)>(MMMM)$2)");
    ASSERT_EQ(twoDates.size(), 2u);
    EXPECT_EQ(twoDates[0]->outputFormat(), "yyyy");
    EXPECT_EQ(twoDates[1]->inputFormat(), "M");
    EXPECT_EQ(twoDates[1]->outputFormat(), "MMMM");

    EXPECT_TRUE(found("\\D()>(yy)").empty());
    EXPECT_TRUE(found("\\D(yy)(yy)").empty());
}

TEST(ZKEREConversionTest, DatesThatParseAsAWholeAreRewritten) {
    const auto conversions = ZKEREConversion::conversionsInString("\\D(dd.MM.yyyy)>(yyyy-MM-dd)");
    ASSERT_EQ(conversions.size(), 1u);
    const ZKEREConversion &date = *conversions[0];
    EXPECT_EQ(date.processDateString("05.01.2024"), "2024-01-05");
    EXPECT_EQ(date.processDateString("29.02.2024"), "2024-02-29");
    // Not lenient: no day 32, no 29 February in 2023, nothing left over, no other form.
    EXPECT_EQ(date.processDateString("32.01.2024"), "32.01.2024");
    EXPECT_EQ(date.processDateString("29.02.2023"), "29.02.2023");
    EXPECT_EQ(date.processDateString("05.01.2024 copy"), "05.01.2024 copy");
    EXPECT_EQ(date.processDateString("2024-01-05"), "2024-01-05");
    EXPECT_EQ(date.processDateString(""), "");

    // A sequence whose formats are missing leaves every text alone.
    const ZKEREConversion bare(ZKEREConversion::Date, {0, 2});
    EXPECT_EQ(bare.processDateString("05.01.2024"), "05.01.2024");
}

TEST(ZKEREConversionTest, TheFormatterLocaleFollowsTheFirstLanguageWithTheSameClock) {
    const auto dateFormatterLocaleIdentifier = [](const QStringList &languages,
                                                  const QString &current) {
        return ZKEREConversion::dateFormatterLocaleIdentifier(languages, current);
    };
    EXPECT_EQ(dateFormatterLocaleIdentifier({}, "de_DE"), "en_US_POSIX");
    EXPECT_EQ(dateFormatterLocaleIdentifier({"de-DE", "en"}, "de_AT"), "de-DE_POSIX");
    EXPECT_EQ(dateFormatterLocaleIdentifier({"en-GB"}, "de_DE"), "en-GB_POSIX");
    // A 24-hour language under a 12-hour locale, and the other way round.
    EXPECT_EQ(dateFormatterLocaleIdentifier({"de-DE"}, "en_US"), "en_US_POSIX");
    EXPECT_EQ(dateFormatterLocaleIdentifier({"en-US"}, "de_DE"), "en_US_POSIX");
    // No second "_POSIX"; the current locale itself is replaced.
    EXPECT_EQ(dateFormatterLocaleIdentifier({"fr_FR_POSIX"}, "de_DE"), "fr_FR_POSIX");
    EXPECT_EQ(dateFormatterLocaleIdentifier({"fr_FR"}, "fr_FR_POSIX"), "en_US_POSIX");
}

TEST(ZKERETemplateTest, SequencesBecomePlaceholdersInOrder) {
    EXPECT_EQ(ZKERETemplate("$2-$1").stringWithPlaceholders(), "$2-$1");
    EXPECT_TRUE(ZKERETemplate("$2-$1").conversions().empty());
    EXPECT_EQ(ZKERETemplate("\\D(yyyyMMdd)>(d MMM yyyy)$1$2$3\\E - \\u$4").stringWithPlaceholders(),
              P + "$1$2$3" + P + " - " + P + "$4");
    EXPECT_EQ(ZKERETemplate("\\u\\L$1").stringWithPlaceholders(), P + "\\L$1");
    EXPECT_EQ(ZKERETemplate("\\\\\\U$1").stringWithPlaceholders(), "\\\\" + P + "$1");
    EXPECT_EQ(ZKERETemplate("\\\\u$1").stringWithPlaceholders(), "\\\\u$1");
}

TEST(ZKERETemplateTest, PiecesAreConvertedByTheSequenceBeforeThem) {
    EXPECT_EQ(converted("a\\Ub\\Ec", {"x", "one", "Two"}), "xONETwo");
    EXPECT_EQ(converted("\\L$1\\E-$2", {"", "ABC", "-DEF"}), "abc-DEF");
    EXPECT_EQ(converted("\\l$1", {"", "ABC"}), "aBC");
    EXPECT_EQ(converted("\\u$1", {"", "élan vital"}), QStringLiteral("Élan vital"));
    EXPECT_EQ(converted("\\U$1", {"", "straße"}), "STRASSE");
    EXPECT_EQ(converted("\\u$1", {"", "ßx"}), "SSx");
    EXPECT_EQ(converted("\\u$1\\l$2", {"", "", ""}), "");
    // The first character is the first UTF-16 code unit; a pair split there stays whole.
    EXPECT_EQ(converted("\\u$1", {"", QStringLiteral("\U0001D41Ax")}),
              QStringLiteral("\U0001D41Ax"));
}

TEST(ZKERETemplateTest, MissingOrMismatchedExpansionsAreNotConverted) {
    LogCapture log;
    const ZKERETemplate upper("\\U$1");
    EXPECT_EQ(upper.applyConversionsToString(std::nullopt), "");
    EXPECT_EQ(ZKERETemplate("$1").applyConversionsToString(QString("as is")), "as is");
    EXPECT_TRUE(log.lines().isEmpty());

    const QString twoPlaceholders = P + "a" + P + "b";
    EXPECT_EQ(upper.applyConversionsToString(twoPlaceholders), twoPlaceholders);
    EXPECT_EQ(log.lines(),
              QStringList{"[ZKExtendedRegularExpression] case conversion inconsistency: 2 "
                          "fragments expected, 3 found: (\"\", \"a\", \"b\")"});
}

TEST(ZKERETemplateTest, TheCacheHoldsTemplatesUntilCleared) {
    ZKERETemplate::templateWithString(std::nullopt);
    const auto first = ZKERETemplate::templateWithString(QString("\\U$1"));
    EXPECT_EQ(ZKERETemplate::templateWithString(QString("\\U$1")), first);
    EXPECT_NE(ZKERETemplate::templateWithString(QString("\\u$1")), first);
    EXPECT_EQ(ZKERETemplate::templateWithString(std::nullopt), nullptr);
    const auto second = ZKERETemplate::templateWithString(QString("\\U$1"));
    EXPECT_NE(second, first);
    // A template handed out before the clearing stays usable.
    EXPECT_EQ(first->applyConversionsToString(P + "abc"), "ABC");
    EXPECT_EQ(ZKERETemplate::templateWithString(QString())->stringWithPlaceholders(), "");
}

TEST(ZKERETemplateTest, ThreadsShareCachedDateTemplates) {
    const QString text = "\\D(dd.MM.yyyy)>(yyyy-MM-dd)$1";
    std::vector<QStringList> results(4);
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t t = 0; t < results.size(); ++t) {
        threads.emplace_back(QThread::create([&, t] {
            for (int day = 1; day <= 28; ++day) {
                const auto parsed = ZKERETemplate::templateWithString(text);
                results[t].append(parsed->applyConversionsToString(
                    P + QStringLiteral("%1.02.2024").arg(day, 2, 10, QLatin1Char('0'))));
                if (day % 7 == 0 && t == 0) ZKERETemplate::templateWithString(std::nullopt);
            }
        }));
        threads.back()->start();
    }
    for (const auto &thread : threads) thread->wait();
    for (const QStringList &result : results) {
        ASSERT_EQ(result.size(), 28);
        EXPECT_EQ(result.first(), "2024-02-01");
        EXPECT_EQ(result.last(), "2024-02-28");
    }
}
