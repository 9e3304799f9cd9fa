#include "common/PropertyListNodes.h"

#include <QDateTime>
#include <QVariantHash>
#include <QVariantList>
#include <QVariantMap>
#include <QtEndian>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "common/PropertyListNesting.h"

namespace PropertyListNodes {

namespace {

// Property-list dates count seconds from 2001-01-01T00:00:00Z.
constexpr qint64 kReferenceDateMSecs = 978307200000LL;
// Beyond this QDateTime cannot hold the date (about ±290 million years).
constexpr double kMaxDateSeconds = 9e15;

void setError(QString *error, const QString &message) {
    if (error && error->isEmpty()) *error = message;
}

// libplist 2.2 exchanges dates as 32-bit seconds plus microseconds, which cannot hold dates
// before 1933 or after 2069 and loses the sign of fractions. Its binary form holds the full
// double, so dates cross the library as a one-object binary property list.
constexpr int kHeaderSize = 8;
constexpr uchar kDateMarker = 0x33;

plist_t dateNode(double secondsSinceReference) {
    QByteArray binary("bplist00");
    binary.append(char(kDateMarker));
    quint64 bits = 0;
    std::memcpy(&bits, &secondsSinceReference, sizeof bits);
    char buffer[8];
    qToBigEndian(bits, buffer);
    binary.append(buffer, 8);
    const quint64 offsetTable = quint64(binary.size());
    binary.append(char(kHeaderSize));  // the offset table: the one object sits after the header
    binary.append(QByteArray(6, '\0'));
    binary.append(char(1));  // offset width
    binary.append(char(1));  // object reference width
    for (const quint64 field : {quint64(1), quint64(0), offsetTable}) {
        qToBigEndian(field, buffer);
        binary.append(buffer, 8);
    }
    plist_t node = nullptr;
    plist_from_bin(binary.constData(), uint32_t(binary.size()), &node);
    return node;
}

bool dateSeconds(plist_t node, double *seconds) {
    plist_t copy = plist_copy(node);
    char *binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(copy, &binary, &length);
    plist_free(copy);
    const bool ok =
        binary && length >= kHeaderSize + 9 && uchar(binary[kHeaderSize]) == kDateMarker;
    if (ok) {
        const quint64 bits = qFromBigEndian<quint64>(binary + kHeaderSize + 1);
        std::memcpy(seconds, &bits, sizeof bits);
    }
    if (binary) plist_to_bin_free(binary);
    return ok;
}

plist_t nodeFromDate(const QDateTime &date, QString *error) {
    if (!date.isValid()) {
        setError(error, QStringLiteral("an invalid date cannot be stored"));
        return nullptr;
    }
    const double seconds = double(date.toMSecsSinceEpoch() - kReferenceDateMSecs) / 1000.0;
    plist_t node = dateNode(seconds);
    if (!node)
        setError(error, QStringLiteral("cannot store the date %1").arg(date.toString(Qt::ISODate)));
    return node;
}

QVariant dateFromNode(plist_t node, QString *error) {
    double seconds = 0;
    if (!dateSeconds(node, &seconds) || !std::isfinite(seconds) ||
        std::fabs(seconds) > kMaxDateSeconds) {
        setError(error, QStringLiteral("a date is out of range"));
        return QVariant();
    }
    const qint64 msecs = kReferenceDateMSecs + qint64(std::llround(seconds * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

plist_t fromVariant(const QVariant &value, int depth, QString *error);

bool depthAllowsContainer(int depth, QString *error) {
    if (depth < PropertyListNesting::kMaxDepth) return true;
    setError(error, QStringLiteral("the value is nested too deeply"));
    return false;
}

plist_t nodeFromList(const QVariantList &items, int depth, QString *error) {
    if (!depthAllowsContainer(depth, error)) return nullptr;
    plist_t array = plist_new_array();
    for (const QVariant &item : items) {
        plist_t child = fromVariant(item, depth + 1, error);
        if (!child) {
            plist_free(array);
            return nullptr;
        }
        plist_array_append_item(array, child);
    }
    return array;
}

template <typename Map>
plist_t nodeFromMap(const Map &map, int depth, QString *error) {
    if (!depthAllowsContainer(depth, error)) return nullptr;
    plist_t dictionary = plist_new_dict();
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        // A NUL would cut the key short, and libplist could not read it back.
        if (it.key().contains(QChar(0))) {
            setError(error, QStringLiteral("a key holds a NUL character"));
            plist_free(dictionary);
            return nullptr;
        }
        plist_t child = fromVariant(it.value(), depth + 1, error);
        if (!child) {
            plist_free(dictionary);
            return nullptr;
        }
        plist_dict_set_item(dictionary, it.key().toUtf8().constData(), child);
    }
    return dictionary;
}

plist_t nodeFromString(const QString &string, QString *error) {
    // libplist keeps strings NUL-terminated: a NUL would silently cut the string short.
    if (string.contains(QChar(0))) {
        setError(error, QStringLiteral("a string holds a NUL character"));
        return nullptr;
    }
    return plist_new_string(string.toUtf8().constData());
}

plist_t nodeFromUnsigned(quint64 value, QString *error) {
    // libplist writes every integer as signed 64 bits: larger values would turn negative.
    if (value > quint64(std::numeric_limits<qint64>::max())) {
        setError(error, QStringLiteral("the integer %1 is too large").arg(value));
        return nullptr;
    }
    return plist_new_uint(value);
}

plist_t fromVariant(const QVariant &value, int depth, QString *error) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return plist_new_bool(value.toBool());
        case QMetaType::Int:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::Char:
        case QMetaType::SChar:
            // Negative integers are stored as their two's complement, as libplist reads them.
            return plist_new_uint(uint64_t(value.toLongLong()));
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
        case QMetaType::UChar:
            return nodeFromUnsigned(value.toULongLong(), error);
        case QMetaType::Double:
        case QMetaType::Float:
            return plist_new_real(value.toDouble());
        case QMetaType::QString:
            return nodeFromString(value.toString(), error);
        case QMetaType::QByteArray: {
            const QByteArray data = value.toByteArray();
            return plist_new_data(data.constData(), uint64_t(data.size()));
        }
        case QMetaType::QDateTime:
            return nodeFromDate(value.toDateTime(), error);
        case QMetaType::QVariantList:
        case QMetaType::QStringList:
            return nodeFromList(value.toList(), depth, error);
        case QMetaType::QVariantMap:
            return nodeFromMap(value.toMap(), depth, error);
        case QMetaType::QVariantHash:
            return nodeFromMap(value.toHash(), depth, error);
        default:
            setError(error,
                     value.isValid()
                         ? QStringLiteral("a value of type %1 cannot be stored in a property list")
                               .arg(QString::fromLatin1(value.typeName()))
                         : QStringLiteral("an empty value cannot be stored in a property list"));
            return nullptr;
    }
}

QVariant toVariant(plist_t node, QString *error);

QVariant listFromNode(plist_t node, QString *error) {
    QVariantList items;
    items.reserve(qsizetype(plist_array_get_size(node)));
    plist_array_iter iterator = nullptr;
    plist_array_new_iter(node, &iterator);
    plist_t item = nullptr;
    bool ok = true;
    // The iterator walks the array once; indexed access would be quadratic.
    for (plist_array_next_item(node, iterator, &item); item && ok;
         plist_array_next_item(node, iterator, &item)) {
        QVariant value = toVariant(item, error);
        ok = value.isValid();
        items.append(std::move(value));
    }
    std::free(iterator);
    return ok ? QVariant(items) : QVariant();
}

QVariant mapFromNode(plist_t node, QString *error) {
    QVariantMap map;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(node, &iterator);
    char *key = nullptr;
    plist_t item = nullptr;
    bool ok = true;
    for (plist_dict_next_item(node, iterator, &key, &item); item && ok;
         plist_dict_next_item(node, iterator, &key, &item)) {
        QVariant value = toVariant(item, error);
        ok = value.isValid();
        if (ok) map.insert(QString::fromUtf8(key ? key : ""), std::move(value));
        std::free(key);
        key = nullptr;
    }
    std::free(key);
    std::free(iterator);
    return ok ? QVariant(map) : QVariant();
}

QVariant toVariant(plist_t node, QString *error) {
    switch (plist_get_node_type(node)) {
        case PLIST_BOOLEAN: {
            uint8_t value = 0;
            plist_get_bool_val(node, &value);
            return QVariant(value != 0);
        }
        case PLIST_UINT: {
            // libplist holds every integer as 64 unsigned bits; negative ones are two's complement.
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return QVariant(qint64(value));
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            return QVariant(value);
        }
        case PLIST_STRING:
        case PLIST_KEY: {
            uint64_t length = 0;
            const char *text = plist_get_string_ptr(node, &length);
            return QVariant(QString::fromUtf8(text ? text : "", qsizetype(length)));
        }
        case PLIST_DATA: {
            uint64_t length = 0;
            const char *bytes = plist_get_data_ptr(node, &length);
            return QVariant(QByteArray(bytes ? bytes : "", qsizetype(bytes ? length : 0)));
        }
        case PLIST_DATE:
            return dateFromNode(node, error);
        case PLIST_ARRAY:
            return listFromNode(node, error);
        case PLIST_DICT:
            return mapFromNode(node, error);
        case PLIST_UID: {
            // Keyed-archive references, shown the way the XML form of other tools spells them.
            uint64_t value = 0;
            plist_get_uid_val(node, &value);
            return QVariantMap{{QStringLiteral("CF$UID"), qint64(value)}};
        }
        default:
            setError(error, QStringLiteral("an element of unknown type"));
            return QVariant();
    }
}

}  // namespace

plist_t nodeFromVariant(const QVariant &value, QString *error) {
    return fromVariant(value, 0, error);
}

QVariant variantFromNode(plist_t node, QString *error) {
    QString reason;
    QVariant value = node ? toVariant(node, &reason) : QVariant();
    if (!node) reason = QStringLiteral("no property list");
    if (!reason.isEmpty()) {
        if (error) *error = reason;
        return QVariant();
    }
    return value;
}

}  // namespace PropertyListNodes
