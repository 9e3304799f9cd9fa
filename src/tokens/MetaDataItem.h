#pragma once

#include <QString>
#include <QVariant>
#include <memory>

// What the metadata store knows about one item on disk: attribute values by the attribute
// key ("kMDItemPixelWidth", ...). A value is a QString, a number (qint64, quint64, double or
// bool), a QDateTime, or a QVariantList of those for multi-valued attributes; an invalid
// QVariant when the item has no value for the key.
class MetaDataItem {
public:
    virtual ~MetaDataItem() = default;
    virtual QVariant copyAttribute(const QString &key) const = 0;
};

using MetaDataItemPtr = std::shared_ptr<const MetaDataItem>;

// Makes metadata items for paths. The resolver caches what it gets, per path, until its cache
// is cleared; a null item means none can be made for the path.
class MetaDataStore {
public:
    virtual ~MetaDataStore() = default;
    virtual MetaDataItemPtr createItem(const QString &path) = 0;
};
