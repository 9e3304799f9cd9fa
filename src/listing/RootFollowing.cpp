#include "listing/RootFollowing.h"

#include <QSet>

namespace {

// The paths without duplicates, in order, and as a set.
struct PathSet {
    QStringList ordered;
    QSet<QString> members;

    explicit PathSet(const QStringList &paths) {
        members.reserve(paths.size());
        for (const QString &path : paths) {
            if (members.contains(path)) continue;
            members.insert(path);
            ordered.append(path);
        }
    }

    // Takes the path out when it is there.
    bool take(const QString &path) { return members.remove(path); }

    // The remaining paths in their order.
    QStringList remaining() const {
        QStringList paths;
        paths.reserve(members.size());
        for (const QString &path : ordered) {
            if (members.contains(path)) paths.append(path);
        }
        return paths;
    }
};

}  // namespace

namespace RootFollowing {

void followRenamedItems(const QList<ZKFileRepresentationPtr> &records, QStringList *roots,
                        QStringList *exceptions) {
    PathSet rootSet(*roots);
    PathSet exceptionSet(*exceptions);
    QList<ZKFileRepresentationPtr> moved;
    QSet<QString> renamedRoots;
    QSet<QString> renamedExceptions;
    for (const ZKFileRepresentationPtr &record : records) {
        const QString preRenamePath = record->preRenamePath();
        if (preRenamePath == record->path()) continue;
        moved.append(record);
        if (rootSet.take(preRenamePath))
            renamedRoots.insert(preRenamePath);
        else if (exceptionSet.take(preRenamePath))
            renamedExceptions.insert(preRenamePath);
    }

    *roots = rootSet.remaining();
    *exceptions = exceptionSet.remaining();
    for (const ZKFileRepresentationPtr &record : std::as_const(moved)) {
        const QString preRenamePath = record->preRenamePath();
        if (renamedRoots.contains(preRenamePath))
            roots->append(record->path());
        else if (renamedExceptions.contains(preRenamePath))
            exceptions->append(record->path());
        record->setPreRenamePath(record->path());
    }
}

}  // namespace RootFollowing
