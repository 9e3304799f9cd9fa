#include "tokens/DateDescription.h"

#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <QTimeZone>
#include <cstring>
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
        case 102: return FixedPattern{u"yyyy", timeFormat != 0, false};
        case 101: return FixedPattern{u"yyyy-MM", timeFormat != 0, false};
        case 100: return FixedPattern{u"yyyy-MM-dd", timeFormat != 0, false};
        default: break;
    }
    switch (timeFormat) {
        case 101: return FixedPattern{u"HH-mm", false, dateFormat != 0};
        case 100: return FixedPattern{u"HH-mm-ss", false, dateFormat != 0};
        default: return std::nullopt;
    }
}

// The zone QDateTime calls local, so that ICU shows the same wall clock as Qt; ICU's own
// default when it does not know that zone's name.
icu::TimeZone *localTimeZone() {
    const QByteArray id = QTimeZone::systemTimeZoneId();
    std::unique_ptr<icu::TimeZone> zone(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(id.constData())));
    if (zone && *zone != icu::TimeZone::getUnknown()) return zone.release();
    return icu::TimeZone::createDefault();
}

QString formatted(icu::DateFormat *formatter, UDate date) {
    if (!formatter) return QString();
    formatter->adoptTimeZone(localTimeZone());
    icu::UnicodeString text;
    formatter->format(date, text);
    return Unicode::fromIcu(text);
}

QString patternText(const char16_t *pattern, UDate date) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat formatter(icu::UnicodeString(pattern), icu::Locale(kFixedPatternLocale),
                                    status);
    return U_SUCCESS(status) ? formatted(&formatter, date) : QString();
}

// 1 short, 2 medium, 3 long, 4 full; anything else leaves the part out.
icu::DateFormat::EStyle icuStyle(qint64 style) {
    switch (style) {
        case 1: return icu::DateFormat::kShort;
        case 2: return icu::DateFormat::kMedium;
        case 3: return icu::DateFormat::kLong;
        case 4: return icu::DateFormat::kFull;
        default: return icu::DateFormat::kNone;
    }
}

icu::Locale styleLocale() {
    return EnvironmentLocale::icuLocale(
        styleLocaleIdentifier(EnvironmentLocale::firstPreferredLanguage(),
                              EnvironmentLocale::localeNameForCategory("LC_TIME")));
}

QString styleText(qint64 dateFormat, qint64 timeFormat, UDate date) {
    const icu::DateFormat::EStyle dateStyle = icuStyle(dateFormat);
    const icu::DateFormat::EStyle timeStyle = icuStyle(timeFormat);
    if (dateStyle == icu::DateFormat::kNone && timeStyle == icu::DateFormat::kNone)
        return QString();
    std::unique_ptr<icu::DateFormat> formatter(
        icu::DateFormat::createDateTimeInstance(dateStyle, timeStyle, styleLocale()));
    return formatted(formatter.get(), date);
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
    return descriptionWithDateStyle(date, settings.value(kDateFormatKey, kDefaultDateFormat).toLongLong(),
                                    settings.value(kTimeFormatKey, kDefaultTimeFormat).toLongLong(),
                                    0);
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
