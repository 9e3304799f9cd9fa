#include "collections/ConfigurationFile.h"

#include <QUrl>

#include "common/Log.h"
#include "common/PropertyList.h"
#include "engine/RenamerCollections.h"

namespace ConfigurationFile {

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
        return broken(path, QStringLiteral("%1 holds no renaming steps.").arg(path), error);
    contents->renamers = RenamerCollections::renamersFromArchives(value.toList());
    if (contents->renamers.isEmpty())
        return broken(path, QStringLiteral("%1 holds no renaming steps.").arg(path), error);
    return true;
}

}  // namespace ConfigurationFile
