#include "engine/ZKDefaultRenamingDelegate.h"

#include "common/UserDefaults.h"
#include "engine/EngineDefaults.h"

ZKDefaultRenamingDelegate &ZKDefaultRenamingDelegate::sharedDelegate() {
    static ZKDefaultRenamingDelegate delegate;
    return delegate;
}

QString ZKDefaultRenamingDelegate::promptedParameter(const QString &parameter,
                                                     const QString &prototype) {
    return QString();
}

bool ZKDefaultRenamingDelegate::useFreeSpacingMode() {
    return UserDefaults::standardUserDefaults().boolForKey(
        EngineDefaults::kRegularExpressionFreeSpacing);
}
