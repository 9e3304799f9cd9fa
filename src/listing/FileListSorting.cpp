#include "listing/FileListSorting.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "listing/RecordComparison.h"

namespace FileListSorting {

namespace {

void sortByComparison(QList<ZKFileRepresentationPtr> &list, const ZKSortPriorities &priorities) {
    const RecordComparison comparison(priorities, list);
    std::vector<qsizetype> order(list.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&comparison](qsizetype a, qsizetype b) {
        return comparison.compare(a, b) < 0;
    });
    QList<ZKFileRepresentationPtr> sorted;
    sorted.reserve(list.size());
    for (qsizetype index : order) sorted.append(list.at(index));
    list = std::move(sorted);
}

}  // namespace

void sort(QList<ZKFileRepresentationPtr> &list, const ZKSortPriorities &priorities,
          QRandomGenerator *random) {
    switch (priorities.primarySortOrder()) {
        case ZKSortPriorities::DontSort:
            return;
        case ZKSortPriorities::Shuffle:
            shuffle(list, random);
            return;
        default:
            sortByComparison(list, priorities);
            return;
    }
}

void shuffle(QList<ZKFileRepresentationPtr> &list, QRandomGenerator *random) {
    if (list.size() < 2) return;
    QRandomGenerator &generator = random ? *random : *QRandomGenerator::global();
    QList<ZKFileRepresentationPtr> remaining = list;
    QList<ZKFileRepresentationPtr> shuffled;
    shuffled.reserve(list.size());
    while (remaining.size() > 1) {
        const qsizetype taken = qsizetype(generator.bounded(quint64(remaining.size())));
        shuffled.append(remaining.at(taken));
        // The last remaining item fills the gap, so taking one costs no shifting.
        remaining[taken] = remaining.last();
        remaining.removeLast();
    }
    shuffled.append(remaining.first());
    list = std::move(shuffled);
}

bool isIdenticalToArray(const QList<ZKFileRepresentationPtr> &list,
                        const QList<ZKFileRepresentationPtr> &other) {
    if (list.size() != other.size()) return false;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).get() != other.at(i).get()) return false;
    }
    return true;
}

}  // namespace FileListSorting
