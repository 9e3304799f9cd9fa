#include "tokens/MediaStreamMetaData.h"

#include <QSet>

#include "tokens/MetaDataParsers.h"

namespace {

const QSet<QString> &mediaKeys() {
    // clang-format off
    static const QSet<QString> keys{
        "kMDItemDurationSeconds", "kMDItemPixelWidth", "kMDItemPixelHeight",
        "kMDItemPixelCount", "kMDItemCodecs", "kMDItemMediaTypes", "kMDItemVideoBitRate",
        "kMDItemAudioBitRate", "kMDItemTotalBitRate", "kMDItemAudioSampleRate",
        "kMDItemAudioChannelCount", "kMDItemTitle", "kMDItemAuthors", "kMDItemAlbum",
        "kMDItemGenre", "kMDItemCopyright", "kMDItemComment", "kMDItemContentCreationDate"};
    // clang-format on
    return keys;
}

}  // namespace

bool MediaStreamMetaData::supplies(const QString &key) const { return mediaKeys().contains(key); }

MetaDataSource::Values MediaStreamMetaData::read(const QByteArray &nativePath) const {
    return MetaDataParsers::parse(MetaDataParsers::Kind::MediaStream, nativePath, QMimeType());
}
