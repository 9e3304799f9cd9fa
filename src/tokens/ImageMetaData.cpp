#include "tokens/ImageMetaData.h"

#include <QSet>

#include "tokens/MetaDataParsers.h"

namespace {

const QSet<QString> &imageKeys() {
    // clang-format off
    static const QSet<QString> keys{
        "kMDItemPixelWidth", "kMDItemPixelHeight", "kMDItemPixelCount", "kMDItemColorSpace",
        "kMDItemProfileName", "kMDItemBitsPerSample", "kMDItemHasAlphaChannel",
        "kMDItemOrientation", "kMDItemResolutionWidthDPI", "kMDItemResolutionHeightDPI",
        "kMDItemAcquisitionMake", "kMDItemAcquisitionModel", "kMDItemAperture",
        "kMDItemMaxAperture", "kMDItemFNumber", "kMDItemExposureTimeSeconds",
        "kMDItemExposureTimeString", "kMDItemExposureMode", "kMDItemExposureProgram",
        "kMDItemFlashOnOff", "kMDItemFocalLength", "kMDItemISOSpeed", "kMDItemMeteringMode",
        "kMDItemWhiteBalance", "kMDItemRedEyeOnOff", "kMDItemEXIFVersion",
        "kMDItemEXIFGPSVersion", "kMDItemLatitude", "kMDItemLongitude", "kMDItemAltitude",
        "kMDItemGPSTrack", "kMDItemImageDirection", "kMDItemSpeed", "kMDItemTimestamp",
        "kMDItemContentCreationDate", "kMDItemKeywords", "kMDItemDescription",
        "kMDItemCopyright", "kMDItemAuthors", "kMDItemTitle", "kMDItemStarRating",
        "kMDItemCity", "kMDItemStateOrProvince", "kMDItemCountry", "kMDItemNamedLocation"};
    // clang-format on
    return keys;
}

}  // namespace

bool ImageMetaData::supplies(const QString &key) const { return imageKeys().contains(key); }

MetaDataSource::Values ImageMetaData::read(const QByteArray &nativePath) const {
    return MetaDataParsers::parse(MetaDataParsers::Kind::Image, nativePath, QMimeType());
}
