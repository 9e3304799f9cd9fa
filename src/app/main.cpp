// Starts Torvane: one running application per user, which lists the paths it is given (or
// imports a configuration file) and keeps its configuration from one launch to the next.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include "app/desktop/SingleInstance.h"
#include "app/window/ZKControllingDragView.h"
#include "app/window/ZKMainWindow.h"
#include "common/ApplicationActivation.h"
#include "common/Log.h"
#include "common/Translations.h"

namespace {

// The command line's paths, absolute, so the running instance can use them from its own
// working folder.
QStringList openedPaths(const QStringList &arguments) {
    QStringList paths;
    for (const QString &argument : arguments.mid(1)) {
        if (argument.isEmpty()) continue;
        paths.append(QFileInfo(QDir::current(), argument).absoluteFilePath());
    }
    return paths;
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    QApplication::setOrganizationDomain(QStringLiteral("quorlix.com"));
    QApplication::setApplicationDisplayName(QStringLiteral("Torvane"));
    QApplication::setDesktopFileName(QStringLiteral("com.quorlix.Torvane"));
    Translations::install();
    // The installed icon where the desktop knows it, else the one built into the program.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("com.quorlix.Torvane"),
                         QIcon(QStringLiteral(":/icons/com.quorlix.Torvane.png"))));
    // Without "Quit When Closed" the application goes on after its window closes, waiting to
    // be shown again by the next start.
    QApplication::setQuitOnLastWindowClosed(false);

    const QStringList paths = openedPaths(QApplication::arguments());
    SingleInstance instance;
    if (!instance.claim()) {
        if (instance.handOver(paths)) return 0;
        Log::line(QStringLiteral("the running Torvane does not answer"));
        return 1;
    }

    ZKControllingDragView::applicationWillFinishLaunching();
    ZKMainWindow window;
    ZKControllingDragView &view = *window.dragView();
    QObject::connect(&instance, &SingleInstance::openRequested, &view,
                     &ZKControllingDragView::openFiles);
    QObject::connect(&instance, &SingleInstance::activateRequested, &view,
                     &ZKControllingDragView::reopen);
    // Quitting from inside a run or a question waits until it has returned.
    QObject::connect(
        &window, &ZKMainWindow::terminateRequested, &app,
        [&view] { view.whenIdle([] { QApplication::quit(); }); }, Qt::QueuedConnection);
    // Reflected terms files are read again whenever the user comes back to the window.
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &app,
                     [](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive)
                             ApplicationActivation::shared().postApplicationDidBecomeActive();
                     });
    QObject::connect(&app, &QApplication::aboutToQuit, &view,
                     [&view] { view.applicationShouldTerminate(); });

    if (!paths.isEmpty()) view.openFiles(paths);
    view.applicationDidFinishLaunching();
    return app.exec();
}
