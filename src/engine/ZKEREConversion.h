#pragma once

#include <unicode/smpdtfmt.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <vector>

// One case or date conversion sequence of an extended replacement template: "\l", "\L", "\u",
// "\U", "\E", or "\D(input format)>(output format)" with ICU date patterns (spaces allowed
// around the parentheses and the ">"; a ")" inside a format is written "\)").
class ZKEREConversion {
public:
    enum Type {
        LowercaseFirst = 0,  // "\l"
        Lowercase = 1,       // "\L"
        UppercaseFirst = 2,  // "\u"
        Uppercase = 3,       // "\U"
        Date = 4,            // "\D(...)>(...)"
        End = 5,             // "\E"
    };

    // Where the sequence stands in its template, from its backslash to its end (UTF-16).
    struct Range {
        qsizetype location = 0;
        qsizetype length = 0;
    };

    // The conversion sequences of a template, left to right; empty when there are none.
    // A sequence counts only behind an even number of backslashes (escaped backslashes are
    // no conversions), and it needs a character of its own in front: of two sequences
    // written back to back only the first is found, the second stays template text.
    static std::vector<std::unique_ptr<ZKEREConversion>> conversionsInString(
        const QString &templateString);

    // The locale a date conversion formats with: the first preferred language with
    // "_POSIX" appended when its clock (12 or 24 hours) is the current locale's, otherwise
    // "en_US_POSIX" (also with no preferred language, or when it names the current locale).
    static QString dateFormatterLocaleIdentifier(const QStringList &preferredLanguages,
                                                 const QString &currentLocaleIdentifier);
    // The same for the user's languages and locale, chosen once per process.
    static const QString &dateFormatterLocaleIdentifier();

    ZKEREConversion(Type type, Range range);
    ZKEREConversion(Range range, const QString &inputFormat, const QString &outputFormat);
    ZKEREConversion(const ZKEREConversion &) = delete;
    ZKEREConversion &operator=(const ZKEREConversion &) = delete;

    Type type() const { return type_; }
    Range range() const { return range_; }
    const QString &inputFormat() const { return inputFormat_; }
    const QString &outputFormat() const { return outputFormat_; }

    // The piece of an expanded replacement that follows this sequence, converted.
    QString convertedPiece(const QString &piece) const;

    // A date conversion: text read as a whole with the input format (not leniently, in
    // the local time zone) and written with the output format. Text that does not parse,
    // and any text when a format is missing, comes back unchanged.
    QString processDateString(const QString &text) const;

private:
    Type type_;
    Range range_;
    QString inputFormat_;
    QString outputFormat_;
    // The formatter switches between the two patterns on every use.
    std::unique_ptr<icu::SimpleDateFormat> dateFormatter_;
    mutable std::mutex dateFormatterLock_;
};
