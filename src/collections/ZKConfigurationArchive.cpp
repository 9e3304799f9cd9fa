#include "collections/ZKConfigurationArchive.h"

#include "engine/ArchiveValues.h"

void ZKConfigurationArchive::setBool(bool value, const QString &key) { setObject(value, key); }

void ZKConfigurationArchive::setInteger(qint64 value, const QString &key) { setObject(value, key); }

qint64 ZKConfigurationArchive::integerForKey(const QString &key, bool *ok) const {
    const std::optional<qint64> integer = integerFromValue(objectForKey(key));
    if (ok) *ok = integer.has_value();
    return integer.value_or(0);
}

bool ZKConfigurationArchive::boolForKey(const QString &key, bool defaultValue) const {
    return boolFromValue(objectForKey(key)).value_or(defaultValue);
}

std::optional<qint64> ZKConfigurationArchive::integerFromValue(const QVariant &value) {
    return ArchiveValues::int64Value(value);
}

std::optional<bool> ZKConfigurationArchive::boolFromValue(const QVariant &value) {
    return ArchiveValues::boolValue(value);
}
