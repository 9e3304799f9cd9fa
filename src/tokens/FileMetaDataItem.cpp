#include "tokens/FileMetaDataItem.h"

#include "tokens/ContentSources.h"

namespace {

const QString contentCreationDateKey = QStringLiteral("kMDItemContentCreationDate");

}  // namespace

FileMetaDataItem::FileMetaDataItem(FileSystemMetaData fileSystem)
    : fileSystem_(std::move(fileSystem)) {}

// The content's own creation date (when a photo was taken) comes before the file's birth.
QVariant FileMetaDataItem::copyAttribute(const QString &key) const {
    if (key == contentCreationDateKey) {
        const QVariant embedded = contentValue(key);
        if (embedded.isValid()) return embedded;
        return fileSystem_.value(QStringLiteral("kMDItemFSCreationDate"));
    }
    if (FileSystemMetaData::supplies(key)) return fileSystem_.value(key);
    return contentValue(key);
}

QVariant FileMetaDataItem::contentValue(const QString &key) const {
    for (const auto &source : contentSources()) {
        const QVariant value = source->value(key);
        if (value.isValid()) return value;
    }
    return QVariant();
}

const FileMetaDataItem::Sources &FileMetaDataItem::contentSources() const {
    if (!contentSources_) {
        contentSources_ =
            fileSystem_.isRegularFile()
                ? ContentSources::forMimeType(fileSystem_.mimeType(), fileSystem_.nativePath())
                : Sources();
    }
    return *contentSources_;
}
