#include "engine/AdvancedFunctions.h"

#include <array>

#include "engine/AdvancedEvaluation.h"
#include "engine/AdvancedFunctionHandlers.h"
#include "engine/AdvancedMessages.h"
#include "engine/LazinessIndicator.h"
#include "engine/SequenceNotation.h"

namespace H = AdvancedFunctionHandlers;

namespace {

constexpr qsizetype kAny = -1;
// Both names of the regular-expression find share one message.
constexpr const char *kFindRegexMessage = QT_TRANSLATE_NOOP(
    "AdvancedMessages",
    "[findRegularExpression] requires three arguments: pattern, source, replacement");

AdvancedFunction function(const char *name, qsizetype minimum, qsizetype maximum,
                          const char *countMessage,
                          QString (*evaluate)(const AdvancedFunctionCall &)) {
    return {QString::fromLatin1(name), minimum, maximum, countMessage, evaluate};
}

// In selection order: the first name the function text begins with wins.
const std::array<AdvancedFunction, 30> &functions() {
    static const std::array<AdvancedFunction, 30> table{
        function("addintegers", 2, kAny,
                 QT_TRANSLATE_NOOP("AdvancedMessages",
                                   "[addintegers] requires at least two arguments: first integer, "
                                   "second integer, ..."),
                 H::addIntegers),
        function("concatenate", 0, kAny, "", H::concatenate),
        function("findregularexpression", 3, 3, kFindRegexMessage, H::findRegularExpression),
        function("findregex", 3, 3, kFindRegexMessage, H::findRegularExpression),
        function("find", 3, 3,
                 QT_TRANSLATE_NOOP("AdvancedMessages",
                                   "[find] requires three arguments: target, source, replacement"),
                 H::find),
        function("equal", 2, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[equal] requires two arguments: first expression, second expression"),
                 H::equal),
        function(
            "and", 2, kAny,
            QT_TRANSLATE_NOOP(
                "AdvancedMessages",
                "[and] requires at least two arguments: first expression, second expression, etc."),
            H::logicalAnd),
        function(
            "or", 2, kAny,
            QT_TRANSLATE_NOOP(
                "AdvancedMessages",
                "[or] requires at least two arguments: first expression, second expression, etc."),
            H::logicalOr),
        function("not", 1, 1,
                 QT_TRANSLATE_NOOP("AdvancedMessages", "[not] requires one argument: expression"),
                 H::logicalNot),
        function("if", 3, 3,
                 QT_TRANSLATE_NOOP("AdvancedMessages",
                                   "[if] requires three arguments: expression, return value, "
                                   "alternative return value"),
                 H::ifThenElse),
        function("increment", 1, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[increment] requires either one or two arguments: value to be incremented, "
                     "(optional: value to increment by)"),
                 H::increment),
        function("decrement", 1, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[decrement] requires either one or two arguments: value to be decremented, "
                     "(optional: value to decrement by)"),
                 H::decrement),
        function("letters", 0, 5,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[letters] takes five or fewer arguments: start value, increment, sleeping "
                     "period, maximum value, group identifier"),
                 H::letters),
        function(
            "romannumerals", 0, 5,
            QT_TRANSLATE_NOOP(
                "AdvancedMessages",
                "[romanNumerals] takes five or fewer arguments: start value, increment, sleeping "
                "period, maximum value, group identifier"),
            H::romanNumerals),
        function("sequence", 0, 6,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[sequence] takes six or fewer arguments: start value, increment, sleeping "
                     "period, maximum value, minimum number of digits, group identifier"),
                 H::sequence),
        function("term", 1, kAny,
                 QT_TRANSLATE_NOOP("AdvancedMessages", "[term] requires at least one term"),
                 H::term),
        function("prompt", 0, kAny, "", H::prompt),
        function(
            "lowercase", 1, 1,
            QT_TRANSLATE_NOOP("AdvancedMessages", "[lowercase] requires one argument: expression"),
            H::lowercase),
        function(
            "uppercase", 1, 1,
            QT_TRANSLATE_NOOP("AdvancedMessages", "[uppercase] requires one argument: expression"),
            H::uppercase),
        function("titlecase", 1, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[titlecase] requires either one or two arguments: expression, (optional: "
                     "cut-off)"),
                 H::titlecase),
        function(
            "capitalize", 1, 1,
            QT_TRANSLATE_NOOP("AdvancedMessages", "[capitalize] requires one argument: expression"),
            H::capitalize),
        function("trim", 1, 1,
                 QT_TRANSLATE_NOOP("AdvancedMessages", "[trim] requires one argument: expression"),
                 H::trim),
        function("truncate", 2, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[truncate] requires two arguments: source expression, maximum length"),
                 H::truncate),
        function(
            "pad", 3, 3,
            QT_TRANSLATE_NOOP(
                "AdvancedMessages",
                "[pad] requires three arguments: source expression, length, padding expression"),
            H::pad),
        function("now", 1, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[now] requires one argument: date formatting string (optional second "
                     "argument: offset in seconds)"),
                 H::now),
        function("created", 1, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[created] requires one argument: date formatting string (optional second "
                     "argument: offset in seconds)"),
                 H::created),
        function("modified", 1, 2,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[modified] requires one argument: date formatting string (optional second "
                     "argument: offset in seconds)"),
                 H::modified),
        function("random", 2, 2,
                 QT_TRANSLATE_NOOP("AdvancedMessages",
                                   "[random] requires two arguments: number of characters, pool"),
                 H::random),
        function(
            "remove", 3, 3,
            QT_TRANSLATE_NOOP("AdvancedMessages",
                              "[remove] requires three arguments: length, start index, expression"),
            H::remove),
        function("insert", 3, 3,
                 QT_TRANSLATE_NOOP(
                     "AdvancedMessages",
                     "[insert] requires three arguments: insertion, insertion point, expression"),
                 H::insert),
    };
    return table;
}

