#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "engine/AdvancedScanning.h"

// What the Advanced code editor completes and where its Tab key goes: variables after "<"
// and function templates after "[", never inside a string constant.
namespace AdvancedCompletion {

// The text to complete before the caret: from the "<" or "[" that starts it to the end of
// the word the caret ends. None inside a string constant, without a word, or when the
// bracket is 3 or more characters before the word.
std::optional<AdvancedScanning::Range> rangeForUserCompletion(const QString &text, qsizetype caret);

// Candidates for the partial text: lower-cased display names in angle brackets after "<"
// (sorted), function templates after "[" (in template order).
QStringList completions(const QString &partial);

// Where the caret goes after a completion was inserted: into its first empty pair of
// quotation marks; none when it has none.
std::optional<qsizetype> caretInsideFirstEmptyQuotes(const QString &completion);

// Where Tab moves the caret: into the next empty pair of quotation marks after it, when one
// comes before any newline, "[" or "]"; none otherwise (a tab is typed).
std::optional<qsizetype> tabTarget(const QString &text, qsizetype caret);

}  // namespace AdvancedCompletion
