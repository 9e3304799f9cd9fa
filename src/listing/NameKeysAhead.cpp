#include "listing/NameKeysAhead.h"

#include "common/LocalizedCompare.h"

namespace {

// Records per batch: a lock and a wake-up per batch stay far below the keys' own cost.
constexpr size_t kBatchSize = 512;

}  // namespace

bool NameKeysAhead::isWanted(const ZKSortPriorities &priorities) {
    const int order = priorities.primarySortOrder();
    if (order == ZKSortPriorities::DontSort || order == ZKSortPriorities::Shuffle) return false;
    // The first priority that compares anything leads the sort.
    for (const ZKSortPriorities::Entry &entry : priorities.entries())
        if (ZKSortPriorities::isComparingStrategy(entry.strategy))
            return entry.strategy == ZKSortPriorities::Name;
    return false;
}

NameKeysAhead::NameKeysAhead() : filling_(std::make_unique<Batch>()) {
    filling_->records.reserve(kBatchSize);
}

NameKeysAhead::~NameKeysAhead() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
        // Keys nobody will read: the second thread stops after its current batch.
        nextToTake_ = batches_.size();
    }
    handedOver_.notify_all();
    if (helper_.joinable()) helper_.join();
}

void NameKeysAhead::add(const ZKFileRepresentation *record) {
    filling_->records.push_back(record);
    if (filling_->records.size() == kBatchSize) handOver();
}

void NameKeysAhead::handOver() {
    {
        std::lock_guard lock(mutex_);
        batches_.push_back(std::move(filling_));
    }
    filling_ = std::make_unique<Batch>();
    filling_->records.reserve(kBatchSize);
    if (!helper_.joinable())
        helper_ = std::thread([this] { work(false); });
    else
        handedOver_.notify_one();
}

void NameKeysAhead::work(bool untilFinished) {
    for (;;) {
        Batch *batch = nullptr;
        {
            std::unique_lock lock(mutex_);
            if (!untilFinished)
                handedOver_.wait(lock,
                                 [this] { return finished_ || nextToTake_ < batches_.size(); });
            if (nextToTake_ == batches_.size()) return;
            batch = batches_[nextToTake_++].get();
        }
        makeKeys(*batch);
    }
}

void NameKeysAhead::makeKeys(Batch &batch) {
    batch.places.reserve(batch.records.size());
    for (const ZKFileRepresentation *record : batch.records) {
        const QString name = record->name();
        if (name.isEmpty()) {
            batch.places.emplace_back(-1, 0);
            continue;
        }
        const auto start = qint64(batch.keys.size());
        batch.places.emplace_back(start,
                                  quint32(LocalizedCompare::appendSortKey(name, &batch.keys)));
    }
}

NameKeys NameKeysAhead::finish(const QList<ZKFileRepresentationPtr> &records) {
    if (!helper_.joinable()) return {};
    if (!filling_->records.empty()) handOver();
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    handedOver_.notify_all();
    work(true);
    helper_.join();

    // The keys go with the list only when it is the one the records came from, in order.
    size_t count = 0, bytes = 0;
    for (const auto &batch : batches_) {
        for (const ZKFileRepresentation *record : batch->records)
            if (qsizetype(count) >= records.size() || records.at(count++).get() != record)
                return {};
        bytes += batch->keys.size();
    }
    NameKeys made;
    made.records = records;
    made.places.reserve(count);
    made.keys.reserve(bytes);
    // Each batch goes as soon as it is copied: the keys are never all there twice.
    for (auto &batch : batches_) {
        const auto base = qint64(made.keys.size());
        for (const auto &[start, size] : batch->places)
            made.places.emplace_back(start < 0 ? start : base + start, size);
        made.keys.insert(made.keys.end(), batch->keys.cbegin(), batch->keys.cend());
        batch.reset();
    }
    batches_.clear();
    return made;
}
