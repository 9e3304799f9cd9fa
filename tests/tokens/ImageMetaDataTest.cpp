#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include "MetaDataStoreFixture.h"
#include "parsers/ExifAttributes.h"
#include "support/QtPrinters.h"
#include "support/SampleImages.h"
#include "support/TestEnvironment.h"
#include "tokens/FileMetaDataStore.h"
#include "tokens/IccProfileName.h"
#include "tokens/PictureHeader.h"

namespace {

// A 2 by 2 PNG with 8-bit RGBA samples.
const QByteArray rgbaPng = QByteArray::fromHex(
    "89504e470d0a1a0a0000000d494844520000000200000002080600000072b60d24000000144944415408d763fc"
    "cfc050cfc0c0c0c0c4000500181701829a5e82a40000000049454e44ae426082");

// An ICC profile of one tag: the header (its first field the profile's size), a table of one
// entry, then the tag itself at offset 144.
QByteArray iccProfileWith(const QByteArray &tag) {
    QByteArray profile(128, '\0');
    const auto append32 = [&](quint32 number) {
        char bytes[4];
        qToBigEndian(number, bytes);
        profile.append(bytes, 4);
    };
    append32(1);
    profile.append("desc");
    append32(144);
    append32(quint32(tag.size()));
    profile += tag;
    qToBigEndian(quint32(profile.size()), profile.data());
    return profile;
}

const QByteArray sRgbDescription = QByteArray("desc") + QByteArray(4, '\0') +
                                   QByteArray::fromHex("00000005") + QByteArray("sRGB\0", 5);

PictureHeader headerOf(const QByteArray &content) {
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    return PictureHeader::read(&buffer);
}

class ImageMetaDataTest : public MetaDataStoreFixture {
protected:
    QString makeJpeg(const QString &name) { return dir.makeFile(name, plainJpeg); }

    // Opens the picture with Exiv2, lets the caller fill in its metadata and writes it back.
    template <typename Edit>
    void editMetadata(const QString &path, Edit edit) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
#pragma GCC diagnostic pop
        image->readMetadata();
        edit(*image);
        image->writeMetadata();
    }
};

}  // namespace

