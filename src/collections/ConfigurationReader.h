#pragma once

#include <QString>
#include <QVariant>

#include "collections/ZKDictionaryConfigurationArchive.h"

// The one lookup through which a restore reads its values: the archive's value, and for a
// configuration from a droplet or service, the user defaults' value of a key the archive
// lacks. A value of the wrong kind, or a choice the pop-up does not offer, gives the default.
class ConfigurationReader {
public:
    // Neither archive is owned; fallback (may be null) answers keys the archive lacks.
    ConfigurationReader(const ZKConfigurationArchive &archive,
                        const ZKConfigurationArchive *fallback);

    // From now on every value is read from an empty archive: everything takes its default.
    void forgetArchive();

    // The archive in use (the empty one after forgetArchive), without the fallback.
    const ZKConfigurationArchive &archive() const { return *archive_; }

    QVariant object(const QString &key) const;
    bool boolValue(const QString &key, bool defaultValue) const;
    // The tag, when it is an integer that isAvailable accepts; else defaultTag.
    int choice(const QString &key, int defaultTag, bool (*isAvailable)(int)) const;

private:
    const ZKConfigurationArchive *archive_;
    const ZKConfigurationArchive *fallback_;
    ZKDictionaryConfigurationArchive empty_;
};
