#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class ZKFileItem;

// The groups of a sequence during one name computation: the files seen so far per
// identifier, and, from the second pass on, the number of files of each group. A computation
// runs a second pass only when a group's total was asked for before it was known.
class SequenceGroups {
public:
    // The file's position in its group, adding it at the end unless it is already the last
    // one there (a file asking twice in a row keeps its place).
    qint64 indexOfFile(const QString &identifier, const ZKFileItem *file);

    // The group's number of files once known (second pass); otherwise nothing, and the
    // computation is marked as needing the totals.
    std::optional<qint64> totalForIdentifier(const QString &identifier);

    bool needsTotals() const { return checkTotals_; }

    // After a pass. With analyze set and a total asked for but unknown: the counts of this
    // pass become the totals and the answer is true (run once more). Otherwise every piece of
    // working state is dropped and the answer is false.
    bool cleanUpAfterUpdatingAndAnalyze(bool analyze);

private:
    std::optional<QHash<QString, QList<const ZKFileItem *>>> incrementing_;
    std::optional<QHash<QString, qint64>> totals_;
    bool checkTotals_ = false;
};
