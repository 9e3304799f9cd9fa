#include "tokens/MetaDataCatalogue.h"

#include <cmath>

#include "common/TextCase.h"

namespace {

using Row = MetaDataCatalogue::Row;

constexpr Row kSeparator{};

// clang-format off
constexpr Row kNameRows[] = {
    {"Name", "name: intermediate: name"},
    {"Extension", "name: intermediate: extension"},
    {".Extension", "name: intermediate: .extension"},
    {"Name.Extension", "name: intermediate: name.extension"},
    kSeparator,
    {"Original Name", "name: pre-rename: name"},
    {"Original Extension", "name: pre-rename: extension"},
    {"Original .Extension", "name: pre-rename: .extension"},
    {"Original Name.Extension", "name: pre-rename: name.extension"},
    {"Original Display Name", "kMDItemDisplayName"},
    kSeparator,
    {"Common Prefix", "common prefix: pre-rename"},
    {"Name of Parent Folder", "parent folder: name"},
};

constexpr Row kFileRows[] = {
    {"File Creation Date", "kMDItemFSCreationDate"},
    {"File Modification Date", "kMDItemFSContentChangeDate"},
    {"Content Creation Date", "kMDItemContentCreationDate"},
    {"Content Modification Date", "kMDItemContentModificationDate"},
    {"Metadata Modification Date", "kMDItemAttributeChangeDate"},
    {"Last Used Date", "kMDItemLastUsedDate"},
    kSeparator,
    {"Path", "kMDItemPath"},
    {"URL", "kMDItemURL"},
    {"Bundle Identifier", "kMDItemCFBundleIdentifier"},
    kSeparator,
    {"Content Type", "kMDItemContentType"},
    {"Size", "kMDItemFSSize"},
    {"Number of Items", "kMDItemFSNodeCount"},
    {"Number of Items in Parent Folder", "parent folder: number of files"},
    kSeparator,
    {"Tags", "tags", ZKMetaDataType::kFileTagsFrameworkVersion},
    {"Finder Comment", "kMDItemFinderComment", 0, "Spotlight Comment"},
    {"Generic Comment", "kMDItemComment"},
    {"Info", "kMDItemInformation"},
    {"Label", "kMDItemFSLabel"},
    kSeparator,
    {"Owner", "kMDItemFSOwnerUserID"},
    {"Group", "kMDItemFSOwnerGroupID"},
    kSeparator,
    {"Custom Icon", "kMDItemFSHasCustomIcon"},
    {"Extension Hidden", "kMDItemFSIsExtensionHidden"},
    {"Invisible", "kMDItemFSInvisible"},
    {"Stationery", "kMDItemFSIsStationery"},
};

constexpr Row kImageRows[] = {
    {"Width", "kMDItemPixelWidth"},
    {"Height", "kMDItemPixelHeight"},
    {"Number of Pixels", "kMDItemPixelCount"},
    kSeparator,
    {"Color Space", "kMDItemColorSpace"},
    {"Color Profile", "kMDItemProfileName"},
    {"Bits per Sample", "kMDItemBitsPerSample"},
    {"Layer Names", "kMDItemLayerNames"},
    {"Alpha Channel", "kMDItemHasAlphaChannel"},
    kSeparator,
    {"Aperture", "kMDItemAperture"},
    {"Exposure Mode", "kMDItemExposureMode"},
    {"Exposure Program", "kMDItemExposureProgram"},
    {"Exposure Time in Seconds", "kMDItemExposureTimeSeconds"},
    {"Exposure Time", "kMDItemExposureTimeString"},
    {"Flash On/Off", "kMDItemFlashOnOff"},
    {"F-Number", "kMDItemFNumber"},
    {"Focal Length", "kMDItemFocalLength"},
    {"ISO Speed", "kMDItemISOSpeed"},
    {"Maximum Aperture", "kMDItemMaxAperture"},
    {"Metering Mode", "kMDItemMeteringMode"},
    {"Orientation", "kMDItemOrientation"},
    {"Red Eye Reduction", "kMDItemRedEyeOnOff"},
    {"Resolution Width", "kMDItemResolutionWidthDPI"},
    {"Resolution Height", "kMDItemResolutionHeightDPI"},
    {"White Balance", "kMDItemWhiteBalance"},
    kSeparator,
    {"Timestamp", "kMDItemTimestamp"},
    {"Speed", "kMDItemSpeed"},
    {"Object Direction", "kMDItemGPSTrack"},
    {"Image Direction", "kMDItemImageDirection"},
    kSeparator,
    {"Make", "kMDItemAcquisitionMake"},
    {"Model", "kMDItemAcquisitionModel"},
    {"EXIF Version", "kMDItemEXIFVersion"},
    {"EXIF GPS Version", "kMDItemEXIFGPSVersion"},
};

constexpr Row kAudioRows[] = {
    {"Duration", "kMDItemDurationSeconds"},
    kSeparator,
    {"Title", "kMDItemTitle"},
    {"Track Number", "kMDItemAudioTrackNumber"},
    {"Album", "kMDItemAlbum"},
    {"Artist", "kMDItemAuthors"},
    {"Composer", "kMDItemComposer"},
    {"Lyricist", "kMDItemLyricist"},
    {"Musical Genre", "kMDItemMusicalGenre"},
    kSeparator,
    {"Key", "kMDItemKeySignature"},
    {"Tempo", "kMDItemTempo"},
    {"Time Signature", "kMDItemTimeSignature"},
    {"Instrument", "kMDItemMusicalInstrumentName"},
    {"Instrument Category", "kMDItemMusicalInstrumentCategory"},
    kSeparator,
    {"Recording Date", "kMDItemRecordingDate"},
    {"Recording Year", "kMDItemRecordingYear"},
    kSeparator,
    {"Audio Bit Rate", "kMDItemAudioBitRate"},
    {"Number of Channels", "kMDItemAudioChannelCount"},
    {"Sample Rate", "kMDItemAudioSampleRate"},
    {"Is General MIDI Sequence", "kMDItemIsGeneralMIDISequence"},
    {"Encoding Application", "kMDItemAudioEncodingApplication"},
    kSeparator,
    {"Loop Info", "kMDItemAppleLoopDescriptors"},
    {"Loop Filter Type", "kMDItemAppleLoopsKeyFilterType"},
    {"Loop Mode", "kMDItemAppleLoopsLoopMode"},
    {"Loop Key", "kMDItemAppleLoopsRootKey"},
};

constexpr Row kVideoRows[] = {
    {"Duration", "kMDItemDurationSeconds"},
    kSeparator,
    {"Performers", "kMDItemPerformers"},
    {"Director", "kMDItemDirector"},
    {"Producer", "kMDItemProducer"},
    {"Genre", "kMDItemGenre"},
    kSeparator,
    {"Media Types", "kMDItemMediaTypes"},
    {"Codecs", "kMDItemCodecs"},
    kSeparator,
    {"Audio Bit Rate", "kMDItemAudioBitRate"},
    {"Video Bit Rate", "kMDItemVideoBitRate"},
    {"Total Bit Rate", "kMDItemTotalBitRate"},
    kSeparator,
    {"Delivery Type", "kMDItemDeliveryType"},
    {"Streamable", "kMDItemStreamable"},
    {"Original Format", "kMDItemOriginalFormat"},
    {"Original Source", "kMDItemOriginalSource"},
};

constexpr Row kLocationRows[] = {
    {"Latitude", "kMDItemLatitude"},
    {"Longitude", "kMDItemLongitude"},
    {"Altitude", "kMDItemAltitude"},
    kSeparator,
    {"Location", "kMDItemNamedLocation"},
    {"City", "kMDItemCity"},
    {"State/Province", "kMDItemStateOrProvince"},
    {"Country", "kMDItemCountry"},
};

constexpr Row kOtherRows[] = {
    {"Audiences", "kMDItemAudiences"},
    {"Contributors", "kMDItemContributors"},
    {"Contacts", "kMDItemContactKeywords"},
    {"Participants", "kMDItemParticipants"},
    {"Projects", "kMDItemProjects"},
    {"Publishers", "kMDItemPublishers"},
    {"Recipients", "kMDItemRecipients"},
    {"Subject", "kMDItemSubject"},
    {"Theme", "kMDItemTheme"},
    kSeparator,
    {"Phone Numbers", "kMDItemPhoneNumbers"},
    {"Instant Message Addresses", "kMDItemInstantMessageAddresses"},
    {"Email Addresses", "kMDItemEmailAddresses"},
    {"Author Addresses", "kMDItemAuthorAddresses"},
    {"Author Email Addresses", "kMDItemAuthorEmailAddresses"},
    {"Recipient Addresses", "kMDItemRecipientAddresses"},
    {"Recipient Email Addresses", "kMDItemRecipientEmailAddresses"},
    kSeparator,
    {"Copyright", "kMDItemCopyright"},
    {"Coverage", "kMDItemCoverage"},
    {"Creator Application", "kMDItemCreator"},
    {"Description", "kMDItemDescription"},
    {"Due Date", "kMDItemDueDate"},
    {"Encoding Applications", "kMDItemEncodingApplications"},
    {"Fonts", "kMDItemFonts"},
    {"Headline", "kMDItemHeadline"},
    {"Identifier", "kMDItemIdentifier"},
    {"Instructions", "kMDItemInstructions"},
    {"Keywords", "kMDItemKeywords"},
    {"Kind", "kMDItemKind"},
    {"Languages", "kMDItemLanguages"},
    {"Number of Pages", "kMDItemNumberOfPages"},
    {"Organizations", "kMDItemOrganizations"},
    {"Page Width", "kMDItemPageWidth"},
    {"Page Height", "kMDItemPageHeight"},
    {"Rating", "kMDItemStarRating"},
    {"Rights", "kMDItemRights"},
    {"Security", "kMDItemSecurityMethod"},
    {"Source", "kMDItemWhereFroms"},
    {"Text Content", "kMDItemTextContent"},
    {"Version", "kMDItemVersion"},
};

constexpr Row kMiscellanyRows[] = {
    {"Total Number of Items", "file list: number of files"},
    {"Current Date", "current date"},
    {"Random Characters", "random characters"},
};
// clang-format on

}  // namespace

const MetaDataCatalogue &MetaDataCatalogue::shared() {
    static const MetaDataCatalogue catalogue(ZKMetaDataType::kRunningFrameworkVersion);
    return catalogue;
}

MetaDataCatalogue::MetaDataCatalogue(double frameworkVersion)
    : frameworkVersion_(frameworkVersion) {
    addCategory(QStringLiteral("Name"), kNameRows);
    addHeader(QStringLiteral("Metadata"));
    addCategory(QStringLiteral("File"), kFileRows);
    addCategory(QStringLiteral("Image"), kImageRows);
    addCategory(QStringLiteral("Audio"), kAudioRows);
    addCategory(QStringLiteral("Video"), kVideoRows);
    addCategory(QStringLiteral("Location"), kLocationRows);
    addCategory(QStringLiteral("Other"), kOtherRows);
    addHeader(QStringLiteral("Miscellany"));
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
