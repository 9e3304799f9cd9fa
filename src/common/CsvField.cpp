#include "common/CsvField.h"

namespace Csv {

namespace {

// Every character that ends a line for the reader, so none of them may stand bare in a field.
bool isLineBreak(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool needsQuotes(const QString &field, const QString &separator) {
    if (!separator.isEmpty() && field.contains(separator)) return true;
    for (const QChar c : field)
        if (c == u'"' || isLineBreak(c)) return true;
    return false;
}

}  // namespace

QString quotedField(const QString &field, const QString &separator) {
    if (field.isEmpty()) return QString();
    if (!needsQuotes(field, separator)) return field;
    QString escaped = field;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString line(const QStringList &fields, const QString &separator) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields) quoted.append(quotedField(field, separator));
    return quoted.join(separator);
}

}  // namespace Csv
