#include "app/steps/StepMenus.h"

#include <QCoreApplication>

#include "engine/RenamerSettings.h"
#include "engine/ZKRenamer.h"

namespace StepMenus {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("StepMenus", text); }

}  // namespace

Items operationItems() {
    Items items;
    for (int tag : {FindAndReplaceOperation, RemoveOperation, InsertOperation, AddPrefixOperation,
                    AddSuffixOperation, ComposeOperation, ChangeCaseOperation,
                    SetExtensionOperation, SequenceOperation, AdvancedOperation})
        items.append({ZKRenamer::operationName(tag), tag});
    return items;
}

Items directionItems() { return {{tr("from the start"), 0}, {tr("from the end"), 1}}; }

Items nameCaseItems() {
    return {{tr("Unchanged"), 0},
            {tr("UPPER CASE"), 1},
            {tr("lower case"), 2},
            {tr("Capitalized Words"), 3},
            {tr("Title Case"), kTitleCaseNameMode}};
}

Items extensionCaseItems() {
    return {{tr("Unchanged"), 0}, {tr("UPPER CASE"), 1}, {tr("lower case"), 2}};
}

Items exceptionModeItems() {
    return {{tr("are made lower case"), 0}, {tr("are left as they are"), 1}};
}

Items cutOffItems() {
    Items items;
    for (int length = 1; length <= 9; ++length) items.append({QString::number(length), length});
    return items;
}

QString positionSummary(const QString &what, qint64 start, qint64 direction) {
    return direction == 1 ? tr("%1 at position %2 from the end").arg(what).arg(start)
                          : tr("%1 at position %2").arg(what).arg(start);
}

}  // namespace StepMenus
