// Building the file list from root paths: taking paths in, the scan with its stop check and
// progress, and the listing mode.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <mutex>

#include "common/Log.h"
#include "common/Unicode.h"
#include "common/UserDefaults.h"
#include "controller/ControllerDefaults.h"
#include "controller/ZKRenamingController.h"
#include "listing/FilterMessage.h"
#include "listing/FolderScanner.h"
#include "listing/ListingMode.h"
#include "listing/RecordsAhead.h"
#include "platform/FileAttributes.h"
#include "platform/NameLimits.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"
#include "run/RenameAlerts.h"
#include "tokens/ZKProxyManager.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

ZKAlert libraryAlert(const QString &library) {
    ZKAlert alert;
    alert.messageText =
        ZKRenamingController::tr("Torvane will not rename files from your %1 library").arg(library);
    alert.informativeText =
        ZKRenamingController::tr(
            "Renaming files that are part of your %1 library can damage the "
            "accompanying database's integrity.\n\nIf you're sure you want to rename "
            "these files, we'd suggest either doing so within %1 or copying them to "
            "a safe place -- e.g., your Desktop -- first.")
            .arg(library);
    alert.buttons = {ZKRenamingController::tr("OK")};
    return alert;
}

ZKRenameButtonState progressState(const QString &title, bool enabled, bool showsProgress) {
    ZKRenameButtonState state;
    state.title = title;
    state.enabled = enabled;
    state.showsProgress = showsProgress;
    state.indeterminate = true;
    return state;
}

// The program opened on itself (dropped on its own window, or given its own path).
bool isSelfReference(const QString &path) {
    if (!QCoreApplication::instance()) return false;
    const QString program = Unicode::nfc(QCoreApplication::applicationFilePath());
    return !program.isEmpty() && Unicode::nfc(path) + u'/' == program + u'/';
}

// A root path as kept: NFC, without one trailing "/", but "/" itself stays the root.
QString rootPath(const QString &path) {
    QString root = Unicode::nfc(path);
    if (root.size() > 1 && root.endsWith(u'/')) root.chop(1);
    return root;
}

}  // namespace

bool ZKRenamingController::populateWithPaths(const QStringList &paths, bool ignoreSelfReference,
                                             bool createBookmarksForFolders) {
    if (paths.isEmpty()) {
        ui_->beep();
        return false;
    }
    if (ignoreSelfReference && paths.size() == 1 && isSelfReference(paths.first())) return false;
    ZKSecurityScopedBookmarkManager &bookmarks = ZKSecurityScopedBookmarkManager::bookmarkManager();
    if (createBookmarksForFolders && bookmarks.isSandboxed()) {
        for (const QString &path : paths)
            if (QFileInfo(path).isDir()) bookmarks.createBookmarkForURL(path);
    }

    QElapsedTimer timer;
    timer.start();
    SelectionKeeper keeper(*this);
    const bool add = modifiersSuggestAddition();
    // A new list asks prompting steps anew (the view drops its icons on the reload).
    if (!add) promptedParametersByPrototype_.clear();
    const bool listed = setFileRepresentationsFromPaths(paths, add, {});
    switchToMatchingCellDisplayModeForSortOrder();
    updateFileList();
    if (!listed) {
        ui_->beep();
        return false;
    }
    if (!fileRepresentations_.isEmpty()) {
        Log::debug(QString::asprintf("scanned %lu items in %f seconds",
                                     static_cast<unsigned long>(fileRepresentations_.size()),
                                     timer.nsecsElapsed() / 1e9));
    }
    return true;
}

