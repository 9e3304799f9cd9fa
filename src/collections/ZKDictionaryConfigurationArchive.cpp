#include "collections/ZKDictionaryConfigurationArchive.h"

#include "common/Log.h"
#include "common/UserDefaultsValues.h"

std::optional<ZKDictionaryConfigurationArchive> ZKDictionaryConfigurationArchive::fromData(
    const QByteArray &data, QString *error) {
    const QVariant value = PropertyList::fromData(data, error);
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() != QMetaType::QVariantMap) {
        if (error) *error = QStringLiteral("the configuration is no dictionary");
        return std::nullopt;
    }
    return ZKDictionaryConfigurationArchive(value.toMap());
}

std::optional<ZKDictionaryConfigurationArchive> ZKDictionaryConfigurationArchive::fromFile(
    const QString &path, QString *error) {
    const QVariant value = PropertyList::readFile(path, error);
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() != QMetaType::QVariantMap) {
        if (error) *error = QStringLiteral("the configuration in %1 is no dictionary").arg(path);
        return std::nullopt;
    }
    return ZKDictionaryConfigurationArchive(value.toMap());
}

void ZKDictionaryConfigurationArchive::setObject(const QVariant &value, const QString &key) {
    if (!value.isValid()) {
        dictionary_.remove(key);
        return;
    }
    QString error;
    const QVariant stored = UserDefaultsValues::normalized(value, &error);
    if (!stored.isValid()) {
        Log::line(QStringLiteral("[Configuration] cannot store \"%1\": %2").arg(key, error));
        return;
    }
    dictionary_.insert(key, stored);
}

QByteArray ZKDictionaryConfigurationArchive::toData(PropertyList::Format format,
                                                    QString *error) const {
    return PropertyList::toData(dictionary_, format, error);
}

bool ZKDictionaryConfigurationArchive::writeToFile(const QString &path, QString *error) const {
    return PropertyList::writeFile(path, dictionary_, PropertyList::Format::Xml, error);
}
