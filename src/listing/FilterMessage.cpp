#include "listing/FilterMessage.h"

#include <QStringList>

namespace FilterMessage {

namespace {

QString emptyListMessage(const ListState &state) {
    if (state.listFolders && !state.listFiles) return QStringLiteral("Drag folders here.");
    if (state.listFiles && !state.listFolders && !state.scanFolderContents)
        return QStringLiteral("Drag files here.");
    return QStringLiteral("Drag files and folders here.");
}

}  // namespace

QString readablePath(const QString &path) {
    const QStringList components = path.split(u'/', Qt::SkipEmptyParts);
    return components.isEmpty() ? path : components.join(QStringLiteral(" \u25B8 "));
}

QString filterMessage(const ListState &state) {
    if (state.recordCount == 1) return state.singleRecordName;
    if (state.recordCount > 1)
        return (state.listFolders ? QStringLiteral("%1 Items") : QStringLiteral("%1 Files"))
            .arg(state.recordCount);
    if (state.rootPathCount == 0) return emptyListMessage(state);
    if (state.rootPathCount == 1)
        return QStringLiteral("Not Listed: %1").arg(readablePath(state.singleRootPath));
    return QStringLiteral("Not Listed: %1 Items").arg(state.rootPathCount);
}

}  // namespace FilterMessage
