#include "ConfigurationTestSupport.h"
#include "collections/ConfigurationArchiving.h"
#include "collections/ZKDictionaryConfigurationArchive.h"
#include "common/ApplicationSupport.h"
#include "common/PropertyList.h"
#include "common/UserDefaults.h"
#include "engine/EngineDefaults.h"
#include "engine/ZKRenamer.h"

using ConfigurationArchiving::initializeControlsWithArchive;

namespace {

ZKDictionaryConfigurationArchive archiveOf(const QVariantMap &values) {
    return ZKDictionaryConfigurationArchive(values);
}

}  // namespace

using ConfigurationRestore = ConfigurationTest;

TEST_F(ConfigurationRestore, EmptyOrAbsentArchiveRestoresEveryDefault) {
    for (bool absent : {false, true}) {
        for (bool forDroplet : {false, true}) {
            auto controller = makeController();
            configureAwayFromDefaults(*controller);
            const ZKDictionaryConfigurationArchive empty;
            initializeControlsWithArchive(*controller, absent ? nullptr : &empty, forDroplet, true);
            SCOPED_TRACE(testing::Message() << "absent " << absent << " droplet " << forDroplet);
            expectDefaultConfiguration(*controller);
            expectDefaultGeneralSettings(controller->generalSettings());
        }
    }
}

TEST_F(ConfigurationRestore, StepsComeFromTheTopLevelWhenRenamersHoldsNone) {
    const QVariantMap topLevelStep{{"Task", InsertOperation},
                                   {"Rename: Insert: String", QVariantList{"new "}}};
    for (const QVariant &renamers : {QVariant(QVariantList()), QVariant(), QVariant("junk"),
                                     QVariant(QVariantList{QStringLiteral("no dictionary")})}) {
        QVariantMap values = topLevelStep;
        if (renamers.isValid()) values.insert("Renamers", renamers);
        const auto archive = archiveOf(values);
        auto controller = makeController();
        initializeControlsWithArchive(*controller, &archive, false, false);
        ASSERT_EQ(controller->renamers().size(), 1);
        EXPECT_EQ(controller->renamers().first()->operation(), InsertOperation);
        EXPECT_EQ(controller->renamers().first()->tokenListValue(RenamerSetting::InsertString),
                  QVariantList{"new "});
    }

    // An archive from before multi-step configurations in the older step layout is converted.
    const auto legacy = archiveOf({{"Task", 5}, {"Rename: Prefix/Suffix: Prefix", "p-"}});
    auto controller = makeController();
    initializeControlsWithArchive(*controller, &legacy, true, false);
    ASSERT_FALSE(controller->renamers().isEmpty());
    EXPECT_EQ(controller->renamers().first()->operation(), AddPrefixOperation);
}

TEST_F(ConfigurationRestore, StepsOfRenamersComeInOrderAndTopLevelKeysAreThenIgnored) {
    const auto archive = archiveOf({
        {"Task", InsertOperation},
        {"Renamers", QVariantList{QVariantMap{{"Task", RemoveOperation}}, "skipped",
                                  QVariantMap{{"Task", ChangeCaseOperation}}}},
    });
    auto controller = makeController();
    initializeControlsWithArchive(*controller, &archive, false, false);
    ASSERT_EQ(controller->renamers().size(), 2);
    EXPECT_EQ(controller->renamers().at(0)->operation(), RemoveOperation);
    EXPECT_EQ(controller->renamers().at(1)->operation(), ChangeCaseOperation);
    EXPECT_EQ(controller->renamers().at(0)->renamingDelegate(), controller.get());
}

TEST_F(ConfigurationRestore, LaunchSwitchesChooseDefaultStepsOrTheTopLevelStep) {
    ASSERT_TRUE(PropertyList::writeFile(ApplicationSupport::defaultStepsFilePath(),
                                        QVariantList{QVariantMap{{"Task", SetExtensionOperation}}},
                                        PropertyList::Format::Xml));
    const QVariantMap values{{"Renamers", QVariantList{QVariantMap{{"Task", RemoveOperation}}}},
                             {"Task", AdvancedOperation}};

    QVariantMap withDefault = values;
    withDefault.insert("Launch With Default Renaming Operation", true);
    auto archive = archiveOf(withDefault);
    auto controller = makeController();
    initializeControlsWithArchive(*controller, &archive, false, true);
    ASSERT_EQ(controller->renamers().size(), 1);
    EXPECT_EQ(controller->renamers().first()->operation(), SetExtensionOperation);
    // A droplet's configuration is always its own.
    initializeControlsWithArchive(*controller, &archive, true, false);
    ASSERT_EQ(controller->renamers().size(), 1);
    EXPECT_EQ(controller->renamers().first()->operation(), RemoveOperation);

    QVariantMap preMultistep = values;
    preMultistep.insert("Launch With Pre-Multistep Configuration", qint64(1));
    archive = archiveOf(preMultistep);
    for (bool forDroplet : {false, true}) {
        initializeControlsWithArchive(*controller, &archive, forDroplet, !forDroplet);
        ASSERT_EQ(controller->renamers().size(), 1);
        EXPECT_EQ(controller->renamers().first()->operation(), AdvancedOperation);
    }
}

