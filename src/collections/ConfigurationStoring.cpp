#include "collections/ConfigurationArchiving.h"
#include "collections/ConfigurationKeys.h"
#include "collections/ZKUserDefaultsConfigurationArchive.h"
#include "controller/ZKRenamingController.h"
#include "engine/EngineDefaults.h"
#include "engine/ZKRenamer.h"

namespace ConfigurationArchiving {

namespace {

using namespace ConfigurationKeys;

QVariantList renamerArchives(ZKRenamingController &controller, bool all, bool irrelevant) {
    const UserDefaults &defaults = UserDefaults::standardUserDefaults();
    const bool text = all || !defaults.boolForKey(EngineDefaults::kForgetTextSettingsOnQuit);
    const bool numeric = all || !defaults.boolForKey(EngineDefaults::kForgetNumericSettingsOnQuit);
    QVariantList archives;
    const QList<ZKRenamerPtr> &renamers = controller.renamers();
    archives.reserve(renamers.size());
    for (const ZKRenamerPtr &renamer : renamers)
        archives.append(renamer->archiveWithIrrelevantSettings(irrelevant, text, numeric));
    return archives;
}

void storeGeneralSettings(const ZKGeneralSettings &settings, ZKConfigurationArchive &archive) {
    archive.setInteger(settings.startupAction, kStartupPopulation);
    archive.setInteger(settings.previewPopUpCondition, kPreviewPopUpCondition);
    archive.setBool(settings.confirmBeforeRenaming, kChicken);
    archive.setBool(settings.quitWhenClosed, kQuitWhenClosed);
    archive.setBool(settings.clearListAfterRenaming, kClearListAfterRenaming);
}

}  // namespace

void storeSettingsInArchive(ZKRenamingController &controller, ZKConfigurationArchive &archive,
                            bool includeAllSettingsRegardlessOfUserDefaults,
                            bool includeGeneralUserDefaults, bool includeIrrelevantSettings) {
    archive.setObject(renamerArchives(controller, includeAllSettingsRegardlessOfUserDefaults,
                                      includeIrrelevantSettings),
                      kRenamers);

    archive.setBool(controller.renameFolders(), kListFolders);
    archive.setBool(controller.scanFolderContents(), kListFolderContents);
    archive.setBool(controller.renameFiles(), kListFiles);
    archive.setObject(controller.sortingPriorities().toArchive(), kSortingPriorities);

    archive.setBool(controller.ignoreTrailingGibberish(), kIgnoreTrailingGibberish);
    archive.setBool(controller.ignoreInvisibleFiles(), kIgnoreInvisibleFiles);
    archive.setBool(controller.useFreeSpacingMode(), kIgnoreWhitespaceInRegularExpressions);
    archive.setBool(controller.autoUniqueify(), kAutoUniqueify);

    if (includeGeneralUserDefaults) storeGeneralSettings(controller.generalSettings(), archive);
}

bool storeSettingsForQuit(ZKRenamingController &controller) {
    // A configuration received during launch must not overwrite the user's own.
    if (!controller.hasFinishedLaunching()) return false;
    ZKUserDefaultsConfigurationArchive archive;
    storeSettingsInArchive(controller, archive, false, true, true);
    return archive.userDefaults().synchronize();
}

}  // namespace ConfigurationArchiving
