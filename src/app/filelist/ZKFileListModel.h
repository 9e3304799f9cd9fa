#pragma once

#include <QAbstractListModel>
#include <optional>

#include "records/ZKFileRepresentation.h"

class ZKRenamingController;

// The rows of the file list: the controller's displayed records, taken over on reload().
// Between reloads only the records' contents change (redisplay()). Rows can be dragged
// within the list to reorder them; their indexes travel as rowIndexesMimeType.
class ZKFileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The record's shared pointer (ZKFileRepresentationPtr) of a row.
    static constexpr int RecordRole = Qt::UserRole + 1;
    static inline const QString rowIndexesMimeType =
        QStringLiteral("application/x-torvane-file-list-row-indexes");

    explicit ZKFileListModel(ZKRenamingController &controller, QObject *parent = nullptr);

    // Takes the controller's displayed records anew (a model reset).
    void reload();
    // The records kept their rows but their names, lights or details changed.
    void redisplay();

    const QList<ZKFileRepresentationPtr> &records() const { return records_; }
    // The record of a row; null outside the rows.
    const ZKFileRepresentation *recordAt(int row) const;
    // The step whose interim names the rows show, as of the latest reload or redisplay.
    std::optional<qsizetype> interimIndex() const { return interimIndex_; }
    // The detail mode the controller chooses for the rows, as of the latest reload or
    // redisplay.
    quint64 controllerCellDisplayMode() const { return controllerCellDisplayMode_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    // The rows carried by data that this model made, in ascending order; empty for other
    // data (also rows dragged from another list or another process).
    QList<int> rowsFromMimeData(const QMimeData *data) const;

private:
    void takeDisplayState();
    // Tells this model's drags apart from any other list's.
    QByteArray dragSourceIdentity() const;

    ZKRenamingController &controller_;
    QList<ZKFileRepresentationPtr> records_;
    std::optional<qsizetype> interimIndex_;
    quint64 controllerCellDisplayMode_ = 0;
    bool allowsSelection_ = true;
};
