#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/asffile.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/mp4file.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/tdebuglistener.h>
#include <taglib/tpropertymap.h>
#include <taglib/trueaudiofile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>

#include "parsers/Parsers.h"
#include "tokens/AudioMetaData.h"

namespace {

// TagLib's remarks about odd files would fill standard error during a scan.
class SilentListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String &) override {}
};

void silenceTagLib() {
    static SilentListener listener;
    static const bool done = [] {
        TagLib::setDebugListener(&listener);
        return true;
    }();
    Q_UNUSED(done);
}

QStringList texts(const TagLib::PropertyMap &tags, const char *name) {
    QStringList result;
    const auto found = tags.find(name);
    if (found == tags.end()) return result;
    for (const TagLib::String &entry : found->second) {
        const QString text = QString::fromStdString(entry.to8Bit(true)).trimmed();
        if (!text.isEmpty()) result.append(text);
    }
    return result;
}

// Property names in order of preference; the first present fills the attribute.
struct TagAttribute {
    const char *key;
    bool multiple;
    std::initializer_list<const char *> names;
};

const TagAttribute tagAttributes[] = {
    {"kMDItemTitle", false, {"TITLE"}},
    {"kMDItemAlbum", false, {"ALBUM"}},
    {"kMDItemAuthors", true, {"ARTIST", "ARTISTS"}},
    {"kMDItemComposer", false, {"COMPOSER"}},
    {"kMDItemLyricist", false, {"LYRICIST"}},
    {"kMDItemMusicalGenre", false, {"GENRE"}},
    {"kMDItemKeySignature", false, {"INITIALKEY"}},
    {"kMDItemCopyright", false, {"COPYRIGHT"}},
    {"kMDItemComment", false, {"COMMENT"}},
    {"kMDItemAudioEncodingApplication", false, {"ENCODING", "ENCODEDBY", "ENCODER"}},
};

template <typename Format>
TagLib::File *openAs(const char *path) {
    return new Format(path, true, TagLib::AudioProperties::Average);
}

struct Format {
    const char *mimeType;
    TagLib::File *(*open)(const char *path);
};

const Format formats[] = {
    {"audio/mpeg", &openAs<TagLib::MPEG::File>},
    {"audio/flac", &openAs<TagLib::FLAC::File>},
    {"audio/x-flac+ogg", &openAs<TagLib::Ogg::FLAC::File>},
    {"audio/x-vorbis+ogg", &openAs<TagLib::Ogg::Vorbis::File>},
    {"audio/x-opus+ogg", &openAs<TagLib::Ogg::Opus::File>},
    {"audio/x-speex+ogg", &openAs<TagLib::Ogg::Speex::File>},
    {"audio/x-wav", &openAs<TagLib::RIFF::WAV::File>},
    {"audio/vnd.wave", &openAs<TagLib::RIFF::WAV::File>},
    {"audio/x-aiff", &openAs<TagLib::RIFF::AIFF::File>},
    {"audio/mp4", &openAs<TagLib::MP4::File>},
    {"audio/x-m4a", &openAs<TagLib::MP4::File>},
    {"audio/x-ms-wma", &openAs<TagLib::ASF::File>},
    {"audio/x-ape", &openAs<TagLib::APE::File>},
    {"audio/x-musepack", &openAs<TagLib::MPC::File>},
    {"audio/x-wavpack", &openAs<TagLib::WavPack::File>},
    {"audio/x-tta", &openAs<TagLib::TrueAudio::File>},
};

// By the MIME type where TagLib knows it, else by the file's extension.
TagLib::FileRef openFile(const QMimeType &type, const char *path) {
    for (const Format &format : formats) {
        const QString name = QString::fromLatin1(format.mimeType);
        if (type.name() == name || type.aliases().contains(name))
            return TagLib::FileRef(format.open(path));
    }
    return TagLib::FileRef(path, true, TagLib::AudioProperties::Average);
}

void readTexts(const TagLib::PropertyMap &tags, MetaDataSource::Values *values) {
    for (const TagAttribute &attribute : tagAttributes) {
        for (const char *name : attribute.names) {
            QStringList found = texts(tags, name);
            if (found.isEmpty()) continue;
            if (!attribute.multiple) found = found.mid(0, 1);
            values->insert(QString::fromLatin1(attribute.key), textValues(found));
            break;
        }
    }
}

void readNumbers(const TagLib::PropertyMap &tags, MetaDataSource::Values *values) {
    const QString track = texts(tags, "TRACKNUMBER").value(0);
    if (const auto number = AudioMetaData::leadingNumber(track))
        values->insert("kMDItemAudioTrackNumber", *number);
    const QString date = texts(tags, "DATE").value(0);
    if (const auto year = AudioMetaData::leadingNumber(date))
        values->insert("kMDItemRecordingYear", *year);
    const QDateTime recorded = AudioMetaData::recordingDate(date);
    if (recorded.isValid()) values->insert("kMDItemRecordingDate", recorded);
    bool isNumber = false;
    const double tempo = texts(tags, "BPM").value(0).toDouble(&isNumber);
    if (isNumber && tempo > 0) values->insert("kMDItemTempo", tempo);
}

void readStream(const TagLib::AudioProperties &stream, MetaDataSource::Values *values) {
    if (stream.lengthInMilliseconds() > 0)
        values->insert("kMDItemDurationSeconds", stream.lengthInMilliseconds() / 1000.0);
    // TagLib counts kilobits; the attribute counts bits.
    if (stream.bitrate() > 0) {
        values->insert("kMDItemAudioBitRate", qint64(stream.bitrate()) * 1000);
        values->insert("kMDItemTotalBitRate", qint64(stream.bitrate()) * 1000);
    }
    if (stream.sampleRate() > 0) values->insert("kMDItemAudioSampleRate", stream.sampleRate());
    if (stream.channels() > 0) values->insert("kMDItemAudioChannelCount", stream.channels());
}

}  // namespace

MetaDataSource::Values Parsers::audio(const QByteArray &nativePath, const QMimeType &type) {
    silenceTagLib();
    MetaDataSource::Values values;
    try {
        const TagLib::FileRef file = openFile(type, nativePath.constData());
        if (file.isNull() || !file.file() || !file.file()->isValid()) return values;
        const TagLib::PropertyMap tags = file.file()->properties();
        readTexts(tags, &values);
        readNumbers(tags, &values);
        if (const TagLib::AudioProperties *stream = file.audioProperties())
            readStream(*stream, &values);
    } catch (...) {
        // An absurd size in a malformed file can exhaust memory; the file then has no values.
    }
    return values;
}
