#pragma once

#include <unicode/regex.h>

#include <QString>

// Replacing regular-expression matches with an ICU replacement template ("$1" for a capture
// group, a backslash taking the next character literally).
namespace RegexReplacement {

// The subject with every match, left to right, replaced by the template expanded for that
// match. A match whose expansion fails (a group number beyond the last group, a trailing
// backslash) is replaced by nothing.
QString replaceMatches(const icu::RegexPattern &pattern, const QString &subject,
                       const QString &replacementTemplate);

// A template that expands to the text itself.
QString literalTemplate(const QString &text);

}  // namespace RegexReplacement
