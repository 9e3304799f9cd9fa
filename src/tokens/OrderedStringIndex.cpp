#include "tokens/OrderedStringIndex.h"

void OrderedStringIndex::insert(const QString &key, const QString &value) {
    const auto found = positions_.constFind(key);
    if (found != positions_.constEnd()) {
        entries_[*found].second = value;
        return;
    }
    positions_.insert(key, entries_.size());
    entries_.append({key, value});
}

QString OrderedStringIndex::value(const QString &key) const {
    const auto found = positions_.constFind(key);
    return found == positions_.constEnd() ? QString() : entries_.at(*found).second;
}
