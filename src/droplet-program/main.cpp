// The droplet program: started by a droplet launcher with the launcher's own path and the
// dropped files (never through a shell), it hands the launcher's configuration and the files
// to Torvane through the relay file, and ends.

#include "common/Log.h"
#include "droplet-program/HelperShell.h"
#include "droplets/DropletKeys.h"
#include "droplets/DropletLauncher.h"
#include "droplets/HelperPrograms.h"
#include "droplets/RelayFile.h"

namespace {

int relay(const QString &launcher, const QStringList &paths) {
    const QString described = HelperShell::described(paths);
    std::optional<QVariantMap> configuration;
    // A launcher that does not pass its own path (%k) would make the first dropped file look
    // like one: only a desktop entry with a droplet group counts.
    if (launcher.endsWith(QStringLiteral(".desktop")))
        configuration = DropletLauncher::relayConfiguration(launcher);
    if (!configuration)
        return HelperShell::fail(QStringLiteral("cannot read settings: %1").arg(described));
    if (!paths.isEmpty()) configuration->insert(QLatin1String(DropletKeys::kDroppedFiles), paths);
    QString error;
    const QString relayPath = RelayFile::write(*configuration, &error);
    if (relayPath.isEmpty()) {
        Log::line(error);
        return HelperShell::fail(QStringLiteral("cannot relay settings: %1").arg(described));
    }
    const QString application =
        HelperPrograms::locate(QLatin1String(DropletKeys::kApplicationProgram));
    if (application.isEmpty() || !HelperPrograms::startDetached(application, {relayPath}, &error))
        return HelperShell::fail(QStringLiteral("cannot locate Torvane: %1").arg(described));
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    const auto application = HelperShell::makeApplication(argc, argv);
    if (argc < 2) return HelperShell::fail(QStringLiteral("cannot read settings: ()"));
    int skipped = 0;
    const QStringList launcher = HelperShell::pathArguments(2, argv, 1, &skipped);
    const QStringList paths = HelperShell::pathArguments(argc, argv, 2, &skipped);
    // Names that cannot be relayed are left alone; when nothing else was dropped there is
    // nothing to hand over.
    if (skipped > 0 && paths.isEmpty())
        return HelperShell::fail(
            QStringLiteral("cannot relay settings: %1").arg(HelperShell::described(paths)));
    return relay(launcher.value(0), paths);
}
