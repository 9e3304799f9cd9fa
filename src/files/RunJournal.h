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
// Every move is written twice: its intent before it happens and its completion after it,
// each flushed to disk (fsync), so the journal never claims a move that did not happen and
// recovery can tell, for the one move that may have been under way, what really happened.
class RunJournal {
public:
    // Starts the journal of a run with its planned moves (written atomically and durably).
    // Null with *error set when the journal cannot be written; the run must not start then.
    static std::unique_ptr<RunJournal> begin(const QList<JournalMove> &planned, QString *error);

    ~RunJournal();

    // Before a move (including moves aside and the steps through a temporary name).
    bool willMove(const JournalMove &move);
    // After the move succeeded.
    bool didMove(const JournalMove &move);
    // The run ended (completed, stopped or failed); the journal is closed and kept as the
    // last run for a later undo.
    bool end();

private:
    RunJournal() = default;
    struct Private;
    std::unique_ptr<Private> d;
};
