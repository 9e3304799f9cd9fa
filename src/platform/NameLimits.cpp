#include "platform/NameLimits.h"

#include <unistd.h>

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <climits>

#include "common/LastAnswer.h"

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

ClearingCount clearings;
// The folder this thread asked about last: a list asks for every record, folder by folder,
// and hashing the path each time took longer than the rest of a record's check.
thread_local LastAnswer<QByteArray, long> lastAnswer;

}  // namespace

long maximumNameBytes(QByteArrayView folder) {
    const quint64 clearing = clearings.current();
    if (const long *kept = lastAnswer.find(folder, clearing)) return *kept;
    QMutexLocker lock(&cacheMutex());
    // Looked up in place: most folders are known.
    auto known = cache().constFind(QByteArray::fromRawData(folder.data(), folder.size()));
    if (known == cache().constEnd()) {
        const QByteArray kept = folder.toByteArray();
        const long asked = kept.isEmpty() ? -1 : ::pathconf(kept.constData(), _PC_NAME_MAX);
        known = cache().insert(kept, asked > 0 ? asked : kCommonNameMax);
    }
    lastAnswer.keep(clearing, known.key(), *known);
    return *known;
}

void forgetFolders() {
    QMutexLocker lock(&cacheMutex());
    cache().clear();
    clearings.cleared();
}

}  // namespace NameLimits
