#include "engine/ArchiveValues.h"

#include "common/NumberConversion.h"

namespace ArchiveValues {

std::optional<qint64> int64Value(const QVariant &value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? 1 : 0;
        case QMetaType::Int:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::Char:
        case QMetaType::SChar:
            return value.toLongLong();
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
        case QMetaType::UChar:
            return static_cast<qint64>(value.toULongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return saturatedInt64(value.toDouble());
        default:
            return std::nullopt;
    }
}

namespace {

bool isNumber(const QVariant &value) { return int64Value(value).has_value(); }

bool isReal(const QVariant &value) {
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

bool isEqualNumber(const QVariant &a, const QVariant &b) {
    if (isReal(a) || isReal(b)) return a.toDouble() == b.toDouble();
    return *int64Value(a) == *int64Value(b);
}

bool isEqualList(const QVariantList &a, const QVariantList &b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!isEqual(a.at(i), b.at(i))) return false;
    }
    return true;
}

bool isEqualMap(const QVariantMap &a, const QVariantMap &b) {
    if (a.size() != b.size()) return false;
    for (auto it = a.constBegin(); it != a.constEnd(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.constEnd() || !isEqual(it.value(), other.value())) return false;
    }
    return true;
}

}  // namespace

bool isEqual(const QVariant &a, const QVariant &b) {
    if (isNumber(a) || isNumber(b)) return isNumber(a) && isNumber(b) && isEqualNumber(a, b);
    if (a.typeId() != b.typeId()) return false;
    switch (a.typeId()) {
        case QMetaType::QVariantList:
            return isEqualList(a.toList(), b.toList());
        case QMetaType::QVariantMap:
            return isEqualMap(a.toMap(), b.toMap());
        default:
            return a == b;
    }
}

std::optional<bool> boolValue(const QVariant &value) {
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        return value.toDouble() != 0.0;
    }
    const std::optional<qint64> integer = int64Value(value);
    if (!integer) return std::nullopt;
    return *integer != 0;
}

std::optional<qint32> int32Value(const QVariant &value) {
    const std::optional<qint64> integer = int64Value(value);
    if (!integer) return std::nullopt;
    return static_cast<qint32>(static_cast<quint32>(static_cast<quint64>(*integer) & 0xffffffffu));
}

bool boolValue(const QVariant &value, bool fallback) { return boolValue(value).value_or(fallback); }

qint32 int32Value(const QVariant &value, qint32 fallback) {
    return int32Value(value).value_or(fallback);
}

}  // namespace ArchiveValues
