#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <atomic>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

#include "common/ProcessorAvoidance.h"
#include "platform/FileAttributes.h"

// Planned moves made on a second thread, a few ahead of the run, so that the kernel's work
// on one item overlaps the run's own work on the one before (its journal records, the
// records' new paths, the next target). On a large folder the kernel takes most of a run.
//
// It is given a stretch of the plan that can be made without a decision: every move within
// one folder it opened and found to be the one listed, to a target known to be free. It makes
// only the atomic no-replace rename, in the plan's order, at most `window` moves ahead of the
// run, and stops at its first failure: that item stays untouched, for the run to make or deal
// with as it would have without this. The run takes the moves in the same order and does the
// rest of each itself, as for a move it made.
class MovesAhead {
public:
    // How many moves it may make that the run has not taken yet: some ten milliseconds of
    // moves, so that the run's thread may be held up that long (by the system, or by other
    // work of the process) without holding up the moves.
    static constexpr qsizetype window = 1024;
    // The shortest stretch worth a thread: it costs more than a few moves spared.
    static constexpr qsizetype shortestStretch = 128;
    // How many moves the run waits for at once: each wait costs the two threads a system call
    // and the run's thread a switch. The run does its part of a move in a fraction of the
    // kernel's time, so it waits often; in waits for 256 rather than 32, both threads took
    // some 4 ms less processor time over 10,000 moves.
    static constexpr qsizetype batch = 256;
    static_assert(batch < window, "the run waits for no more moves than may be made ahead");

    MovesAhead() = default;
    // Halts, and closes the folders.
    ~MovesAhead();
    MovesAhead(const MovesAhead &) = delete;
    MovesAhead &operator=(const MovesAhead &) = delete;

    // Adds the next move of the stretch, before start(); false when it cannot be made here
    // (another folder for the target, a folder that is not the listed one or cannot be
    // opened, too many folders): the stretch ends before it.
    bool add(const QByteArray &from, const QByteArray &to,
             const FileAttributes::FileIdentity &listedFolder);
    // Room for this many moves at once, before the first add.
    void reserve(qsizetype count) { moves_.reserve(count); }
    qsizetype size() const { return moves_.size(); }
    void start();

    // Whether the next move of the stretch, which must be this one, was made here: waits for
    // it. False when it was not (it failed and stays for the caller, the stretch is over, or
    // the caller makes another move, which first halts the moves ahead).
    bool take(const QByteArray &from, const QByteArray &to);

    // No more moves are made once the one under way is; waits for it.
    void halt();
    // After halt(): the places in the stretch of the moves made but never taken, in order.
    QList<qsizetype> untaken() const;

private:
    struct Move {
        QByteArray from;
        QByteArray to;
        int folder;
        // Where the name starts in from and in to.
        qsizetype nameAt;
    };

    void makeMoves();
    // The descriptor of the folder (given with its last slash), opened and checked against
    // the listed one; -1 when refused.
    int openFolder(QByteArrayView folder, const FileAttributes::FileIdentity &listed);

    QList<Move> moves_;
    QHash<QByteArray, int> folders_;
    // Left where the scheduler puts it, unlike the helper threads of the steps before: started
    // on the other processor, beside the run's thread, the moves took a quarter longer.
    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable changed_;
    // Moves made; the worker writes it.
    std::atomic<qsizetype> made_{0};
    // The worker made its last move (the stretch ended, a move failed or it was halted).
    std::atomic<bool> finished_{false};
    std::atomic<bool> halted_{false};
    // Moves taken; the run writes it.
    std::atomic<qsizetype> taken_{0};
    // What each thread waits for, so that the other wakes it only then: the run for made_ to
    // reach runWants_, the worker for taken_ to reach workerWants_.
    static constexpr qsizetype nobodyWaits = std::numeric_limits<qsizetype>::max();
    std::atomic<qsizetype> runWants_{nobodyWaits};
    std::atomic<qsizetype> workerWants_{nobodyWaits};
    // The worker's processor once it runs; -1 before.
    std::atomic<int> workerProcessor_{-1};
    // The run's thread wakes for every batch of moves. Where other work takes a processor,
    // the scheduler tended to wake it on the worker's, which then shared its processor with
    // the run's thread. So from the end of its first wait until the halt the run's thread
    // keeps off the worker's processor and shares another with that work instead: with a
    // compute loop beside it on two processors, the run took 1.45 to 1.50 times the floor
    // against 1.63 to 1.78. Without such work the two keep apart by themselves.
    std::optional<ProcessorAvoidance> runKeptOff_;
};
