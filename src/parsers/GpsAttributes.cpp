#include "parsers/GpsAttributes.h"

#include <QTimeZone>

namespace GpsAttributes {

namespace {

using ExivReading::number;

constexpr double kilometresPerMile = 1.609344;
constexpr double kilometresPerNauticalMile = 1.852;

// Degrees, minutes and seconds as three rationals; the reference letter gives the sign.
std::optional<double> coordinate(const Exiv2::ExifData &data, const char *key,
                                 const char *referenceKey, QChar negative) {
    const auto degrees = number(data, key, 0);
    if (!degrees) return std::nullopt;
    const double value =
        *degrees + number(data, key, 1).value_or(0) / 60 + number(data, key, 2).value_or(0) / 3600;
    const QString reference = ExivReading::text(data, referenceKey).toUpper();
    return reference.startsWith(negative) ? -value : value;
}

void putNumber(MetaDataSource::Values *values, const char *key, std::optional<double> number) {
    if (number) values->insert(QString::fromLatin1(key), *number);
}

std::optional<double> altitude(const Exiv2::ExifData &data) {
    const auto metres = number(data, "Exif.GPSInfo.GPSAltitude");
    if (!metres) return std::nullopt;
    const bool belowSeaLevel = ExivReading::integer(data, "Exif.GPSInfo.GPSAltitudeRef") == 1;
    return belowSeaLevel ? -*metres : *metres;
}

std::optional<double> speed(const Exiv2::ExifData &data) {
    const auto value = number(data, "Exif.GPSInfo.GPSSpeed");
    if (!value) return std::nullopt;
    const QString unit = ExivReading::text(data, "Exif.GPSInfo.GPSSpeedRef").toUpper();
    if (unit == u"M") return *value * kilometresPerMile;
    if (unit == u"N") return *value * kilometresPerNauticalMile;
    return value;
}

// "2024:05:01" and three rationals for the hours, minutes and seconds of the day, in UTC.
QDateTime timestamp(const Exiv2::ExifData &data) {
    const QDate day = QDate::fromString(ExivReading::text(data, "Exif.GPSInfo.GPSDateStamp"),
                                        QStringLiteral("yyyy:MM:dd"));
    const auto hours = number(data, "Exif.GPSInfo.GPSTimeStamp", 0);
    if (!day.isValid() || !hours) return QDateTime();
    const double seconds = *hours * 3600 +
                           number(data, "Exif.GPSInfo.GPSTimeStamp", 1).value_or(0) * 60 +
                           number(data, "Exif.GPSInfo.GPSTimeStamp", 2).value_or(0);
    if (seconds < 0 || seconds >= 86400) return QDateTime();
    return QDateTime(day, QTime(0, 0), QTimeZone::utc()).addMSecs(qRound64(seconds * 1000));
}

QString version(const Exiv2::ExifData &data) {
    const QByteArray bytes = ExivReading::bytes(data, "Exif.GPSInfo.GPSVersionID");
    QStringList parts;
    for (const char byte : bytes) parts.append(QString::number(quint8(byte)));
    return parts.join(u'.');
}

}  // namespace

void read(const Exiv2::ExifData &data, MetaDataSource::Values *values) {
    putNumber(values, "kMDItemLatitude",
              coordinate(data, "Exif.GPSInfo.GPSLatitude", "Exif.GPSInfo.GPSLatitudeRef", u'S'));
    putNumber(values, "kMDItemLongitude",
              coordinate(data, "Exif.GPSInfo.GPSLongitude", "Exif.GPSInfo.GPSLongitudeRef", u'W'));
    putNumber(values, "kMDItemAltitude", altitude(data));
    putNumber(values, "kMDItemGPSTrack", number(data, "Exif.GPSInfo.GPSTrack"));
    putNumber(values, "kMDItemImageDirection", number(data, "Exif.GPSInfo.GPSImgDirection"));
    putNumber(values, "kMDItemSpeed", speed(data));
    const QDateTime time = timestamp(data);
    if (time.isValid()) values->insert("kMDItemTimestamp", time);
    const QString gpsVersion = version(data);
    if (!gpsVersion.isEmpty()) values->insert("kMDItemEXIFGPSVersion", gpsVersion);
}

}  // namespace GpsAttributes
