#include "common/ZKCSVParser.h"

#include <algorithm>

#include "common/Log.h"

namespace ZKCSVParser {

namespace {

constexpr QChar kQuote = u'"';

bool isLineBreak(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool isSpaceOrTab(QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; }

QString trimmed(const QString &part) {
    qsizetype start = 0;
    qsizetype end = part.size();
    while (start < end && isSpaceOrTab(part[start])) ++start;
    while (end > start && isSpaceOrTab(part[end - 1])) --end;
    return part.mid(start, end - start);
}

QStringList nonEmptyLines(const QString &skeleton) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= skeleton.size(); ++i) {
        if (i < skeleton.size() && !isLineBreak(skeleton[i])) continue;
        if (i > start) lines.append(skeleton.mid(start, i - start));
        start = i + 1;
    }
    return lines;
}

QStringList partsOfLine(const QString &line, const QString &separator) {
    if (separator.isEmpty()) return {line};
    return line.split(separator, Qt::KeepEmptyParts);
}

// The quoted fields lifted out of the text, taken in text order.
class FieldQueue {
public:
    explicit FieldQueue(QStringList fields) : fields_(std::move(fields)) {}
    bool isEmpty() const { return next_ >= fields_.size(); }
    QString takeFirst() { return fields_[next_++]; }

private:
    QStringList fields_;
    qsizetype next_ = 0;
};

// Puts the quoted fields back where their markers stand. The search goes on after each
// inserted field, so quotes inside a field are never taken for markers.
QString withQuotedFields(QString part, FieldQueue *quotedFields) {
    qsizetype from = 0;
    while (!quotedFields->isEmpty()) {
        const qsizetype marker = part.indexOf(kQuote, from);
        if (marker < 0) break;
        const QString field = quotedFields->takeFirst();
        part.replace(marker, 1, field);
        from = marker + field.size();
    }
    return part;
}

QString recordDescription(const QStringList &record) {
    return QLatin1Char('(') + record.join(QStringLiteral(", ")) + QLatin1Char(')');
}

// Phase 2: the skeleton's lines become records (or one flat record).
class RecordCollector {
public:
    RecordCollector(bool trimFields, bool separateRecords)
        : trimFields_(trimFields), separateRecords_(separateRecords) {
        if (!separateRecords_) records_.append(QStringList());
    }

    void addLine(const QString &line, const QString &separator, FieldQueue *quotedFields) {
        QStringList record;
        for (QString part : partsOfLine(line, separator)) {
            if (trimFields_) part = trimmed(part);
            if (!part.isEmpty()) {
                part = withQuotedFields(part, quotedFields);
                if (!separateRecords_) records_.first().append(part);
            }
            if (separateRecords_) record.append(part);
        }
        if (separateRecords_) keepRecord(record, line);
    }

    QList<QStringList> records() const { return records_; }

private:
    void keepRecord(const QStringList &record, const QString &rawLine) {
        if (!expectedCount_) expectedCount_ = record.size();
        if (record.size() == *expectedCount_) {
            records_.append(record);
            return;
        }
        Log::line(QStringLiteral("[ZKCSVParser] incorrect number of fields in record: %1 "
                                 "(expected: %2; raw line: %3)")
                      .arg(recordDescription(record), QString::number(*expectedCount_), rawLine));
    }

    const bool trimFields_;
    const bool separateRecords_;
    std::optional<qsizetype> expectedCount_;
    QList<QStringList> records_;
};

}  // namespace

std::optional<QList<QStringList>> Scanner::scanCSVWithFieldSeparator(const QString &separator,
                                                                     bool trimFields,
                                                                     bool separateRecords) {
    QString skeleton;
    QStringList quotedFields;
    if (!liftQuotedFields(&skeleton, &quotedFields)) return std::nullopt;
    FieldQueue queue(quotedFields);
    RecordCollector collector(trimFields, separateRecords);
    for (const QString &line : nonEmptyLines(skeleton)) collector.addLine(line, separator, &queue);
    return collector.records();
}

// Phase 1: the text outside quotes goes to the skeleton with one quote as the marker of each
// quoted field, whose content goes to the queue.
bool Scanner::liftQuotedFields(QString *skeleton, QStringList *quotedFields) {
    while (true) {
        skeleton->append(scanUpToQuote());
        if (isAtEnd()) return true;
        QString field;
        if (!scanQuotedField(&field)) return false;
        quotedFields->append(field);
        skeleton->append(kQuote);
    }
}

// Reads from an opening quote to past its closing quote; false when the text ends first.
bool Scanner::scanQuotedField(QString *field) {
    ++location_;
    QString taken = scanUpToQuote();
    if (isAtEnd()) return false;
    while (location_ + 1 < text_.size() && text_[location_ + 1] == kQuote) {
        field->append(taken);
        field->append(kQuote);
        location_ += 2;
        taken = scanUpToQuote();
        if (isAtEnd()) return false;
    }
    field->append(taken);
    ++location_;
    return true;
}

QString Scanner::scanUpToQuote() {
    qsizetype quote = text_.indexOf(kQuote, location_);
    if (quote < 0) quote = text_.size();
    const QString taken = text_.mid(location_, quote - location_);
    location_ = quote;
    return taken;
}

Scanner CSVScannerWithString(const QString &text) { return Scanner(text); }

std::optional<QList<QStringList>> scanCSVWithFieldSeparator(const QString &text,
                                                            const QString &separator,
                                                            bool trimFields, bool separateRecords) {
    return CSVScannerWithString(text).scanCSVWithFieldSeparator(separator, trimFields,
                                                                separateRecords);
}

std::optional<QList<QStringList>> recordsInString(const QString &text, const QString &separator) {
    if (text.isEmpty()) return std::nullopt;
    std::optional<QList<QStringList>> records =
        scanCSVWithFieldSeparator(text, separator, true, true);
    if (!records || records->isEmpty()) return std::nullopt;
    return records;
}

QString quotedField(const QString &field, const QString &separator) {
    if (field.isEmpty()) return QString();
    const bool needsQuotes = (!separator.isEmpty() && field.contains(separator)) ||
                             field.contains(kQuote) ||
                             std::any_of(field.begin(), field.end(), isLineBreak);
    if (!needsQuotes) return field;
    QString escaped = field;
    escaped.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + escaped + kQuote;
}

QString line(const QStringList &fields, const QString &separator) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields) quoted.append(quotedField(field, separator));
    return quoted.join(separator);
}

}  // namespace ZKCSVParser
