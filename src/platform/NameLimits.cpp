#include "platform/NameLimits.h"

#include <unistd.h>

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
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

}  // namespace

long maximumNameBytes(QByteArrayView folder) {
    QMutexLocker lock(&cacheMutex());
    // Looked up in place: every record of a list asks, and most folders are known.
    const auto known = cache().constFind(QByteArray::fromRawData(folder.data(), folder.size()));
    if (known != cache().constEnd()) return *known;
    const QByteArray kept = folder.toByteArray();
    const long asked = kept.isEmpty() ? -1 : ::pathconf(kept.constData(), _PC_NAME_MAX);
    const long limit = asked > 0 ? asked : kCommonNameMax;
    cache().insert(kept, limit);
    return limit;
}

void forgetFolders() {
    QMutexLocker lock(&cacheMutex());
    cache().clear();
}

}  // namespace NameLimits
