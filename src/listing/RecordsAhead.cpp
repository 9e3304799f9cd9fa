#include "listing/RecordsAhead.h"

#include "common/LocalizedCompare.h"

namespace {

// Items per batch: a lock and a wake-up per batch stay far below the records' own cost.
constexpr size_t kBatchSize = 512;
// Batches that may wait for the second thread before the scanning thread makes one itself:
// waiting items hold their memory, and a long scan outruns the second thread.
constexpr size_t kMostWaiting = 8;

}  // namespace

bool RecordsAhead::wantsNameKeys(const ZKSortPriorities &priorities) {
    const int order = priorities.primarySortOrder();
    if (order == ZKSortPriorities::DontSort || order == ZKSortPriorities::Shuffle) return false;
    // The first priority that compares anything leads the sort.
    for (const ZKSortPriorities::Entry &entry : priorities.entries())
        if (ZKSortPriorities::isComparingStrategy(entry.strategy))
            return entry.strategy == ZKSortPriorities::Name;
    return false;
}

RecordsAhead::RecordsAhead(MakeRecord makeRecord, bool withNameKeys)
    : makeRecord_(std::move(makeRecord)),
      withNameKeys_(withNameKeys),
      filling_(std::make_unique<Batch>()) {
    filling_->items.reserve(kBatchSize);
}

RecordsAhead::~RecordsAhead() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
        // Records nobody will read: the second thread stops after its current batch.
        nextToTake_ = batches_.size();
    }
    handedOver_.notify_all();
    if (helper_.joinable()) helper_.join();
}

void RecordsAhead::add(ScannedItem &&item) {
    filling_->items.push_back(std::move(item));
    if (filling_->items.size() == kBatchSize) handOver();
}

void RecordsAhead::handOver() {
    size_t waiting = 0;
    {
        std::lock_guard lock(mutex_);
        batches_.push_back(std::move(filling_));
        waiting = batches_.size() - nextToTake_;
    }
    filling_ = std::make_unique<Batch>();
    filling_->items.reserve(kBatchSize);
    if (!helper_.joinable())
        helper_ = HelperThread([this] { work(false); });
    else
        handedOver_.notify_one();
    if (waiting > kMostWaiting) {
        if (Batch *batch = take(false)) make(*batch);
    }
}

RecordsAhead::Batch *RecordsAhead::take(bool wait) {
    std::unique_lock lock(mutex_);
    if (wait) handedOver_.wait(lock, [this] { return finished_ || nextToTake_ < batches_.size(); });
    return nextToTake_ < batches_.size() ? batches_[nextToTake_++].get() : nullptr;
}

void RecordsAhead::work(bool untilFinished) {
    while (Batch *batch = take(!untilFinished)) make(*batch);
}

void RecordsAhead::make(Batch &batch) const {
    batch.records.reserve(batch.items.size());
    if (withNameKeys_) batch.places.reserve(batch.items.size());
    for (const ScannedItem &item : batch.items) {
        ZKFileRepresentationPtr record = makeRecord_(item);
        if (!record) continue;
        if (withNameKeys_) {
            const QString name = record->name();
            const auto start = qint64(batch.keys.size());
            batch.places.emplace_back(
                name.isEmpty() ? -1 : start,
                name.isEmpty() ? 0 : quint32(LocalizedCompare::appendSortKey(name, &batch.keys)));
        }
        batch.records.push_back(std::move(record));
    }
    // The items' strings live on in their records; the batch need not hold them too.
    std::vector<ScannedItem>().swap(batch.items);
}

RecordsAhead::Made RecordsAhead::finish() {
    if (!filling_->items.empty()) handOver();
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    handedOver_.notify_all();
    work(true);
    if (helper_.joinable()) helper_.join();

    size_t count = 0, bytes = 0;
    for (const auto &batch : batches_) {
        count += batch->records.size();
        bytes += batch->keys.size();
    }
    Made made;
    made.records.reserve(qsizetype(count));
    if (withNameKeys_) {
        made.keys.places.reserve(count);
        made.keys.keys.reserve(bytes);
    }
    // Each batch goes as soon as it is copied: the keys are never all there twice.
    for (auto &batch : batches_) {
        for (ZKFileRepresentationPtr &record : batch->records)
            made.records.append(std::move(record));
        const auto base = qint64(made.keys.keys.size());
        for (const auto &[start, size] : batch->places)
            made.keys.places.emplace_back(start < 0 ? start : base + start, size);
        made.keys.keys.insert(made.keys.keys.end(), batch->keys.cbegin(), batch->keys.cend());
        batch.reset();
    }
    batches_.clear();
    if (withNameKeys_) made.keys.records = made.records;
    return made;
}
