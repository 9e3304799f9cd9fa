#pragma once

#include "parsers/ExivReading.h"
#include "tokens/MetaDataSource.h"

// What people wrote about a photo (title, description, keywords, authors, copyright, rating,
// place names) from IPTC, XMP or EXIF, whichever has it first, and when it was taken.
namespace ImageDescriptionAttributes {

void read(Exiv2::Image &image, MetaDataSource::Values *values);

// An EXIF date ("2024:05:01 13:45:10") in the camera's local time, or at the given offset
// ("+02:00") when the photo records one; invalid for anything else.
QDateTime exifDate(const QString &text, const QString &offset);

}  // namespace ImageDescriptionAttributes
