#include "parsers/ImageDescriptionAttributes.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace ImageDescriptionAttributes {

namespace {

using ExivReading::firstTexts;

struct TextAttribute {
    const char *key;
    bool multiple;
    std::initializer_list<const char *> sources;
};

// In order of preference: IPTC and XMP are what editing programs write, EXIF what cameras do.
const TextAttribute textAttributes[] = {
    {"kMDItemTitle", false, {"Xmp.dc.title", "Iptc.Application2.ObjectName"}},
    {"kMDItemDescription",
     false,
     {"Xmp.dc.description", "Iptc.Application2.Caption", "Exif.Image.ImageDescription"}},
    {"kMDItemKeywords", true, {"Xmp.dc.subject", "Iptc.Application2.Keywords"}},
    {"kMDItemAuthors", true, {"Xmp.dc.creator", "Iptc.Application2.Byline", "Exif.Image.Artist"}},
    {"kMDItemCopyright",
     false,
     {"Xmp.dc.rights", "Iptc.Application2.Copyright", "Exif.Image.Copyright"}},
    {"kMDItemCity", false, {"Xmp.photoshop.City", "Iptc.Application2.City"}},
    {"kMDItemStateOrProvince", false, {"Xmp.photoshop.State", "Iptc.Application2.ProvinceState"}},
    {"kMDItemCountry", false, {"Xmp.photoshop.Country", "Iptc.Application2.CountryName"}},
    {"kMDItemNamedLocation", false, {"Xmp.iptc.Location", "Iptc.Application2.SubLocation"}},
};

void readTexts(Exiv2::Image &image, MetaDataSource::Values *values) {
    for (const TextAttribute &attribute : textAttributes) {
        QStringList found = firstTexts(image, attribute.sources);
        if (!attribute.multiple && found.size() > 1) found = found.mid(0, 1);
        const QVariant value = textValues(found);
        if (value.isValid()) values->insert(QString::fromLatin1(attribute.key), value);
    }
}

void readRating(Exiv2::Image &image, MetaDataSource::Values *values) {
    const QStringList rating = firstTexts(image, {"Xmp.xmp.Rating", "Exif.Image.Rating"});
    bool isNumber = false;
    const double stars = rating.value(0).toDouble(&isNumber);
    if (isNumber) values->insert("kMDItemStarRating", qint64(stars));
}

QDateTime creationDate(Exiv2::Image &image) {
    const Exiv2::ExifData &exif = image.exifData();
    const QDateTime original = exifDate(ExivReading::text(exif, "Exif.Photo.DateTimeOriginal"),
                                        ExivReading::text(exif, "Exif.Photo.OffsetTimeOriginal"));
    if (original.isValid()) return original;
    const QDateTime digitized = exifDate(ExivReading::text(exif, "Exif.Photo.DateTimeDigitized"),
                                         ExivReading::text(exif, "Exif.Photo.OffsetTimeDigitized"));
    if (digitized.isValid()) return digitized;
    // XMP dates are ISO 8601, with or without a zone.
    const QStringList xmp = firstTexts(image, {"Xmp.photoshop.DateCreated", "Xmp.xmp.CreateDate"});
    return xmp.isEmpty() ? QDateTime() : QDateTime::fromString(xmp.first(), Qt::ISODate);
}

}  // namespace

QDateTime exifDate(const QString &text, const QString &offset) {
    QDateTime date = QDateTime::fromString(text.left(19), QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    if (!date.isValid()) return QDateTime();
    static const QRegularExpression offsetPattern(QStringLiteral("^([+-])(\\d\\d):(\\d\\d)$"));
    const QRegularExpressionMatch match = offsetPattern.match(offset);
    if (match.hasMatch()) {
        const int seconds = match.captured(2).toInt() * 3600 + match.captured(3).toInt() * 60;
        date.setTimeZone(QTimeZone(match.captured(1) == u"-" ? -seconds : seconds));
    }
    return date;
}

void read(Exiv2::Image &image, MetaDataSource::Values *values) {
    readTexts(image, values);
    readRating(image, values);
    const QDateTime created = creationDate(image);
    if (created.isValid()) values->insert("kMDItemContentCreationDate", created);
}

}  // namespace ImageDescriptionAttributes
