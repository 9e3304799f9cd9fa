#include "listing/RecordComparison.h"

#include <QSet>
#include <algorithm>
#include <cstring>

#include "common/HelperThread.h"
#include "common/LocalizedCompare.h"

namespace {

bool isTextStrategy(int strategy) {
    return strategy == ZKSortPriorities::Name || strategy == ZKSortPriorities::Path ||
           strategy == ZKSortPriorities::Comment || strategy == ZKSortPriorities::FileType;
}

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
    for (qsizetype i = 0; i < entries_.size(); ++i)
        columns_[i].isText = isTextStrategy(entries_.at(i).strategy);
}

int RecordComparison::compare(qsizetype a, qsizetype b) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const Value &first = value(i, a);
        const int result = compareValues(columns_[i], first, value(i, b));
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
        value.number = qint64(column.keys.size());
        value.keySize = quint32(LocalizedCompare::appendSortKey(text, &column.keys));
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

int RecordComparison::compareValues(const Column &column, const Value &a, const Value &b) const {
    const bool aMissing = a.state != Value::Present;
    const bool bMissing = b.state != Value::Present;
    if (aMissing || bMissing) return int(aMissing) - int(bMissing);
    if (!column.isText) return a.number == b.number ? 0 : (a.number < b.number ? -1 : 1);
    // Keys compare as unsigned bytes, the shorter first when one is the start of the other.
    const uint8_t *keys = column.keys.data();
    const size_t common = std::min(a.keySize, b.keySize);
    if (const int order = common ? std::memcmp(keys + a.number, keys + b.number, common) : 0)
        return order < 0 ? -1 : 1;
    if (a.keySize != b.keySize) return a.keySize < b.keySize ? -1 : 1;
    return 0;
}

bool RecordComparison::isLeadingInverted() const {
    return comparesAnything() && entries_.first().invert;
}

bool RecordComparison::takeNameKeys(NameKeys &&made) {
    const size_t count = made.places.size();
    if (!comparesAnything() || entries_.front().strategy != ZKSortPriorities::Name ||
        count > records_.size() || qsizetype(count) > made.records.size())
        return false;
    for (size_t index = 0; index < count; ++index)
        if (made.records.at(qsizetype(index)).get() != records_[index]) return false;
    Column &column = columns_.front();
    column.values.resize(records_.size());
    for (size_t index = 0; index < count; ++index) {
        const auto [start, size] = made.places[index];
        Value &value = column.values[index];
        value.state = start < 0 ? Value::Missing : Value::Present;
        value.number = qMax<qint64>(start, 0);
        value.keySize = size;
    }
    column.keys = std::move(made.keys);
    return true;
}

void RecordComparison::readLeadingValues() {
    if (!comparesAnything()) return;
    Column &column = columns_.front();
    const qsizetype count = qsizetype(records_.size());
    column.values.resize(records_.size());
    const int strategy = entries_.front().strategy;
    // Values taken from elsewhere cover the list's start.
    qsizetype from = 0;
    while (from < count && column.values[from].state != Value::Unread) ++from;
    // Names and paths are in the records already: on a long list a second thread makes the
    // collation keys of its second half, into a buffer of its own joined to the first after.
    const bool inMemory = strategy == ZKSortPriorities::Name || strategy == ZKSortPriorities::Path;
    if (!inMemory || count - from < splitReadingFrom) {
        readValues(from, count, column);
    } else {
        const qsizetype half = from + (count - from) / 2;
        Column second;
        second.isText = column.isText;
        HelperThread helper([&] { readValues(half, count, second, &column.values); });
        readValues(from, half, column);
        helper.join();
        const qint64 offset = qint64(column.keys.size());
        column.keys.insert(column.keys.end(), second.keys.cbegin(), second.keys.cend());
        for (qsizetype record = half; record < count; ++record)
            if (column.values[record].state == Value::Present)
                column.values[record].number += offset;
    }
    if (column.isText) column.sharedKeyBytes = sharedKeyBytes(column);
}

void RecordComparison::readValues(qsizetype from, qsizetype to, Column &keys,
                                  std::vector<Value> *values) const {
    if (!values) values = &keys.values;
    const int strategy = entries_.front().strategy;
    // The first keys tell roughly how large all of them get: reserving twice that spares
    // copying the buffer as it grows, and reserved memory costs nothing until it is written.
    // The cap keeps a sample of unusually long values from asking for absurd amounts.
    constexpr qsizetype sample = 1024;
    constexpr size_t largestReservation = size_t(1) << 30;
    const size_t bytesBefore = keys.keys.size();
    for (qsizetype record = from; record < to; ++record) {
        if (record - from == sample && keys.isText)
            keys.keys.reserve(bytesBefore +
                              std::min(largestReservation, 2 * (keys.keys.size() - bytesBefore) *
                                                               size_t((to - from) / sample + 1)));
        Value &slot = (*values)[record];
        if (slot.state == Value::Unread) read(records_[record], strategy, keys, slot);
    }
}

size_t RecordComparison::sharedKeyBytes(const Column &column) {
    const uint8_t *keys = column.keys.data();
    const Value *first = nullptr;
    size_t shared = 0;
    for (const Value &current : column.values) {
        if (current.state != Value::Present) continue;
        if (!first) {
            first = &current;
            shared = first->keySize;
            continue;
        }
        const uint8_t *firstKey = keys + first->number;
        const size_t limit = std::min<size_t>(shared, current.keySize);
        shared = size_t(std::mismatch(firstKey, firstKey + limit, keys + current.number).first -
                        firstKey);
    }
    return shared;
}

std::optional<quint64> RecordComparison::leadingWord(qsizetype record) const {
    const Column &column = columns_.front();
    const Value &leading = column.values[record];
    if (leading.state != Value::Present) return std::nullopt;
    // Flipping the sign bit turns the order of signed numbers into that of unsigned words.
    if (!column.isText) return quint64(leading.number) ^ (quint64(1) << 63);
    // The next eight key bytes, big-endian; a shorter key is padded with zero bytes, so it
    // never gets a larger word than a key it is the start of.
    quint64 word = 0;
    const uint8_t *key = column.keys.data() + leading.number;
    for (size_t i = column.sharedKeyBytes; i < column.sharedKeyBytes + 8; ++i)
        word = word << 8 | (i < leading.keySize ? key[i] : 0);
    return word;
}
