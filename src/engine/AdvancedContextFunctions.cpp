// Functions of the Advanced language whose values come from outside the call: the step's
// sequences, the clock, the file's dates and the user.

#include "common/CalendarFormat.h"
#include "engine/AdvancedEvaluation.h"
#include "engine/AdvancedFunctionHandlers.h"
#include "engine/AdvancedMessages.h"
#include "engine/RenamerSettings.h"
#include "engine/ZKRenamer.h"

namespace AdvancedFunctionHandlers {

namespace {

QString sequenceValue(const AdvancedFunctionCall &call, int type) {
    AdvancedEvaluation &evaluation = call.evaluation;
    bool failed = false;
    const QString value = evaluation.step().sequenceValueAtIndex(
        evaluation.index(), evaluation.file(), type, call.values, evaluation.count(), call.isLazy(),
        &failed);
    // The sequence has logged its own message.
    if (failed) evaluation.markFailed();
    return value;
}

QString dateDescription(const AdvancedFunctionCall &call, const QDateTime &date) {
    const qint64 offset = call.values.size() > 1 ? integer(call.values.at(1)) : 0;
    return CalendarFormat::descriptionWithCalendarFormat(date, call.values.at(0), offset);
}

}  // namespace

QString letters(const AdvancedFunctionCall &call) {
    return sequenceValue(call, UppercaseLetterSequence);
}

QString romanNumerals(const AdvancedFunctionCall &call) {
    return sequenceValue(call, UppercaseRomanSequence);
}

QString sequence(const AdvancedFunctionCall &call) { return sequenceValue(call, NumberSequence); }

QString prompt(const AdvancedFunctionCall &call) {
    AdvancedEvaluation &evaluation = call.evaluation;
    // The run on an empty list only looks for errors: nobody is asked.
    if (!evaluation.file()) return QString();
    const QString question = call.values.join(QLatin1Char('\n')).trimmed();
    const QString answer = evaluation.step().renamingDelegate()->promptedParameter(
        question, evaluation.preparation().prototype);
    if (answer.isNull())
        return call.fail(AdvancedMessages::tr("[prompt] cannot prompt for string"));
    return answer;
}

QString now(const AdvancedFunctionCall &call) {
    return dateDescription(call, call.evaluation.currentDate());
}

QString created(const AdvancedFunctionCall &call) {
    return dateDescription(call, call.evaluation.creationDate());
}

QString modified(const AdvancedFunctionCall &call) {
    return dateDescription(call, call.evaluation.modificationDate());
}

}  // namespace AdvancedFunctionHandlers
