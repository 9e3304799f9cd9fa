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

uint32_t patternFlags(bool ignoreCase, bool freeSpacing) {
    uint32_t flags = 0;
    if (ignoreCase) flags |= UREGEX_CASE_INSENSITIVE;
    if (freeSpacing) flags |= UREGEX_COMMENTS;
    return flags;
}

constexpr uint32_t kCaseInsensitiveLiteral = UREGEX_LITERAL | UREGEX_CASE_INSENSITIVE;

}  // namespace

std::unique_ptr<icu::RegexPattern> compilePattern(const QString &pattern, bool ignoreCase,
                                                  bool freeSpacing) {
    return compile(pattern, patternFlags(ignoreCase, freeSpacing));
}

const icu::RegexPattern *PatternCache::pattern(const QString &pattern, bool ignoreCase,
                                               bool freeSpacing) {
    return compiled(pattern, patternFlags(ignoreCase, freeSpacing));
}

const icu::RegexPattern *PatternCache::caseInsensitiveLiteral(const QString &text) {
    return compiled(text, kCaseInsensitiveLiteral);
}

const icu::RegexPattern *PatternCache::compiled(const QString &pattern, uint32_t flags) {
    if (!filled_ || flags != flags_ || pattern != text_) {
        matcher_.reset();
        compiled_ = compile(pattern, flags);
        UErrorCode status = U_ZERO_ERROR;
        if (compiled_) matcher_.reset(compiled_->matcher(status));
        if (U_FAILURE(status) || !matcher_) {
            matcher_.reset();
            compiled_.reset();
        }
        text_ = pattern;
        flags_ = flags;
        filled_ = true;
    }
    return compiled_.get();
}

QString replaceOccurrences(const QString &text, const QString &target, const QString &replacement,
                           bool ignoreCase, PatternCache *cache) {
    if (target.isEmpty()) return text;
    if (!ignoreCase) return QString(text).replace(target, replacement, Qt::CaseSensitive);
    // ICU matches a literal pattern case-insensitively by full case folding, which Qt's
    // simple folding does not; the match ranges keep differing lengths right.
    PatternCache once;
    PatternCache &patterns = cache ? *cache : once;
    if (!patterns.caseInsensitiveLiteral(target))
        return QString(text).replace(target, replacement, Qt::CaseInsensitive);
    return RegexReplacement::replaceMatches(patterns.matcher(), text,
                                            RegexReplacement::literalTemplate(replacement));
}

}  // namespace FindAndReplace
