#pragma once

#include <QList>
#include <cstdint>
#include <optional>
#include <vector>

#include "listing/NameKeys.h"
#include "listing/ZKSortPriorities.h"
#include "records/ZKFileRepresentation.h"

// The order of records over the sort priorities. Each priority with a strategy from 0 to 6
// compares one value of the records (name, path, comment and kind by the localized standard
// comparison, dates by time, size by number); the first priority that tells two records
// apart decides, reversed when it is descending. Other strategies are skipped.
//
// A missing value (an invalid date; an empty name, path, comment or kind) sorts after a
// present one, so missing values come last in ascending order and first in descending order;
// two missing values leave the decision to the next priority. A null record has no values.
class RecordComparison {
public:
    // Compares the records of one list by their index. A value is read from its record, and
    // its collation key made, only when a comparison first needs it, and then kept: sorting
    // reads each value at most once and compares text keys byte by byte.
    RecordComparison(const ZKSortPriorities &priorities,
                     const QList<ZKFileRepresentationPtr> &records);

    // <0 when record a sorts before record b, >0 when after, 0 when no priority tells them
    // apart. Indexes must be valid for the list given.
    int compare(qsizetype a, qsizetype b) const;

    // Two records on their own.
    static int compare(const ZKFileRepresentation &a, const ZKFileRepresentation &b,
                       const ZKSortPriorities &priorities);

    // Whether any priority compares at all; without one every record ties.
    bool comparesAnything() const { return !entries_.isEmpty(); }
    // Whether the first priority is descending.
    bool isLeadingInverted() const;

    // Takes the keys of names made ahead when the first priority is the name and the keys
    // belong to the first records of the list compared; false (nothing taken) otherwise.
    bool takeNameKeys(NameKeys &&made);

    // Reads the first priority's value of every record, in list order: a sort consults each
    // of them anyway, and reading them in its own scattered order is far slower on long lists.
    void readLeadingValues();
    // After readLeadingValues(): the first priority's value of a record as a word that orders
    // like it. When two records' words differ, the smaller one sorts first in ascending order;
    // equal words leave the decision to compare(). None when the record has no value.
    std::optional<quint64> leadingWord(qsizetype record) const;

private:
    // One record's value for one priority: a number, or a text's collation key, kept in the
    // column's buffer of keys at `number` with `keySize` bytes.
    struct Value {
        enum State : quint8 { Unread, Missing, Present };
        qint64 number = 0;
        quint32 keySize = 0;
        State state = Unread;
    };
    // The values of every record for one priority, read when the priority is first consulted.
    struct Column {
        bool isText = false;
        std::vector<Value> values;
        std::vector<uint8_t> keys;
        // The leading bytes that every present key shares, once all values are read: they
        // cannot order anything, so words start after them.
        size_t sharedKeyBytes = 0;
    };

    RecordComparison(const ZKSortPriorities &priorities,
                     std::vector<const ZKFileRepresentation *> records);
    void read(const ZKFileRepresentation *record, int strategy, Column &column, Value &value) const;
    const Value &value(qsizetype priority, qsizetype record) const;
    int compareValues(const Column &column, const Value &a, const Value &b) const;
    // Lists at least this long have their leading values read on two threads.
    static constexpr qsizetype splitReadingFrom = 4096;
    // Reads the first priority's values of the records from `from` to `to` (not included)
    // into `values` (the column's own when null), their keys into the column's buffer.
    void readValues(qsizetype from, qsizetype to, Column &keys,
                    std::vector<Value> *values = nullptr) const;
    static size_t sharedKeyBytes(const Column &column);

    // The comparing priorities only, each strategy once.
    QList<ZKSortPriorities::Entry> entries_;
    std::vector<const ZKFileRepresentation *> records_;
    mutable std::vector<Column> columns_;
};
