#include <gtest/gtest.h>

#include "common/CsvField.h"

TEST(CsvFieldTest, PlainFieldsAreWrittenAsTheyAre) {
    EXPECT_EQ(Csv::quotedField("plain"), "plain");
    EXPECT_EQ(Csv::quotedField(" spaced out "), " spaced out ");
    EXPECT_EQ(Csv::quotedField(""), "");
    EXPECT_EQ(Csv::quotedField(QString()), "");
}

TEST(CsvFieldTest, SeparatorQuoteOrLineBreakWrapsTheFieldInQuotes) {
    EXPECT_EQ(Csv::quotedField("a,b"), "\"a,b\"");
    EXPECT_EQ(Csv::quotedField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(Csv::quotedField("\""), "\"\"\"\"");
    EXPECT_EQ(Csv::quotedField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(Csv::quotedField("cr\rhere"), "\"cr\rhere\"");
    EXPECT_EQ(Csv::quotedField(QString::fromUtf16(u"line\u2028separator")),
              QString::fromUtf16(u"\"line\u2028separator\""));
}

TEST(CsvFieldTest, OnlyTheGivenSeparatorCounts) {
    EXPECT_EQ(Csv::quotedField("a,b", ";"), "a,b");
    EXPECT_EQ(Csv::quotedField("a;b", ";"), "\"a;b\"");
    EXPECT_EQ(Csv::quotedField("a::b", "::"), "\"a::b\"");
    EXPECT_EQ(Csv::quotedField("a:b", "::"), "a:b");
}

TEST(CsvFieldTest, LineJoinsQuotedFieldsKeepingEmptyOnes) {
    EXPECT_EQ(Csv::line({"/home/ann/a,b.txt", "a,b.txt", ""}),
              "\"/home/ann/a,b.txt\",\"a,b.txt\",");
    EXPECT_EQ(Csv::line({"/x/old.txt", "old.txt", "new.txt"}), "/x/old.txt,old.txt,new.txt");
    EXPECT_EQ(Csv::line({}), "");
}
