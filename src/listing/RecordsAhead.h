#pragma once

#include <QList>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "common/HelperThread.h"
#include "listing/FolderScanner.h"
#include "listing/NameKeys.h"
#include "listing/ZKSortPriorities.h"
#include "records/ZKFileRepresentation.h"

// Makes the records of a scan's items, and the collation keys of their names, on a second
// thread while the scan still finds more items. Reading folders keeps the scanning thread
// busy and the second processor idle; the keys are most of the work of a sort by name.
class RecordsAhead {
public:
    // The record of an item; null leaves the item out. Called on either thread, one item at
    // a time on each.
    using MakeRecord = std::function<ZKFileRepresentationPtr(const ScannedItem &)>;
    struct Made {
        QList<ZKFileRepresentationPtr> records;
        // For every record when keys were asked for.
        NameKeys keys;
    };

    // Whether a sort by these priorities reads names first: only then are keys worth making.
    static bool wantsNameKeys(const ZKSortPriorities &priorities);

    RecordsAhead(MakeRecord makeRecord, bool withNameKeys);
    ~RecordsAhead();
    RecordsAhead(const RecordsAhead &) = delete;
    RecordsAhead &operator=(const RecordsAhead &) = delete;

    // The next item of the list.
    void add(ScannedItem &&item);
    // The records of every item added, in order, with their keys. This thread makes what is
    // left together with the second one.
    Made finish();

private:
    struct Batch {
        std::vector<ScannedItem> items;
        std::vector<ZKFileRepresentationPtr> records;
        std::vector<std::pair<qint64, quint32>> places;
        std::vector<uint8_t> keys;
    };

    // Hands the batch being filled to the threads, and makes one on this thread when too
    // many wait.
    void handOver();
    // The next batch not taken yet; with wait, once one is handed over or all are.
    Batch *take(bool wait);
    // Makes the records of batches not taken yet, until none is left (or, for the second
    // thread while items still come, until the next batch is handed over).
    void work(bool untilFinished);
    void make(Batch &batch) const;

    MakeRecord makeRecord_;
    bool withNameKeys_;
    std::unique_ptr<Batch> filling_;
    std::mutex mutex_;
    std::condition_variable handedOver_;
    std::vector<std::unique_ptr<Batch>> batches_;
    size_t nextToTake_ = 0;
    bool finished_ = false;
    HelperThread helper_;
};
