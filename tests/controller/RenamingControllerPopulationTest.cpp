#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "RenamingControllerFixture.h"

class RenamingControllerPopulationTest : public RenamingControllerFixture {
protected:
    void SetUp() override {
        RenamingControllerFixture::SetUp();
        dir.makeFile("top.txt");
        dir.makeFile("sub/middle.txt");
        dir.makeFile("sub/deeper/bottom.txt");
        dir.makeFile("sub/.hidden.txt");
    }

    bool listRoot() { return controller->populateWithPaths({dir.path()}, false, false); }
};

TEST_F(RenamingControllerPopulationTest, DefaultsListVisibleFilesAtEveryDepthButNoFolders) {
    ASSERT_TRUE(listRoot());
    EXPECT_EQ(ui.iconCacheClears, 1) << "a new list shows its icons anew";
    EXPECT_EQ(listedNames(), QStringList({"bottom.txt", "middle.txt", "top.txt"}));
    EXPECT_EQ(controller->paths(), QStringList{dir.path()});
    EXPECT_EQ(controller->filterMessage(), "3 Files");

    controller->setIgnoreInvisibleFiles(false);
    controller->updateFileRepresentations();
    EXPECT_TRUE(listedNames().contains(".hidden.txt"));
}

TEST_F(RenamingControllerPopulationTest, ListingModeDecidesBetweenFilesFoldersAndDepth) {
    ASSERT_TRUE(listRoot());
    controller->updateFilterAndFileList(1);  // folders on as well
    EXPECT_TRUE(controller->renameFolders());
    EXPECT_EQ(controller->fileRepresentations().size(), 6);
    EXPECT_EQ(controller->filterMessage(), "6 Items");

    controller->updateFilterAndFileList(3);  // folder contents off: only the root itself
    EXPECT_EQ(controller->paths(), QStringList{dir.path()});
    ASSERT_EQ(controller->fileRepresentations().size(), 1);
    EXPECT_EQ(controller->fileRepresentations().first()->path(), dir.path());

    // Turning files off asks first; "Continue to List Files" changes nothing.
    controller->updateFilterAndFileList(2);
    ui.answers = {{1, false}};
    controller->updateFilterAndFileList(0);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Do You Want to Disable File Renaming?");
    EXPECT_TRUE(controller->renameFiles());
    EXPECT_EQ(controller->fileRepresentations().size(), 6);
}

TEST_F(RenamingControllerPopulationTest, TrailingSlashesGoButTheRootStays) {
    controller->setRenameFolders(true);
    controller->setScanFolderContents(false);
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("sub") + "/", "/"}, false, false));
    EXPECT_EQ(controller->paths(), QStringList({dir.filePath("sub"), "/"}));
    EXPECT_EQ(listedNames().size(), 2);
}

TEST_F(RenamingControllerPopulationTest, RemovedItemsStayRemovedUntilGivenAgain) {
    ASSERT_TRUE(listRoot());
    const int middle = listedNames().indexOf("middle.txt");
    controller->deleteObjectsAtRowIndexes({middle});
    EXPECT_EQ(listedNames(), QStringList({"bottom.txt", "top.txt"}));
    EXPECT_EQ(controller->exceptionPaths(), QStringList{dir.filePath("sub/middle.txt")});

    controller->updateFilterAndFileList(1);
    controller->updateFilterAndFileList(1);
    EXPECT_FALSE(listedNames().contains("middle.txt")) << "a rescan keeps it out";

    ui.modifiers.shift = true;
    ASSERT_TRUE(controller->populateWithPaths({dir.filePath("sub/middle.txt")}, false, false));
    EXPECT_EQ(listedNames(), QStringList({"bottom.txt", "middle.txt", "top.txt"}));
    EXPECT_TRUE(controller->exceptionPaths().isEmpty());
}

TEST_F(RenamingControllerPopulationTest, RemovingAFolderWithOptionTakesItsContentsAlong) {
    controller->setRenameFolders(true);
    ASSERT_TRUE(listRoot());
    ui.modifiers.option = true;
    controller->deleteObjectsAtRowIndexes({int(listedNames().indexOf("sub")), 99});
    // The dropped folder itself and top.txt stay.
    EXPECT_EQ(listedNames().size(), 2);
    EXPECT_TRUE(listedNames().contains("top.txt"));
    EXPECT_EQ(controller->exceptionPaths().size(), 4);

    controller->updateFileRepresentations();
    EXPECT_EQ(listedNames().size(), 2);
}

