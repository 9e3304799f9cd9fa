#include "listing/ZKSortPriorities.h"

#include <QSet>
#include <QVariantMap>

namespace {

bool isIntegerType(const QVariant &value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return true;
        default:
            return false;
    }
}

// One stored dictionary as an entry; false when it is malformed.
bool entryFromArchive(const QVariant &item, ZKSortPriorities::Entry *entry) {
    if (item.typeId() != QMetaType::QVariantMap) return false;
    const QVariantMap dictionary = item.toMap();
    const QVariant strategy = dictionary.value(ZKSortPriorities::StrategyKey);
    if (!isIntegerType(strategy) || !ZKSortPriorities::isKnownStrategy(strategy.toLongLong()))
        return false;
    const QVariant invert = dictionary.value(ZKSortPriorities::InvertKey, false);
    // Older archives may hold the flag as the integer 0 or 1.
    if (invert.typeId() != QMetaType::Bool && !isIntegerType(invert)) return false;
    entry->strategy = static_cast<int>(strategy.toLongLong());
    entry->invert = invert.typeId() == QMetaType::Bool ? invert.toBool() : invert.toLongLong() != 0;
    return true;
}

}  // namespace

ZKSortPriorities::ZKSortPriorities() : entries_(defaultEntries()) {}

ZKSortPriorities::ZKSortPriorities(const QList<Entry> &entries)
    : entries_(entries.isEmpty() ? defaultEntries() : entries) {}

QList<ZKSortPriorities::Entry> ZKSortPriorities::defaultEntries() {
    return {{Name, false},    {Path, false}, {CreationDate, false}, {ModificationDate, false},
            {Comment, false}, {Size, false}, {FileType, false},     {Shuffle, false},
            {DontSort, false}};
}

bool ZKSortPriorities::isKnownStrategy(qint64 strategy) {
    return (strategy >= Name && strategy <= FileType) || strategy == Shuffle ||
           strategy == DontSort;
}

bool ZKSortPriorities::isComparingStrategy(int strategy) {
    return strategy >= Name && strategy <= FileType;
}

int ZKSortPriorities::primarySortOrder() const { return entries_.first().strategy; }

bool ZKSortPriorities::isPrimaryInverted() const { return entries_.first().invert; }

bool ZKSortPriorities::setPrimarySortOrder(int strategy) {
    if (!isKnownStrategy(strategy) || primarySortOrder() == strategy) return false;
    for (qsizetype i = 1; i < entries_.size(); ++i) {
        if (entries_.at(i).strategy == strategy) {
            entries_.move(i, 0);
            return true;
        }
    }
    entries_.prepend({strategy, false});
    return true;
}

void ZKSortPriorities::setPrimaryInverted(bool invert) { entries_.first().invert = invert; }

QVariantList ZKSortPriorities::toArchive() const {
    QVariantList archive;
    archive.reserve(entries_.size());
    for (const Entry &entry : entries_) {
        archive.append(
            QVariantMap{{StrategyKey, qint64(entry.strategy)}, {InvertKey, entry.invert}});
    }
    return archive;
}

ZKSortPriorities ZKSortPriorities::fromArchive(const QVariant &archive) {
    if (archive.typeId() != QMetaType::QVariantList) return ZKSortPriorities();
    QList<Entry> entries;
    QSet<int> seen;
    for (const QVariant &item : archive.toList()) {
        Entry entry;
        if (!entryFromArchive(item, &entry) || seen.contains(entry.strategy)) continue;
        seen.insert(entry.strategy);
        entries.append(entry);
    }
    if (entries.isEmpty()) return ZKSortPriorities();
    for (const Entry &entry : defaultEntries()) {
        if (!seen.contains(entry.strategy)) entries.append(entry);
    }
    return ZKSortPriorities(entries);
}
