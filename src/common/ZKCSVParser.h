#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A small, lenient reader and writer of comma-separated values. The quote character is the
// double quote; inside a quoted field a doubled quote stands for one quote. Quoted fields may
// hold separators and line breaks. Line breaks are U+000A to U+000D, U+0085, U+2028, U+2029.
namespace ZKCSVParser {

// The reader, in two phases: quoted fields are first lifted out of the text (a marker is left
// where each stood), then the rest is cut into lines and fields and the quoted fields are put
// back. A scanner reads its text from its current location to the end.
class Scanner {
public:
    explicit Scanner(const QString &text) : text_(text) {}

    // Reads the rest of the text.
    //
    // Lines are cut at every line break; empty lines are skipped. Each line is cut at every
    // occurrence of separator (an empty separator leaves the line whole). With trimFields,
    // spaces and tabs around each part are removed before quoted fields are put back, so
    // white space inside quotes stays and white space around them goes; text next to a
    // quoted field in the same part is kept ("ab" + quoted "cd" + "ef" gives "abcdef").
    //
    // With separateRecords: one record per line, empty fields included. The first record
    // fixes the field count; a later record with another count is dropped and logged
    // ("[ZKCSVParser] incorrect number of fields in record: ...") and reading goes on. The
    // list may be empty.
    //
    // Without separateRecords: exactly one record holding every non-empty field of every
    // line, in text order (possibly an empty record). A field given as a quoted empty string
    // counts as non-empty there, since it was written out.
    //
    // nullopt when a quoted field is not closed; nothing is returned for the rest then.
    std::optional<QList<QStringList>> scanCSVWithFieldSeparator(const QString &separator,
                                                                bool trimFields,
                                                                bool separateRecords);

    bool isAtEnd() const { return location_ >= text_.size(); }

private:
    bool liftQuotedFields(QString *skeleton, QStringList *quotedFields);
    bool scanQuotedField(QString *field);
    QString scanUpToQuote();

    QString text_;
    qsizetype location_ = 0;
};

// A scanner over text that skips no characters by itself.
Scanner CSVScannerWithString(const QString &text);

// The whole text read as Scanner::scanCSVWithFieldSeparator reads it.
std::optional<QList<QStringList>> scanCSVWithFieldSeparator(const QString &text,
                                                            const QString &separator,
                                                            bool trimFields, bool separateRecords);

// The record reader of term lists: the records of text with trimmed fields; nullopt when
// the text is empty, a quoted field is not closed, or no record is left.
std::optional<QList<QStringList>> recordsInString(const QString &text, const QString &separator);

// The field as it must appear in a line: wrapped in double quotes, with every quote inside
// doubled, when it contains the separator, a double quote or a line break; otherwise as it
// is. An empty field gives "".
QString quotedField(const QString &field, const QString &separator = QStringLiteral(","));

// The fields, each quoted as above, joined by the separator.
QString line(const QStringList &fields, const QString &separator = QStringLiteral(","));

}  // namespace ZKCSVParser
