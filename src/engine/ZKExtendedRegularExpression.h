#pragma once

#include <unicode/regex.h>

#include <QString>

// Regular-expression replacement with an extended template: an ICU replacement template
// ("$1", "\$") that may also hold the case conversions "\l", "\L", "\u", "\U", "\E" and the
// date conversion "\D(input format)>(output format)" (see ZKERETemplate).
namespace ZKExtendedRegularExpression {

// The subject with every match of expression, left to right, replaced by the template
// expanded for that match and converted. A match whose expansion fails (a group number
// beyond the last group, a "$" naming no group) is replaced by nothing and logged
// ("[ZKExtendedRegularExpression] ignoring regular expression replacement exception: ...").
// An empty template replaces every match by nothing. Matching that times out or runs away
// sets *failed and gives the subject unchanged (see RegexReplacement).
QString stringByReplacingMatchesInString(const icu::RegexPattern &expression,
                                         const QString &subject, const QString &extendedTemplate,
                                         bool *failed = nullptr);
// The same with a matcher of the expression, reset to the subject (kept across subjects).
QString stringByReplacingMatchesInString(icu::RegexMatcher &matcher, const QString &subject,
                                         const QString &extendedTemplate, bool *failed = nullptr);

}  // namespace ZKExtendedRegularExpression
