// The rename run: the confirmations before it, the moves, and what becomes of the list after
// it (roots follow their renamed items, the list is rebuilt or cleared, or the application is
// asked to quit).

#include <QElapsedTimer>
#include <QFile>

#include "common/HelperThread.h"
#include "common/Log.h"
#include "common/NativePath.h"
#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"
#include "engine/RenamerCollections.h"
#include "journal/RunJournal.h"
#include "listing/RootFollowing.h"
#include "platform/FolderLocks.h"
#include "platform/Sandbox.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"
#include "run/ItemMover.h"
#include "run/MoveDefaults.h"
#include "run/RenameAlerts.h"
#include "tokens/ZKProxyManager.h"

namespace {

const QString kQuitAfterRenaming = QStringLiteral("Quit After Renaming");

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

QList<ZKFileRepresentationPtr> relevantRecords(const QList<ZKFileRepresentationPtr> &records) {
    QList<ZKFileRepresentationPtr> relevant;
    for (const ZKFileRepresentationPtr &record : records) {
        if (record->hasRelevantRenameNameWithError(nullptr)) relevant.append(record);
    }
    return relevant;
}

// The folders the run moves items in: where each item is and where it goes.
QList<QByteArray> runFolders(const QList<ZKFileRepresentationPtr> &relevant) {
    QList<QByteArray> folders;
    // Records come folder by folder: a folder is named again only when it changes.
    const auto add = [&folders](QByteArrayView path) {
        const QByteArrayView folder = NativePath::folderViewOf(path);
        if (folders.isEmpty() || QByteArrayView(folders.constLast()) != folder)
            folders.append(folder.toByteArray());
    };
    for (const ZKFileRepresentationPtr &record : relevant) {
        add(record->nativePath());
        // A new name without a slash stays in the item's folder: no path to make for it.
        if (record->renameName().contains(u'/')) add(record->nativeRenamePath());
    }
    return folders;
}

// The records whose new name drops the extension, each logged.
QList<ZKFileRepresentationPtr> recordsLosingExtension(
    const QList<ZKFileRepresentationPtr> &relevant) {
    QList<ZKFileRepresentationPtr> losing;
    for (const ZKFileRepresentationPtr &record : relevant) {
        if (!record->renameNameRemovesNonFolderExtension()) continue;
        Log::line(QStringLiteral("extension will be removed: %1 (original path: %2)")
                      .arg(record->renameName(), record->path()));
        losing.append(record);
    }
    return losing;
}

bool anyHasWarnings(const QList<ZKFileRepresentationPtr> &records) {
    return std::any_of(records.cbegin(), records.cend(), [](const ZKFileRepresentationPtr &record) {
        return !record->warnings().isEmpty();
    });
}

// How items were moved, for the run's debug summary.
QString renamingRouteSuffix() {
    if (Sandbox::isSandboxed()) return QStringLiteral(" (sandboxed)");
    if (defaults().integerForKey(MoveDefaults::kRenamingOperation) == 1)
        return QStringLiteral(" (NSFileManager)");
    return QString();
}

}  // namespace

void ZKRenamingController::rename(bool fromRenameButton) {
    if (isWaitingForDraggedObjects_) {
        stopWaitingForDraggedObjects_ = true;
        return;
    }
    if (fromRenameButton && renameButtonState().tag == 1) {
        revert();
        return;
    }
    renameToOriginalNames(false);
}

void ZKRenamingController::renameToOriginalNames(bool isRevert) {
    // Questions and the stop check may run an event loop; one run at a time.
    if (isRenaming_) return;
    if (isRenamePathsUpdatePending_) {
        // The run needs fresh names; the user sees them first.
        updateRenameNames();
        return;
    }
    if (fileRepresentations_.isEmpty()) {
        Log::line(QStringLiteral("no files"));
        if (!hasFinishedLaunching_)
            emit quitRequested();
        else
            ui_->beep();
        return;
    }
    const QList<ZKFileRepresentationPtr> relevant = relevantRecords(fileRepresentations_);
    if (relevant.isEmpty()) {
        ui_->beep();
        if (!hasFinishedLaunching_) {
            ui_->postNotification(tr("Nothing to Rename"), tr("This droplet doesn't apply"));
            emit quitRequested();
        } else {
            Log::line(QStringLiteral("nothing to rename"));
        }
        return;
    }
    if (!isRevert && !confirmRenaming(relevant)) return;

    QElapsedTimer timer;
    timer.start();
    // One run at a time in a folder, whichever program runs it: interleaved moves of two
    // runs would each find the other's items at their targets.
    FolderLocks locks;
    QByteArray busyFolder;
    if (!locks.lock(runFolders(relevant), &busyFolder)) {
        Log::line(QStringLiteral("another rename run is working in %1")
                      .arg(QFile::decodeName(busyFolder)));
        ui_->runAlert(RenameAlerts::folderBusyAlert(QFile::decodeName(busyFolder)));
        return;
    }
    ItemMover mover(ui_, *disk_);
    auto looping = std::make_unique<RenameRunLoop>(fileRepresentations_, *ui_, mover, scanClock_);
    RenameRunLoop &loop = *looping;
    loop.setTurnObserver(runTurnObserver_);
    QString error;
    const QList<JournalMove> planned = loop.plannedMoves();
    // The plan is written and flushed on a second thread while the loop picks its moves.
    std::unique_ptr<RunJournal> journal;
    HelperThread writer([&] { journal = RunJournal::begin(planned, &error); });
    loop.prepareMovesAhead();
    writer.join();
    if (!journal) {
        Log::line(QStringLiteral("cannot start the run journal: %1").arg(error));
        ui_->runAlert(RenameAlerts::journalFailureAlert(error));
        return;
    }

    ui_->bringMainWindowForward();
    isRenaming_ = true;
    MoveDefaults::removeTransientDefaults();
    // The run goes into the history (which is flushed) while the first moves are made.
    if (!isRevert && hasFinishedLaunching_)
        loop.setWhileMovesStart([this] { recordRenamersInHistory(); });
    const bool successful = loop.run(relevant.size(), *journal);
    lastRunOutcomes_ = loop.outcomes();
    if (!journal->end()) Log::line(QStringLiteral("cannot close the run journal"));
    if (leavesRunTablesToProcessEnd_) {
        (void)looping.release();
        (void)journal.release();
    }

    finishRun(successful, isRevert, relevant.size());
    Log::debug(QString::asprintf(
        "renamed %lu items in %f seconds%s", static_cast<unsigned long>(relevant.size()),
        timer.nsecsElapsed() / 1e9, qUtf8Printable(renamingRouteSuffix())));
}

