// The file list's context menu and the reordering of rows by dragging them.

#include <QDragEnterEvent>
#include <QFile>
#include <QMenu>

#include "app/filelist/FileManagerReveal.h"
#include "app/filelist/ZKFileList.h"
#include "app/filelist/ZKFileListDelegate.h"
#include "app/filelist/ZKFileListModel.h"
#include "controller/ZKRenamingController.h"

// --- Context menu ----------------------------------------------------------------------------

std::unique_ptr<QMenu> ZKFileList::createContextMenu(const QModelIndex &clicked) {
    auto menu = std::make_unique<QMenu>(this);
    const ZKFileRepresentation *record = model_->recordAt(clicked.row());
    if (record) {
        // The path on disk, which may differ from the displayed (composed) one.
        const QString path = QFile::decodeName(record->nativePath());
        if (!path.isEmpty()) {
            connect(menu->addAction(tr("Show in File Manager")), &QAction::triggered, this,
                    [path] { revealInFileManager(path); });
            menu->addSeparator();
        }
        // An unselected row is removed alone and outlined meanwhile, so the user sees which
        // row the menu is about although the selection lies elsewhere.
        const QPersistentModelIndex row(clicked);
        const bool clickedIsSelected =
            selectionMode() != NoSelection && selectionModel()->isSelected(clicked);
        if (!clickedIsSelected) {
            delegate_->setContextRow(row);
            viewport()->update(visualRect(clicked));
            connect(menu.get(), &QObject::destroyed, this, [this] {
                delegate_->setContextRow(QPersistentModelIndex());
                viewport()->update();
            });
        }
        connect(menu->addAction(tr("Remove from List")), &QAction::triggered, this,
                [this, row, clickedIsSelected] {
                    if (clickedIsSelected)
                        deleteSelectedRows();
                    else if (row.isValid())
                        removeRows({row.row()});
                });
        menu->addSeparator();
    }
    QAction *clear = menu->addAction(tr("Clear List"));
    clear->setEnabled(controller_.isClearButtonEnabled());
    connect(clear, &QAction::triggered, this, [this] { controller_.clear(); });
    return menu;
}

void ZKFileList::contextMenuEvent(QContextMenuEvent *event) {
    std::unique_ptr<QMenu> menu = createContextMenu(indexAt(event->pos()));
    menu->exec(event->globalPos());
    event->accept();
}

// --- Reordering by drag ----------------------------------------------------------------------

bool ZKFileList::acceptsRowDrag(const QDropEvent *event) const {
    return !model_->rowsFromMimeData(event->mimeData()).isEmpty();
}

int ZKFileList::dropRowAt(const QPoint &point) const {
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) return model_->rowCount();
    return point.y() > visualRect(index).center().y() ? index.row() + 1 : index.row();
}

// Drags of anything else (files from elsewhere) are left to the window's drop area.
void ZKFileList::dragEnterEvent(QDragEnterEvent *event) {
    if (!acceptsRowDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void ZKFileList::dragMoveEvent(QDragMoveEvent *event) {
    if (!acceptsRowDrag(event)) {
        event->ignore();
        return;
    }
    dropRow_ = dropRowAt(event->position().toPoint());
    event->setDropAction(Qt::MoveAction);
    event->accept();
    viewport()->update();
}

void ZKFileList::dragLeaveEvent(QDragLeaveEvent *event) {
    dropRow_ = -1;
    viewport()->update();
    event->accept();
}

void ZKFileList::dropEvent(QDropEvent *event) {
    dropRow_ = -1;
    if (!acceptsRowDrag(event)) {
        event->ignore();
        return;
    }
    const QList<int> rows = model_->rowsFromMimeData(event->mimeData());
    const int toRow = dropRowAt(event->position().toPoint());
    // The controller has moved the records; the view must not remove the dragged rows.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    controller_.moveRows(rows, toRow);
    viewport()->update();
}
