#pragma once

#include <QByteArray>
#include <QMimeType>
#include <string_view>

#include "tokens/MetaDataSource.h"

// The parsers of embedded metadata (Exiv2, TagLib, libavformat, poppler) form a module of
// their own, loaded the first time a file's metadata is read: a program that never reads any
// (a rename by name, a listing) does not load those libraries, and the hundred or so they
// depend on, at every start.
namespace MetaDataParsers {

enum class Kind { Image, Audio, MediaStream, Document };

// The values the parser of this kind finds in the file (the MIME type chooses the format of a
// sound file); none when the module cannot be loaded, which is logged once.
MetaDataSource::Values parse(Kind kind, const QByteArray &nativePath, const QMimeType &type);

// The module's file name and its one entry point.
inline constexpr char moduleName[] = "libtorvane-parsers.so";
inline constexpr std::string_view entryName = "torvaneParseMetaData";
using Entry = MetaDataSource::Values (*)(Kind kind, const QByteArray &nativePath,
                                         const QMimeType &type);

}  // namespace MetaDataParsers
