#pragma once

#include <QList>
#include <QRandomGenerator>

#include "listing/NameKeys.h"
#include "listing/ZKSortPriorities.h"
#include "records/ZKFileRepresentation.h"

// Putting the file list in the order its sort priorities ask for.
namespace FileListSorting {

// Orders the list in place by the primary strategy: "Don't Sort" (-1) leaves it as it is,
// "Shuffle" (99) shuffles it anew, anything else sorts it stably by RecordComparison.
// `random` is the shuffle's source; null means the global generator. Keys of names made
// ahead for this list are used where they apply, and taken either way.
void sort(QList<ZKFileRepresentationPtr> &list, const ZKSortPriorities &priorities,
          QRandomGenerator *random = nullptr, NameKeys *nameKeys = nullptr);

// Replaces the list by a uniformly random permutation of it: an item at a uniformly random
// index among those not yet taken goes next, until one is left, which goes last. Lists of
// fewer than two items stay as they are. `random` null means the global generator.
void shuffle(QList<ZKFileRepresentationPtr> &list, QRandomGenerator *random = nullptr);

// Same count and the same records, by identity, at every index.
bool isIdenticalToArray(const QList<ZKFileRepresentationPtr> &list,
                        const QList<ZKFileRepresentationPtr> &other);

}  // namespace FileListSorting
