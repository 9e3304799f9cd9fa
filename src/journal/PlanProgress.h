#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <optional>
#include <vector>

#include "journal/RunJournal.h"

// Which planned moves of a run the steps recorded so far speak of. A planned move made just
// as planned, while no earlier step touched its paths and with its item's identity known, is
// recorded without waiting for the disk: should its record be lost, recovery finds the move
// from the disk by the item's device and inode. Any other step is flushed before it is made.
// The run and recovery ask the same questions here, so they always agree on which planned
// moves the records settle.
//
// Asked once for every move of a run, on the run's thread while the moves are made: the
// planned paths are numbered once, and a run that goes in the plan's order finds each move's
// numbers by comparing it with the next planned move, without hashing or storing a path.
class PlanProgress {
public:
    explicit PlanProgress(const QList<JournalMove> &planned = {});

    // Takes note of a step; answers the place in the plan of a planned move made as planned
    // that no earlier step touched, none for any other step.
    std::optional<qsizetype> step(const JournalMove &step);

    // Whether a step noted so far moved an item from or to the planned move's path or its
    // target. An untouched planned move's path is therefore empty once it is made, and stays
    // so until a flushed step moves something there.
    bool isTouched(const JournalMove &planned) const;

private:
    static constexpr quint32 kNone = ~quint32(0);

    // The number of a planned path, kNone for any other path.
    quint32 numberOf(const QByteArray &path) const;
    quint32 numberFor(const QByteArray &path, size_t hash);
    const QByteArray &pathOf(quint32 number) const;
    // Notes the path as touched; answers whether it was untouched before.
    bool touch(const QByteArray &path, quint32 number);
    bool isTouched(const QByteArray &path) const;

    QList<JournalMove> planned_;
    // Per place in the plan: the numbers of its path and of its target.
    std::vector<quint32> fromNumber_;
    std::vector<quint32> toNumber_;
    // Per planned path: where it first appears (place * 2, + 1 for a target), the place of
    // the move from it that recovery could find (kNone without one), whether a step touched it.
    std::vector<quint32> firstSeen_;
    std::vector<quint32> placeFrom_;
    std::vector<char> touched_;
    // Open addressing: a path's number + 1 (0 for an empty bucket) and its hash's high bits.
    std::vector<quint32> buckets_;
    std::vector<quint32> bucketTags_;
    size_t mask_ = 0;
    // Paths outside the plan that steps touched.
    QSet<QByteArray> otherTouched_;
    // Where the next move made in the plan's order is.
    qsizetype next_ = 0;
};
