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

struct Cache {
    QHash<QByteArray, long> limits;
    // The folder answered last: a list asks for every record, folder by folder, and hashing
    // the path each time took longer than the rest of a record's check.
    QByteArray lastFolder;
    long lastLimit = 0;
};

Cache &cache() {
    static Cache kept;
    return kept;
}

}  // namespace

long maximumNameBytes(QByteArrayView folder) {
    QMutexLocker lock(&cacheMutex());
    Cache &kept = cache();
    if (!kept.lastFolder.isNull() && folder == kept.lastFolder) return kept.lastLimit;
    // Looked up in place: most folders are known.
    const auto known = kept.limits.constFind(QByteArray::fromRawData(folder.data(), folder.size()));
    long limit = 0;
    if (known != kept.limits.constEnd()) {
        kept.lastFolder = known.key();
        limit = *known;
    } else {
        kept.lastFolder = folder.toByteArray();
        const long asked =
            folder.isEmpty() ? -1 : ::pathconf(kept.lastFolder.constData(), _PC_NAME_MAX);
        limit = asked > 0 ? asked : kCommonNameMax;
        kept.limits.insert(kept.lastFolder, limit);
    }
    kept.lastLimit = limit;
    return limit;
}

void forgetFolders() {
    QMutexLocker lock(&cacheMutex());
    cache() = Cache();
}

}  // namespace NameLimits
