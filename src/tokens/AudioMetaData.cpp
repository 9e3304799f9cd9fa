#include "tokens/AudioMetaData.h"

#include <taglib/fileref.h>
#include <taglib/tdebuglistener.h>
#include <taglib/tpropertymap.h>

#include <QRegularExpression>
#include <QSet>

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

std::optional<qint64> AudioMetaData::leadingNumber(const QString &text) {
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,18})"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toLongLong();
}

QDateTime AudioMetaData::recordingDate(const QString &text) {
    static const QRegularExpression fullDate(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}(?:[T ]\\d{2}:\\d{2}(?::\\d{2})?)?$"));
    if (!fullDate.match(text.trimmed()).hasMatch()) return QDateTime();
    QString iso = text.trimmed();
    iso.replace(u' ', u'T');
    return QDateTime::fromString(iso, Qt::ISODate);
}

bool AudioMetaData::supplies(const QString &key) const { return audioKeys().contains(key); }

MetaDataSource::Values AudioMetaData::read(const QByteArray &nativePath) const {
    silenceTagLib();
    Values values;
    try {
        const TagLib::FileRef file(nativePath.constData(), true, TagLib::AudioProperties::Average);
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
