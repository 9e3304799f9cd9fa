#include "collections/ApplicationDefaults.h"

#include "common/UserDefaults.h"
#include "engine/EngineDefaults.h"
#include "controller/ZKRenamingController.h"

namespace ApplicationDefaults {

void registerLaunchDefaults() {
    ZKRenamingController::registerControllerDefaults();
    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    defaults.registerDefaults({
        {QStringLiteral("Allow File Selection"), true},
        {QStringLiteral("Copy CSV Names"), true},
        {kShowIconPreviews, true},
        {QStringLiteral("Shift-Drag To Add Files"), true},
        {QStringLiteral("List Layout: Detail Mode"), qint64(-1)},
        {kArrowMode, qint64(1)},
        {EngineDefaults::kRegularExpressionFreeSpacing, true},
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
