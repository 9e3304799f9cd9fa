#include <QAbstractItemModelTester>
#include <QMimeData>

#include "FileListFixture.h"

using FileListModelTest = FileListFixture;

TEST_F(FileListModelTest, StaysConsistentThroughReloadsRedisplaysAndFilters) {
    QAbstractItemModelTester tester(&model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    listFiles({"a.txt", "b.txt", "c.txt"});
    EXPECT_EQ(rowNames(), QStringList({"a.txt", "b.txt", "c.txt"}));

    controller->setRenamers({replacing("b", "x")});
    controller->updateRenameNamesAndReloadFileList();
    EXPECT_EQ(model().records().at(1)->renameName(), "x.txt");

    // Only the modified row stays.
    controller->changeFilter(1);
    EXPECT_EQ(rowNames(), QStringList({"b.txt"}));
    EXPECT_EQ(model().data(rowIndex(0), Qt::ToolTipRole).toString(), "b.txt -> x.txt");
    controller->changeFilter(0);
    EXPECT_EQ(model().rowCount(), 3);

    controller->clear();
    EXPECT_EQ(model().rowCount(), 0);
}

TEST_F(FileListModelTest, ShowsInterimNamesOfTheOneSelectedStep) {
    listFiles({"a.txt"});
    const ZKRenamerPtr first = replacing("a", "x");
    const ZKRenamerPtr second = replacing("x", "y");
    controller->setRenamers({first, second});
    controller->updateRenameNamesAndReloadFileList();
    EXPECT_FALSE(model().interimIndex());

    controller->setSelectedRenamers({first});
    EXPECT_EQ(model().interimIndex(), 0);
    EXPECT_EQ(model().data(rowIndex(0), Qt::ToolTipRole).toString(), "a.txt -> y.txt (via x.txt)");

    controller->setSelectedRenamers({first, second});
    EXPECT_FALSE(model().interimIndex());
}

TEST_F(FileListModelTest, RowDragsAreReadOnlyByTheirOwnList) {
    listFiles({"a.txt", "b.txt", "c.txt"});
    std::unique_ptr<QMimeData> data(model().mimeData({rowIndex(2), rowIndex(0), rowIndex(2)}));
    EXPECT_EQ(model().rowsFromMimeData(data.get()), QList<int>({0, 2}));

    ZKFileListModel other(*controller);
    EXPECT_TRUE(other.rowsFromMimeData(data.get()).isEmpty());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(dir.filePath("a.txt"))});
    EXPECT_TRUE(model().rowsFromMimeData(&files).isEmpty());
}

TEST_F(FileListModelTest, RowsAreSelectableOnlyWhileSelectionIsAllowed) {
    listFiles({"a.txt"});
    EXPECT_TRUE(model().flags(rowIndex(0)) & Qt::ItemIsSelectable);
    list->changeSelectability(0);
    EXPECT_FALSE(model().flags(rowIndex(0)) & Qt::ItemIsSelectable);
    EXPECT_FALSE(model().flags(rowIndex(0)) & Qt::ItemIsDragEnabled);
}
