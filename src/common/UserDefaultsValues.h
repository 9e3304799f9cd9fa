#pragma once

#include <QString>
#include <QVariant>

// How the user defaults store and convert values (used by UserDefaults).
namespace UserDefaultsValues {

// The value as a property list gives it back (qint64 integers, lists for string lists, UTC
// dates); an invalid QVariant and *error when a property list cannot hold it.
QVariant normalized(const QVariant &value, QString *error = nullptr);

// Equal in type as well as value, all the way down: true and 1 are different values.
bool identical(const QVariant &a, const QVariant &b);

bool toBool(const QVariant &value);
qint64 toInteger(const QVariant &value);
double toDouble(const QVariant &value);
QString toString(const QVariant &value);

}  // namespace UserDefaultsValues
