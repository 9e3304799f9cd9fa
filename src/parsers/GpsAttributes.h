#pragma once

#include "parsers/ExivReading.h"
#include "tokens/MetaDataSource.h"

// Where and when a photo was taken, from the EXIF GPS tags: latitude and longitude in signed
// decimal degrees, altitude in metres (negative below sea level), track and image direction
// in degrees, speed in kilometres per hour, the satellite timestamp (UTC) and the GPS version.
namespace GpsAttributes {

void read(const Exiv2::ExifData &data, MetaDataSource::Values *values);

}  // namespace GpsAttributes
