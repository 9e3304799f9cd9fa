#include "parsers/Parsers.h"
#include "tokens/MetaDataParsers.h"

extern "C" __attribute__((visibility("default"))) MetaDataSource::Values torvaneParseMetaData(
    MetaDataParsers::Kind kind, const QByteArray &nativePath, const QMimeType &type) {
    switch (kind) {
        case MetaDataParsers::Kind::Image:
            return Parsers::image(nativePath);
        case MetaDataParsers::Kind::Audio:
            return Parsers::audio(nativePath, type);
        case MetaDataParsers::Kind::MediaStream:
            return Parsers::mediaStream(nativePath);
        case MetaDataParsers::Kind::Document:
            return Parsers::document(nativePath);
    }
    return {};
}

// The programs look the entry up by this name.
static_assert(MetaDataParsers::entryName == std::string_view("torvaneParseMetaData"));
