#pragma once

#include <QString>

// Locale-independent case mapping. Upper and lower case are ICU's full mappings in the
// root locale, so "ß" upper-cases to "SS" and lengths may change.
namespace TextCase {

QString upper(const QString &string);
QString lower(const QString &string);

// Each word's first letter upper case, its other letters lower case; words by ICU's
// word-break rules (title casing in the root locale).
QString capitalized(const QString &string);

// Title case: runs of the separators " -/" are kept; a word is capitalised when it is the
// very first run or longer than cutOff; a shorter word is lower-cased when mode is 0 and
// left as it is otherwise.
QString titlecase(const QString &string, int cutOff, int mode);

// Case-insensitive comparison by full case folding; returns <0, 0 or >0.
int compareCaseInsensitive(const QString &a, const QString &b);

}  // namespace TextCase
