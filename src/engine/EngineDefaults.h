#pragma once

#include <QString>

// User defaults the renaming engine reads.
namespace EngineDefaults {

// Whether archives keep settings that the step's operation does not use (default off).
inline const QString kStoreIrrelevantSettings = QStringLiteral("Store Irrelevant Settings");
// Turns off the stack of removed steps that new steps are taken from (default off).
inline const QString kDisableRemovedRenamersStack =
    QStringLiteral("Disable Removed Renamers Stack");
// Drop text or numeric settings from the steps saved for the next launch (default off).
inline const QString kForgetTextSettingsOnQuit = QStringLiteral("Forget Text Settings On Quit");
inline const QString kForgetNumericSettingsOnQuit =
    QStringLiteral("Forget Numeric Settings On Quit");
// The free-spacing regular-expression mode of new windows (default on).
inline const QString kRegularExpressionFreeSpacing =
    QStringLiteral("Regular Expression Default Behavior: Free-Spacing");

}  // namespace EngineDefaults

// Registers the engine's defaults with the standard user defaults; called once at start.
void registerEngineDefaults();
