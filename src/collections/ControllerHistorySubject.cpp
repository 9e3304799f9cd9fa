#include "collections/ControllerHistorySubject.h"

#include "collections/ZKHistorian.h"
#include "controller/ZKRenamingController.h"

ControllerHistorySubject::ControllerHistorySubject(ZKRenamingController &controller)
    : controller_(controller) {
    ZKHistorian &historian = ZKHistorian::historian();
    historian.setSubject(this);
    connect(&controller, &ZKRenamingController::renamersUsedForRenaming, this,
            [] { ZKHistorian::historian().archiveRenamers(); });
    connect(&controller, &ZKRenamingController::historyChangeToReflect, this,
            [] { ZKHistorian::historian().reflectHistoryChange(); });
}

ControllerHistorySubject::~ControllerHistorySubject() {
    ZKHistorian &historian = ZKHistorian::historian();
    if (historian.subject() == this) historian.setSubject(nullptr);
}

QList<ZKRenamerPtr> ControllerHistorySubject::historyRenamers() { return controller_.renamers(); }

void ControllerHistorySubject::setHistoryRenamers(const QList<ZKRenamerPtr> &renamers,
                                                  int animate) {
    if (replacement_)
        replacement_(renamers, animate);
    else
        controller_.replaceRenamers(renamers);
}
