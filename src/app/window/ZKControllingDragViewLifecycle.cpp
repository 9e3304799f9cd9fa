// From launch to quit: defaults, the configuration restored and saved, the window's frame,
// the start-up action, files the application is asked to open, and preference changes.

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QUrl>

#include "app/filelist/ZKFileList.h"
#include "app/steps/ZKConfigurationCollectionView.h"
#include "app/window/OkAlert.h"
#include "app/window/ZKControllingDragView.h"
#include "collections/ApplicationDefaults.h"
#include "collections/ConfigurationArchiving.h"
#include "collections/ConfigurationFile.h"
#include "collections/ConfigurationKeys.h"
#include "collections/OpenedFiles.h"
#include "collections/ZKHistorian.h"
#include "collections/ZKUserDefaultsConfigurationArchive.h"
#include "common/Log.h"
#include "common/PathExtension.h"
#include "common/UserDefaults.h"
#include "controller/ControllerDefaults.h"
#include "listing/SelectionScript.h"
#include "run/UnfinishedRunOffer.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

constexpr QSize firstWindowSize(960, 720);

}  // namespace

void ZKControllingDragView::applicationWillFinishLaunching() {
    ApplicationDefaults::registerApplicationDefaults();
}

void ZKControllingDragView::applicationDidFinishLaunching() {
    // A droplet's run during launch has already asked to quit; nothing of the launch follows,
    // so the user's saved configuration stays as it was.
    if (launchRunForDroplet_) return;
    controller_->setHasFinishedLaunching(true);
    setAcceptDrops(true);
    const ZKUserDefaultsConfigurationArchive userDefaults;
    setupForDroplet(false, &userDefaults);
    window()->show();
    bringMainWindowForward();
    // A run that died half-way is finished or undone before the user can start another, and
    // before the start-up action lists items it may still move.
    UnfinishedRunOffer::offerToFinishOrUndo(*this);
    performStartupAction();
}

void ZKControllingDragView::setupForDroplet(bool droplet, const ZKConfigurationArchive *archive) {
    if (!droplet && !windowPrepared_) {
        prepareMainWindow();
        windowPrepared_ = true;
    }
    ConfigurationArchiving::initializeControlsWithArchive(*controller_, archive, droplet, !droplet);
    controller_->clear();
    controller_->updateRenamerLayoutAndRenameNames(true);
    updateBarControls();
    emit stateChanged();
}

void ZKControllingDragView::prepareMainWindow() {
    QWidget *mainWindow = window();
    const QByteArray frame =
        defaults().objectForKey(ApplicationDefaults::kMainWindowFrame).toByteArray();
    if (frame.isEmpty() || !mainWindow->restoreGeometry(frame)) {
        mainWindow->resize(firstWindowSize);
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect centred(QPoint(), mainWindow->size());
            centred.moveCenter(screen->availableGeometry().center());
            mainWindow->move(centred.topLeft());
        }
    }
    const QByteArray split =
        defaults().objectForKey(ApplicationDefaults::kFileListFrame).toByteArray();
    if (!split.isEmpty()) splitter_->restoreState(split);
}

void ZKControllingDragView::saveWindowState() {
    defaults().setObject(splitter_->saveState(), ApplicationDefaults::kFileListFrame);
    defaults().setObject(window()->saveGeometry(), ApplicationDefaults::kMainWindowFrame);
}

bool ZKControllingDragView::applicationShouldTerminate() {
    // Before launch has finished the user defaults hold what a droplet handed over, if
    // anything, and must stay as they are.
    if (!controller_->hasFinishedLaunching()) return true;
    saveWindowState();
    if (!ConfigurationArchiving::storeSettingsForQuit(*controller_))
        Log::line(QStringLiteral("cannot store the configuration for the next launch"));
    return true;
}

// --- Opened files ----------------------------------------------------------------------------

void ZKControllingDragView::openFiles(const QStringList &paths) {
    // A request that arrives while a question or a run holds the window waits for its end.
    if (busy_ || modalDepth_ > 0) {
        whenIdle([this, paths] { openFiles(paths); });
        return;
    }
    const OpenedFiles::Routing routing = OpenedFiles::route(paths);
    switch (routing.action) {
        case OpenedFiles::Action::Nothing:
            return;
        case OpenedFiles::Action::ServiceDefinition:
            handOverServiceDefinition(routing.paths.first());
            return;
        case OpenedFiles::Action::RelayFile:
            receiveRelayFile(routing.paths.first());
            return;
        case OpenedFiles::Action::ConfigurationFile: {
            const QString path = routing.paths.first();
            if (!QUrl::fromLocalFile(path).isValid() || path.isEmpty()) {
                Log::line(QStringLiteral("[Open] cannot get URL for archive"));
                return;
            }
            QTimer::singleShot(0, this, [this, path] {
                whenIdle([this, path] { importConfigurationFile(path); });
            });
            return;
        }
        case OpenedFiles::Action::Populate:
            break;
    }
    controller_->setOpeningAfterDelay(true);
    controller_->updateRenameButton();
    const QStringList toList = routing.paths;
    QTimer::singleShot(
        0, this, [this, toList] { whenIdle([this, toList] { populateOpenedPaths(toList); }); });
}

