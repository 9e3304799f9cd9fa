#include <gtest/gtest.h>

#include "common/LogCapture.h"
#include "common/ZKCSVParser.h"
#include "support/QtPrinters.h"

TEST(ZKCSVWriterTest, PlainFieldsAreWrittenAsTheyAre) {
    EXPECT_EQ(ZKCSVParser::quotedField("plain"), "plain");
    EXPECT_EQ(ZKCSVParser::quotedField(" spaced out "), " spaced out ");
    EXPECT_EQ(ZKCSVParser::quotedField(""), "");
    EXPECT_EQ(ZKCSVParser::quotedField(QString()), "");
}

TEST(ZKCSVWriterTest, SeparatorQuoteOrLineBreakWrapsTheFieldInQuotes) {
    EXPECT_EQ(ZKCSVParser::quotedField("a,b"), "\"a,b\"");
    EXPECT_EQ(ZKCSVParser::quotedField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(ZKCSVParser::quotedField("\""), "\"\"\"\"");
    EXPECT_EQ(ZKCSVParser::quotedField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(ZKCSVParser::quotedField("cr\rhere"), "\"cr\rhere\"");
    EXPECT_EQ(ZKCSVParser::quotedField(QString::fromUtf16(u"line\u2028separator")),
              QString::fromUtf16(u"\"line\u2028separator\""));
}

TEST(ZKCSVWriterTest, OnlyTheGivenSeparatorCounts) {
    EXPECT_EQ(ZKCSVParser::quotedField("a,b", ";"), "a,b");
    EXPECT_EQ(ZKCSVParser::quotedField("a;b", ";"), "\"a;b\"");
    EXPECT_EQ(ZKCSVParser::quotedField("a::b", "::"), "\"a::b\"");
    EXPECT_EQ(ZKCSVParser::quotedField("a:b", "::"), "a:b");
}

TEST(ZKCSVWriterTest, LineJoinsQuotedFieldsKeepingEmptyOnes) {
    EXPECT_EQ(ZKCSVParser::line({"/home/ann/a,b.txt", "a,b.txt", ""}),
              "\"/home/ann/a,b.txt\",\"a,b.txt\",");
    EXPECT_EQ(ZKCSVParser::line({"/x/old.txt", "old.txt", "new.txt"}),
              "/x/old.txt,old.txt,new.txt");
    EXPECT_EQ(ZKCSVParser::line({}), "");
}

namespace {

using Records = QList<QStringList>;

std::optional<Records> trimmedRecords(const QString &text, const QString &separator = ",") {
    return ZKCSVParser::scanCSVWithFieldSeparator(text, separator, true, true);
}

}  // namespace

TEST(ZKCSVParserTest, FieldsAreCutAtTheSeparatorAndTrimmed) {
    EXPECT_EQ(trimmedRecords("red, green, blue"), (Records{{"red", "green", "blue"}}));
    EXPECT_EQ(trimmedRecords("\t a ,b\t"), (Records{{"a", "b"}}));
    EXPECT_EQ(trimmedRecords("a::b::c:d", "::"), (Records{{"a", "b", "c:d"}}));
    EXPECT_EQ(trimmedRecords("a,b", ""), (Records{{"a,b"}}));
    EXPECT_EQ(ZKCSVParser::scanCSVWithFieldSeparator(" a , b ", ",", false, true),
              (Records{{" a ", " b "}}));
}

TEST(ZKCSVParserTest, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
    EXPECT_EQ(trimmedRecords("\"a, b\",c"), (Records{{"a, b", "c"}}));
    EXPECT_EQ(trimmedRecords("\"say \"\"hi\"\"\""), (Records{{"say \"hi\""}}));
    EXPECT_EQ(trimmedRecords("\"one\ntwo\",x\ny,z"), (Records{{"one\ntwo", "x"}, {"y", "z"}}));
    EXPECT_EQ(trimmedRecords("\"\",x"), (Records{{"", "x"}}));
    EXPECT_EQ(trimmedRecords("\"a::b\"::c", "::"), (Records{{"a::b", "c"}}));
}

TEST(ZKCSVParserTest, TrimmingKeepsSpaceInsideQuotesAndTextAroundThem) {
    EXPECT_EQ(trimmedRecords("  \" x \" , y"), (Records{{" x ", "y"}}));
    EXPECT_EQ(ZKCSVParser::scanCSVWithFieldSeparator("  \" x \" ", ",", false, true),
              (Records{{"   x  "}}));
    EXPECT_EQ(trimmedRecords("ab\"cd\"ef"), (Records{{"abcdef"}}));
    // The second marker is searched for after the first field put back, whose quote is text.
    EXPECT_EQ(trimmedRecords("\"a\"\"b\" \"c\""), (Records{{"a\"b c"}}));
}

TEST(ZKCSVParserTest, AnUnclosedQuoteFailsTheWholeParse) {
    EXPECT_EQ(trimmedRecords("x,y\n\"abc"), std::nullopt);
    EXPECT_EQ(trimmedRecords("\"ab\"\"c"), std::nullopt);
    EXPECT_EQ(trimmedRecords("\"ab\"\""), std::nullopt);
    EXPECT_EQ(ZKCSVParser::scanCSVWithFieldSeparator("a,\"b", ",", false, false), std::nullopt);
    EXPECT_EQ(ZKCSVParser::recordsInString("\"abc", ","), std::nullopt);
}

TEST(ZKCSVParserTest, RecordsWithAnotherFieldCountAreDroppedAndLogged) {
    LogCapture log;
    EXPECT_EQ(trimmedRecords("a,b\nc"), (Records{{"a", "b"}}));
    EXPECT_EQ(log.lines(), QStringList{"[ZKCSVParser] incorrect number of fields in record: (c) "
                                       "(expected: 2; raw line: c)"});
    // Reading goes on after a dropped record, and its quoted field is not handed to the next.
    EXPECT_EQ(trimmedRecords("a,b\n\"x\"\n\"y\",z\nd,e,f"), (Records{{"a", "b"}, {"y", "z"}}));
    EXPECT_EQ(log.lines().size(), 3);
    EXPECT_EQ(log.lines()[1],
              "[ZKCSVParser] incorrect number of fields in record: (x) "
              "(expected: 2; raw line: \")");
}

TEST(ZKCSVParserTest, EmptyLinesAreSkippedAndEmptyFieldsKept) {
    LogCapture log;
    EXPECT_EQ(trimmedRecords("a,,c\r\n\r\n\n,d,\n"), (Records{{"a", "", "c"}, {"", "d", ""}}));
    EXPECT_EQ(trimmedRecords(QString::fromUtf16(u"a\u2028b\u0085c")),
              (Records{{"a"}, {"b"}, {"c"}}));
    EXPECT_EQ(trimmedRecords("\n\r\n"), Records{});
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(ZKCSVParserTest, WithoutSeparateRecordsOneRecordHoldsEveryNonEmptyField) {
    LogCapture log;
    EXPECT_EQ(ZKCSVParser::scanCSVWithFieldSeparator("a,,c\nd\n e ,\"\"", ",", true, false),
              (Records{{"a", "c", "d", "e", ""}}));
    EXPECT_EQ(ZKCSVParser::scanCSVWithFieldSeparator("", ",", true, false), (Records{{}}));
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(ZKCSVParserTest, TheRecordReaderGivesNothingForNoRecords) {
    EXPECT_EQ(ZKCSVParser::recordsInString("", ","), std::nullopt);
    EXPECT_EQ(ZKCSVParser::recordsInString("\n \n\t", ","), (Records{{""}, {""}}));
    EXPECT_EQ(ZKCSVParser::recordsInString("\n\n", ","), std::nullopt);
    EXPECT_EQ(ZKCSVParser::recordsInString(" red , \"green, blue\" ", ","),
              (Records{{"red", "green, blue"}}));
}

TEST(ZKCSVParserTest, AScannerReadsToTheEnd) {
    ZKCSVParser::Scanner scanner = ZKCSVParser::CSVScannerWithString("a,\"b\nc\"\nd,e");
    EXPECT_FALSE(scanner.isAtEnd());
    EXPECT_EQ(scanner.scanCSVWithFieldSeparator(",", true, true),
              (Records{{"a", "b\nc"}, {"d", "e"}}));
    EXPECT_TRUE(scanner.isAtEnd());
}

TEST(ZKCSVParserTest, WrittenLinesReadBackAsTheirFields) {
    const QList<QStringList> records = {
        {"a,b", "say \"hi\"", "two\nlines", " spaced ", ""},
        {"\"", "\"\"", ",", "x\r\ny", "plain"},
    };
    for (const QString &separator : {QStringLiteral(","), QStringLiteral(";;")}) {
        QStringList lines;
        for (const QStringList &record : records)
            lines.append(ZKCSVParser::line(record, separator));
        EXPECT_EQ(ZKCSVParser::scanCSVWithFieldSeparator(lines.join("\n"), separator, false, true),
                  records)
            << separator.toStdString();
    }
}
