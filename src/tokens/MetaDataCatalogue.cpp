#include "tokens/MetaDataCatalogue.h"

#include <cmath>

#include "common/TextCase.h"

namespace {

using Row = MetaDataCatalogue::Row;

constexpr Row kSeparator{};

// The names are translated where they are shown (ZKMetaDataType::localized); the marks let
// the translation tools collect them.
// clang-format off
constexpr Row kNameRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Name"), "name: intermediate: name"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Extension"), "name: intermediate: extension"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", ".Extension"), "name: intermediate: .extension"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Name.Extension"), "name: intermediate: name.extension"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Original Name"), "name: pre-rename: name"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Original Extension"), "name: pre-rename: extension"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Original .Extension"), "name: pre-rename: .extension"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Original Name.Extension"), "name: pre-rename: name.extension"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Original Display Name"), "kMDItemDisplayName"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Common Prefix"), "common prefix: pre-rename"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Name of Parent Folder"), "parent folder: name"},
};

constexpr Row kFileRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "File Creation Date"), "kMDItemFSCreationDate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "File Modification Date"), "kMDItemFSContentChangeDate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Content Creation Date"), "kMDItemContentCreationDate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Content Modification Date"), "kMDItemContentModificationDate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Metadata Modification Date"), "kMDItemAttributeChangeDate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Last Used Date"), "kMDItemLastUsedDate"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Path"), "kMDItemPath"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "URL"), "kMDItemURL"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Bundle Identifier"), "kMDItemCFBundleIdentifier"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Content Type"), "kMDItemContentType"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Size"), "kMDItemFSSize"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Number of Items"), "kMDItemFSNodeCount"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Number of Items in Parent Folder"), "parent folder: number of files"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Tags"), "tags", ZKMetaDataType::kFileTagsFrameworkVersion},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Finder Comment"), "kMDItemFinderComment", 0, QT_TRANSLATE_NOOP("ZKMetaDataType", "Spotlight Comment")},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Generic Comment"), "kMDItemComment"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Info"), "kMDItemInformation"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Label"), "kMDItemFSLabel"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Owner"), "kMDItemFSOwnerUserID"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Group"), "kMDItemFSOwnerGroupID"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Custom Icon"), "kMDItemFSHasCustomIcon"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Extension Hidden"), "kMDItemFSIsExtensionHidden"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Invisible"), "kMDItemFSInvisible"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Stationery"), "kMDItemFSIsStationery"},
};

constexpr Row kImageRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Width"), "kMDItemPixelWidth"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Height"), "kMDItemPixelHeight"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Number of Pixels"), "kMDItemPixelCount"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Color Space"), "kMDItemColorSpace"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Color Profile"), "kMDItemProfileName"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Bits per Sample"), "kMDItemBitsPerSample"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Layer Names"), "kMDItemLayerNames"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Alpha Channel"), "kMDItemHasAlphaChannel"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Aperture"), "kMDItemAperture"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Exposure Mode"), "kMDItemExposureMode"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Exposure Program"), "kMDItemExposureProgram"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Exposure Time in Seconds"), "kMDItemExposureTimeSeconds"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Exposure Time"), "kMDItemExposureTimeString"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Flash On/Off"), "kMDItemFlashOnOff"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "F-Number"), "kMDItemFNumber"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Focal Length"), "kMDItemFocalLength"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "ISO Speed"), "kMDItemISOSpeed"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Maximum Aperture"), "kMDItemMaxAperture"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Metering Mode"), "kMDItemMeteringMode"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Orientation"), "kMDItemOrientation"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Red Eye Reduction"), "kMDItemRedEyeOnOff"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Resolution Width"), "kMDItemResolutionWidthDPI"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Resolution Height"), "kMDItemResolutionHeightDPI"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "White Balance"), "kMDItemWhiteBalance"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Timestamp"), "kMDItemTimestamp"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Speed"), "kMDItemSpeed"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Object Direction"), "kMDItemGPSTrack"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Image Direction"), "kMDItemImageDirection"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Make"), "kMDItemAcquisitionMake"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Model"), "kMDItemAcquisitionModel"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "EXIF Version"), "kMDItemEXIFVersion"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "EXIF GPS Version"), "kMDItemEXIFGPSVersion"},
};

constexpr Row kAudioRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Duration"), "kMDItemDurationSeconds"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Title"), "kMDItemTitle"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Track Number"), "kMDItemAudioTrackNumber"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Album"), "kMDItemAlbum"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Artist"), "kMDItemAuthors"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Composer"), "kMDItemComposer"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Lyricist"), "kMDItemLyricist"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Musical Genre"), "kMDItemMusicalGenre"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Key"), "kMDItemKeySignature"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Tempo"), "kMDItemTempo"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Time Signature"), "kMDItemTimeSignature"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Instrument"), "kMDItemMusicalInstrumentName"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Instrument Category"), "kMDItemMusicalInstrumentCategory"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Recording Date"), "kMDItemRecordingDate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Recording Year"), "kMDItemRecordingYear"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Audio Bit Rate"), "kMDItemAudioBitRate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Number of Channels"), "kMDItemAudioChannelCount"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Sample Rate"), "kMDItemAudioSampleRate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Is General MIDI Sequence"), "kMDItemIsGeneralMIDISequence"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Encoding Application"), "kMDItemAudioEncodingApplication"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Loop Info"), "kMDItemAppleLoopDescriptors"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Loop Filter Type"), "kMDItemAppleLoopsKeyFilterType"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Loop Mode"), "kMDItemAppleLoopsLoopMode"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Loop Key"), "kMDItemAppleLoopsRootKey"},
};

