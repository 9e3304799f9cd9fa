#include "records/TakenPaths.h"

#include <bit>

#include "common/TextCase.h"
#include "records/ZKFileRepresentation.h"

namespace {

constexpr quint64 kHashSeed = 14695981039346656037ull;  // FNV-1a
constexpr quint64 kHashPrime = 1099511628211ull;

// Adds the units to an FNV-1a hash, lower-casing ASCII letters on the way; false (the hash
// left unusable) at the first unit that is not ASCII.
bool addAsciiLowercase(quint64 &hash, QStringView text) {
    for (const QChar unit : text) {
        char16_t code = unit.unicode();
        if (code >= 0x80) return false;
        if (code >= u'A' && code <= u'Z') code += u'a' - u'A';
        hash = (hash ^ code) * kHashPrime;
    }
    return true;
}

// The slot index: the hash's bits mixed, since neighbouring paths differ in few of them.
size_t mixed(quint64 hash) {
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    hash ^= hash >> 33;
    return size_t(hash);
}

}  // namespace

EndPath::EndPath(QStringView head, QStringView tail)
    : head_(head), tail_(tail), hash_(hashOfLowercase()) {}

EndPath::EndPath(QString whole)
    : whole_(std::move(whole)), head_(whole_), hash_(hashOfLowercase()) {}

EndPath EndPath::of(const ZKFileRepresentation &record) {
    if (!record.hasRenameName()) return EndPath(record.path());
    if (const auto parts = record.renamePathParts()) return EndPath(parts->first, parts->second);
    return EndPath(record.renamePath());
}

QString EndPath::joined() const {
    QString path;
    path.reserve(head_.size() + tail_.size());
    return path.append(head_).append(tail_);
}

QString EndPath::lowercase() const { return TextCase::lower(joined()); }

// For ASCII paths the lower-case form is the ASCII one, so both ways give one hash for
// paths equal up to letter case.
quint64 EndPath::hashOfLowercase() const {
    quint64 hash = kHashSeed;
    if (addAsciiLowercase(hash, head_) && addAsciiLowercase(hash, tail_)) return hash;
    hash = kHashSeed;
    for (const QChar unit : lowercase()) hash = (hash ^ unit.unicode()) * kHashPrime;
    return hash;
}

TakenPaths::TakenPaths(qsizetype expectedCount)
    : slots_(std::bit_ceil(size_t(qMax<qsizetype>(expectedCount, 8)) * 2)) {}

ZKFileRepresentation *TakenPaths::holder(const EndPath &path) const {
    return slots_[slotOf(path)].record;
}

void TakenPaths::take(const EndPath &path, ZKFileRepresentation *record) {
    Slot &slot = slots_[slotOf(path)];
    if (!slot.record) ++count_;
    slot = {path.hash(), record};
    if (count_ * 4 >= slots_.size() * 3) grow();
}

size_t TakenPaths::slotOf(const EndPath &path) const {
    const size_t mask = slots_.size() - 1;
    for (size_t index = mixed(path.hash()) & mask;; index = (index + 1) & mask) {
        const Slot &slot = slots_[index];
        if (!slot.record) return index;
        // Equal hashes are almost always equal paths; the exact comparison tells.
        if (slot.hash == path.hash() && EndPath::of(*slot.record).lowercase() == path.lowercase())
            return index;
    }
}

void TakenPaths::grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (const Slot &slot : old) {
        if (!slot.record) continue;
        size_t index = mixed(slot.hash) & mask;
        while (slots_[index].record) index = (index + 1) & mask;
        slots_[index] = slot;
    }
}
