#pragma once

#include <QString>
#include <optional>

// Scanning helpers of the Advanced language. All searches are literal (exact code units). A
// mark is escaped when a backslash directly precedes it; pairs of backslashes are replaced
// by a placeholder before any scanning, so that a pair escapes nothing.
namespace AdvancedScanning {

// Stands for an escaped backslash while a prototype is scanned.
inline const QString kBackslashPlaceholder =
    QStringLiteral("_com_quorlix_torvane_advanced_backslash_placeholder_");

// A range of code units; `end` is one past the last.
struct Range {
    qsizetype start = 0;
    qsizetype end = 0;
};

// Replaces every occurrence of target, then repeats the whole pass until one replaces
// nothing (so two spaces by one collapses any run of spaces).
void repeatedlyReplaceOccurrencesOfString(QString &text, const QString &target,
                                          const QString &replacement);

// The position of the first (or, backwards, the last) occurrence of target inside range that
// is not escaped; a match at the very start of the range counts whatever precedes it. -1 when
// there is none.
qsizetype rangeOfNonEscapedString(const QString &text, const QString &target, bool backwards,
                                  Range range);

// The first unescaped prefix at or after `from` and the first unescaped suffix after it: the
// range covers both marks, *result receives the text between them. None, without failure,
// when no prefix is left; none with *didFail set when the prefix has no suffix after it.
// Callers resume at the range's start after rewriting it, so a whole prototype is scanned
// once.
std::optional<Range> rangeOfFirstStringWithPrefix(const QString &text, const QString &prefix,
                                                  const QString &suffix, qsizetype from,
                                                  QString *result, bool *didFail);

// The number of quotation marks in the range; with countUnescapedQuotesOnly, backslash pairs
// count as one backslash and quotation marks a backslash escapes are left out.
qsizetype numberOfQuotesInRange(const QString &text, Range range, bool countUnescapedQuotesOnly);

}  // namespace AdvancedScanning
