#include "engine/ZKExtendedRegularExpression.h"

#include <memory>

#include "common/Log.h"
#include "engine/RegexReplacement.h"
#include "engine/ZKERETemplate.h"

namespace ZKExtendedRegularExpression {

namespace {

QString failureReason(UErrorCode status) {
    switch (status) {
        case U_INDEX_OUTOFBOUNDS_ERROR:
            return QStringLiteral("the template refers to a capture group beyond the last one");
        case U_REGEX_INVALID_CAPTURE_GROUP_NAME:
            return QStringLiteral("a \"$\" in the template names no capture group");
        default:
            return QStringLiteral("the template cannot be expanded");
    }
}

void logFailedExpansion(UErrorCode status, const QString &extendedTemplate) {
    Log::line(QStringLiteral("[ZKExtendedRegularExpression] ignoring regular expression "
                             "replacement exception: %1 (reason: %2) <= %3")
                  .arg(QString::fromLatin1(u_errorName(status)), failureReason(status),
                       QStringLiteral("stringByReplacingMatchesInString:withExtendedTemplate: ") +
                           extendedTemplate));
}

}  // namespace

QString stringByReplacingMatchesInString(const icu::RegexPattern &expression,
                                         const QString &subject, const QString &extendedTemplate,
                                         bool *failed) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(expression.matcher(status));
    if (U_FAILURE(status)) {
        if (failed) *failed = true;
        return subject;
    }
    return stringByReplacingMatchesInString(*matcher, subject, extendedTemplate, failed);
}

QString stringByReplacingMatchesInString(icu::RegexMatcher &matcher, const QString &subject,
                                         const QString &extendedTemplate, bool *failed) {
    const std::shared_ptr<const ZKERETemplate> parsed =
        ZKERETemplate::templateWithString(extendedTemplate);
    return RegexReplacement::replaceMatches(
        matcher, subject, parsed->stringWithPlaceholders(),
        [&](const RegexReplacement::Expansion &expansion) {
            if (!expansion.text) logFailedExpansion(expansion.status, extendedTemplate);
            return parsed->applyConversionsToString(expansion.text);
        },
        failed);
}

}  // namespace ZKExtendedRegularExpression
