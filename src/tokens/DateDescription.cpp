#include "tokens/DateDescription.h"

#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "common/Unicode.h"
#include "tokens/EnvironmentLocale.h"

namespace DateDescription {

namespace {

constexpr qint64 kDefaultDateFormat = 100;
constexpr qint64 kDefaultTimeFormat = 0;
constexpr char kFixedPatternLocale[] = "en_US_POSIX";

struct FixedPattern {
    const char16_t *pattern;
    bool appendTime;
    bool prependDate;
};

std::optional<FixedPattern> fixedPattern(qint64 dateFormat, qint64 timeFormat) {
    switch (dateFormat) {
        case 102:
            return FixedPattern{u"yyyy", timeFormat != 0, false};
        case 101:
            return FixedPattern{u"yyyy-MM", timeFormat != 0, false};
        case 100:
            return FixedPattern{u"yyyy-MM-dd", timeFormat != 0, false};
        default:
            break;
    }
    switch (timeFormat) {
        case 101:
            return FixedPattern{u"HH-mm", false, dateFormat != 0};
        case 100:
            return FixedPattern{u"HH-mm-ss", false, dateFormat != 0};
        default:
            return std::nullopt;
    }
}

using FormatterMaker = std::function<std::unique_ptr<icu::DateFormat>()>;

// Making a formatter costs a hundred times more than using one, and every file of a list asks
// again. Each thread keeps its own: a formatter is not safe to share. Formatters show ICU's
// default time zone, which ICU takes from the system as Qt does for local time.
QString formattedWithCachedFormatter(const QString &key, UDate date, const FormatterMaker &make) {
    thread_local std::map<QString, std::unique_ptr<icu::DateFormat>> formatters;
    auto found = formatters.find(key);
    if (found == formatters.end()) found = formatters.emplace(key, make()).first;
    if (!found->second) return QString();
    icu::UnicodeString text;
    found->second->format(date, text);
    return Unicode::fromIcu(text);
}

QString patternText(const char16_t *pattern, UDate date) {
    return formattedWithCachedFormatter(QString::fromUtf16(pattern), date, [pattern] {
        UErrorCode status = U_ZERO_ERROR;
        auto formatter = std::make_unique<icu::SimpleDateFormat>(
            icu::UnicodeString(pattern), icu::Locale(kFixedPatternLocale), status);
        return U_SUCCESS(status) ? std::unique_ptr<icu::DateFormat>(std::move(formatter)) : nullptr;
    });
}

// 1 short, 2 medium, 3 long, 4 full; anything else leaves the part out.
icu::DateFormat::EStyle icuStyle(qint64 style) {
    switch (style) {
        case 1:
            return icu::DateFormat::kShort;
        case 2:
            return icu::DateFormat::kMedium;
        case 3:
            return icu::DateFormat::kLong;
        case 4:
            return icu::DateFormat::kFull;
        default:
            return icu::DateFormat::kNone;
    }
}

struct StyleLocaleChoice {
    QString preferredLanguage;
    QString currentLocale;
    QString identifier;
};

// The choice loads clock patterns of two locales; it is kept while the environment's names stay.
icu::Locale styleLocale() {
    static std::mutex mutex;
    static std::optional<StyleLocaleChoice> choice;
    const QString preferred = EnvironmentLocale::firstPreferredLanguage();
    const QString current = EnvironmentLocale::localeNameForCategory("LC_TIME");
    const std::lock_guard<std::mutex> lock(mutex);
    if (!choice || choice->preferredLanguage != preferred || choice->currentLocale != current)
        choice = StyleLocaleChoice{preferred, current, styleLocaleIdentifier(preferred, current)};
    return EnvironmentLocale::icuLocale(choice->identifier);
}

QString styleText(qint64 dateFormat, qint64 timeFormat, UDate date) {
    const icu::DateFormat::EStyle dateStyle = icuStyle(dateFormat);
    const icu::DateFormat::EStyle timeStyle = icuStyle(timeFormat);
    if (dateStyle == icu::DateFormat::kNone && timeStyle == icu::DateFormat::kNone)
        return QString();
    const icu::Locale locale = styleLocale();
    const QString key = QStringLiteral("%1 %2 %3")
                            .arg(dateStyle)
                            .arg(timeStyle)
                            .arg(QString::fromLatin1(locale.getName()));
    return formattedWithCachedFormatter(key, date, [=] {
        return std::unique_ptr<icu::DateFormat>(
            icu::DateFormat::createDateTimeInstance(dateStyle, timeStyle, locale));
    });
}

// A joined part that came out empty adds no blank.
QString joined(const QString &first, const QString &second) {
    if (first.isEmpty()) return second;
    if (second.isEmpty()) return first;
    return QStringLiteral("%1 %2").arg(first, second);
}

QString description(UDate date, qint64 dateFormat, qint64 timeFormat) {
    const std::optional<FixedPattern> fixed = fixedPattern(dateFormat, timeFormat);
    if (!fixed) return styleText(dateFormat, timeFormat, date);
    const QString text = patternText(fixed->pattern, date);
    if (fixed->appendTime) return joined(text, description(date, 0, timeFormat));
    if (fixed->prependDate) return joined(description(date, dateFormat, 0), text);
    return text;
}

bool usesTwelveHourClock(const icu::Locale &locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status)) return false;
    const icu::UnicodeString hourPattern = generator->getBestPattern(u"j", status);
    return U_SUCCESS(status) && hourPattern.indexOf(u'a') >= 0;
}

std::mutex canonicalDateMutex;
std::optional<QDateTime> canonicalDate;

}  // namespace

QDateTime resetCanonicalCurrentDate(bool reset) {
    const std::lock_guard<std::mutex> lock(canonicalDateMutex);
    if (reset) {
        canonicalDate.reset();
        return QDateTime();
    }
    if (!canonicalDate) canonicalDate = QDateTime::currentDateTime();
    return *canonicalDate;
}

QString descriptionWithSettings(const QDateTime &date, const QVariantMap &settings) {
    return descriptionWithDateStyle(
        date, settings.value(kDateFormatKey, kDefaultDateFormat).toLongLong(),
        settings.value(kTimeFormatKey, kDefaultTimeFormat).toLongLong(), 0);
}

QString descriptionWithDateStyle(const QDateTime &date, qint64 dateFormat, qint64 timeFormat,
                                 qint64 offset) {
    if (!date.isValid()) return QString();
    // In milliseconds as a real, so that no offset can overflow.
    const UDate moved = UDate(date.toMSecsSinceEpoch()) + UDate(offset) * 1000.0;
    return description(moved, dateFormat, timeFormat).replace(QLatin1Char(':'), QLatin1Char('\''));
}

QString styleLocaleIdentifier(const QString &preferredLanguage, const QString &currentLocale) {
    const icu::Locale current = EnvironmentLocale::icuLocale(currentLocale);
    if (preferredLanguage.isEmpty()) return QString::fromLatin1(current.getName());
    const icu::Locale preferred = EnvironmentLocale::icuLocale(preferredLanguage);
    const bool usePreferred = std::strcmp(preferred.getName(), current.getName()) != 0 &&
                              EnvironmentLocale::isAvailableInIcu(preferred) &&
                              usesTwelveHourClock(preferred) == usesTwelveHourClock(current);
    return QString::fromLatin1((usePreferred ? preferred : current).getName());
}

}  // namespace DateDescription
