#include "files/RecordComparison.h"

#include <QSet>

#include "common/LocalizedCompare.h"

RecordComparison::RecordComparison(const ZKSortPriorities &priorities)
{
    QSet<int> seen;
    for (const ZKSortPriorities::Entry &entry : priorities.entries()) {
        // A repeated strategy compares the same values again and can never decide.
        if (!ZKSortPriorities::isComparingStrategy(entry.strategy) || seen.contains(entry.strategy))
            continue;
        seen.insert(entry.strategy);
        entries_.append(entry);
    }
}

RecordComparison::Key::Key(const ZKFileRepresentation *record, qsizetype priorityCount)
    : record_(record), values_(priorityCount)
{
}

RecordComparison::Key RecordComparison::keyFor(const ZKFileRepresentation *record) const
{
    return Key(record, entries_.size());
}

int RecordComparison::compare(const Key &a, const Key &b) const
{
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const int result = compareValues(value(a, i), value(b, i));
        if (result != 0) return entries_.at(i).invert ? -result : result;
    }
    return 0;
}

int RecordComparison::compare(const ZKFileRepresentation &a, const ZKFileRepresentation &b) const
{
    return compare(keyFor(&a), keyFor(&b));
}

RecordComparison::Key::Value RecordComparison::valueOf(const ZKFileRepresentation &record,
                                                       int strategy)
{
    Key::Value value;
    auto setText = [&value](const QString &text) {
        value.missing = text.isEmpty();
        if (!value.missing) value.text = LocalizedCompare::sortKey(text);
    };
    auto setDate = [&value](const QDateTime &date) {
        value.missing = !date.isValid();
        if (!value.missing) value.number = date.toMSecsSinceEpoch();
    };
    switch (strategy) {
    case ZKSortPriorities::Name: setText(record.name()); break;
    case ZKSortPriorities::Path: setText(record.path()); break;
    case ZKSortPriorities::CreationDate: setDate(record.creationDate()); break;
    case ZKSortPriorities::ModificationDate: setDate(record.modificationDate()); break;
    case ZKSortPriorities::Comment: setText(record.spotlightComment()); break;
    case ZKSortPriorities::Size:
        value.missing = false;
        value.number = record.size();
        break;
    case ZKSortPriorities::FileType: setText(record.kind()); break;
    default: break;
    }
    return value;
}

const RecordComparison::Key::Value &RecordComparison::value(const Key &key, qsizetype index) const
{
    std::optional<Key::Value> &slot = key.values_[index];
    if (!slot) {
        slot = key.record_ ? valueOf(*key.record_, entries_.at(index).strategy) : Key::Value();
    }
    return *slot;
}

int RecordComparison::compareValues(const Key::Value &a, const Key::Value &b)
{
    if (a.missing || b.missing) return int(a.missing) - int(b.missing);
    if (a.text != b.text) return a.text < b.text ? -1 : 1;
    if (a.number != b.number) return a.number < b.number ? -1 : 1;
    return 0;
}
