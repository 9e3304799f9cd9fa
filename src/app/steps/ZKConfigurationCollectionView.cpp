#include "app/steps/ZKConfigurationCollectionView.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "app/steps/ZKRenamerSettingsView.h"
#include "common/Log.h"
#include "common/UserDefaults.h"
#include "controller/ZKRenamingController.h"

namespace {

constexpr int kSpacing = 4;
constexpr int kSlideMilliseconds = 150;
// Nested relayouts adjust text field heights only while fewer than this many are running.
constexpr int kMaximumAdjustingDepth = 3;

// Relayouts running at the moment, across all step areas.
int relayoutDepth = 0;

}  // namespace

ZKConfigurationCollectionView::ZKConfigurationCollectionView(ZKRenamingController &controller,
                                                             QWidget *parent)
    : QScrollArea(parent), controller_(controller), container_(new QWidget) {
    setObjectName(QStringLiteral("stepArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    container_->setBackgroundRole(QPalette::Window);
    container_->installEventFilter(this);
    setWidget(container_);
    buildButtonBar();
    relayout();
}

void ZKConfigurationCollectionView::buildButtonBar() {
    buttonBar_ = new QWidget(this);
    auto *row = new QHBoxLayout(buttonBar_);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(0);
    auto makeButton = [this](const QString &title, const QString &tip) {
        auto *button = new QToolButton(buttonBar_);
        button->setText(title);
        button->setToolTip(tip);
        button->setAutoRaise(true);
        button->setFixedSize(26, 22);
        return button;
    };
    addButton_ = makeButton(QStringLiteral("+"), tr("Add a renaming step"));
    deleteButton_ = makeButton(QStringLiteral("−"), tr("Delete the selected renaming steps"));
    connect(addButton_, &QToolButton::clicked, this, &ZKConfigurationCollectionView::addRenamer);
    connect(deleteButton_, &QToolButton::clicked, this,
            &ZKConfigurationCollectionView::deleteSelectedConfigurations);
    row->addWidget(addButton_);
    row->addWidget(deleteButton_);
    row->addStretch(1);
    setViewportMargins(0, 0, 0, buttonBar_->sizeHint().height());
}

void ZKConfigurationCollectionView::resizeEvent(QResizeEvent *event) {
    QScrollArea::resizeEvent(event);
    const int height = buttonBar_->sizeHint().height();
    buttonBar_->setGeometry(0, this->height() - height, width(), height);
}

// --- Relayout -------------------------------------------------------------------------------

void ZKConfigurationCollectionView::relayout() {
    if (batchingExpansion_) return;
    ++relayoutDepth;
    matchViewsToRenamers();
    for (ZKRenamerSettingsView *view : std::as_const(views_)) {
        view->refresh();
        view->setSelected(controller_.isRenamerSelected(view->renamer()));
    }
    alignOperationMenus();
    if (relayoutDepth < kMaximumAdjustingDepth && adjustTextFieldHeights()) {
        Log::debug(
            QStringLiteral("adjusted text field sizes at recursion level: %1").arg(relayoutDepth));
    }
    tile();
    updateButtons();
    rebuildFocusOrder();
    --relayoutDepth;
}

void ZKConfigurationCollectionView::alignOperationMenus() {
    const bool centered = views_.size() == 1 && !UserDefaults::standardUserDefaults().boolForKey(
                                                    kAlwaysLeftAlignOperationsMenu);
    for (ZKRenamerSettingsView *view : std::as_const(views_))
        view->setOperationMenuCentered(centered);
}

void ZKConfigurationCollectionView::relayoutIfStale() {
    const QList<ZKRenamerPtr> &renamers = controller_.renamers();
    bool stale = renamers.size() != views_.size();
    for (qsizetype i = 0; !stale && i < renamers.size(); ++i)
        stale = views_.at(i)->renamer() != renamers.at(i);
    if (stale) relayout();
}

void ZKConfigurationCollectionView::matchViewsToRenamers() {
    QHash<const ZKRenamer *, ZKRenamerSettingsView *> existing;
    for (ZKRenamerSettingsView *view : std::as_const(views_))
        existing.insert(view->renamer().get(), view);

    QList<ZKRenamerSettingsView *> matched;
    for (const ZKRenamerPtr &renamer : controller_.renamers()) {
        ZKRenamerSettingsView *view = existing.take(renamer.get());
        matched.append(view ? view : makeView(renamer));
    }
    // A view may be in the middle of its own signal (its context menu, its operation menu).
    for (ZKRenamerSettingsView *gone : std::as_const(existing)) {
        gone->hide();
        gone->deleteLater();
    }
    views_ = matched;
}

ZKRenamerSettingsView *ZKConfigurationCollectionView::makeView(const ZKRenamerPtr &renamer) {
    auto *view = new ZKRenamerSettingsView(renamer, container_);
    connect(view, &ZKRenamerSettingsView::clicked, this,
            &ZKConfigurationCollectionView::selectByClick);
    connect(view, &ZKRenamerSettingsView::contextMenuRequested, this,
            [this](ZKRenamerSettingsView *source, const QPoint &position) {
                QMenu *menu = contextMenuForView(source);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(position);
            });
    connect(view, &ZKRenamerSettingsView::expandAllRequested, this,
            &ZKConfigurationCollectionView::expandAll);
    connect(view, &ZKRenamerSettingsView::dragMoved, this,
            &ZKConfigurationCollectionView::dragView);
    connect(view, &ZKRenamerSettingsView::dragFinished, this,
            &ZKConfigurationCollectionView::sortConfigurationsByViewYCoordinates);
    view->show();
    return view;
}

// The views stacked in list order at their preferred heights, full width.
void ZKConfigurationCollectionView::tile() { tile(views_); }

void ZKConfigurationCollectionView::tile(const QList<ZKRenamerSettingsView *> &order) {
    const int width = container_->width();
    int y = kSpacing;
    for (ZKRenamerSettingsView *view : order) {
        const int height = preferredHeight(view);
        if (view != draggedView_) view->setGeometry(0, y, width, height);
        y += height + kSpacing;
    }
    container_->setMinimumHeight(y);
}

int ZKConfigurationCollectionView::preferredHeight(ZKRenamerSettingsView *view) const {
    const int width = container_->width();
    return view->hasHeightForWidth() ? view->heightForWidth(width) : view->sizeHint().height();
}

bool ZKConfigurationCollectionView::adjustTextFieldHeights() {
    bool changed = false;
    for (ZKRenamerSettingsView *view : std::as_const(views_))
        changed = view->adjustTextFieldHeights() || changed;
    return changed;
}

void ZKConfigurationCollectionView::rebuildFocusOrder() {
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *next) {
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (ZKRenamerSettingsView *view : std::as_const(views_)) {
        for (QWidget *control : view->focusableControls()) chain(control);
    }
    chain(addButton_);
    chain(deleteButton_);
}

bool ZKConfigurationCollectionView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == container_) {
        if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize) {
            tile();
        } else if (event->type() == QEvent::MouseButtonPress) {
            // A click beside the steps ends the selection.
            applySelection({});
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void ZKConfigurationCollectionView::refreshSettings() {
    for (ZKRenamerSettingsView *view : std::as_const(views_)) view->refresh();
}

ZKRenamerSettingsView *ZKConfigurationCollectionView::viewForRenamer(
    const ZKRenamer *renamer) const {
    for (ZKRenamerSettingsView *view : views_) {
        if (view->renamer().get() == renamer) return view;
    }
    return nullptr;
}

// --- Selection ------------------------------------------------------------------------------

void ZKConfigurationCollectionView::reflectSelection(bool focusStepArea) {
    ZKRenamerSettingsView *firstSelected = nullptr;
    for (ZKRenamerSettingsView *view : std::as_const(views_)) {
        const bool selected = controller_.isRenamerSelected(view->renamer());
        view->setSelected(selected);
        if (selected && !firstSelected) firstSelected = view;
    }
    updateButtons();
    if (focusStepArea) {
        if (firstSelected) ensureWidgetVisible(firstSelected);
        setFocus(Qt::OtherFocusReason);
    }
}

void ZKConfigurationCollectionView::selectByClick(ZKRenamerSettingsView *view,
                                                  Qt::KeyboardModifiers modifiers) {
    QList<ZKRenamerSettingsView *> selected;
    if (modifiers & Qt::ShiftModifier && selectionAnchor_) {
        qsizetype from = views_.indexOf(selectionAnchor_.data());
        qsizetype to = views_.indexOf(view);
        if (from > to) std::swap(from, to);
        selected = views_.mid(from, to - from + 1);
    } else if (modifiers & Qt::ControlModifier) {
        for (ZKRenamerSettingsView *each : std::as_const(views_)) {
            if (each == view ? !each->isSelected() : each->isSelected()) selected.append(each);
        }
        selectionAnchor_ = view;
    } else {
        selected = {view};
        selectionAnchor_ = view;
    }
    applySelection(selected);
}

void ZKConfigurationCollectionView::applySelection(const QList<ZKRenamerSettingsView *> &selected) {
    QList<ZKRenamerPtr> renamers;
    for (ZKRenamerSettingsView *view : selected) renamers.append(view->renamer());
    // The controller redraws the file list: its interim display follows the selection.
    controller_.setSelectedRenamers(renamers);
    reflectSelection(false);
}

void ZKConfigurationCollectionView::updateButtons() {
    bool anySelected = false;
    for (ZKRenamerSettingsView *view : std::as_const(views_))
        anySelected = anySelected || view->isSelected();
    deleteButton_->setEnabled(anySelected);
}

// --- Commands -------------------------------------------------------------------------------

void ZKConfigurationCollectionView::addRenamer() {
    const ZKRenamerPtr renamer = controller_.addRenamer();
    relayoutIfStale();
    reflectSelection(false);
    ZKRenamerSettingsView *view = viewForRenamer(renamer.get());
    if (!view) return;
    selectionAnchor_ = view;
    ensureWidgetVisible(view);
    focusFirstTextField(view);
}

void ZKConfigurationCollectionView::deleteSelectedConfigurations() {
    if (controller_.deleteSelectedRenamers()) relayoutIfStale();
    reflectSelection(false);
}

void ZKConfigurationCollectionView::setRenamers(const QList<ZKRenamerPtr> &renamers, int animate) {
    const bool slides = animate != 0 && isVisible();
    const QPixmap before = slides ? viewport()->grab() : QPixmap();
    if (!controller_.replaceRenamers(renamers)) return;
    relayoutIfStale();
    reflectSelection(false);
    verticalScrollBar()->setValue(0);
    if (slides) slide(before, animate);
    if (!views_.isEmpty()) focusFirstTextField(views_.first());
}

void ZKConfigurationCollectionView::focusFirstTextField(ZKRenamerSettingsView *view) {
    if (QWidget *field = view->firstTextField()) {
        field->setFocus(Qt::OtherFocusReason);
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

QMenu *ZKConfigurationCollectionView::contextMenuForView(ZKRenamerSettingsView *view) {
    const bool several = controller_.renamers().size() > 1;
    if (several && !view->isSelected()) applySelection({view});
    auto *menu = new QMenu(this);
    QPointer<ZKRenamerSettingsView> target(view);
    menu->addAction(tr("Duplicate Renaming Step"), this, [this, target] {
        if (target) duplicateStep(target);
    });
    menu->addSeparator();
    menu->addAction(several ? tr("Delete") : tr("Reset"), this, [this, target] {
        if (target) removeStep(target);
    });
    return menu;
}

void ZKConfigurationCollectionView::duplicateStep(ZKRenamerSettingsView *view) {
    const ZKRenamerPtr copy = view->renamer()->duplicate();
    if (!copy) {
        controller_.userInteraction().beep();
        return;
    }
    relayoutIfStale();
    applySelection({viewForRenamer(copy.get())});
    selectionAnchor_ = viewForRenamer(copy.get());
    setFocus(Qt::OtherFocusReason);
}

void ZKConfigurationCollectionView::removeStep(ZKRenamerSettingsView *view) {
    const ZKRenamerPtr renamer = view->renamer();
    renamer->remove(0);
    relayoutIfStale();
    reflectSelection(false);
}

// Shift-click on one expansion switch: every step alike, laid out once at the end.
void ZKConfigurationCollectionView::expandAll(bool expanded) {
    batchingExpansion_ = true;
    for (const ZKRenamerPtr &renamer : controller_.renamers())
        renamer->setSwitchValue(RenamerSetting::Expanded, expanded);
    batchingExpansion_ = false;
    relayout();
}

// --- Dragging -------------------------------------------------------------------------------

void ZKConfigurationCollectionView::dragView(ZKRenamerSettingsView *view, int top) {
    draggedView_ = view;
    view->raise();
    view->move(view->x(), std::clamp(top, 0, std::max(0, container_->height() - view->height())));
    ensureVisible(0, view->y() + view->height() / 2, 0, view->height() / 2);

    // The others make room where the view would land: before the first step whose place in
    // the list order lies below the view's middle.
    const int middle = view->y() + view->height() / 2;
    QList<ZKRenamerSettingsView *> order;
    bool placed = false;
    int y = kSpacing;
    for (ZKRenamerSettingsView *other : std::as_const(views_)) {
        const int height = preferredHeight(other);
        if (other != view) {
            if (!placed && y + height / 2 > middle) {
                order.append(view);
                placed = true;
            }
            order.append(other);
        }
        y += height + kSpacing;
    }
    if (!placed) order.append(view);
    tile(order);
}

void ZKConfigurationCollectionView::sortConfigurationsByViewYCoordinates() {
    draggedView_ = nullptr;
    QList<ZKRenamerSettingsView *> ordered = views_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ZKRenamerSettingsView *a, const ZKRenamerSettingsView *b) {
                         return a->geometry().center().y() < b->geometry().center().y();
                     });
    QList<ZKRenamerPtr> order;
    for (ZKRenamerSettingsView *view : std::as_const(ordered)) order.append(view->renamer());
    if (controller_.reorderRenamers(order)) views_ = ordered;
    tile();
    rebuildFocusOrder();
}

// --- Sliding --------------------------------------------------------------------------------

// The old area moves out while the new one moves in, both as snapshots over the real views.
void ZKConfigurationCollectionView::slide(const QPixmap &before, int animate) {
    container_->setMinimumWidth(0);
    const QPixmap after = viewport()->grab();
    const int width = viewport()->width();
    const int direction = animate == -1 ? 1 : -1;

    auto *overlay = new QWidget(viewport());
    overlay->setObjectName(QStringLiteral("slideOverlay"));
    overlay->setGeometry(viewport()->rect());
    overlay->setAutoFillBackground(true);
    auto *outgoing = new QLabel(overlay);
    outgoing->setPixmap(before);
    outgoing->setGeometry(0, 0, width, viewport()->height());
    auto *incoming = new QLabel(overlay);
    incoming->setObjectName(QStringLiteral("incoming"));
    incoming->setPixmap(after);
    incoming->setGeometry(-direction * width, 0, width, viewport()->height());
    overlay->show();
    overlay->raise();

    auto *group = new QParallelAnimationGroup(overlay);
    auto addMove = [group](QLabel *label, int toX) {
        auto *move = new QPropertyAnimation(label, "pos", group);
        move->setDuration(kSlideMilliseconds);
        move->setEasingCurve(QEasingCurve::InOutQuad);
        move->setStartValue(label->pos());
        move->setEndValue(QPoint(toX, 0));
        group->addAnimation(move);
    };
    addMove(outgoing, direction * width);
    addMove(incoming, 0);
    connect(group, &QParallelAnimationGroup::finished, overlay, &QObject::deleteLater);
    group->start();
}
