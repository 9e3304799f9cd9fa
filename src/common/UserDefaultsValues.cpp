#include "common/UserDefaultsValues.h"

#include <QLocale>
#include <QRegularExpression>
#include <QVariantList>
#include <QVariantMap>

#include "common/NumberConversion.h"
#include "common/PropertyList.h"

namespace UserDefaultsValues {

namespace {

// The number at the start of a string: blanks first, then the number, anything after it
// ignored; 0 when there is none. Never the user's locale: stored text is not localised.
double leadingNumber(const QString &string) {
    static const QRegularExpression real(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = real.match(string);
    return match.hasMatch() ? QLocale::c().toDouble(match.capturedView(1)) : 0.0;
}

qint64 leadingInteger(const QString &string) {
    static const QRegularExpression integer(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = integer.match(string);
    if (!match.hasMatch()) return 0;
    bool ok = false;
    const qint64 value = match.capturedView(1).toLongLong(&ok);
    if (ok) return value;
    return match.capturedView(1).startsWith(QLatin1Char('-')) ? std::numeric_limits<qint64>::min()
                                                              : std::numeric_limits<qint64>::max();
}

// True for "YES", "true", "1" and any text whose first significant character (after blanks,
// a sign and leading zeros) is Y, y, T, t or a digit 1-9.
bool stringIsTrue(const QString &string) {
    qsizetype index = 0;
    while (index < string.size() && string.at(index).isSpace()) ++index;
    if (index < string.size() && (string.at(index) == u'+' || string.at(index) == u'-')) ++index;
    while (index < string.size() && string.at(index) == u'0') ++index;
    if (index == string.size()) return false;
    const QChar first = string.at(index);
    return QStringLiteral("YyTt123456789").contains(first);
}

}  // namespace

QVariant normalized(const QVariant &value, QString *error) {
    const QByteArray data = PropertyList::toData(value, PropertyList::Format::Binary, error);
    return data.isEmpty() ? QVariant() : PropertyList::fromData(data, error);
}

bool identical(const QVariant &a, const QVariant &b) {
    if (a.typeId() != b.typeId()) return false;
    if (a.typeId() == QMetaType::QVariantList) {
        const QVariantList left = a.toList(), right = b.toList();
        if (left.size() != right.size()) return false;
        for (qsizetype i = 0; i < left.size(); ++i)
            if (!identical(left[i], right[i])) return false;
        return true;
    }
    if (a.typeId() == QMetaType::QVariantMap) {
        const QVariantMap left = a.toMap(), right = b.toMap();
        if (left.keys() != right.keys()) return false;
        for (auto it = left.constBegin(); it != left.constEnd(); ++it)
            if (!identical(it.value(), right.value(it.key()))) return false;
        return true;
    }
    return a == b;
}

bool toBool(const QVariant &value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool();
        case QMetaType::Double:
            return value.toDouble() != 0.0;
        case QMetaType::QString:
            return stringIsTrue(value.toString());
        case QMetaType::LongLong:
            return value.toLongLong() != 0;
        default:
            return false;
    }
}

qint64 toInteger(const QVariant &value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? 1 : 0;
        case QMetaType::LongLong:
            return value.toLongLong();
        case QMetaType::Double:
            return saturatedInt64(value.toDouble());
        case QMetaType::QString:
            return leadingInteger(value.toString());
        default:
            return 0;
    }
}

double toDouble(const QVariant &value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? 1.0 : 0.0;
        case QMetaType::LongLong:
            return double(value.toLongLong());
        case QMetaType::Double:
            return value.toDouble();
        case QMetaType::QString:
            return leadingNumber(value.toString());
        default:
            return 0.0;
    }
}

QString toString(const QVariant &value) {
    switch (value.typeId()) {
        case QMetaType::QString:
            return value.toString();
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        case QMetaType::LongLong:
            return QString::number(value.toLongLong());
        case QMetaType::Double:
            return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        default:
            return QString();
    }
}

}  // namespace UserDefaultsValues
