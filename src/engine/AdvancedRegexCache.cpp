#include "engine/AdvancedRegexCache.h"

#include "engine/FindAndReplace.h"

namespace {

constexpr qsizetype kMaximumPatterns = 256;

}  // namespace

const icu::RegexPattern *AdvancedRegexCache::pattern(const QString &pattern, bool ignoreCase,
                                                     bool freeSpacing) {
    const QString key = QString::number(int(ignoreCase) + 2 * int(freeSpacing)) + pattern;
    const auto found = patterns_.constFind(key);
    if (found != patterns_.constEnd()) return found->get();
    if (patterns_.size() >= kMaximumPatterns) patterns_.clear();
    std::shared_ptr<icu::RegexPattern> compiled =
        FindAndReplace::compilePattern(pattern, ignoreCase, freeSpacing);
    patterns_.insert(key, compiled);
    return compiled.get();
}
