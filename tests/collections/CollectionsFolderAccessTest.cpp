#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include "HistorianTestSupport.h"
#include "collections/ConfigurationFile.h"
#include "common/Log.h"
#include "platform/ZKSecurityScopedBookmarkManager.h"
#include "support/TestEnvironment.h"

namespace {

using AccessMode = ZKSecurityScopedBookmarkManager::AccessMode;

class CollectionsFolderAccessTest : public HistorianTest {
protected:
    void SetUp() override {
        HistorianTest::SetUp();
        Log::setSink([this](const QString &line) { logLines.append(line); });
        QObject::connect(&historian(), &ZKHistorian::collectionsInvalidated,
                         [this] { ++invalidations; });
    }
    void TearDown() override {
        Log::setSink({});
        HistorianTest::TearDown();
    }

    // A sandbox that exposes the application support folder and the folders granted so far;
    // the unlock dialog answers with the folder asked for (none: dismissed).
    void fakeSandbox(bool dialogGrants) {
        exposed.insert(ApplicationSupport::folder());
        sandbox = std::make_unique<ZKSecurityScopedBookmarkManager>(
            true, [this](const QString &path, AccessMode) {
                for (const QString &folder : std::as_const(exposed))
                    if (path == folder || path.startsWith(folder + u'/')) return true;
                return false;
            });
        sandbox->setUnlockPanel([this, dialogGrants](const ZKFolderUnlockRequest &request) {
            requests.append(request);
            if (!dialogGrants) return std::optional<QString>();
            exposed.insert(request.folderPath);
            return std::optional<QString>(request.folderPath);
        });
        historian().setBookmarkManager(sandbox.get());
    }
    // Runs the event loop until the lists were dropped (or two seconds passed).
    bool waitForInvalidation() {
        const int before = invalidations;
        QDeadlineTimer deadline(2000);
        while (invalidations == before && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return invalidations > before;
    }
    static void writePresetAt(const QString &path) {
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(ConfigurationFile::writeAsBinaryToPath(
            {suffixStep("w").first()->archiveWithIrrelevantSettings(false, true, true)}, path));
    }
    static QVariantMap storedGrants() {
        return UserDefaults::standardUserDefaults().dictionaryForKey(
            ZKSecurityScopedBookmarkManager::kBookmarksKey);
    }

    std::unique_ptr<ZKSecurityScopedBookmarkManager> sandbox;
    QSet<QString> exposed;
    QList<ZKFolderUnlockRequest> requests;
    QStringList logLines;
    int invalidations = 0;
};

TEST_F(CollectionsFolderAccessTest, ChangesInAChosenFolderAndItsSubfoldersDropTheLists) {
    TestDir dir;
    ASSERT_TRUE(historian().setLocalCollectionsFolderPath(dir.path()));
    writePresetAt(dir.filePath("Presets/Work/First.tva"));
    ASSERT_EQ(historian().presetURLs().first().menuPath(), "Work/First");
    EXPECT_TRUE(historian().watchedCollectionFolders().contains(dir.filePath("Presets/Work")));

    // Within the same second as the listing: the modification time alone would miss it.
    writePresetAt(dir.filePath("Presets/Work/Second.tva"));
    ASSERT_TRUE(waitForInvalidation());
    EXPECT_EQ(historian().presetURLs().at(1).menuPath(), "Work/Second");

    // A folder made after the listing is watched once the lists are built again.
    writePresetAt(dir.filePath("Presets/Later/Third.tva"));
    ASSERT_TRUE(waitForInvalidation());
    historian().presetURLs();
    EXPECT_TRUE(historian().watchedCollectionFolders().contains(dir.filePath("Presets/Later")));

    // Torvane's own folder is read again on activation instead.
    ASSERT_TRUE(historian().setLocalCollectionsFolderPath(QString()));
    historian().presetURLs();
    EXPECT_TRUE(historian().watchedCollectionFolders().isEmpty());
    EXPECT_FALSE(UserDefaults::standardUserDefaults().hasPersistentValueForKey(
        ZKHistorian::kCollectionsFolder));
}

TEST_F(CollectionsFolderAccessTest, ASandboxAsksForTheChosenFolderOnlyWhenSaving) {
    TestDir dir;
    const QString chosen = QFileInfo(dir.path()).canonicalFilePath();
    UserDefaults::standardUserDefaults().setObject(chosen, ZKHistorian::kCollectionsFolder);
    fakeSandbox(false);

    // Listing never asks: without a grant the application support folder serves.
    historian().presetURLs();
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(historian().userDefinedCollectionsFolderPath().isEmpty());

    // Saving asks; dismissing the dialog fails quietly.
    renamers = suffixStep("s");
    EXPECT_TRUE(historian().savePreset("Mine").isEmpty());
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.first().title, "Unlock");
    EXPECT_EQ(requests.first().folderPath, chosen);
    EXPECT_TRUE(requests.first().explanation->contains(QFileInfo(chosen).fileName()));
    EXPECT_EQ(ui.beeps, 0);
    EXPECT_FALSE(logLines.contains("[Historian] no location specified"));

