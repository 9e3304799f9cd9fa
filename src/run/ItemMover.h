#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

#include "platform/DiskInterface.h"
#include "platform/FileAttributes.h"
#include "run/RecentFolderChecks.h"

class FolderNames;
class MovesAhead;
class RunJournal;
struct JournalMove;
class ZKUserInteraction;

// Moves single items on disk for the rename run, and the path helpers that go with it.
//
// Paths to move are the exact native bytes (a name on Linux need not be valid UTF-8); text
// forms serve comparisons and messages only. Every move is atomic and never replaces an
// existing item: an occupied target is either cleared first (the occupant goes to the Trash
// once the user agreed) or the move fails.
//
// Operations that can be cancelled take an out cancel flag (nullable). A set flag tells the
// caller to stop the whole run; false with the flag unset means only this item was skipped.
//
// With a journal (a rename run), every step on disk is journalled where it is made: each
// rename (both halves of a change of letter case through a temporary name, and a move back
// when the second half fails), and each occupant sent to the Trash with the place where it
// landed. Once the journal cannot be written nothing moves any more: the failure is shown
// once and every later move answers false with cancel (a move that happened before the
// journal failed answers true with cancel).
class ItemMover {
    Q_DECLARE_TR_FUNCTIONS(ItemMover)

public:
    // The extended attribute holding a droplet's instance identifier.
    static constexpr char applicationInstanceAttribute[] = "user.torvane.application-instance";

    // The user answers the questions and sees the alerts; it and the disk must outlive the
    // mover.
    explicit ItemMover(ZKUserInteraction *user, DiskInterface &disk = DiskInterface::current());

    // The journal of the run the moves belong to (none: moves are not journalled). It must
    // outlive its use.
    void setJournal(RunJournal *journal);
    // What the run knows of its folders' names (none: nothing), told of every step made.
    void setFolderNames(FolderNames *names) { folderNames_ = names; }
    // The journal could not be written: the run must end.
    bool journalFailed() const { return journalFailed_; }
    // Moves made ahead on a second thread (none: every move is made here). A move it made is
    // taken instead of being made again; it must outlive its use.
    void setMovesAhead(MovesAhead *ahead) { movesAhead_ = ahead; }
    // Whether the moves are the real disk's (a test may give a disk that fails on demand):
    // only then may they be made ahead, past the disk.
    bool movesOnRealDisk() const { return &disk_ == &DiskInterface::real(); }
    // A move made ahead that the run never took (it ended first): journalled like any other,
    // as far as the journal still can be.
    void recordMoveMadeAhead(const JournalMove &step);

    // Whether the source's folder is still the folder it was listed in. When it is not (it was
    // moved away, or replaced, perhaps by a symbolic link to somewhere else), the item is
    // reported as vanished, which stops the run: nothing is moved where the user never listed.
    bool isInListedFolder(const QByteArray &source,
                          const FileAttributes::FileIdentity &listedFolder, bool *cancel);

    // The caller knows nothing to be at the target: the next move there need not look again.
    // Something that arrived there meanwhile is still never replaced: that move fails quietly
    // (no alert, no cancel) and targetTakenAfterAll() says so, for the caller to deal with the
    // occupant as with any other.
    void noteFreeTarget(const QByteArray &target) {
        freeTarget_ = target;
        targetTakenAfterAll_ = false;
    }
    bool targetTakenAfterAll() const { return targetTakenAfterAll_; }

    // Whether the source may now be moved to the target. True when nothing is at the target,
    // or when the target is the source itself under a name that differs only in letter case
    // (a case-insensitive volume). Any other occupant is foreign: unless "Skip All" or
    // "Replace All" was answered before, the user is asked to replace it (with "Cancel" only
    // when cancel is given). A replaced occupant goes to the Trash; one that cannot is kept
    // and the answer is false without cancel.
    bool makePathAvailableForMovingSourcePath(const QByteArray &target, const QByteArray &source,
                                              bool *cancel);

    // Moves the source to the target. A change of letter case only goes through a temporary
    // name in the target's folder. With checkLock, a locked source is unlocked (once the user
    // agreed), moved and locked again. A non-empty comment is written to the moved item when
    // it arrived without one. Failures are shown to the user and set cancel.
    bool moveToPath(const QByteArray &source, const QByteArray &target, const QString &comment,
                    bool checkLock, bool *cancel);
    // The same with checkLock.
    bool moveToPath(const QByteArray &source, const QByteArray &target, const QString &comment,
                    bool *cancel);

