#pragma once

#include <QByteArray>
#include <QString>

namespace IccProfileName {

// The description ("desc" tag) of an ICC colour profile, in its v2 ASCII or v4 multi-language
// form (the first language); "" when the profile is malformed or has none.
QString description(const QByteArray &profile);

}  // namespace IccProfileName
