#include "app/filelist/ZKFileListDelegate.h"

#include <QApplication>
#include <QPainter>

#include "app/filelist/FileListRowLayout.h"
#include "app/filelist/NameDrawing.h"
#include "app/filelist/ZKFileIconProvider.h"
#include "app/filelist/ZKFileListModel.h"
#include "app/filelist/ZKLightImages.h"
#include "listing/CellDetailText.h"
#include "records/ZKFileRepresentation.h"

namespace {

constexpr int smallIcon = 16;
constexpr int regularIcon = 24;
constexpr int largeIcon = 32;
constexpr int margin = 4;

}  // namespace

ZKFileListDelegate::ZKFileListDelegate(const ZKFileListModel &model, ZKFileIconProvider &icons,
                                       QObject *parent)
    : QStyledItemDelegate(parent), model_(model), icons_(icons) {}

int ZKFileListDelegate::iconWidth() const {
    if (settings_.showsLargeIcons()) return largeIcon + 2 * margin;
    return (settings_.listLayout == ZKFileListSettings::RegularLayout ? regularIcon : smallIcon) +
           2 * margin;
}

int ZKFileListDelegate::lightWidth() const { return settings_.showsLargeIcons() ? 28 : 24; }

int ZKFileListDelegate::rowHeight(const QFontMetrics &metrics) const {
    const int icon = iconWidth() - 2 * margin;
    const int lines = settings_.showsDetailLine() ? 2 * metrics.height() + 2 : metrics.height();
    return std::max(icon, lines) + 2 * margin;
}

QSize ZKFileListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const {
    return QSize(option.rect.width() > 0 ? option.rect.width() : 200,
                 rowHeight(option.fontMetrics));
}

void ZKFileListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const {
    const ZKFileRepresentation *record = model_.recordAt(index.row());
    if (!record) return;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);

    painter->save();
    painter->setClipRect(option.rect);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));

    const QRect content = option.rect.adjusted(0, margin, -margin, -margin);
    QRect nameArea = content;
    if (settings_.showsDetailLine()) nameArea.setHeight(content.height() / 2);
    const bool showsInterim = model_.interimIndex().has_value();
    const FileListRowLayout layout = FileListRowLayout::forRow(
        nameArea, lightWidth(), iconWidth(), record->hasRenameName(), showsInterim);

    paintIcon(*painter, QRect(content.left(), content.top(), iconWidth(), content.height()),
              *record);
    paintNames(*painter, layout, *record);
    if (settings_.showsDetailLine()) {
        const QRect detail(layout.currentName.left(), nameArea.bottom() + 1,
                           content.right() + 1 - layout.currentName.left(),
                           content.bottom() - nameArea.bottom());
        paintDetailLine(*painter, detail, *record, palette, selected);
    }

    if (contextRow_.isValid() && contextRow_.row() == index.row()) {
        painter->setPen(QPen(palette.color(QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option.rect).adjusted(1, 1, -1, -1), 4, 4);
    }
    painter->restore();
}

void ZKFileListDelegate::paintIcon(QPainter &painter, const QRect &slot,
                                   const ZKFileRepresentation &record) const {
    const int size = iconWidth() - 2 * margin;
    const QRect target(slot.left() + margin, slot.top() + (slot.height() - size) / 2, size, size);
    if (settings_.iconPreviews) {
        const QPixmap preview = icons_.previewFor(record);
        if (!preview.isNull()) {
            const QSize fitted = preview.size().scaled(target.size(), Qt::KeepAspectRatio);
            QRect centred(QPoint(0, 0), fitted);
            centred.moveCenter(target.center());
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(centred, preview);
            return;
        }
    }
    icons_.iconFor(record).paint(&painter, target);
}

void ZKFileListDelegate::paintLight(QPainter &painter, const QRect &slot, int light,
                                    bool arrow) const {
    const int size = std::min(slot.width() - 6, 16);
    if (size <= 0) return;
    const QPixmap image =
        ZKLightImages::pixmap(arrow ? ZKLightImages::Style::Arrow : ZKLightImages::Style::Round,
                              ZKStatusLight(light), size, painter.device()->devicePixelRatio());
    painter.drawPixmap(slot.left() + (slot.width() - size) / 2,
                       slot.top() + (slot.height() - size) / 2, image);
}

void ZKFileListDelegate::paintNames(QPainter &painter, const FileListRowLayout &layout,
                                    const ZKFileRepresentation &record) const {
    const NameDrawing::WhitespaceMarking marking{
        settings_.showWhitespace, settings_.whitespaceMarker,
        settings_.whitespaceMarkerColor.isValid()
            ? settings_.whitespaceMarkerColor
            : QApplication::palette().color(QPalette::PlaceholderText)};
    const int gap = margin / 2;
    auto inset = [gap](const QRect &column) { return column.adjusted(gap, 0, -gap, 0); };
    NameDrawing::drawName(painter, inset(layout.currentName), record.name(), marking);
    if (!record.hasRenameName()) return;

    const std::optional<qsizetype> interim = model_.interimIndex();
    const bool arrow = ZKLightImages::styleFor(settings_.arrowMode, interim.has_value()) ==
                       ZKLightImages::Style::Arrow;
    if (interim) {
        const QStringList interimNames = record.intermediateNames();
        if (*interim < interimNames.size()) {
            paintLight(painter, layout.interimLight, int(record.statusLight(interim)), arrow);
            NameDrawing::drawName(painter, inset(layout.interimName), interimNames.at(*interim),
                                  marking);
        }
    }
    paintLight(painter, layout.light, int(record.statusLight()), arrow);
    NameDrawing::drawName(painter, inset(layout.newName), record.renameName(), marking);
}

void ZKFileListDelegate::paintDetailLine(QPainter &painter, const QRect &rect,
                                         const ZKFileRepresentation &record,
                                         const QPalette &palette, bool selected) const {
    const quint64 mode =
        record.cellDisplayMode(settings_.allowsSelection, model_.controllerCellDisplayMode());
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    painter.setFont(font);
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    const QString text = CellDetailText::detailText(record, mode);
    painter.drawText(rect.adjusted(margin / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text, Qt::ElideMiddle, rect.width()));
}
