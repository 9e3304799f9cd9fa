#include "ConfigurationTestSupport.h"
#include "collections/ConfigurationArchiving.h"
#include "collections/ZKDictionaryConfigurationArchive.h"
#include "collections/ZKUserDefaultsConfigurationArchive.h"
#include "common/PropertyList.h"
#include "common/UserDefaults.h"
#include "engine/EngineDefaults.h"
#include "engine/ZKRenamer.h"
#include "support/TestEnvironment.h"

using ConfigurationArchiving::initializeControlsWithArchive;
using ConfigurationArchiving::storeSettingsInArchive;

namespace {

struct StoreFlags {
    bool all = false;
    bool general = false;
    bool irrelevant = false;
    bool forgetText = false;
    bool forgetNumeric = false;
};

std::ostream &operator<<(std::ostream &os, const StoreFlags &flags) {
    return os << "all " << flags.all << " general " << flags.general << " irrelevant "
              << flags.irrelevant << " forget text " << flags.forgetText << " forget numeric "
              << flags.forgetNumeric;
}

// Every combination of the three store flags and the two forget user defaults.
QList<StoreFlags> allStoreFlags() {
    QList<StoreFlags> combinations;
    for (int bits = 0; bits < 32; ++bits)
        combinations.append(
            {bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8), bool(bits & 16)});
    return combinations;
}

}  // namespace

class ConfigurationRoundTrip : public ConfigurationTest {
protected:
    // A configured controller, stored with the flags (the forget user defaults set first).
    std::unique_ptr<ZKRenamingController> storeConfigured(ZKConfigurationArchive &archive,
                                                          const StoreFlags &flags) {
        setUserDefault(EngineDefaults::kForgetTextSettingsOnQuit, flags.forgetText);
        setUserDefault(EngineDefaults::kForgetNumericSettingsOnQuit, flags.forgetNumeric);
        auto original = makeController();
        configureAwayFromDefaults(*original);
        storeSettingsInArchive(*original, archive, flags.all, flags.general, flags.irrelevant);
        return original;
    }

    // The restored controller holds what the flags let through, defaults elsewhere.
    static void expectRestored(ZKRenamingController &restored, ZKRenamingController &original,
                               const StoreFlags &flags) {
        const bool text = flags.all || !flags.forgetText;
        const bool numeric = flags.all || !flags.forgetNumeric;
        QVariantList expected;
        for (const ZKRenamerPtr &renamer : original.renamers())
            expected.append(
                renamer->archiveWithIrrelevantSettings(flags.irrelevant, text, numeric));
        EXPECT_TRUE(archivesEqual(expected, fullArchives(restored)));
        EXPECT_EQ(restored.renamers().first()->integerValue(RenamerSetting::SequenceFirstNumber),
                  numeric ? -5 : 1);

        EXPECT_EQ(restored.renameFolders(), original.renameFolders());
        EXPECT_EQ(restored.scanFolderContents(), original.scanFolderContents());
        EXPECT_EQ(restored.renameFiles(), original.renameFiles());
        EXPECT_EQ(restored.sortingPriorities(), original.sortingPriorities());
        EXPECT_EQ(restored.primarySortOrder(), ZKSortPriorities::DontSort);
        EXPECT_EQ(restored.ignoreTrailingGibberish(), original.ignoreTrailingGibberish());
        EXPECT_EQ(restored.ignoreInvisibleFiles(), original.ignoreInvisibleFiles());
        EXPECT_EQ(restored.useFreeSpacingMode(), original.useFreeSpacingMode());
        EXPECT_EQ(restored.autoUniqueify(), original.autoUniqueify());

        if (!flags.general) return expectDefaultGeneralSettings(restored.generalSettings());
        ZKGeneralSettings expectedSettings = original.generalSettings();
        expectedSettings.fileListTheme = 0;  // saved when it changes, not with the rest
        EXPECT_EQ(restored.generalSettings(), expectedSettings);
    }
};

TEST_F(ConfigurationRoundTrip, ThroughBinaryAndXmlDictionariesWithEveryFlagCombination) {
    for (const StoreFlags &flags : allStoreFlags()) {
        for (PropertyList::Format format :
             {PropertyList::Format::Binary, PropertyList::Format::Xml}) {
            SCOPED_TRACE(testing::Message()
                         << flags << " xml " << (format == PropertyList::Format::Xml));
            ZKDictionaryConfigurationArchive archive;
            auto original = storeConfigured(archive, flags);
            QString error;
            const auto read =
                ZKDictionaryConfigurationArchive::fromData(archive.toData(format), &error);
            ASSERT_TRUE(read.has_value()) << error;
            auto restored = makeController();
            initializeControlsWithArchive(*restored, &*read, false, true);
            expectRestored(*restored, *original, flags);
        }
    }
}

