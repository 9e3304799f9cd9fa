// The window as drop target: dragged items are received off the main thread with progress on
// the rename button, which meanwhile stops the reception; then the list is populated.

#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include "app/filelist/ZKFileList.h"
#include "app/window/DroppedItemsReception.h"
#include "app/window/MimePasteboard.h"
#include "app/window/ZKControllingDragView.h"
#include "app/window/ZKRenameButton.h"
#include "collections/ApplicationDefaults.h"
#include "common/UserDefaults.h"
#include "listing/PasteboardPaths.h"
#include "listing/ZKSortPriorities.h"

namespace {

// The drop action that tells the source what happens: a copy sign when the items are added.
// Never a move, which would let the source delete its items after the drop.
Qt::DropAction offeredAction(bool adding, Qt::DropActions offered) {
    if (!adding && offered.testFlag(Qt::LinkAction)) return Qt::LinkAction;
    if (offered.testFlag(Qt::CopyAction)) return Qt::CopyAction;
    return offered.testFlag(Qt::LinkAction) ? Qt::LinkAction : Qt::IgnoreAction;
}

}  // namespace

Qt::DropAction ZKControllingDragView::dragOperation(const QMimeData *mimeData,
                                                    Qt::KeyboardModifiers modifiers,
                                                    Qt::DropActions offered) {
    if (busy_ || controller_->isWaitingForDraggedObjects()) return Qt::IgnoreAction;
    bool found = false;
    filesFromPasteboard(MimePasteboard::itemsFromMimeData(mimeData), true, &found);
    if (!found) return Qt::IgnoreAction;
    dropModifiers_ = modifiers;
    const bool adding = controller_->modifiersSuggestAddition();
    dropModifiers_.reset();
    return offeredAction(adding, offered);
}

bool ZKControllingDragView::answerDrag(QDropEvent *event) {
    const Qt::DropAction action =
        dragOperation(event->mimeData(), event->modifiers(), event->possibleActions());
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return false;
    }
    event->setDropAction(action);
    event->accept();
    return true;
}

void ZKControllingDragView::dragEnterEvent(QDragEnterEvent *event) {
    if (answerDrag(event)) setHighlighted(true);
}

void ZKControllingDragView::dragMoveEvent(QDragMoveEvent *event) {
    // Shift may be pressed or let go on the way.
    answerDrag(event);
}

void ZKControllingDragView::dragLeaveEvent(QDragLeaveEvent *event) {
    setHighlighted(false);
    event->accept();
}

void ZKControllingDragView::dropEvent(QDropEvent *event) {
    setHighlighted(false);
    if (!answerDrag(event)) return;
    // The modifiers of the drop decide between adding and replacing when the paths are in.
    dropModifiers_ = event->modifiers();
    controller_->setWaitingForDraggedObjects(true);
    controller_->setStopWaitingForDraggedObjects(false);
    // The drag's data is gone once this handler returns: take what is needed now.
    const QMimeData *mimeData = event->mimeData();
    const bool readUrls = !UserDefaults::standardUserDefaults().boolForKey(
        ApplicationDefaults::kDisablePasteboardObjectReading);
    if (readUrls && mimeData->hasUrls() && mimeData->urls().first().isLocalFile())
        receiveUrls(mimeData->urls());
    else
        receiveFallback(MimePasteboard::itemsFromMimeData(mimeData));
    emit stateChanged();
}

void ZKControllingDragView::setHighlighted(bool highlighted) {
    if (highlighted_ == highlighted) return;
    highlighted_ = highlighted;
    fileList_->setHighlighted(highlighted);
}

void ZKControllingDragView::receiveUrls(const QList<QUrl> &urls) {
    renameButton_->setState(ZKRenameButtonState::stopButton(1.0 / double(urls.size() + 1),
                                                            tr("Receiving dragged items...")));
    progressLabel_->setText(renameButton_->state().description);
    // An unsorted list keeps the order of the drop; a sorted one sorts afterwards anyway.
    const bool keepOrder = controller_->primarySortOrder() == ZKSortPriorities::DontSort;
    reception_->start(urls, keepOrder);
    receptionProgressTimer_.start();
}

void ZKControllingDragView::showReceptionProgress() {
    if (!reception_->isRunning()) return;
    if (controller_->stopWaitingForDraggedObjects()) {
        reception_->requestStop();
        return;
    }
    const qsizetype handled = reception_->handledCount();
    const qsizetype total = reception_->totalCount();
    const QString description =
        tr("Receiving dragged items (%1 of %2)").arg(std::max<qsizetype>(handled, 1)).arg(total);
    renameButton_->setState(
        ZKRenameButtonState::stopButton(double(handled + 1) / double(total + 1), description));
    progressLabel_->setText(description);
}

void ZKControllingDragView::finishReception() {
    receptionProgressTimer_.stop();
    controller_->setWaitingForDraggedObjects(false);
    progressLabel_->clear();
    const QStringList paths = reception_->takePaths();
    // A stop discards everything received so far.
    const bool stopped = controller_->stopWaitingForDraggedObjects();
    whenIdle([this, paths, stopped] {
        if (!stopped && !paths.isEmpty()) populateWithDroppedPaths(paths, true);
        dropModifiers_.reset();
        controller_->updateRenameButton();
        emit stateChanged();
    });
}

void ZKControllingDragView::receiveFallback(const QList<ZKPasteboardItem> &items) {
    ZKRenameButtonState state;
    state.title = tr("Receiving dragged items...");
    state.menuItemTitle = state.title;
    renameButton_->setState(state);
    QTimer::singleShot(0, this, [this, items] {
        controller_->setWaitingForDraggedObjects(false);
        bool found = false;
        const QStringList paths = filesFromPasteboard(items, false, &found);
        whenIdle([this, paths] {
            if (!paths.isEmpty()) populateWithDroppedPaths(paths, false);
            dropModifiers_.reset();
            controller_->updateRenameButton();
            emit stateChanged();
        });
    });
}

void ZKControllingDragView::populateWithDroppedPaths(const QStringList &paths,
                                                     bool createBookmarks) {
    ZKRenameButtonState disabled = renameButton_->state();
    disabled.enabled = false;
    disabled.showsProgress = false;
    renameButton_->setState(disabled);
    controller_->populateWithPaths(paths, false, createBookmarks);
    setBusy(false);
}