bool ZKRenamingController::setFileRepresentationsFromPaths(const QStringList &paths, bool add,
                                                           const QStringList &exceptions) {
    if (!add) {
        paths_.clear();
        exceptionPaths_.reset();
        // A new list reads every file's metadata and shows every icon anew.
        ZKProxyManager::proxyManager().clearMetaDataItemsCache();
        emit iconsCacheCleared();
    }
    QSet<QString> known(paths_.cbegin(), paths_.cend());
    QSet<QString> taken;
    for (const QString &path : paths) {
        const QString root = rootPath(path);
        if (root.isEmpty()) continue;
        if (!confirmSandboxedWriteAccess(root)) break;
        taken.insert(root);
        if (!known.contains(root)) {
            known.insert(root);
            paths_.append(root);
        }
    }
    if (!exceptionPaths_) {
        exceptionPaths_ = exceptions;
    } else {
        // Giving a path again takes it back into the list.
        exceptionPaths_->removeIf([&taken](const QString &path) { return taken.contains(path); });
    }
    return updateFileRepresentations();
}

bool ZKRenamingController::confirmSandboxedWriteAccess(const QString &root) {
    ZKSecurityScopedBookmarkManager &bookmarks = ZKSecurityScopedBookmarkManager::bookmarkManager();
    if (!bookmarks.isSandboxed()) return true;
    // Only the contents of a plain folder are renamed when folders are not listed.
    // A root that is a link to a folder is listed as that folder.
    const bool plainFolder =
        FileAttributes::isFolder(root, true) && !FileAttributes::isPackage(root, true);
    const bool viaParentFolder = renameFolders_ || !plainFolder;
    bool cancelled = false;
    if (bookmarks.confirmWriteAccessForPath(
            root, viaParentFolder, &cancelled, nullptr,
            ZKSecurityScopedBookmarkManager::standardSandboxExplanation))
        return true;
    if (!cancelled) {
        const QString name = QFileInfo(root).fileName();
        ui_->runAlert(RenameAlerts::cannotRenameAlert(
            name, RenameAlerts::cannotRenameText(name, QString(), true)));
    }
    return false;
}

bool ZKRenamingController::updateFileRepresentations() {
    QList<ZKFileRepresentationPtr> records;
    if (!paths_.isEmpty()) {
        bool stopped = false;
        records = scanRecords(&stopped);
        if (stopped) {
            clear();
            return true;
        }
    }
    replaceFileRepresentations(records);
    return !fileRepresentations_.isEmpty();
}

QList<ZKFileRepresentationPtr> ZKRenamingController::scanRecords(bool *stopped) {
    ui_->setRenameButtonState(progressState(QString(), true, true));
    std::optional<ZKFileRepresentationPool> pool = recordPool();
    // A new listing may meet volumes mounted since the last one.
    NameLimits::forgetFolders();

    ListingRules rules;
    rules.listFiles = renameFiles_;
    rules.listFolders = renameFolders_;
    rules.scanFolderContents = scanFolderContents_;
    rules.ignoreInvisibleFiles = ignoreInvisibleFiles();
    rules.ignoreAliases = ignoreAliases();
    const QStringList exceptions = exceptionPaths();
    rules.exceptionPaths = QSet<QString>(exceptions.cbegin(), exceptions.cend());

    FolderScanner scanner(
        rules,
        [this](const QString &path) {
            const bool stop = ui_->stopRequested() && askToStopScanning();
            if (!stop) showScanProgress(path);
            return stop;
        },
        scanClock_);
    // Each item becomes its record as it is found, on a second thread, so the scan keeps no
    // list of its own. A rescan's pool is shared by both threads.
    scannedNameKeys_ = NameKeys();
    std::mutex poolLock;
    const bool pooled = pool && !pool->isEmpty();
    RecordsAhead ahead(
        [&pool, &poolLock, pooled](const ScannedItem &item) {
            if (!pooled)
                return ZKFileRepresentation::fileRepresentationWithNativePath(
                    item.nativePath, nullptr, item.folder, item.type, item.path);
            const std::lock_guard lock(poolLock);
            return ZKFileRepresentation::fileRepresentationWithNativePath(
                item.nativePath, &*pool, item.folder, item.type, item.path);
        },
        RecordsAhead::wantsNameKeys(sortingPriorities_));
    qsizetype found = 0;
    const ScanResult result = scanner.scan(paths_, [&ahead, &found](ScannedItem &&item) {
        ahead.add(std::move(item));
        ++found;
    });
    ui_->setRenameButtonState(progressState(QString(), false, false));
    if (result.stopped) {
        Log::debug(QString::asprintf("scanning aborted after %lu items",
                                     static_cast<unsigned long>(found)));
        *stopped = true;
        return {};
    }
    RecordsAhead::Made made = ahead.finish();
    QList<ZKFileRepresentationPtr> records = std::move(made.records);
    scannedNameKeys_ = std::move(made.keys);

    ui_->setRenameButtonState(progressState(tr("Building list..."), false, false));
    if (!result.libraryName.isEmpty()) ui_->showAlertLater(libraryAlert(result.libraryName));
    return records;
}

