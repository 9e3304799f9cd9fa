#include "listing/RecordComparison.h"

#include <QSet>

#include "common/LocalizedCompare.h"

namespace {

std::vector<const ZKFileRepresentation *> rawPointers(const QList<ZKFileRepresentationPtr> &list) {
    std::vector<const ZKFileRepresentation *> pointers;
    pointers.reserve(list.size());
    for (const ZKFileRepresentationPtr &record : list) pointers.push_back(record.get());
    return pointers;
}

}  // namespace

RecordComparison::RecordComparison(const ZKSortPriorities &priorities,
                                   const QList<ZKFileRepresentationPtr> &records)
    : RecordComparison(priorities, rawPointers(records)) {}

RecordComparison::RecordComparison(const ZKSortPriorities &priorities,
                                   std::vector<const ZKFileRepresentation *> records)
    : records_(std::move(records)) {
    QSet<int> seen;
    for (const ZKSortPriorities::Entry &entry : priorities.entries()) {
        // A repeated strategy compares the same values again and can never decide.
        if (!ZKSortPriorities::isComparingStrategy(entry.strategy) || seen.contains(entry.strategy))
            continue;
        seen.insert(entry.strategy);
        entries_.append(entry);
    }
    columns_.resize(entries_.size());
}

int RecordComparison::compare(qsizetype a, qsizetype b) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const int result = compareValues(value(i, a), value(i, b));
        if (result != 0) return entries_.at(i).invert ? -result : result;
    }
    return 0;
}

int RecordComparison::compare(const ZKFileRepresentation &a, const ZKFileRepresentation &b,
                              const ZKSortPriorities &priorities) {
    return RecordComparison(priorities, std::vector<const ZKFileRepresentation *>{&a, &b})
        .compare(0, 1);
}

RecordComparison::Value RecordComparison::valueOf(const ZKFileRepresentation *record,
                                                  int strategy) {
    Value value;
    if (!record) return value;
    auto setText = [&value](const QString &text) {
        value.missing = text.isEmpty();
        if (!value.missing) value.text = LocalizedCompare::sortKey(text);
    };
    auto setDate = [&value](const QDateTime &date) {
        value.missing = !date.isValid();
        if (!value.missing) value.number = date.toMSecsSinceEpoch();
    };
    switch (strategy) {
        case ZKSortPriorities::Name:
            setText(record->name());
            break;
        case ZKSortPriorities::Path:
            setText(record->path());
            break;
        case ZKSortPriorities::CreationDate:
            setDate(record->creationDate());
            break;
        case ZKSortPriorities::ModificationDate:
            setDate(record->modificationDate());
            break;
        case ZKSortPriorities::Comment:
            setText(record->spotlightComment());
            break;
        case ZKSortPriorities::Size:
            value.missing = false;
            value.number = record->size();
            break;
        case ZKSortPriorities::FileType:
            setText(record->kind());
            break;
        default:
            break;
    }
    return value;
}

const RecordComparison::Value &RecordComparison::value(qsizetype priority, qsizetype record) const {
    std::vector<std::optional<Value>> &column = columns_[priority];
    if (column.empty()) column.resize(records_.size());
    std::optional<Value> &slot = column[record];
    if (!slot) slot = valueOf(records_[record], entries_.at(priority).strategy);
    return *slot;
}

int RecordComparison::compareValues(const Value &a, const Value &b) {
    if (a.missing || b.missing) return int(a.missing) - int(b.missing);
    if (const int order = a.text.compare(b.text)) return order < 0 ? -1 : 1;
    if (a.number != b.number) return a.number < b.number ? -1 : 1;
    return 0;
}
