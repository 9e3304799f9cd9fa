#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "FileListFixture.h"
#include "app/filelist/ZKFileListDelegate.h"
#include "listing/ZKSortPriorities.h"

using FileListInteractionTest = FileListFixture;

namespace {

QAction *actionTitled(QMenu &menu, const QString &title) {
    for (QAction *action : menu.actions()) {
        if (action->text() == title) return action;
    }
    ADD_FAILURE() << "no menu item " << title.toStdString();
    return nullptr;
}

// Drags the data over the list's viewport and drops it there; whether the list took it.
bool dropOnList(ZKFileList &list, const QMimeData *data, const QPoint &point,
                Qt::DropAction action = Qt::MoveAction) {
    QDragEnterEvent enter(point, action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &enter);
    QDragMoveEvent move(point, action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &move);
    if (!move.isAccepted()) return false;
    QDropEvent drop(QPointF(point), action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &drop);
    return drop.isAccepted();
}

QStringList titles(QMenu &menu) {
    QStringList texts;
    for (QAction *action : menu.actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

}  // namespace

TEST_F(FileListInteractionTest, RemovingAnUnselectedRowKeepsTheSelection) {
    listFiles({"a.txt", "b.txt", "c.txt", "d.txt"});
    selectRows({0, 1});

    std::unique_ptr<QMenu> menu = list->createContextMenu(rowIndex(3));
    EXPECT_EQ(titles(*menu),
              QStringList({"Show in File Manager", "-", "Remove from List", "-", "Clear List"}));
    EXPECT_EQ(list->fileListDelegate().contextRow().row(), 3);
    actionTitled(*menu, "Remove from List")->trigger();
    menu.reset();

    EXPECT_EQ(rowNames(), QStringList({"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(selectedNames(), QStringList({"a.txt", "b.txt"}));
    EXPECT_FALSE(list->fileListDelegate().contextRow().isValid());
    EXPECT_TRUE(controller->exceptionPaths().contains(dir.filePath("d.txt")));
}

TEST_F(FileListInteractionTest, RemovingASelectedRowRemovesTheWholeSelection) {
    listFiles({"a.txt", "b.txt", "c.txt"});
    selectRows({0, 2});

    std::unique_ptr<QMenu> menu = list->createContextMenu(rowIndex(2));
    EXPECT_FALSE(list->fileListDelegate().contextRow().isValid());
    actionTitled(*menu, "Remove from List")->trigger();
    EXPECT_EQ(rowNames(), QStringList({"b.txt"}));
}

TEST_F(FileListInteractionTest, MenuOutsideTheRowsOffersOnlyClearingWhenThereIsAList) {
    std::unique_ptr<QMenu> empty = list->createContextMenu(QModelIndex());
    EXPECT_EQ(titles(*empty), QStringList({"Clear List"}));
    EXPECT_FALSE(actionTitled(*empty, "Clear List")->isEnabled());

    listFiles({"a.txt", "b.txt"});
    std::unique_ptr<QMenu> menu = list->createContextMenu(QModelIndex());
    QAction *clear = actionTitled(*menu, "Clear List");
    ASSERT_TRUE(clear->isEnabled());
    clear->trigger();
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_TRUE(controller->paths().isEmpty());
}

TEST_F(FileListInteractionTest, EscapeDeselectsAndDeleteRemovesTheSelectedRows) {
    listFiles({"a.txt", "b.txt", "c.txt", "d.txt"});
    selectRows({1, 2});
    QTest::keyClick(list.get(), Qt::Key_Escape);
    EXPECT_TRUE(selectedNames().isEmpty());
    EXPECT_EQ(model().rowCount(), 4);

    // Nothing selected: nothing to remove.
    QTest::keyClick(list.get(), Qt::Key_Delete);
    EXPECT_EQ(model().rowCount(), 4);
    EXPECT_EQ(ui.beeps, 1);

    selectRows({1, 2});
    QTest::keyClick(list.get(), Qt::Key_Delete);
    EXPECT_EQ(rowNames(), QStringList({"a.txt", "d.txt"}));

    selectRows({0});
    QTest::keyClick(list.get(), Qt::Key_Backspace);
    EXPECT_EQ(rowNames(), QStringList({"d.txt"}));
}

TEST_F(FileListInteractionTest, DroppingDraggedRowsReordersTheListAndStopsSorting) {
    listFiles({"a.txt", "b.txt", "c.txt", "d.txt"});
    selectRows({0, 1});
    std::unique_ptr<QMimeData> data(model().mimeData(list->selectionModel()->selectedRows()));

    // Dropped on the lower half of the last row: after it.
    const QRect last = list->visualRect(rowIndex(3));
    EXPECT_TRUE(dropOnList(*list, data.get(), QPoint(last.center().x(), last.bottom() - 1)));
    EXPECT_EQ(rowNames(), QStringList({"c.txt", "d.txt", "a.txt", "b.txt"}));
    EXPECT_EQ(namesOf(controller->fileRepresentations()), rowNames());
    EXPECT_EQ(controller->primarySortOrder(), ZKSortPriorities::DontSort);
    EXPECT_EQ(selectedNames(), QStringList({"a.txt", "b.txt"}));

    // Dropped on the upper half of the first row: before it.
    std::unique_ptr<QMimeData> second(model().mimeData({rowIndex(3)}));
    const QRect first = list->visualRect(rowIndex(0));
    EXPECT_TRUE(dropOnList(*list, second.get(), QPoint(first.center().x(), first.top() + 1)));
    EXPECT_EQ(rowNames(), QStringList({"b.txt", "c.txt", "d.txt", "a.txt"}));

    // Files dragged in from elsewhere are the window's business.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(dir.filePath("a.txt"))});
    EXPECT_FALSE(dropOnList(*list, &files, first.center(), Qt::CopyAction));
    EXPECT_EQ(rowNames(), QStringList({"b.txt", "c.txt", "d.txt", "a.txt"}));
}

TEST_F(FileListInteractionTest, AnEmptyListShowsTheFilterMessage) {
    EXPECT_EQ(list->emptyListMessage(), controller->filterMessage());
    EXPECT_FALSE(list->emptyListMessage().isEmpty());

    listFiles({"a.txt", "b.txt"});
    EXPECT_EQ(list->emptyListMessage(), "");

    // A filter that hides every row leaves the list empty but not the message.
    controller->changeFilter(1);
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_EQ(list->emptyListMessage(), "2 Files");
    // It is painted without trouble.
    const QImage shot = list->grab().toImage();
    EXPECT_FALSE(shot.isNull());
}

TEST_F(FileListInteractionTest, DropHighlightIsDrawnAroundTheList) {
    listFiles({"a.txt"});
    list->setHighlighted(true);
    const QImage shot = list->viewport()->grab().toImage();
    const QColor accent = list->palette().color(QPalette::Highlight);
    EXPECT_EQ(QColor(shot.pixel(shot.width() / 2, shot.height() - 2)).rgb(), accent.rgb());
    list->setHighlighted(false);
    const QImage plain = list->viewport()->grab().toImage();
    EXPECT_NE(QColor(plain.pixel(plain.width() / 2, plain.height() - 2)).rgb(), accent.rgb());
}

TEST_F(FileListInteractionTest, ClicksOpenTheQuickPreviewByThePreviewCondition) {
    // Real images, so that the preview opens in a window of its own rather than elsewhere.
    for (const QString name : {"a.png", "b.png"}) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(dir.filePath(name)));
    }
    ASSERT_TRUE(controller->populateWithPaths({dir.path()}, false, false));
    list->doItemsLayout();
    const auto previewShown = [] {
        bool shown = false;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != QLatin1String("quickPreview") || !widget->isVisible())
                continue;
            shown = true;
            widget->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shown;
    };
    const QRect row = list->visualRect(rowIndex(0));
    const QPoint onIcon(row.left() + 4, row.center().y());
    const QPoint onName(row.center());
    auto click = [this](const QPoint &point, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, point);
    };

    click(onName);
    EXPECT_FALSE(previewShown()) << "a click on the name only selects";
    click(onIcon, Qt::ControlModifier);
    EXPECT_FALSE(previewShown()) << "a click with a modifier changes the selection";
    click(onIcon);
    EXPECT_TRUE(previewShown());

    controller->generalSettings().previewPopUpCondition = 1;
    list->clearSelection();
    click(onName);
    EXPECT_FALSE(previewShown()) << "the first click selects";
    selectRows({0, 1});
    click(onName);
    EXPECT_FALSE(previewShown()) << "a click on one of several selected rows narrows the selection";
    click(onName);
    EXPECT_TRUE(previewShown());
}
