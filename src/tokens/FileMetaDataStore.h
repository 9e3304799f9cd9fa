#pragma once

#include "tokens/MetaDataItem.h"

// The Linux metadata store: attributes read from the file system (names, dates, owner,
// size, MIME type and kind, comment, hidden state, number of entries), from embedded image
// metadata (Exiv2: dimensions, camera, exposure, GPS), from audio and video tags and
// streams (TagLib, libavformat) and from PDF documents (poppler). Only the parser that fits the
// item's MIME type reads it, once, when one of its attributes is first asked for; symbolic
// links are described themselves, never followed. An attribute it cannot read is a missing
// value.
class FileMetaDataStore : public MetaDataStore {
public:
    // Null for a path where nothing exists.
    MetaDataItemPtr createItem(const QString &path) override;
};
