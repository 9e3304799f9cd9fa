#pragma once

#include <unicode/regex.h>

#include <QString>
#include <functional>
#include <optional>

// Replacing regular-expression matches with an ICU replacement template: "$n" for capture
// group n (digits are taken while they still name a group, so "$12" with one group is group 1
// and "2"), "${name}" for a named group, a backslash taking the next character literally, and
// a trailing backslash dropped. A "$" naming no group fails the expansion.
namespace RegexReplacement {

// One match's expanded template, or why the expansion failed (then there is no text).
struct Expansion {
    std::optional<QString> text;
    UErrorCode status = U_ZERO_ERROR;
};

// Answers the text that replaces a match, given the template expanded for it.
using ExpansionHandler = std::function<QString(const Expansion &expansion)>;

// Matching is bounded: a match that takes longer than about a second (ICU's time limit, in
// steps of its match engine) or a result longer than this many code units fails the whole
// replacement.
inline constexpr int32_t kMatchTimeLimit = 1000;
inline constexpr qsizetype kMaximumResultLength = qsizetype(1) << 24;

// The subject with every match, left to right, replaced by what handler answers for the
// template expanded for that match. When matching fails (see above), *failed is set and the
// subject comes back unchanged.
QString replaceMatches(const icu::RegexPattern &pattern, const QString &subject,
                       const QString &replacementTemplate, const ExpansionHandler &handler,
                       bool *failed = nullptr);

// The same with a matcher of the pattern, reset to the subject: a matcher used for many
// subjects spares building one (and growing its backtracking stack) for each.
QString replaceMatches(icu::RegexMatcher &matcher, const QString &subject,
                       const QString &replacementTemplate, const ExpansionHandler &handler,
                       bool *failed = nullptr);

// The same with each expansion taken as it is; a failed one is replaced by nothing.
QString replaceMatches(const icu::RegexPattern &pattern, const QString &subject,
                       const QString &replacementTemplate);
QString replaceMatches(icu::RegexMatcher &matcher, const QString &subject,
                       const QString &replacementTemplate);

// A template that expands to the text itself.
QString literalTemplate(const QString &text);

}  // namespace RegexReplacement
