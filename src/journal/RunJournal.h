#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

// One step of a rename run on disk, by exact on-disk paths: one atomic rename that never
// replaces anything, or an item sent to the Trash, or an item brought back from it.
struct JournalMove {
    enum class Kind : quint8 {
        // `from` was renamed to `to`.
        Move,
        // The item at `from` went to the Trash (an occupant the user chose to replace); `to`
        // is where it is there (the entry in the Trash's "files" folder), "" while unknown.
        Trash,
        // The item at `from` in a Trash went back to its old path `to`; its trash info record
        // goes with it.
        Restore,
    };

    JournalMove() = default;
    JournalMove(QByteArray from, QByteArray to, Kind kind = Kind::Move)
        : from(std::move(from)), to(std::move(to)), kind(kind) {}

    QByteArray from;
    QByteArray to;
    Kind kind = Kind::Move;
    // A move to a temporary name (a change of letter case goes through one): the path the
    // item is on its way to. Recovery takes a stranded item on from the temporary name.
    QByteArray finalTarget;
    // Trash: the item's device and inode, by which it is found in the Trash again.
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const JournalMove &other) const = default;

    static JournalMove trash(const QByteArray &path, quint64 device, quint64 inode) {
        JournalMove move{path, QByteArray(), Kind::Trash};
        move.device = device;
        move.inode = inode;
        return move;
    }
    static JournalMove restore(const QByteArray &inTrash, const QByteArray &original) {
        return {inTrash, original, Kind::Restore};
    }
};

// A durable record of one rename run in $XDG_STATE_HOME/Torvane, so that a run survives the
// process: a run that died half-way can be finished or undone at the next start, and the
// last run can be undone even after a restart.
//
// The plan (every planned move with its item's device and inode) is on disk before the first
// move. Every step then has two records: its intent, before it happens, and its completion
// after it. A planned move made as planned (PlanProgress) needs neither on disk first, as the
// plan covers it: its records are held and written in batches (one write for hundreds of
// moves) or ahead of the next record that must be on disk. Every other step (a move aside,
// either half of a change of letter case, an occupant sent to the Trash) has its intent
// flushed (fsync) before willMove returns, which takes every record held before it to the
// disk as well, and its completion written at once. So the file is
// always a prefix of the records, and the journal never claims a move that did not happen;
// for the one step that may have been under way, and for planned moves whose records a crash
// (of the process or the machine) lost, recovery decides from the disk what really happened.
// Steps are the physical ones (ItemMover journals them): each half of a change of letter case
// through a temporary name, a move back after a failed second half, a move aside, and an
// occupant sent to the Trash ("Replace"), so recovery always knows where every item is.
//
// Format version 2 adds the steps of kind Trash and Restore and the final target of a move to
// a temporary name to version 1 (which had moves only); version 3 adds the device and inode
// of planned moves; version 4 records the intent of a planned move made as planned by its
// place in the plan. All four are read.
//
// A journal is locked (flock) while a process writes it, so recovery never touches the
// journal of a run that is still going; the lock dies with the process.
//
// Reading, listing and pruning journals: JournalStore. Finishing and undoing: JournalRecovery.
class RunJournal {
public:
    // Starts the journal of a run with its planned moves (written atomically and durably); a
    // planned move's device and inode (0 when unknown) are those of the item to move.
    // Null with *error set when the journal cannot be written; the run must not start then.
    static std::unique_ptr<RunJournal> begin(const QList<JournalMove> &planned, QString *error);

    // Starts the journal of an undo of the journal at undonePath; `planned` holds the moves
    // back in the order they will be made, like a run's plan (with device and inode, a move
    // back made as planned is recorded without waiting for the disk).
    static std::unique_ptr<RunJournal> beginUndo(const QString &undonePath,
                                                 const QList<JournalMove> &planned, QString *error);

    // Continues an unfinished journal whose process died (a torn last record is cut off
    // first), so that recovery can confirm its in-flight move with didMove and end it. Null
    // with *error when it is closed, unreadable, or still written by a live process.
    static std::unique_ptr<RunJournal> resume(const QString &path, QString *error);

    // Records in a closed run journal that the undo journal at undoJournalPath restored it.
    static bool markUndone(const QString &path, const QString &undoJournalPath, QString *error);

    ~RunJournal();

    // Before a step (including moves aside and the steps through a temporary name). For a
    // Trash step, `to` is ignored (the place in the Trash is known only afterwards).
    bool willMove(const JournalMove &move);
    // After the step succeeded. For a Trash step, `move.to` tells where the item is in the
    // Trash ("" when it cannot be found there).
    bool didMove(const JournalMove &move);
    // The run ended (completed, stopped or failed); the journal is closed and kept as the
    // last run for a later undo. The oldest closed journals, pruned while the run went on,
    // are gone by then.
    bool end();

    // The journal's file.
    QString path() const;
    // The move announced last and not confirmed yet (after resume, the in-flight move).
    std::optional<JournalMove> inFlight() const;
    // Why the last call that answered false failed.
    QString errorString() const;

private:
    RunJournal() = default;
    bool append(const QByteArray &line, bool sync);
    // Keeps the record of a covered move, which `writeLine` appends to a byte array, for a
    // later write; false when a due write failed.
    template <typename WriteLine>
    bool hold(const WriteLine &writeLine);
    struct Private;
    std::unique_ptr<Private> d;
};
