// The window's content and the controller's user: layout, dialogs, progress, the stop check,
// pasteboard and notifications, and the commands of the buttons and menus.

#include "app/window/ZKControllingDragView.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/filelist/ZKFileList.h"
#include "app/steps/ZKConfigurationCollectionView.h"
#include "app/window/DesktopNotifier.h"
#include "app/window/DroppedItemsReception.h"
#include "app/window/ListOptionsMenus.h"
#include "app/window/MimePasteboard.h"
#include "app/window/ZKHistoryBar.h"
#include "app/window/ZKRenameButton.h"
#include "app/window/ZKWidgetDialogPresenter.h"
#include "collections/ApplicationDefaults.h"
#include "collections/ControllerHistorySubject.h"
#include "collections/ZKHistorian.h"
#include "common/UserDefaults.h"
#include "listing/DisplayFilter.h"
#include "listing/SortMenu.h"

namespace {

// How often delayed work looks whether the window is free again.
constexpr int idleRetryInterval = 50;

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

}  // namespace

class ZKControllingDragView::ModalScope {
public:
    explicit ModalScope(ZKControllingDragView &view) : view_(view) { ++view_.modalDepth_; }
    ~ModalScope() {
        if (--view_.modalDepth_ == 0 && !view_.idleWork_.isEmpty()) view_.idleTimer_.start();
    }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;

private:
    ZKControllingDragView &view_;
};

ZKControllingDragView::ZKControllingDragView(ZKDialogPresenter *presenter, QWidget *parent)
    : QWidget(parent),
      presenter_(presenter),
      controller_(std::make_unique<ZKRenamingController>(this)),
      notifier_(new DesktopNotifier(this)),
      reception_(new DroppedItemsReception(this)) {
    if (!presenter_) {
        ownPresenter_ = std::make_unique<ZKWidgetDialogPresenter>();
        presenter_ = ownPresenter_.get();
    }
    buildLayout();
    qApp->installEventFilter(this);

    idleTimer_.setInterval(idleRetryInterval);
    connect(&idleTimer_, &QTimer::timeout, this, &ZKControllingDragView::runWhenIdle);
    receptionProgressTimer_.setInterval(100);
    connect(&receptionProgressTimer_, &QTimer::timeout, this,
            &ZKControllingDragView::showReceptionProgress);
    connect(reception_, &DroppedItemsReception::finished, this,
            &ZKControllingDragView::finishReception);
    connect(controller_.get(), &ZKRenamingController::quitRequested, this,
            &ZKControllingDragView::terminateRequested);
    connect(controller_.get(), &ZKRenamingController::generalSettingsChanged, this,
            &ZKControllingDragView::stateChanged);
    connect(controller_.get(), &ZKRenamingController::fileListChanged, this,
            &ZKControllingDragView::fileListChanged);
    connect(controller_.get(), &ZKRenamingController::fileListNeedsDisplay, this,
            &ZKControllingDragView::fileListNeedsDisplay);
    connect(controller_.get(), &ZKRenamingController::renamerLayoutChanged, this,
            &ZKControllingDragView::renamerLayoutChanged);
    connect(controller_.get(), &ZKRenamingController::renamerSelectionChanged, this,
            &ZKControllingDragView::renamerSelectionChanged);
    connect(controller_.get(), &ZKRenamingController::iconsCacheCleared, fileList_,
            &ZKFileList::clearIconsCache);
    connect(&defaults(), &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key == ApplicationDefaults::kShowClearListButton ||
            key == ApplicationDefaults::kShowActionButton)
            updateBarControls();
    });
    controller_->updateRenameButton();
    updateBarControls();
}

ZKControllingDragView::~ZKControllingDragView() {
    qApp->removeEventFilter(this);
    ZKHistorian::historian().setUserInteraction(nullptr);
    // The reception's workers end before the controller they would report to goes.
    delete reception_;
    reception_ = nullptr;
}

// --- Layout ----------------------------------------------------------------------------------

void ZKControllingDragView::buildLayout() {
    collectionView_ = new ZKConfigurationCollectionView(*controller_, this);
    fileList_ = new ZKFileList(*controller_, this);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->addWidget(buildStepArea());
    splitter_->addWidget(fileList_);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    // Room for two expanded steps before the step area scrolls.
    splitter_->setSizes({290, 330});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(splitter_, 1);
    layout->addWidget(buildBar());
}

