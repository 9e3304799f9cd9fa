#include "FileListFixture.h"
#include "app/filelist/ZKFileListDelegate.h"
#include "listing/CellDetailText.h"

using FileListCommandsTest = FileListFixture;

TEST_F(FileListCommandsTest, ChoosingADetailModeSwitchesToTheDetailLayout) {
    listFiles({"a.txt", "b.txt"});
    const int compactHeight = list->visualRect(rowIndex(0)).height();
    EXPECT_EQ(defaults().integerForKey("List Layout"), 0);

    list->changeListDetailMode(CellDetailText::SizeMode);
    EXPECT_EQ(defaults().integerForKey("List Layout"), 2);
    EXPECT_EQ(defaults().integerForKey("List Layout: Detail Mode"), 4);
    EXPECT_EQ(model().controllerCellDisplayMode(), CellDetailText::SizeMode);
    EXPECT_TRUE(list->fileListDelegate().settings().showsDetailLine());
    // The rows were laid out again with room for the detail line.
    EXPECT_GT(list->visualRect(rowIndex(1)).height(), compactHeight);
    EXPECT_EQ(list->visualRect(rowIndex(1)).top(), list->visualRect(rowIndex(0)).bottom() + 1);

    list->changeListDetailMode(CellDetailText::CommentMode);
    EXPECT_EQ(defaults().integerForKey("List Layout"), 2);
    EXPECT_EQ(model().controllerCellDisplayMode(), CellDetailText::CommentMode);

    // -1 lets the sort order choose again; it is the registered value, so nothing is kept.
    list->changeListDetailMode(-1);
    EXPECT_FALSE(defaults().hasPersistentValueForKey("List Layout: Detail Mode"));
    EXPECT_EQ(model().controllerCellDisplayMode(), CellDetailText::PathMode);

    list->changeListLayout(0);
    EXPECT_FALSE(defaults().hasPersistentValueForKey("List Layout"));
    EXPECT_EQ(list->visualRect(rowIndex(0)).height(), compactHeight);
}

TEST_F(FileListCommandsTest, TogglesFlipTheirDefaultsAndKeepTheSelection) {
    listFiles({"a.txt", "b.txt", "c.txt"});
    selectRows({1, 2});
    const int compactHeight = list->visualRect(rowIndex(0)).height();

    list->toggleIconSize();
    EXPECT_TRUE(defaults().boolForKey("Always Show Large Icons"));
    EXPECT_GT(list->visualRect(rowIndex(0)).height(), compactHeight);
    EXPECT_EQ(selectedNames(), QStringList({"b.txt", "c.txt"}));
    list->toggleIconSize();
    EXPECT_FALSE(defaults().hasPersistentValueForKey("Always Show Large Icons"));

    // Previews are on by default.
    list->toggleIconPreview();
    EXPECT_FALSE(defaults().boolForKey("Show Icon Previews"));
    EXPECT_FALSE(list->fileListDelegate().settings().iconPreviews);
    list->toggleIconPreview();
    EXPECT_FALSE(defaults().hasPersistentValueForKey("Show Icon Previews"));

    list->toggleWhitespaceDisplay();
    EXPECT_TRUE(list->fileListDelegate().settings().showWhitespace);
    defaults().setInteger(1, "File List Theme");
    EXPECT_TRUE(list->alternatingRowColors());
    defaults().removeObjectForKey("File List Theme");
    EXPECT_FALSE(list->alternatingRowColors());
    // A change made elsewhere (a help link) reaches the list too.
    defaults().setBool(false, "Show Whitespace");
    EXPECT_FALSE(list->fileListDelegate().settings().showWhitespace);
    EXPECT_EQ(selectedNames(), QStringList({"b.txt", "c.txt"}));
}

TEST_F(FileListCommandsTest, TurningSelectionOffDeselectsAndShowsTheSortOrdersDetail) {
    listFiles({"a.txt", "b.txt"});
    controller->setPrimarySortOrder(5);  // size
    selectRows({0, 1});

    list->changeSelectability(0);
    EXPECT_FALSE(controller->allowsFileSelection());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_TRUE(list->selectedFileRepresentations().isEmpty());
    EXPECT_TRUE(list->selectionModel()->selectedRows().isEmpty());
    for (const ZKFileRepresentationPtr &record : model().records())
        EXPECT_EQ(record->cellDisplayMode(false, 0), CellDetailText::SizeMode);

    // Turning it off again changes nothing.
    model().records().first()->setCellDisplayMode(CellDetailText::CommentMode);
    list->changeSelectability(0);
    EXPECT_EQ(model().records().first()->cellDisplayMode(false, 0), CellDetailText::CommentMode);

    list->changeSelectability(1);
    EXPECT_TRUE(controller->allowsFileSelection());
    EXPECT_FALSE(defaults().hasPersistentValueForKey("Allow File Selection"));
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    selectRows({1});
    EXPECT_EQ(selectedNames(), QStringList({"b.txt"}));
}
