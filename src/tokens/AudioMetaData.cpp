#include "tokens/AudioMetaData.h"

#include <QSet>

#include "tokens/MetaDataParsers.h"

namespace {

const QSet<QString> &audioKeys() {
    // clang-format off
    static const QSet<QString> keys{
        "kMDItemTitle", "kMDItemAlbum", "kMDItemAuthors", "kMDItemComposer", "kMDItemLyricist",
        "kMDItemMusicalGenre", "kMDItemAudioTrackNumber", "kMDItemRecordingYear",
        "kMDItemRecordingDate", "kMDItemDurationSeconds", "kMDItemAudioBitRate",
        "kMDItemAudioSampleRate", "kMDItemAudioChannelCount", "kMDItemTotalBitRate",
        "kMDItemAudioEncodingApplication", "kMDItemTempo", "kMDItemKeySignature",
        "kMDItemCopyright", "kMDItemComment"};
    // clang-format on
    return keys;
}

}  // namespace

bool AudioMetaData::supplies(const QString &key) const { return audioKeys().contains(key); }

MetaDataSource::Values AudioMetaData::read(const QByteArray &nativePath) const {
    return MetaDataParsers::parse(MetaDataParsers::Kind::Audio, nativePath, type_);
}
