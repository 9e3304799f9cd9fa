#pragma once

#include <QString>
#include <QStringList>

// The terms list of a Sequence step, made from the text of its terms field.
namespace SequenceTerms {

// The text is trimmed at both ends and cut into lines. A single line, or any text when
// parseMultiLineAsCSV is set, is read as CSV records (separator ",", fields trimmed) and
// gives every field of every record in order; when that yields no record, a single line is
// cut at every "," (fields kept as they are) and several lines give one term each. Otherwise
// every line, blank ones included, is one term. An empty list becomes one empty term.
QStringList termsFromText(const QString &text, bool parseMultiLineAsCSV);

}  // namespace SequenceTerms
