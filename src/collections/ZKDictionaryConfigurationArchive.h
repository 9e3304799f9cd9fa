#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>
#include <optional>

#include "collections/ZKConfigurationArchive.h"
#include "common/PropertyList.h"

// A configuration archive held in memory, as droplets, services and relay files carry it.
class ZKDictionaryConfigurationArchive : public ZKConfigurationArchive {
public:
    ZKDictionaryConfigurationArchive() = default;
    explicit ZKDictionaryConfigurationArchive(const QVariantMap &dictionary)
        : dictionary_(dictionary) {}

    // From property-list data, binary or XML; nothing (and *error) when the data is no
    // property list or its top level is no dictionary.
    static std::optional<ZKDictionaryConfigurationArchive> fromData(const QByteArray &data,
                                                                    QString *error = nullptr);
    static std::optional<ZKDictionaryConfigurationArchive> fromFile(const QString &path,
                                                                    QString *error = nullptr);

    // A value no property list can hold is refused with a log line.
    void setObject(const QVariant &value, const QString &key) override;
    QVariant objectForKey(const QString &key) const override { return dictionary_.value(key); }
    QVariantMap dictionaryRepresentation() const override { return dictionary_; }
    const QVariantMap &dictionary() const { return dictionary_; }

    // Empty (and *error) only when serialisation fails.
    QByteArray toData(PropertyList::Format format, QString *error = nullptr) const;
    // Written atomically as an XML property list.
    bool writeToFile(const QString &path, QString *error = nullptr) const;

private:
    QVariantMap dictionary_;
};
