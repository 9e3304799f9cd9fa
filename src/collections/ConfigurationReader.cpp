#include "collections/ConfigurationReader.h"

#include <limits>

ConfigurationReader::ConfigurationReader(const ZKConfigurationArchive &archive,
                                         const ZKConfigurationArchive *fallback)
    : archive_(&archive), fallback_(fallback) {}

void ConfigurationReader::forgetArchive() {
    archive_ = &empty_;
    fallback_ = nullptr;
}

QVariant ConfigurationReader::object(const QString &key) const {
    const QVariant value = archive_->objectForKey(key);
    if (value.isValid() || !fallback_) return value;
    return fallback_->objectForKey(key);
}

bool ConfigurationReader::boolValue(const QString &key, bool defaultValue) const {
    return ZKConfigurationArchive::boolFromValue(object(key)).value_or(defaultValue);
}

int ConfigurationReader::choice(const QString &key, int defaultTag,
                                bool (*isAvailable)(int)) const {
    const std::optional<qint64> tag = ZKConfigurationArchive::integerFromValue(object(key));
    // Checked against the int range first, so a huge value cannot wrap onto a real tag.
    if (!tag || *tag < std::numeric_limits<int>::min() || *tag > std::numeric_limits<int>::max())
        return defaultTag;
    return isAvailable(int(*tag)) ? int(*tag) : defaultTag;
}
