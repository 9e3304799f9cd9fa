#pragma once

#include <QString>

#include "engine/AdvancedFunctions.h"

// The functions of the Advanced language, one per name; AdvancedFunctions selects them and
// checks the number of values first.
namespace AdvancedFunctionHandlers {

// Logic and arithmetic (AdvancedLogicFunctions.cpp).
QString addIntegers(const AdvancedFunctionCall &call);
QString concatenate(const AdvancedFunctionCall &call);
QString equal(const AdvancedFunctionCall &call);
QString logicalAnd(const AdvancedFunctionCall &call);
QString logicalOr(const AdvancedFunctionCall &call);
QString logicalNot(const AdvancedFunctionCall &call);
QString ifThenElse(const AdvancedFunctionCall &call);
QString increment(const AdvancedFunctionCall &call);
QString decrement(const AdvancedFunctionCall &call);
QString term(const AdvancedFunctionCall &call);

// Text (AdvancedTextFunctions.cpp).
QString lowercase(const AdvancedFunctionCall &call);
QString uppercase(const AdvancedFunctionCall &call);
QString titlecase(const AdvancedFunctionCall &call);
QString capitalize(const AdvancedFunctionCall &call);
QString trim(const AdvancedFunctionCall &call);
QString truncate(const AdvancedFunctionCall &call);
QString pad(const AdvancedFunctionCall &call);
QString remove(const AdvancedFunctionCall &call);
QString insert(const AdvancedFunctionCall &call);
QString random(const AdvancedFunctionCall &call);

// Finding and replacing (AdvancedReplacementFunctions.cpp).
QString find(const AdvancedFunctionCall &call);
QString findRegularExpression(const AdvancedFunctionCall &call);

// Values from the step, the list, the clock and the user (AdvancedContextFunctions.cpp).
QString letters(const AdvancedFunctionCall &call);
QString romanNumerals(const AdvancedFunctionCall &call);
QString sequence(const AdvancedFunctionCall &call);
QString prompt(const AdvancedFunctionCall &call);
QString now(const AdvancedFunctionCall &call);
QString created(const AdvancedFunctionCall &call);
QString modified(const AdvancedFunctionCall &call);

// The integer of a value: leading blanks skipped, an optional sign, the digits up to the
// first other character; 0 without digits.
qint64 integer(const QString &value);
// The longest value any function makes (in code units), and the most all arguments of one
// evaluation may hold together: beyond them a prototype fails rather than exhaust memory.
inline constexpr qsizetype kMaximumValueLength = qsizetype(1) << 20;
inline constexpr qsizetype kMaximumArgumentsLength = qsizetype(1) << 25;
QString valueTooLong();

}  // namespace AdvancedFunctionHandlers
