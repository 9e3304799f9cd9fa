// Text functions of the Advanced language. Lengths and positions count UTF-16 code units;
// positions given by the user start at 1.

#include <algorithm>
#include <climits>

#include "common/TextCase.h"
#include "engine/AdvancedEvaluation.h"
#include "engine/AdvancedFunctionHandlers.h"
#include "engine/AdvancedMessages.h"
#include "tokens/RandomString.h"

namespace AdvancedFunctionHandlers {

namespace {

quint64 magnitude(qint64 value) { return value < 0 ? 0 - quint64(value) : quint64(value); }

// Z repeated often enough to give `length` code units around a text of `have` units.
QString filling(const QString &padding, qsizetype have, qsizetype length) {
    const qsizetype missing = length - have;
    return padding.repeated((missing + padding.size() - 1) / padding.size());
}

// Logs the message and fails the evaluation, but hands the text back unchanged.
QString failKeeping(const AdvancedFunctionCall &call, const QString &message, const QString &text) {
    call.evaluation.fail(message);
    return text;
}

}  // namespace

QString lowercase(const AdvancedFunctionCall &call) { return TextCase::lower(call.values.at(0)); }

QString uppercase(const AdvancedFunctionCall &call) { return TextCase::upper(call.values.at(0)); }

QString titlecase(const AdvancedFunctionCall &call) {
    const qint64 cutOff = call.values.size() > 1 ? integer(call.values.at(1)) : 0;
    return TextCase::titlecase(call.values.at(0), int(std::clamp<qint64>(cutOff, INT_MIN, INT_MAX)),
                               call.isLazy() ? 1 : 0);
}

QString capitalize(const AdvancedFunctionCall &call) {
    return TextCase::capitalized(call.values.at(0));
}

QString trim(const AdvancedFunctionCall &call) { return call.values.at(0).trimmed(); }

QString truncate(const AdvancedFunctionCall &call) {
    const QString &text = call.values.at(0);
    const qint64 length = integer(call.values.at(1));
    if (length == 0) return QString();
    if (quint64(text.size()) <= magnitude(length)) return text;
    return length > 0 ? text.first(length) : text.last(qsizetype(magnitude(length)));
}

QString pad(const AdvancedFunctionCall &call) {
    const QString &text = call.values.at(0);
    const QString &padding = call.values.at(2);
    if (padding.isEmpty())
        return call.fail(
            AdvancedMessages::tr("[pad] (padding expression) must not be an empty string"));
    const qint64 length = integer(call.values.at(1));
    if (length == 0) return QString();
    if (magnitude(length) > quint64(kMaximumValueLength)) return call.fail(valueTooLong());
    const qsizetype wanted = qsizetype(magnitude(length));
    if (length > 0) {
        if (text.size() >= wanted) return text.first(wanted);
        return (text + filling(padding, text.size(), wanted)).first(wanted);
    }
    if (text.size() >= wanted) return text.last(wanted);
    return (filling(padding, text.size(), wanted) + text).last(wanted);
}

QString remove(const AdvancedFunctionCall &call) {
    const QString &text = call.values.at(2);
    qint64 length = integer(call.values.at(0));
    if (length < 0)
        return failKeeping(call, AdvancedMessages::tr("[remove] (length) must be >= 0"), text);
    const qint64 start = integer(call.values.at(1));
    if (start <= 0)
        return failKeeping(call, AdvancedMessages::tr("[remove] (start index) must be > 0"), text);
    const qint64 size = text.size();
    if (length == 0 || start > size) return text;
    length = qMin(length, size - start + 1);
    const qint64 from =
        call.hasOption(QStringLiteral("backwards")) ? size - start - length + 1 : start - 1;
    return QString(text).remove(from, length);
}

QString insert(const AdvancedFunctionCall &call) {
    const QString &text = call.values.at(2);
    const qint64 position = integer(call.values.at(1));
    if (position <= 0)
        return failKeeping(call, AdvancedMessages::tr("[insert] (insertion point) must be > 0!"),
                           text);
    const qint64 size = text.size();
    if (position - 1 > size) return text;
    const qint64 at =
        call.hasOption(QStringLiteral("backwards")) ? size - position + 1 : position - 1;
    return QString(text).insert(at, call.values.at(0));
}

QString random(const AdvancedFunctionCall &call) {
    const qint64 length = qMax<qint64>(0, integer(call.values.at(0)));
    if (length > kMaximumValueLength) return call.fail(valueTooLong());
    return RandomString::randomStringOfLength(length, call.values.at(1));
}

}  // namespace AdvancedFunctionHandlers