TEST_F(ConfigurationRestore, DropletTakesMissingSwitchesFromTheUserDefaultsLaunchFromBuiltIns) {
    setUserDefault("Auto-Uniqueify", true);
    setUserDefault("Ignore Trailing Gibberish", false);
    setUserDefault("Ignore Invisible Files", false);
    setUserDefault("Ignore Whitespace In Regular Expressions", false);
    setUserDefault("Chicken", false);
    setUserDefault("Quit When Closed", true);
    setUserDefault("Clear List After Renaming", true);
    setUserDefault("Preview Pop-Up Condition", qint64(3));
    setUserDefault("File List Theme", qint64(2));
    // Not switches: a droplet's archive always carries these, so only the built-ins apply.
    setUserDefault("List Folders", true);
    setUserDefault("Sorting Priorities", QVariantList{QVariantMap{{"Strategy", qint64(5)}}});

    const auto archive = archiveOf({{"Ignore Invisible Files", true}});
    auto droplet = makeController();
    initializeControlsWithArchive(*droplet, &archive, true, false);
    EXPECT_TRUE(droplet->autoUniqueify());
    EXPECT_FALSE(droplet->ignoreTrailingGibberish());
    EXPECT_TRUE(droplet->ignoreInvisibleFiles());
    EXPECT_FALSE(droplet->useFreeSpacingMode());
    const ZKGeneralSettings &settings = droplet->generalSettings();
    EXPECT_FALSE(settings.confirmBeforeRenaming);
    EXPECT_TRUE(settings.quitWhenClosed);
    EXPECT_TRUE(settings.clearListAfterRenaming);
    EXPECT_EQ(settings.previewPopUpCondition, 3);
    EXPECT_EQ(settings.fileListTheme, 2);
    EXPECT_FALSE(droplet->renameFolders());
    EXPECT_EQ(droplet->primarySortOrder(), ZKSortPriorities::Name);

    auto launch = makeController();
    initializeControlsWithArchive(*launch, &archive, false, true);
    EXPECT_FALSE(launch->autoUniqueify());
    EXPECT_TRUE(launch->ignoreTrailingGibberish());
    EXPECT_TRUE(launch->useFreeSpacingMode());  // the registered free-spacing default
    expectDefaultGeneralSettings(launch->generalSettings());
}

TEST_F(ConfigurationRestore, FreeSpacingDefaultIsTheUserDefaultForNewExpressions) {
    setUserDefault(EngineDefaults::kRegularExpressionFreeSpacing, false);
    const ZKDictionaryConfigurationArchive empty;
    auto controller = makeController();
    initializeControlsWithArchive(*controller, &empty, false, false);
    EXPECT_FALSE(controller->useFreeSpacingMode());
    const auto on = archiveOf({{"Ignore Whitespace In Regular Expressions", true}});
    initializeControlsWithArchive(*controller, &on, false, false);
    EXPECT_TRUE(controller->useFreeSpacingMode());
}

TEST_F(ConfigurationRestore, StartupTagNinetyNineMakesEveryLaterValueADefault) {
    setUserDefault("Auto-Uniqueify", true);
    const auto archive = archiveOf({
        {"Startup Population", qint64(99)},
        {"Auto-Uniqueify", true},
        {"List Folders", true},
        {"Quit When Closed", true},
        {"File List Theme", qint64(3)},
        {"Chicken", false},
        {"Renamers", QVariantList{QVariantMap{{"Task", RemoveOperation}}}},
        {"Sorting Priorities", QVariantList{QVariantMap{{"Strategy", qint64(99)}}}},
    });
    for (bool forDroplet : {false, true}) {
        auto controller = makeController();
        configureAwayFromDefaults(*controller);
        initializeControlsWithArchive(*controller, &archive, forDroplet, true);
        EXPECT_EQ(controller->generalSettings().startupAction,
                  ZKGeneralSettings::StartupDefaultSettings);
        expectDefaultConfiguration(*controller);
        EXPECT_FALSE(controller->generalSettings().quitWhenClosed);
        EXPECT_EQ(controller->generalSettings().fileListTheme, 0);
        EXPECT_TRUE(controller->generalSettings().confirmBeforeRenaming);
    }

    // Without the start-up action the tag is not read, so nothing is forgotten.
    auto controller = makeController();
    initializeControlsWithArchive(*controller, &archive, false, false);
    EXPECT_EQ(controller->generalSettings().startupAction, ZKGeneralSettings::StartupNothing);
    EXPECT_TRUE(controller->autoUniqueify());
    EXPECT_TRUE(controller->renameFolders());
    EXPECT_EQ(controller->primarySortOrder(), ZKSortPriorities::Shuffle);
}

