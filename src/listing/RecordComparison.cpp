#include "listing/RecordComparison.h"

#include <QSet>
#include <algorithm>
#include <cstring>

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
        const Value &first = value(i, a);
        const int result = compareValues(i, first, value(i, b));
        if (result != 0) return entries_.at(i).invert ? -result : result;
    }
    return 0;
}

int RecordComparison::compare(const ZKFileRepresentation &a, const ZKFileRepresentation &b,
                              const ZKSortPriorities &priorities) {
    return RecordComparison(priorities, std::vector<const ZKFileRepresentation *>{&a, &b})
        .compare(0, 1);
}

void RecordComparison::read(const ZKFileRepresentation *record, int strategy, Column &column,
                            Value &value) const {
    value.state = Value::Missing;
    if (!record) return;
    auto setText = [&value, &column](const QString &text) {
        if (text.isEmpty()) return;
        value.state = Value::Present;
        value.keyOffset = column.keys.size();
        value.keySize = size_t(LocalizedCompare::appendSortKey(text, &column.keys));
    };
    auto setDate = [&value](const QDateTime &date) {
        if (!date.isValid()) return;
        value.state = Value::Present;
        value.number = date.toMSecsSinceEpoch();
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
            value.state = Value::Present;
            value.number = record->size();
            break;
        case ZKSortPriorities::FileType:
            setText(record->kind());
            break;
        default:
            break;
    }
}

const RecordComparison::Value &RecordComparison::value(qsizetype priority, qsizetype record) const {
    Column &column = columns_[priority];
    if (column.values.empty()) column.values.resize(records_.size());
    Value &slot = column.values[record];
    if (slot.state == Value::Unread)
        read(records_[record], entries_.at(priority).strategy, column, slot);
    return slot;
}

int RecordComparison::compareValues(qsizetype priority, const Value &a, const Value &b) const {
    const bool aMissing = a.state != Value::Present;
    const bool bMissing = b.state != Value::Present;
    if (aMissing || bMissing) return int(aMissing) - int(bMissing);
    // Keys compare as unsigned bytes, the shorter first when one is the start of the other.
    const uint8_t *keys = columns_[priority].keys.data();
    const size_t common = std::min(a.keySize, b.keySize);
    if (const int order = common ? std::memcmp(keys + a.keyOffset, keys + b.keyOffset, common) : 0)
        return order < 0 ? -1 : 1;
    if (a.keySize != b.keySize) return a.keySize < b.keySize ? -1 : 1;
    if (a.number != b.number) return a.number < b.number ? -1 : 1;
    return 0;
}
