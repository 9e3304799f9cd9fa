// Droplets and services on the application's side: creating them from the current
// configuration, receiving what a droplet or a service relays, and handing a service
// definition that was opened to the service provider.

#include <QDir>
#include <QTimer>

#include "app/window/OkAlert.h"
#include "app/window/ZKControllingDragView.h"
#include "app/window/ZKDialogPresenter.h"
#include "collections/ConfigurationArchiving.h"
#include "collections/ZKDictionaryConfigurationArchive.h"
#include "common/Log.h"
#include "common/UserDefaults.h"
#include "droplets/DropletCreation.h"
#include "droplets/DropletKeys.h"
#include "droplets/HelperPrograms.h"
#include "droplets/RelayReception.h"
#include "droplets/ServiceDefinition.h"
#include "droplets/ServiceInstallation.h"
#include "engine/EngineDefaults.h"

namespace {

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

const QString kKeepDropletSealIntact = QStringLiteral("Keep Droplet Seal Intact");

// A helper program beside the application, else on PATH, else its bare name for the desktop
// to find later.
QString helperProgram(const char *name) {
    const QString found = HelperPrograms::locate(QLatin1String(name));
    return found.isEmpty() ? QLatin1String(name) : found;
}

}  // namespace

QVariantMap ZKControllingDragView::frozenConfiguration() {
    ZKDictionaryConfigurationArchive archive;
    ConfigurationArchiving::storeSettingsInArchive(
        *controller_, archive, true, false,
        defaults().boolForKey(EngineDefaults::kStoreIrrelevantSettings));
    return archive.dictionary();
}

void ZKControllingDragView::createDroplet() {
    const std::optional<QString> path =
        runCreationPanel(tr("Create Droplet"), QStringLiteral("Torvane Droplet"),
                         DropletCreation::defaultFolder(), QStringLiteral("desktop"));
    if (!path) return;
    const DropletCreation::Result result = DropletCreation::create(
        {*path, frozenConfiguration(), defaults().boolForKey(kKeepDropletSealIntact),
         helperProgram(DropletKeys::kDropletProgram)});
    if (!result.error.isEmpty())
        runAlert(
            okAlert(tr("The droplet cannot be created."), result.error, ZKAlert::Style::Critical));
}

void ZKControllingDragView::createService() {
    const QString userData = ServiceDefinition::encodedConfiguration(frozenConfiguration());
    if (userData.isEmpty()) return;
    std::optional<QString> path =
        runCreationPanel(tr("Create Service"), tr("Rename"), ServiceDefinition::servicesFolder(),
                         QStringLiteral("torvaneservice"));
    if (!path) return;
    if (!path->endsWith(QStringLiteral(".torvaneservice"))) path->append(".torvaneservice");
    const QString problem = ServiceInstallation::create(
        *path, userData, helperProgram(DropletKeys::kServiceProviderProgram));
    if (problem == QStringLiteral("cannot save service")) {
        Log::line(problem);
        beep();
    } else if (!problem.isEmpty()) {
        runAlert(okAlert(tr("The service cannot be created."), problem, ZKAlert::Style::Critical));
    }
}

void ZKControllingDragView::removeService() {
    const std::optional<QString> path =
        runCreationPanel(tr("Remove Service"), QString(), ServiceDefinition::servicesFolder(),
                         QStringLiteral("torvaneservice"));
    if (!path) return;
    const QString problem = ServiceInstallation::remove(*path);
    if (!problem.isEmpty())
        runAlert(okAlert(tr("The service cannot be removed."), problem, ZKAlert::Style::Critical));
}

void ZKControllingDragView::handOverServiceDefinition(const QString &path) {
    QString error;
    if (HelperPrograms::startDetached(helperProgram(DropletKeys::kServiceProviderProgram), {path},
                                      &error)) {
        Log::line(QStringLiteral("[Torvane Service] ping"));
        return;
    }
    Log::line(QStringLiteral("cannot open %1 via service provider").arg(path));
    beep();
}

void ZKControllingDragView::receiveRelayFile(const QString &path) {
    const RelayReception::Reception reception = RelayReception::receive(path);
    if (reception.outcome == RelayReception::Reception::Outcome::Ignored) return;
    if (reception.outcome == RelayReception::Reception::Outcome::MissingConfiguration) {
        runAlert(reception.alert);
        return;
    }
    const ZKDictionaryConfigurationArchive archive(reception.configuration);
    if (controller_->hasFinishedLaunching())
        loadRelayedConfiguration(archive, reception.droppedFiles);
    else if (reception.droppedFiles.isEmpty())
        keepRelayedConfigurationForLaunch(reception.configuration);
    else
        renameRelayedFilesAtOnce(archive, reception.droppedFiles);
}

void ZKControllingDragView::loadRelayedConfiguration(
    const ZKDictionaryConfigurationArchive &archive, const QStringList &droppedFiles) {
    ConfigurationArchiving::initializeControlsWithArchive(*controller_, &archive, true, false);
    if (!droppedFiles.isEmpty()) controller_->clear();
    controller_->updateRenamerLayoutAndRenameNames(false);
    controller_->updateFileList();
    setBusy(false);
    updateBarControls();
    emit stateChanged();
    if (droppedFiles.isEmpty()) return;
    controller_->setOpeningAfterDelay(true);
    controller_->updateRenameButton();
    QTimer::singleShot(0, this, [this, droppedFiles] {
        whenIdle([this, droppedFiles] { populateOpenedPaths(droppedFiles); });
    });
}

// The launch that follows restores the configuration from the user defaults.
void ZKControllingDragView::keepRelayedConfigurationForLaunch(const QVariantMap &configuration) {
    defaults().removeObjectForKey(QStringLiteral("Renamers"));
    for (auto it = configuration.cbegin(); it != configuration.cend(); ++it)
        defaults().setObject(it.value(), it.key());
}

// Started only to rename: no window, no questions; the run ends by quitting.
void ZKControllingDragView::renameRelayedFilesAtOnce(
    const ZKDictionaryConfigurationArchive &archive, const QStringList &droppedFiles) {
    launchRunForDroplet_ = true;
    setupForDroplet(true, &archive);
    controller_->populateWithPaths(droppedFiles, false, false);
    setBusy(false);
    controller_->rename(false);
    // The quit the run asked for waits until the view is idle again.
    setBusy(false);
}
