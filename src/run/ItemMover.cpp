#include "run/ItemMover.h"

#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "common/Log.h"
#include "common/NativePath.h"
#include "common/Unicode.h"
#include "common/UserDefaults.h"
#include "interaction/ZKUserInteraction.h"
#include "journal/JournalledStep.h"
#include "journal/RunJournal.h"
#include "journal/TemporaryNames.h"
#include "platform/FileAttributes.h"
#include "platform/LetterCase.h"
#include "platform/ListedFolder.h"
#include "platform/Sandbox.h"
#include "platform/Trash.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"
#include "run/FolderNames.h"
#include "run/MoveDefaults.h"
#include "run/MovesAhead.h"
#include "run/RenameAlerts.h"

namespace {

// A name taken by another process between our choice and the move is simply skipped.
constexpr int temporaryNameAttempts = 100;

QString journalWriteError() {
    return ItemMover::tr("The journal of this run cannot be written, so nothing more is moved.");
}

QString displayPath(const QByteArray &path) { return QFile::decodeName(path); }

QString displayName(const QByteArray &path) {
    return Unicode::nfc(
        QFile::decodeName(NativePath::lastComponentOf(NativePath::withoutTrailingSlashes(path))));
}

bool setCancel(bool *cancel) {
    if (cancel) *cancel = true;
    return false;
}

// Whether the item lies inside the folder (by identity, whatever the spelling of the path).
bool isInside(DiskInterface &disk, const QByteArray &item, const QByteArray &folder) {
    const FileAttributes::FileIdentity folderIdentity = disk.identity(folder);
    QByteArray ancestor = NativePath::withoutTrailingSlashes(item);
    for (qsizetype slash; (slash = ancestor.lastIndexOf('/')) > 0;) {
        ancestor.truncate(slash);
        if (disk.identity(ancestor) == folderIdentity) return true;
    }
    return false;
}

// Without a sandbox, the permission to rename is the permission to write to the folder.
bool mayWriteToFolder(const QByteArray &folder) {
    return access(folder.constData(), W_OK | X_OK) == 0 || errno != EACCES;
}

// A move keeps extended attributes, so the comment normally arrives with the item. It is
// written only when missing: a comment found there may be newer than the one listed.
void keepComment(const QByteArray &target, const QString &comment) {
    if (comment.isEmpty() || !ItemMover::spotlightComment(target).isEmpty()) return;
    if (!ItemMover::setSpotlightComment(target, comment))
        Log::line(QStringLiteral("could not set spotlight comment \"%1\" for file \"%2\"")
                      .arg(comment, displayPath(target)));
}

void lockAgain(DiskInterface &disk, const QByteArray &path) {
    QString error;
    if (disk.exists(path) && !disk.setImmutable(path, true, &error)) Log::line(error);
}

}  // namespace

ItemMover::ItemMover(ZKUserInteraction *user, DiskInterface &disk) : user_(user), disk_(disk) {}

void ItemMover::setJournal(RunJournal *journal) {
    journal_ = journal;
    // A new run looks at its folders afresh.
    folderChecks_.clear();
}

bool ItemMover::confirmWriteAccessToFolderOf(const QByteArray &source) {
    QByteArray folder = NativePath::folderOf(source);
    if (folder.isEmpty()) folder = ".";
    if (folderChecks_.isKnownWritable(folder)) return true;
    if (mayWriteToFolder(folder)) {
        folderChecks_.rememberWritable(folder);
        return true;
    }
    ZKSecurityScopedBookmarkManager &bookmarks = ZKSecurityScopedBookmarkManager::bookmarkManager();
    if (!bookmarks.isSandboxed()) return false;
    bool dismissed = false;
    return bookmarks.confirmWriteAccessForPath(
        QFile::decodeName(source), true, &dismissed, nullptr,
        ZKSecurityScopedBookmarkManager::standardSandboxExplanation);
}

