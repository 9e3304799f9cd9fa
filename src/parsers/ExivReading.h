#pragma once

// Exiv2 0.27 still declares std::auto_ptr, which C++20 deprecates.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// Reading single values out of Exiv2's EXIF, IPTC and XMP data. Every function answers
// nothing for a tag that is missing, unknown to this Exiv2 version, or of an unusable type,
// and never lets an Exiv2 exception out.
namespace ExivReading {

const Exiv2::Exifdatum *exifDatum(const Exiv2::ExifData &data, const char *key);

// The n-th component as a number; nothing for a zero denominator or a missing component.
std::optional<double> number(const Exiv2::ExifData &data, const char *key, long n = 0);
std::optional<qint64> integer(const Exiv2::ExifData &data, const char *key, long n = 0);
// The value as text, trimmed (ASCII tags end in NUL padding); "" when missing.
QString text(const Exiv2::ExifData &data, const char *key);
// Exiv2's English interpretation of the value ("Aperture priority"); "" when missing.
QString printed(const Exiv2::ExifData &data, const char *key);
// The raw bytes of an UNDEFINED or BYTE tag.
QByteArray bytes(const Exiv2::ExifData &data, const char *key);

// Every text of an "Exif.", "Iptc." or "Xmp." key: each entry of a repeated IPTC dataset or an
// XMP array, the default language of an XMP language alternative. Empty texts are left out.
QStringList texts(Exiv2::Image &image, const char *key);
// The texts of the first key that has any.
QStringList firstTexts(Exiv2::Image &image, std::initializer_list<const char *> keys);

}  // namespace ExivReading
