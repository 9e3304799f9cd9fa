#pragma once

#include <QString>

// How several values of one attribute (authors, keywords, tags) are joined: the user default
// "Metadata Addition Format", a text with two "%@" places, else "%@ + %@".
namespace MetaDataAdditionFormat {

inline const QString kAdditionFormatKey = QStringLiteral("Metadata Addition Format");

// The format filled with the result so far and the next value. Places beyond the second
// stay empty; a format without places is used as it is.
QString join(const QString &result, const QString &next);

}  // namespace MetaDataAdditionFormat
