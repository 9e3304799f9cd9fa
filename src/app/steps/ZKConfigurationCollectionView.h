#pragma once

#include <QScrollArea>

#include "engine/ZKRenamer.h"

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
    // The controller's step selection changed (renamerSelectionChanged).
    void reflectSelection(bool focusStepArea);

    // Step-list commands (buttons and menus).
    void addRenamer();
    void deleteSelectedConfigurations();
    // animate: 0 none, -1 slide to the right, any other value to the left.
    void setRenamers(const QList<ZKRenamerPtr> &renamers, int animate);

private:
    ZKRenamingController &controller_;
};