    // Granted: the preset lands in the chosen folder and the grant lasts.
    fakeSandbox(true);
    EXPECT_EQ(historian().savePreset("Mine"), chosen + "/Presets/Mine.tva");
    EXPECT_TRUE(storedGrants().contains(chosen));
    EXPECT_TRUE(sandbox->accessedURLsByPath().isEmpty()) << "the access is given back";
    historian().presetURLs();
    EXPECT_EQ(historian().userDefinedCollectionsFolderPath(), chosen);
}

TEST_F(CollectionsFolderAccessTest, ASandboxedChoiceIsGrantedAndFilesOutsideGrantsRefused) {
    TestDir dir;
    const QString chosen = QFileInfo(dir.makeFolder("Shared")).canonicalFilePath();
    const QString elsewhere = dir.makeFolder("Elsewhere");
    fakeSandbox(false);

    // The folder dialog of the portal exposes what the user chose.
    exposed.insert(chosen);
    ASSERT_TRUE(historian().setLocalCollectionsFolderPath(chosen));
    EXPECT_TRUE(storedGrants().contains(chosen));

    // A folder the sandbox hides is refused, logged, and the choice is the default again.
    EXPECT_FALSE(historian().setLocalCollectionsFolderPath(elsewhere));
    EXPECT_TRUE(logLines.contains("[Historian] cannot write to collections folder: " + elsewhere));
    EXPECT_FALSE(UserDefaults::standardUserDefaults().hasPersistentValueForKey(
        ZKHistorian::kCollectionsFolder));

    // Configuration files outside every grant cannot be loaded or trashed; no dialog asks.
    const QString hidden = elsewhere + "/Hidden.tva";
    writePresetAt(hidden);
    EXPECT_FALSE(historian().unarchiveRenamersAtURL(hidden));
    EXPECT_TRUE(logLines.contains("[Historian] cannot access URL: " +
                                  QUrl::fromLocalFile(hidden).toString()));
    EXPECT_FALSE(
        historian().moveCollectionURLToTrash(ZKCollectionEntry{hidden, {}, std::nullopt, false}));
    EXPECT_TRUE(QFileInfo::exists(hidden));
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(CollectionsFolderAccessTest, AReadOnlyConfigurationFileStillLoads) {
    TestDir dir;
    const QString path = dir.filePath("Shared.tva");
    writePresetAt(path);
    // Tests run as root, who may write anything: the permissions are faked.
    ZKSecurityScopedBookmarkManager readOnly(
        false, [](const QString &, AccessMode mode) { return mode == AccessMode::Read; });
    historian().setBookmarkManager(&readOnly);
    EXPECT_TRUE(historian().unarchiveRenamersAtURL(path));
    EXPECT_EQ(currentSuffix(), "w");
}

}  // namespace
