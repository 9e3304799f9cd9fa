#include "app/filelist/ZKFileList.h"

#include "files/ZKRenamingController.h"

ZKFileList::ZKFileList(ZKRenamingController &controller, QWidget *parent)
    : QListView(parent), controller_(controller)
{
}

void ZKFileList::reloadData() { viewport()->update(); }
void ZKFileList::redisplay() { viewport()->update(); }
QList<ZKFileRepresentationPtr> ZKFileList::selectedFileRepresentations() const { return {}; }
void ZKFileList::selectFileRepresentations(const QList<ZKFileRepresentationPtr> &) {}
void ZKFileList::setHighlighted(bool) {}
void ZKFileList::changeListLayout(int) {}
void ZKFileList::changeListDetailMode(int) {}
void ZKFileList::toggleIconSize() {}
void ZKFileList::toggleIconPreview() {}
void ZKFileList::toggleWhitespaceDisplay() {}
void ZKFileList::changeSelectability(int) {}
