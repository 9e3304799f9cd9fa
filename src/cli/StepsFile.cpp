#include "cli/StepsFile.h"

#include <QFileInfo>

#include "cli/CommandHelp.h"
#include "common/PropertyList.h"

bool readStepArchives(const QString &path, QVariantList *archives, QString *error) {
    if (!QFileInfo::exists(path)) {
        *error = CommandHelp::tr("%1: no such file").arg(path);
        return false;
    }
    QString readError;
    const QVariant value = PropertyList::readFile(path, &readError);
    if (!value.isValid()) {
        *error =
            readError.isEmpty() ? CommandHelp::tr("%1: not a property list").arg(path) : readError;
        return false;
    }
    if (value.typeId() != QMetaType::QVariantList) {
        *error = CommandHelp::tr("%1: not an array of steps").arg(path);
        return false;
    }
    const QVariantList list = value.toList();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].typeId() != QMetaType::QVariantMap) {
            *error = CommandHelp::tr("%1: item %2 is not a step dictionary").arg(path).arg(i + 1);
            return false;
        }
    }
    *archives = list;
    return true;
}
