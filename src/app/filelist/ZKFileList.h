#pragma once

#include <QListView>

#include "files/ZKUserInteraction.h"

class ZKRenamingController;

// The file list: one row per displayed record of the controller (current name, light, new
// name, and the interim name while a step is selected). The window forwards the core's
// list notifications and the list-display commands of its menus here.
class ZKFileList : public QListView {
    Q_OBJECT
public:
    explicit ZKFileList(ZKRenamingController &controller, QWidget *parent = nullptr);

    // The displayed rows changed (fileListChanged).
    void reloadData();
    // Only the rows' contents changed (fileListNeedsDisplay).
    void redisplay();

    QList<ZKFileRepresentationPtr> selectedFileRepresentations() const;
    void selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records);

    // The drop target's highlight.
    void setHighlighted(bool highlighted);

    // List-display commands (menus).
    void changeListLayout(int tag);
    void changeListDetailMode(int tag);
    void toggleIconSize();
    void toggleIconPreview();
    void toggleWhitespaceDisplay();
    void changeSelectability(int tag);

private:
    ZKRenamingController &controller_;
};
