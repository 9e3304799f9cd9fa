#include "RenamingControllerFixture.h"
#include "listing/DisplayFilter.h"

class RenamingControllerSortingTest : public RenamingControllerFixture {};

TEST_F(RenamingControllerSortingTest, EarlierChoicesBreakTiesOfTheNewPrimaryOrder) {
    dir.makeFile("a/x.txt", QByteArray(30, 'a'));
    dir.makeFile("b/x.txt", QByteArray(10, 'b'));
    dir.makeFile("b/file10.txt", QByteArray(20, 'c'));
    dir.makeFile("b/file2.txt", QByteArray(40, 'd'));
    ASSERT_TRUE(controller->populateWithPaths({dir.path()}, false, false));
    const auto paths = [this] {
        QStringList paths;
        for (const ZKFileRepresentationPtr &record : controller->fileRepresentations())
            paths.append(record->path().mid(dir.path().size() + 1));
        return paths;
    };
    // Name, then path.
    EXPECT_EQ(paths(), QStringList({"b/file2.txt", "b/file10.txt", "a/x.txt", "b/x.txt"}));

    controller->setPrimarySortOrder(ZKSortPriorities::Size);
    controller->setPrimarySortOrder(ZKSortPriorities::Name);
    controller->sort();
    EXPECT_EQ(paths(), QStringList({"b/file2.txt", "b/file10.txt", "b/x.txt", "a/x.txt"}));

    SortMenuItem descending;
    descending.kind = SortMenuItem::Kind::Direction;
    descending.tag = 1;
    descending.representedObject = SortMenu::DirectionObject;
    controller->updateFileList(descending);
    // Descending by name; the sizes of the two x.txt still ascend.
    EXPECT_EQ(paths(), QStringList({"b/x.txt", "a/x.txt", "b/file10.txt", "b/file2.txt"}));
}

TEST_F(RenamingControllerSortingTest, FilterKeepsRowsThatWillBeRenamedAndRowsWithErrors) {
    listFiles({"keep.txt", "red1.txt", "red2.txt", "green.txt"});
    useSteps({findAndReplace("^red\\d|^green", "same", true)});
    // "same.txt" three times: all red; keep.txt is unchanged and grey.
    controller->changeFilter(DisplayFilter::ShowModified);
    EXPECT_EQ(names(controller->fileRepresentationsToDisplay()),
              QStringList({"green.txt", "red1.txt", "red2.txt"}));

    controller->setAutoUniqueify(true);
    const int reloads = ui.fileListChanges;
    controller->updateRenameNames();
    EXPECT_EQ(names(controller->fileRepresentationsToDisplay()),
              QStringList({"green.txt", "red1.txt", "red2.txt"}));
    EXPECT_EQ(ui.fileListChanges, reloads) << "the same rows need no reload";

    controller->changeFilter(DisplayFilter::ShowWarningsOrErrors);
    ASSERT_EQ(controller->fileRepresentationsToDisplay().size(), 3);
    const int reloadsBefore = ui.fileListChanges;
    // green.txt takes the name of the later, unchanged red1.txt, which is numbered.
    useSteps({findAndReplace("^green", "red1", true)});
    EXPECT_EQ(names(controller->fileRepresentationsToDisplay()),
              QStringList({"green.txt", "red1.txt"}));
    EXPECT_EQ(ui.fileListChanges, reloadsBefore + 1);

    controller->changeFilter(DisplayFilter::ShowAll);
    EXPECT_EQ(controller->fileRepresentationsToDisplay(), controller->fileRepresentations());
}

TEST_F(RenamingControllerSortingTest, RowsOfTheDisplayedSubsetAreTheOnesRemoved) {
    listFiles({"a.txt", "b.txt", "c.txt"});
    useSteps({findAndReplace("[ac]", "z", true)});
    controller->setAutoUniqueify(true);
    controller->updateRenameNames();
    controller->changeFilter(DisplayFilter::ShowModified);
    ASSERT_EQ(names(controller->fileRepresentationsToDisplay()), QStringList({"a.txt", "c.txt"}));

    controller->deleteObjectsAtRowIndexes({1});
    EXPECT_EQ(listedNames(), QStringList({"a.txt", "b.txt"}));
}

TEST_F(RenamingControllerSortingTest, DetailModeFollowsTheSortOrderWhileRowsCannotBeSelected) {
    listFiles({"a.txt"});
    controller->setPrimarySortOrder(ZKSortPriorities::Size);
    EXPECT_EQ(controller->cellDisplayMode(), 4);
    EXPECT_EQ(record("a.txt")->cellDisplayMode(false, 0), 0u) << "selectable rows: untouched";

    UserDefaults::standardUserDefaults().setBool(false, "Allow File Selection");
    controller->setPrimarySortOrder(ZKSortPriorities::ModificationDate);
    EXPECT_EQ(record("a.txt")->cellDisplayMode(false, 0), 2u);

    UserDefaults::standardUserDefaults().setBool(true, "Allow File Selection");
    UserDefaults::standardUserDefaults().setInteger(2, "List Layout");
    UserDefaults::standardUserDefaults().setInteger(3, "List Layout: Detail Mode");
    EXPECT_EQ(controller->cellDisplayMode(), 3);
}

TEST_F(RenamingControllerSortingTest, SelectionSurvivesAReloadWhenRowsCanBeSelected) {
    listFiles({"a.txt", "b.txt"});
    const ZKFileRepresentationPtr b = record("b.txt");
    ui.selection = {b};
    controller->pushFileRepresentationSelection();
    controller->pushFileRepresentationSelection();
    ui.selection.clear();
    controller->popFileRepresentationSelection();
    EXPECT_TRUE(ui.selection.isEmpty()) << "only the outermost pop restores";
    controller->popFileRepresentationSelection();
    EXPECT_EQ(ui.selection, QList<ZKFileRepresentationPtr>{b});

    UserDefaults::standardUserDefaults().setBool(false, "Allow File Selection");
    controller->pushFileRepresentationSelection();
    ui.selection.clear();
    controller->popFileRepresentationSelection();
    EXPECT_TRUE(ui.selection.isEmpty());
}
