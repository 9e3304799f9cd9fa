#pragma once

#include "engine/ZKRenamingDelegate.h"

// The delegate of steps that have no controller: it holds a step list, recomputes nothing,
// prompts for nothing and takes the free-spacing mode from the user default
// "Regular Expression Default Behavior: Free-Spacing".
class ZKDefaultRenamingDelegate : public ZKRenamingDelegate {
public:
    // The process-wide instance steps fall back to.
    static ZKDefaultRenamingDelegate &sharedDelegate();

    QList<ZKRenamerPtr> &renamers() override { return renamers_; }
    void updateRenamerLayoutAndRenameNames(bool renameNames) override {}
    void updateRenameNames() override {}
    void updateRenameNamesAfterEnforcedDelay(bool enforced) override {}
    // No one to ask: the empty string.
    QString promptedParameter(const QString &parameter, const QString &prototype) override;
    bool useFreeSpacingMode() override;

private:
    QList<ZKRenamerPtr> renamers_;
};
