#pragma once

#include <unicode/regex.h>

#include <QHash>
#include <QString>
#include <memory>

// Compiled regular expressions of the Advanced functions for one computation pass, so that a
// pattern every file shares is compiled once. Patterns that differ per file are compiled
// each time; the cache never holds more than a few hundred of them.
class AdvancedRegexCache {
public:
    // The compiled pattern, null when it is not a valid regular expression. Matching is
    // bounded in time (see RegexReplacement).
    const icu::RegexPattern *pattern(const QString &pattern, bool ignoreCase, bool freeSpacing);

private:
    QHash<QString, std::shared_ptr<icu::RegexPattern>> patterns_;
};
