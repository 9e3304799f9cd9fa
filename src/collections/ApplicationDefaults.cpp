#include "collections/ApplicationDefaults.h"

#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"

namespace ApplicationDefaults {

void registerLaunchDefaults() {
    // The layers below register their own keys, each once.
    ZKRenamingController::registerControllerDefaults();
    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    defaults.registerDefaults({
        {kShowIconPreviews, true},
        {kArrowMode, qint64(1)},
        {QStringLiteral("Keep Droplet Seal Intact"), true},
        {QStringLiteral("Collections Include Subfolders"), true},
        {QStringLiteral("Metadata Search Length Threshold"), qint64(2)},
        {QStringLiteral("ZKHelpManager: List Anchors In Submenus"), true},
    });
}

void registerApplicationDefaults() {
    registerLaunchDefaults();
    UserDefaults::standardUserDefaults().setBool(false, kQuitAlwaysKeepsWindows);
}

}  // namespace ApplicationDefaults
