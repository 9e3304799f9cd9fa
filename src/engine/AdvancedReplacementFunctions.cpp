// Finding and replacing in the Advanced language. Names are matched as the user sees them,
// where a stored colon shows as a slash: the source's colons become slashes first and every
// slash of the result becomes a colon.

#include "engine/AdvancedEvaluation.h"
#include "engine/AdvancedFunctionHandlers.h"
#include "engine/AdvancedMessages.h"
#include "engine/FindAndReplace.h"
#include "engine/ZKExtendedRegularExpression.h"
#include "engine/ZKRenamer.h"

namespace AdvancedFunctionHandlers {

namespace {

QString asShown(QString text) { return text.replace(QLatin1Char(':'), QLatin1Char('/')); }

QString asStored(QString text) { return text.replace(QLatin1Char('/'), QLatin1Char(':')); }

bool usesFreeSpacing(const AdvancedFunctionCall &call) {
    if (call.evaluation.step().renamingDelegate()->useFreeSpacingMode())
        return !call.hasOption(QStringLiteral("disable free-spacing"));
    return call.hasOption(QStringLiteral("enable free-spacing"));
}

// Whether replacing every exact occurrence keeps within the longest value.
bool fitsExactReplacement(const QString &source, const QString &target,
                          const QString &replacement) {
    const qint64 growth = qint64(replacement.size()) - target.size();
    if (growth <= 0) return true;
    const qint64 occurrences = source.count(target);
    return source.size() + occurrences * growth <= kMaximumValueLength;
}

}  // namespace

QString find(const AdvancedFunctionCall &call) {
    const QString &target = call.values.at(0);
    const QString &replacement = call.values.at(2);
    const QString source = asShown(call.values.at(1));
    const bool ignoreCase = call.hasOption(QStringLiteral("ignore case"));
    if (!ignoreCase && !target.isEmpty() && !fitsExactReplacement(source, target, replacement))
        return call.fail(valueTooLong());
    return asStored(FindAndReplace::replaceOccurrences(source, target, replacement, ignoreCase));
}

QString findRegularExpression(const AdvancedFunctionCall &call) {
    const QString &expression = call.values.at(0);
    const icu::RegexPattern *pattern = call.evaluation.preparation().regularExpressions.pattern(
        expression, call.hasOption(QStringLiteral("ignore case")), usesFreeSpacing(call));
    bool failed = pattern == nullptr;
    QString result;
    if (pattern) {
        result = ZKExtendedRegularExpression::stringByReplacingMatchesInString(
            *pattern, asShown(call.values.at(1)), call.values.at(2), &failed);
    }
    if (failed) {
        return call.fail(
            AdvancedMessages::tr("[findRegularExpression] bad regular expression: \"%1\"")
                .arg(expression));
    }
    return asStored(result);
}

}  // namespace AdvancedFunctionHandlers
