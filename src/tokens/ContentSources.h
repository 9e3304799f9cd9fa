#pragma once

#include <QByteArray>
#include <QMimeType>
#include <memory>
#include <vector>

#include "tokens/MetaDataSource.h"

// Which parsers read a regular file of a MIME type, in the order they are asked: only those
// that understand the type ever open the file.
namespace ContentSources {

std::vector<std::unique_ptr<MetaDataSource>> forMimeType(const QMimeType &type,
                                                         const QByteArray &nativePath);

}  // namespace ContentSources
