#pragma once

#include <QList>
#include <QString>
#include <memory>

class ZKRenamer;
using ZKRenamerPtr = std::shared_ptr<ZKRenamer>;

// What a step asks of its controller.
class ZKRenamingDelegate {
public:
    virtual ~ZKRenamingDelegate() = default;

    // The step list, in order.
    virtual QList<ZKRenamerPtr> &renamers() = 0;
    virtual void updateRenamerLayoutAndRenameNames(bool renameNames) = 0;
    virtual void updateRenameNames() = 0;
    virtual void updateRenameNamesAfterEnforcedDelay(bool enforced) = 0;
    virtual QString promptedParameter(const QString &parameter, const QString &prototype) = 0;
    // "Ignore Whitespace In Regular Expressions" of the window.
    virtual bool useFreeSpacingMode() = 0;
};
