#pragma once

#include <QList>

#include "engine/ZKRenamingDelegate.h"

// The owner of the current steps, whose configuration the history records and replaces.
class ZKHistorySubject {
public:
    virtual ~ZKHistorySubject() = default;
    virtual QList<ZKRenamerPtr> historyRenamers() = 0;
    // Replaces the steps; animate is -1 for a move back through the history, 1 for a move
    // forward (the window slides the step area that way), 0 for none.
    virtual void setHistoryRenamers(const QList<ZKRenamerPtr> &renamers, int animate) = 0;
};
