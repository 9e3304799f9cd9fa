// Relay files as the application receives them from a droplet or a file-manager action: any
// bytes become a configuration with dropped files, a missing-configuration alert, or are
// ignored; never a crash, and never a read outside the droplets' own folder.

#include <QCoreApplication>

#include "FuzzInput.h"
#include "droplets/RelayReception.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // A droplet's external configuration is looked up below the home folder: keep it private.
    const QByteArray home = QFile::encodeName(FuzzInput::scratchFolder());
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(name, home);
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path = FuzzInput::writeScratchFile(QStringLiteral("com.quorlix.Torvane.tvd"),
                                                     FuzzInput::bytes(data, size));
    const RelayReception::Reception reception = RelayReception::receive(path);
    if (reception.outcome != RelayReception::Reception::Outcome::Received &&
        (!reception.configuration.isEmpty() || !reception.droppedFiles.isEmpty()))
        std::abort();
    return 0;
}
