// What a droplet or a service relays: loaded while the application runs, renamed at once when
// it was started for that, kept for the launch when it brings no files; and droplets and
// services made from the window's configuration.

#include <QFileInfo>

#include "WindowFixture.h"
#include "common/PropertyList.h"
#include "droplets/DropletKeys.h"
#include "droplets/DropletLauncher.h"
#include "droplets/RelayFile.h"
#include "droplets/ServiceDefinition.h"
#include "engine/RenamerCollections.h"

namespace {

const QVariantList kSteps{
    QVariantMap{{"Task", 101}, {"Rename: Insert: String", QVariantList{"done-"}}}};

QString insertedBy(const QVariantMap &configuration) {
    return configuration.value("Renamers")
        .toList()
        .value(0)
        .toMap()
        .value("Rename: Insert: String")
        .toList()
        .value(0)
        .toString();
}

class RelayReceptionTest : public WindowFixture {
protected:
    QString relay(const QStringList &dropped) {
        QVariantMap dictionary{{"Renamers", kSteps}, {"List Folders", true}};
        if (!dropped.isEmpty()) dictionary.insert(DropletKeys::kDroppedFiles, dropped);
        return RelayFile::write(dictionary, nullptr);
    }
    // The text the steps insert, "" for other steps; compares the steps without their defaults.
    QStringList steps() {
        QStringList inserted;
        for (const QVariant &archive :
             RenamerCollections::archivesFromRenamers(controller().renamers(), false))
            inserted.append(
                archive.toMap().value("Rename: Insert: String").toList().value(0).toString());
        return inserted;
    }
    const QStringList kInserted{"done-"};
};

}  // namespace

TEST_F(RelayReceptionTest, WhileRunningTheFilesAreLoadedNotRenamed) {
    const QString file = dir.makeFile("a.txt");
    view().openFiles({relay({file})});
    waitFor([&] { return !controller().isOpeningAfterDelay(); });
    EXPECT_EQ(listedNames(), QStringList{"a.txt"});
    EXPECT_EQ(steps(), kInserted);
    EXPECT_TRUE(controller().renameFolders());
    EXPECT_TRUE(QFileInfo::exists(file));

    // Without files only the configuration changes; the list stays.
    controller().setRenamers({});
    view().openFiles({relay({})});
    EXPECT_EQ(steps(), kInserted);
    EXPECT_EQ(listedNames(), QStringList{"a.txt"});
}

TEST_F(RelayReceptionTest, DuringLaunchWithoutFilesTheConfigurationWaitsInTheDefaults) {
    window = std::make_unique<ZKMainWindow>(&dialogs);
    view().openFiles({relay({})});
    EXPECT_EQ(UserDefaults::standardUserDefaults().objectForKey("Renamers"), QVariant(kSteps));
    view().applicationDidFinishLaunching();
    EXPECT_EQ(steps(), kInserted);
}

TEST_F(RelayReceptionTest, DuringLaunchWithFilesTheyAreRenamedAtOnce) {
    window = std::make_unique<ZKMainWindow>(&dialogs);
    bool quit = false;
    QObject::connect(window.get(), &ZKMainWindow::terminateRequested, [&] { quit = true; });
    const QString file = dir.makeFile("a.txt");
    view().openFiles({relay({file})});
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("done-a.txt")));
    EXPECT_TRUE(quit);
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    // The ordinary launch does not follow, so nothing of the droplet is saved at quit.
    view().applicationDidFinishLaunching();
    EXPECT_FALSE(controller().hasFinishedLaunching());
}

TEST_F(RelayReceptionTest, AMissingDropletConfigurationIsReportedAndChangesNothing) {
    controller().setRenamers({});
    view().openFiles(
        {RelayFile::write({{DropletKeys::kDropletInstanceIdentifier, "GONE"}}, nullptr)});
    EXPECT_EQ(dialogs.messages(), QStringList{"Missing Droplet Configuration"});
    EXPECT_TRUE(steps().isEmpty());
}

TEST_F(RelayReceptionTest, DropletsAndServicesFreezeTheWindowsConfiguration) {
    controller().setRenamers({});
    controller().setRenamers(RenamerCollections::renamersFromArchives(kSteps));
    dialogs.creationPath = dir.filePath("Mine.desktop");
    action("createDroplet")->trigger();
    ASSERT_EQ(dialogs.creationPanels.size(), 1);
    EXPECT_EQ(dialogs.creationPanels[0].prompt, "Create Droplet");
    EXPECT_EQ(dialogs.creationPanels[0].proposedName, "Torvane Droplet");
    const auto frozen = DropletLauncher::embeddedConfiguration(*dialogs.creationPath, nullptr);
    ASSERT_TRUE(frozen);
    EXPECT_EQ(insertedBy(*frozen), "done-");

    dialogs.creationPath = dir.filePath("Mine");
    action("createService")->trigger();
    EXPECT_EQ(dialogs.creationPanels[1].prompt, "Create Service");
    EXPECT_EQ(dialogs.creationPanels[1].proposedName, "Rename");
    const auto decoded =
        ServiceDefinition::decode(ServiceDefinition::userData(dir.filePath("Mine.torvaneservice")));
    ASSERT_TRUE(decoded.configuration) << decoded.failure.toStdString();
    EXPECT_EQ(insertedBy(*decoded.configuration), "done-");
}
