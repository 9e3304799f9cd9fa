#include <gtest/gtest.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <QFile>
#include <QtEndian>

#include "MetaDataStoreFixture.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "tokens/AudioMetaData.h"
#include "tokens/FileMetaDataStore.h"

namespace {

// A RIFF WAVE file of 16-bit stereo silence.
QByteArray silentWave(int sampleRate, int seconds) {
    const quint32 dataSize = quint32(sampleRate) * 4 * quint32(seconds);
    QByteArray wave;
    const auto put32 = [&](quint32 n) {
        char bytes[4];
        qToLittleEndian(n, bytes);
        wave.append(bytes, 4);
    };
    const auto put16 = [&](quint16 n) {
        char bytes[2];
        qToLittleEndian(n, bytes);
        wave.append(bytes, 2);
    };
    wave.append("RIFF");
    put32(36 + dataSize);
    wave.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(2);
    put32(quint32(sampleRate));
    put32(quint32(sampleRate) * 4);
    put16(4);
    put16(16);
    wave.append("data");
    put32(dataSize);
    return wave + QByteArray(qsizetype(dataSize), '\0');
}

class AudioMetaDataTest : public MetaDataStoreFixture {};

}  // namespace

TEST_F(AudioMetaDataTest, TagsAndStreamOfASoundFile) {
    const QString path = dir.makeFile("song.wav", silentWave(8000, 2));
    {
        TagLib::FileRef file(QFile::encodeName(path).constData());
        ASSERT_FALSE(file.isNull());
        TagLib::PropertyMap tags;
        tags.insert("TITLE", TagLib::StringList(TagLib::String("Zwölf", TagLib::String::UTF8)));
        TagLib::StringList artists;
        artists.append("Ann");
        artists.append("Bob");
        tags.insert("ARTIST", artists);
        tags.insert("TRACKNUMBER", TagLib::StringList("7/12"));
        tags.insert("DATE", TagLib::StringList("2019-05-01"));
        tags.insert("GENRE", TagLib::StringList("Ambient"));
        file.file()->setProperties(tags);
        ASSERT_TRUE(file.save());
    }
    const MetaDataItemPtr item = store.createItem(path);
    ASSERT_NE(item, nullptr);

    EXPECT_TRUE(value(item, "kMDItemContentType").toString().startsWith("audio/"));
    EXPECT_EQ(value(item, "kMDItemTitle").toString(), "Zwölf");
    EXPECT_EQ(value(item, "kMDItemAuthors"), QVariant(QVariantList{"Ann", "Bob"}));
    EXPECT_EQ(value(item, "kMDItemAudioTrackNumber"), QVariant(qint64(7)));
    EXPECT_EQ(value(item, "kMDItemRecordingYear"), QVariant(qint64(2019)));
    EXPECT_EQ(value(item, "kMDItemRecordingDate").toDateTime(),
              QDateTime(QDate(2019, 5, 1), QTime(0, 0)));
    EXPECT_EQ(value(item, "kMDItemMusicalGenre").toString(), "Ambient");
    EXPECT_DOUBLE_EQ(value(item, "kMDItemDurationSeconds").toDouble(), 2.0);
    EXPECT_EQ(value(item, "kMDItemAudioSampleRate").toLongLong(), 8000);
    EXPECT_EQ(value(item, "kMDItemAudioChannelCount").toLongLong(), 2);
    EXPECT_EQ(value(item, "kMDItemAudioBitRate").toLongLong(), 256000);
    // What TagLib does not tell, the stream reader does.
    EXPECT_EQ(value(item, "kMDItemMediaTypes"), QVariant(QVariantList{"Sound"}));
    EXPECT_EQ(value(item, "kMDItemCodecs"), QVariant(QVariantList{"pcm_s16le"}));
    EXPECT_FALSE(value(item, "kMDItemComposer").isValid());
    EXPECT_FALSE(value(item, "kMDItemPixelWidth").isValid());

    // Without its extension the file is known by its content.
    const QString bare = dir.filePath("song");
    ASSERT_TRUE(QFile::copy(path, bare));
    EXPECT_EQ(value(store.createItem(bare), "kMDItemTitle").toString(), "Zwölf");
}

TEST_F(AudioMetaDataTest, MalformedSoundFilesHaveNoValues) {
    QByteArray badFrames;
    // MPEG frame headers with reserved bit rates and sample rates, and an ID3 tag that claims
    // far more bytes than there are.
    for (int i = 0; i < 64; ++i) badFrames.append(QByteArray::fromHex("fffbfc00") + "xxxx");
    const QByteArray badTag = QByteArray::fromHex("4944330300007f7f7f7f") + "TIT2";
    for (const QByteArray &content :
         {badFrames, badTag, QByteArray(), silentWave(8000, 1).left(30)}) {
        const QString path = dir.makeFile("broken.mp3", content);
        const MetaDataItemPtr item = store.createItem(path);
        ASSERT_NE(item, nullptr);
        EXPECT_FALSE(value(item, "kMDItemTitle").isValid());
        EXPECT_FALSE(value(item, "kMDItemAudioTrackNumber").isValid());
        EXPECT_FALSE(value(item, "kMDItemAuthors").isValid());
    }
}

TEST(AudioTagTextTest, NumbersAndDatesInTags) {
    EXPECT_EQ(AudioMetaData::leadingNumber("7/12"), 7);
    EXPECT_EQ(AudioMetaData::leadingNumber(" 2019-05-01"), 2019);
    EXPECT_EQ(AudioMetaData::leadingNumber("side A"), std::nullopt);
    EXPECT_EQ(AudioMetaData::recordingDate("2019-05-01T13:45").toString(Qt::ISODate),
              "2019-05-01T13:45:00");
    EXPECT_FALSE(AudioMetaData::recordingDate("2019").isValid());
    EXPECT_FALSE(AudioMetaData::recordingDate("2019-05").isValid());
    EXPECT_FALSE(AudioMetaData::recordingDate("2019-13-40").isValid());
}
