#include "parsers/ExifAttributes.h"

#include <cmath>

namespace ExifAttributes {

namespace {

using ExivReading::integer;
using ExivReading::number;

constexpr double centimetresPerInch = 2.54;

template <typename Number>
void putNumber(MetaDataSource::Values *values, const char *key, std::optional<Number> number) {
    if (number) values->insert(QString::fromLatin1(key), *number);
}

void readCamera(const Exiv2::ExifData &data, MetaDataSource::Values *values) {
    putText(values, "kMDItemAcquisitionMake", ExivReading::text(data, "Exif.Image.Make"));
    putText(values, "kMDItemAcquisitionModel", ExivReading::text(data, "Exif.Image.Model"));
    putText(values, "kMDItemEXIFVersion",
            versionText(ExivReading::bytes(data, "Exif.Photo.ExifVersion")));
}

void readExposureTime(const Exiv2::ExifData &data, MetaDataSource::Values *values) {
    const Exiv2::Exifdatum *datum = ExivReading::exifDatum(data, "Exif.Photo.ExposureTime");
    if (!datum || datum->count() < 1) return;
    const Exiv2::Rational time = datum->toRational(0);
    if (time.second == 0 || time.first <= 0) return;
    values->insert("kMDItemExposureTimeSeconds", double(time.first) / time.second);
    values->insert("kMDItemExposureTimeString", exposureTimeText(time.first, time.second));
}

void readExposure(const Exiv2::ExifData &data, MetaDataSource::Values *values) {
    putNumber(values, "kMDItemAperture", number(data, "Exif.Photo.ApertureValue"));
    putNumber(values, "kMDItemMaxAperture", number(data, "Exif.Photo.MaxApertureValue"));
    putNumber(values, "kMDItemFNumber", number(data, "Exif.Photo.FNumber"));
    putNumber(values, "kMDItemFocalLength", number(data, "Exif.Photo.FocalLength"));
    putNumber(values, "kMDItemISOSpeed", integer(data, "Exif.Photo.ISOSpeedRatings"));
    putNumber(values, "kMDItemExposureMode", integer(data, "Exif.Photo.ExposureMode"));
    putNumber(values, "kMDItemWhiteBalance", integer(data, "Exif.Photo.WhiteBalance"));
    putText(values, "kMDItemExposureProgram",
            ExivReading::printed(data, "Exif.Photo.ExposureProgram"));
    putText(values, "kMDItemMeteringMode", ExivReading::printed(data, "Exif.Photo.MeteringMode"));
    readExposureTime(data, values);
    // Bit 0 says whether the flash fired, bit 6 whether red-eye reduction was on.
    if (const auto flash = integer(data, "Exif.Photo.Flash")) {
        values->insert("kMDItemFlashOnOff", bool(*flash & 0x1));
        values->insert("kMDItemRedEyeOnOff", bool(*flash & 0x40));
    }
}

// Resolutions are stored per inch or per centimetre; the attribute is per inch.
void readResolution(const Exiv2::ExifData &data, MetaDataSource::Values *values) {
    const double factor =
        integer(data, "Exif.Image.ResolutionUnit").value_or(2) == 3 ? centimetresPerInch : 1;
    if (const auto x = number(data, "Exif.Image.XResolution"))
        values->insert("kMDItemResolutionWidthDPI", *x * factor);
    if (const auto y = number(data, "Exif.Image.YResolution"))
        values->insert("kMDItemResolutionHeightDPI", *y * factor);
}

QString colorSpaceName(const Exiv2::ExifData &data) {
    if (const auto photometric = integer(data, "Exif.Image.PhotometricInterpretation")) {
        switch (*photometric) {
            case 0:
            case 1:
                return QStringLiteral("Gray");
            case 2:
            case 6:
                return QStringLiteral("RGB");
            case 5:
                return QStringLiteral("CMYK");
            case 8:
                return QStringLiteral("Lab");
        }
    }
    if (const auto space = integer(data, "Exif.Photo.ColorSpace")) {
        if (*space == 1) return QStringLiteral("RGB");
        if (*space == 0xFFFF) return QStringLiteral("Uncalibrated");
    }
    return QString();
}

void readStructure(const Exiv2::ExifData &data, MetaDataSource::Values *values) {
    putText(values, "kMDItemColorSpace", colorSpaceName(data));
    putNumber(values, "kMDItemBitsPerSample", integer(data, "Exif.Image.BitsPerSample"));
    if (const auto extra = integer(data, "Exif.Image.ExtraSamples"))
        values->insert("kMDItemHasAlphaChannel", *extra == 1 || *extra == 2);
    readResolution(data, values);
}

}  // namespace

QString exposureTimeText(double numerator, double denominator) {
    const double seconds = numerator / denominator;
    if (seconds < 1) return QStringLiteral("1/%1").arg(qRound64(denominator / numerator));
    return QString::number(seconds, 'g', 4);
}

QString versionText(const QByteArray &digits) {
    if (digits.size() != 4) return QString();
    for (const char digit : digits)
        if (digit < '0' || digit > '9') return QString();
    QString text = QString::number(digits.left(2).toInt()) + u'.' + QChar(digits[2]);
    if (digits[3] != '0') text += u'.' + QChar(digits[3]);
    return text;
}

void read(const Exiv2::ExifData &data, MetaDataSource::Values *values) {
    readCamera(data, values);
    readExposure(data, values);
    readStructure(data, values);
}

}  // namespace ExifAttributes