TEST_F(RenamingControllerPopulationTest, ShiftAddsToTheListInsteadOfReplacingIt) {
    TestDir other;
    other.makeFile("other.txt");
    ASSERT_TRUE(listRoot());
    ui.modifiers.shift = true;
    ASSERT_TRUE(controller->populateWithPaths({other.path(), dir.path()}, false, false));
    EXPECT_EQ(controller->paths(), QStringList({dir.path(), other.path()}));
    EXPECT_EQ(controller->fileRepresentations().size(), 4);

    ui.modifiers.shift = false;
    ASSERT_TRUE(controller->populateWithPaths({other.path()}, false, false));
    EXPECT_EQ(listedNames(), QStringList({"other.txt"}));
}

TEST_F(RenamingControllerPopulationTest, StopAnsweredStopEmptiesTheList) {
    qint64 now = 0;
    controller->setScanClock([&now] { return now += 100; });
    ui.stopAtPoll = 2;
    ui.answers = {{1, false}};
    EXPECT_TRUE(listRoot());

    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().messageText, "Stop?");
    EXPECT_EQ(ui.alerts.first().informativeText, "Aren't these the files you are looking for?");
    EXPECT_EQ(ui.alerts.first().buttons, QStringList({"Continue", "Stop"}));
    EXPECT_TRUE(controller->fileRepresentations().isEmpty());
    EXPECT_TRUE(controller->paths().isEmpty());
}

TEST_F(RenamingControllerPopulationTest, StopAnsweredContinueFinishesTheScanWithProgress) {
    qint64 now = 0;
    controller->setScanClock([&now] { return now += 100; });
    ui.stopAtPoll = 1;
    ui.answers = {{0, false}};
    ASSERT_TRUE(listRoot());
    EXPECT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(controller->fileRepresentations().size(), 3);

    bool sawScanning = false;
    bool sawBuilding = false;
    for (const ZKRenameButtonState &state : std::as_const(ui.buttonStates)) {
        if (state.title.startsWith("Scanning " + dir.path()) && state.showsProgress)
            sawScanning = true;
        if (state.title == "Building list...") sawBuilding = true;
    }
    EXPECT_TRUE(sawScanning);
    EXPECT_TRUE(sawBuilding);
}

TEST_F(RenamingControllerPopulationTest, RescanKeepsRecordsAndTheirOriginalPaths) {
    ASSERT_TRUE(listRoot());
    const ZKFileRepresentationPtr top = record("top.txt");
    ASSERT_TRUE(QFile::rename(dir.filePath("top.txt"), dir.filePath("renamed.txt")));
    top->setPath(dir.filePath("renamed.txt"));

    controller->updateFileRepresentations();
    ASSERT_EQ(record("renamed.txt"), top);
    EXPECT_EQ(top->originalPath(), dir.filePath("top.txt"));
}

TEST_F(RenamingControllerPopulationTest, NothingToListBeepsAndSaysWhatWasLeftOut) {
    EXPECT_EQ(controller->filterMessage(), "Drag files and folders here.");
    EXPECT_FALSE(controller->populateWithPaths({}, false, false));
    EXPECT_EQ(ui.beeps, 1);

    const QString empty = dir.makeFolder("empty");
    EXPECT_FALSE(controller->populateWithPaths({empty}, false, false));
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_TRUE(controller->filterMessage().startsWith("Not Listed: "));

    EXPECT_FALSE(
        controller->populateWithPaths({QCoreApplication::applicationFilePath()}, true, false));
    EXPECT_EQ(ui.beeps, 2) << "opened on itself: silently nothing";
}

TEST_F(RenamingControllerPopulationTest, MovedRowsKeepTheirOrderAndStopTheSorting) {
    dir.makeFile("zeta.txt");
    ASSERT_TRUE(listRoot());
    ASSERT_EQ(listedNames(), QStringList({"bottom.txt", "middle.txt", "top.txt", "zeta.txt"}));
    controller->moveRows({3, 0}, 2);
    EXPECT_EQ(listedNames(), QStringList({"middle.txt", "bottom.txt", "zeta.txt", "top.txt"}));
    EXPECT_EQ(controller->primarySortOrder(), ZKSortPriorities::DontSort);

    controller->moveRows({0}, 10);
    EXPECT_EQ(listedNames(), QStringList({"bottom.txt", "zeta.txt", "top.txt", "middle.txt"}));
}

