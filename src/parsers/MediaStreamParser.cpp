#include "parsers/Parsers.h"
#include "tokens/MetaDataSource.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
}

#include <QDateTime>
#include <memory>

namespace {

// libav reports every damaged packet on standard error; a renamer reads thousands of files.
void quietenLibav() {
    static const bool done = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    Q_UNUSED(done);
}

struct ContextCloser {
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
using Context = std::unique_ptr<AVFormatContext, ContextCloser>;

// "file:" keeps a name with a colon from being taken for another protocol; the whitelist
// keeps playlists and concatenation lists from opening other files or the network.
Context open(const QByteArray &nativePath) {
    AVFormatContext *context = nullptr;
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray url = "file:" + nativePath;
    const int result = avformat_open_input(&context, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0) return Context();
    Context opened(context);
    if (avformat_find_stream_info(context, nullptr) < 0) return Context();
    return opened;
}

QString tag(const AVDictionary *tags, const char *name) {
    const AVDictionaryEntry *entry = av_dict_get(tags, name, nullptr, 0);
    return entry && entry->value ? QString::fromUtf8(entry->value).trimmed() : QString();
}

void readTags(const AVDictionary *tags, MetaDataSource::Values *values) {
    putText(values, "kMDItemTitle", tag(tags, "title"));
    const QString artist = tag(tags, "artist");
    putText(values, "kMDItemAuthors", artist.isEmpty() ? tag(tags, "author") : artist);
    putText(values, "kMDItemAlbum", tag(tags, "album"));
    putText(values, "kMDItemGenre", tag(tags, "genre"));
    putText(values, "kMDItemCopyright", tag(tags, "copyright"));
    putText(values, "kMDItemComment", tag(tags, "comment"));
    const QDateTime created = QDateTime::fromString(tag(tags, "creation_time"), Qt::ISODate);
    if (created.isValid()) values->insert("kMDItemContentCreationDate", created);
}

QString mediaTypeName(AVMediaType type) {
    switch (type) {
        case AVMEDIA_TYPE_VIDEO:
            return QStringLiteral("Video");
        case AVMEDIA_TYPE_AUDIO:
            return QStringLiteral("Sound");
        case AVMEDIA_TYPE_SUBTITLE:
            return QStringLiteral("Text");
        default:
            return QString();
    }
}

void appendOnce(QVariantList *list, const QString &text) {
    if (!text.isEmpty() && !list->contains(text)) list->append(text);
}

// The first video and the first audio stream describe the file; cover pictures are no video.
void readStreams(const AVFormatContext &context, MetaDataSource::Values *values) {
    QVariantList codecs, mediaTypes;
    const AVCodecParameters *video = nullptr, *audio = nullptr;
    for (unsigned i = 0; i < context.nb_streams; ++i) {
        const AVStream *stream = context.streams[i];
        if (!stream || !stream->codecpar || (stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            continue;
        const AVCodecParameters *parameters = stream->codecpar;
        if (parameters->codec_id != AV_CODEC_ID_NONE)
            appendOnce(&codecs, QString::fromLatin1(avcodec_get_name(parameters->codec_id)));
        appendOnce(&mediaTypes, mediaTypeName(parameters->codec_type));
        if (parameters->codec_type == AVMEDIA_TYPE_VIDEO && !video) video = parameters;
        if (parameters->codec_type == AVMEDIA_TYPE_AUDIO && !audio) audio = parameters;
    }
    if (!codecs.isEmpty()) values->insert("kMDItemCodecs", codecs);
    if (!mediaTypes.isEmpty()) values->insert("kMDItemMediaTypes", mediaTypes);
    if (video && video->width > 0 && video->height > 0) {
        values->insert("kMDItemPixelWidth", qint64(video->width));
        values->insert("kMDItemPixelHeight", qint64(video->height));
        values->insert("kMDItemPixelCount", qint64(video->width) * video->height);
    }
    if (video && video->bit_rate > 0)
        values->insert("kMDItemVideoBitRate", qint64(video->bit_rate));
    if (audio && audio->bit_rate > 0)
        values->insert("kMDItemAudioBitRate", qint64(audio->bit_rate));
    if (audio && audio->sample_rate > 0)
        values->insert("kMDItemAudioSampleRate", qint64(audio->sample_rate));
    if (audio && audio->ch_layout.nb_channels > 0)
        values->insert("kMDItemAudioChannelCount", qint64(audio->ch_layout.nb_channels));
}

}  // namespace

MetaDataSource::Values Parsers::mediaStream(const QByteArray &nativePath) {
    quietenLibav();
    MetaDataSource::Values values;
    const Context context = open(nativePath);
    if (!context) return values;
    if (context->duration > 0)
        values.insert("kMDItemDurationSeconds", double(context->duration) / AV_TIME_BASE);
    if (context->bit_rate > 0) values.insert("kMDItemTotalBitRate", qint64(context->bit_rate));
    readStreams(*context, &values);
    readTags(context->metadata, &values);
    return values;
}
