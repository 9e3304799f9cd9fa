#include "collections/ConfigurationFile.h"

#include <QFileInfo>
#include <QUrl>

#include "common/Log.h"
#include "common/PropertyList.h"
#include "common/Translations.h"
#include "engine/RenamerCollections.h"

namespace ConfigurationFile {

TORVANE_NAMESPACE_TR(ConfigurationFile)

namespace {

bool broken(const QString &path, const QString &reason, QString *error) {
    Log::line(QStringLiteral("[Historian] broken archive at URL: %1")
                  .arg(QUrl::fromLocalFile(path).toString()));
    *error = reason;
    return false;
}

}  // namespace

bool read(const QString &path, Contents *contents, QString *error) {
    QString readError;
    const QVariant value = PropertyList::readFile(path, &readError);
    if (!value.isValid()) return broken(path, readError, error);
    if (value.typeId() == QMetaType::QVariantMap) {
        contents->archive = ZKDictionaryConfigurationArchive(value.toMap());
        return true;
    }
    if (value.typeId() != QMetaType::QVariantList)
        return broken(path, tr("%1 holds no renaming steps.").arg(path), error);
    contents->renamers = RenamerCollections::renamersFromArchives(value.toList());
    if (contents->renamers.isEmpty())
        return broken(path, tr("%1 holds no renaming steps.").arg(path), error);
    return true;
}

bool readArchives(const QString &path, QVariantList *archives, QString *error) {
    QString readError;
    if (QFileInfo(path).size() > kMaximumFileSize)
        return broken(path, tr("%1 is too large for a configuration.").arg(path), error);
    const QVariant value = PropertyList::readFile(path, &readError);
    if (!value.isValid()) return broken(path, readError, error);
    if (value.typeId() != QMetaType::QVariantList)
        return broken(path, tr("%1 holds no renaming steps.").arg(path), error);
    archives->clear();
    for (const QVariant &element : value.toList()) {
        if (element.typeId() == QMetaType::QVariantMap)
            archives->append(element);
        else
            Log::line(
                QStringLiteral("[Historian] skipped a step that is no dictionary in %1").arg(path));
    }
    if (archives->isEmpty())
        return broken(path, tr("%1 holds no renaming steps.").arg(path), error);
    return true;
}

bool writeAsBinaryToPath(const QVariantList &archives, const QString &path, QString *error) {
    PropertyList::Format format = PropertyList::Format::Binary;
    if (PropertyList::toData(archives, format).isEmpty()) {
        format = PropertyList::Format::Xml;
        Log::line(QStringLiteral("fell back to non-serialized archive for <%1>").arg(path));
    }
    return PropertyList::writeFile(path, archives, format, error);
}

}  // namespace ConfigurationFile