constexpr Row kVideoRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Duration"), "kMDItemDurationSeconds"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Performers"), "kMDItemPerformers"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Director"), "kMDItemDirector"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Producer"), "kMDItemProducer"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Genre"), "kMDItemGenre"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Media Types"), "kMDItemMediaTypes"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Codecs"), "kMDItemCodecs"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Audio Bit Rate"), "kMDItemAudioBitRate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Video Bit Rate"), "kMDItemVideoBitRate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Total Bit Rate"), "kMDItemTotalBitRate"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Delivery Type"), "kMDItemDeliveryType"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Streamable"), "kMDItemStreamable"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Original Format"), "kMDItemOriginalFormat"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Original Source"), "kMDItemOriginalSource"},
};

constexpr Row kLocationRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Latitude"), "kMDItemLatitude"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Longitude"), "kMDItemLongitude"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Altitude"), "kMDItemAltitude"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Location"), "kMDItemNamedLocation"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "City"), "kMDItemCity"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "State/Province"), "kMDItemStateOrProvince"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Country"), "kMDItemCountry"},
};

constexpr Row kOtherRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Audiences"), "kMDItemAudiences"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Contributors"), "kMDItemContributors"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Contacts"), "kMDItemContactKeywords"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Participants"), "kMDItemParticipants"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Projects"), "kMDItemProjects"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Publishers"), "kMDItemPublishers"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Recipients"), "kMDItemRecipients"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Subject"), "kMDItemSubject"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Theme"), "kMDItemTheme"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Phone Numbers"), "kMDItemPhoneNumbers"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Instant Message Addresses"), "kMDItemInstantMessageAddresses"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Email Addresses"), "kMDItemEmailAddresses"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Author Addresses"), "kMDItemAuthorAddresses"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Author Email Addresses"), "kMDItemAuthorEmailAddresses"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Recipient Addresses"), "kMDItemRecipientAddresses"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Recipient Email Addresses"), "kMDItemRecipientEmailAddresses"},
    kSeparator,
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Copyright"), "kMDItemCopyright"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Coverage"), "kMDItemCoverage"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Creator Application"), "kMDItemCreator"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Description"), "kMDItemDescription"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Due Date"), "kMDItemDueDate"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Encoding Applications"), "kMDItemEncodingApplications"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Fonts"), "kMDItemFonts"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Headline"), "kMDItemHeadline"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Identifier"), "kMDItemIdentifier"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Instructions"), "kMDItemInstructions"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Keywords"), "kMDItemKeywords"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Kind"), "kMDItemKind"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Languages"), "kMDItemLanguages"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Number of Pages"), "kMDItemNumberOfPages"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Organizations"), "kMDItemOrganizations"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Page Width"), "kMDItemPageWidth"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Page Height"), "kMDItemPageHeight"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Rating"), "kMDItemStarRating"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Rights"), "kMDItemRights"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Security"), "kMDItemSecurityMethod"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Source"), "kMDItemWhereFroms"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Text Content"), "kMDItemTextContent"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Version"), "kMDItemVersion"},
};

constexpr Row kMiscellanyRows[] = {
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Total Number of Items"), "file list: number of files"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Current Date"), "current date"},
    {QT_TRANSLATE_NOOP("ZKMetaDataType", "Random Characters"), "random characters"},
};
// clang-format on

}  // namespace

const MetaDataCatalogue &MetaDataCatalogue::shared() {
    static const MetaDataCatalogue catalogue(ZKMetaDataType::kRunningFrameworkVersion);
    return catalogue;
}

MetaDataCatalogue::MetaDataCatalogue(double frameworkVersion)
    : frameworkVersion_(frameworkVersion) {
    addCategory(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Name")), kNameRows);
    addHeader(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Metadata")));
    addCategory(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "File")), kFileRows);
    addCategory(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Image")), kImageRows);
    addCategory(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Audio")), kAudioRows);
    addCategory(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Video")), kVideoRows);
    addCategory(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Location")), kLocationRows);
    addCategory(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Other")), kOtherRows);
    addHeader(QStringLiteral(QT_TRANSLATE_NOOP("ZKMetaDataType", "Miscellany")));
    for (const Row &row : kMiscellanyRows) addType(row);
}

void MetaDataCatalogue::addCategory(const QString &title, std::span<const Row> rows) {
    MetaDataCatalogueEntry entry;
    entry.kind = MetaDataCatalogueEntry::Kind::Category;
    entry.title = title;
    for (const Row &row : rows) entry.types.append(row.identifier ? metaDataType(row) : nullptr);
    entries_.append(entry);
}

void MetaDataCatalogue::addHeader(const QString &title) {
    MetaDataCatalogueEntry entry;
    entry.kind = MetaDataCatalogueEntry::Kind::Header;
    entry.title = title;
    entries_.append(entry);
}

void MetaDataCatalogue::addType(const Row &row) {
    MetaDataCatalogueEntry entry;
    entry.kind = MetaDataCatalogueEntry::Kind::Type;
    entry.type = metaDataType(row);
    entries_.append(entry);
}

const ZKMetaDataType *MetaDataCatalogue::metaDataType(const Row &row) {
    const ZKMetaDataType &type = types_.emplace_back(QString::fromLatin1(row.identifier),
                                                     displayNameOfRow(row), row.threshold);
    displayNamesByType_.insert(type.type(), type.displayName());
    typesByLowercaseDisplayName_.insert(TextCase::lower(type.displayName()), type.type());
    return &type;
}

QString MetaDataCatalogue::displayNameOfRow(const Row &row) const {
    const bool hasFileTags =
        std::floor(frameworkVersion_) > ZKMetaDataType::kFileTagsFrameworkVersion;
    const char *name = row.displayName;
    if (!hasFileTags && row.displayNameWithoutFileTags) name = row.displayNameWithoutFileTags;
    return name ? QString::fromLatin1(name) : QString();
}
