#include <gtest/gtest.h>

#include <limits>

#include "common/UserDefaults.h"
#include "support/QtPrinters.h"
#include "tokens/NumberFormatting.h"

using namespace NumberFormatting;

// Runs in a locale with grouping, so that the switches show; restores everything after.
class NumberFormattingTest : public testing::Test {
protected:
    void SetUp() override {
        savedLocale = qgetenv("LC_ALL");
        useLocale("en_US.UTF-8");
    }
    void TearDown() override {
        defaults().removeObjectForKey(kDisableGroupingSeparatorKey);
        defaults().removeObjectForKey(kLeaveUnlocalizedKey);
        if (savedLocale.isNull())
            qunsetenv("LC_ALL");
        else
            qputenv("LC_ALL", savedLocale);
        resetSharedFormatter();
    }

    static UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }
    static void useLocale(const char *locale) {
        qputenv("LC_ALL", locale);
        resetSharedFormatter();
    }

    QByteArray savedLocale;
};

TEST_F(NumberFormattingTest, Durations) {
    EXPECT_EQ(durationStringWithSeconds(3725, false), "1'02'05");
    EXPECT_EQ(durationStringWithSeconds(3725, true), "01'02'05");
    EXPECT_EQ(durationStringWithSeconds(59, false), "59");
    EXPECT_EQ(durationStringWithSeconds(61, false), "1'01");
    EXPECT_EQ(durationStringWithSeconds(3600, false), "1'00'00");
    EXPECT_EQ(durationStringWithSeconds(0, false), "0");
    EXPECT_EQ(durationStringWithSeconds(0, true), "00'00'00");
    EXPECT_EQ(durationStringWithSeconds(61, true), "00'01'01");
    EXPECT_EQ(durationStringWithSeconds(100 * 3600 + 1, true), "100'00'01");
}

TEST_F(NumberFormattingTest, FileSizesInPowersOfThousand) {
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(0), "-");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(1), "1 Bytes");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(999), "999 Bytes");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(1000), "1 KB");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(1500), "1.5 KB");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(1234567), "1.2 MB");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(2345678901), "2.35 GB");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(1234567890123), "1.235 TB");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(1000000000000000000), "1 EB");
    // Above 10^18 the next power no longer fits in 64 bits: still exabytes, not bytes.
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(std::numeric_limits<quint64>::max()),
              "18.44674 EB");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(std::numeric_limits<qint64>::max()), "9.22337 EB");
}

TEST_F(NumberFormattingTest, PartialSizesLeaveOutAUnitTheOverallSizeNames) {
    EXPECT_EQ(partialFileSizeDescriptionWithBytesCount(1500, 2500), "1.5");
    EXPECT_EQ(partialFileSizeDescriptionWithBytesCount(999, 5), "999");
    EXPECT_EQ(partialFileSizeDescriptionWithBytesCount(1500, 2000000), "1.5 KB");
    EXPECT_EQ(partialFileSizeDescriptionWithBytesCount(999, 1000), "999 Bytes");
    EXPECT_EQ(partialFileSizeDescriptionWithBytesCount(0, 2500), "-");
}

TEST_F(NumberFormattingTest, NumbersRoundHalfUpAndTrimOnRequest) {
    EXPECT_EQ(stringWithDouble(2.5, 0, true), "3");
    EXPECT_EQ(stringWithDouble(1.5, 0, true), "2");
    EXPECT_EQ(stringWithDouble(-2.5, 0, true), "-3");
    EXPECT_EQ(stringWithDouble(0.125, 2, true), "0.13");
    EXPECT_EQ(stringWithDouble(2.0, 2, true), "2");
    EXPECT_EQ(stringWithDouble(2.0, 2, false), "2.00");
    EXPECT_EQ(stringWithDouble(2.5, 2, true), "2.5");
    EXPECT_EQ(stringWithDouble(1234567.891, 2, false), "1,234,567.89");
    EXPECT_EQ(stringWithInteger(-1234567), "-1,234,567");
    EXPECT_EQ(stringWithUnsignedInteger(std::numeric_limits<quint64>::max()),
              "18,446,744,073,709,551,615");
    EXPECT_EQ(stringWithNumber(QVariant(true), 0, true), "1");
    EXPECT_EQ(stringWithNumber(QVariant(), 2, true), "");
    EXPECT_EQ(stringWithNumber(QVariant(QStringLiteral("12")), 0, true), "");
}

TEST_F(NumberFormattingTest, GroupingAndLocalisationSwitchesAreReadOnce) {
    useLocale("de_DE.UTF-8");
    EXPECT_EQ(stringWithDouble(1234.5, 1, false), "1.234,5");
    EXPECT_EQ(fileSizeDescriptionWithBytesCount(1500), "1,5 KB");

    defaults().setBool(true, kLeaveUnlocalizedKey);
    EXPECT_EQ(stringWithDouble(1234.5, 1, false), "1.234,5");  // the formatter is made already
    resetSharedFormatter();
    EXPECT_EQ(stringWithDouble(1234.5, 1, false), "1,234.5");

    defaults().setBool(true, kDisableGroupingSeparatorKey);
    resetSharedFormatter();
    EXPECT_EQ(stringWithDouble(1234.5, 1, false), "1234.5");
    EXPECT_EQ(stringWithUnsignedInteger(1234567), "1234567");
}
