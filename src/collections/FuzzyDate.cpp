#include "collections/FuzzyDate.h"

#include <unicode/smpdtfmt.h>

#include <map>
#include <memory>

#include "common/Translations.h"
#include "common/Unicode.h"
#include "tokens/EnvironmentLocale.h"

namespace FuzzyDate {

TORVANE_NAMESPACE_TR(FuzzyDate)

namespace {

// Each pattern's formatter is made once per thread (formatters are not safe to share).
QString formatted(const QString &pattern, const QDateTime &date) {
    thread_local std::map<QString, std::unique_ptr<icu::SimpleDateFormat>> formatters;
    auto found = formatters.find(pattern);
    if (found == formatters.end()) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale locale =
            EnvironmentLocale::icuLocale(EnvironmentLocale::localeNameForCategory("LC_TIME"));
        auto formatter =
            std::make_unique<icu::SimpleDateFormat>(Unicode::toIcu(pattern), locale, status);
        if (U_FAILURE(status)) formatter.reset();
        found = formatters.emplace(pattern, std::move(formatter)).first;
    }
    if (!found->second) return QString();
    icu::UnicodeString text;
    found->second->format(UDate(date.toMSecsSinceEpoch()), text);
    return Unicode::fromIcu(text);
}

}  // namespace

QString fuzzyDescription(const QDateTime &date, const QDateTime &now) {
    const qint64 elapsed = date.secsTo(now);
    if (elapsed < 60) return tr("Just Now");
    if (elapsed < 120) return tr("1 Minute Ago");
    if (elapsed < 660) return tr("%1 Minutes Ago").arg(elapsed / 60);
    if (elapsed < 172800) {
        const int day = date.toLocalTime().date().day();
        const QDate today = now.toLocalTime().date();
        if (day == today.day()) return formatted(tr("'Today' - h:mm a"), date);
        if (day == today.addDays(-1).day()) return formatted(tr("'Yesterday' - h:mm a"), date);
    }
    return formatted(tr("MMMM d, yyyy - h:mm a"), date);
}

}  // namespace FuzzyDate
