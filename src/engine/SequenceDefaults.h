#pragma once

#include <QString>

// User defaults the Sequence operation reads (both default off).
namespace SequenceDefaults {

// Every identifier counts as not lazy, so groups of one file are numbered too.
inline const QString kIgnoreLazySequenceIdentifier =
    QStringLiteral("Ignore Lazy Sequence Identifier");
// A terms text of several lines is read as CSV records instead of one term per line.
inline const QString kParseMultiLineAlternatingTermsAsCSV =
    QStringLiteral("Parse Multi-Line Alternating Terms As CSV");

}  // namespace SequenceDefaults
