#include "engine/RegexReplacement.h"

#include <memory>

#include "common/Unicode.h"

namespace RegexReplacement {

namespace {

// The template expanded for the matcher's current match. appendReplacement first copies the
// subject text since the previous match (gap code units), which is cut off again here.
Expansion expansion(icu::RegexMatcher &matcher, const icu::UnicodeString &replacement,
                    int32_t gap) {
    icu::UnicodeString expanded;
    UErrorCode status = U_ZERO_ERROR;
    matcher.appendReplacement(expanded, replacement, status);
    if (U_FAILURE(status)) return {std::nullopt, status};
    return {Unicode::fromIcu(expanded.tempSubString(gap)), status};
}

}  // namespace

QString replaceMatches(const icu::RegexPattern &pattern, const QString &subject,
                       const QString &replacementTemplate, const ExpansionHandler &handler,
                       bool *failed) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(pattern.matcher(status));
    if (U_FAILURE(status)) {
        if (failed) *failed = true;
        return subject;
    }
    return replaceMatches(*matcher, subject, replacementTemplate, handler, failed);
}

QString replaceMatches(icu::RegexMatcher &matcher, const QString &subject,
                       const QString &replacementTemplate, const ExpansionHandler &handler,
                       bool *failed) {
    const icu::UnicodeString input = Unicode::toIcu(subject);
    const icu::UnicodeString replacement = Unicode::toIcu(replacementTemplate);
    UErrorCode status = U_ZERO_ERROR;
    matcher.reset(input);
    matcher.setTimeLimit(kMatchTimeLimit, status);
    if (U_FAILURE(status)) {
        if (failed) *failed = true;
        return subject;
    }
    icu::UnicodeString result;
    int32_t previousEnd = 0;
    while (matcher.find(status) && U_SUCCESS(status)) {
        const int32_t start = matcher.start(status);
        const int32_t end = matcher.end(status);
        if (U_FAILURE(status)) break;
        const int32_t gap = start - previousEnd;
        result.append(input, previousEnd, gap);
        result.append(Unicode::toIcu(handler(expansion(matcher, replacement, gap))));
        previousEnd = end;
        if (result.length() > kMaximumResultLength) status = U_BUFFER_OVERFLOW_ERROR;
    }
    // A time-out or a runaway result: no partial replacement.
    if (U_FAILURE(status)) {
        if (failed) *failed = true;
        return subject;
    }
    result.append(input, previousEnd, input.length() - previousEnd);
    return Unicode::fromIcu(result);
}

QString replaceMatches(const icu::RegexPattern &pattern, const QString &subject,
                       const QString &replacementTemplate) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(pattern.matcher(status));
    if (U_FAILURE(status)) return subject;
    return replaceMatches(*matcher, subject, replacementTemplate);
}

QString replaceMatches(icu::RegexMatcher &matcher, const QString &subject,
                       const QString &replacementTemplate) {
    return replaceMatches(matcher, subject, replacementTemplate, [](const Expansion &expansion) {
        return expansion.text.value_or(QString());
    });
}

QString literalTemplate(const QString &text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('$')) escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

}  // namespace RegexReplacement
