// Files the application is asked to open: configuration files are imported, everything else
// is listed, a broken configuration is reported.

#include "WindowFixture.h"
#include "common/PropertyList.h"
#include "engine/RenamerCollections.h"

namespace {

class OpenedFilesTest : public WindowFixture {
protected:
    // A configuration file holding one Find and Replace step.
    QString writeConfiguration(const QString &name, const QString &target) {
        const QVariantList steps{QVariantMap{{"Rename: Find/Replace: Target", target},
                                             {"Rename: Find/Replace: Replacement", "_"}}};
        const QString path = dir.filePath(name);
        EXPECT_TRUE(PropertyList::writeFile(path, steps, PropertyList::Format::Binary));
        return path;
    }

    QString firstTarget() {
        const QVariantList archives =
            RenamerCollections::archivesFromRenamers(controller().renamers(), false);
        if (archives.isEmpty()) return QString();
        // A text that may hold tokens is archived as a list of strings and tokens.
        const QVariant target = archives.first().toMap().value("Rename: Find/Replace: Target");
        return target.typeId() == QMetaType::QVariantList ? target.toList().value(0).toString()
                                                          : target.toString();
    }

    void openAndSettle(const QStringList &paths) {
        view().openFiles(paths);
        waitFor([&] { return !controller().isOpeningAfterDelay(); });
        // The import is queued right after the request.
        for (int turn = 0; turn < 5; ++turn) QCoreApplication::processEvents();
    }
};

TEST_F(OpenedFilesTest, ConfigurationFilesImportUnlessSeveral) {
    const QString tva = writeConfiguration("Steps.tva", "one");
    openAndSettle({tva});
    EXPECT_EQ(firstTarget(), "one");
    EXPECT_EQ(controller().renamers().size(), 1);
    EXPECT_TRUE(controller().fileRepresentations().isEmpty());

    // The extension is matched in any letter case, and "plist" after one of them counts.
    openAndSettle({writeConfiguration("Other.TORVANE", "two")});
    EXPECT_EQ(firstTarget(), "two");
    openAndSettle({writeConfiguration("Mailed.tva.plist", "three")});
    EXPECT_EQ(firstTarget(), "three");
    EXPECT_TRUE(controller().fileRepresentations().isEmpty());

    // Two configuration files at once are files to rename.
    const QString torv = writeConfiguration("More.torv", "four");
    openAndSettle({tva, torv});
    EXPECT_EQ(firstTarget(), "three");
    EXPECT_EQ(listedNames(), (QStringList{"More.torv", "Steps.tva"}));
}

TEST_F(OpenedFilesTest, LonePropertyListAndOrdinaryFilesAreListed) {
    const QString plist = writeConfiguration("Settings.plist", "x");
    openAndSettle({plist});
    EXPECT_EQ(listedNames(), QStringList{"Settings.plist"});
    EXPECT_TRUE(dialogs.alerts.isEmpty());

    const QString text = dir.makeFile("notes.txt");
    openAndSettle({text});
    EXPECT_EQ(listedNames(), QStringList{"notes.txt"});
    // Button and menu follow once the population is done.
    EXPECT_EQ(view().renameButton() != nullptr, true);
    EXPECT_FALSE(controller().isOpeningAfterDelay());
}

TEST_F(OpenedFilesTest, BrokenConfigurationIsReportedAndChangesNothing) {
    useReplacement("keep", "me");
    const QString broken = dir.makeFile("Broken.tva", "not a property list");
    openAndSettle({broken});
    ASSERT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(dialogs.alerts.first().messageText,
              "The configuration \"Broken.tva\" cannot be opened.");
    EXPECT_FALSE(dialogs.alerts.first().informativeText.isEmpty());
    EXPECT_EQ(firstTarget(), "keep");

    dialogs.alerts.clear();
    const QString empty = dir.filePath("Empty.tva");
    ASSERT_TRUE(PropertyList::writeFile(empty, QVariantList(), PropertyList::Format::Xml));
    openAndSettle({empty});
    EXPECT_EQ(dialogs.alerts.size(), 1);
    EXPECT_EQ(firstTarget(), "keep");
}

TEST_F(OpenedFilesTest, ConfigurationDictionaryKeepsApplicationChoices) {
    controller().generalSettings().quitWhenClosed = true;
    const QVariantMap configuration{
        {"Renamers", QVariantList{QVariantMap{{"Rename: Find/Replace: Target", "dict"}}}},
        {"List Folders", true},
        {"Auto-Uniqueify", true}};
    const QString path = dir.filePath("Whole.tva");
    ASSERT_TRUE(PropertyList::writeFile(path, configuration, PropertyList::Format::Xml));
    openAndSettle({path});
    EXPECT_EQ(firstTarget(), "dict");
    EXPECT_TRUE(controller().renameFolders());
    EXPECT_TRUE(controller().autoUniqueify());
    EXPECT_TRUE(controller().generalSettings().quitWhenClosed);
}

TEST_F(OpenedFilesTest, RequestDuringQuestionWaitsForItsAnswer) {
    listFiles({"a.txt"});
    useReplacement("a", "b");
    const QString other = dir.makeFile("later/other.txt");
    // The confirmation is open when the request comes; the list must not change under it.
    dialogs.onAlert = [&](const ZKAlert &) {
        view().openFiles({other});
        QCoreApplication::processEvents();
        EXPECT_EQ(listedNames(), QStringList{"a.txt"});
    };
    dialogs.answers = {{1, false}};
    view().rename();
    dialogs.onAlert = nullptr;
    EXPECT_TRUE(waitFor([&] { return listedNames() == QStringList{"other.txt"}; }));
}

}  // namespace
