#pragma once

#include <QString>

// Why a regular expression typed by the user does not compile, for the Target field's
// status indicator.
namespace RegexSyntaxError {

// "" when the pattern compiles with these options (as Find and Replace compiles it);
// otherwise one line naming the problem and the 1-based position where ICU found it.
QString message(const QString &pattern, bool ignoreCase, bool freeSpacing);

}  // namespace RegexSyntaxError
