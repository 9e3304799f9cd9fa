#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include <QFile>

#include "MetaDataStoreFixture.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "tokens/FileMetaDataStore.h"
#include "tokens/MediaStreamMetaData.h"

namespace {

constexpr int frameWidth = 16;
constexpr int frameHeight = 8;
constexpr int sampleRate = 8000;

AVStream *addVideo(AVFormatContext *output) {
    AVStream *stream = avformat_new_stream(output, nullptr);
    stream->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    stream->codecpar->codec_id = AV_CODEC_ID_RAWVIDEO;
    stream->codecpar->format = AV_PIX_FMT_YUV420P;
    stream->codecpar->width = frameWidth;
    stream->codecpar->height = frameHeight;
    stream->time_base = {1, 25};
    return stream;
}

AVStream *addSound(AVFormatContext *output) {
    AVStream *stream = avformat_new_stream(output, nullptr);
    stream->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
    stream->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
    stream->codecpar->sample_rate = sampleRate;
    av_channel_layout_default(&stream->codecpar->ch_layout, 1);
    stream->codecpar->bits_per_coded_sample = 16;
    stream->codecpar->block_align = 2;
    stream->codecpar->bit_rate = sampleRate * 16;
    stream->time_base = {1, sampleRate};
    return stream;
}

bool writePacket(AVFormatContext *output, int stream, int size, qint64 time, qint64 duration) {
    AVPacket *packet = av_packet_alloc();
    av_new_packet(packet, size);
    memset(packet->data, 0x80, size_t(size));
    packet->stream_index = stream;
    packet->pts = packet->dts = time;
    packet->duration = duration;
    packet->flags |= AV_PKT_FLAG_KEY;
    const bool written = av_interleaved_write_frame(output, packet) >= 0;
    av_packet_free(&packet);
    return written;
}

// Two seconds of grey raw video and silent sound in an AVI file, with a title and an artist.
bool writeMovie(const QString &path) {
    const QByteArray nativePath = QFile::encodeName(path);
    AVFormatContext *output = nullptr;
    if (avformat_alloc_output_context2(&output, nullptr, "avi", nativePath.constData()) < 0)
        return false;
    const AVStream *video = addVideo(output);
    const AVStream *sound = addSound(output);
    av_dict_set(&output->metadata, "title", "Holiday", 0);
    av_dict_set(&output->metadata, "artist", "Ann", 0);
    bool written = avio_open(&output->pb, nativePath.constData(), AVIO_FLAG_WRITE) >= 0 &&
                   avformat_write_header(output, nullptr) >= 0;
    const int frameSize = frameWidth * frameHeight * 3 / 2;
    for (int second = 0; written && second < 2; ++second) {
        for (int frame = 0; written && frame < 25; ++frame) {
            const qint64 time = second * 25 + frame;
            written = writePacket(output, video->index, frameSize, time, 1) &&
                      writePacket(output, sound->index, 640, time * 320, 320);
        }
    }
    written = written && av_write_trailer(output) >= 0;
    avio_closep(&output->pb);
    avformat_free_context(output);
    return written;
}

class MediaStreamMetaDataTest : public MetaDataStoreFixture {};

}  // namespace

TEST_F(MediaStreamMetaDataTest, StreamsAndTagsOfAMovie) {
    const QString path = dir.filePath("holiday: day one.avi");
    ASSERT_TRUE(writeMovie(path));
    const MetaDataItemPtr item = store.createItem(path);
    ASSERT_NE(item, nullptr);

    EXPECT_TRUE(value(item, "kMDItemContentType").toString().startsWith("video/"));
    EXPECT_NEAR(value(item, "kMDItemDurationSeconds").toDouble(), 2.0, 0.05);
    EXPECT_EQ(value(item, "kMDItemPixelWidth"), QVariant(qint64(frameWidth)));
    EXPECT_EQ(value(item, "kMDItemPixelHeight"), QVariant(qint64(frameHeight)));
    EXPECT_EQ(value(item, "kMDItemMediaTypes"), QVariant(QVariantList{"Video", "Sound"}));
    EXPECT_EQ(value(item, "kMDItemCodecs"), QVariant(QVariantList{"rawvideo", "pcm_s16le"}));
    EXPECT_EQ(value(item, "kMDItemAudioBitRate"), QVariant(qint64(128000)));
    EXPECT_GT(value(item, "kMDItemTotalBitRate").toLongLong(), 128000);
    EXPECT_EQ(value(item, "kMDItemAudioSampleRate"), QVariant(qint64(sampleRate)));
    EXPECT_EQ(value(item, "kMDItemTitle").toString(), "Holiday");
    EXPECT_EQ(value(item, "kMDItemAuthors").toString(), "Ann");
    EXPECT_FALSE(value(item, "kMDItemGenre").isValid());
}

TEST_F(MediaStreamMetaDataTest, MalformedMoviesAndPlaylistsHaveNoValues) {
    const QString movie = dir.filePath("real.avi");
    ASSERT_TRUE(writeMovie(movie));
    QFile movieFile(movie);
    ASSERT_TRUE(movieFile.open(QIODevice::ReadOnly));
    const QByteArray cut = movieFile.read(40);
    // Lists that name other files or addresses describe nothing themselves.
    const QByteArray concatList = "ffconcat version 1.0\nfile '" + QFile::encodeName(movie) + "'\n";
    const QByteArray streamList =
        "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\n"
        "http://127.0.0.1:9/x.ts\n#EXT-X-ENDLIST\n";
    const QByteArray badBox(
        "\0\0\0\x18"
        "ftypmp42\xff\xff\xff\xffmoov",
        20);
    for (const QByteArray &content : {cut, concatList, streamList, badBox, QByteArray()}) {
        const QString path = dir.makeFile("broken.avi", content);
        MediaStreamMetaData source(QFile::encodeName(path));
        EXPECT_FALSE(source.value("kMDItemPixelWidth").isValid()) << content.left(20).data();
        EXPECT_FALSE(source.value("kMDItemDurationSeconds").isValid()) << content.left(20).data();
        const MetaDataItemPtr item = store.createItem(path);
        ASSERT_NE(item, nullptr);
        EXPECT_FALSE(value(item, "kMDItemCodecs").isValid());
    }
}