bool ZKRenamingController::confirmRenaming(const QList<ZKFileRepresentationPtr> &relevant) {
    // Runs for a droplet or the service never ask.
    if (!hasFinishedLaunching_) return true;
    bool asked = false;
    if (isRenamingAgain()) {
        asked = true;
        if (ui_->runAlert(RenameAlerts::renameAgainAlert()).button != 0) return false;
    }
    const QList<ZKFileRepresentationPtr> losing = recordsLosingExtension(relevant);
    if (!losing.isEmpty()) {
        asked = true;
        const ZKAlert alert =
            RenameAlerts::removeExtensionAlert(losing.size(), losing.first()->name());
        if (ui_->runAlert(alert).button != 0) return false;
    }
    if (anyHasWarnings(relevant)) return ui_->runAlert(RenameAlerts::warningsAlert()).button == 0;
    if (!generalSettings_.confirmBeforeRenaming || asked) return true;

    const ZKAlertAnswer answer =
        ui_->runAlert(RenameAlerts::chickenAlert(renameButtonState().title));
    if (answer.suppressed) {
        generalSettings_.confirmBeforeRenaming = false;
        emit generalSettingsChanged();
    }
    if (answer.button == 0) return true;
    if (answer.suppressed) updateRenameButton();
    return false;
}

void ZKRenamingController::finishRun(bool successful, bool isRevert, qsizetype relevantCount) {
    if (successful) {
        const qsizetype count = fileRepresentations_.size();
        ui_->postNotification(RenameAlerts::notificationTitle(isRevert),
                              RenameAlerts::notificationText(
                                  relevantCount, count, renameFolders_,
                                  count == 1 ? fileRepresentations_.first()->name() : QString()));
    }
    const bool quit =
        !hasFinishedLaunching_ || (successful && defaults().boolForKey(kQuitAfterRenaming));
    lastUsedRenamerArchives_.reset();
    isRenaming_ = false;
    if (quit) {
        // The list is not rebuilt for an application on its way out.
        emit quitRequested();
        return;
    }
    if (!isRevert && generalSettings_.clearListAfterRenaming) {
        clear();
        return;
    }
    if (relistsAfterRun_) rebuildListAfterRun(successful, isRevert);
}

void ZKRenamingController::rebuildListAfterRun(bool successful, bool isRevert) {
    QStringList roots = paths_;
    QStringList exceptions = exceptionPaths();
    RootFollowing::followRenamedItems(fileRepresentations_, &roots, &exceptions);
    forgetFileCachesAfterRun();

    SelectionKeeper keeper(*this);
    setFileRepresentationsFromPaths(roots, false, exceptions);
    sort();
    switchToMatchingCellDisplayModeForSortOrder();
    if (!isRevert && successful)
        lastUsedRenamerArchives_ = RenamerCollections::archivesFromRenamers(renamers_, true);
    updateRenameNamesAndReloadFileList();
}

void ZKRenamingController::recordRenamersInHistory() { emit renamersUsedForRenaming(); }

void ZKRenamingController::forgetFileCachesAfterRun() {
    // The metadata caches hold items by their old paths; the folders unlocked for the run are
    // given back.
    ZKProxyManager::proxyManager().clearMetaDataItemsCache();
    emit iconsCacheCleared();
    ZKSecurityScopedBookmarkManager::bookmarkManager().stopAccessingAnyBookmarks();
}

RenameOutcome ZKRenamingController::lastRunOutcome(const ZKFileRepresentationPtr &record) const {
    return lastRunOutcomes_.value(record.get(), RenameOutcome::NotPlanned);
}
