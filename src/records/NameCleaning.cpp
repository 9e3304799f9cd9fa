#include "records/NameCleaning.h"

#include <algorithm>

namespace NameCleaning {

Result clean(const QString &name) {
    Result result{name, {}};
    // One pass for the common case of nothing to clean.
    if (std::none_of(name.cbegin(), name.cend(),
                     [](QChar c) { return c == u'\n' || c == u'\r' || c == u'\t' || c == u'/'; }))
        return result;
    QString &cleaned = result.name;

    const qsizetype lineBreaks = cleaned.count(u'\n') + cleaned.count(u'\r');
    if (lineBreaks > 0) {
        cleaned.remove(u'\n');
        cleaned.remove(u'\r');
        result.warnings << (lineBreaks == 1 ? kRemovedLineBreak : kRemovedLineBreaks);
    }
    if (cleaned.contains(u'\t')) {
        cleaned.replace(u'\t', u' ');
        result.warnings << kReplacedTab;
    }
    if (cleaned.contains(u'/')) {
        cleaned.replace(u'/', u':');
        result.warnings << kReplacedSlash;
    }
    return result;
}

QString cleanedFilename(const QString &name) { return clean(name).name; }

}  // namespace NameCleaning
