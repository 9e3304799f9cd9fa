#pragma once

#include <QListView>
#include <memory>

#include "interaction/ZKUserInteraction.h"

class QMenu;
class QMouseEvent;
class ZKFileIconProvider;
class ZKFileListDelegate;
class ZKFileListModel;
class ZKRenamingController;

// The file list: one row per displayed record of the controller (current name, light, new
// name, and the interim name while a step is selected). The window forwards the core's
// list notifications and the list-display commands of its menus here.
class ZKFileList : public QListView {
    Q_OBJECT
public:
    explicit ZKFileList(ZKRenamingController &controller, QWidget *parent = nullptr);
    ~ZKFileList() override;

    // The displayed rows changed (fileListChanged).
    void reloadData();
    // Only the rows' contents changed (fileListNeedsDisplay).
    void redisplay();

    QList<ZKFileRepresentationPtr> selectedFileRepresentations() const;
    void selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records);
    // Space: a quick look at the first selected item (a beep when there is nothing to show).
    void previewSelectedItem();
    // A click released where it was pressed opens the quick preview of its row, by the
    // "Preview Pop-Up Condition": 0 a click on the row's icon, 1 a second click on a row that
    // already was the only one selected.

    // The drop target's highlight.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return highlighted_; }

    // List-display commands (menus).
    // Stores the tag as "List Layout" and refreshes the list.
    void changeListLayout(int tag);
    // Stores the tag as "List Layout: Detail Mode"; a layout without a detail line becomes
    // the detail layout.
    void changeListDetailMode(int tag);
    // Flips "Always Show Large Icons".
    void toggleIconSize();
    // Flips "Show Icon Previews".
    void toggleIconPreview();
    // Flips "Show Whitespace".
    void toggleWhitespaceDisplay();
    // A tag below 1 turns row selection off (deselecting every row and giving the rows the
    // detail of the sort order), 1 or more turns it on; nothing when it already is so.
    void changeSelectability(int tag);

    // The context menu for a click on a row (an invalid index: on no row). An unselected
    // clicked row stays outlined until the menu is destroyed.
    std::unique_ptr<QMenu> createContextMenu(const QModelIndex &clicked);
    // Removes the selected rows; a beep when none is selected.
    void deleteSelectedRows();
    // What an empty list says (the controller's filter message); "" while rows are shown.
    QString emptyListMessage() const;

    ZKFileListModel &fileListModel() const { return *model_; }
    ZKFileListDelegate &fileListDelegate() const { return *delegate_; }
    // Forgets icon previews (a new list may show other files under the same paths).
    void clearIconsCache();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Reads the list's user defaults into the delegate, the selection mode and the
    // background; whether the row height changed.
    bool takeSettings();
    // The same, laying the rows out again when their height changed.
    void applySettings();
    // A new row height or layout: the rows are laid out again, keeping the selection.
    void refreshList();
    QList<int> selectedRows() const;
    void removeRows(const QList<int> &rows);
    // The row before which rows dropped at the point land (the row count: at the end).
    int dropRowAt(const QPoint &point) const;
    bool acceptsRowDrag(const QDropEvent *event) const;
    void paintOverlays(QPainter &painter);
    // The row a press at the point would preview when released there; invalid for none.
    QModelIndex previewCandidateAt(const QMouseEvent &event) const;
    // A beep when there is nothing to show.
    void previewRecord(const ZKFileRepresentation *record);

    ZKRenamingController &controller_;
    std::unique_ptr<ZKFileIconProvider> icons_;
    ZKFileListModel *model_;
    ZKFileListDelegate *delegate_;
    bool highlighted_ = false;
    int dropRow_ = -1;
    QPersistentModelIndex previewCandidate_;
    QPoint pressPosition_;
};