// The records of the list by path, so a rescan keeps them (and their original paths); none
// when two records share a path, since a pool could then hand out only one of them.
std::optional<ZKFileRepresentationPool> ZKRenamingController::recordPool() const {
    ZKFileRepresentationPool pool;
    pool.reserve(fileRepresentations_.size());
    for (const ZKFileRepresentationPtr &record : fileRepresentations_) {
        const QString key = record->poolKey();
        if (pool.contains(key)) return std::nullopt;
        pool.insert(key, record);
    }
    return pool;
}

bool ZKRenamingController::askToStopScanning() {
    return ui_->runAlert(RenameAlerts::stopScanningAlert()).button == 1;
}

void ZKRenamingController::showScanProgress(const QString &path) {
    ui_->setRenameButtonState(progressState(tr("Scanning %1").arg(path), true, true));
}

void ZKRenamingController::replaceFileRepresentations(
    const QList<ZKFileRepresentationPtr> &records) {
    fileRepresentations_ = records;
    invalidateFileRepresentationsToDisplay();
    // A new list is no longer the one just renamed: "Rename Again" no longer applies.
    lastUsedRenamerArchives_.reset();
    invalidateCommonPrefix();
}

bool ZKRenamingController::modifiersSuggestAddition() const {
    return !paths_.isEmpty() && defaults().boolForKey(ControllerDefaults::kShiftDragToAddFiles) &&
           ui_->modifierKeys().shift;
}

void ZKRenamingController::updateFilterAndFileList(int tag) {
    const ListingMode::Flags current{renameFiles_, renameFolders_, scanFolderContents_};
    const ListingMode::Change change =
        ListingMode::choose(current, tag, ui_->modifierKeys(),
                            defaults().boolForKey(ListingMode::ignoreModifierKeysKey),
                            defaults().boolForKey(ListingMode::skipFileUncheckingWarningKey),
                            [this](const ZKAlert &alert) { return ui_->runAlert(alert); });
    if (change.skipFileUncheckingWarning)
        defaults().setBool(true, ListingMode::skipFileUncheckingWarningKey);
    // "Continue to List Files" leaves everything as it was; any other choice rebuilds the
    // list, even one already in effect.
    if (change.declined) return;
    renameFiles_ = change.flags.listFiles;
    renameFolders_ = change.flags.listFolders;
    scanFolderContents_ = change.flags.scanFolderContents;
    updateFileRepresentations();
    updateFileList();
}

void ZKRenamingController::clear() {
    setFileRepresentationsFromPaths({}, false, {});
    reloadFileListAfterInvalidatingFileRepresentationsToDisplay(true);
    updateRenameButton();
}

QString ZKRenamingController::filterMessage() const {
    FilterMessage::ListState state;
    state.recordCount = fileRepresentations_.size();
    if (state.recordCount == 1) state.singleRecordName = fileRepresentations_.first()->name();
    state.listFiles = renameFiles_;
    state.listFolders = renameFolders_;
    state.scanFolderContents = scanFolderContents_;
    state.rootPathCount = paths_.size();
    if (paths_.size() == 1) state.singleRootPath = paths_.first();
    return FilterMessage::filterMessage(state);
}
