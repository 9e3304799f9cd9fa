#pragma once

#include "tokens/MetaDataSource.h"

// Attributes of a picture read with Exiv2: its dimensions and colour profile, the camera's
// EXIF data, GPS position and the IPTC and XMP descriptions. A file Exiv2 cannot read (a
// malformed one included) has none of them.
class ImageMetaData : public MetaDataSource {
public:
    using MetaDataSource::MetaDataSource;

protected:
    bool supplies(const QString &key) const override;
    Values read(const QByteArray &nativePath) const override;
};
