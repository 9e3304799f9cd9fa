// Step list editing of ZKRenamer: the removed-steps stack, removing and duplicating.

#include "common/Log.h"
#include "common/UserDefaults.h"
#include "engine/EngineDefaults.h"
#include "engine/ZKRenamer.h"

namespace {

qsizetype indexOfRenamer(const QList<ZKRenamerPtr> &renamers, const ZKRenamer *renamer) {
    for (qsizetype i = 0; i < renamers.size(); ++i) {
        if (renamers.at(i).get() == renamer) return i;
    }
    return -1;
}

}  // namespace

QList<QByteArray> &ZKRenamer::removedRenamersStack() {
    static QList<QByteArray> stack;
    return stack;
}

ZKRenamerPtr ZKRenamer::renamerPoppedFromRemovedRenamersStack() {
    QList<QByteArray> &stack = removedRenamersStack();
    if (stack.isEmpty()) return nullptr;
    return renamerWithData(stack.takeLast());
}

bool ZKRenamer::pushOnRemovedRenamersStack() {
    if (UserDefaults::standardUserDefaults().boolForKey(
            EngineDefaults::kDisableRemovedRenamersStack)) {
        return false;
    }
    // A step brought back should show its settings.
    expanded_ = true;
    const QByteArray data = archiveData();
    if (data.isEmpty()) return false;
    removedRenamersStack().append(data);
    return true;
}

void ZKRenamer::remove(int senderTag) {
    ZKRenamingDelegate *delegate = renamingDelegate();
    QList<ZKRenamerPtr> &renamers = delegate->renamers();
    // Keeps the removed steps (this one included) alive until the list is updated.
    QList<ZKRenamerPtr> removed;
    if (senderTag < 0) {
        removed = renamers;
        renamers.clear();
        for (qsizetype i = removed.size() - 1; i >= 0; --i)
            removed.at(i)->pushOnRemovedRenamersStack();
    } else {
        pushOnRemovedRenamersStack();
        const qsizetype index = indexOfRenamer(renamers, this);
        if (index >= 0) removed.append(renamers.takeAt(index));
    }
    delegate->updateRenamerLayoutAndRenameNames(true);
}

ZKRenamerPtr ZKRenamer::duplicate() {
    const bool irrelevant =
        UserDefaults::standardUserDefaults().boolForKey(EngineDefaults::kStoreIrrelevantSettings);
    QVariantMap archive = archiveWithIrrelevantSettings(irrelevant, true, true);
    archive.remove(RenamerKeys::kExpanded);
    ZKRenamerPtr copy = renamerWithArchive(archive);
    if (!copy) {
        Log::line(QStringLiteral("cannot create duplicate of %1").arg(description()));
        return nullptr;
    }
    copy->setRenamingDelegate(renamingDelegate_);
    QList<ZKRenamerPtr> &renamers = renamingDelegate()->renamers();
    const qsizetype index = indexOfRenamer(renamers, this);
    if (index < 0) {
        Log::line(QStringLiteral("zombie duplicate: %1").arg(description()));
        renamers.append(copy);
    } else {
        renamers.insert(index + 1, copy);
    }
    renamingDelegate()->updateRenamerLayoutAndRenameNames(true);
    return copy;
}
