#include "platform/NameLimits.h"

#include <unistd.h>

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <atomic>
#include <climits>

namespace NameLimits {

namespace {

constexpr long kCommonNameMax = NAME_MAX;

QMutex &cacheMutex() {
    static QMutex mutex;
    return mutex;
}

QHash<QByteArray, long> &cache() {
    static QHash<QByteArray, long> limits;
    return limits;
}

// Counts the times the kept answers were dropped: an answer remembered before is stale.
std::atomic<quint64> generation{1};

// The folder this thread asked about last: a list asks for every record, folder by folder,
// and hashing the path each time took longer than the rest of a record's check. Per thread,
// so that threads checking records at once do not wait for each other.
struct LastAnswer {
    quint64 generation = 0;
    QByteArray folder;
    long limit = 0;
};
thread_local LastAnswer lastAnswer;

}  // namespace

long maximumNameBytes(QByteArrayView folder) {
    const quint64 current = generation.load(std::memory_order_acquire);
    if (lastAnswer.generation == current && folder == lastAnswer.folder) return lastAnswer.limit;
    QMutexLocker lock(&cacheMutex());
    // Looked up in place: most folders are known.
    auto known = cache().constFind(QByteArray::fromRawData(folder.data(), folder.size()));
    if (known == cache().constEnd()) {
        const QByteArray kept = folder.toByteArray();
        const long asked = kept.isEmpty() ? -1 : ::pathconf(kept.constData(), _PC_NAME_MAX);
        known = cache().insert(kept, asked > 0 ? asked : kCommonNameMax);
    }
    lastAnswer = {current, known.key(), *known};
    return *known;
}

void forgetFolders() {
    QMutexLocker lock(&cacheMutex());
    cache().clear();
    generation.fetch_add(1, std::memory_order_release);
}

}  // namespace NameLimits
