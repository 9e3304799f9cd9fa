#pragma once

#include "collections/ZKConfigurationArchive.h"

class ZKRenamingController;

// Moves the controller's configuration into and out of a configuration archive.
namespace ConfigurationArchiving {

// Writes the steps, the listing choices, the sort priorities and the four always-stored
// switches; with includeGeneralUserDefaults also the start-up action, the preview condition,
// "Chicken", "Quit When Closed" and "Clear List After Renaming". Steps keep all their text
// and numeric settings with includeAllSettingsRegardlessOfUserDefaults, otherwise only those
// that "Forget Text Settings On Quit" and "Forget Numeric Settings On Quit" do not drop.
// includeIrrelevantSettings keeps settings a step's operation does not use.
void storeSettingsInArchive(ZKRenamingController &controller, ZKConfigurationArchive &archive,
                            bool includeAllSettingsRegardlessOfUserDefaults,
                            bool includeGeneralUserDefaults, bool includeIrrelevantSettings);

// Replaces the controller's configuration by the archive's (null reads as an empty archive).
// Missing and wrong-kind values take their defaults; forDroplet takes the switches and
// choices an archive lacks from the user defaults instead. includeStartupAction restores the
// start-up action too, and its tag 99 (default settings) makes every later value a default.
// During launch (before hasFinishedLaunching) "Chicken" is switched off whatever the archive
// says. Sets flags, steps and priorities only: the caller rebuilds and recomputes the list.
void initializeControlsWithArchive(ZKRenamingController &controller,
                                   const ZKConfigurationArchive *archive, bool forDroplet,
                                   bool includeStartupAction);

// Quitting: everything but the steps' forgotten settings, general settings included, into
// the standard user defaults, which are then written. Nothing is stored before launch has
// finished. False when nothing was stored or the store could not be written.
bool storeSettingsForQuit(ZKRenamingController &controller);

// Launch: the configuration from the standard user defaults, start-up action included.
void restoreSettingsAtLaunch(ZKRenamingController &controller);

}  // namespace ConfigurationArchiving
