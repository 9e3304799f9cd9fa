#include "records/NameCleaning.h"

namespace NameCleaning {

Result clean(const QString &name) {
    Result result{name, {}};
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
