#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct AdvancedFunction;

// Where a value of a call comes from: an argument (a string constant or an earlier call's
// value) or a variable of the file.
struct AdvancedValueSource {
    enum class Kind { Argument, NameAndExtension, Name, Extension, DotExtension, Token };
    Kind kind = Kind::Argument;
    qsizetype argument = 0;  // Argument
    QString type;            // Token: the catalogue type
};

// One call of a prototype, reduced to its values and its function text.
struct AdvancedCall {
    // What becomes of the call's value: the next argument, the current name (a call that
    // leads the prototype works as a statement), or the evaluation's result.
    enum class Use { Argument, CurrentName, Result };

    QList<AdvancedValueSource> values;
    QString functionText;
    const AdvancedFunction *function = nullptr;  // none when no function name matched
    Use use = Use::Argument;
    // When not empty, the call cannot be evaluated: its messages are logged and the
    // evaluation fails at this point.
    QStringList errors;
};

// A prototype rewritten once into the calls that evaluating it for any file makes, in order.
// Rewriting moves string constants and the values of inner calls into the argument list and
// leaves placeholders in their place; none of that depends on the file, so a computation
// pass prepares it once and every file only runs the calls.
struct AdvancedProgram {
    // The string constants: the first arguments.
    QStringList constants;
    QList<AdvancedCall> calls;

    // From the trimmed, NFC prototype. Never fails: what cannot be evaluated becomes a call
    // with errors.
    static AdvancedProgram compile(const QString &prototype);
};

// "<argument N>", how an argument is written in a prototype.
QString advancedArgumentPlaceholder(qsizetype number);
