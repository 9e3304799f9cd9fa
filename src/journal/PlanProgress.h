#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <optional>

#include "journal/RunJournal.h"

// Which planned moves of a run the steps recorded so far speak of. A planned move made just
// as planned, while no earlier step touched its paths and with its item's identity known, is
// recorded without waiting for the disk: should its record be lost, recovery finds the move
// from the disk by the item's device and inode. Any other step is flushed before it is made.
// The run and recovery ask the same questions here, so they always agree on which planned
// moves the records settle.
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
    QList<JournalMove> planned_;
    // A planned path's place in the plan.
    QHash<QByteArray, qsizetype> placeOf_;
    QSet<QByteArray> touched_;
};
