#include "listing/FileListSorting.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "listing/RecordComparison.h"

namespace FileListSorting {

namespace {

// A record's place in the sort: its first value as a word (see RecordComparison), with the
// record's index in the list.
struct Entry {
    quint64 word;
    qsizetype index;
};

// Whether record a goes before record b: by the comparison, then by list order, which makes
// an unstable sort give the stable order.
bool goesBefore(const RecordComparison &comparison, qsizetype a, qsizetype b) {
    const int order = comparison.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

// The records of a list as sort entries, those without a first value apart.
struct Split {
    std::vector<Entry> present;
    std::vector<qsizetype> missing;
};

Split splitByLeadingValue(RecordComparison &comparison, qsizetype count) {
    comparison.readLeadingValues();
    Split split;
    split.present.reserve(count);
    for (qsizetype index = 0; index < count; ++index) {
        if (const std::optional<quint64> word = comparison.leadingWord(index))
            split.present.push_back({*word, index});
        else
            split.missing.push_back(index);
    }
    return split;
}

// Most pairs of entries differ in their words, so most comparisons never leave the entries'
// array; equal words fall back to the full comparison.
void sortSplit(Split &split, const RecordComparison &comparison) {
    const bool inverted = comparison.isLeadingInverted();
    std::sort(split.present.begin(), split.present.end(),
              [&comparison, inverted](const Entry &a, const Entry &b) {
                  if (a.word != b.word) return (a.word < b.word) != inverted;
                  return goesBefore(comparison, a.index, b.index);
              });
    std::sort(split.missing.begin(), split.missing.end(),
              [&comparison](qsizetype a, qsizetype b) { return goesBefore(comparison, a, b); });
}

// The list's records in the order of the sorted split. Missing values go last in ascending
// order and first in descending order.
QList<ZKFileRepresentationPtr> reordered(QList<ZKFileRepresentationPtr> &list, const Split &split,
                                         bool inverted) {
    // Moving the records over leaves their reference counts alone.
    ZKFileRepresentationPtr *records = list.data();
    QList<ZKFileRepresentationPtr> sorted;
    sorted.reserve(list.size());
    const auto takePresent = [&sorted, &split, records] {
        for (const Entry &entry : split.present) sorted.append(std::move(records[entry.index]));
    };
    if (!inverted) takePresent();
    for (qsizetype index : split.missing) sorted.append(std::move(records[index]));
    if (inverted) takePresent();
    return sorted;
}

void sortByComparison(QList<ZKFileRepresentationPtr> &list, const ZKSortPriorities &priorities,
                      NameKeys &nameKeys) {
    RecordComparison comparison(priorities, list);
    comparison.takeNameKeys(std::move(nameKeys));
    // Let go of the list the keys came with before the list is rebuilt: sharing its array
    // would make the rebuild copy it.
    nameKeys = NameKeys();
    if (!comparison.comparesAnything()) return;
    Split split = splitByLeadingValue(comparison, list.size());
    sortSplit(split, comparison);
    list = reordered(list, split, comparison.isLeadingInverted());
}

}  // namespace

void sort(QList<ZKFileRepresentationPtr> &list, const ZKSortPriorities &priorities,
          QRandomGenerator *random, NameKeys *nameKeys) {
    NameKeys keys;
    if (nameKeys) std::swap(keys, *nameKeys);
    switch (priorities.primarySortOrder()) {
        case ZKSortPriorities::DontSort:
            return;
        case ZKSortPriorities::Shuffle:
            shuffle(list, random);
            return;
        default:
            sortByComparison(list, priorities, keys);
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
