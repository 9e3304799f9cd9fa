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

long maximumNameBytes(const QByteArray &folder) {
    QMutexLocker lock(&cacheMutex());
    const auto known = cache().constFind(folder);
    if (known != cache().constEnd()) return *known;
    const long asked = folder.isEmpty() ? -1 : ::pathconf(folder.constData(), _PC_NAME_MAX);
    const long limit = asked > 0 ? asked : kCommonNameMax;
    cache().insert(folder, limit);
    return limit;
}

void forgetFolders() {
    QMutexLocker lock(&cacheMutex());
    cache().clear();
}

}  // namespace NameLimits
