#include "app/filelist/ZKFileListModel.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>

#include "controller/ZKRenamingController.h"

ZKFileListModel::ZKFileListModel(ZKRenamingController &controller, QObject *parent)
    : QAbstractListModel(parent), controller_(controller) {
    records_ = controller_.fileRepresentationsToDisplay();
    takeDisplayState();
}

void ZKFileListModel::reload() {
    beginResetModel();
    records_ = controller_.fileRepresentationsToDisplay();
    takeDisplayState();
    endResetModel();
}

void ZKFileListModel::redisplay() {
    takeDisplayState();
    // One range for all rows: the view repaints what it shows, nothing walks the list.
    if (!records_.isEmpty()) emit dataChanged(index(0), index(int(records_.size()) - 1));
}

void ZKFileListModel::takeDisplayState() {
    interimIndex_ = controller_.indexOfIntermediateNameToDisplay();
    controllerCellDisplayMode_ = quint64(controller_.cellDisplayMode());
    allowsSelection_ = controller_.allowsFileSelection();
}

const ZKFileRepresentation *ZKFileListModel::recordAt(int row) const {
    return row >= 0 && row < records_.size() ? records_.at(row).get() : nullptr;
}

int ZKFileListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(records_.size());
}

QVariant ZKFileListModel::data(const QModelIndex &index, int role) const {
    const ZKFileRepresentation *record = recordAt(index.row());
    if (!record || index.column() != 0) return {};
    switch (role) {
        case Qt::DisplayRole:
            return record->name();
        case Qt::ToolTipRole:
            return record->toolTip(interimIndex_);
        case RecordRole:
            return QVariant::fromValue(records_.at(index.row()));
        default:
            return {};
    }
}

Qt::ItemFlags ZKFileListModel::flags(const QModelIndex &index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (allowsSelection_) flags |= Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    return flags;
}

QStringList ZKFileListModel::mimeTypes() const { return {rowIndexesMimeType}; }

QMimeData *ZKFileListModel::mimeData(const QModelIndexList &indexes) const {
    QList<int> rows;
    rows.reserve(indexes.size());
    for (const QModelIndex &index : indexes) {
        if (recordAt(index.row())) rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << dragSourceIdentity() << rows;
    auto *data = new QMimeData;
    data->setData(rowIndexesMimeType, encoded);
    return data;
}

QByteArray ZKFileListModel::dragSourceIdentity() const {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(quintptr(this));
}

QList<int> ZKFileListModel::rowsFromMimeData(const QMimeData *data) const {
    if (!data || !data->hasFormat(rowIndexesMimeType)) return {};
    QDataStream stream(data->data(rowIndexesMimeType));
    QByteArray source;
    QList<int> rows;
    stream >> source >> rows;
    if (stream.status() != QDataStream::Ok || source != dragSourceIdentity()) return {};
    std::sort(rows.begin(), rows.end());
    return rows;
}
