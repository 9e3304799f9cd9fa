#pragma once

#include <QString>
#include <QStringList>

// Writing comma-separated values: the counterpart of the lenient CSV reader, for lines that
// other programs (spreadsheets, scripts) read back.
namespace Csv {

// The field as it must appear in a line: wrapped in double quotes, with every quote inside
// doubled, when it contains the separator, a double quote or a line break; otherwise as it
// is. An empty field gives "".
QString quotedField(const QString &field, const QString &separator = QStringLiteral(","));

// The fields, each quoted as above, joined by the separator.
QString line(const QStringList &fields, const QString &separator = QStringLiteral(","));

}  // namespace Csv
