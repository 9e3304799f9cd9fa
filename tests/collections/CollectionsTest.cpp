#include <QFileInfo>
#include <QThread>
#include <algorithm>

#include "HistorianTestSupport.h"
#include "collections/ConfigurationFile.h"
#include "engine/RenamerCollections.h"
#include "support/TestEnvironment.h"

namespace {

class CollectionsTest : public HistorianTest {
protected:
    QString presets() { return historian().localFolderPathForCollection("Presets", true); }
    void writePreset(const QString &relative, const QString &suffix) {
        const QString path = presets() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(ConfigurationFile::writeAsBinaryToPath(
            {suffixStep(suffix).first()->archiveWithIrrelevantSettings(false, true, true)}, path));
    }
    QStringList userPresetTitles() {
        QStringList titles;
        for (const ZKCollectionEntry &entry : historian().presetURLs()) {
            if (entry.isSeparator()) break;
            titles << entry.menuPath();
        }
        return titles;
    }
};

TEST_F(CollectionsTest, PresetsAreListedInTheFileManagersOrderWithSubfolders) {
    for (const char *name : {"B.tva", "a.tva", "c10.tva", "c9.tva", "x.TVA",
                             "Work/Clients/Acme.tva", "{old}/Old.tva", "Work/notes.txt"})
        writePreset(name, name);
    EXPECT_EQ(userPresetTitles(), QStringList({"a", "B", "c9", "c10", "Work/Clients/Acme"}));
    const ZKCollectionEntry acme = *historian().presetNamed("Work/Clients/Acme");
    EXPECT_EQ(acme.relativePath, "Work/Clients");
    ASSERT_TRUE(acme.archives);

    UserDefaults::standardUserDefaults().setBool(false, ZKHistorian::kCollectionsIncludeSubfolders);
    historian().invalidateCollections();
    EXPECT_EQ(userPresetTitles(), QStringList({"a", "B", "c9", "c10"}));

    // The samples follow a separator, and come back when their folder is deleted.
    const QList<ZKCollectionEntry> entries = historian().presetURLs();
    const auto separator = std::find_if(entries.begin(), entries.end(),
                                        [](const ZKCollectionEntry &e) { return e.isSeparator(); });
    ASSERT_NE(separator, entries.end());
    EXPECT_TRUE((separator + 1)->isSample);
    ASSERT_TRUE(QDir(presets() + "/{samples}").removeRecursively());
    historian().invalidateCollections();
    EXPECT_GT(historian().presetURLs().size(), 5);
    EXPECT_TRUE(QFileInfo(presets() + "/{samples}").isDir());
}

TEST_F(CollectionsTest, SavingAPresetCleansTheNameAndKeepsBothOnRequest) {
    renamers = suffixStep("s");
    const QString first = historian().savePreset("Fix/Dates\n");
    EXPECT_EQ(QFileInfo(first).fileName(), "Fix:Dates.tva");
    EXPECT_EQ(userPresetTitles(), QStringList({"Fix/Dates"}));

    ui.answers = {{CollectionItemButton::KeepBoth, false},
                  {CollectionItemButton::KeepBoth, false},
                  {CollectionItemButton::Cancel, false}};
    EXPECT_EQ(QFileInfo(historian().savePreset("Fix/Dates")).fileName(), "Fix:Dates 1.tva");
    EXPECT_EQ(QFileInfo(historian().savePreset("Fix/Dates")).fileName(), "Fix:Dates 2.tva");
    EXPECT_TRUE(historian().savePreset("Fix/Dates").isEmpty());
    ASSERT_EQ(ui.alerts.size(), 3);
    EXPECT_EQ(ui.alerts.first().messageText, "Preset Already Exists");
    EXPECT_EQ(ui.alerts.first().informativeText,
              "You already have a preset named \"Fix:Dates\". What would you like to do?");

    // Replacing writes the steps of now; the preset that equals them is recognised.
    renamers = suffixStep("t");
    ui.answers = {{CollectionItemButton::Replace, false}};
    EXPECT_EQ(historian().savePreset("Fix/Dates"), first);
    EXPECT_EQ(historian()
                  .presetMatchingArchives(RenamerCollections::archivesFromRenamers(renamers))
                  ->filename(),
              "Fix/Dates");
    ASSERT_TRUE(historian().showHistory(true));
    EXPECT_EQ(historian().navigationState().smallStatus, "Start renaming!");

    // Blank names take the default; snippets are UTF-8 text.
    EXPECT_EQ(QFileInfo(historian().savePreset("  \t")).fileName(), "Preset.tva");
    const QString snippet = historian().saveSnippet("", "[uppercase <name>] ✓");
    EXPECT_EQ(QFileInfo(snippet).fileName(), "Snippet.txt");
    QFile file(snippet);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "[uppercase <name>] ✓");
}

TEST_F(CollectionsTest, ChosenFolderIsUsedAndItsChangesNoticed) {
    TestDir dir;
    ASSERT_TRUE(historian().setLocalCollectionsFolderPath(dir.path()));
    writePreset("One.tva", "1");
    EXPECT_TRUE(presets().startsWith(dir.path()));
    EXPECT_EQ(userPresetTitles(), QStringList({"One"}));
    // A file added from outside shows up once the folder's time moved on.
    QThread::msleep(1100);
    writePreset("Two.tva", "2");
    EXPECT_EQ(userPresetTitles(), QStringList({"One", "Two"}));

    // A folder that cannot be written resets to the default.
    EXPECT_FALSE(historian().setLocalCollectionsFolderPath(dir.filePath("missing")));
    EXPECT_TRUE(presets().startsWith(ApplicationSupport::folder()));
}

TEST_F(CollectionsTest, DamagedPresetsAreListedWithoutStepsAndTrashedOnRequest) {
    writePreset("Good.tva", "g");
    QFile bad(presets() + "/Bad.tva");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("bplist00 truncated");
    bad.close();
    const QList<ZKCollectionEntry> entries = historian().presetURLs();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries.at(0).filename(), "Bad");
    EXPECT_FALSE(entries.at(0).archives);
    EXPECT_FALSE(historian().choosePreset(entries.at(0)));
    EXPECT_TRUE(historian().choosePreset(entries.at(1)));
    EXPECT_EQ(currentSuffix(), "g");

    EXPECT_TRUE(historian().moveCollectionURLToTrash(entries.at(0)));
    EXPECT_FALSE(QFile::exists(presets() + "/Bad.tva"));
    EXPECT_EQ(userPresetTitles(), QStringList({"Good"}));
}

}  // namespace
