#pragma once

#include <QDateTime>
#include <QMimeType>

#include "tokens/MetaDataSource.h"

// Attributes of a sound file read with TagLib: its tags (title, album, artists, composer,
// genre, track, date, tempo, key, copyright, comment, encoder) and its stream (duration, bit
// rate in bits per second, sample rate, channels). The format is the one of the file's MIME
// type, so that a file without its extension is read too; a file TagLib cannot read has none.
class AudioMetaData : public MetaDataSource {
public:
    AudioMetaData(const QByteArray &nativePath, const QMimeType &type)
        : MetaDataSource(nativePath), type_(type) {}

    // The leading number of a tag such as "7/12" or "2019-05-01"; nothing when there is none.
    static std::optional<qint64> leadingNumber(const QString &text);
    // A full date ("2019-05-01", "2019-05-01T13:45" or with seconds) in local time; invalid for
    // a year or month alone.
    static QDateTime recordingDate(const QString &text);

protected:
    bool supplies(const QString &key) const override;
    Values read(const QByteArray &nativePath) const override;

private:
    QMimeType type_;
};