// A change of letter case: on a case-insensitive volume the target is the source itself and
// cannot be moved to directly. Every step is no-clobber, so the route is safe everywhere.
bool ItemMover::takesRouteThroughTemporaryName(const QByteArray &source, const QByteArray &target) {
    const bool knownFree = freeTarget_ == target;
    freeTarget_.clear();
    if (isEqualToNativePath(source, target, true)) return true;
    // The source's identity matters only when something is at the target.
    if (knownFree) return false;
    const FileAttributes::FileIdentity atTarget = disk_.identity(target);
    return atTarget.valid && disk_.identity(source) == atTarget;
}

bool ItemMover::journalledStep(JournalMove step, QString *error, int *errorNumber) {
    if (errorNumber) *errorNumber = 0;
    if (journal_ && journalFailed_) {
        if (error) *error = journal_->errorString();
        return false;
    }
    const JournalledStep::Outcome outcome = JournalledStep::make(
        journal_, step, disk_,
        [&](JournalMove &move, QString *moveError) {
            if (movesAhead_ && movesAhead_->take(move.from, move.to)) return true;
            return disk_.moveWithoutReplacing(move.from, move.to, moveError, errorNumber);
        },
        error);
    // A step made but not recorded still happened; the run ends after it.
    if (outcome.journalFailed) journalFailed_ = true;
    if (outcome.made) noteStepMade(step);
    return outcome.made;
}

void ItemMover::noteStepMade(const JournalMove &step) {
    folderChecks_.forgetAt(step.from);
    folderChecks_.forgetAt(step.to);
    if (folderNames_) folderNames_->moved(step.from, step.to);
}

void ItemMover::recordMoveMadeAhead(const JournalMove &step) {
    if (journal_ && !journalFailed_) {
        JournalMove made = step;
        const auto alreadyMade = [](JournalMove &, QString *) { return true; };
        if (JournalledStep::make(journal_, made, disk_, alreadyMade, nullptr).journalFailed)
            journalFailed_ = true;
    }
    noteStepMade(step);
}

ItemMover::MoveOutcome ItemMover::moveThroughTemporaryName(const QByteArray &source,
                                                           const QByteArray &target) {
    QByteArray temporary;
    QString error;
    int failure = EEXIST;
    bool moved = false;
    for (int attempt = 0;
         !moved && failure == EEXIST && !journalFailed_ && attempt < temporaryNameAttempts;
         ++attempt) {
        temporary = TemporaryNames::nextTemporaryPath(target);
        JournalMove step{source, temporary};
        step.finalTarget = target;
        moved = journalledStep(step, &error, &failure);
    }
    // Not moved (also when the journal refused the step): the item is where it was.
    if (!moved) return {false, error};
    Log::debug(QStringLiteral("\"%1\" => \"%2\" via \"%3\"")
                   .arg(displayPath(source), displayPath(target), displayPath(temporary)));
    const QString stranded = tr("\n\nIt could not be given back its name and is now at \"%1\".")
                                 .arg(displayPath(temporary));
    // With a journal that failed, the item stays where the journal knows it is: recovery
    // takes it on from there.
    if (journalFailed_) return {false, error + stranded, true, stranded};
    if (journalledStep({temporary, target}, &error)) return {true, QString()};
    // Never leave the item under a name the user does not know.
    if (!journalFailed_ && journalledStep({temporary, source})) return {false, error};
    return {false, error + stranded, true, stranded};
}

ItemMover::MoveOutcome ItemMover::moveItem(const QByteArray &source, const QByteArray &target) {
    if (takesRouteThroughTemporaryName(source, target))
        return moveThroughTemporaryName(source, target);
    MoveOutcome outcome;
    outcome.moved = journalledStep({source, target}, &outcome.error, &outcome.errorNumber);
    return outcome;
}

