#include "tokens/FileMetaDataStore.h"

#include "tokens/FileMetaDataItem.h"

MetaDataItemPtr FileMetaDataStore::createItem(const QString &path) {
    std::optional<FileSystemMetaData> fileSystem = FileSystemMetaData::read(path);
    if (!fileSystem) return nullptr;
    return std::make_shared<FileMetaDataItem>(std::move(*fileSystem));
}
