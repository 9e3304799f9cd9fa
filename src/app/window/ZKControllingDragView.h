#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "controller/ZKRenamingController.h"
#include "help/ZKHelpManager.h"
#include "interaction/ZKUserInteraction.h"

class DesktopNotifier;
class DroppedItemsReception;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
class QSplitter;
class QToolButton;
class QUrl;
class ZKConfigurationArchive;
class ZKDictionaryConfigurationArchive;
class ZKConfigurationCollectionView;
class ZKDialogPresenter;
class ZKFileList;
class ZKHistoryBar;
class ControllerHistorySubject;
class ZKRenameButton;

// The main window's content and the application's controller: the step area above the file
// list, the bar with the rename button, the clear button, the list's options and the filter
// below them. It owns the renaming controller and is its user: alerts become sheets on the
// window, progress shows on the rename button, Escape and a click on the button stop a scan
// or a run. It is the drop target of the window, and it carries the application's life from
// launch to quit (ZKControllingDragViewLifecycle.cpp) and the reception of drops
// (ZKControllingDragViewDrop.cpp).
class ZKControllingDragView : public QWidget,
                              public ZKUserInteraction,
                              public ZKHelpManagerDelegate {
    Q_OBJECT
public:
    // presenter (not owned, must outlive the view) shows the dialogs; null takes real ones.
    explicit ZKControllingDragView(ZKDialogPresenter *presenter = nullptr,
                                   QWidget *parent = nullptr);
    ~ZKControllingDragView() override;

    ZKRenamingController &controller() { return *controller_; }
    // The dialogs the window shows (real ones, or a test's).
    ZKDialogPresenter &dialogs() { return *presenter_; }
    ZKHistoryBar *historyBar() const { return historyBar_; }
    ZKFileList *fileList() const { return fileList_; }
    ZKConfigurationCollectionView *collectionView() const { return collectionView_; }
    QSplitter *splitter() const { return splitter_; }
    ZKRenameButton *renameButton() const { return renameButton_; }
    QPushButton *clearButton() const { return clearButton_; }
    QToolButton *optionsButton() const { return optionsButton_; }
    QToolButton *filterButton() const { return filterButton_; }
    // Offers the list's actions for the selected rows; shown with "Show Action Button" only.
    QToolButton *actionButton() const { return actionButton_; }
    // The text beside the rename button that says what its progress stands for.
    QLabel *progressLabel() const { return progressLabel_; }

    // A scan or a rename run is going on: the window waits for it, only Escape and the rename
    // button (now a stop button) answer.
    bool isBusy() const { return busy_; }
    // Asks the scan or run in progress to stop (its "Stop?" question follows).
    void requestStop() {
        if (busy_) stopRequested_ = true;
    }
    // Runs the work now, or as soon as no scan, run or question of the controller is going on.
    void whenIdle(std::function<void()> work);

    // --- Commands (buttons and menus) ----------------------------------------------------

    // The rename button: stops a scan or run in progress, else renames or reverts.
    void renameButtonClicked();
    // The menu's rename and revert commands.
    void rename();
    void revert();
    void clear();
    void copy();
    void paste();
    void openFilesFromPanel();
    void addRenamer();
    void deleteSelectedRenamers();
    void toggleIntermediateNameDisplay();
    void changeFilter(int tag);
    void changeListingMode(int tag);
    void chooseSortMenuItem(const SortMenuItem &item);
    // Removes the selected rows from the list.
    void removeSelectedRows();
    // Flips "ZKDebugLog".
    void toggleDebugLogging();

    // --- Life of the application (ZKControllingDragViewLifecycle.cpp) --------------------

    // Before the window exists: registers the defaults.
    static void applicationWillFinishLaunching();
    // Restores the configuration and the window, shows it and runs the start-up action.
    void applicationDidFinishLaunching();
    // Once per process (not for a droplet) restores the window's frame and the split; then
    // takes the configuration from the archive and empties the list.
    void setupForDroplet(bool droplet, const ZKConfigurationArchive *archive);
    // Saves the split and the window frame and stores the configuration in the user
    // defaults, once launching has finished. Always agrees.
    bool applicationShouldTerminate();
    // Files the application was asked to open: a configuration file is imported, a relay file
    // or service definition goes to its reception, anything else is listed.
    void openFiles(const QStringList &paths);
    // A later start without files: run the start-up action, show and raise the window.
    void reopen();
    // "Startup Population": 1 the file manager's selection (through the user's script),
    // 2 Path Finder (not available here), 3 the open dialog; nothing while items are being
    // received or opened files wait.
    void performStartupAction();
    // Replaces the steps by those of a configuration file; false (after an alert) when the
    // file cannot be read.
    bool importConfigurationFile(const QString &path);
    // A preference changed: the controller's switches recompute the names, the list's keys
    // redraw it, the clear button follows "Show Clear List Button".
    void changePreference(const QString &key);

    // --- Droplets and services (ZKControllingDragViewDroplets.cpp) -------------------------

    // Save dialogs, then a droplet launcher or a service with the current configuration.
    void createDroplet();
    void createService();
    // Removes a service definition chosen in a dialog, with its file-manager actions.
    void removeService();
    // The application was started only to rename what a droplet or service relayed; the
    // ordinary launch does not follow.
    bool isLaunchRunForDroplet() const { return launchRunForDroplet_; }

    // --- ZKUserInteraction ---------------------------------------------------------------

    ZKAlertAnswer runAlert(const ZKAlert &alert) override;
    void showAlertLater(const ZKAlert &alert) override;
    bool stopRequested() override;
    void setRenameButtonState(const ZKRenameButtonState &state) override;
    void fileListChanged();
    void fileListNeedsDisplay();
    void beep() override;
    ZKModifierKeys modifierKeys() override;
    QList<ZKPasteboardItem> pasteboardItems() override;
    void writeToPasteboard(const QStringList &paths, const QStringList &urls,
                           const QString &text) override;
    QStringList runOpenPanel(bool resolveAliases) override;
    void postNotification(const QString &title, const QString &text) override;
    void bringMainWindowForward() override;
    QList<ZKFileRepresentationPtr> selectedFileRepresentations() override;
    void selectFileRepresentations(const QList<ZKFileRepresentationPtr> &records) override;
    void renamerLayoutChanged();
    void renamerSelectionChanged(bool focusStepArea);
    std::optional<QString> promptForParameter(const QString &question) override;
    std::optional<QString> runFolderUnlockPanel(const ZKFolderUnlockRequest &request) override;

    // --- ZKHelpManagerDelegate -----------------------------------------------------------

    // A help link changed a preference: the clear button follows "Show Clear List Button".
    std::optional<QString> helpManagerDidSetOrRemoveUserDefault(ZKHelpManager &manager,
                                                                const QString &key) override;

    // --- Drop reception (ZKControllingDragViewDrop.cpp) ----------------------------------

    // Whether the drop target is highlighted.
    bool isHighlighted() const { return highlighted_; }
    // Tests slow the reception down.
    DroppedItemsReception &reception() const { return *reception_; }

signals:
    // The application should end (a run asked for it, or the window closed with "Quit When
    // Closed" on); the application saves and quits.
    void terminateRequested();
    // Something the menus show changed (list, steps, button, busy state).
    void stateChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // A call that may show a modal dialog: delayed work waits until it returns.
    class ModalScope;

    void buildLayout();
    QWidget *buildBar();
    QWidget *buildStepArea();
    void setBusy(bool busy);
    void updateBarControls();
    void runWhenIdle();

    // Drops.
    // Accepts the drag with the action dragOperation chooses, or ignores it; true when accepted.
    bool answerDrag(QDropEvent *event);
    Qt::DropAction dragOperation(const QMimeData *mimeData, Qt::KeyboardModifiers modifiers,
                                 Qt::DropActions offered);
    void setHighlighted(bool highlighted);
    void receiveUrls(const QList<QUrl> &urls);
    void receiveFallback(const QList<ZKPasteboardItem> &items);
    void showReceptionProgress();
    void finishReception();
    void populateWithDroppedPaths(const QStringList &paths, bool createBookmarks);

    // Lifecycle.
    void prepareMainWindow();
    void saveWindowState();
    void populateWithSelectionScript();
    void populateOpenedPaths(const QStringList &paths);
    void receiveRelayFile(const QString &path);
    void handOverServiceDefinition(const QString &path);
    void loadRelayedConfiguration(const ZKDictionaryConfigurationArchive &archive,
                                  const QStringList &droppedFiles);
    void keepRelayedConfigurationForLaunch(const QVariantMap &configuration);
    void renameRelayedFilesAtOnce(const ZKDictionaryConfigurationArchive &archive,
                                  const QStringList &droppedFiles);
    QVariantMap frozenConfiguration();
    std::optional<QString> runCreationPanel(const QString &prompt, const QString &proposedName,
                                            const QString &folder, const QString &extension);

    ZKDialogPresenter *presenter_;
    std::unique_ptr<ZKDialogPresenter> ownPresenter_;
    std::unique_ptr<ZKRenamingController> controller_;
    std::unique_ptr<ControllerHistorySubject> historySubject_;
    ZKHistoryBar *historyBar_ = nullptr;
    DesktopNotifier *notifier_ = nullptr;
    DroppedItemsReception *reception_ = nullptr;

    ZKConfigurationCollectionView *collectionView_ = nullptr;
    ZKFileList *fileList_ = nullptr;
    QSplitter *splitter_ = nullptr;
    ZKRenameButton *renameButton_ = nullptr;
    QLabel *progressLabel_ = nullptr;
    QPushButton *clearButton_ = nullptr;
    QToolButton *optionsButton_ = nullptr;
    QToolButton *filterButton_ = nullptr;
    QToolButton *actionButton_ = nullptr;
    QMenu *optionsMenu_ = nullptr;
    QMenu *filterMenu_ = nullptr;

    bool busy_ = false;
    bool stopRequested_ = false;
    int modalDepth_ = 0;
    QList<std::function<void()>> idleWork_;
    QTimer idleTimer_;
    bool highlighted_ = false;
    // The modifier keys of the drop being handled, which decide between adding and replacing.
    std::optional<Qt::KeyboardModifiers> dropModifiers_;
    QTimer receptionProgressTimer_;
    bool windowPrepared_ = false;
    bool launchRunForDroplet_ = false;
};
