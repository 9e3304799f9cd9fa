#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "tokens/FileSystemMetaData.h"
#include "tokens/MetaDataItem.h"
#include "tokens/MetaDataSource.h"

// The metadata of one item on disk: the file system's attributes, then those of the parsers
// that fit its MIME type. Nothing but the item's status is read until a key is asked for; the
// MIME type is found on the first request of a key the file system does not answer.
class FileMetaDataItem : public MetaDataItem {
public:
    explicit FileMetaDataItem(FileSystemMetaData fileSystem);
    QVariant copyAttribute(const QString &key) const override;

private:
    using Sources = std::vector<std::unique_ptr<MetaDataSource>>;

    QVariant contentValue(const QString &key) const;
    const Sources &contentSources() const;

    FileSystemMetaData fileSystem_;
    mutable std::optional<Sources> contentSources_;
};