bool ItemMover::trashOccupant(const QByteArray &target, QString *error) {
    folderChecks_.forgetAt(target);
    if (!journal_) return disk_.moveToTrash(target, error, nullptr);
    if (journalFailed_) {
        *error = journal_->errorString();
        return false;
    }
    const FileAttributes::FileIdentity identity = disk_.identity(target);
    JournalMove step = JournalMove::trash(target, identity.device, identity.inode);
    const JournalledStep::Outcome outcome = JournalledStep::make(
        journal_, step, disk_,
        [&](JournalMove &move, QString *trashError) {
            if (!disk_.moveToTrash(move.from, trashError, &move.to)) return false;
            if (move.to.isEmpty())
                Log::line(
                    QStringLiteral("cannot find \"%1\" in the Trash").arg(displayPath(target)));
            return true;
        },
        error);
    // Even when in the Trash: with the journal failed the run ends, and recovery looks for
    // the occupant there.
    if (outcome.journalFailed) journalFailed_ = true;
    if (outcome.made && folderNames_) folderNames_->moved(target, QByteArray());
    return outcome.made && !outcome.journalFailed;
}

bool ItemMover::journalFailure(bool *cancel, const QString &detail) {
    if (!journalFailureShown_) {
        journalFailureShown_ = true;
        const QString reason = journal_ ? journal_->errorString() : QString();
        user_->runAlert(RenameAlerts::journalFailureAlert(
            (reason.isEmpty() ? journalWriteError() : journalWriteError() + "\n\n" + reason) +
            detail));
    }
    return setCancel(cancel);
}

bool ItemMover::makePathAvailableForMovingSourcePath(const QByteArray &target,
                                                     const QByteArray &source, bool *cancel) {
    if (!disk_.isTaken(target) || LetterCase::isSourceApartFromCase(source, target)) return true;
    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    if (defaults.boolForKey(MoveDefaults::kSkipAllFileReplacements)) return false;
    if (!defaults.boolForKey(MoveDefaults::kReplaceAllExistingFiles) &&
        !userAgreesToReplace(target, cancel))
        return false;

    QString error;
    // Trashing a folder that holds the source would take the source along.
    if (isInside(disk_, source, target))
        error = QStringLiteral("\"%1\" holds \"%2\"").arg(displayPath(target), displayPath(source));
    else if (trashOccupant(target, &error))
        return true;
    if (journalFailed_) return journalFailure(cancel);
    // Deleting instead would destroy what the user may want back: the item stays.
    user_->beep();
    Log::line(QStringLiteral("could not remove file/folder: %1").arg(displayPath(target)));
    Log::line(error);
    return false;
}

bool ItemMover::userAgreesToReplace(const QByteArray &target, bool *cancel) {
    ZKAlert alert;
    alert.kind = ZKAlertKind::ExistingItem;
    alert.messageText = tr("\"%1\" Already Exists").arg(displayName(target));
    alert.informativeText =
        tr("A file or folder with the same name already exists. Replacing it will overwrite its "
           "current contents.");
    alert.buttons = {tr("Replace"), tr("Replace All"), tr("Skip"), tr("Skip All")};
    if (cancel) alert.buttons += tr("Cancel");

    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    switch (user_->runAlert(alert).button) {
        case ExistingItemButton::Replace:
            return true;
        case ExistingItemButton::ReplaceAll:
            defaults.setBool(true, MoveDefaults::kReplaceAllExistingFiles);
            return true;
        case ExistingItemButton::Skip:
            return false;
        case ExistingItemButton::SkipAll:
            defaults.setBool(true, MoveDefaults::kSkipAllFileReplacements);
            return false;
        default:
            return setCancel(cancel);
    }
}

bool ItemMover::isInListedFolder(const QByteArray &source,
                                 const FileAttributes::FileIdentity &listedFolder, bool *cancel) {
    const QByteArray folder = NativePath::folderOf(source);
    if (folderChecks_.isKnownListedFolder(folder, listedFolder)) return true;
    if (ListedFolder::isListedFolder(listedFolder, folder)) {
        folderChecks_.rememberListedFolder(folder, listedFolder);
        return true;
    }
    Log::line(
        QStringLiteral("not renaming \"%1\": its folder is no longer the one it was listed in")
            .arg(QFile::decodeName(source)));
    return showVanishedAlert(source, cancel);
}

