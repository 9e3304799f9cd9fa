#include "tokens/NumberFormatting.h"

#include <unicode/decimfmt.h>
#include <unicode/numfmt.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

#include "common/Log.h"
#include "common/Unicode.h"
#include "common/UserDefaults.h"
#include "tokens/EnvironmentLocale.h"

namespace NumberFormatting {

namespace {

constexpr quint64 kUnitBase = 1000;
const char *const kUnitTexts[] = {" Bytes", " KB", " MB", " GB", " TB", " PB", " EB", " ZB", " YB"};
constexpr int kUnitCount = int(std::size(kUnitTexts));
// Far beyond any sensible request, and well within what ICU accepts.
constexpr int kMaximumFractionDigits = 100;

// ---- The shared formatter ----

std::unique_ptr<icu::DecimalFormat> makeFormatter() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale =
        EnvironmentLocale::icuLocale(EnvironmentLocale::localeNameForCategory("LC_NUMERIC"));
    std::unique_ptr<icu::NumberFormat> made(
        icu::NumberFormat::createInstance(locale, UNUM_DECIMAL, status));
    auto *decimal = dynamic_cast<icu::DecimalFormat *>(made.get());
    if (U_FAILURE(status) || !decimal) {
        Log::line(QStringLiteral("[Numbers] cannot make a number formatter: %1")
                      .arg(QString::fromLatin1(u_errorName(status))));
        return nullptr;
    }
    made.release();
    std::unique_ptr<icu::DecimalFormat> formatter(decimal);
    const UserDefaults &defaults = UserDefaults::standardUserDefaults();
    formatter->setRoundingMode(icu::DecimalFormat::kRoundHalfUp);
    formatter->setGroupingUsed(!defaults.boolForKey(kDisableGroupingSeparatorKey));
    if (defaults.boolForKey(kLeaveUnlocalizedKey)) {
        icu::DecimalFormatSymbols symbols(*formatter->getDecimalFormatSymbols());
        symbols.setSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol, u".");
        symbols.setSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol, u",");
        formatter->setDecimalFormatSymbols(symbols);
    }
    return formatter;
}

std::unique_ptr<icu::DecimalFormat> &sharedFormatterSlot() {
    static std::unique_ptr<icu::DecimalFormat> formatter;
    return formatter;
}

icu::DecimalFormat *sharedFormatter() {
    std::unique_ptr<icu::DecimalFormat> &formatter = sharedFormatterSlot();
    if (!formatter) formatter = makeFormatter();
    return formatter.get();
}

// ---- Numbers ----

// An unsigned value beyond the signed range goes to ICU as decimal text, losing nothing.
std::optional<icu::Formattable> formattableUnsigned(quint64 value) {
    if (value <= quint64(std::numeric_limits<int64_t>::max()))
        return icu::Formattable(int64_t(value));
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray digits = QByteArray::number(value);
    icu::Formattable formattable(icu::StringPiece(digits.constData(), int32_t(digits.size())),
                                 status);
    if (U_FAILURE(status)) return std::nullopt;
    return formattable;
}

// Only numbers (and booleans, as 0 or 1) are formatted.
std::optional<icu::Formattable> formattable(const QVariant &number) {
    switch (number.typeId()) {
        case QMetaType::Bool:
            return icu::Formattable(int64_t(number.toBool() ? 1 : 0));
        case QMetaType::Int:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::SChar:
        case QMetaType::Char:
            return icu::Formattable(int64_t(number.toLongLong()));
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
        case QMetaType::UChar:
            return formattableUnsigned(number.toULongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return icu::Formattable(number.toDouble());
        default:
            return std::nullopt;
    }
}

// ---- File sizes ----

// k for the smallest power 1000^(k+1) above bytes; a power beyond 64 bits is above any count.
int unitIndex(quint64 bytes) {
    int index = 0;
    quint64 power = kUnitBase;
    while (power <= bytes) {
        ++index;
        if (__builtin_mul_overflow(power, kUnitBase, &power)) break;
    }
    return index;
}

quint64 unitDivisor(int index, quint64 bytes) {
    quint64 divisor = 1;
    for (int step = 0; step < index; ++step) {
        if (__builtin_mul_overflow(divisor, kUnitBase, &divisor)) {
            Log::line(QString::asprintf("illegal multiplier for bytes count: %llu",
                                        static_cast<unsigned long long>(bytes)));
            return 1;
        }
    }
    return divisor;
}

// The whole units and the rest apart, so that counts near 2^64 keep their leading digits.
double scaled(quint64 bytes, quint64 divisor) {
    return double(bytes / divisor) + double(bytes % divisor) / double(divisor);
}

int fractionDigitsForUnit(int index) { return index <= 2 ? 1 : index - 1; }

}  // namespace

QString durationStringWithSeconds(quint64 seconds, bool fixedWidth) {
    const unsigned long long hours = seconds / 3600;
    const unsigned long long minutes = seconds / 60 % 60;
    const unsigned long long rest = seconds % 60;
    if (fixedWidth) return QString::asprintf("%02llu'%02llu'%02llu", hours, minutes, rest);
    if (seconds < 60) return QString::asprintf("%01llu", rest);
    if (seconds < 3600) return QString::asprintf("%01llu'%02llu", minutes, rest);
    return QString::asprintf("%01llu'%02llu'%02llu", hours, minutes, rest);
}

QString fileSizeDescriptionWithBytesCount(quint64 bytes) {
    return partialFileSizeDescriptionWithBytesCount(bytes, 0);
}

QString partialFileSizeDescriptionWithBytesCount(quint64 bytes, quint64 overallBytes) {
    if (bytes == 0) return QStringLiteral("-");
    const int index = unitIndex(bytes);
    const QString number = stringWithDouble(scaled(bytes, unitDivisor(index, bytes)),
                                            fractionDigitsForUnit(index), true);
    if (overallBytes > 0 && unitIndex(overallBytes) == index) return number;
    if (index >= kUnitCount) return number;
    return number + QLatin1String(kUnitTexts[index]);
}

QString stringWithNumber(const QVariant &number, int numberOfFractionDigits, bool trim) {
    const std::optional<icu::Formattable> value = formattable(number);
    icu::DecimalFormat *formatter = sharedFormatter();
    if (!value || !formatter) return QString();
    const int digits = std::clamp(numberOfFractionDigits, 0, kMaximumFractionDigits);
    formatter->setMaximumFractionDigits(digits);
    formatter->setMinimumFractionDigits(trim ? 0 : digits);
    icu::UnicodeString text;
    icu::FieldPosition position;
    UErrorCode status = U_ZERO_ERROR;
    formatter->format(*value, text, position, status);
    return U_SUCCESS(status) ? Unicode::fromIcu(text) : QString();
}

QString stringWithDouble(double value, int numberOfFractionDigits, bool trim) {
    return stringWithNumber(QVariant(value), numberOfFractionDigits, trim);
}

QString stringWithInteger(qint64 value) { return stringWithNumber(QVariant(value), 0, true); }

QString stringWithUnsignedInteger(quint64 value) {
    return stringWithNumber(QVariant(value), 0, true);
}

void resetSharedFormatter() { sharedFormatterSlot().reset(); }

}  // namespace NumberFormatting
