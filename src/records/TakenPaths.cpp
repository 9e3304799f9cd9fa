#include "records/TakenPaths.h"

#include <bit>
#include <cstring>

#include "common/TextCase.h"
#include "records/ZKFileRepresentation.h"

namespace {

constexpr quint64 kHashSeed = 14695981039346656037ull;
constexpr quint64 kHashMultiplier = 0x9e3779b97f4a7c15ull;
// Bit 7 of each of four UTF-16 units: set in any unit that is not ASCII.
constexpr quint64 kNonAsciiBits = 0xff80ff80ff80ff80ull;

// Four ASCII units with their capital letters made small, all four at once: a unit from 'A'
// on gets bit 7 from the first sum, one past 'Z' from the second, and bit 5 makes it small.
quint64 asciiLowercase(quint64 units) {
    constexpr quint64 bit7 = 0x0080008000800080ull;
    const quint64 fromA = (units + 0x003f003f003f003full) & bit7;
    const quint64 pastZ = (units + 0x0025002500250025ull) & bit7;
    return units | ((fromA & ~pastZ) >> 2);
}

// A hash of a text fed in parts, four units at a time: the same for the same units however
// the text is split.
class UnitHash {
public:
    // Adds the units lower-casing ASCII letters; false (the hash left unusable) at the first
    // unit that is not ASCII.
    bool addAscii(QStringView text) { return add(text, true); }
    // Adds units as they are.
    void add(QStringView text) { add(text, false); }

    quint64 value() const {
        quint64 hash = hash_;
        if (pendingUnits_ > 0) hash = mixed(hash, pending_);
        return mixed(hash, quint64(count_));
    }

private:
    static quint64 mixed(quint64 hash, quint64 word) {
        hash = (hash ^ word) * kHashMultiplier;
        return hash ^ (hash >> 32);
    }

    bool add(QStringView text, bool asciiOnly) {
        const char16_t *unit = text.utf16();
        qsizetype left = text.size();
        count_ += left;
        // Whole words once the pending one is full.
        for (; left > 0 && pendingUnits_ > 0; ++unit, --left)
            if (!addUnit(*unit, asciiOnly)) return false;
        for (; left >= 4; unit += 4, left -= 4) {
            quint64 word;
            std::memcpy(&word, unit, sizeof word);
            if (asciiOnly) {
                if (word & kNonAsciiBits) return false;
                word = asciiLowercase(word);
            }
            hash_ = mixed(hash_, word);
        }
        for (; left > 0; ++unit, --left)
            if (!addUnit(*unit, asciiOnly)) return false;
        return true;
    }

    bool addUnit(char16_t unit, bool asciiOnly) {
        if (asciiOnly) {
            if (unit >= 0x80) return false;
            unit = char16_t(asciiLowercase(unit));
        }
        pending_ |= quint64(unit) << (16 * pendingUnits_);
        if (++pendingUnits_ == 4) {
            hash_ = mixed(hash_, pending_);
            pending_ = 0;
            pendingUnits_ = 0;
        }
        return true;
    }

    quint64 hash_ = kHashSeed;
    quint64 pending_ = 0;
    int pendingUnits_ = 0;
    qsizetype count_ = 0;
};

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
    UnitHash ascii;
    if (ascii.addAscii(head_) && ascii.addAscii(tail_)) return ascii.value();
    UnitHash units;
    units.add(lowercase());
    return units.value();
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
