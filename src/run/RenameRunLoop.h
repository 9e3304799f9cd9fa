#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <functional>
#include <memory>
#include <optional>

#include "journal/RunJournal.h"
#include "records/ZKFileRepresentation.h"
#include "run/FolderNames.h"
#include "run/ListedFolderContents.h"

class ItemMover;
class MovesAhead;
class ZKUserInteraction;

// What a rename run did with one record.
enum class RenameOutcome {
    NotPlanned,  // not relevant when the run started (or no run yet)
    Renamed,
    Skipped,     // not renamed, and the run went on ("Skip", an occupant that had to stay)
    Failed,      // the attempt ended the run (an error, a vanished item, "Cancel")
    NotReached,  // the run ended before its turn
    MovedAside,  // moved out of another's way, and the run ended before its own turn
};

using RenameOutcomes = QHash<const ZKFileRepresentation *, RenameOutcome>;

// The moves of one rename run: every relevant record, in list order, to its new path.
//
// A listed item that stands in the way of an earlier record and will itself be renamed
// later (a swap, a cycle) is first moved aside to "<its path>_<m>". Only an item that really
// is that listed record (same device and inode) is moved aside: on a case-sensitive volume a
// different file may differ from it only in letter case, and that one is a foreign occupant
// for the mover to ask about. When the record it made way for is then not renamed, the item
// moved aside goes back under its own name. Records inside a moved folder follow it. Every
// step on disk is journalled before and after it happens (the loop hands its journal to the
// mover, which journals at the move primitive), and nothing moves once the journal fails.
// The journal starts with plannedMoves(), which reads each relevant item's identity once.
//
// On the real disk, the longest opening stretch of the plan that needs no decision (plain
// renames within listed folders, to targets known to be free) is made on a second thread a
// little ahead of the loop (MovesAhead), which takes each move from it in turn. A run that
// ends early halts it first and then accounts for the moves it made that the loop had not
// reached yet: they are renamed, recorded and reported as such.
class RenameRunLoop {
    Q_DECLARE_TR_FUNCTIONS(RenameRunLoop)

public:
    // Milliseconds on a monotonic clock (FolderScanner::Clock); empty for the real one.
    using Clock = std::function<qint64()>;
    // Told after the turn of each record of the list (renamed or not), with the outcomes so
    // far: a record's is final then unless it is MovedAside (or NotReached, the run over).
    using TurnObserver = std::function<void(qsizetype index, const RenameOutcomes &outcomes)>;
    // The user is asked to stop at most this often (and always at the first and last record).
    static constexpr qint64 stopCheckInterval = 50;

    // The records are those of the list, in order; none may change during the run.
    RenameRunLoop(const QList<ZKFileRepresentationPtr> &records, ZKUserInteraction &user,
                  ItemMover &mover, Clock clock);
    ~RenameRunLoop();
    RenameRunLoop(const RenameRunLoop &) = delete;
    RenameRunLoop &operator=(const RenameRunLoop &) = delete;

    // Every relevant record's move, in list order, with its item's device and inode.
    QList<JournalMove> plannedMoves();
    // Picks the moves run() makes ahead (see above), without making any: the caller may do
    // it while the plan's journal is written.
    void prepareMovesAhead();

    // Moves every relevant record (relevantCount of them), each step in the journal. True
    // when each was renamed and the run was neither stopped nor cancelled; files renamed
    // before an end stay renamed.
    bool run(qsizetype relevantCount, RunJournal &journal);

    RenameOutcome outcome(const ZKFileRepresentation *record) const {
        return outcomes_.value(record, RenameOutcome::NotPlanned);
    }
    const RenameOutcomes &outcomes() const { return outcomes_; }
    void setTurnObserver(TurnObserver observer) { turnObserver_ = std::move(observer); }
    // Work of the caller's that need not wait for the run: done on the run's thread once the
    // moves ahead have started, while they keep the disk busy (before the first move when
    // none are made ahead).
    void setWhileMovesStart(std::function<void()> work) { whileMovesStart_ = std::move(work); }

private:
    using IdentityKey = std::pair<quint64, quint64>;

    void indexRelevantRecords();
    // The loop itself.
    bool renameInOrder();
    // Starts the moves ahead prepared, preparing them first when nobody did.
    void startMovesAhead();
    // Whether the planned move can be made ahead: a plain rename to a target known free.
    bool canBeMadeAhead(qsizetype place);
    // Halts the moves ahead, and settles those the loop never took.
    void settleMovesAhead();
    // Relevant, and its turn has not come yet.
    bool isPending(const ZKFileRepresentation *record) const;
    // The stop check and progress; true when the user chose to stop.
    bool checkForStop(qsizetype index, qsizetype done, bool force);
    void showProgress(const ZKFileRepresentation &record, qsizetype done);
    // The exact path the record moves to.
    QByteArray targetOf(qsizetype index) const;
    // Renames one record, clearing the way when its target is taken; false when the run must
    // end.
    bool renameRecord(qsizetype index, bool *renamed);
    // The later relevant record whose item is the one at the target; null when none.
    ZKFileRepresentationPtr laterRecordAtTarget(qsizetype index, const QByteArray &target);
    // relevantByIdentity_, built from the plan's identities.
    const QHash<IdentityKey, QList<qsizetype>> &relevantByIdentity();
    // relevantByLowercasePath_, built from the paths the records had when indexed.
    const QHash<QString, QList<qsizetype>> &relevantByLowercasePath();
    // Moves it to the first free "<path>_<m>" (target names the one it makes way for);
    // whether it moved. Sets *cancel when the run must end. When every name is taken it stays.
    bool moveAside(const ZKFileRepresentationPtr &record, const QByteArray &target, bool *cancel);
    // Moves a record that is not renamed itself (aside, or back); whether it moved.
    bool relocate(const ZKFileRepresentationPtr &record, const QByteArray &to, bool *cancel);
    // Records inside a folder that moved (a package too) follow it.
    void fixFolderSideEffectsForFileRepresentation(const ZKFileRepresentation &record,
                                                   const QByteArray &oldPath,
                                                   const QByteArray &newPath);

    QList<ZKFileRepresentationPtr> records_;
    ZKUserInteraction &user_;
    ItemMover &mover_;
    Clock clock_;
    bool indexed_ = false;
    QList<JournalMove> planned_;
    // Each record's planned move in planned_, -1 for none.
    QList<qsizetype> planPositions_;
    // Each planned move's record in records_.
    QList<qsizetype> plannedRecords_;
    std::unique_ptr<MovesAhead> movesAhead_;
    bool movesAheadPrepared_ = false;
    qsizetype relevantCount_ = 0;
    std::optional<qint64> lastStopCheck_;
    // Only a list with folders needs it: only a folder's move carries other items along.
    std::optional<ListedFolderContents> folderContents_;
    FolderNames folderNames_;
    // Device and inode of each relevant record's item -> its indexes in the list, once
    // relevantByIdentity() made it.
    QHash<IdentityKey, QList<qsizetype>> relevantByIdentity_;
    bool identitiesIndexed_ = false;
    // The same records by their lower-cased paths: a volume that ignores case may give one
    // item another inode number for each spelling of its name.
    QHash<QString, QList<qsizetype>> relevantByLowercasePath_;
    // The relevant records' paths when indexed, until relevantByLowercasePath_ is built.
    QList<std::pair<QString, qsizetype>> indexedPaths_;
    RenameOutcomes outcomes_;
    TurnObserver turnObserver_;
    std::function<void()> whileMovesStart_;
};