// The history bar slides in above the steps; the history replaces steps through the step
// area, which animates the move.
QWidget *ZKControllingDragView::buildStepArea() {
    historyBar_ = new ZKHistoryBar(this);
    historySubject_ = std::make_unique<ControllerHistorySubject>(*controller_);
    historySubject_->setReplacement([this](const QList<ZKRenamerPtr> &renamers, int animate) {
        collectionView_->setRenamers(renamers, animate);
    });
    ZKHistorian::historian().setUserInteraction(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) ZKHistorian::historian().invalidateCollections();
    });
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(historyBar_);
    layout->addWidget(collectionView_, 1);
    return area;
}

QWidget *ZKControllingDragView::buildBar() {
    auto *bar = new QWidget(this);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 4, 0, 0);

    optionsMenu_ = new QMenu(this);
    ListOptionsMenus::rebuildOnShow(optionsMenu_, [this](QMenu *menu) {
        ListOptionsMenus::fillOptionsMenu(menu, *this, false);
    });
    optionsButton_ = new QToolButton(bar);
    optionsButton_->setMenu(optionsMenu_);
    optionsButton_->setPopupMode(QToolButton::InstantPopup);
    optionsButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);

    filterMenu_ = new QMenu(this);
    ListOptionsMenus::rebuildOnShow(
        filterMenu_, [this](QMenu *menu) { ListOptionsMenus::fillFilterMenu(menu, *this); });
    filterButton_ = new QToolButton(bar);
    filterButton_->setMenu(filterMenu_);
    filterButton_->setPopupMode(QToolButton::InstantPopup);
    filterButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);

    actionButton_ = new QToolButton(bar);
    actionButton_->setIcon(QIcon::fromTheme(QStringLiteral("open-menu"),
                                            QIcon::fromTheme(QStringLiteral("emblem-system"))));
    actionButton_->setText(tr("Actions"));
    actionButton_->setToolTip(tr("Actions for the selected items"));
    connect(actionButton_, &QToolButton::clicked, this, [this] {
        // The same menu as a right click on the current row, so both always agree.
        std::unique_ptr<QMenu> menu = fileList_->createContextMenu(fileList_->currentIndex());
        menu->exec(actionButton_->mapToGlobal(QPoint(0, actionButton_->height())));
    });

    progressLabel_ = new QLabel(bar);
    progressLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    progressLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    progressLabel_->setForegroundRole(QPalette::PlaceholderText);

    clearButton_ = new QPushButton(tr("Clear"), bar);
    clearButton_->setToolTip(tr("Clear List"));
    clearButton_->setAutoDefault(false);
    connect(clearButton_, &QPushButton::clicked, this, &ZKControllingDragView::clear);

    renameButton_ = new ZKRenameButton(bar);
    connect(renameButton_, &QPushButton::clicked, this,
            &ZKControllingDragView::renameButtonClicked);

    layout->addWidget(actionButton_);
    layout->addWidget(optionsButton_);
    layout->addWidget(filterButton_);
    layout->addWidget(progressLabel_, 1);
    layout->addWidget(clearButton_);
    layout->addWidget(renameButton_);
    return bar;
}

void ZKControllingDragView::updateBarControls() {
    const bool clearEnabled = controller_->isClearButtonEnabled() && !busy_;
    clearButton_->setEnabled(clearEnabled);
    clearButton_->setVisible(clearEnabled &&
                             defaults().boolForKey(ApplicationDefaults::kShowClearListButton));
    actionButton_->setVisible(defaults().boolForKey(ApplicationDefaults::kShowActionButton));
    actionButton_->setEnabled(!busy_);
    const ZKRenamingController &controller = *controller_;
    optionsButton_->setText(SortMenu::popUpTitle(
        controller.sortingPriorities(), controller.renameFiles(), controller.renameFolders()));
    optionsButton_->setToolTip(
        SortMenu::popUpHelp(controller.sortingPriorities(), controller.renameFiles(),
                            controller.renameFolders(), controller.scanFolderContents()));
    filterButton_->setText(DisplayFilter::menuTitle(
        defaults().integerForKey(DisplayFilter::ListFilterKey), controller.renameFolders()));
}

// --- Busy state and delayed work -------------------------------------------------------------