    // Both paths in NFC, and lower-cased first when ignoring case.
    static bool isEqualToPath(const QString &path, const QString &other, bool ignoreCase);
    // The same for paths as stored: decoded as the user sees them.
    static bool isEqualToNativePath(const QByteArray &path, const QByteArray &other,
                                    bool ignoreCase);

    // A free path for a file to be saved: the path itself when nothing is there, else
    // "name N.ext" for N = 1 … 999999. A candidate equal to currentPath (ignoring case; the
    // file being saved again) is answered with *isMatch true. Null when every name is taken.
    static QString availablePathWithCurrentPath(const QString &path, const QString &currentPath,
                                                bool *isMatch);
    static QString availablePath(const QString &path);

    // The comment file managers show ("user.xdg.comment"), plain UTF-8 text. Setting logs
    // its outcome; an empty comment removes it.
    static bool setSpotlightComment(const QByteArray &path, const QString &comment);
    static QString spotlightComment(const QByteArray &path);

    // Extended attributes of an existing item itself (symbolic links are not followed).
    // Reading answers none for a missing or empty attribute.
    static bool setData(const QByteArray &path, const QByteArray &data, const char *attribute);
    static std::optional<QByteArray> dataForExtendedFileAttribute(const QByteArray &path,
                                                                  const char *attribute);
    // A value stored as a binary property list; an invalid QVariant when none can be read.
    static bool setValue(const QByteArray &path, const QVariant &value, const char *attribute);
    static QVariant valueForExtendedFileAttribute(const QByteArray &path, const char *attribute);
    // A droplet's instance identifier, a property-list string in applicationInstanceAttribute.
    static bool setApplicationInstanceIdentifier(const QByteArray &path, const QString &identifier);
    static QString applicationInstanceIdentifier(const QByteArray &path);

private:
    struct MoveOutcome {
        MoveOutcome(bool moved = false, QString error = QString(), bool stranded = false,
                    QString strandedText = QString())
            : moved(moved),
              error(std::move(error)),
              stranded(stranded),
              strandedText(std::move(strandedText)) {}
        bool moved = false;
        QString error;
        // The system's error number of a failed direct move; 0 otherwise.
        int errorNumber = 0;
        // The item is left under a temporary name: its original name can no longer be checked.
        bool stranded = false;
        // What tells the user where a stranded item is.
        QString strandedText;
    };

    // One step on disk between its journal records (with a journal); false when it was not
    // made (also when the journal refused it, which sets journalFailed_).
    bool journalledStep(JournalMove step, QString *error = nullptr, int *errorNumber = nullptr);
    // What the run knows of its folders follows a step made.
    void noteStepMade(const JournalMove &step);
    MoveOutcome moveItem(const QByteArray &source, const QByteArray &target);
    // A change of letter case, or the target is the source under another spelling (a
    // case-insensitive volume): the move goes through a temporary name.
    bool takesRouteThroughTemporaryName(const QByteArray &source, const QByteArray &target);
    // Without a sandbox, the permission to rename is the permission to write to the folder;
    // in one, a folder the permissions refuse may still be unlocked by the user.
    bool confirmWriteAccessToFolderOf(const QByteArray &source);
    MoveOutcome moveThroughTemporaryName(const QByteArray &source, const QByteArray &target);
    // Sends the occupant of the target to the Trash, journalled; false with *error when it
    // stays (or when the journal failed).
    bool trashOccupant(const QByteArray &target, QString *error);
    // Tells the user once that the journal failed (with where a stranded item is) and sets
    // cancel; answers false.
    bool journalFailure(bool *cancel, const QString &detail = QString());

    // Asks whether to replace the occupant of the target; true for "Replace" and "Replace All".
    bool userAgreesToReplace(const QByteArray &target, bool *cancel);
    bool moveLockedItem(const QByteArray &source, const QByteArray &target, const QString &comment,
                        bool *cancel);
    bool userAgreesToUnlock(const QByteArray &source, bool *cancel);
    // The alerts end the run: each sets cancel and answers false.
    bool showErrorAlert(const QByteArray &source, const QString &error, bool *cancel);
    bool showVanishedAlert(const QByteArray &source, bool *cancel);
    // The "Cannot rename" alert with this text and its one button "Stop".
    bool stopRun(const QByteArray &source, const QString &informativeText, bool *cancel);

    ZKUserInteraction *user_;
    DiskInterface &disk_;
    RunJournal *journal_ = nullptr;
    FolderNames *folderNames_ = nullptr;
    MovesAhead *movesAhead_ = nullptr;
    bool journalFailed_ = false;
    bool journalFailureShown_ = false;
    QByteArray freeTarget_;
    bool targetTakenAfterAll_ = false;
    RecentFolderChecks folderChecks_;
};
