// Configuration files: import through the history, export, and the custom default.

#include <QFile>
#include <QUrl>

#include "collections/CollectionAccess.h"
#include "collections/ConfigurationFile.h"
#include "collections/ZKHistorian.h"
#include "common/ApplicationSupport.h"
#include "common/Log.h"
#include "common/UserDefaults.h"
#include "engine/RenamerCollections.h"

namespace {

QString urlText(const QString &path) { return QUrl::fromLocalFile(path).toString(); }

}  // namespace

bool ZKHistorian::unarchiveRenamersAtURL(const QString &path) {
    if (path.isEmpty()) {
        Log::line(QStringLiteral("[Historian] no archive URL specified"));
        return false;
    }
    QVariantList archives;
    QString error;
    {
        // Reading is all a configuration file needs: one received read-only still loads.
        CollectionAccess access(bookmarkManager());
        if (!access.confirmRead(path)) {
            Log::line(QStringLiteral("[Historian] cannot access URL: %1").arg(urlText(path)));
            return false;
        }
        if (!ConfigurationFile::readArchives(path, &archives, &error)) return false;
    }

    const qsizetype index = indexOfHistoryItemMatchingArchives(history(), archives);
    if (index >= 0) {
        if (!navigateToHistoryItemAtIndex(index, false, false, false)) {
            Log::line(
                QStringLiteral("[Historian] incoming archive => history transformation failed for "
                               "URL: %1")
                    .arg(urlText(path)));
            return false;
        }
        return true;
    }
    const bool irrelevant =
        UserDefaults::standardUserDefaults().boolForKey(kStoreIrrelevantSettings);
    if (RenamerCollections::isEqualToRenamerArchives(currentArchives(), archives, irrelevant))
        return true;
    const QList<ZKRenamerPtr> renamers = RenamerCollections::renamersFromArchives(archives);
    showHistory(false);
    if (subject_) subject_->setHistoryRenamers(renamers, 1);
    return true;
}

bool ZKHistorian::exportRenamersToPath(const QString &path) {
    const QVariantList archives = currentArchives();
    if (archives.isEmpty()) {
        Log::line(QStringLiteral("[Export] no renamers"));
        ui_->beep();
        return false;
    }
    QString error;
    if (path.isEmpty() || !ConfigurationFile::writeAsBinaryToPath(archives, path, &error)) {
        Log::line(QStringLiteral("[Export] cannot save to URL: %1").arg(urlText(path)));
        if (!error.isEmpty()) Log::debug(error);
        ui_->beep();
        return false;
    }
    return true;
}

QString ZKHistorian::suggestedExportName() {
    const QString name = RenamerCollections::operationNameFromRenamers(currentRenamers());
    return name.isEmpty() ? QStringLiteral("Renaming Operation") : name;
}

bool ZKHistorian::saveDefaultRenamers(bool forget) {
    const QVariantList archives =
        forget ? QVariantList() : RenamerCollections::archivesFromRenamers(currentRenamers(), true);
    const QString path = ApplicationSupport::defaultStepsFilePath();
    if (!archives.isEmpty()) {
        QString error;
        if (ConfigurationFile::writeAsBinaryToPath(archives, path, &error)) return true;
        Log::line(QStringLiteral("cannot save custom default configuration"));
        Log::debug(error);
        ui_->beep();
        return false;
    }
    if (QFile::exists(path) && QFile::remove(path)) return true;
    Log::line(QStringLiteral("cannot find custom default configuration"));
    ui_->beep();
    return false;
}
