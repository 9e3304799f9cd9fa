#pragma once

#include <unicode/unistr.h>

#include <QByteArrayView>
#include <QString>

// Conversions between Qt's UTF-16 strings and ICU's, and Unicode normalisation.
namespace Unicode {

// Both sides are UTF-16: the code units are copied as they are, never through UTF-8.
icu::UnicodeString toIcu(const QString &string);
QString fromIcu(const icu::UnicodeString &string);

// Canonical composed form (NFC). Returns the input unchanged when it is already NFC.
QString nfc(const QString &string);

// Whether a byte string is well-formed UTF-8 (file names on Linux are bytes).
bool isValidUtf8(QByteArrayView bytes);

}  // namespace Unicode
