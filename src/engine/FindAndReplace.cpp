#include "engine/FindAndReplace.h"

#include "common/Unicode.h"
#include "engine/RegexReplacement.h"

namespace FindAndReplace {

namespace {

std::unique_ptr<icu::RegexPattern> compile(const QString &pattern, uint32_t flags) {
    UParseError parseError;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexPattern> compiled(
        icu::RegexPattern::compile(Unicode::toIcu(pattern), flags, parseError, status));
    if (U_FAILURE(status)) return nullptr;
    return compiled;
}

}  // namespace

std::unique_ptr<icu::RegexPattern> compilePattern(const QString &pattern, bool ignoreCase,
                                                  bool freeSpacing) {
    uint32_t flags = 0;
    if (ignoreCase) flags |= UREGEX_CASE_INSENSITIVE;
    if (freeSpacing) flags |= UREGEX_COMMENTS;
    return compile(pattern, flags);
}

QString replaceOccurrences(const QString &text, const QString &target, const QString &replacement,
                           bool ignoreCase) {
    if (target.isEmpty()) return text;
    if (!ignoreCase) return QString(text).replace(target, replacement, Qt::CaseSensitive);
    // ICU matches a literal pattern case-insensitively by full case folding, which Qt's
    // simple folding does not; the match ranges keep differing lengths right.
    const std::unique_ptr<icu::RegexPattern> literal =
        compile(target, UREGEX_LITERAL | UREGEX_CASE_INSENSITIVE);
    if (!literal) return QString(text).replace(target, replacement, Qt::CaseInsensitive);
    return RegexReplacement::replaceMatches(*literal, text,
                                            RegexReplacement::literalTemplate(replacement));
}

}  // namespace FindAndReplace
