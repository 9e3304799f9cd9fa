#include "engine/SequenceTerms.h"

#include <QRegularExpression>

#include "common/ZKCSVParser.h"

namespace SequenceTerms {

namespace {

const QString kSeparator = QStringLiteral(",");

QStringList lines(const QString &text) {
    static const QRegularExpression lineBreak(QStringLiteral("[\\n\\r\\x{85}\\x{2028}\\x{2029}]"));
    return text.split(lineBreak);
}

QStringList fieldsOfRecords(const QList<QStringList> &records) {
    QStringList fields;
    for (const QStringList &record : records) fields += record;
    return fields;
}

}  // namespace

QStringList termsFromText(const QString &text, bool parseMultiLineAsCSV) {
    const QString trimmed = text.trimmed();
    const QStringList textLines = lines(trimmed);
    QStringList terms = textLines;
    if (textLines.size() == 1 || parseMultiLineAsCSV) {
        if (const auto records = ZKCSVParser::recordsInString(trimmed, kSeparator)) {
            terms = fieldsOfRecords(*records);
        } else if (textLines.size() == 1) {
            terms = trimmed.split(kSeparator);
        }
    }
    if (terms.isEmpty()) terms.append(QString());
    return terms;
}

}  // namespace SequenceTerms
