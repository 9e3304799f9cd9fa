#pragma once

#include <QList>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "listing/ZKSortPriorities.h"
#include "records/ZKFileRepresentation.h"

// The collation keys of the names of a list's first records, in list order, as a sort by
// name reads them (RecordComparison::takeNameKeys). Holding the records keeps them alive, so
// the keys can never be taken for other records that came to lie at the same addresses.
struct NameKeys {
    QList<ZKFileRepresentationPtr> records;
    // Where each record's key lies in `keys` and its size; a start of -1 for an empty name.
    std::vector<std::pair<qint64, quint32>> places;
    std::vector<uint8_t> keys;
};

// Makes the collation keys of records' names on a second thread while a scan still finds
// more records. The keys are most of the work of a sort by name, and the scan leaves the
// second processor idle: after a long scan the sort finds them made.
class NameKeysAhead {
public:
    // Whether a sort by these priorities reads names first: only then are keys made ahead.
    static bool isWanted(const ZKSortPriorities &priorities);

    NameKeysAhead();
    ~NameKeysAhead();
    NameKeysAhead(const NameKeysAhead &) = delete;
    NameKeysAhead &operator=(const NameKeysAhead &) = delete;

    // The next record of the list; it must stay alive and keep its name until finish().
    void add(const ZKFileRepresentation *record);
    // The keys of every record added, `records` being the list they were added from. This
    // thread makes what is left together with the second one. None for a list too short to
    // be worth a thread.
    NameKeys finish(const QList<ZKFileRepresentationPtr> &records);

private:
    struct Batch {
        std::vector<const ZKFileRepresentation *> records;
        std::vector<std::pair<qint64, quint32>> places;
        std::vector<uint8_t> keys;
    };

    // Hands the batch being filled to the threads.
    void handOver();
    // Makes the keys of batches not taken yet, until none is left (or, for the second thread
    // while records still come, until the next batch is handed over).
    void work(bool untilFinished);
    static void makeKeys(Batch &batch);

    std::unique_ptr<Batch> filling_;
    std::mutex mutex_;
    std::condition_variable handedOver_;
    std::vector<std::unique_ptr<Batch>> batches_;
    size_t nextToTake_ = 0;
    bool finished_ = false;
    std::thread helper_;
};
