#include <gtest/gtest.h>

#include <QThread>

#include "support/QtPrinters.h"
#include "tokens/DateDescription.h"

using namespace DateDescription;

namespace {

const char *const kLocaleVariables[] = {"LC_ALL", "LC_TIME", "LC_MESSAGES", "LANG", "LANGUAGE"};

}  // namespace

class DateDescriptionTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char *variable : kLocaleVariables) {
            saved.append(qgetenv(variable));
            qunsetenv(variable);
        }
    }
    void TearDown() override {
        for (int index = 0; index < saved.size(); ++index) {
            if (saved.at(index).isNull())
                qunsetenv(kLocaleVariables[index]);
            else
                qputenv(kLocaleVariables[index], saved.at(index));
        }
        resetCanonicalCurrentDate(true);
    }

    const QDateTime date{QDate(2024, 5, 1), QTime(13, 45, 10)};
    QList<QByteArray> saved;
};

TEST_F(DateDescriptionTest, FixedPatternsAndTheirJoins) {
    EXPECT_EQ(descriptionWithSettings(date, {}), "2024-05-01");
    EXPECT_EQ(descriptionWithSettings(date, {{kTimeFormatKey, 100}}), "2024-05-01 13-45-10");
    EXPECT_EQ(descriptionWithSettings(date, {{kDateFormatKey, 102}, {kTimeFormatKey, 101}}),
              "2024 13-45");
    EXPECT_EQ(descriptionWithSettings(date, {{kDateFormatKey, 0}, {kTimeFormatKey, 100}}),
              "13-45-10");
    EXPECT_EQ(descriptionWithDateStyle(date, 100, 101, 0), "2024-05-01 13-45");
    EXPECT_EQ(descriptionWithDateStyle(date, 101, 0, 0), "2024-05");
    EXPECT_EQ(descriptionWithDateStyle(date, 0, 101, 0), "13-45");
    EXPECT_EQ(descriptionWithDateStyle(date, 0, 0, 0), "");
    EXPECT_EQ(descriptionWithDateStyle(QDateTime(), 100, 100, 0), "");
}

TEST_F(DateDescriptionTest, OffsetMovesTheDateBeforeFormatting) {
    EXPECT_EQ(descriptionWithDateStyle(date, 100, 100, 86400), "2024-05-02 13-45-10");
    EXPECT_EQ(descriptionWithDateStyle(date, 100, 100, -46), "2024-05-01 13-44-24");
    EXPECT_EQ(descriptionWithDateStyle(date, 102, 0, -49 * 86400), "2024");
    EXPECT_EQ(descriptionWithDateStyle(date, 101, 0, -31 * 86400), "2024-03");
}

TEST_F(DateDescriptionTest, PlatformStylesNeverShowColons) {
    qputenv("LC_ALL", "en_US.UTF-8");
    const QString shortTime = descriptionWithDateStyle(date, 0, 1, 0);
    EXPECT_TRUE(shortTime.startsWith("1'45")) << shortTime;
    EXPECT_TRUE(shortTime.endsWith("PM")) << shortTime;

    const QString mediumBoth = descriptionWithDateStyle(date, 2, 2, 0);
    EXPECT_TRUE(mediumBoth.contains("May 1, 2024")) << mediumBoth;
    EXPECT_TRUE(mediumBoth.contains("1'45'10")) << mediumBoth;
    EXPECT_FALSE(mediumBoth.contains(':')) << mediumBoth;

    // A fixed part joined with a platform style, in both orders.
    EXPECT_EQ(descriptionWithDateStyle(date, 1, 100, 0), "5/1/24 13-45-10");
    EXPECT_TRUE(descriptionWithDateStyle(date, 100, 1, 0).startsWith("2024-05-01 1'45"));

    qputenv("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(descriptionWithDateStyle(date, 0, 2, 0), "13'45'10");
    EXPECT_EQ(descriptionWithDateStyle(date, 4, 0, 0), "Mittwoch, 1. Mai 2024");
}

TEST_F(DateDescriptionTest, PreferredLanguageWinsOnlyWithTheSameClock) {
    EXPECT_EQ(styleLocaleIdentifier("de_DE", "en_GB"), "de_DE");
    EXPECT_EQ(styleLocaleIdentifier("en-GB", "fr_FR"), "en_GB");
    EXPECT_EQ(styleLocaleIdentifier("de_DE", "en_US"), "en_US");  // 24 against 12 hours
    EXPECT_EQ(styleLocaleIdentifier("xx_YY", "de_DE"), "de_DE");  // no data for it
    EXPECT_EQ(styleLocaleIdentifier("", "fr_FR"), "fr_FR");
    EXPECT_EQ(styleLocaleIdentifier("fr_FR", "fr_FR"), "fr_FR");

    // The region formats of Great Britain with German as the language of texts.
    qputenv("LC_ALL", "en_GB.UTF-8");
    qputenv("LANGUAGE", "de:en");
    EXPECT_EQ(descriptionWithDateStyle(date, 4, 0, 0), "Mittwoch, 1. Mai 2024");
    qputenv("LANGUAGE", "en_US");
    EXPECT_EQ(descriptionWithDateStyle(date, 4, 0, 0), "Wednesday, 1 May 2024");
}

TEST_F(DateDescriptionTest, CanonicalDateStaysUntilReset) {
    const QDateTime first = resetCanonicalCurrentDate(false);
    ASSERT_TRUE(first.isValid());
    QThread::msleep(20);
    EXPECT_EQ(resetCanonicalCurrentDate(false), first);

    EXPECT_FALSE(resetCanonicalCurrentDate(true).isValid());
    const QDateTime second = resetCanonicalCurrentDate(false);
    EXPECT_GT(second, first);
    EXPECT_EQ(resetCanonicalCurrentDate(false), second);
}
