#include <QFile>

#include "parsers/ExifAttributes.h"
#include "parsers/ExivReading.h"
#include "parsers/GpsAttributes.h"
#include "parsers/ImageDescriptionAttributes.h"
#include "parsers/Parsers.h"
#include "tokens/IccProfileName.h"
#include "tokens/MetaDataSource.h"
#include "tokens/PictureHeader.h"

namespace {

// Exiv2 warns on standard error about every oddity of a file; a renamer reads thousands.
void quietenExiv2() {
    static const bool done = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
        return true;
    }();
    Q_UNUSED(done);
}

// Orientations 5 to 8 turn the picture by a quarter: its shown width is its stored height.
// The attribute says 0 for landscape, 1 for portrait.
void readDimensions(Exiv2::Image &image, MetaDataSource::Values *values) {
    const qint64 width = image.pixelWidth();
    const qint64 height = image.pixelHeight();
    if (width <= 0 || height <= 0) return;
    values->insert("kMDItemPixelWidth", width);
    values->insert("kMDItemPixelHeight", height);
    values->insert("kMDItemPixelCount", width * height);
    const qint64 rotation =
        ExivReading::integer(image.exifData(), "Exif.Image.Orientation").value_or(1);
    const bool turned = rotation >= 5 && rotation <= 8;
    const qint64 shownWidth = turned ? height : width;
    const qint64 shownHeight = turned ? width : height;
    values->insert("kMDItemOrientation", qint64(shownHeight > shownWidth ? 1 : 0));
}

void readProfile(Exiv2::Image &image, MetaDataSource::Values *values) {
    if (!image.iccProfileDefined()) return;
#if EXIV2_TEST_VERSION(0, 28, 0)
    const Exiv2::DataBuf &profile = image.iccProfile();
    const QByteArray bytes(reinterpret_cast<const char *>(profile.c_data()),
                           qsizetype(profile.size()));
#else
    const Exiv2::DataBuf *profile = image.iccProfile();
    if (!profile || !profile->pData_ || profile->size_ <= 0) return;
    const QByteArray bytes(reinterpret_cast<const char *>(profile->pData_), profile->size_);
#endif
    const QString name = IccProfileName::description(bytes);
    if (!name.isEmpty()) values->insert("kMDItemProfileName", name);
}

// What the metadata leaves out, the picture's own header may tell.
void readHeader(const QByteArray &nativePath, MetaDataSource::Values *values) {
    QFile file(QFile::decodeName(nativePath));
    if (!file.open(QIODevice::ReadOnly)) return;
    const PictureHeader header = PictureHeader::read(&file);
    if (!header.valid) return;
    if (!values->contains("kMDItemBitsPerSample"))
        values->insert("kMDItemBitsPerSample", qint64(header.bitsPerSample));
    if (!values->contains("kMDItemColorSpace"))
        values->insert("kMDItemColorSpace", header.colorSpace);
    if (!values->contains("kMDItemHasAlphaChannel"))
        values->insert("kMDItemHasAlphaChannel", header.hasAlphaChannel);
}

}  // namespace

MetaDataSource::Values Parsers::image(const QByteArray &nativePath) {
    quietenExiv2();
    MetaDataSource::Values values;
    try {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        auto image = Exiv2::ImageFactory::open(nativePath.toStdString(), false);
#pragma GCC diagnostic pop
        if (!image.get()) return values;
        image->readMetadata();
        readDimensions(*image, &values);
        readProfile(*image, &values);
        ExifAttributes::read(image->exifData(), &values);
        GpsAttributes::read(image->exifData(), &values);
        ImageDescriptionAttributes::read(*image, &values);
    } catch (...) {
        // A malformed file keeps whatever was read before the fault.
    }
    if (!values.isEmpty()) readHeader(nativePath, &values);
    return values;
}
