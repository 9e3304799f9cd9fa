#include "tokens/ContentSources.h"

#include "tokens/AudioMetaData.h"
#include "tokens/DocumentMetaData.h"
#include "tokens/ImageMetaData.h"
#include "tokens/MediaStreamMetaData.h"

namespace ContentSources {

namespace {

enum class Kind { None, Image, Sound, Media, Document };

// Containers that hold sound or video without saying which in their type's name.
bool isMediaContainer(const QMimeType &type) {
    for (const char *name : {"application/ogg", "application/x-matroska", "application/mxf",
                             "application/vnd.rn-realmedia", "application/x-flash-video"})
        if (type.inherits(QLatin1String(name))) return true;
    return false;
}

Kind kindOf(const QMimeType &type) {
    const QString name = type.name();
    if (name.startsWith(u"image/")) return Kind::Image;
    if (name.startsWith(u"audio/")) return Kind::Sound;
    if (name.startsWith(u"video/") || isMediaContainer(type)) return Kind::Media;
    if (type.inherits(QStringLiteral("application/pdf"))) return Kind::Document;
    return Kind::None;
}

}  // namespace

std::vector<std::unique_ptr<MetaDataSource>> forMimeType(const QMimeType &type,
                                                         const QByteArray &nativePath) {
    std::vector<std::unique_ptr<MetaDataSource>> sources;
    switch (kindOf(type)) {
        case Kind::Image:
            sources.push_back(std::make_unique<ImageMetaData>(nativePath));
            break;
        // TagLib knows the tags of sound files best; libav adds codecs and media types.
        case Kind::Sound:
            sources.push_back(std::make_unique<AudioMetaData>(nativePath, type));
            sources.push_back(std::make_unique<MediaStreamMetaData>(nativePath));
            break;
        case Kind::Media:
            sources.push_back(std::make_unique<MediaStreamMetaData>(nativePath));
            break;
        case Kind::Document:
            sources.push_back(std::make_unique<DocumentMetaData>(nativePath));
            break;
        case Kind::None:
            break;
    }
    return sources;
}

}  // namespace ContentSources
