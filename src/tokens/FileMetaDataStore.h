#pragma once

#include "tokens/MetaDataItem.h"

// The Linux metadata store: attributes read from the file system (names, dates, owner,
// size, MIME type and kind, comment, hidden state, number of entries), from embedded image
// metadata (Exiv2: dimensions, camera, exposure, GPS) and from audio and video tags and
// streams (TagLib, libavformat). An attribute it cannot read is a missing value.
class FileMetaDataStore : public MetaDataStore {
public:
    // Null for a path where nothing exists.
    MetaDataItemPtr createItem(const QString &path) override;
};
