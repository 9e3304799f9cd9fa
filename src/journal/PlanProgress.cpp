#include "journal/PlanProgress.h"

#include <QHashFunctions>
#include <utility>

namespace {

size_t hashOf(const QByteArray &path) {
    return qHash(QByteArrayView(path), QHashSeed::globalSeed());
}

quint32 tagOf(size_t hash) { return quint32(quint64(hash) >> 32); }

}  // namespace

PlanProgress::PlanProgress(const QList<JournalMove> &planned) : planned_(planned) {
    const size_t count = size_t(planned.size());
    if (count == 0) return;
    // Two paths a move, the table at most half full.
    size_t capacity = 16;
    while (capacity < 4 * count) capacity *= 2;
    mask_ = capacity - 1;
    buckets_.assign(capacity, 0);
    bucketTags_.assign(capacity, 0);
    fromNumber_.resize(count);
    toNumber_.resize(count);
    firstSeen_.reserve(2 * count);
    placeFrom_.reserve(2 * count);
    for (size_t place = 0; place < count; ++place) {
        const JournalMove &move = planned.at(qsizetype(place));
        fromNumber_[place] = numberFor(move.from, 2 * place);
        toNumber_[place] = numberFor(move.to, 2 * place + 1);
        // Without its identity, an item could not be found again by recovery.
        if (move.device != 0 || move.inode != 0) placeFrom_[fromNumber_[place]] = quint32(place);
    }
    touched_.assign(firstSeen_.size(), 0);
}

quint32 PlanProgress::numberFor(const QByteArray &path, size_t seen) {
    const size_t hash = hashOf(path);
    const quint32 tag = tagOf(hash);
    size_t bucket = hash & mask_;
    for (; buckets_[bucket] != 0; bucket = (bucket + 1) & mask_) {
        const quint32 number = buckets_[bucket] - 1;
        if (bucketTags_[bucket] == tag && pathOf(number) == path) return number;
    }
    const auto number = quint32(firstSeen_.size());
    firstSeen_.push_back(quint32(seen));
    placeFrom_.push_back(kNone);
    buckets_[bucket] = number + 1;
    bucketTags_[bucket] = tag;
    return number;
}

quint32 PlanProgress::numberOf(const QByteArray &path) const {
    if (buckets_.empty()) return kNone;
    const size_t hash = hashOf(path);
    const quint32 tag = tagOf(hash);
    for (size_t bucket = hash & mask_; buckets_[bucket] != 0; bucket = (bucket + 1) & mask_) {
        const quint32 number = buckets_[bucket] - 1;
        if (bucketTags_[bucket] == tag && pathOf(number) == path) return number;
    }
    return kNone;
}

const QByteArray &PlanProgress::pathOf(quint32 number) const {
    const quint32 seen = firstSeen_[number];
    const JournalMove &move = planned_.at(seen / 2);
    return seen % 2 ? move.to : move.from;
}

bool PlanProgress::touch(const QByteArray &path, quint32 number) {
    if (number != kNone) return !std::exchange(touched_[number], 1);
    const qsizetype before = otherTouched_.size();
    otherTouched_.insert(path);
    return otherTouched_.size() != before;
}

bool PlanProgress::isTouched(const QByteArray &path) const {
    const quint32 number = numberOf(path);
    return number != kNone ? touched_[number] != 0 : otherTouched_.contains(path);
}

std::optional<qsizetype> PlanProgress::step(const JournalMove &step) {
    // The Trash takes occupants only, never an item on its way to a planned name.
    if (step.kind == JournalMove::Kind::Trash) return std::nullopt;
    // A run makes its planned moves in order: the next one is the likely step.
    const JournalMove *next = next_ < planned_.size() ? &planned_.at(next_) : nullptr;
    const bool isNext = next && next->from == step.from;
    const quint32 from = isNext ? fromNumber_[size_t(next_)] : numberOf(step.from);
    const bool fromIsNew = touch(step.from, from);
    const quint32 to = isNext && next->to == step.to ? toNumber_[size_t(next_)] : numberOf(step.to);
    const bool toIsNew = touch(step.to, to);
    if (!step.finalTarget.isEmpty()) touch(step.finalTarget, numberOf(step.finalTarget));
    const quint32 place = from == kNone ? kNone : placeFrom_[from];
    const bool asPlanned = step.kind == JournalMove::Kind::Move && step.finalTarget.isEmpty() &&
                           place != kNone && toNumber_[place] == to && fromIsNew && toIsNew;
    if (!asPlanned) return std::nullopt;
    next_ = qsizetype(place) + 1;
    return qsizetype(place);
}

bool PlanProgress::isTouched(const JournalMove &planned) const {
    return isTouched(planned.from) || isTouched(planned.to);
}
