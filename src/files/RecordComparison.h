#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "files/ZKFileRepresentation.h"
#include "files/ZKSortPriorities.h"

// The order of two records over the sort priorities. Each priority with a strategy from 0 to
// 6 compares one value of the records (name, path, comment and kind by the localized standard
// comparison, dates by time, size by number); the first priority that tells the records
// apart decides, reversed when it is descending. Other strategies are skipped.
//
// A missing value (an invalid date; an empty name, path, comment or kind) sorts after a
// present one, so missing values come last in ascending order and first in descending order;
// two missing values leave the decision to the next priority.
class RecordComparison {
public:
    explicit RecordComparison(const ZKSortPriorities &priorities);

    // One record's values, read from the record when a comparison first needs them and then
    // kept, so sorting a list reads each value and makes each collation key at most once.
    class Key {
    private:
        friend class RecordComparison;
        Key(const ZKFileRepresentation *record, qsizetype priorityCount);

        struct Value {
            bool missing = true;
            QByteArray text;  // collation key of a text value
            qint64 number = 0;
        };

        const ZKFileRepresentation *record_;
        mutable QList<std::optional<Value>> values_;
    };

    // A key for a record (which must outlive it) over these priorities. A null record has no
    // values at all and sorts after every record.
    Key keyFor(const ZKFileRepresentation *record) const;

    // <0 when a sorts before b, >0 when after, 0 when no priority tells them apart.
    int compare(const Key &a, const Key &b) const;
    int compare(const ZKFileRepresentation &a, const ZKFileRepresentation &b) const;

private:
    static Key::Value valueOf(const ZKFileRepresentation &record, int strategy);
    const Key::Value &value(const Key &key, qsizetype index) const;
    static int compareValues(const Key::Value &a, const Key::Value &b);

    // The comparing priorities only, each strategy once.
    QList<ZKSortPriorities::Entry> entries_;
};
