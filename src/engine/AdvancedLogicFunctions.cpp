// Logic and arithmetic of the Advanced language. Truth is "true" against the empty string;
// integers are 64-bit and wrap on overflow.

#include "engine/AdvancedEvaluation.h"
#include "engine/AdvancedFunctionHandlers.h"

namespace AdvancedFunctionHandlers {

namespace {

const QString kTrue = QStringLiteral("true");

QString truth(bool value) { return value ? kTrue : QString(); }

qint64 wrappingSum(qint64 a, qint64 b) { return qint64(quint64(a) + quint64(b)); }

qint64 secondIntegerOrOne(const QStringList &values) {
    return values.size() > 1 ? integer(values.at(1)) : 1;
}

}  // namespace

QString addIntegers(const AdvancedFunctionCall &call) {
    qint64 sum = 0;
    for (const QString &value : call.values) sum = wrappingSum(sum, integer(value));
    return QString::number(sum);
}

QString concatenate(const AdvancedFunctionCall &call) { return call.values.join(QString()); }

QString equal(const AdvancedFunctionCall &call) {
    return truth(call.values.at(0) == call.values.at(1));
}

QString logicalAnd(const AdvancedFunctionCall &call) {
    for (const QString &value : call.values) {
        if (value.isEmpty()) return QString();
    }
    return kTrue;
}

QString logicalOr(const AdvancedFunctionCall &call) {
    for (const QString &value : call.values) {
        if (!value.isEmpty()) return kTrue;
    }
    return QString();
}

QString logicalNot(const AdvancedFunctionCall &call) { return truth(call.values.at(0).isEmpty()); }

QString ifThenElse(const AdvancedFunctionCall &call) {
    return call.values.at(0).isEmpty() ? call.values.at(2) : call.values.at(1);
}

QString increment(const AdvancedFunctionCall &call) {
    return QString::number(
        wrappingSum(integer(call.values.at(0)), secondIntegerOrOne(call.values)));
}

QString decrement(const AdvancedFunctionCall &call) {
    const quint64 difference =
        quint64(integer(call.values.at(0))) - quint64(secondIntegerOrOne(call.values));
    return QString::number(qint64(difference));
}

QString term(const AdvancedFunctionCall &call) {
    const qint64 index = call.evaluation.index();
    const qint64 count = call.values.size();
    return call.values.at(((index % count) + count) % count);
}

}  // namespace AdvancedFunctionHandlers