TEST_F(RenamingControllerPopulationTest, CopyWritesPathsUrlsAndCsvLines) {
    EXPECT_FALSE(controller->checkForFilesToCopyAndCopy(false));
    dir.makeFile("a \"quoted\", name.txt");
    ASSERT_TRUE(listRoot());
    useSteps({findAndReplace("quoted", "plain")});
    ui.selection = {record("a \"quoted\", name.txt"), record("top.txt")};

    EXPECT_TRUE(controller->checkForFilesToCopyAndCopy(false));
    EXPECT_TRUE(ui.pasteboardWrites.isEmpty());
    ASSERT_TRUE(controller->checkForFilesToCopyAndCopy(true));
    ASSERT_EQ(ui.pasteboardWrites.size(), 1);
    const auto &written = ui.pasteboardWrites.first();
    EXPECT_EQ(written.paths.first(), dir.filePath("a \"quoted\", name.txt"));
    EXPECT_TRUE(written.urls.first().startsWith("file:///"));
    EXPECT_TRUE(written.urls.first().endsWith("/a%20%22quoted%22%2C%20name.txt"));
    EXPECT_EQ(written.text,
              "\"" + dir.filePath("a \"\"quoted\"\", name.txt") +
                  "\",\"a \"\"quoted\"\", name.txt\",\"a \"\"plain\"\", name.txt\"\n" +
                  dir.filePath("top.txt") + ",top.txt,");

    UserDefaults::standardUserDefaults().setBool(false, "Copy CSV Names");
    ui.selection.clear();
    ASSERT_TRUE(controller->checkForFilesToCopyAndCopy(true));
    EXPECT_EQ(ui.pasteboardWrites.last().text.split('\n').size(), 4);
    EXPECT_EQ(ui.pasteboardWrites.last().text.split('\n').last(), dir.filePath("top.txt"));
}

TEST_F(RenamingControllerPopulationTest, PasteTakesAbsolutePathsOfExistingItems) {
    EXPECT_FALSE(controller->checkForFilesToPasteAndPaste(false));
    ui.pasteboard = {{ZKPasteboardItem::Type::PlainText,
                      "  " + dir.filePath("top.txt") + "  \nsub/middle.txt\n"}};
    EXPECT_TRUE(controller->checkForFilesToPasteAndPaste(false));
    EXPECT_TRUE(controller->fileRepresentations().isEmpty());
    EXPECT_TRUE(controller->checkForFilesToPasteAndPaste(true));
    EXPECT_EQ(listedNames(), QStringList({"top.txt"}));
}

TEST_F(RenamingControllerPopulationTest, OtherSourcesOfPathsPopulateTheList) {
    EXPECT_FALSE(controller->populateWithOpenPanelSelection());
    ui.openPanelPaths = {dir.filePath("sub/deeper")};
    EXPECT_TRUE(controller->populateWithOpenPanelSelection());
    EXPECT_EQ(listedNames(), QStringList({"bottom.txt"}));

    EXPECT_TRUE(controller->populateWithFinderSelectionScriptResult(
        dir.filePath("top.txt") + "\n\n" + dir.filePath("sub/middle.txt") + "\n", false));
    EXPECT_EQ(listedNames(), QStringList({"middle.txt", "top.txt"}));
}

TEST_F(RenamingControllerPopulationTest, ClearEmptiesRootsExceptionsAndRecords) {
    ASSERT_TRUE(listRoot());
    controller->deleteObjectsAtRowIndexes({0});
    controller->clear();
    EXPECT_TRUE(controller->paths().isEmpty());
    EXPECT_TRUE(controller->exceptionPaths().isEmpty());
    EXPECT_TRUE(controller->fileRepresentations().isEmpty());
    EXPECT_FALSE(controller->isClearButtonEnabled());
    EXPECT_EQ(ui.lastButtonState().title, "There is nothing to rename.");
}

TEST_F(RenamingControllerPopulationTest, LinksAreListedAsItemsAndNeverEntered) {
    ASSERT_EQ(::symlink("/", QFile::encodeName(dir.filePath("sub/root")).constData()), 0);
    controller->setRenameFolders(true);
    ASSERT_TRUE(listRoot());
    for (const ZKFileRepresentationPtr &record : controller->fileRepresentations())
        EXPECT_TRUE(record->path().startsWith(dir.path())) << record->path().toStdString();
    EXPECT_TRUE(listedNames().contains("root"));
    EXPECT_EQ(controller->fileRepresentations().size(), 7);
}
