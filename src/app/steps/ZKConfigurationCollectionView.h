#pragma once

#include <QList>
#include <QPointer>
#include <QScrollArea>

#include "engine/ZKRenamer.h"

class QMenu;
class QToolButton;
class ZKRenamerSettingsView;
class ZKRenamingController;

// The step area: one settings view per step of the controller's list, in list order, with
// selection, dragging to reorder and the sideways slide when the whole list is replaced.
class ZKConfigurationCollectionView : public QScrollArea {
    Q_OBJECT
public:
    explicit ZKConfigurationCollectionView(ZKRenamingController &controller,
                                           QWidget *parent = nullptr);

    // The controller's step list changed structurally (renamerLayoutChanged): match the
    // settings views to it and tile them.
    void relayout();
    // A lone step's operation menu is centred unless "Always Left-Align Operations Menu" is
    // set; every other step's is on the left.
    void alignOperationMenus();
    static inline const QString kAlwaysLeftAlignOperationsMenu =
        QStringLiteral("Always Left-Align Operations Menu");
    // The controller's step selection changed (renamerSelectionChanged).
    void reflectSelection(bool focusStepArea);

    // Step-list commands (buttons and menus).
    void addRenamer();
    void deleteSelectedConfigurations();
    // animate: 0 none, -1 slide to the right, any other value to the left.
    void setRenamers(const QList<ZKRenamerPtr> &renamers, int animate);

    // The settings views in list order.
    const QList<ZKRenamerSettingsView *> &configurationViews() const { return views_; }
    ZKRenamerSettingsView *viewForRenamer(const ZKRenamer *renamer) const;
    // After a drag: the steps take the order of their views from top to bottom (by their
    // middles).
    void sortConfigurationsByViewYCoordinates();
    // Shows every step's settings again (after a change the views did not make, such as the
    // free-spacing mode that the Target's status depends on).
    void refreshSettings();
    // The context menu of a settings view (the caller owns it); on a list of two or more
    // steps, building it selects that view.
    QMenu *contextMenuForView(ZKRenamerSettingsView *view);
    // A selection by click: alone, toggled with Ctrl, or the range from the last click with
    // Shift.
    void selectByClick(ZKRenamerSettingsView *view, Qt::KeyboardModifiers modifiers);
    QToolButton *addButton() const { return addButton_; }
    QToolButton *deleteButton() const { return deleteButton_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildButtonBar();
    // Views for new steps, none for steps that left; answers whether the list changed.
    void matchViewsToRenamers();
    ZKRenamerSettingsView *makeView(const ZKRenamerPtr &renamer);
    void tile();
    // Tiles in the given order (the tentative one while a view is dragged).
    void tile(const QList<ZKRenamerSettingsView *> &order);
    int preferredHeight(ZKRenamerSettingsView *view) const;
    void rebuildFocusOrder();
    bool adjustTextFieldHeights();
    void applySelection(const QList<ZKRenamerSettingsView *> &selected);
    void updateButtons();
    void focusFirstTextField(ZKRenamerSettingsView *view);
    void duplicateStep(ZKRenamerSettingsView *view);
    void removeStep(ZKRenamerSettingsView *view);
    void expandAll(bool expanded);
    void dragView(ZKRenamerSettingsView *view, int top);
    void slide(const QPixmap &before, int animate);
    // Relayout unless the controller already announced the change through the window.
    void relayoutIfStale();

    ZKRenamingController &controller_;
    QWidget *container_;
    QWidget *buttonBar_;
    QToolButton *addButton_;
    QToolButton *deleteButton_;
    QList<ZKRenamerSettingsView *> views_;
    QPointer<ZKRenamerSettingsView> selectionAnchor_;
    QPointer<ZKRenamerSettingsView> draggedView_;
    bool batchingExpansion_ = false;
};
