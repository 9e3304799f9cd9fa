#include "controller/ZKGeneralSettings.h"

#include "platform/Sandbox.h"

bool ZKGeneralSettings::isStartupActionAvailable(int tag) {
    switch (tag) {
        case StartupNothing:
        case StartupFinderSelection:
        case StartupOpenPanel:
        case StartupDefaultSettings:
            return true;
        case StartupPathFinderSelection:
            // A sandboxed run cannot reach the other file manager.
            return !Sandbox::isSandboxed();
        default:
            return false;
    }
}
