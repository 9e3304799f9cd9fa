#include "app/steps/ZKConfigurationCollectionView.h"

#include "files/ZKRenamingController.h"

ZKConfigurationCollectionView::ZKConfigurationCollectionView(ZKRenamingController &controller,
                                                             QWidget *parent)
    : QScrollArea(parent), controller_(controller)
{
}

void ZKConfigurationCollectionView::relayout() {}
void ZKConfigurationCollectionView::reflectSelection(bool) {}
void ZKConfigurationCollectionView::addRenamer() {}
void ZKConfigurationCollectionView::deleteSelectedConfigurations() {}
void ZKConfigurationCollectionView::setRenamers(const QList<ZKRenamerPtr> &, int) {}