bool acceptsCount(const AdvancedFunction &function, qsizetype count) {
    if (count < function.minimumCount) return false;
    return function.maximumCount == kAny || count <= function.maximumCount;
}

qsizetype totalLength(const QStringList &values) {
    qsizetype total = 0;
    for (const QString &value : values) total += value.size();
    return total;
}

}  // namespace

namespace AdvancedFunctionHandlers {

qint64 integer(const QString &value) { return SequenceNotation::leadingInteger(value); }

QString valueTooLong() {
    return AdvancedMessages::tr("value too long: more than %1 characters").arg(kMaximumValueLength);
}

}  // namespace AdvancedFunctionHandlers

bool AdvancedFunctionCall::isLazy() const {
    return LazinessIndicator::containsLazinessIndicatorOrWord(functionText);
}

QString AdvancedFunctionCall::fail(const QString &message) const {
    evaluation.fail(message);
    return QString();
}

namespace AdvancedFunctions {

const AdvancedFunction *functionForText(const QString &functionText) {
    for (const AdvancedFunction &function : functions()) {
        if (functionText.startsWith(function.name)) return &function;
    }
    return nullptr;
}

QString evaluate(const AdvancedFunction *function, const QString &functionText,
                 const QStringList &values, AdvancedEvaluation &evaluation) {
    const AdvancedFunctionCall call{functionText, values, evaluation};
    if (!function) {
        if (values.size() == 1) return values.first();
        return call.fail(AdvancedMessages::cannotComprehend(functionText));
    }
    if (!acceptsCount(*function, values.size()))
        return call.fail(AdvancedMessages::tr(function->countMessage));
    if (totalLength(values) > H::kMaximumValueLength) return call.fail(H::valueTooLong());
    const QString result = function->evaluate(call);
    if (result.size() > H::kMaximumValueLength) return call.fail(H::valueTooLong());
    return result;
}

const QStringList &functionTemplates() {
    static const QStringList templates{
        "[addIntegers \"\", \"\", ...]",
        "[and \"\", \"\", ...]",
        "[capitalize \"\"]",
        "[concatenate \"\", \"\", ...]",
        "[created \"\"]",
        "[decrement \"\" by \"\"]",
        "[decrement \"\"]",
        "[equal \"\", \"\"]",
        "[find \"\" in \"\" and replace with \"\"]",
        "[findRegularExpression \"\" in \"\" and replace with \"\"]",
        "[if \"\" then \"\" else \"\"]",
        "[increment \"\" by \"\"]",
        "[increment \"\"]",
        "[insert \"\" at index \"\" of \"\"]",
        "[insert \"\" at index \"\" of \"\" (backwards)]",
        "[letters]",
        "[letters from \"\"]",
        "[letters from \"\", increment by \"\"]",
        "[letters from \"\", increment by \"\", sleep \"\", maximum index \"\", identifier \"\"]",
        "[lowercase \"\"]",
        "[modified \"\"]",
        "[not \"\"]",
        "[now \"\"]",
        "[or \"\", \"\", ...]",
        "[pad \"\" to \"\" characters with \"\"]",
        "[prompt \"\"]",
        "[random \"\" characters from \"\"]",
        "[remove \"\" characters at index \"\" from \"\"]",
        "[remove \"\" characters at index \"\" from \"\" (backwards)]",
        "[romanNumerals]",
        "[romanNumerals from \"\"]",
        "[romanNumerals from \"\", increment by \"\"]",
        "[romanNumerals from \"\", increment by \"\", sleep \"\", maximum index \"\", identifier "
        "\"\"]",
        "[sequence]",
        "[sequence from \"\"]",
        "[sequence from \"\", increment by \"\"]",
        "[sequence from \"\", increment by \"\", minimum number of digits \"\"]",
        "[sequence from \"\", increment by \"\", sleep \"\", maximum index \"\", minimum number "
        "of digits \"\", group identifier \"\"]",
        "[term \"\", ...]",
        "[titlecase \"\" with cut-off \"\"]",
        "[trim \"\"]",
        "[truncate \"\" to \"\" characters]",
        "[uppercase \"\"]",
    };
    return templates;
}

}  // namespace AdvancedFunctions
