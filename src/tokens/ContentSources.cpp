#include "tokens/ContentSources.h"

#include "tokens/ImageMetaData.h"

namespace ContentSources {

std::vector<std::unique_ptr<MetaDataSource>> forMimeType(const QMimeType &type,
                                                         const QByteArray &nativePath) {
    std::vector<std::unique_ptr<MetaDataSource>> sources;
    const QString name = type.name();
    if (name.startsWith(u"image/")) sources.push_back(std::make_unique<ImageMetaData>(nativePath));
    return sources;
}

}  // namespace ContentSources
