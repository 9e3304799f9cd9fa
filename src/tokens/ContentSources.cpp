#include "tokens/ContentSources.h"

namespace ContentSources {

std::vector<std::unique_ptr<MetaDataSource>> forMimeType(const QMimeType &type,
                                                         const QByteArray &nativePath) {
    std::vector<std::unique_ptr<MetaDataSource>> sources;
    return sources;
}

}  // namespace ContentSources
