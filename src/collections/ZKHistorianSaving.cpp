// Saving presets and snippets under names the user types.

#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include "collections/CollectionAccess.h"
#include "collections/ConfigurationFile.h"
#include "collections/ZKHistorian.h"
#include "common/Log.h"
#include "engine/RenamerCollections.h"
#include "records/NameCleaning.h"
#include "run/ItemMover.h"

namespace {

struct CollectionTexts {
    QString defaultName;
    QString alertTitle;
    QString alertText;
    QString replaceButton;
    QString keepBothButton;
    QString failure;
};

CollectionTexts textsFor(bool preset) {
    if (preset)
        return {
            QStringLiteral("Preset"),
            ZKHistorian::tr("Preset Already Exists"),
            ZKHistorian::tr("You already have a preset named \"%1\". What would you like to do?"),
            ZKHistorian::tr("Replace Preset"),
            ZKHistorian::tr("Keep Both Presets"),
            QStringLiteral("[Historian] cannot save preset: %1")};
    return {QStringLiteral("Snippet"),
            ZKHistorian::tr("Snippet Already Exists"),
            ZKHistorian::tr("You already have a snippet named \"%1\". What would you like to do?"),
            ZKHistorian::tr("Replace Snippet"),
            ZKHistorian::tr("Keep Both Snippets"),
            QStringLiteral("[Historian] cannot save snippet: %1")};
}

bool writeText(const QString &path, const QByteArray &contents) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

QString ZKHistorian::proposedPresetName() {
    const QString name = RenamerCollections::operationNameFromRenamers(currentRenamers());
    return name.isEmpty() ? QStringLiteral("Preset") : name;
}

QString ZKHistorian::savePreset(const QString &name) {
    const QVariantList archives = currentArchives();
    if (archives.isEmpty()) {
        Log::line(QStringLiteral("[Historian] nothing to archive"));
        return QString();
    }
    return saveCollectionItem(kPresets, name, kPresetExtension, QByteArray(), true);
}

QString ZKHistorian::saveSnippet(const QString &name, const QString &text) {
    if (text.isNull()) {
        Log::line(QStringLiteral("[Historian] no snippet to save"));
        return QString();
    }
    return saveCollectionItem(kSnippets, name, kSnippetExtension, text.toUtf8(), false);
}

QString ZKHistorian::saveCollectionItem(const QString &collection, const QString &name,
                                        const QString &extension, const QByteArray &contents,
                                        bool asPreset) {
    const CollectionTexts texts = textsFor(asPreset);
    QString cleaned = NameCleaning::cleanedFilename(name);
    CollectionAccess access(bookmarkManager());
    bool cancel = false;
    const QString folder =
        localFolderPathForCollection(collection, true, &cancel, &access.accessedBookmarkPath);
    if (cleaned.trimmed().isEmpty()) cleaned = texts.defaultName;
    // Dismissing the unlock dialog cancels the save: it would otherwise land unasked in
    // Torvane's own folder instead of the chosen one.
    if (folder.isEmpty() || cancel) {
        if (!cancel) {
            Log::line(QStringLiteral("[Historian] no location specified"));
            ui_->beep();
        }
        return QString();
    }
    QString path = folder + QLatin1Char('/') + cleaned + QLatin1Char('.') + extension;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        ZKAlert alert;
        alert.kind = ZKAlertKind::ExistingCollectionItem;
        alert.messageText = texts.alertTitle;
        alert.informativeText = texts.alertText.arg(cleaned);
        alert.buttons = {texts.replaceButton, texts.keepBothButton, tr("Cancel")};
        const int button = ui_->runAlert(alert).button;
        if (button == CollectionItemButton::KeepBoth)
            path = ItemMover::availablePath(path);
        else if (button != CollectionItemButton::Replace)
            return QString();
    }
    const bool written = !path.isEmpty() &&
                         (asPreset ? ConfigurationFile::writeAsBinaryToPath(currentArchives(), path)
                                   : writeText(path, contents));
    if (!written) {
        Log::line(texts.failure.arg(QUrl::fromLocalFile(path).toString()));
        ui_->beep();
        return QString();
    }
    if (asPreset)
        presetURLs_.reset();
    else
        snippetURLs_.reset();
    emit collectionsInvalidated();
    return path;
}