TEST_F(ConfigurationRestore, ConfirmationIsOffDuringLaunchWhateverTheArchiveSays) {
    const auto on = archiveOf({{"Chicken", true}});
    const auto off = archiveOf({{"Chicken", false}});
    const ZKDictionaryConfigurationArchive empty;
    auto launching = makeController(false);
    for (const ZKConfigurationArchive *archive :
         {static_cast<const ZKConfigurationArchive *>(&on),
          static_cast<const ZKConfigurationArchive *>(&empty)}) {
        launching->generalSettings().confirmBeforeRenaming = true;
        initializeControlsWithArchive(*launching, archive, true, false);
        EXPECT_FALSE(launching->generalSettings().confirmBeforeRenaming);
    }

    auto running = makeController(true);
    initializeControlsWithArchive(*running, &off, true, false);
    EXPECT_FALSE(running->generalSettings().confirmBeforeRenaming);
    initializeControlsWithArchive(*running, &empty, false, false);
    EXPECT_TRUE(running->generalSettings().confirmBeforeRenaming);
    initializeControlsWithArchive(*running, &on, false, false);
    EXPECT_TRUE(running->generalSettings().confirmBeforeRenaming);
}

TEST_F(ConfigurationRestore, ValuesOfTheWrongKindTakeTheirDefaults) {
    const auto archive = archiveOf({
        {"List Folders", "YES"},
        {"List Folder Contents", QVariantList{}},
        {"List Files", QVariantMap{}},
        {"Ignore Trailing Gibberish", "NO"},
        {"Ignore Invisible Files", QByteArray("0")},
        {"Auto-Uniqueify", "1"},
        {"Chicken", "NO"},
        {"Quit When Closed", "YES"},
        {"Startup Population", "1"},
        {"Preview Pop-Up Condition", true},
        {"File List Theme", 2.7},
        {"Sorting Priorities", "Name"},
        {"Renamers", QVariantMap{{"Task", RemoveOperation}}},
    });
    auto controller = makeController();
    configureAwayFromDefaults(*controller);
    initializeControlsWithArchive(*controller, &archive, false, true);
    expectDefaultConfiguration(*controller);
    const ZKGeneralSettings &settings = controller->generalSettings();
    EXPECT_EQ(settings.startupAction, ZKGeneralSettings::StartupNothing);
    EXPECT_TRUE(settings.confirmBeforeRenaming);
    EXPECT_FALSE(settings.quitWhenClosed);
    // Numbers of another kind still give their value: a boolean is 1, a real is truncated.
    EXPECT_EQ(settings.previewPopUpCondition, 1);
    EXPECT_EQ(settings.fileListTheme, 2);
}

TEST_F(ConfigurationRestore, ChoicesThePopUpDoesNotOfferTakeTheDefaultTag) {
    for (const QVariant &tag : {QVariant(qint64(4)), QVariant(qint64(-1)), QVariant(qint64(98)),
                                QVariant(qint64(0x100000001)), QVariant(1e20)}) {
        const auto archive = archiveOf({{"Startup Population", tag},
                                        {"Preview Pop-Up Condition", qint64(-3)},
                                        {"File List Theme", qint64(0x100000002)}});
        auto controller = makeController();
        configureAwayFromDefaults(*controller);
        initializeControlsWithArchive(*controller, &archive, false, true);
        EXPECT_EQ(controller->generalSettings().startupAction, ZKGeneralSettings::StartupNothing)
            << tag.toString();
        EXPECT_EQ(controller->generalSettings().previewPopUpCondition, 0);
        EXPECT_EQ(controller->generalSettings().fileListTheme, 0);
    }
    for (qint64 tag : {1, 2, 3}) {
        const auto archive = archiveOf({{"Startup Population", tag}});
        auto controller = makeController();
        initializeControlsWithArchive(*controller, &archive, false, true);
        EXPECT_EQ(controller->generalSettings().startupAction, tag);
    }
}

TEST_F(ConfigurationRestore, SortingPrioritiesAreReadLeniently) {
    const auto archive = archiveOf(
        {{"Sorting Priorities",
          QVariantList{QVariantMap{{"Strategy", qint64(-1)}}, QVariantMap{{"Strategy", qint64(42)}},
                       QVariantMap{{"Strategy", qint64(3)}, {"Invert", true}}}}});
    auto controller = makeController();
    initializeControlsWithArchive(*controller, &archive, false, false);
    const QList<ZKSortPriorities::Entry> entries = controller->sortingPriorities().entries();
    ASSERT_EQ(entries.size(), 9);
    EXPECT_EQ(entries.at(0), (ZKSortPriorities::Entry{ZKSortPriorities::DontSort, false}));
    EXPECT_EQ(entries.at(1), (ZKSortPriorities::Entry{ZKSortPriorities::ModificationDate, true}));

    const auto empty = archiveOf({{"Sorting Priorities", QVariantList{}}});
    initializeControlsWithArchive(*controller, &empty, false, false);
    EXPECT_EQ(controller->sortingPriorities().entries(), ZKSortPriorities::defaultEntries());
}
