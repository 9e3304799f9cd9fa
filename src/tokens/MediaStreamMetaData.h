#pragma once

#include "tokens/MetaDataSource.h"

// Attributes of a video or other media file read with libavformat from its headers and first
// packets: duration, picture size, codecs, media types, bit rates in bits per second, sample
// rate, channels and the container's tags (title, artist, genre, copyright, creation time).
// Only the file itself is opened: references to other files or the network are refused.
class MediaStreamMetaData : public MetaDataSource {
public:
    using MetaDataSource::MetaDataSource;

protected:
    bool supplies(const QString &key) const override;
    Values read(const QByteArray &nativePath) const override;
};
