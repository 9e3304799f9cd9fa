#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include "app/filelist/ZKFileListSettings.h"

class ZKFileIconProvider;
class ZKFileListModel;
class ZKFileRepresentation;
struct FileListRowLayout;

// Paints a file list row: icon, current name, light and new name (with the interim name and
// its light between them while a step's interim names are shown), and in the detail layout a
// second line with the record's detail text. All rows have the same height, which the view
// relies on to lay out long lists without asking every row.
class ZKFileListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ZKFileListDelegate(const ZKFileListModel &model, ZKFileIconProvider &icons,
                       QObject *parent = nullptr);

    void setSettings(const ZKFileListSettings &settings) { settings_ = settings; }
    const ZKFileListSettings &settings() const { return settings_; }
    // The row outlined while its context menu is open; an invalid index for none.
    void setContextRow(const QPersistentModelIndex &index) { contextRow_ = index; }
    const QPersistentModelIndex &contextRow() const { return contextRow_; }

    // The height of every row for the current settings and font.
    int rowHeight(const QFontMetrics &metrics) const;
    int iconWidth() const;
    int lightWidth() const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void paintIcon(QPainter &painter, const QRect &slot, const ZKFileRepresentation &record) const;
    void paintLight(QPainter &painter, const QRect &slot, int light, bool arrow) const;
    void paintNames(QPainter &painter, const FileListRowLayout &layout,
                    const ZKFileRepresentation &record) const;
    void paintDetailLine(QPainter &painter, const QRect &rect, const ZKFileRepresentation &record,
                         const QPalette &palette, bool selected) const;

    const ZKFileListModel &model_;
    ZKFileIconProvider &icons_;
    ZKFileListSettings settings_;
    QPersistentModelIndex contextRow_;
};
