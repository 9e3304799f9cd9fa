#pragma once

#include <unicode/regex.h>

#include <QString>
#include <memory>

// The matching of the Find and Replace operation.
namespace FindAndReplace {

// Compiles a regular expression typed by the user, case-insensitive when ignoreCase,
// whitespace and "#" comments ignored when freeSpacing. Null when it is not valid.
std::unique_ptr<icu::RegexPattern> compilePattern(const QString &pattern, bool ignoreCase,
                                                  bool freeSpacing);

// Every occurrence of target in text replaced by replacement, left to right. With
// ignoreCase occurrences are found by full Unicode case folding ("STRASSE" finds "straße"),
// otherwise by exact code units. An empty target changes nothing.
QString replaceOccurrences(const QString &text, const QString &target, const QString &replacement,
                           bool ignoreCase);

}  // namespace FindAndReplace
