#include "collections/ConfigurationArchiving.h"
#include "collections/ConfigurationKeys.h"
#include "collections/ConfigurationReader.h"
#include "collections/ZKDictionaryConfigurationArchive.h"
#include "collections/ZKUserDefaultsConfigurationArchive.h"
#include "controller/ZKRenamingController.h"
#include "engine/EngineDefaults.h"
#include "engine/RenamerCollections.h"

namespace ConfigurationArchiving {

namespace {

using namespace ConfigurationKeys;

// Start-up action, quit and clear switches, theme, preview condition.
void restoreGeneralSettings(ZKGeneralSettings &settings, const ConfigurationReader &reader) {
    settings.quitWhenClosed = reader.boolValue(kQuitWhenClosed, false);
    settings.clearListAfterRenaming = reader.boolValue(kClearListAfterRenaming, false);
    settings.fileListTheme =
        reader.choice(kFileListTheme, 0, ZKGeneralSettings::isFileListThemeAvailable);
    settings.previewPopUpCondition = reader.choice(
        kPreviewPopUpCondition, 0, ZKGeneralSettings::isPreviewPopUpConditionAvailable);
}

void restoreSwitches(ZKRenamingController &controller, const ConfigurationReader &reader) {
    controller.setAutoUniqueify(reader.boolValue(kAutoUniqueify, false));
    // Whatever a configuration handed over during launch says, the run it starts must not
    // stop to ask.
    controller.generalSettings().confirmBeforeRenaming =
        controller.hasFinishedLaunching() && reader.boolValue(kChicken, true);
    controller.setIgnoreTrailingGibberish(reader.boolValue(kIgnoreTrailingGibberish, true));
    controller.setIgnoreInvisibleFiles(reader.boolValue(kIgnoreInvisibleFiles, true));
    const bool freeSpacing = UserDefaults::standardUserDefaults().boolForKey(
        EngineDefaults::kRegularExpressionFreeSpacing);
    controller.setUseFreeSpacingMode(
        reader.boolValue(kIgnoreWhitespaceInRegularExpressions, freeSpacing));
}

// The steps of "Renamers"; an archive without any keeps one step at its top level, as
// configurations did before there were several steps.
QList<ZKRenamerPtr> restoredRenamers(const ZKConfigurationArchive &archive, bool forDroplet) {
    QList<ZKRenamerPtr> renamers;
    if (!forDroplet && archive.boolForKey(kLaunchWithDefaultRenamingOperation, false)) {
        RenamerCollections::addDefaultRenamers(renamers);
        return renamers;
    }
    const QVariant archives = archive.objectForKey(kRenamers);
    if (archives.typeId() == QMetaType::QVariantList &&
        !archive.boolForKey(kLaunchWithPreMultistepConfiguration, false))
        renamers = RenamerCollections::renamersFromArchives(archives.toList());
    if (renamers.isEmpty())
        RenamerCollections::addRenamersFromArchive(renamers, archive.dictionaryRepresentation());
    return renamers;
}

void restoreListing(ZKRenamingController &controller, const ConfigurationReader &reader) {
    const ZKConfigurationArchive &archive = reader.archive();
    controller.setRenameFolders(archive.boolForKey(kListFolders, false));
    controller.setScanFolderContents(archive.boolForKey(kListFolderContents, true));
    controller.setRenameFiles(archive.boolForKey(kListFiles, true));
    controller.setSortingPriorities(
        ZKSortPriorities::fromArchive(archive.objectForKey(kSortingPriorities)));
    controller.switchToMatchingCellDisplayModeForSortOrder();
}

}  // namespace

void initializeControlsWithArchive(ZKRenamingController &controller,
                                   const ZKConfigurationArchive *archive, bool forDroplet,
                                   bool includeStartupAction) {
    const ZKDictionaryConfigurationArchive empty;
    const ZKUserDefaultsConfigurationArchive userDefaults;
    ConfigurationReader reader(archive ? *archive : empty, forDroplet ? &userDefaults : nullptr);

    ZKGeneralSettings &settings = controller.generalSettings();
    if (includeStartupAction) {
        settings.startupAction =
            reader.choice(kStartupPopulation, ZKGeneralSettings::StartupNothing,
                          ZKGeneralSettings::isStartupActionAvailable);
        if (settings.startupAction == ZKGeneralSettings::StartupDefaultSettings)
            reader.forgetArchive();
    }
    restoreGeneralSettings(settings, reader);
    restoreSwitches(controller, reader);
    controller.setRenamers(restoredRenamers(reader.archive(), forDroplet));
    restoreListing(controller, reader);
}

void restoreSettingsAtLaunch(ZKRenamingController &controller) {
    const ZKUserDefaultsConfigurationArchive userDefaults;
    initializeControlsWithArchive(controller, &userDefaults, false, true);
}

}  // namespace ConfigurationArchiving
