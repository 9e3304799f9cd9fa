#include "engine/RegexSyntaxError.h"

#include <unicode/regex.h>
#include <unicode/utypes.h>

#include "common/Unicode.h"

namespace RegexSyntaxError {

namespace {

// Plain words for the errors people make while typing; the rest keep ICU's name.
QString describe(UErrorCode status) {
    switch (status) {
        case U_REGEX_MISMATCHED_PAREN:
            return QStringLiteral("Unbalanced parenthesis");
        case U_REGEX_MISSING_CLOSE_BRACKET:
            return QStringLiteral("Missing closing bracket");
        case U_REGEX_RULE_SYNTAX:
            return QStringLiteral("Syntax error");
        case U_REGEX_BAD_ESCAPE_SEQUENCE:
            return QStringLiteral("Unknown escape sequence");
        case U_REGEX_BAD_INTERVAL:
        case U_REGEX_MAX_LT_MIN:
            return QStringLiteral("Invalid repetition count in braces");
        case U_REGEX_INVALID_RANGE:
            return QStringLiteral("Invalid character range");
        case U_REGEX_PROPERTY_SYNTAX:
            return QStringLiteral("Invalid Unicode property");
        case U_REGEX_INVALID_FLAG:
            return QStringLiteral("Invalid flag");
        case U_REGEX_LOOK_BEHIND_LIMIT:
            return QStringLiteral("Look-behind pattern without a bounded length");
        default:
            return QString::fromLatin1(u_errorName(status));
    }
}

}  // namespace

QString message(const QString &pattern, bool ignoreCase, bool freeSpacing) {
    uint32_t flags = 0;
    if (ignoreCase) flags |= UREGEX_CASE_INSENSITIVE;
    if (freeSpacing) flags |= UREGEX_COMMENTS;
    UParseError parseError{};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexPattern> compiled(
        icu::RegexPattern::compile(Unicode::toIcu(pattern), flags, parseError, status));
    if (U_SUCCESS(status)) return QString();
    QString text = describe(status);
    // ICU reports the offset in the pattern, 0-based; an offset past the end means "at the end".
    if (parseError.offset >= 0)
        text += QStringLiteral(" at position %1").arg(parseError.offset + 1);
    return text;
}

}  // namespace RegexSyntaxError
