// Relay files as the application receives them from a droplet or a file-manager action: any
// bytes become a configuration with dropped files, a missing-configuration alert, or are
// ignored; never a crash, and never a read outside the droplets' own folder.

#include "FuzzInput.h"
#include "droplets/RelayReception.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // A droplet's external configuration is looked up below the home folder: keep it private.
    FuzzInput::startApplicationAtScratchHome(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path = FuzzInput::writeScratchFile(QStringLiteral("com.quorlix.Torvane.tvd"),
                                                     FuzzInput::bytes(data, size));
    const RelayReception::Reception reception = RelayReception::receive(path);
    // What is ignored hands nothing on.
    if (reception.outcome == RelayReception::Reception::Outcome::Ignored &&
        (!reception.configuration.isEmpty() || !reception.droppedFiles.isEmpty()))
        std::abort();
    return 0;
}