TEST_F(ConfigurationRoundTrip, ThroughUserDefaultsWrittenToTheirFileWithEveryFlagCombination) {
    for (const StoreFlags &flags : allStoreFlags()) {
        SCOPED_TRACE(testing::Message() << flags);
        TestDir dir;
        const QString path = dir.filePath("defaults.plist");
        std::unique_ptr<ZKRenamingController> original;
        {
            UserDefaults defaults(path);
            ZKUserDefaultsConfigurationArchive archive(defaults);
            original = storeConfigured(archive, flags);
            ASSERT_TRUE(defaults.synchronize());
        }
        UserDefaults fresh(path);
        ZKUserDefaultsConfigurationArchive archive(fresh);
        auto restored = makeController();
        initializeControlsWithArchive(*restored, &archive, false, true);
        expectRestored(*restored, *original, flags);
    }
}

TEST_F(ConfigurationRoundTrip, QuittingStoresGeneralSettingsAndDropletCreationDoesNot) {
    setUserDefault(EngineDefaults::kForgetTextSettingsOnQuit, true);
    auto original = makeController();
    configureAwayFromDefaults(*original);

    // Droplet and service creation: all settings, no general ones.
    ZKDictionaryConfigurationArchive droplet;
    storeSettingsInArchive(*original, droplet, true, false, false);
    for (const char *key : {"Chicken", "Startup Population", "Preview Pop-Up Condition",
                            "Quit When Closed", "Clear List After Renaming", "File List Theme"})
        EXPECT_FALSE(droplet.hasValue(key)) << key;
    EXPECT_TRUE(archivesEqual(
        QVariantList{"x-"},
        droplet.objectForKey("Renamers").toList().at(1).toMap().value("Rename: Insert: String")));

    ASSERT_TRUE(ConfigurationArchiving::storeSettingsForQuit(*original));
    const QVariant file = PropertyList::readFile(UserDefaults::standardUserDefaults().filePath());
    const QVariantMap stored = file.toMap();
    EXPECT_EQ(stored.value("Chicken"), QVariant(false));
    EXPECT_EQ(stored.value("Startup Population"), QVariant(qint64(3)));
    EXPECT_EQ(stored.value("Quit When Closed"), QVariant(true));
    EXPECT_FALSE(stored.contains("File List Theme"));
    // Text settings are forgotten when quitting, as the user asked.
    EXPECT_FALSE(
        stored.value("Renamers").toList().at(1).toMap().contains("Rename: Insert: String"));

    auto relaunched = makeController();
    ConfigurationArchiving::restoreSettingsAtLaunch(*relaunched);
    EXPECT_EQ(relaunched->generalSettings().startupAction, ZKGeneralSettings::StartupOpenPanel);
    EXPECT_FALSE(relaunched->generalSettings().confirmBeforeRenaming);
    EXPECT_TRUE(relaunched->renameFolders());
    EXPECT_EQ(relaunched->renamers().first()->integerValue(RenamerSetting::SequenceFirstNumber),
              -5);
}

TEST_F(ConfigurationRoundTrip, QuittingBeforeLaunchFinishedStoresNothing) {
    auto launching = makeController(false);
    configureAwayFromDefaults(*launching);
    EXPECT_FALSE(ConfigurationArchiving::storeSettingsForQuit(*launching));
    EXPECT_FALSE(UserDefaults::standardUserDefaults().hasPersistentValueForKey("Renamers"));
    EXPECT_FALSE(UserDefaults::standardUserDefaults().hasPersistentValueForKey("Chicken"));
}

TEST_F(ConfigurationRoundTrip, DropletConfigurationKeepsTheUsersGeneralSettings) {
    auto user = makeController();
    configureAwayFromDefaults(*user);
    ASSERT_TRUE(ConfigurationArchiving::storeSettingsForQuit(*user));
    setUserDefault("File List Theme", qint64(4));

    auto other = makeController();
    other->setRenamers({ZKRenamer::renamerWithArchive(QVariantMap{{"Task", RemoveOperation}})});
    ZKDictionaryConfigurationArchive droplet;
    storeSettingsInArchive(*other, droplet, true, false, true);

    auto received = makeController();
    initializeControlsWithArchive(*received, &droplet, true, false);
    EXPECT_EQ(received->generalSettings().startupAction, ZKGeneralSettings::StartupNothing);
    ZKGeneralSettings expected = user->generalSettings();
    expected.startupAction = ZKGeneralSettings::StartupNothing;  // not restored for droplets
    EXPECT_EQ(received->generalSettings(), expected);
    ASSERT_EQ(received->renamers().size(), 1);
    EXPECT_EQ(received->renamers().first()->operation(), RemoveOperation);
    EXPECT_FALSE(received->renameFolders());  // the droplet's own listing choice
}
