#pragma once

#include <QByteArray>
#include <QMimeType>

#include "tokens/MetaDataSource.h"

// The parsers of the module: each gives every value it finds in the file, and none for a
// file it cannot read (a malformed one keeps what was read before the fault).
namespace Parsers {

// Pictures, with Exiv2 and the picture's own header.
MetaDataSource::Values image(const QByteArray &nativePath);
// Sound files, with TagLib; the MIME type chooses the format.
MetaDataSource::Values audio(const QByteArray &nativePath, const QMimeType &type);
// Video and other media, with libavformat.
MetaDataSource::Values mediaStream(const QByteArray &nativePath);
// PDF documents, with poppler.
MetaDataSource::Values document(const QByteArray &nativePath);

}  // namespace Parsers
