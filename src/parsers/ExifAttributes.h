#pragma once

#include "parsers/ExivReading.h"
#include "tokens/MetaDataSource.h"

// The camera, exposure and image-structure attributes of a photo's EXIF data (make, model,
// aperture, exposure, flash, focal length, ISO, resolution, colour space, versions).
namespace ExifAttributes {

void read(const Exiv2::ExifData &data, MetaDataSource::Values *values);

// "1/250" for fractions of a second, "2" or "2.5" for longer exposures.
QString exposureTimeText(double numerator, double denominator);
// "0230" gives "2.3", "0221" gives "2.2.1": the EXIF version as its digits say it.
QString versionText(const QByteArray &digits);

}  // namespace ExifAttributes