bool ItemMover::moveToPath(const QByteArray &source, const QByteArray &target,
                           const QString &comment, bool *cancel) {
    return moveToPath(source, target, comment, true, cancel);
}

bool ItemMover::moveToPath(const QByteArray &source, const QByteArray &target,
                           const QString &comment, bool checkLock, bool *cancel) {
    if (journalFailed_) return journalFailure(cancel);
    if (!confirmWriteAccessToFolderOf(source)) return showErrorAlert(source, QString(), cancel);
    const bool notedFree = !target.isEmpty() && freeTarget_ == target;
    const MoveOutcome outcome = moveItem(source, target);
    if (outcome.moved) {
        keepComment(target, comment);
        if (journalFailed_) journalFailure(cancel);
        return true;
    }
    if (journalFailed_) return journalFailure(cancel, outcome.strandedText);
    if (outcome.stranded) return showErrorAlert(source, outcome.error, cancel);
    // Someone else put an item there after all: the caller deals with it.
    if (notedFree && outcome.errorNumber == EEXIST) {
        targetTakenAfterAll_ = true;
        return false;
    }
    if (!disk_.exists(source)) return showVanishedAlert(source, cancel);
    if (checkLock && disk_.isImmutable(source))
        return moveLockedItem(source, target, comment, cancel);
    return showErrorAlert(source, outcome.error, cancel);
}

bool ItemMover::moveLockedItem(const QByteArray &source, const QByteArray &target,
                               const QString &comment, bool *cancel) {
    if (!userAgreesToUnlock(source, cancel)) return false;
    QString error;
    if (!disk_.setImmutable(source, false, &error)) return showErrorAlert(source, error, cancel);
    if (!moveToPath(source, target, comment, false, cancel)) {
        // Not renamed: the item stays locked, as the user had it.
        lockAgain(disk_, source);
        return false;
    }
    lockAgain(disk_, target);
    return true;
}

bool ItemMover::userAgreesToUnlock(const QByteArray &source, bool *cancel) {
    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    if (defaults.boolForKey(MoveDefaults::kUnlockAllLockedFiles)) return true;
    const QString name = displayName(source);
    ZKAlert alert;
    alert.kind = ZKAlertKind::UnlockItem;
    alert.messageText = tr("%1 is locked").arg(name);
    alert.informativeText =
        tr("%1 is marked as locked. Do you want to rename it anyway?\n\nTo rename %1, Torvane "
           "will attempt to unlock it, rename it, then lock it again.")
            .arg(name);
    alert.buttons = {tr("Rename"), tr("Rename All Locked Files"), tr("Stop")};
    switch (user_->runAlert(alert).button) {
        case 0:
            return true;
        case 1:
            defaults.setBool(true, MoveDefaults::kUnlockAllLockedFiles);
            return true;
        default:
            return setCancel(cancel);
    }
}

bool ItemMover::showErrorAlert(const QByteArray &source, const QString &error, bool *cancel) {
    return stopRun(
        source, RenameAlerts::cannotRenameText(displayName(source), error, Sandbox::isSandboxed()),
        cancel);
}

bool ItemMover::showVanishedAlert(const QByteArray &source, bool *cancel) {
    return stopRun(source,
                   tr("%1 has vanished.\n\nPlease note that Torvane cannot rename "
                      "files if you move them to a different folder after dragging "
                      "them into Torvane.")
                       .arg(displayName(source)),
                   cancel);
}

bool ItemMover::stopRun(const QByteArray &source, const QString &informativeText, bool *cancel) {
    user_->runAlert(RenameAlerts::cannotRenameAlert(displayName(source), informativeText));
    return setCancel(cancel);
}
