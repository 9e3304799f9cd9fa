#include "engine/EngineDefaults.h"

#include "common/UserDefaults.h"

void registerEngineDefaults() {
    using namespace EngineDefaults;
    UserDefaults::standardUserDefaults().registerDefaults({
        {kStoreIrrelevantSettings, false},
        {kDisableRemovedRenamersStack, false},
        {kForgetTextSettingsOnQuit, false},
        {kForgetNumericSettingsOnQuit, false},
        {kRegularExpressionFreeSpacing, true},
    });
}