TEST_F(ImageMetaDataTest, CameraExposureAndPositionComeFromExif) {
    const QString path = makeJpeg("photo.jpg");
    editMetadata(path, [](Exiv2::Image &image) {
        Exiv2::ExifData &exif = image.exifData();
        exif["Exif.Image.Make"] = "Canon";
        exif["Exif.Image.Model"] = "EOS 5D";
        exif["Exif.Image.Orientation"] = uint16_t(6);
        exif["Exif.Photo.DateTimeOriginal"] = "2024:05:01 13:45:10";
        exif["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
        exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
        exif["Exif.Photo.ISOSpeedRatings"] = uint16_t(200);
        exif["Exif.Photo.Flash"] = uint16_t(0x41);
        exif["Exif.GPSInfo.GPSVersionID"] = "2 2 0 0";
        exif["Exif.GPSInfo.GPSLatitudeRef"] = "S";
        exif["Exif.GPSInfo.GPSLatitude"] = "33/1 51/1 2160/100";
        exif["Exif.GPSInfo.GPSLongitudeRef"] = "E";
        exif["Exif.GPSInfo.GPSLongitude"] = "151/1 12/1 0/1";
        exif["Exif.GPSInfo.GPSAltitudeRef"] = "1";
        exif["Exif.GPSInfo.GPSAltitude"] = "25/2";
        const QByteArray profile = iccProfileWith(sRgbDescription);
        Exiv2::DataBuf buffer(reinterpret_cast<const Exiv2::byte *>(profile.constData()),
                              profile.size());
        image.setIccProfile(buffer);
    });
    const MetaDataItemPtr item = store.createItem(path);
    ASSERT_NE(item, nullptr);

    EXPECT_EQ(value(item, "kMDItemContentType").toString(), "image/jpeg");
    EXPECT_EQ(value(item, "kMDItemPixelWidth"), QVariant(qint64(4)));
    EXPECT_EQ(value(item, "kMDItemPixelHeight"), QVariant(qint64(3)));
    EXPECT_EQ(value(item, "kMDItemPixelCount"), QVariant(qint64(12)));
    // Turned by a quarter, the wide picture stands upright.
    EXPECT_EQ(value(item, "kMDItemOrientation"), QVariant(qint64(1)));
    EXPECT_EQ(value(item, "kMDItemProfileName").toString(), "sRGB");
    EXPECT_EQ(value(item, "kMDItemAcquisitionMake").toString(), "Canon");
    EXPECT_EQ(value(item, "kMDItemAcquisitionModel").toString(), "EOS 5D");
    EXPECT_DOUBLE_EQ(value(item, "kMDItemFNumber").toDouble(), 2.8);
    EXPECT_EQ(value(item, "kMDItemExposureTimeString").toString(), "1/250");
    EXPECT_DOUBLE_EQ(value(item, "kMDItemExposureTimeSeconds").toDouble(), 0.004);
    EXPECT_EQ(value(item, "kMDItemISOSpeed").toLongLong(), 200);
    EXPECT_EQ(value(item, "kMDItemFlashOnOff"), QVariant(true));
    EXPECT_EQ(value(item, "kMDItemRedEyeOnOff"), QVariant(true));
    EXPECT_EQ(value(item, "kMDItemContentCreationDate").toDateTime(),
              QDateTime(QDate(2024, 5, 1), QTime(13, 45, 10)));
    EXPECT_EQ(value(item, "kMDItemEXIFGPSVersion").toString(), "2.2.0.0");
    EXPECT_DOUBLE_EQ(value(item, "kMDItemLatitude").toDouble(), -(33 + 51 / 60.0 + 21.6 / 3600));
    EXPECT_DOUBLE_EQ(value(item, "kMDItemLongitude").toDouble(), 151.2);
    EXPECT_DOUBLE_EQ(value(item, "kMDItemAltitude").toDouble(), -12.5);
    EXPECT_FALSE(value(item, "kMDItemFocalLength").isValid());
    EXPECT_FALSE(value(item, "kMDItemDurationSeconds").isValid());
}

TEST_F(ImageMetaDataTest, DescriptionsComeFromIptcAndXmp) {
    const QString path = makeJpeg("described.jpg");
    editMetadata(path, [](Exiv2::Image &image) {
        Exiv2::IptcData &iptc = image.iptcData();
        const Exiv2::IptcKey keywords("Iptc.Application2.Keywords");
        for (const char *keyword : {"beach", "sunset"}) {
            Exiv2::StringValue text(keyword);
            iptc.add(keywords, &text);
        }
        iptc["Iptc.Application2.City"] = "Sydney";
        Exiv2::XmpData &xmp = image.xmpData();
        xmp["Xmp.dc.title"] = "lang=\"x-default\" Evening";
        auto creators = Exiv2::Value::create(Exiv2::xmpSeq);
        creators->read("Ann");
        creators->read("Bob");
        xmp.add(Exiv2::XmpKey("Xmp.dc.creator"), creators.get());
        xmp["Xmp.xmp.Rating"] = "4";
    });
    const MetaDataItemPtr item = store.createItem(path);
    ASSERT_NE(item, nullptr);

    EXPECT_EQ(value(item, "kMDItemKeywords"), QVariant(QVariantList{"beach", "sunset"}));
    EXPECT_EQ(value(item, "kMDItemAuthors"), QVariant(QVariantList{"Ann", "Bob"}));
    EXPECT_EQ(value(item, "kMDItemTitle").toString(), "Evening");
    EXPECT_EQ(value(item, "kMDItemCity").toString(), "Sydney");
    EXPECT_EQ(value(item, "kMDItemStarRating"), QVariant(qint64(4)));
    EXPECT_FALSE(value(item, "kMDItemCountry").isValid());
}

TEST_F(ImageMetaDataTest, FileIsReadOnceOnFirstRequest) {
    const QString path = makeJpeg("changing.jpg");
    editMetadata(path, [](Exiv2::Image &image) { image.exifData()["Exif.Image.Make"] = "Old"; });
    const MetaDataItemPtr item = store.createItem(path);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(value(item, "kMDItemPixelWidth"), QVariant(qint64(4)));
    editMetadata(path, [](Exiv2::Image &image) { image.exifData()["Exif.Image.Make"] = "New"; });
    EXPECT_EQ(value(item, "kMDItemAcquisitionMake").toString(), "Old");
    EXPECT_EQ(value(store.createItem(path), "kMDItemAcquisitionMake").toString(), "New");
}

TEST_F(ImageMetaDataTest, MalformedPicturesHaveNoValues) {
    const QByteArray truncated = plainJpeg.left(40);
    // An APP1 segment that claims more bytes than the file has.
    const QByteArray badSegment = QByteArray::fromHex("ffd8ffe1fff0457869660000") + "II*";
    for (const QByteArray &content : {truncated, badSegment, QByteArray("not a picture")}) {
        const QString path = dir.makeFile("broken.jpg", content);
        const MetaDataItemPtr item = store.createItem(path);
        ASSERT_NE(item, nullptr);
        EXPECT_FALSE(value(item, "kMDItemPixelWidth").isValid());
        EXPECT_FALSE(value(item, "kMDItemAcquisitionMake").isValid());
        EXPECT_EQ(value(item, "kMDItemContentCreationDate"), value(item, "kMDItemFSCreationDate"));
    }
}

TEST_F(ImageMetaDataTest, PictureHeaderTellsWhatTheMetadataLeavesOut) {
    const MetaDataItemPtr png = store.createItem(dir.makeFile("clear.png", rgbaPng));
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(value(png, "kMDItemPixelWidth"), QVariant(qint64(2)));
    EXPECT_EQ(value(png, "kMDItemBitsPerSample"), QVariant(qint64(8)));
    EXPECT_EQ(value(png, "kMDItemColorSpace").toString(), "RGB");
    EXPECT_EQ(value(png, "kMDItemHasAlphaChannel"), QVariant(true));
    const MetaDataItemPtr jpeg = store.createItem(makeJpeg("grey.jpg"));
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(value(jpeg, "kMDItemBitsPerSample"), QVariant(qint64(8)));
    EXPECT_EQ(value(jpeg, "kMDItemColorSpace").toString(), "Gray");
    EXPECT_EQ(value(jpeg, "kMDItemHasAlphaChannel"), QVariant(false));
}

TEST(PictureHeaderTest, DamagedHeadersAreInvalid) {
    EXPECT_TRUE(headerOf(plainJpeg).valid);
    // The frame header cut off, a segment longer than the file, a PNG without its IHDR.
    EXPECT_FALSE(headerOf(plainJpeg.left(plainJpeg.indexOf("\xff\xc0") + 6)).valid);
    EXPECT_FALSE(headerOf(QByteArray::fromHex("ffd8ffe1fff0")).valid);
    EXPECT_FALSE(headerOf(rgbaPng.left(20)).valid);
    EXPECT_FALSE(headerOf(QByteArray()).valid);
    // Fill bytes between segments are allowed.
    QByteArray filled = plainJpeg;
    filled.insert(2, QByteArray("\xff\xff", 2));
    EXPECT_EQ(headerOf(filled).colorSpace, "Gray");
}

TEST(ExifAttributesTest, ExposureTimesAndVersionsReadAsPeopleWriteThem) {
    EXPECT_EQ(ExifAttributes::exposureTimeText(1, 250), "1/250");
    EXPECT_EQ(ExifAttributes::exposureTimeText(10, 3200), "1/320");
    EXPECT_EQ(ExifAttributes::exposureTimeText(5, 2), "2.5");
    EXPECT_EQ(ExifAttributes::exposureTimeText(30, 1), "30");
    EXPECT_EQ(ExifAttributes::versionText("0230"), "2.3");
    EXPECT_EQ(ExifAttributes::versionText("0221"), "2.2.1");
    EXPECT_EQ(ExifAttributes::versionText("02x0"), "");
    EXPECT_EQ(ExifAttributes::versionText("023"), "");
}

TEST(IccProfileNameTest, DescriptionTagInBothForms) {
    EXPECT_EQ(IccProfileName::description(iccProfileWith(sRgbDescription)), "sRGB");
    const QByteArray utf16 = QByteArray::fromHex("0044006900730070");
    const QByteArray multi = QByteArray("mluc") + QByteArray(4, '\0') +
                             QByteArray::fromHex("000000010000000c656e5553000000080000001c") +
                             utf16;
    EXPECT_EQ(IccProfileName::description(iccProfileWith(multi)), "Disp");
    EXPECT_EQ(IccProfileName::description(iccProfileWith(sRgbDescription).left(150)), "");
    EXPECT_EQ(IccProfileName::description(QByteArray()), "");
}
