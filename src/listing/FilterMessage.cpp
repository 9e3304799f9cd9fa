#include "listing/FilterMessage.h"

#include <QStringList>

#include "common/Translations.h"

namespace FilterMessage {

TORVANE_NAMESPACE_TR(FilterMessage)

namespace {

QString emptyListMessage(const ListState &state) {
    if (state.listFolders && !state.listFiles) return FilterMessage::tr("Drag folders here.");
    if (state.listFiles && !state.listFolders && !state.scanFolderContents)
        return FilterMessage::tr("Drag files here.");
    return FilterMessage::tr("Drag files and folders here.");
}

}  // namespace

QString readablePath(const QString &path) {
    const QStringList components = path.split(u'/', Qt::SkipEmptyParts);
    return components.isEmpty() ? path : components.join(QStringLiteral(" \u25B8 "));
}

QString filterMessage(const ListState &state) {
    if (state.recordCount == 1) return state.singleRecordName;
    if (state.recordCount > 1)
        return (state.listFolders ? tr("%1 Items") : tr("%1 Files")).arg(state.recordCount);
    if (state.rootPathCount == 0) return emptyListMessage(state);
    if (state.rootPathCount == 1)
        return tr("Not Listed: %1").arg(readablePath(state.singleRootPath));
    return tr("Not Listed: %1 Items").arg(state.rootPathCount);
}

}  // namespace FilterMessage
