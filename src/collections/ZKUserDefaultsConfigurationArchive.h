#pragma once

#include "collections/ZKConfigurationArchive.h"
#include "common/UserDefaults.h"

// The user defaults seen as a configuration archive: the configuration goes there at quit
// and comes back from there at launch. Registered values read as present.
class ZKUserDefaultsConfigurationArchive : public ZKConfigurationArchive {
public:
    // The store is not owned and must outlive the archive.
    explicit ZKUserDefaultsConfigurationArchive(
        UserDefaults &defaults = UserDefaults::standardUserDefaults())
        : defaults_(defaults) {}

    void setObject(const QVariant &value, const QString &key) override {
        defaults_.setObject(value, key);
    }
    QVariant objectForKey(const QString &key) const override { return defaults_.objectForKey(key); }
    QVariantMap dictionaryRepresentation() const override {
        return defaults_.dictionaryRepresentation();
    }
    UserDefaults &userDefaults() const { return defaults_; }

private:
    UserDefaults &defaults_;
};