void ZKControllingDragView::setBusy(bool busy) {
    if (busy_ == busy) return;
    busy_ = busy;
    // While the controller's loop runs, only Escape and the rename button may reach it.
    splitter_->setEnabled(!busy);
    optionsButton_->setEnabled(!busy);
    filterButton_->setEnabled(!busy);
    if (!busy) {
        stopRequested_ = false;
        if (!idleWork_.isEmpty()) idleTimer_.start();
    }
    updateBarControls();
    emit stateChanged();
}

void ZKControllingDragView::whenIdle(std::function<void()> work) {
    idleWork_.append(std::move(work));
    if (busy_ || modalDepth_ > 0) {
        idleTimer_.start();
        return;
    }
    runWhenIdle();
}

void ZKControllingDragView::runWhenIdle() {
    if (busy_ || modalDepth_ > 0) return;
    idleTimer_.stop();
    while (!idleWork_.isEmpty() && !busy_ && modalDepth_ == 0) {
        const std::function<void()> work = idleWork_.takeFirst();
        work();
        // A scan or run has ended when the work returns.
        setBusy(false);
    }
}

bool ZKControllingDragView::eventFilter(QObject *watched, QEvent *event) {
    if (busy_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // Only Escape in this window; a dialog on top of it keeps its own Escape.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == window()) {
            stopRequested_ = true;
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- Commands --------------------------------------------------------------------------------

void ZKControllingDragView::renameButtonClicked() {
    if (busy_) {
        stopRequested_ = true;
        return;
    }
    controller_->rename(true);
    setBusy(false);
}

void ZKControllingDragView::rename() {
    if (busy_) return;
    controller_->rename(false);
    setBusy(false);
}

void ZKControllingDragView::revert() {
    if (busy_) return;
    if (!controller_->canRevert()) {
        beep();
        return;
    }
    controller_->revert();
    setBusy(false);
}

void ZKControllingDragView::clear() {
    if (busy_ || !controller_->isClearButtonEnabled()) {
        beep();
        return;
    }
    controller_->clear();
}

void ZKControllingDragView::copy() {
    if (!controller_->checkForFilesToCopyAndCopy(true)) beep();
}

void ZKControllingDragView::paste() {
    if (busy_) return;
    if (!controller_->checkForFilesToPasteAndPaste(true)) beep();
    setBusy(false);
}

void ZKControllingDragView::openFilesFromPanel() {
    if (busy_) return;
    controller_->populateWithOpenPanelSelection();
    setBusy(false);
}

void ZKControllingDragView::addRenamer() {
    if (!busy_) collectionView_->addRenamer();
}

void ZKControllingDragView::deleteSelectedRenamers() {
    if (!busy_) collectionView_->deleteSelectedConfigurations();
}

void ZKControllingDragView::toggleIntermediateNameDisplay() {
    if (!busy_) controller_->toggleIntermediateNameDisplay();
}

void ZKControllingDragView::changeFilter(int tag) {
    if (busy_) return;
    controller_->changeFilter(tag);
    updateBarControls();
}

void ZKControllingDragView::changeListingMode(int tag) {
    if (busy_) return;
    controller_->updateFilterAndFileList(tag);
    setBusy(false);
    updateBarControls();
}

void ZKControllingDragView::chooseSortMenuItem(const SortMenuItem &item) {
    // The sort keys stay live while the menu is closed; a run must not see its list move.
    if (busy_) return;
    controller_->updateFileList(item);
    updateBarControls();
}

void ZKControllingDragView::removeSelectedRows() {
    const QList<ZKFileRepresentationPtr> selected = fileList_->selectedFileRepresentations();
    if (busy_ || selected.isEmpty()) {
        beep();
        return;
    }
    QHash<const ZKFileRepresentation *, int> rowOf;
    const QList<ZKFileRepresentationPtr> displayed = controller_->fileRepresentationsToDisplay();
    for (int row = 0; row < displayed.size(); ++row) rowOf.insert(displayed.at(row).get(), row);
    QList<int> rows;
    for (const ZKFileRepresentationPtr &record : selected) {
        if (rowOf.contains(record.get())) rows.append(rowOf.value(record.get()));
    }
    controller_->deleteObjectsAtRowIndexes(rows);
}

std::optional<QString> ZKControllingDragView::helpManagerDidSetOrRemoveUserDefault(
    ZKHelpManager &manager, const QString &key) {
    if (key == ApplicationDefaults::kShowClearListButton) updateBarControls();
    if (key == ZKConfigurationCollectionView::kAlwaysLeftAlignOperationsMenu &&
        controller_->renamers().size() == 1)
        collectionView_->alignOperationMenus();
    return std::nullopt;
}

void ZKControllingDragView::toggleDebugLogging() {
    defaults().setBool(!defaults().boolForKey(ApplicationDefaults::kDebugLog),
                       ApplicationDefaults::kDebugLog);
    emit stateChanged();
}

// --- ZKUserInteraction -----------------------------------------------------------------------

ZKAlertAnswer ZKControllingDragView::runAlert(const ZKAlert &alert) {
    ModalScope scope(*this);
    return presenter_->runAlert(window(), alert);
}

void ZKControllingDragView::showAlertLater(const ZKAlert &alert) {
    // After the work that found the reason for it, never in its middle.
    QTimer::singleShot(0, this, [this, alert] { whenIdle([this, alert] { runAlert(alert); }); });
}

bool ZKControllingDragView::stopRequested() {
    // The controller's loop holds the main thread: let Escape and the button's click in.
    // Opened files and other requests from outside wait for the loop to end.
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    return std::exchange(stopRequested_, false);
}

void ZKControllingDragView::setRenameButtonState(const ZKRenameButtonState &state) {
    renameButton_->setState(state);
    progressLabel_->setText(state.showsProgress ? state.description : QString());
    setBusy(state.showsProgress);
    updateBarControls();
    emit stateChanged();
}

void ZKControllingDragView::fileListChanged() {
    fileList_->reloadData();
    updateBarControls();
    emit stateChanged();
}

void ZKControllingDragView::fileListNeedsDisplay() {
    fileList_->redisplay();
    emit stateChanged();
}

void ZKControllingDragView::beep() { QApplication::beep(); }

ZKModifierKeys ZKControllingDragView::modifierKeys() {
    const Qt::KeyboardModifiers held =
        dropModifiers_ ? *dropModifiers_ : QGuiApplication::queryKeyboardModifiers();
    return {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::AltModifier)};
}

QList<ZKPasteboardItem> ZKControllingDragView::pasteboardItems() {
    return MimePasteboard::itemsFromMimeData(QGuiApplication::clipboard()->mimeData());
}

void ZKControllingDragView::writeToPasteboard(const QStringList &, const QStringList &urls,
                                              const QString &text) {
    QGuiApplication::clipboard()->setMimeData(MimePasteboard::mimeDataWith(urls, text));
}

QStringList ZKControllingDragView::runOpenPanel(bool resolveAliases) {
    ModalScope scope(*this);
    bringMainWindowForward();
    return presenter_->runOpenPanel(window(), resolveAliases);
}

std::optional<QString> ZKControllingDragView::runCreationPanel(const QString &prompt,
                                                               const QString &proposedName,
                                                               const QString &folder,
                                                               const QString &extension) {
    ModalScope scope(*this);
    bringMainWindowForward();
    return presenter_->runCreationPanel(window(), {prompt, proposedName, folder, extension});
}

void ZKControllingDragView::postNotification(const QString &title, const QString &text) {
    notifier_->notify(title, text);
}

void ZKControllingDragView::bringMainWindowForward() {
    QWidget *mainWindow = window();
    if (!mainWindow->isVisible()) return;
    mainWindow->raise();
    mainWindow->activateWindow();
}

QList<ZKFileRepresentationPtr> ZKControllingDragView::selectedFileRepresentations() {
    return fileList_->selectedFileRepresentations();
}

void ZKControllingDragView::selectFileRepresentations(
    const QList<ZKFileRepresentationPtr> &records) {
    fileList_->selectFileRepresentations(records);
}

void ZKControllingDragView::renamerLayoutChanged() {
    collectionView_->relayout();
    emit stateChanged();
}

void ZKControllingDragView::renamerSelectionChanged(bool focusStepArea) {
    collectionView_->reflectSelection(focusStepArea);
    emit stateChanged();
}

std::optional<QString> ZKControllingDragView::runFolderUnlockPanel(
    const ZKFolderUnlockRequest &request) {
    ModalScope scope(*this);
    bringMainWindowForward();
    return presenter_->runFolderUnlockPanel(window(), request);
}

std::optional<QString> ZKControllingDragView::promptForParameter(const QString &question) {
    ModalScope scope(*this);
    return presenter_->promptForParameter(window(), question);
}
