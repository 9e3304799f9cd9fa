#include "ConfigurationTestSupport.h"

#include <QFile>

#include "common/ApplicationSupport.h"
#include "common/PropertyList.h"
#include "common/UserDefaults.h"
#include "engine/ArchiveValues.h"
#include "engine/EngineDefaults.h"
#include "engine/ZKRenamer.h"

void ConfigurationTest::SetUp() {
    ZKRenamingController::registerControllerDefaults();
    ZKRenamer::removedRenamersStack().clear();
}

void ConfigurationTest::TearDown() {
    QFile::remove(ApplicationSupport::defaultStepsFilePath());
    UserDefaults &defaults = UserDefaults::standardUserDefaults();
    const QVariantMap values = defaults.dictionaryRepresentation();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        if (defaults.hasPersistentValueForKey(it.key())) defaults.removeObjectForKey(it.key());
    }
}

std::unique_ptr<ZKRenamingController> ConfigurationTest::makeController(bool finishedLaunching) {
    auto controller = std::make_unique<ZKRenamingController>();
    controller->setHasFinishedLaunching(finishedLaunching);
    return controller;
}

QList<ZKRenamerPtr> ConfigurationTest::sampleRenamers() {
    return {
        ZKRenamer::renamerWithArchive(QVariantMap{
            {"Task", SequenceOperation},
            {"Rename: Sequence: First Number", qint64(-5)},
            {"Rename: Sequence: Step Value", qint64(2)},
        }),
        ZKRenamer::renamerWithArchive(QVariantMap{
            {"Task", InsertOperation},
            {"Rename: Insert: String", QVariantList{"x-"}},
        }),
        ZKRenamer::renamerWithArchive(QVariantMap{
            {"Task", FindAndReplaceOperation},
            {"Rename: Find/Replace: Target", QVariantList{"a"}},
            {"Rename: Find/Replace: Replacement", QVariantList{"b"}},
            {"Rename: Set Extension: Change Only", true},
        }),
    };
}

void ConfigurationTest::configureAwayFromDefaults(ZKRenamingController &controller) {
    controller.setRenamers(sampleRenamers());
    controller.setRenameFolders(true);
    controller.setScanFolderContents(false);
    controller.setRenameFiles(false);
    controller.setSortingPriorities(ZKSortPriorities::fromArchive(QVariantList{
        QVariantMap{{"Strategy", qint64(ZKSortPriorities::DontSort)}},
        QVariantMap{{"Strategy", qint64(ZKSortPriorities::Size)}, {"Invert", true}},
    }));
    controller.setIgnoreTrailingGibberish(false);
    controller.setIgnoreInvisibleFiles(false);
    controller.setUseFreeSpacingMode(false);
    controller.setAutoUniqueify(true);
    ZKGeneralSettings &settings = controller.generalSettings();
    settings.startupAction = ZKGeneralSettings::StartupOpenPanel;
    settings.previewPopUpCondition = 2;
    settings.confirmBeforeRenaming = false;
    settings.quitWhenClosed = true;
    settings.clearListAfterRenaming = true;
    settings.fileListTheme = 4;
}

QVariantList ConfigurationTest::fullArchives(ZKRenamingController &controller) {
    QVariantList archives;
    for (const ZKRenamerPtr &renamer : controller.renamers())
        archives.append(renamer->archiveWithIrrelevantSettings(true, true, true));
    return archives;
}

void ConfigurationTest::expectDefaultConfiguration(ZKRenamingController &controller) {
    EXPECT_FALSE(controller.renameFolders());
    EXPECT_TRUE(controller.scanFolderContents());
    EXPECT_TRUE(controller.renameFiles());
    EXPECT_EQ(controller.sortingPriorities().entries(), ZKSortPriorities::defaultEntries());
    EXPECT_TRUE(controller.ignoreTrailingGibberish());
    EXPECT_TRUE(controller.ignoreInvisibleFiles());
    EXPECT_FALSE(controller.autoUniqueify());
    EXPECT_EQ(controller.useFreeSpacingMode(), UserDefaults::standardUserDefaults().boolForKey(
                                                   EngineDefaults::kRegularExpressionFreeSpacing));
    ASSERT_EQ(controller.renamers().size(), 1);
    EXPECT_EQ(controller.renamers().first()->operation(), FindAndReplaceOperation);
    EXPECT_TRUE(
        controller.renamers().first()->archiveWithIrrelevantSettings(true, true, true).isEmpty());
}

void ConfigurationTest::expectDefaultGeneralSettings(const ZKGeneralSettings &settings,
                                                     bool finishedLaunching) {
    EXPECT_EQ(settings.startupAction, ZKGeneralSettings::StartupNothing);
    EXPECT_EQ(settings.previewPopUpCondition, 0);
    EXPECT_EQ(settings.confirmBeforeRenaming, finishedLaunching);
    EXPECT_FALSE(settings.quitWhenClosed);
    EXPECT_FALSE(settings.clearListAfterRenaming);
    EXPECT_EQ(settings.fileListTheme, 0);
}

void ConfigurationTest::setUserDefault(const QString &key, const QVariant &value) {
    UserDefaults::standardUserDefaults().setObject(value, key);
}

::testing::AssertionResult archivesEqual(const QVariant &expected, const QVariant &actual) {
    if (ArchiveValues::isEqual(expected, actual)) return ::testing::AssertionSuccess();
    const QByteArray expectedXml = PropertyList::toData(expected, PropertyList::Format::Xml);
    const QByteArray actualXml = PropertyList::toData(actual, PropertyList::Format::Xml);
    return ::testing::AssertionFailure() << "expected\n"
                                         << expectedXml.toStdString() << "\nactual\n"
                                         << actualXml.toStdString();
}
