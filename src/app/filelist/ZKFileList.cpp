#include "app/filelist/ZKFileList.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "app/filelist/QuickPreview.h"
#include "app/filelist/ZKFileIconProvider.h"
#include "app/filelist/ZKFileListDelegate.h"
#include "app/filelist/ZKFileListModel.h"
#include "app/filelist/ZKFileListSettings.h"
#include "collections/ApplicationDefaults.h"
#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

}  // namespace

ZKFileList::ZKFileList(ZKRenamingController &controller, QWidget *parent)
    : QListView(parent),
      controller_(controller),
      icons_(std::make_unique<ZKFileIconProvider>()),
      model_(new ZKFileListModel(controller, this)),
      delegate_(new ZKFileListDelegate(*model_, *icons_, this)) {
    ApplicationDefaults::registerLaunchDefaults();
    setModel(model_);
    setItemDelegate(delegate_);
    // Equal rows let the view place 100,000 of them without asking each for its size.
    setUniformItemSizes(true);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerPixel);
    setDragEnabled(true);
    setDragDropMode(DragDrop);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);  // drawn by paintOverlays
    applySettings();

    connect(icons_.get(), &ZKFileIconProvider::previewReady, viewport(),
            qOverload<>(&QWidget::update));
    connect(&defaults(), &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (ZKFileListSettings::isListKey(key)) applySettings();
    });
}

ZKFileList::~ZKFileList() = default;

bool ZKFileList::takeSettings() {
    const ZKFileListSettings settings = ZKFileListSettings::read(defaults());
    const int oldHeight = delegate_->rowHeight(fontMetrics());
    delegate_->setSettings(settings);
    setSelectionMode(settings.allowsSelection ? ExtendedSelection : NoSelection);
    setAlternatingRowColors(settings.theme == ZKFileListSettings::StripedTheme);
    return delegate_->rowHeight(fontMetrics()) != oldHeight;
}

void ZKFileList::applySettings() {
    if (takeSettings()) refreshList();
    viewport()->update();
}

void ZKFileList::refreshList() {
    const QList<ZKFileRepresentationPtr> selected = selectedFileRepresentations();
    model_->reload();
    selectFileRepresentations(selected);
}

// --- Rows and selection ----------------------------------------------------------------------

void ZKFileList::reloadData() {
    takeSettings();
    model_->reload();
    viewport()->update();
}

void ZKFileList::redisplay() {
    model_->redisplay();
    viewport()->update();
}