void ZKControllingDragView::populateOpenedPaths(const QStringList &paths) {
    controller_->setOpeningAfterDelay(false);
    controller_->populateWithPaths(paths, false, false);
    setBusy(false);
    controller_->updateRenameButton();
    if (controller_->hasFinishedLaunching() && !window()->isVisible()) {
        window()->show();
        bringMainWindowForward();
    }
}

bool ZKControllingDragView::importConfigurationFile(const QString &path) {
    ConfigurationFile::Contents contents;
    QString error;
    if (!ConfigurationFile::read(path, &contents, &error)) {
        runAlert(okAlert(tr("The configuration \"%1\" cannot be opened.")
                             .arg(PathExtension::lastPathComponent(path)),
                         error, ZKAlert::Style::Informational));
        return false;
    }
    // A list of steps goes through the history, which recognises a configuration used before.
    if (!contents.archive) return ZKHistorian::historian().unarchiveRenamersAtURL(path);
    // A whole configuration brings its steps, listing choices and switches; the user's own
    // application-wide choices (start-up, quitting, confirmation) stay as they are.
    const ZKGeneralSettings general = controller_->generalSettings();
    ConfigurationArchiving::initializeControlsWithArchive(*controller_, &*contents.archive, false,
                                                          false);
    controller_->generalSettings() = general;
    controller_->updateRenamerLayoutAndRenameNames(false);
    controller_->updateFileRepresentations();
    controller_->updateFileList();
    setBusy(false);
    updateBarControls();
    emit stateChanged();
    return true;
}

// --- Start-up action and reopening ----------------------------------------------------------

void ZKControllingDragView::reopen() {
    performStartupAction();
    window()->show();
    bringMainWindowForward();
}

void ZKControllingDragView::performStartupAction() {
    if (controller_->isWaitingForDraggedObjects() || controller_->isOpeningAfterDelay()) return;
    switch (controller_->generalSettings().startupAction) {
        case ZKGeneralSettings::StartupFinderSelection:
            populateWithSelectionScript();
            break;
        case ZKGeneralSettings::StartupPathFinderSelection:
            // No Path Finder on this system.
            Log::line(QStringLiteral("yay sandboxing!"));
            beep();
            break;
        case ZKGeneralSettings::StartupOpenPanel:
            openFilesFromPanel();
            break;
        default:
            break;
    }
}

void ZKControllingDragView::populateWithSelectionScript() {
    const SelectionScript::Result result = SelectionScript::run();
    if (!result.ok) {
        Log::line(QStringLiteral("[Startup] %1").arg(result.error));
        showAlertLater(okAlert(tr("Torvane cannot read the file manager's selection."),
                               result.error, ZKAlert::Style::Informational));
        return;
    }
    // Not started by the user: the program's own path alone is no selection to list.
    controller_->populateWithPaths(result.paths, true, false);
    setBusy(false);
}

// --- Preferences -----------------------------------------------------------------------------

void ZKControllingDragView::changePreference(const QString &key) {
    using namespace ConfigurationKeys;
    if (key == kIgnoreTrailingGibberish) {
        controller_->invalidateCommonPrefix();
        controller_->updateRenameNames();
    } else if (key == kIgnoreWhitespaceInRegularExpressions) {
        // The Find fields' syntax indicators depend on the free-spacing mode.
        collectionView_->refreshSettings();
        controller_->updateRenameNames();
    } else if (key == kAutoUniqueify) {
        controller_->updateRenameNames();
    } else if (key == kIgnoreInvisibleFiles || key == ControllerDefaults::kIgnoreAliases) {
        controller_->updateFileRepresentations();
        controller_->updateFileList();
        setBusy(false);
    } else if (key == kFileListTheme) {
        defaults().setInteger(controller_->generalSettings().fileListTheme, kFileListTheme);
        fileList_->redisplay();
        update();
    } else if (key == ApplicationDefaults::kShowClearListButton) {
        updateBarControls();
    } else {
        fileList_->redisplay();
    }
    emit stateChanged();
}
