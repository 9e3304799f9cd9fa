#pragma once

#include <QString>

// The laziness indicator marks a sequence identifier whose groups of one file get no value.
namespace LazinessIndicator {

// U+1F6CC (sleeping accommodation), the one that is inserted.
inline const QString kIndicator = QStringLiteral("\U0001F6CC");
// U+1F6CF (bed), accepted as well.
inline const QString kBed = QStringLiteral("\U0001F6CF");

// Whether the text holds either indicator.
bool containsLazinessIndicator(const QString &text);
// The same, also accepting the word "lazy" in any case (the test of the Advanced language).
bool containsLazinessIndicatorOrWord(const QString &text);

}  // namespace LazinessIndicator
