// Droplet launchers as the droplet program reads them when files are dropped on one: any
// bytes give the embedded configuration, the instance identifier, or nothing; never a crash.

#include <QCoreApplication>

#include "FuzzInput.h"
#include "droplets/DropletLauncher.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path = FuzzInput::writeScratchFile(QStringLiteral("droplet.desktop"),
                                                     FuzzInput::bytes(data, size));
    QString problem;
    const std::optional<QVariantMap> embedded =
        DropletLauncher::embeddedConfiguration(path, &problem);
    if (!embedded && problem.isEmpty()) std::abort();
    DropletLauncher::relayConfiguration(path);
    return 0;
}
