#pragma once

#include <QString>
#include <QStringList>

class AdvancedEvaluation;

// One call of a function: its function text (which may hold option words), its values and
// the evaluation it belongs to.
struct AdvancedFunctionCall {
    const QString &functionText;
    const QStringList &values;
    AdvancedEvaluation &evaluation;

    // Whether the function text holds the option word.
    bool hasOption(const QString &word) const { return functionText.contains(word); }
    // The option "lazy", or a laziness indicator.
    bool isLazy() const;
    // Logs the message, fails the evaluation and answers "".
    QString fail(const QString &message) const;
};

// A function of the Advanced language.
struct AdvancedFunction {
    QString name;  // the lower-case prefix that selects it
    qsizetype minimumCount = 0;
    qsizetype maximumCount = -1;    // -1: no limit
    const char *countMessage = "";  // logged, translated, on a wrong number of values
    QString (*evaluate)(const AdvancedFunctionCall &call) = nullptr;
};

namespace AdvancedFunctions {

// The first function, in selection order, whose name the function text begins with; null
// when none does.
const AdvancedFunction *functionForText(const QString &functionText);

// The function's value, or, without a function, the single value (a bracketed lone value):
// failures are logged on the evaluation and answer "" (see AdvancedEvaluation).
QString evaluate(const AdvancedFunction *function, const QString &functionText,
                 const QStringList &values, AdvancedEvaluation &evaluation);

// The call templates the code editor offers for completion, in order.
const QStringList &functionTemplates();

}  // namespace AdvancedFunctions
