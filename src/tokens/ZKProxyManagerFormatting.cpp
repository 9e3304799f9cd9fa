// Attribute values as token text: dates by the date settings, numbers by the size, bit-rate,
// duration and digit settings, everything else by its text.

#include <QDateTime>

#include "tokens/DateDescription.h"
#include "tokens/MetaDataAdditionFormat.h"
#include "tokens/NumberFormatting.h"
#include "tokens/ProxySettings.h"
#include "tokens/ZKFileItem.h"
#include "tokens/ZKMetaDataType.h"
#include "tokens/ZKProxyManager.h"

namespace {

const QString kDurationKey = QStringLiteral("kMDItemDurationSeconds");
const QString kTotalBitRateKey = QStringLiteral("kMDItemTotalBitRate");
const QString kBitRateSuffix = QStringLiteral("it/s");
// Zero padding beyond this is no name any file system takes.
constexpr qint64 kMaximumPadding = 255;

// A number of the attribute: an unsigned count, or a negative one kept with its sign.
struct AttributeNumber {
    quint64 magnitude = 0;
    bool negative = false;
};

bool isNumber(const QVariant &value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

// A text of digits alone, not starting with "0", that fits in 64 bits ("007" stays text).
std::optional<quint64> numberOfDigitText(const QString &text) {
    if (text.isEmpty() || text.startsWith(QLatin1Char('0'))) return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    bool ok = false;
    const quint64 number = text.toULongLong(&ok);
    return ok ? std::optional<quint64>(number) : std::nullopt;
}

// Fractions are cut to their integer part. A negative value keeps its sign: read as unsigned
// it would turn into a twenty-digit number.
std::optional<AttributeNumber> attributeNumber(const QVariant &value) {
    if (value.typeId() == QMetaType::QString) {
        const std::optional<quint64> number = numberOfDigitText(value.toString());
        if (!number) return std::nullopt;
        return AttributeNumber{*number, false};
    }
    if (!isNumber(value)) return std::nullopt;
    if (value.typeId() == QMetaType::Bool) return AttributeNumber{value.toBool() ? 1u : 0u, false};
    if (value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::ULong ||
        value.typeId() == QMetaType::UInt)
        return AttributeNumber{value.toULongLong(), false};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        const double real = value.toDouble();
        if (!(real > -1.8e19 && real < 1.8e19)) return AttributeNumber{0, false};
        if (real <= -1) return AttributeNumber{quint64(-real), true};
        return AttributeNumber{real < 0 ? 0u : quint64(real), false};
    }
    const qint64 integer = value.toLongLong();
    if (integer < 0) return AttributeNumber{quint64(0) - quint64(integer), true};
    return AttributeNumber{quint64(integer), false};
}

ZKMediaTiming mediaTiming(const MetaDataItem &item) {
    return ZKMediaTiming{item.copyAttribute(kDurationKey).toULongLong(),
                         item.copyAttribute(kTotalBitRateKey).toULongLong()};
}

QString paddedNumber(quint64 number, qint64 digits) {
    return QString::number(number).rightJustified(qBound<qint64>(0, digits, kMaximumPadding),
                                                  QLatin1Char('0'));
}

QString formattedNumber(quint64 n, const QString &type, const QVariantMap &settings,
                        ZKFileItem *file, const MetaDataItem *item) {
    const qint64 fileSizeFormat = settings.value(ProxySettings::kFileSizeFormatKey).toLongLong();
    if (ZKMetaDataType::canCustomizeBitRateFormatForType(type)) {
        ZKMediaTiming timing;
        if (item) timing = mediaTiming(*item);
        const quint64 multiplier =
            file ? file->bitRateMultiplierForMetaDataItem(item ? &timing : nullptr) : 1;
        if (fileSizeFormat == 1)
            return NumberFormatting::fileSizeDescriptionWithBytesCount(multiplier * n) +
                   kBitRateSuffix;
        return QString::number(multiplier * n);
    }
    if (fileSizeFormat == 1) return NumberFormatting::fileSizeDescriptionWithBytesCount(n);
    const qint64 durationFormat = settings.value(ProxySettings::kDurationFormatKey).toLongLong();
    if (durationFormat == 2) return NumberFormatting::durationStringWithSeconds(n, true);
    if (durationFormat == 1) return NumberFormatting::durationStringWithSeconds(n, false);
    if (settings.contains(ProxySettings::kNumberOfCharactersKey))
        return paddedNumber(n, settings.value(ProxySettings::kNumberOfCharactersKey).toLongLong());
    return QString::number(n);
}

std::optional<QString> piece(const QVariant &value, const QString &type,
                             const QVariantMap &settings, ZKFileItem *file,
                             const MetaDataItem *item) {
    if (value.typeId() == QMetaType::QDateTime)
        return DateDescription::descriptionWithSettings(value.toDateTime(), settings);
    if (const std::optional<AttributeNumber> number = attributeNumber(value)) {
        const QString text = formattedNumber(number->magnitude, type, settings, file, item);
        return number->negative ? QLatin1Char('-') + text : text;
    }
    if (value.canConvert<QString>()) return value.toString();
    return std::nullopt;
}

}  // namespace

std::optional<QString> ZKProxyManager::nilOrFormatAttributes(const QVariantList &values,
                                                             const QString &type,
                                                             const QVariantMap &settings,
                                                             ZKFileItem *file,
                                                             const MetaDataItem *item) {
    std::optional<QString> result;
    for (const QVariant &value : values) {
        const std::optional<QString> text = piece(value, type, settings, file, item);
        if (!text) continue;
        result = result ? MetaDataAdditionFormat::join(*result, *text) : *text;
    }
    return result;
}