QList<int> ZKFileList::selectedRows() const {
    QList<int> rows;
    if (selectionMode() == NoSelection) return rows;
    const QModelIndexList indexes = selectionModel()->selectedRows();
    rows.reserve(indexes.size());
    for (const QModelIndex &index : indexes) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<ZKFileRepresentationPtr> ZKFileList::selectedFileRepresentations() const {
    QList<ZKFileRepresentationPtr> records;
    const QList<int> rows = selectedRows();
    records.reserve(rows.size());
    for (const int row : rows) records.append(model_->records().at(row));
    return records;
}

void ZKFileList::selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records) {
    QSet<const ZKFileRepresentation *> wanted;
    wanted.reserve(records.size());
    for (const ZKFileRepresentationPtr &record : records) wanted.insert(record.get());

    // Neighbouring rows go in as one range, so selecting everything stays one range.
    QItemSelection selection;
    const QList<ZKFileRepresentationPtr> &rows = model_->records();
    int first = -1;
    for (int row = 0; row <= rows.size(); ++row) {
        const bool take = row < rows.size() && wanted.contains(rows.at(row).get());
        if (take && first < 0) first = row;
        if (!take && first >= 0) {
            selection.select(model_->index(first), model_->index(row - 1));
            first = -1;
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ZKFileList::removeRows(const QList<int> &rows) {
    if (rows.isEmpty()) {
        controller_.userInteraction().beep();
        return;
    }
    controller_.deleteObjectsAtRowIndexes(rows);
}

void ZKFileList::deleteSelectedRows() { removeRows(selectedRows()); }

void ZKFileList::setHighlighted(bool highlighted) {
    if (highlighted_ == highlighted) return;
    highlighted_ = highlighted;
    viewport()->update();
}

void ZKFileList::clearIconsCache() {
    icons_->clearIconsCache();
    viewport()->update();
}

// --- List-display commands -------------------------------------------------------------------

void ZKFileList::changeListLayout(int tag) {
    storeUserDefault(defaults(), qint64(tag), ZKFileListSettings::ListLayoutKey);
    applySettings();
    refreshList();
}

void ZKFileList::changeListDetailMode(int tag) {
    storeUserDefault(defaults(), qint64(tag), ZKFileListSettings::DetailModeKey);
    if (defaults().integerForKey(ZKFileListSettings::ListLayoutKey) !=
        ZKFileListSettings::DetailLayout) {
        changeListLayout(ZKFileListSettings::DetailLayout);
        return;
    }
    redisplay();
}

void ZKFileList::toggleIconSize() {
    storeUserDefault(defaults(), !defaults().boolForKey(ZKFileListSettings::LargeIconsKey),
                     ZKFileListSettings::LargeIconsKey);
    applySettings();
    refreshList();
}

void ZKFileList::toggleIconPreview() {
    storeUserDefault(defaults(), !defaults().boolForKey(ZKFileListSettings::IconPreviewsKey),
                     ZKFileListSettings::IconPreviewsKey);
    applySettings();
    redisplay();
}

void ZKFileList::toggleWhitespaceDisplay() {
    storeUserDefault(defaults(), !defaults().boolForKey(ZKFileListSettings::ShowWhitespaceKey),
                     ZKFileListSettings::ShowWhitespaceKey);
    applySettings();
    redisplay();
}

void ZKFileList::changeSelectability(int tag) {
    const bool allow = tag >= 1;
    if (allow == controller_.allowsFileSelection()) return;
    storeUserDefault(defaults(), allow, ZKFileListSettings::AllowFileSelectionKey);
    if (!allow) {
        clearSelection();
        controller_.switchToMatchingCellDisplayModeForSortOrder();
    }
    applySettings();
    redisplay();
}

// --- Keyboard --------------------------------------------------------------------------------

void ZKFileList::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            if (event->modifiers() & ~(Qt::KeypadModifier | Qt::AltModifier)) break;
            deleteSelectedRows();
            event->accept();
            return;
        case Qt::Key_Space:
            if (event->modifiers() != Qt::NoModifier) break;
            previewSelectedItem();
            event->accept();
            return;
        case Qt::Key_Escape:
            if (event->modifiers() != Qt::NoModifier) break;
            clearSelection();
            event->accept();
            return;
        default:
            break;
    }
    QListView::keyPressEvent(event);
}

void ZKFileList::previewSelectedItem() {
    const QList<ZKFileRepresentationPtr> selected = selectedFileRepresentations();
    previewRecord(selected.isEmpty() ? nullptr : selected.first().get());
}

void ZKFileList::previewRecord(const ZKFileRepresentation *record) {
    if (!record || !QuickPreview::preview(record->nativePath(), this)) QApplication::beep();
}

// --- Clicks that open the quick preview ------------------------------------------------------

void ZKFileList::mousePressEvent(QMouseEvent *event) {
    // Decided before the press changes the selection: a second click means the row was
    // already selected.
    previewCandidate_ = previewCandidateAt(*event);
    pressPosition_ = event->position().toPoint();
    QListView::mousePressEvent(event);
}

void ZKFileList::mouseReleaseEvent(QMouseEvent *event) {
    const QPersistentModelIndex candidate = std::exchange(previewCandidate_, {});
    QListView::mouseReleaseEvent(event);
    const QPoint point = event->position().toPoint();
    const bool dragged =
        (point - pressPosition_).manhattanLength() >= QApplication::startDragDistance();
    if (candidate.isValid() && !dragged && indexAt(point) == candidate)
        previewRecord(model_->recordAt(candidate.row()));
}

QModelIndex ZKFileList::previewCandidateAt(const QMouseEvent &event) const {
    if (event.button() != Qt::LeftButton || event.modifiers() != Qt::NoModifier) return {};
    const QPoint point = event.position().toPoint();
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) return {};
    if (controller_.generalSettings().previewPopUpCondition == 1) {
        const QItemSelection selection = selectionModel()->selection();
        const bool onlySelected = selection.size() == 1 && selection.first().height() == 1 &&
                                  selection.first().contains(index);
        return onlySelected ? index : QModelIndex();
    }
    const bool onIcon = point.x() < visualRect(index).left() + delegate_->iconWidth();
    return onIcon ? index : QModelIndex();
}

// --- Painting --------------------------------------------------------------------------------

QString ZKFileList::emptyListMessage() const {
    return model_->rowCount() == 0 ? controller_.filterMessage() : QString();
}

void ZKFileList::paintEvent(QPaintEvent *event) {
    QListView::paintEvent(event);
    QPainter painter(viewport());
    paintOverlays(painter);
}

void ZKFileList::paintOverlays(QPainter &painter) {
    const QRect area = viewport()->rect();
    const QString message = emptyListMessage();
    if (!message.isEmpty()) {
        QFont font = painter.font();
        font.setPointSizeF(font.pointSizeF() * 1.3);
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(area.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                         message);
    }
    const QColor accent = palette().color(QPalette::Highlight);
    if (dropRow_ >= 0) {
        const int rows = model_->rowCount();
        const QRect anchor = visualRect(model_->index(std::min(dropRow_, rows - 1)));
        const int y = dropRow_ < rows ? anchor.top() : anchor.bottom() + 1;
        painter.setPen(QPen(accent, 2));
        painter.drawLine(area.left() + 4, y, area.right() - 4, y);
    }
    if (highlighted_) {
        painter.setPen(QPen(accent, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(area).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}
