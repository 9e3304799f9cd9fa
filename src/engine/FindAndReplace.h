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

// The compiled form of the latest pattern, kept while its text and flags stay the same:
// compiling costs far more than matching (ICU builds its character sets anew for every
// compilation), and a step's target is usually the same for every file of a list.
class PatternCache {
public:
    // The pattern compiled as compilePattern does; null when it is not valid.
    const icu::RegexPattern *pattern(const QString &pattern, bool ignoreCase, bool freeSpacing);
    // The text as a literal pattern matched by full case folding; null when ICU refuses it.
    const icu::RegexPattern *caseInsensitiveLiteral(const QString &text);
    // A matcher of the pattern answered last (non-null then), reset for each subject.
    icu::RegexMatcher &matcher() { return *matcher_; }

private:
    const icu::RegexPattern *compiled(const QString &pattern, uint32_t flags);

    bool filled_ = false;
    QString text_;
    uint32_t flags_ = 0;
    std::unique_ptr<icu::RegexPattern> compiled_;
    // Refers to compiled_; declared after it, so it is destroyed first.
    std::unique_ptr<icu::RegexMatcher> matcher_;
};

// Every occurrence of target in text replaced by replacement, left to right. With
// ignoreCase occurrences are found by full Unicode case folding ("STRASSE" finds "straße"),
// otherwise by exact code units. An empty target changes nothing. A cache, when given, keeps
// the compiled target for the next call.
QString replaceOccurrences(const QString &text, const QString &target, const QString &replacement,
                           bool ignoreCase, PatternCache *cache = nullptr);

}  // namespace FindAndReplace
