#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Property-list values as QVariant: QVariantMap (dictionary), QVariantList (array), QString,
// bool, qint64 (integer, negative values included), double (real), QDateTime (date) and
// QByteArray (data). Booleans stay booleans and integers stay integers through both forms.
namespace PropertyList {

enum class Format { Binary, Xml };

// Parses binary or XML property-list data (the form is detected). Returns an invalid
// QVariant and sets *error when the data is no property list, is damaged, or nests
// containers deeper than 512 levels. XML dates keep whole seconds only.
QVariant fromData(const QByteArray &data, QString *error = nullptr);

// Serialises a value; an empty QByteArray and *error when the value holds something a
// property list cannot (an invalid QVariant, an unsigned integer above the qint64 range, a
// string with a NUL character, an invalid date, other types).
QByteArray toData(const QVariant &value, Format format, QString *error = nullptr);

// Reads a property-list file. Invalid QVariant and *error naming the path on failure.
QVariant readFile(const QString &path, QString *error = nullptr);

// Writes atomically (a temporary file in the same folder, then rename), creating the folder.
bool writeFile(const QString &path, const QVariant &value, Format format, QString *error = nullptr);

}  // namespace PropertyList
