#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

// One move of a rename run, by exact on-disk paths.
struct JournalMove {
    QByteArray from;
    QByteArray to;
    bool operator==(const JournalMove &other) const = default;
};

// A durable record of one rename run in $XDG_STATE_HOME/Torvane, so that a run survives the
// process: a run that died half-way can be finished or undone at the next start, and the
// last run can be undone even after a restart.
//
// Every move is written twice: its intent before it happens, flushed to disk (fsync) before
// willMove returns, and its completion after it, which reaches the disk with the next intent
// or with end(). So the journal never claims a move that did not happen, and for the one move
// that may have been under way recovery decides from the disk what really happened.
//
// A journal is locked (flock) while a process writes it, so recovery never touches the
// journal of a run that is still going; the lock dies with the process.
//
// Reading, listing and pruning journals: JournalStore. Finishing and undoing: JournalRecovery.
class RunJournal {
public:
    // Starts the journal of a run with its planned moves (written atomically and durably).
    // Null with *error set when the journal cannot be written; the run must not start then.
    static std::unique_ptr<RunJournal> begin(const QList<JournalMove> &planned, QString *error);

    // Starts the journal of an undo of the journal at undonePath; `planned` holds the moves
    // back in the order they will be made.
    static std::unique_ptr<RunJournal> beginUndo(const QString &undonePath,
                                                 const QList<JournalMove> &planned, QString *error);

    // Continues an unfinished journal whose process died (a torn last record is cut off
    // first), so that recovery can confirm its in-flight move with didMove and end it. Null
    // with *error when it is closed, unreadable, or still written by a live process.
    static std::unique_ptr<RunJournal> resume(const QString &path, QString *error);

    // Records in a closed run journal that the undo journal at undoJournalPath restored it.
    static bool markUndone(const QString &path, const QString &undoJournalPath, QString *error);

    ~RunJournal();

    // Before a move (including moves aside and the steps through a temporary name).
    bool willMove(const JournalMove &move);
    // After the move succeeded.
    bool didMove(const JournalMove &move);
    // The run ended (completed, stopped or failed); the journal is closed and kept as the
    // last run for a later undo.
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
    struct Private;
    std::unique_ptr<Private> d;
};
